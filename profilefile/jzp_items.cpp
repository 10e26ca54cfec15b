// Storing and walking section items.
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

JzpDwordItem JzpDwordItemAt(const BYTE *section, DWORD index) {
  JzpDwordItem item;
  memcpy(&item, section + size_t{index} * sizeof item, sizeof item);
  return item;
}

bool JzpBufferItems::Next(JzpBufferItem *item) {
  if (m_bDamaged || m_dwOffset >= m_dwSize)
    return false;
  const DWORD left = m_dwSize - m_dwOffset;
  JzpBufferItemHeader head;
  if (left < sizeof head) {
    m_bDamaged = true;
    return false;
  }
  memcpy(&head, m_pSection + m_dwOffset, sizeof head);
  if (head.dwSize > left - sizeof head) {
    m_bDamaged = true;
    return false;
  }
  *item = {head.dwTag, head.dwSize, m_pSection + m_dwOffset + sizeof head, m_dwOffset};
  m_dwOffset += sizeof head + head.dwSize;
  return true;
}

bool JzpRegItems::Next(JzpRegItem *item) {
  if (m_bDamaged || m_dwOffset >= m_dwSize)
    return false;
  const DWORD left = m_dwSize - m_dwOffset;
  if (left < sizeof(JzpRegItemHeader)) {
    m_bDamaged = true;
    return false;
  }
  memcpy(&item->header, m_pSection + m_dwOffset, sizeof item->header);
  if (item->header.dwSize > left - sizeof(JzpRegItemHeader)) {
    m_bDamaged = true;
    return false;
  }
  TerminateTextFields(item->header);
  item->data = m_pSection + m_dwOffset + sizeof(JzpRegItemHeader);
  item->offset = m_dwOffset;
  m_dwOffset += sizeof(JzpRegItemHeader) + item->header.dwSize;
  return true;
}
