// Reading profile files: listing the profiles, finding one by name, reading its sections and
// positioning the file at one of them. Every entry is checked by the file reader to lie with
// its sections inside the file before it is used.
#include <mbstring.h>
#include <string.h>

#include "store/vtprofjzp.h"

namespace {

bool SameName(LPCSTR a, LPCSTR b) {
  return _mbsicmp(reinterpret_cast<const unsigned char *>(a),
                  reinterpret_cast<const unsigned char *>(b)) == 0;
}

}  // namespace

int VTPROFJZP::GetProfileDataFromJZP(char (*names)[32], char (*descriptions)[512], DWORD capacity) {
  if (!m_hJzpFile.IsOpen())
    return -1;
  JzpFileSource source(m_hJzpFile.get());
  JzpFileReader reader(source);
  if (!reader.ReadHead(&m_JzpHead))
    return 0;
  int count = 0;
  JzpEntryInfo info;
  while (reader.NextEntry(&info)) {
    if (static_cast<DWORD>(count) < capacity) {
      if (names != nullptr)
        memcpy(names[count], info.entry.szProfileName, sizeof names[count]);
      if (descriptions != nullptr)
        memcpy(descriptions[count], info.entry.szProfileInfo, sizeof descriptions[count]);
    }
    ++count;
  }
  return count;
}

// The first entry with the name wins; the entry is kept as the one last read.
bool VTPROFJZP::FindJzpEntry(LPCSTR profileName, JzpEntryInfo *info) {
  if (profileName == nullptr || !m_hJzpFile.IsOpen())
    return false;
  JzpFileSource source(m_hJzpFile.get());
  JzpFileReader reader(source);
  JzpHead head;
  if (!reader.ReadHead(&head))
    return false;
  while (reader.NextEntry(info)) {
    if (SameName(info->entry.szProfileName, profileName)) {
      m_JzpEntry = info->entry;
      return true;
    }
  }
  return false;
}

bool VTPROFJZP::FindProfileEntry(LPCSTR profileName, JzpProfileEntry *entry) {
  JzpEntryInfo info;
  if (!FindJzpEntry(profileName, &info))
    return false;
  *entry = info.entry;
  return true;
}

bool VTPROFJZP::ReadProfileSections(LPCSTR profileName, BYTE *section1, DWORD section1Size,
                                    BYTE *section2, DWORD section2Size) {
  JzpEntryInfo info;
  if (!FindJzpEntry(profileName, &info))
    return false;
  JzpFileSource source(m_hJzpFile.get());
  BYTE *buffers[] = {section1, section2};
  const DWORD sizes[] = {section1Size, section2Size};
  for (int k = 0; k < 2; ++k) {
    const DWORD size = info.entry.adwSectionSize[k];
    if (size == 0)
      continue;
    if (buffers[k] == nullptr || sizes[k] < size ||
        !source.ReadAt(info.sectionOffset[k], buffers[k], size))
      return false;
  }
  return true;
}

bool VTPROFJZP::SeekProfileSection(LPCSTR profileName, int section) {
  JzpEntryInfo info;
  if (section < 0 || section >= JZP_SECTION_COUNT || !FindJzpEntry(profileName, &info))
    return false;
  return SetFilePointer(m_hJzpFile.get(), static_cast<LONG>(info.sectionOffset[section]), nullptr,
                        FILE_BEGIN) == info.sectionOffset[section];
}

DWORD VTPROFJZP::ReadProfileData(BYTE *buffer, DWORD size) {
  DWORD done = 0;
  if (!m_hJzpFile.IsOpen() || buffer == nullptr ||
      !ReadFile(m_hJzpFile.get(), buffer, size, &done, nullptr))
    return 0;
  return done;
}
