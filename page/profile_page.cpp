// The profile page object: its answers to the host and its cache of host objects.
#include "page/profile_page.h"

#include "module/module_state.h"
#include "module/wide.h"

namespace {

constexpr int kDialogId = 2500;
constexpr LONG kDesignWidth = 155;
constexpr LONG kDesignHeight = 150;

}  // namespace

ProfilePage::ProfilePage()
    : m_pOwner(nullptr),
      m_pDevMode(nullptr),
      m_pDriverSettings(nullptr),
      m_pModelInfo(nullptr),
      m_hPrinter(nullptr),
      m_hInstance(nullptr),
      m_adwHostValues8{0, 0},
      m_adwHostValues9{0, 0},
      m_bHostByte(0),
      m_nDialogId(kDialogId),
      m_DesignSize{kDesignWidth, kDesignHeight},
      m_uCodePage(GetACP()),
      m_bAnsi(false),
      m_nPlatform(0) {}

ProfilePage::~ProfilePage() {
  ForgetCurrentPage(this);
}

LPCWSTR ProfilePage::GetTitle() {
  return WSTR("Profile");
}

// The page has no window of its own yet: CreatePageWindow reports a page of no size, GetIcon
// gives no icon, Activate has nothing to register and Deactivate nothing to release.
SIZE *ProfilePage::CreatePageWindow(SIZE *size) {
  if (size == nullptr)
    return nullptr;
  size->cx = 0;
  size->cy = 0;
  return size;
}

HICON ProfilePage::GetIcon(int *loaded) {
  if (loaded != nullptr)
    *loaded = 0;
  return nullptr;
}

void ProfilePage::Activate() {}

bool ProfilePage::Deactivate() {
  return true;
}

SIZE *ProfilePage::GetDesignSize(SIZE *size) {
  if (size == nullptr)
    return nullptr;
  *size = m_DesignSize;
  return size;
}

void ProfilePage::SetHostValues8(DWORD first, DWORD second) {
  m_adwHostValues8[0] = first;
  m_adwHostValues8[1] = second;
}

void ProfilePage::SetHostValues9(DWORD first, DWORD second) {
  m_adwHostValues9[0] = first;
  m_adwHostValues9[1] = second;
}

bool ProfilePage::CacheHostObjects() {
  UIManager *manager = m_pOwner != nullptr ? m_pOwner->GetUIManager() : nullptr;
  if (manager == nullptr)
    return false;
  m_pDevMode = manager->GetCurrentDevMode();
  m_pDriverSettings = manager->GetDriverSettings();
  m_pModelInfo = manager->GetModelInfo();
  m_hPrinter = manager->GetPrinterHandle();
  return m_pDevMode != nullptr && m_pDriverSettings != nullptr && m_pModelInfo != nullptr &&
         m_hPrinter != nullptr;
}

void ProfilePage::ReadPlatform() {
  DriverContext *context = m_pOwner != nullptr ? m_pOwner->GetDriverContext() : nullptr;
  m_nPlatform = context != nullptr ? context->GetPlatform() : 0;
  m_bAnsi = m_nPlatform == HOST_PLATFORM_ANSI;
}
