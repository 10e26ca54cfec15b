// Reading profiles out of a profile file and rebuilding their settings.
#include "profilefile/manage_profile.h"

#include <string.h>

#include <utility>

#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_items.h"

ManageProfile::ManageProfile(std::vector<BYTE> defaultDevMode, const JzpHead &newHead)
    : m_DefaultDevMode(std::move(defaultDevMode)), m_NewHead(newHead) {}

ManageProfile::~ManageProfile() = default;

int ManageProfile::OpenProfile(LPCSTR fileName, DWORD mode) {
  return m_File.Open(fileName, mode == JZP_MODE_READ ? JZP_MODE_READ : JZP_MODE_EXPORT, m_NewHead)
             ? 0
             : -1;
}

int ManageProfile::OpenProfile(LPCWSTR fileName, DWORD mode) {
  return m_File.Open(fileName, mode == JZP_MODE_READ ? JZP_MODE_READ : JZP_MODE_EXPORT, m_NewHead)
             ? 0
             : -1;
}

int ManageProfile::CloseProfile() {
  m_File.Close();
  return 0;
}

bool ManageProfile::LoadProfileHeader(JzpHead *head) const {
  if (!m_File.IsOpen())
    return false;
  *head = m_File.Head();
  return true;
}

int ManageProfile::GetProfileDataFromJZP(char (*names)[32], char (*descriptions)[512],
                                         DWORD capacity) {
  return m_File.ListProfiles(names, descriptions, capacity);
}

bool ManageProfile::FindProfileEntry(LPCSTR profileName, JzpProfileEntry *entry) {
  return m_File.FindEntry(profileName, entry);
}

// The sizes come from the entry as the caller has it; the file's own entry of that name decides
// what is read, and a section that does not fit the sizes fails the load with nothing kept.
bool ManageProfile::LoadProfile(const JzpProfileEntry &entry) {
  char name[sizeof entry.szProfileName];
  memcpy(name, entry.szProfileName, sizeof name);
  name[sizeof name - 1] = '\0';
  memcpy(m_adwSectionSize, entry.adwSectionSize, sizeof m_adwSectionSize);
  m_Section1.assign(m_adwSectionSize[JZP_SECTION_ITEMS], 0);
  m_Section2.assign(m_adwSectionSize[JZP_SECTION_BUFFERS], 0);
  m_dwItemCount = JzpDwordItemCount(m_adwSectionSize[JZP_SECTION_ITEMS]);
  if (m_File.ReadSections(name, m_Section1.data(), static_cast<DWORD>(m_Section1.size()),
                          m_Section2.data(), static_cast<DWORD>(m_Section2.size())))
    return true;
  m_Section1.clear();
  m_Section2.clear();
  memset(m_adwSectionSize, 0, sizeof m_adwSectionSize);
  m_dwItemCount = 0;
  return false;
}

bool ManageProfile::CopyProfileToDevModeW(BYTE *target, DWORD targetSize, const BYTE *section1,
                                          DWORD section1Size, const BYTE *section2,
                                          DWORD section2Size) const {
  if (target == nullptr || m_DefaultDevMode.empty() || m_DefaultDevMode.size() > targetSize)
    return false;
  memcpy(target, m_DefaultDevMode.data(), m_DefaultDevMode.size());
  return ApplyJzpSections(target, targetSize, section1, section1Size, section2, section2Size);
}
