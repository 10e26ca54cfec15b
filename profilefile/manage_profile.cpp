// Reading profiles out of a profile file and rebuilding their settings.
#include "profilefile/manage_profile.h"

#include <string.h>

#include <utility>

#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_tags.h"

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
  m_dwRegistryConsumed = 0;
  if (m_File.ReadSections(name, m_Section1.data(), static_cast<DWORD>(m_Section1.size()),
                          m_Section2.data(), static_cast<DWORD>(m_Section2.size())) &&
      m_File.ReadSection(name, JZP_SECTION_REGISTRY, &m_Section3) &&
      m_Section3.size() == m_adwSectionSize[JZP_SECTION_REGISTRY])
    return true;
  m_Section1.clear();
  m_Section2.clear();
  m_Section3.clear();
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

void ManageProfile::StartProfileRegistry() {
  m_dwRegistryConsumed = 0;
}

bool ManageProfile::LoadProfileRegHeader(JzpRegItemHeader *header) {
  ByteReader rest(std::span<const BYTE>(m_Section3).subspan(m_dwRegistryConsumed), "Section 3");
  if (!IsProfileRegistry() || !rest.Read(header) || header->dwSize > rest.Remaining()) {
    m_dwRegistryConsumed = static_cast<DWORD>(m_Section3.size());
    return false;
  }
  m_dwRegistryConsumed += sizeof *header;
  return true;
}

DWORD ManageProfile::LoadProfileRegBody(BYTE *buffer, DWORD size) {
  const DWORD available = static_cast<DWORD>(m_Section3.size()) - m_dwRegistryConsumed;
  const DWORD copied = size < available ? size : available;
  if (buffer == nullptr || copied == 0)
    return 0;
  memcpy(buffer, m_Section3.data() + m_dwRegistryConsumed, copied);
  m_dwRegistryConsumed += copied;
  return copied;
}

DWORD ManageProfile::GetItemValue(DWORD tag) const {
  DWORD value = 0;
  for (const JzpDwordItem &item : ReadJzpDwordItems(ByteReader(m_Section1, "Section 1")))
    if (item.dwTag == tag)
      value = item.dwValue;
  return value;
}

void ManageProfile::SetItemValue(DWORD tag, DWORD value) {
  for (DWORD i = 0; i < m_dwItemCount; ++i) {
    BYTE *item = m_Section1.data() + size_t{i} * sizeof(JzpDwordItem);
    JzpDwordItem stored;
    memcpy(&stored, item, sizeof stored);
    if (stored.dwTag == tag) {
      stored.dwValue = value;
      memcpy(item, &stored, sizeof stored);
    }
  }
}

// The resolutions compare as signed numbers: the negative device-independent quality codes
// stay.
void ManageProfile::VerifySection1(const JzpImportTarget &target) {
  const LONG paperSize = static_cast<LONG>(GetItemValue(PFDM_PAPERSIZE));
  const LONG fitted = FitPaperSize(target, paperSize);
  if (fitted != paperSize)
    SetItemValue(PFDM_PAPERSIZE, static_cast<DWORD>(fitted));
  const LONG ceiling = ResolutionCeiling(target);
  for (DWORD tag : {DWORD{PFDM_PRINTQUALITY}, DWORD{PFDM_YRESOLUTION}})
    if (static_cast<LONG>(GetItemValue(tag)) > ceiling)
      SetItemValue(tag, static_cast<DWORD>(ceiling));
}

DWORD ManageProfile::VerifySection2() const {
  JzpBufferItems items(m_Section2.data(), static_cast<DWORD>(m_Section2.size()));
  DWORD count = 0;
  for (JzpBufferItem item; items.Next(&item);)
    ++count;
  return count;
}

std::optional<CustomPaperSizeMerge> ManageProfile::VerifyProfileCPSData(
    std::optional<std::vector<CustomPaperSize>> printerTable, std::span<const BYTE> imported) {
  const LONG index = static_cast<LONG>(GetItemValue(PFDM_PAPERSIZE)) - kFirstCustomPaperSize;
  if (index < 0 || !printerTable)
    return std::nullopt;
  std::optional<CustomPaperSizeMerge> merge =
      MergeCustomPaperSize(std::move(*printerTable), imported, static_cast<DWORD>(index));
  if (merge)
    SetItemValue(PFDM_PAPERSIZE, static_cast<DWORD>(kFirstCustomPaperSize) + merge->index);
  return merge;
}

bool ManageProfile::LoadProfileDevMode(const JzpImportTarget &target, BYTE *devMode,
                                       DWORD devModeSize) {
  VerifySection1(target);
  VerifySection2();
  return CopyProfileToDevModeW(devMode, devModeSize, m_Section1.data(),
                               static_cast<DWORD>(m_Section1.size()), m_Section2.data(),
                               static_cast<DWORD>(m_Section2.size()));
}
