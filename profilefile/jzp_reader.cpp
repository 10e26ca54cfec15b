// Reading a profile file's header and entries.
#include "profilefile/jzp_reader.h"

#include <string.h>

namespace {

const char *const kSectionNames[JZP_SECTION_COUNT] = {"Section 1", "Section 2", "Section 3",
                                                      "Section 4"};

}  // namespace

JzpFileSource::JzpFileSource(HANDLE file) {
  DWORD high = 0;
  const DWORD size = GetFileSize(file, &high);
  if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
    return;
  m_Bytes.resize(high != 0 || size > kMaxJzpFileSize ? kMaxJzpFileSize : size);
  DWORD done = 0;
  if (m_Bytes.empty() || SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0 ||
      !ReadFile(file, m_Bytes.data(), static_cast<DWORD>(m_Bytes.size()), &done, nullptr))
    done = 0;
  m_Bytes.resize(done);
}

bool IsJzpMagic(const JzpHead &head) {
  return memcmp(head.szMagic, JZP_MAGIC, 3) == 0;
}

bool JzpFileReader::Fail(DWORD offset, std::string reason) {
  m_dwStopOffset = offset;
  m_Reason = std::move(reason);
  return false;
}

bool JzpFileReader::Fail(const ReadError &error) {
  return Fail(static_cast<DWORD>(error.offset), error.reason);
}

bool JzpFileReader::ReadHead(JzpHead *head) {
  m_File = ByteReader(m_Bytes, "the file");
  m_nCount = m_nNext = 0;
  m_Reason.clear();
  if (!m_File.Read(head, "the header"))
    return Fail(m_File.Error());
  if (!IsJzpMagic(*head))
    return Fail(0, "the file does not begin with \"JZP\"");
  m_nCount = head->nProfCount > 0 ? head->nProfCount : 0;
  return true;
}

bool JzpFileReader::NextEntry(JzpEntryInfo *info) {
  info->index = -1;
  if (Damaged() || m_nNext >= m_nCount)
    return false;
  const std::string which =
      "profile " + std::to_string(m_nNext + 1) + " of " + std::to_string(m_nCount);
  info->entryOffset = static_cast<DWORD>(m_File.AbsoluteOffset());
  if (!m_File.Read(&info->entry, "the entry of " + which)) {
    memset(&info->entry, 0, sizeof info->entry);
    return Fail(m_File.Error());
  }
  info->index = m_nNext;
  for (int k = 0; k < JZP_SECTION_COUNT; ++k) {
    info->sectionOffset[k] = static_cast<DWORD>(m_File.AbsoluteOffset());
    if (!m_File.Skip(info->entry.adwSectionSize[k], kSectionNames[k] + (" of " + which)))
      return Fail(m_File.Error());
  }
  ++m_nNext;
  return true;
}

ByteReader JzpFileReader::Section(const JzpEntryInfo &info, int section) const {
  ByteReader bytes;
  if (section >= 0 && section < JZP_SECTION_COUNT)
    ByteReader(m_Bytes, "the file")
        .ViewAt(info.sectionOffset[section], info.entry.adwSectionSize[section], &bytes,
                "the section");
  return bytes;
}
