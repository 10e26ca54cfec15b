// Items of the sections: storing Section 1 and 2 items, and reading a section's stored bytes
// with every size checked against what remains of the section.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "abi/byte_reader.h"
#include "profilefile/jzp_format.h"

// Store one item at `position` (nothing when it is null) and return the bytes it takes. The
// caller has made sure the position has room for them.
DWORD AddDWORD(DWORD tag, DWORD value, BYTE *position);
DWORD AddBuffer(DWORD tag, const BYTE *data, DWORD size, BYTE *position);

// Section 1: size / 8 items; a remainder is ignored.
DWORD JzpDwordItemCount(DWORD sectionSize);
std::vector<JzpDwordItem> ReadJzpDwordItems(ByteReader section);

// One record of Sections 2, 3 and 4: a fixed head whose dwSize says how many bytes of data
// follow it (JzpBufferItemHeader in Section 2, JzpRegItemHeader in Sections 3 and 4).
template <typename Head>
struct JzpSectionItem {
  Head head;  // text fields terminated inside their fields
  std::span<const BYTE> data;
  DWORD offset;  // of the head in the section
};

// The records of a section in order. Next fails at the end of the section and at a record whose
// head or data would run past it; Damaged then tells the two apart, and Offset is where that
// record begins (the section's size after the last one).
template <typename Head>
class JzpSectionItems {
 public:
  explicit JzpSectionItems(ByteReader section) : m_Section(section) {}
  JzpSectionItems(const BYTE *section, DWORD size) : m_Section(section, size, "the section") {}
  bool Next(JzpSectionItem<Head> *item);
  bool Damaged() const { return m_bDamaged; }
  DWORD Offset() const { return static_cast<DWORD>(m_Section.Offset()); }

 private:
  ByteReader m_Section;
  bool m_bDamaged = false;
};

using JzpBufferItem = JzpSectionItem<JzpBufferItemHeader>;
using JzpBufferItems = JzpSectionItems<JzpBufferItemHeader>;
using JzpRegItem = JzpSectionItem<JzpRegItemHeader>;
using JzpRegItems = JzpSectionItems<JzpRegItemHeader>;
