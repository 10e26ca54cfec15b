// Reading a profile file's header and entries.
#include "profilefile/jzp_reader.h"

#include <string.h>

namespace {

const char *const kSectionNames[JZP_SECTION_COUNT] = {"Section 1", "Section 2", "Section 3",
                                                      "Section 4"};

std::string Number(unsigned long long value) {
  return std::to_string(value);
}

}  // namespace

JzpFileSource::JzpFileSource(HANDLE file) : m_hFile(file) {
  DWORD high = 0;
  const DWORD size = GetFileSize(file, &high);
  // A file of 4 GB or more is read as far as a DWORD offset reaches.
  if (size != INVALID_FILE_SIZE)
    m_dwSize = high != 0 ? 0xFFFFFFFFu : size;
}

bool JzpFileSource::ReadAt(DWORD offset, void *buffer, DWORD size) {
  if (offset > m_dwSize || size > m_dwSize - offset)
    return false;
  LONG high = 0;
  if (SetFilePointer(m_hFile, static_cast<LONG>(offset), &high, FILE_BEGIN) ==
          INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR)
    return false;
  DWORD done = 0;
  return size == 0 || (ReadFile(m_hFile, buffer, size, &done, nullptr) && done == size);
}

bool JzpMemorySource::ReadAt(DWORD offset, void *buffer, DWORD size) {
  if (offset > m_dwSize || size > m_dwSize - offset)
    return false;
  if (size != 0)
    memcpy(buffer, m_pData + offset, size);
  return true;
}

bool IsJzpMagic(const JzpHead &head) {
  return memcmp(head.szMagic, JZP_MAGIC, 3) == 0;
}

bool JzpFileReader::Fail(DWORD offset, std::string reason) {
  m_dwStopOffset = offset;
  m_Reason = std::move(reason);
  return false;
}

bool JzpFileReader::ReadHead(JzpHead *head) {
  m_nCount = m_nNext = 0;
  m_dwOffset = sizeof(JzpHead);
  m_Reason.clear();
  if (!m_Source.ReadAt(0, head, sizeof *head))
    return Fail(
        0, "the file holds " + Number(m_Source.Size()) + " bytes, fewer than the 144 of a header");
  TerminateTextFields(*head);
  if (!IsJzpMagic(*head))
    return Fail(0, "the file does not begin with \"JZP\"");
  m_nCount = head->nProfCount > 0 ? head->nProfCount : 0;
  return true;
}

bool JzpFileReader::NextEntry(JzpEntryInfo *info) {
  info->index = -1;
  if (Damaged() || m_nNext >= m_nCount)
    return false;
  const std::string which = "profile " + Number(m_nNext + 1) + " of " + Number(m_nCount);
  const DWORD size = m_Source.Size();
  if (!m_Source.ReadAt(m_dwOffset, &info->entry, sizeof info->entry)) {
    memset(&info->entry, 0, sizeof info->entry);
    return Fail(m_dwOffset, "the entry of " + which + " needs 700 bytes, the file has " +
                                Number(size - m_dwOffset) + " left");
  }
  TerminateTextFields(info->entry);
  info->index = m_nNext;
  info->entryOffset = m_dwOffset;
  unsigned long long offset = static_cast<unsigned long long>(m_dwOffset) + sizeof info->entry;
  for (int k = 0; k < JZP_SECTION_COUNT; ++k) {
    const DWORD sectionSize = info->entry.adwSectionSize[k];
    if (sectionSize > size - offset)
      return Fail(static_cast<DWORD>(offset),
                  std::string(kSectionNames[k]) + " of " + which + " is " + Number(sectionSize) +
                      " bytes long, the file has " + Number(size - offset) + " left");
    info->sectionOffset[k] = static_cast<DWORD>(offset);
    offset += sectionSize;
  }
  m_dwOffset = static_cast<DWORD>(offset);
  ++m_nNext;
  return true;
}

bool JzpFileReader::ReadSection(const JzpEntryInfo &info, int section, std::vector<BYTE> *bytes) {
  if (section < 0 || section >= JZP_SECTION_COUNT)
    return false;
  bytes->resize(info.entry.adwSectionSize[section]);
  return m_Source.ReadAt(info.sectionOffset[section], bytes->data(),
                         static_cast<DWORD>(bytes->size()));
}
