// Items of Sections 1 and 2: storing them, and walking a section's stored bytes with every size
// checked against what remains of the section.
#pragma once

#include <windows.h>

#include "profilefile/jzp_format.h"

// Store one item at `position` (nothing when it is null) and return the bytes it takes. The
// caller has made sure the position has room for them.
DWORD AddDWORD(DWORD tag, DWORD value, BYTE *position);
DWORD AddBuffer(DWORD tag, const BYTE *data, DWORD size, BYTE *position);

// Section 1: size / 8 items; a remainder is ignored.
DWORD JzpDwordItemCount(DWORD sectionSize);
JzpDwordItem JzpDwordItemAt(const BYTE *section, DWORD index);

struct JzpBufferItem {
  DWORD tag;
  DWORD size;
  const BYTE *data;
  DWORD offset;  // of the item's head in the section
};

// The items of Section 2 in order. Next fails at the end of the section and at an item whose
// head or data would run past it; Damaged then tells the two apart.
class JzpBufferItems {
 public:
  JzpBufferItems(const BYTE *section, DWORD size) : m_pSection(section), m_dwSize(size) {}
  bool Next(JzpBufferItem *item);
  bool Damaged() const { return m_bDamaged; }
  DWORD Offset() const { return m_dwOffset; }

 private:
  const BYTE *m_pSection;
  DWORD m_dwSize;
  DWORD m_dwOffset = 0;
  bool m_bDamaged = false;
};

struct JzpRegItem {
  JzpRegItemHeader header;  // name terminated inside its field
  const BYTE *data;         // header.dwSize bytes
  DWORD offset;
};

// The registry values of Sections 3 and 4, with the same rules as JzpBufferItems.
class JzpRegItems {
 public:
  JzpRegItems(const BYTE *section, DWORD size) : m_pSection(section), m_dwSize(size) {}
  bool Next(JzpRegItem *item);
  bool Damaged() const { return m_bDamaged; }
  DWORD Offset() const { return m_dwOffset; }

 private:
  const BYTE *m_pSection;
  DWORD m_dwSize;
  DWORD m_dwOffset = 0;
  bool m_bDamaged = false;
};
