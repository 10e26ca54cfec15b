// Opening, writing and reading a profile file.
#include "profilefile/jzp_file.h"

#include <string.h>

#include "abi/mbcs_text.h"
#include "abi/record_text.h"
#include "abi/storage_names.h"
#include "profilefile/jzp_encode.h"

namespace {

// The header at the start of an open file; what a short file lacks reads as zero.
JzpHead ReadFileHead(HANDLE file) {
  BYTE bytes[sizeof(JzpHead)] = {};
  DWORD done = 0;
  ReadFile(file, bytes, sizeof bytes, &done, nullptr);
  JzpHead head;
  ByteReader(bytes, sizeof bytes).Read(&head);
  return head;
}

}  // namespace

bool JzpFile::Open(LPCSTR fileName, DWORD mode, const JzpHead &newHead) {
  if (fileName == nullptr)
    return false;
  m_AnsiName = fileName;
  m_WideName.clear();
  return OpenNamed(mode, newHead);
}

bool JzpFile::Open(LPCWSTR fileName, DWORD mode, const JzpHead &newHead) {
  if (fileName == nullptr)
    return false;
  m_AnsiName.clear();
  m_WideName = fileName;
  return OpenNamed(mode, newHead);
}

HANDLE JzpFile::OpenFile(DWORD access, DWORD share, DWORD disposition) const {
  if (m_WideName.empty())
    return CreateFileA(m_AnsiName.c_str(), access, share, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  return CreateFileW(m_WideName.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool JzpFile::DeleteNamedFile() const {
  return m_WideName.empty() ? DeleteFileA(m_AnsiName.c_str()) : DeleteFileW(m_WideName.c_str());
}

bool JzpFile::OpenNamed(DWORD mode, const JzpHead &newHead) {
  m_hFile.Close();
  m_dwMode = mode;
  if (mode & JZP_MODE_READ) {
    m_hFile.Reset(OpenFile(GENERIC_READ, 0, OPEN_EXISTING));
    if (!m_hFile.IsOpen())
      return false;
    m_Head = ReadFileHead(m_hFile.get());
  }
  if (!(mode & JZP_MODE_WRITE))
    return true;

  bool exists;
  {
    JzpFileHandle existing;
    existing.Reset(OpenFile(GENERIC_READ, 0, OPEN_EXISTING));
    exists = existing.IsOpen();
    if (exists)
      m_Head = ReadFileHead(existing.get());
  }
  if (exists && (mode & JZP_MODE_REPLACE))
    DeleteNamedFile();
  if (exists && !(mode & JZP_MODE_REPLACE)) {
    m_hFile.Reset(OpenFile(GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!m_hFile.IsOpen())
      return false;
    SetFilePointer(m_hFile.get(), 0, nullptr, FILE_END);
    return true;
  }
  m_hFile.Reset(OpenFile(GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_ALWAYS));
  if (!m_hFile.IsOpen())
    return false;
  m_Head = newHead;
  m_Head.nProfCount = 0;
  SetFilePointer(m_hFile.get(), 0, nullptr, FILE_BEGIN);
  Write(&m_Head, sizeof m_Head);
  return true;
}

void JzpFile::Close() {
  if (IsWriting()) {
    SetFilePointer(m_hFile.get(), 0, nullptr, FILE_BEGIN);
    Write(&m_Head, sizeof m_Head);
  }
  m_hFile.Close();
  m_dwMode = 0;
}

DWORD JzpFile::Write(const void *data, DWORD size) {
  DWORD done = 0;
  if (size != 0 && !WriteFile(m_hFile.get(), data, size, &done, nullptr))
    return 0;
  return done;
}

// Head and data of one registry value; the bytes the writes reported.
DWORD JzpFile::WriteRegItem(LPCSTR valueName, DWORD type, const BYTE *data, DWORD size) {
  JzpRegItemHeader header;
  CopyTextField(header.szValueName, valueName);
  header.dwType = type;
  header.dwSize = size;
  return Write(&header, sizeof header) + Write(data, size);
}

// The entry goes first as a placeholder and again, with its section sizes, once the sections
// are written: Sections 1 and 2 record the sizes the encoders computed, Sections 3 and 4 the
// bytes the writes reported.
void JzpFile::WriteProfile(const JzpProfileContent &content) {
  m_dwProfileOffset = SetFilePointer(m_hFile.get(), 0, nullptr, FILE_END);
  memset(&m_Entry, 0, sizeof m_Entry);
  CopyTextField(m_Entry.szProfileName, content.header->strProfileName);
  m_Entry.nProfileIcon = content.header->nProfileIcon;
  m_Entry.rgbIconColor = content.header->rgbIconColor;
  CopyTextField(m_Entry.szProfileInfo, content.header->strProfileInfo);
  CopyTextField(m_Entry.szModel, content.model);
  Write(&m_Entry, sizeof m_Entry);

  WriteDevModeSections(content.devMode, content.devModeSize, content.defaultDevMode,
                       content.defaultDevModeSize);
  DWORD registry = 0;
  for (const JzpRegValue &value : content.values)
    registry += WriteRegItem(value.name.c_str(), value.type, value.data.data(),
                             static_cast<DWORD>(value.data.size()));
  m_Entry.adwSectionSize[JZP_SECTION_REGISTRY] = registry;
  m_Entry.adwSectionSize[JZP_SECTION_SETUP] =
      WriteRegItem(PROFILE_SETUP_VALUE, REG_BINARY, content.setup.data(),
                   static_cast<DWORD>(content.setup.size()));

  SetFilePointer(m_hFile.get(), static_cast<LONG>(m_dwProfileOffset), nullptr, FILE_BEGIN);
  Write(&m_Entry, sizeof m_Entry);
  SetFilePointer(m_hFile.get(), 0, nullptr, FILE_END);
  ++m_Head.nProfCount;
}

void JzpFile::WriteDevModeSections(const BYTE *devMode, DWORD devModeSize,
                                   const BYTE *defaultDevMode, DWORD defaultDevModeSize) {
  using Encoder = DWORD (*)(const BYTE *, DWORD, const BYTE *, DWORD, BYTE *, DWORD);
  const Encoder encoders[] = {&EncodeJzpDwordItems, &EncodeJzpBufferItems};
  const int sections[] = {JZP_SECTION_ITEMS, JZP_SECTION_BUFFERS};
  for (int i = 0; i < 2; ++i) {
    const DWORD needed =
        encoders[i](devMode, devModeSize, defaultDevMode, defaultDevModeSize, nullptr, 0);
    std::vector<BYTE> bytes(needed);
    encoders[i](devMode, devModeSize, defaultDevMode, defaultDevModeSize, bytes.data(), needed);
    Write(bytes.data(), needed);
    m_Entry.adwSectionSize[sections[i]] = needed;
  }
}

int JzpFile::ListProfiles(char (*names)[32], char (*descriptions)[512], DWORD capacity) {
  if (!m_hFile.IsOpen())
    return -1;
  const JzpFileSource source(m_hFile.get());
  JzpFileReader reader(source);
  if (!reader.ReadHead(&m_Head))
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
bool JzpFile::FindEntryInfo(JzpFileReader &reader, LPCSTR profileName, JzpEntryInfo *info) {
  JzpHead head;
  if (profileName == nullptr || !reader.ReadHead(&head))
    return false;
  while (reader.NextEntry(info)) {
    if (SameMbcsText(info->entry.szProfileName, profileName)) {
      m_Entry = info->entry;
      return true;
    }
  }
  return false;
}

template <typename Use>
bool JzpFile::WithEntry(LPCSTR profileName, Use &&use) {
  if (!m_hFile.IsOpen())
    return false;
  const JzpFileSource source(m_hFile.get());
  JzpFileReader reader(source);
  JzpEntryInfo info;
  if (!FindEntryInfo(reader, profileName, &info))
    return false;
  return use(reader, info);
}

bool JzpFile::FindEntry(LPCSTR profileName, JzpProfileEntry *entry) {
  return WithEntry(profileName, [&](JzpFileReader &, const JzpEntryInfo &info) {
    *entry = info.entry;
    return true;
  });
}

bool JzpFile::ReadSections(LPCSTR profileName, BYTE *section1, DWORD section1Size, BYTE *section2,
                           DWORD section2Size) {
  return WithEntry(profileName, [&](JzpFileReader &reader, const JzpEntryInfo &info) {
    BYTE *buffers[] = {section1, section2};
    const DWORD sizes[] = {section1Size, section2Size};
    for (int k = 0; k < 2; ++k) {
      const std::span<const BYTE> section = reader.Section(info, k).Bytes();
      if (section.empty())
        continue;
      if (buffers[k] == nullptr || sizes[k] < section.size())
        return false;
      memcpy(buffers[k], section.data(), section.size());
    }
    return true;
  });
}

bool JzpFile::ReadSection(LPCSTR profileName, int section, std::vector<BYTE> *bytes) {
  if (section < 0 || section >= JZP_SECTION_COUNT)
    return false;
  return WithEntry(profileName, [&](JzpFileReader &reader, const JzpEntryInfo &info) {
    const std::span<const BYTE> found = reader.Section(info, section).Bytes();
    bytes->assign(found.begin(), found.end());
    return true;
  });
}

bool JzpFile::SeekSection(LPCSTR profileName, int section) {
  if (section < 0 || section >= JZP_SECTION_COUNT)
    return false;
  return WithEntry(profileName, [&](JzpFileReader &, const JzpEntryInfo &info) {
    return SetFilePointer(m_hFile.get(), static_cast<LONG>(info.sectionOffset[section]), nullptr,
                          FILE_BEGIN) == info.sectionOffset[section];
  });
}

DWORD JzpFile::Read(BYTE *buffer, DWORD size) {
  DWORD done = 0;
  if (!m_hFile.IsOpen() || buffer == nullptr ||
      !ReadFile(m_hFile.get(), buffer, size, &done, nullptr))
    return 0;
  return done;
}
