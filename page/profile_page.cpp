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
constexpr int kMaxConvertedChars = 16384;

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
      m_uCodePage(GetACP()),
      m_bRightToLeft(false),
      m_bAnsi(false),
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
  if (!m_bAnsi && !IsWindowsNT4())
    defaultTemplate = IDD_PAGE;
  const PageLanguageChoice choice = ChoosePageLanguage(m_wLanguage, defaultTemplate);
  m_uCodePage = choice.codePage;
  m_bRightToLeft = choice.rightToLeft;
  return choice.templateId;
}

SIZE *ProfilePage::CreatePageWindow(SIZE *size) {
  if (m_hWnd == nullptr) {
    SetCurrentPage(this);
    const int templateId = ChooseTemplate();
    HWND desktop = GetDesktopWindow();
    if (m_bAnsi)
      m_hWnd =
          CreateDialogParamA(PageResources(), MAKEINTRESOURCEA(templateId), desktop, DialogProc, 0);
    else
      m_hWnd =
          CreateDialogParamW(PageResources(), MAKEINTRESOURCEW(templateId), desktop, DialogProc, 0);
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
  ToText(text, wide);
  return true;
}

void ProfilePage::LoadPageText(UINT stringId, LPWSTR wide, LPSTR text, int size) const {
  wide[0] = 0;
  if (UIManager *manager = Manager())
    manager->LoadResString(stringId, wide, MAX_PATH, 0, 0, 0);
  char converted[MAX_PATH * 4];
  if (WideCharToMultiByte(m_uCodePage, 0, wide, -1, converted, sizeof converted, nullptr,
                          nullptr) == 0)
    converted[0] = 0;
  lstrcpynA(text, converted, size);
}

LPWSTR ProfilePage::ToWide(LPWSTR wide, LPCSTR text) const {
  if (MultiByteToWideChar(m_uCodePage, 0, text, -1, wide, kMaxConvertedChars) == 0)
    wide[0] = 0;
  return wide;
}

LPSTR ProfilePage::ToText(LPSTR text, LPCWSTR wide) const {
  if (WideCharToMultiByte(m_uCodePage, 0, wide, -1, text, kMaxConvertedChars, nullptr, nullptr) ==
      0)
    text[0] = 0;
  return text;
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
  m_bAnsi = m_nPlatform == HOST_PLATFORM_ANSI;
}
