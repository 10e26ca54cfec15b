// The store's profile-file operations: the file itself is profilefile's JzpFile; the store
// names it in the platform's form, gives a new file the printer's header and gathers what a
// profile carries into it.
#include <string.h>

#include "abi/mbcs_text.h"
#include "abi/record_text.h"
#include "profilefile/jzp_encode.h"
#include "store/vtprofjzp.h"

bool VTPROFJZP::OpenJzpFile(LPCSTR fileName, DWORD mode) {
  if (fileName == nullptr)
    return false;
  return OpenJzpFile(Text().FromText(fileName), mode);
}

bool VTPROFJZP::OpenJzpFile(LPCWSTR fileName, DWORD mode) {
  if (fileName == nullptr)
    return false;
  return OpenJzpFile(Text().FromWide(fileName), mode);
}

// The file is opened under the platform's form of its name.
bool VTPROFJZP::OpenJzpFile(const DualText &fileName, DWORD mode) {
  const JzpHead head = (mode & JZP_MODE_WRITE) ? NewJzpHead() : JzpHead{};
  return Text().WithPlatformForm(fileName,
                                 [&](auto name) { return m_JzpFile.Open(name, mode, head); });
}

JzpHead VTPROFJZP::NewJzpHead() {
  JzpHead head;
  memset(&head, 0, sizeof head);
  memcpy(head.szMagic, JZP_MAGIC, sizeof JZP_MAGIC);
  const std::vector<BYTE> &defaultDevMode = DefaultDevMode();
  if (defaultDevMode.size() >= offsetof(DEVMODEW, dmSize))
    memcpy(&head.wDriverVersion, defaultDevMode.data() + offsetof(DEVMODEW, dmDriverVersion),
           sizeof head.wDriverVersion);
  head.wLanguage = static_cast<WORD>(GetLanguageCode());
  if (GetCachedDriverName()[0] == '\0')
    GetDriverName();
  CopyTextField(head.szModel, GetCachedDriverName());
  return head;
}

void VTPROFJZP::CloseJzpFile() {
  m_JzpFile.Close();
}

// The held default DEVMODE is the reference of the encoders; without one nothing can be
// encoded, so the profile is not written.
int VTPROFJZP::SaveProfileToJZP(LPCSTR profileName) {
  const std::vector<BYTE> &defaultDevMode = DefaultDevMode();
  if (defaultDevMode.empty() || !m_JzpFile.IsWriting())
    return -1;
  const std::vector<BYTE> devMode = GetProfileDevModeFromReg(profileName);
  const ProfileHeader *header = GetProfileDataModel(profileName);
  if (header == nullptr)
    return 0;
  if (GetCachedDriverName()[0] == '\0')
    GetDriverName();
  JzpProfileContent content{header,
                            devMode.data(),
                            static_cast<DWORD>(devMode.size()),
                            defaultDevMode.data(),
                            static_cast<DWORD>(defaultDevMode.size()),
                            ProfileValuesForJzp(profileName),
                            SetupValueForJzp(profileName),
                            GetCachedDriverName()};
  m_JzpFile.WriteProfile(content);
  return 0;
}

void VTPROFJZP::SaveProfileDevmodeToJzp(const BYTE *devMode, DWORD size) {
  const std::vector<BYTE> &defaultDevMode = DefaultDevMode();
  m_JzpFile.WriteDevModeSections(devMode, size, defaultDevMode.data(),
                                 static_cast<DWORD>(defaultDevMode.size()));
}

DWORD VTPROFJZP::ConvertDevModeToItems(const BYTE *devMode, DWORD size, BYTE *out, DWORD outSize) {
  const std::vector<BYTE> &defaultDevMode = DefaultDevMode();
  return EncodeJzpDwordItems(devMode, size, defaultDevMode.data(),
                             static_cast<DWORD>(defaultDevMode.size()), out, outSize);
}

DWORD VTPROFJZP::ConvertDevModeToBuffers(const BYTE *devMode, DWORD size, BYTE *out,
                                         DWORD outSize) {
  const std::vector<BYTE> &defaultDevMode = DefaultDevMode();
  return EncodeJzpBufferItems(devMode, size, defaultDevMode.data(),
                              static_cast<DWORD>(defaultDevMode.size()), out, outSize);
}

// Section 3: every stored value but the DEVMODE and "_Setup", in the order of the index. The
// profile's registry number is looked up in the list once for all its values.
std::vector<JzpRegValue> VTPROFJZP::ProfileValuesForJzp(LPCSTR profileName) {
  const int regNum = GetProfRegNum(profileName);
  std::vector<JzpRegValue> values;
  for (const ProfileValueInfo &value : EnumProfileRegValue(profileName, regNum)) {
    if (SameMbcsText(value.name.c_str(), PROFILE_DEVMODE_VALUE) ||
        SameMbcsText(value.name.c_str(), PROFILE_SETUP_VALUE))
      continue;
    std::vector<BYTE> data(value.size);
    DWORD size = 0, type = REG_BINARY;
    LoadProfileRegValue(profileName, regNum, value.name.c_str(), data.data(), value.size, &size,
                        &type);
    data.resize(size);
    values.push_back({value.name, type, std::move(data)});
  }
  return values;
}

// Section 4: the "_Setup" value, empty when the profile has none.
std::vector<BYTE> VTPROFJZP::SetupValueForJzp(LPCSTR profileName) {
  const int regNum = GetProfRegNum(profileName);
  DWORD size = 0, type = REG_BINARY;
  std::vector<BYTE> data(
      LoadProfileRegValue(profileName, regNum, PROFILE_SETUP_VALUE, nullptr, 0, &size, &type));
  LoadProfileRegValue(profileName, regNum, PROFILE_SETUP_VALUE, data.data(),
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
