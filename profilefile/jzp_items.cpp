// Storing and reading section items.
#include "profilefile/jzp_items.h"

#include <string.h>

DWORD AddDWORD(DWORD tag, DWORD value, BYTE *position) {
  if (position != nullptr) {
    const JzpDwordItem item = {tag, value};
    memcpy(position, &item, sizeof item);
  }
  return sizeof(JzpDwordItem);
}

DWORD AddBuffer(DWORD tag, const BYTE *data, DWORD size, BYTE *position) {
  if (position != nullptr) {
    const JzpBufferItemHeader head = {tag, size};
    memcpy(position, &head, sizeof head);
    if (size != 0)
      memcpy(position + sizeof head, data, size);
  }
  return sizeof(JzpBufferItemHeader) + size;
}

DWORD JzpDwordItemCount(DWORD sectionSize) {
  return sectionSize / sizeof(JzpDwordItem);
}

std::vector<JzpDwordItem> ReadJzpDwordItems(ByteReader section) {
  std::vector<JzpDwordItem> items;
  section.ReadArray(section.Remaining() / sizeof(JzpDwordItem), &items, "the items");
  return items;
}

// A failed record leaves the section's reader where the record began.
template <typename Head>
bool JzpSectionItems<Head>::Next(JzpSectionItem<Head> *item) {
  if (m_bDamaged || m_Section.AtEnd())
    return false;
  ByteReader record = m_Section;
  item->offset = static_cast<DWORD>(record.Offset());
  if (!record.Read(&item->head, "a record's head") ||
      !record.ReadBytes(item->head.dwSize, &item->data, "a record's data")) {
    m_bDamaged = true;
    return false;
  }
  m_Section = record;
  return true;
}

template class JzpSectionItems<JzpBufferItemHeader>;
template class JzpSectionItems<JzpRegItemHeader>;
