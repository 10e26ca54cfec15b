// The control set: page hand-out and the module's private-data block.
#include "module/control_set_profil.h"

#include <string.h>

#include "page/profile_page.h"

namespace {

constexpr DWORD kAnyPageKind = PAGE_KIND_DOCUMENT | PAGE_KIND_PRINTER;

// A block is valid when its signature, version and size are the module's; the host looks
// blocks up by identifier, so the identifier is not tested.
bool IsValidBlock(const ProfilePrivateData *block) {
  ProfilePrivateData header;
  memcpy(&header, block, sizeof header);
  return header.dwSignature == PRIVATE_DATA_SIGNATURE &&
         header.wVersion == PROFILE_PRIVATE_DATA_VERSION && header.dwSize == sizeof header;
}

// The module's block in the manager's current settings, or null.
ProfilePrivateData *FetchBlock(UIManager *manager) {
  if (manager == nullptr)
    return nullptr;
  return static_cast<ProfilePrivateData *>(manager->GetPrivateData(PRIVATE_DATA_ID_PROFIL, 0));
}

}  // namespace

CControlSetProfil::CControlSetProfil(HINSTANCE hSetModule)
    : m_pPrivateData(nullptr),
      m_OwnCopy{},
      m_dwHostValue(0),
      m_pPage(new ProfilePage()),
      m_pDriverContext(nullptr),
      m_pUIManager(nullptr),
      m_bRemoving(false) {
  m_pPage->SetResourceInstance(hSetModule);
  m_pPage->SetOwner(this);
}

CControlSetProfil::~CControlSetProfil() {
  m_pPage->DeletingDestructor(BOUNDARY_DELETE_MEMORY);
}

int CControlSetProfil::GetPageCount(DWORD mask) {
  if (mask & PAGE_KIND_PRINTER)
    return 1;
  if (mask & PAGE_KIND_DOCUMENT)
    return 0;
  return -1;
}

CPage *CControlSetProfil::GetPage(int index, DWORD mask) {
  return index == 0 && (mask & kAnyPageKind) ? m_pPage : nullptr;
}

void CControlSetProfil::SetUIManager(UIManager *manager) {
  m_pUIManager = manager;
  m_pPage->SetOwner(this);
}

void CControlSetProfil::CheckPrivateData(UIManager *manager) {
  m_pPrivateData = FetchBlock(manager);
  if (m_pPrivateData == nullptr || IsValidBlock(m_pPrivateData))
    return;
  // The host may call InvalidateDevMode from inside the removal; m_bRemoving keeps that call
  // from picking up the block being removed.
  m_bRemoving = true;
  manager->RemovePrivateData(PRIVATE_DATA_ID_PROFIL, 0);
  m_bRemoving = false;
  m_pPrivateData = nullptr;
}

void CControlSetProfil::InvalidateDevMode() {
  m_pPrivateData = m_bRemoving ? nullptr : FetchBlock(m_pUIManager);
}

void CControlSetProfil::DevModeChanged(UIManager *manager) {
  m_pPrivateData = FetchBlock(manager);
  if (m_pPrivateData == nullptr)
    return;
  // The host hands out blocks with a whole header; of it, the block's size field says how many
  // bytes are the block's own.
  ProfilePrivateData block;
  memcpy(&block, m_pPrivateData, sizeof block);
  memset(&m_OwnCopy, 0, sizeof m_OwnCopy);
  memcpy(&m_OwnCopy, &block, block.dwSize < sizeof block ? block.dwSize : sizeof block);
  m_OwnCopy.dwSignature = PRIVATE_DATA_SIGNATURE;
  m_OwnCopy.wBlockId = PRIVATE_DATA_ID_PROFIL;
  m_OwnCopy.wReserved = 0;
  m_OwnCopy.wVersion = PROFILE_PRIVATE_DATA_VERSION;
  m_OwnCopy.dwSize = sizeof m_OwnCopy;
  for (int i = 0; i < GetPageCount(kAnyPageKind); ++i)
    if (CPage *page = GetPage(i, kAnyPageKind))
      page->UIManagerChanged(manager);
}
