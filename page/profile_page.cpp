// The profile page object: its answers to the host, its window, language and conversions.
#include "page/profile_page.h"

#include <string.h>

#include "describe/summary_rows.h"
#include "page/current_page.h"
#include "abi/wide.h"
#include "abi/resource_ids.h"
#include "page/page_language.h"
#include "store/profile_list.h"

namespace {

constexpr int kDialogId = 2500;
constexpr LONG kDesignWidth = 155;
constexpr LONG kDesignHeight = 150;

}  // namespace

ProfilePage::ProfilePage()
    : m_pOwner(nullptr),
      m_hWnd(nullptr),
      m_pDevMode(nullptr),
      m_pDriverSettings(nullptr),
      m_pModelInfo(nullptr),
      m_pModelCaps(nullptr),
      m_hPrinter(nullptr),
      m_hInstance(nullptr),
      m_adwHostValues8{0, 0},
      m_adwHostValues9{0, 0},
      m_bHostByte(0),
      m_nDialogId(kDialogId),
      m_DesignSize{kDesignWidth, kDesignHeight},
      m_WindowSize{0, 0},
      m_wLanguage(LANG_BYTE_ENGLISH),
      m_Text(TextPolicy::ForPage(false, GetACP())),
      m_bRightToLeft(false),
      m_nPlatform(0),
      m_hIcon(nullptr),
      m_bNoRights(false),
      m_bClient(false),
      m_bHotkeysRegistered(false),
      m_bNetworkPort(false),
      m_bAdministrator(false),
      m_bInitialized(false),
      m_nProfileCount(0),
      m_hProfileList(nullptr),
      m_hListFont(nullptr),
      m_tszPrinterName{},
      m_wszPrinterName{},
      m_tszRegistryName{},
      m_wszRegistryName{} {}

ProfilePage::~ProfilePage() {
  m_pProfileList.reset();
  if (m_hWnd != nullptr && IsWindow(m_hWnd))
    DestroyWindow(m_hWnd);
  if (m_hListFont != nullptr)
    DeleteObject(m_hListFont);
  ForgetCurrentPage(this);
}

LPCWSTR ProfilePage::GetTitle() {
  return WSTR("Profile");
}

UIManager *ProfilePage::Manager() const {
  return m_pOwner != nullptr ? m_pOwner->GetUIManager() : nullptr;
}

// The host's resource module holds the page's templates and pictures; the module instance the
// control set hands in has none, so it only serves when the host offers no resource module.
HINSTANCE ProfilePage::PageResources() const {
  UIManager *manager = Manager();
  HINSTANCE resources = manager != nullptr ? manager->GetResourceInstance() : nullptr;
  return resources != nullptr ? resources : m_hInstance;
}

int ProfilePage::ChooseTemplate() {
  UIManager *manager = Manager();
  if (manager != nullptr) {
    m_pModelInfo = manager->GetModelInfo();
    m_wLanguage = ResolveLanguage(manager->GetLanguage(), m_pModelInfo);
  }
  ReadPlatform();
  int defaultTemplate = IDD_PAGE_ANSI;
  if (!m_Text.IsAnsi() && !IsWindowsNT4())
    defaultTemplate = IDD_PAGE;
  const PageLanguageChoice choice = ChoosePageLanguage(m_wLanguage, defaultTemplate);
  m_Text = TextPolicy::ForPage(m_Text.IsAnsi(), choice.codePage);
  m_bRightToLeft = choice.rightToLeft;
  return choice.templateId;
}

SIZE *ProfilePage::CreatePageWindow(SIZE *size) {
  if (m_hWnd == nullptr) {
    SetCurrentPage(this);
    const int templateId = ChooseTemplate();
    m_hWnd = m_Text.CreateModeless(PageResources(), templateId, GetDesktopWindow(), DialogProc);
  }
  RECT rect = {0, 0, 0, 0};
  if (m_hWnd != nullptr)
    GetWindowRect(m_hWnd, &rect);
  m_WindowSize.cx = rect.right - rect.left;
  m_WindowSize.cy = rect.bottom - rect.top;
  if (size == nullptr)
    return nullptr;
  *size = m_WindowSize;
  return size;
}

// LoadIcon hands out a shared icon, which the host may go on showing after the page is gone:
// the page keeps the handle but never destroys it.
HICON ProfilePage::GetIcon(int *loaded) {
  if (m_hIcon == nullptr)
    m_hIcon = LoadIconA(PageResources(), MAKEINTRESOURCEA(IDI_PAGE));
  if (loaded != nullptr && m_hIcon != nullptr)
    *loaded = 1;
  return m_hIcon;
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

bool ProfilePage::LoadPageString(UINT stringId, LPWSTR wide, LPSTR text) {
  if (wide == nullptr || text == nullptr)
    return false;
  wide[0] = 0;
  if (UIManager *manager = Manager())
    manager->LoadResString(stringId, wide, MAX_PATH, 0, 0, 0);
  wide[MAX_PATH - 1] = 0;
  m_Text.ToText(text, MAX_PATH, wide);
  return true;
}

DualText ProfilePage::LoadPageText(UINT stringId) const {
  return m_Text.LoadHostString(Manager(), stringId, MAX_PATH);
}

int ProfilePage::GetHostProcessKind() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return 0;
  CharLowerA(path);
  if (strstr(path, "explorer.exe") != nullptr)
    return 1;
  if (strstr(path, "excel.exe") != nullptr)
    return 2;
  return 0;
}

bool ProfilePage::IsWindowsNT4() {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         version.dwMajorVersion == 4;
}

bool ProfilePage::CacheHostObjects() {
  UIManager *manager = Manager();
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
  m_Text = TextPolicy::ForPage(m_nPlatform == HOST_PLATFORM_ANSI, m_Text.CodePage());
}
