// The page's profile list.
#include "store/profile_list.h"

#include <stdio.h>
#include <string.h>

#include <new>
#include <string>
#include <vector>

#include "abi/storage_names.h"
#include "abi/stored_records.h"

namespace {

// "<base> (k)" within a name field. A base too long for the suffix is cut at a character
// boundary, so that the number always shows and no double-byte character is split.
void FormatNumberedName(const std::string &base, int k, const TextPolicy &text,
                        char (&name)[sizeof(ProfileHeader::strProfileName)]) {
  char suffix[16];
  const int suffixLength = snprintf(suffix, sizeof suffix, " (%d)", k);
  const size_t room = sizeof name - 1 - static_cast<size_t>(suffixLength);
  const size_t kept = text.WholeCharsPrefix(base.c_str(), room);
  snprintf(name, sizeof name, "%s%s", base.substr(0, kept).c_str(), suffix);
}

}  // namespace

ProfileList::ProfileList(CControlSet *controlSet, const TextPolicy &text, UIManager *manager,
                         BYTE *driverSettings, DEVMODEW *devMode)
    : m_pControlSet(controlSet),
      m_Text(text),
      m_pUIManager(manager),
      m_nCount(0),
      m_pDefault(nullptr),
      m_Head{},
      m_pDriverSettings(driverSettings),
      m_pDevMode(devMode) {}

ProfileList::~ProfileList() {
  Clear();
}

// The stored count is trusted only as far as "JzProfileData" holds whole headers: a count
// larger than the stored array loads the headers that are there.
bool ProfileList::Load() {
  Clear();
  if (m_pUIManager == nullptr)
    return false;
  DWORD count = 0, size = sizeof count;
  if (!m_pUIManager->ReadPrinterValue(PROFILE_COUNT_VALUE, &count, &size) || size == 0)
    return false;
  DWORD dataSize = 0;
  if (!m_pUIManager->ReadPrinterValue(PROFILE_DATA_VALUE, nullptr, &dataSize) || dataSize == 0 ||
      count == 0)
    return false;
  std::vector<BYTE> data(dataSize);
  if (!m_pUIManager->ReadPrinterValue(PROFILE_DATA_VALUE, data.data(), &dataSize))
    return false;

  const StoredRecords<ProfileHeader> headers(data.data(), dataSize);
  if (headers.Count() == 0)
    return false;
  ProfileHeader header;
  for (size_t i = 0; i < count && headers.Get(i, &header); ++i) {
    ProfileNode *node = Insert(&header);
    if (node == nullptr) {
      Clear();
      return false;
    }
    if (i == 0)
      m_pDefault = node;
  }
  return true;
}

bool ProfileList::Save() {
  if (m_pUIManager == nullptr)
    return false;
  m_pUIManager->NotifyChange(0);
  const DWORD count = static_cast<DWORD>(m_nCount);
  if (!m_pUIManager->WritePrinterValue(PROFILE_COUNT_VALUE, REG_DWORD, &count, sizeof count) ||
      count == 0)
    return false;
  // The page edits nodes in place (the default profile takes its localized name), so a field
  // may hold the rest of an older, longer text behind its end: only zeros are stored there.
  std::vector<ProfileHeader> headers;
  headers.reserve(count);
  for (const ProfileNode *node = First(); node != nullptr; node = node->pNext) {
    headers.push_back(node->header);
    ClearTextFieldTails(headers.back());
  }
  return m_pUIManager->WritePrinterValue(
      PROFILE_DATA_VALUE, REG_BINARY, headers.data(),
      static_cast<DWORD>(headers.size() * sizeof(ProfileHeader)));
}

ProfileNode *ProfileList::Insert(ProfileHeader *header) {
  if (header == nullptr)
    return nullptr;
  ProfileNode *node = new (std::nothrow) ProfileNode{};
  if (node == nullptr)
    return nullptr;
  RenameDefaultNamedProfile(header);
  node->header = *header;
  ClearTextFieldTails(node->header);

  ProfileNode *before = &m_Head;
  while (before->pNext != nullptr &&
         _stricmp(before->pNext->header.strProfileName, node->header.strProfileName) < 0)
    before = before->pNext;
  node->pNext = before->pNext;
  before->pNext = node;
  ++m_nCount;
  return node;
}

void ProfileList::RenameDefaultNamedProfile(ProfileHeader *header) const {
  if (m_pControlSet == nullptr || header->nProfRegNum == 0)
    return;
  UIManager *manager = m_pControlSet->GetUIManager();
  if (manager == nullptr)
    return;
  const std::string defaultName =
      m_Text.LoadHostString(manager, IDS_DEFAULT_PROFILE_NAME, MAX_PATH).text;
  if (defaultName.empty() || strcmp(header->strProfileName, defaultName.c_str()) != 0)
    return;

  // The list holds m_nCount names, so one of the first m_nCount + 1 numbers is free.
  char name[sizeof header->strProfileName] = {};
  for (int k = 0; k <= m_nCount; ++k) {
    FormatNumberedName(defaultName, k, m_Text, name);
    if (Find(name) == nullptr)
      break;
  }
  memcpy(header->strProfileName, name, sizeof name);
}

bool ProfileList::Remove(LPCSTR name) {
  if (name == nullptr)
    return false;
  for (ProfileNode *before = &m_Head; before->pNext != nullptr; before = before->pNext) {
    ProfileNode *node = before->pNext;
    if (strcmp(node->header.strProfileName, name) != 0)
      continue;
    before->pNext = node->pNext;
    if (node == m_pDefault)
      m_pDefault = nullptr;
    delete node;
    --m_nCount;
    return true;
  }
  return false;
}

ProfileNode *ProfileList::Find(LPCSTR name) const {
  if (name == nullptr)
    return nullptr;
  for (ProfileNode *node = First(); node != nullptr; node = node->pNext)
    if (strcmp(node->header.strProfileName, name) == 0)
      return node;
  return nullptr;
}

int ProfileList::IndexOf(LPCSTR name) const {
  if (name == nullptr)
    return -1;
  int index = 0;
  for (const ProfileNode *node = First(); node != nullptr; node = node->pNext, ++index)
    if (strcmp(node->header.strProfileName, name) == 0)
      return index;
  return -1;
}

void ProfileList::Clear() {
  ProfileNode *node = m_Head.pNext;
  while (node != nullptr) {
    ProfileNode *next = node->pNext;
    delete node;
    node = next;
  }
  m_Head.pNext = nullptr;
  m_pDefault = nullptr;
  m_nCount = 0;
}

DWORD ProfileList::ReadCount() {
  if (m_pUIManager == nullptr)
    return 0;
  DWORD count = 0, size = sizeof count;
  if (!m_pUIManager->ReadPrinterValue(PROFILE_COUNT_VALUE, &count, &size) || size == 0)
    return 0;
  return count;
}

int ProfileList::GetAvailableRegNum() const {
  for (int number = 1;; ++number) {
    bool used = false;
    for (const ProfileNode *node = First(); node != nullptr && !used; node = node->pNext)
      used = node->header.nProfRegNum == number;
    if (!used)
      return number;
  }
}
