// The records of a .jzp profile file. A file is one JzpHead followed by nProfCount profile
// entries; each entry is a JzpProfileEntry followed by its four sections, each exactly as long
// as the entry says: DWORD items, buffer items, registry values and the "_Setup" value. All
// integers are little-endian; text is ANSI, NUL-terminated inside its field. There is no
// padding, no checksum and no end marker.
#pragma once

#include <windows.h>

#include <stddef.h>

constexpr char JZP_MAGIC[4] = {'J', 'Z', 'P', '\0'};

// Bits of the open mode of VTPROFJZP::OpenJzpFile.
enum : DWORD {
  JZP_MODE_WRITE = 1,
  JZP_MODE_READ = 2,
  JZP_MODE_REPLACE = 4,
  JZP_MODE_EXPORT = JZP_MODE_WRITE | JZP_MODE_REPLACE,
};

// The four sections of a profile entry, in file order.
enum JzpSection : int {
  JZP_SECTION_ITEMS = 0,     // 8-byte DWORD items
  JZP_SECTION_BUFFERS = 1,   // buffer items: tag, size, bytes
  JZP_SECTION_REGISTRY = 2,  // registry values: JzpRegItemHeader and data
  JZP_SECTION_SETUP = 3,     // the "_Setup" value, one JzpRegItemHeader and data
  JZP_SECTION_COUNT = 4,
};

#pragma pack(push, 1)

struct JzpHead {
  char szMagic[4];  // JZP_MAGIC
  WORD wReserved1;
  WORD wReserved2;
  WORD wDriverVersion;  // dmDriverVersion of the writer's default DEVMODE
  WORD wLanguage;       // the writer's language byte (0xC0, 0xC1 for the Chinese variants)
  SHORT nProfCount;     // signed: a count above 32767 reads as negative
  WORD wReserved3;
  char szModel[128];  // the writer's driver name
};
static_assert(sizeof(JzpHead) == 144);
static_assert(offsetof(JzpHead, szMagic) == 0);
static_assert(offsetof(JzpHead, wReserved1) == 4);
static_assert(offsetof(JzpHead, wReserved2) == 6);
static_assert(offsetof(JzpHead, wDriverVersion) == 8);
static_assert(offsetof(JzpHead, wLanguage) == 10);
static_assert(offsetof(JzpHead, nProfCount) == 12);
static_assert(offsetof(JzpHead, wReserved3) == 14);
static_assert(offsetof(JzpHead, szModel) == 16);

struct JzpProfileEntry {
  char szProfileName[32];
  DWORD nProfileIcon;
  DWORD rgbIconColor;  // COLORREF
  char szProfileInfo[512];
  DWORD dwReserved;
  DWORD adwSectionSize[JZP_SECTION_COUNT];  // bytes of each section
  char szModel[128];                        // the writer's driver name
};
static_assert(sizeof(JzpProfileEntry) == 700);
static_assert(offsetof(JzpProfileEntry, szProfileName) == 0);
static_assert(offsetof(JzpProfileEntry, nProfileIcon) == 32);
static_assert(offsetof(JzpProfileEntry, rgbIconColor) == 36);
static_assert(offsetof(JzpProfileEntry, szProfileInfo) == 40);
static_assert(offsetof(JzpProfileEntry, dwReserved) == 552);
static_assert(offsetof(JzpProfileEntry, adwSectionSize) == 556);
static_assert(offsetof(JzpProfileEntry, szModel) == 572);

// Head of one registry value of Sections 3 and 4; dwSize bytes of data follow.
struct JzpRegItemHeader {
  char szValueName[260];
  DWORD dwType;
  DWORD dwSize;
};
static_assert(sizeof(JzpRegItemHeader) == 268);
static_assert(offsetof(JzpRegItemHeader, szValueName) == 0);
static_assert(offsetof(JzpRegItemHeader, dwType) == 260);
static_assert(offsetof(JzpRegItemHeader, dwSize) == 264);

// An item of Section 1.
struct JzpDwordItem {
  DWORD dwTag;
  DWORD dwValue;
};
static_assert(sizeof(JzpDwordItem) == 8);

// Head of an item of Section 2; dwSize bytes of data follow.
struct JzpBufferItemHeader {
  DWORD dwTag;
  DWORD dwSize;
};
static_assert(sizeof(JzpBufferItemHeader) == 8);

#pragma pack(pop)

// Records read from a file end their text fields inside the field whatever the bytes say.
inline void TerminateTextFields(JzpHead &head) {
  head.szModel[sizeof head.szModel - 1] = '\0';
}
inline void TerminateTextFields(JzpProfileEntry &entry) {
  entry.szProfileName[sizeof entry.szProfileName - 1] = '\0';
  entry.szProfileInfo[sizeof entry.szProfileInfo - 1] = '\0';
  entry.szModel[sizeof entry.szModel - 1] = '\0';
}
inline void TerminateTextFields(JzpRegItemHeader &header) {
  header.szValueName[sizeof header.szValueName - 1] = '\0';
}
