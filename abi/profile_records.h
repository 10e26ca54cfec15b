// The records a printer stores for its profiles: the list value "JzProfileData" holds 556-byte
// ProfileHeaders back to back, and each profile's value index "JZP_%04d" holds 268-byte
// ProfileValueEntries back to back. Texts are ANSI, NUL-terminated within their field; the bytes
// behind the terminator are zero in every record the module writes.
#pragma once

#include <windows.h>

#include <stddef.h>
#include <string.h>

#include <span>
#include <vector>

#pragma pack(push, 1)

struct ProfileHeader {
  char strProfileName[32];   // ANSI, NUL-terminated
  char strProfileInfo[512];  // ANSI, NUL-terminated
  DWORD nProfileIcon;        // index of the profile's icon
  DWORD rgbIconColor;        // COLORREF of the icon
  LONG nProfRegNum;          // 0: the built-in default profile; 1 or more: user profiles
};
static_assert(sizeof(ProfileHeader) == 556);
static_assert(offsetof(ProfileHeader, strProfileName) == 0);
static_assert(offsetof(ProfileHeader, strProfileInfo) == 32);
static_assert(offsetof(ProfileHeader, nProfileIcon) == 544);
static_assert(offsetof(ProfileHeader, rgbIconColor) == 548);
static_assert(offsetof(ProfileHeader, nProfRegNum) == 552);

#pragma pack(pop)

// Stored headers come from the registry: their text fields end within the field whatever the
// stored bytes say.
inline void TerminateTextFields(ProfileHeader &header) {
  header.strProfileName[sizeof header.strProfileName - 1] = '\0';
  header.strProfileInfo[sizeof header.strProfileInfo - 1] = '\0';
}

// A text field that ends within the field and holds zeros behind its end.
template <size_t N>
inline void ClearBehindEnd(char (&field)[N]) {
  field[N - 1] = '\0';
  const size_t length = strlen(field);
  memset(field + length, 0, N - length);
}

// A header as the list keeps and stores it, whatever bytes it came with behind its texts.
inline void ClearTextFieldTails(ProfileHeader &header) {
  ClearBehindEnd(header.strProfileName);
  ClearBehindEnd(header.strProfileInfo);
}

#pragma pack(push, 1)

struct ProfileValueEntry {
  char szValueName[260];  // ANSI, NUL-terminated
  DWORD dwType;           // registry type of the data value
  DWORD dwSize;           // size of the data value in bytes
};
static_assert(sizeof(ProfileValueEntry) == 268);
static_assert(offsetof(ProfileValueEntry, szValueName) == 0);
static_assert(offsetof(ProfileValueEntry, dwType) == 260);
static_assert(offsetof(ProfileValueEntry, dwSize) == 264);

#pragma pack(pop)

inline void TerminateTextFields(ProfileValueEntry &entry) {
  entry.szValueName[sizeof entry.szValueName - 1] = '\0';
}

// The stored list and index read back: whole records back to back, each with its text fields
// terminated; a trailing fragment shorter than a record is ignored.
// The headers of "JzProfileData", at most `count` of them (the stored "JzProfileCount").
std::vector<ProfileHeader> ReadProfileHeaders(std::span<const BYTE> data, size_t count);
// The entries of a value index "JZP_%04d".
std::vector<ProfileValueEntry> ReadProfileValueIndex(std::span<const BYTE> index);
