// Writing profile files: opening in the read, append and replace modes, closing, and appending
// one profile as its entry and four sections.
#include <mbstring.h>
#include <string.h>

#include "profilefile/jzp_encode.h"
#include "store/vtprofjzp.h"
#include "store/win_text.h"

namespace {

bool SameName(LPCSTR a, LPCSTR b) {
  return _mbsicmp(reinterpret_cast<const unsigned char *>(a),
                  reinterpret_cast<const unsigned char *>(b)) == 0;
}

// Copies text into a zero-filled field, cut to the field with its terminator.
template <size_t N>
void CopyTextField(char (&field)[N], LPCSTR text) {
  memset(field, 0, N);
  size_t length = 0;
  while (text != nullptr && length < N - 1 && text[length] != '\0')
    ++length;
  if (length != 0)
    memcpy(field, text, length);
}

}  // namespace

bool VTPROFJZP::OpenJzpFile(LPCSTR fileName, DWORD mode) {
  return OpenJzpFileNamed(fileName, nullptr, mode);
}

bool VTPROFJZP::OpenJzpFile(LPCWSTR fileName, DWORD mode) {
  return OpenJzpFileNamed(nullptr, fileName, mode);
}

// The file opened by the platform's CreateFile; the name is converted when it comes in the
// other form.
HANDLE VTPROFJZP::OpenFileForName(LPCSTR ansiName, LPCWSTR wideName, DWORD access, DWORD share,
                                  DWORD disposition) {
  if (m_bAnsi) {
    const std::string name = ansiName != nullptr ? ansiName : AnsiFromWide(wideName, CP_ACP);
    return CreateFileA(name.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
  }
  const WideString name =
      wideName != nullptr ? WideString(wideName) : WideFromAnsi(ansiName, CP_ACP);
  return CreateFileW(name.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool VTPROFJZP::DeleteFileForName(LPCSTR ansiName, LPCWSTR wideName) {
  if (m_bAnsi)
    return DeleteFileA(ansiName != nullptr ? ansiName : AnsiFromWide(wideName, CP_ACP).c_str());
  return DeleteFileW(wideName != nullptr ? wideName : WideFromAnsi(ansiName, CP_ACP).c_str());
}

// A file already open is closed first, without its header being written.
bool VTPROFJZP::OpenJzpFileNamed(LPCSTR ansiName, LPCWSTR wideName, DWORD mode) {
  if (ansiName == nullptr && wideName == nullptr)
    return false;
  m_hJzpFile.Close();
  m_dwJzpMode = mode;
  DWORD done = 0;
  if (mode & JZP_MODE_READ) {
    m_hJzpFile.Reset(OpenFileForName(ansiName, wideName, GENERIC_READ, 0, OPEN_EXISTING));
    if (!m_hJzpFile.IsOpen())
      return false;
    memset(&m_JzpHead, 0, sizeof m_JzpHead);
    ReadFile(m_hJzpFile.get(), &m_JzpHead, sizeof m_JzpHead, &done, nullptr);
  }
  if (!(mode & JZP_MODE_WRITE))
    return true;

  bool exists;
  {
    JzpFileHandle existing;
    existing.Reset(OpenFileForName(ansiName, wideName, GENERIC_READ, 0, OPEN_EXISTING));
    exists = existing.IsOpen();
    if (exists)
      ReadFile(existing.get(), &m_JzpHead, sizeof m_JzpHead, &done, nullptr);
  }
  if (exists && (mode & JZP_MODE_REPLACE))
    DeleteFileForName(ansiName, wideName);
  if (exists && !(mode & JZP_MODE_REPLACE)) {
    m_hJzpFile.Reset(
        OpenFileForName(ansiName, wideName, GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!m_hJzpFile.IsOpen())
      return false;
    SetFilePointer(m_hJzpFile.get(), 0, nullptr, FILE_END);
    return true;
  }
  m_hJzpFile.Reset(
      OpenFileForName(ansiName, wideName, GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_ALWAYS));
  if (!m_hJzpFile.IsOpen())
    return false;
  FillNewJzpHead();
  SetFilePointer(m_hJzpFile.get(), 0, nullptr, FILE_BEGIN);
  WriteJzp(&m_JzpHead, sizeof m_JzpHead);
  return true;
}

void VTPROFJZP::FillNewJzpHead() {
  memset(&m_JzpHead, 0, sizeof m_JzpHead);
  memcpy(m_JzpHead.szMagic, JZP_MAGIC, sizeof JZP_MAGIC);
  if (m_DefaultDevMode.size() >= offsetof(DEVMODEW, dmSize))
    memcpy(&m_JzpHead.wDriverVersion, m_DefaultDevMode.data() + offsetof(DEVMODEW, dmDriverVersion),
           sizeof m_JzpHead.wDriverVersion);
  m_JzpHead.wLanguage = static_cast<WORD>(m_dwLanguageCode);
  if (m_szDriverName[0] == '\0')
    GetDriverName();
  CopyTextField(m_JzpHead.szModel, m_szDriverName);
}

void VTPROFJZP::CloseJzpFile() {
  if (m_hJzpFile.IsOpen() && (m_dwJzpMode & JZP_MODE_WRITE)) {
    SetFilePointer(m_hJzpFile.get(), 0, nullptr, FILE_BEGIN);
    WriteJzp(&m_JzpHead, sizeof m_JzpHead);
  }
  m_hJzpFile.Close();
  m_dwJzpMode = 0;
}

DWORD VTPROFJZP::WriteJzp(const void *data, DWORD size) {
  DWORD done = 0;
  if (size != 0 && !WriteFile(m_hJzpFile.get(), data, size, &done, nullptr))
    return 0;
  return done;
}

// The held default DEVMODE is the reference of the encoders; without one nothing can be
// encoded, so the profile is not written.
int VTPROFJZP::SaveProfileToJZP(LPCSTR profileName) {
  if (m_dwDefaultDevModeSize == 0 || !m_hJzpFile.IsOpen() || !(m_dwJzpMode & JZP_MODE_WRITE))
    return -1;
  const std::vector<BYTE> devMode = GetProfileDevModeFromReg(profileName);
  m_dwProfileOffset = SetFilePointer(m_hJzpFile.get(), 0, nullptr, FILE_END);
  const ProfileHeader *header = GetProfileDataModel(profileName);
  if (header == nullptr)
    return 0;

  memset(&m_JzpEntry, 0, sizeof m_JzpEntry);
  CopyTextField(m_JzpEntry.szProfileName, header->strProfileName);
  m_JzpEntry.nProfileIcon = header->nProfileIcon;
  m_JzpEntry.rgbIconColor = header->rgbIconColor;
  CopyTextField(m_JzpEntry.szProfileInfo, header->strProfileInfo);
  if (m_szDriverName[0] == '\0')
    GetDriverName();
  CopyTextField(m_JzpEntry.szModel, m_szDriverName);
  WriteJzp(&m_JzpEntry, sizeof m_JzpEntry);

  SaveProfileDevmodeToJzp(devMode.data(), static_cast<DWORD>(devMode.size()));
  m_JzpEntry.adwSectionSize[JZP_SECTION_REGISTRY] = SaveProfileValuesToJzp(profileName);
  m_JzpEntry.adwSectionSize[JZP_SECTION_SETUP] = SaveSetupValueToJzp(profileName);

  SetFilePointer(m_hJzpFile.get(), static_cast<LONG>(m_dwProfileOffset), nullptr, FILE_BEGIN);
  WriteJzp(&m_JzpEntry, sizeof m_JzpEntry);
  SetFilePointer(m_hJzpFile.get(), 0, nullptr, FILE_END);
  ++m_JzpHead.nProfCount;
  return 0;
}

void VTPROFJZP::SaveProfileDevmodeToJzp(const BYTE *devMode, DWORD size) {
  using Encoder = DWORD (VTPROFJZP::*)(const BYTE *, DWORD, BYTE *, DWORD) const;
  const Encoder encoders[] = {&VTPROFJZP::ConvertDevModeToItems,
                              &VTPROFJZP::ConvertDevModeToBuffers};
  const int sections[] = {JZP_SECTION_ITEMS, JZP_SECTION_BUFFERS};
  for (int i = 0; i < 2; ++i) {
    const DWORD needed = (this->*encoders[i])(devMode, size, nullptr, 0);
    std::vector<BYTE> bytes(needed);
    (this->*encoders[i])(devMode, size, bytes.data(), needed);
    WriteJzp(bytes.data(), needed);
    m_JzpEntry.adwSectionSize[sections[i]] = needed;
  }
}

DWORD VTPROFJZP::ConvertDevModeToItems(const BYTE *devMode, DWORD size, BYTE *out,
                                       DWORD outSize) const {
  return EncodeJzpDwordItems(devMode, size, m_DefaultDevMode.data(), m_dwDefaultDevModeSize, out,
                             outSize);
}

DWORD VTPROFJZP::ConvertDevModeToBuffers(const BYTE *devMode, DWORD size, BYTE *out,
                                         DWORD outSize) const {
  return EncodeJzpBufferItems(devMode, size, m_DefaultDevMode.data(), m_dwDefaultDevModeSize, out,
                              outSize);
}

// Head and data of one registry value; the bytes the writes reported.
DWORD VTPROFJZP::WriteRegItem(LPCSTR valueName, DWORD type, const BYTE *data, DWORD size) {
  JzpRegItemHeader header;
  CopyTextField(header.szValueName, valueName);
  header.dwType = type;
  header.dwSize = size;
  return WriteJzp(&header, sizeof header) + WriteJzp(data, size);
}

// Section 3: every stored value but the DEVMODE and "_Setup", in the order of the index.
DWORD VTPROFJZP::SaveProfileValuesToJzp(LPCSTR profileName) {
  DWORD written = 0;
  for (const ProfileValueInfo &value : EnumProfileRegValue(profileName, PROFILE_REGNUM_BY_NAME)) {
    if (SameName(value.name.c_str(), PROFILE_DEVMODE_VALUE) ||
        SameName(value.name.c_str(), JZP_SETUP_VALUE))
      continue;
    std::vector<BYTE> data(value.size);
    DWORD size = 0, type = REG_BINARY;
    LoadProfileRegValue(profileName, value.name.c_str(), data.data(), value.size, &size, &type);
    data.resize(size);
    written += WriteRegItem(value.name.c_str(), type, data.data(), size);
  }
  return written;
}

// Section 4: the "_Setup" value, of size 0 when the profile has none.
DWORD VTPROFJZP::SaveSetupValueToJzp(LPCSTR profileName) {
  std::vector<BYTE> data(GetProfileRegValueSize(profileName, JZP_SETUP_VALUE));
  DWORD size = 0, type = REG_BINARY;
  LoadProfileRegValue(profileName, JZP_SETUP_VALUE, data.data(), static_cast<DWORD>(data.size()),
                      &size, &type);
  data.resize(size);
  return WriteRegItem(JZP_SETUP_VALUE, REG_BINARY, data.data(), size);
}

int VTPROFJZP::ExportProfilesToJZP(const char (*names)[32], DWORD count) {
  if (names == nullptr)
    return 0;
  for (DWORD i = 0; i < count; ++i) {
    char name[32];
    CopyTextField(name, names[i]);
    SaveProfileToJZP(name);
  }
  return 0;
}
