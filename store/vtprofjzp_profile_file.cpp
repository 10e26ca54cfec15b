// The store's profile-file operations: the file itself is profilefile's JzpFile; the store
// names it in the platform's form, gives a new file the printer's header and gathers what a
// profile carries into it.
#include <mbstring.h>
#include <string.h>

#include "profilefile/jzp_encode.h"
#include "store/vtprofjzp.h"

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
  if (fileName == nullptr)
    return false;
  return OpenJzpFile(m_Text.FromText(fileName), mode);
}

bool VTPROFJZP::OpenJzpFile(LPCWSTR fileName, DWORD mode) {
  if (fileName == nullptr)
    return false;
  return OpenJzpFile(m_Text.FromWide(fileName), mode);
}

// The file is opened under the platform's form of its name.
bool VTPROFJZP::OpenJzpFile(const DualText &fileName, DWORD mode) {
  const JzpHead head = (mode & JZP_MODE_WRITE) ? NewJzpHead() : JzpHead{};
  return m_Text.WithPlatformForm(fileName,
                                 [&](auto name) { return m_JzpFile.Open(name, mode, head); });
}

JzpHead VTPROFJZP::NewJzpHead() {
  JzpHead head;
  memset(&head, 0, sizeof head);
  memcpy(head.szMagic, JZP_MAGIC, sizeof JZP_MAGIC);
  if (m_DefaultDevMode.size() >= offsetof(DEVMODEW, dmSize))
    memcpy(&head.wDriverVersion, m_DefaultDevMode.data() + offsetof(DEVMODEW, dmDriverVersion),
           sizeof head.wDriverVersion);
  head.wLanguage = static_cast<WORD>(m_dwLanguageCode);
  if (m_szDriverName[0] == '\0')
    GetDriverName();
  CopyTextField(head.szModel, m_szDriverName);
  return head;
}

void VTPROFJZP::CloseJzpFile() {
  m_JzpFile.Close();
}

// The held default DEVMODE is the reference of the encoders; without one nothing can be
// encoded, so the profile is not written.
int VTPROFJZP::SaveProfileToJZP(LPCSTR profileName) {
  if (m_dwDefaultDevModeSize == 0 || !m_JzpFile.IsWriting())
    return -1;
  const std::vector<BYTE> devMode = GetProfileDevModeFromReg(profileName);
  const ProfileHeader *header = GetProfileDataModel(profileName);
  if (header == nullptr)
    return 0;
  if (m_szDriverName[0] == '\0')
    GetDriverName();
  JzpProfileContent content{header,
                            devMode.data(),
                            static_cast<DWORD>(devMode.size()),
                            m_DefaultDevMode.data(),
                            m_dwDefaultDevModeSize,
                            ProfileValuesForJzp(profileName),
                            SetupValueForJzp(profileName),
                            m_szDriverName};
  m_JzpFile.WriteProfile(content);
  return 0;
}

void VTPROFJZP::SaveProfileDevmodeToJzp(const BYTE *devMode, DWORD size) {
  m_JzpFile.WriteDevModeSections(devMode, size, m_DefaultDevMode.data(), m_dwDefaultDevModeSize);
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

// Section 3: every stored value but the DEVMODE and "_Setup", in the order of the index.
std::vector<JzpRegValue> VTPROFJZP::ProfileValuesForJzp(LPCSTR profileName) {
  std::vector<JzpRegValue> values;
  for (const ProfileValueInfo &value : EnumProfileRegValue(profileName, PROFILE_REGNUM_BY_NAME)) {
    if (SameName(value.name.c_str(), PROFILE_DEVMODE_VALUE) ||
        SameName(value.name.c_str(), PROFILE_SETUP_VALUE))
      continue;
    std::vector<BYTE> data(value.size);
    DWORD size = 0, type = REG_BINARY;
    LoadProfileRegValue(profileName, value.name.c_str(), data.data(), value.size, &size, &type);
    data.resize(size);
    values.push_back({value.name, type, std::move(data)});
  }
  return values;
}

// Section 4: the "_Setup" value, empty when the profile has none.
std::vector<BYTE> VTPROFJZP::SetupValueForJzp(LPCSTR profileName) {
  std::vector<BYTE> data(GetProfileRegValueSize(profileName, PROFILE_SETUP_VALUE));
  DWORD size = 0, type = REG_BINARY;
  LoadProfileRegValue(profileName, PROFILE_SETUP_VALUE, data.data(),
                      static_cast<DWORD>(data.size()), &size, &type);
  data.resize(size);
  return data;
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

int VTPROFJZP::GetProfileDataFromJZP(char (*names)[32], char (*descriptions)[512], DWORD capacity) {
  return m_JzpFile.ListProfiles(names, descriptions, capacity);
}

bool VTPROFJZP::FindProfileEntry(LPCSTR profileName, JzpProfileEntry *entry) {
  return m_JzpFile.FindEntry(profileName, entry);
}

bool VTPROFJZP::ReadProfileSections(LPCSTR profileName, BYTE *section1, DWORD section1Size,
                                    BYTE *section2, DWORD section2Size) {
  return m_JzpFile.ReadSections(profileName, section1, section1Size, section2, section2Size);
}

bool VTPROFJZP::SeekProfileSection(LPCSTR profileName, int section) {
  return m_JzpFile.SeekSection(profileName, section);
}

DWORD VTPROFJZP::ReadProfileData(BYTE *buffer, DWORD size) {
  return m_JzpFile.Read(buffer, size);
}
