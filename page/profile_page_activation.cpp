// The page shown and hidden: host records, hotkeys, and on the ANSI platform the printer's
// name kept in its data so that a renamed printer's profile files can follow it.
#include <string.h>

#include "abi/resource_ids.h"
#include "page/page_hotkeys.h"
#include "page/page_language.h"
#include "page/profile_file_rename.h"
#include "page/profile_page.h"
#include "store/vtprofjzp.h"

namespace {

constexpr int kExplorerProcess = 1;

}  // namespace

bool ProfilePage::CacheHostRecords() {
  UIManager *manager = Manager();
  if (manager == nullptr)
    return false;
  m_pDevMode = manager->GetCurrentDevMode();
  m_pDriverSettings = manager->GetDriverSettings();
  m_pModelInfo = manager->GetModelInfo();
  if (m_pDevMode == nullptr || m_pDriverSettings == nullptr || m_pModelInfo == nullptr)
    return false;
  m_pModelCaps = manager->GetModelCapabilities();
  ReadPrinterName();
  return true;
}

// The ANSI platform keeps the low byte of each character, as its printer names are plain
// ANSI; the wide platform converts with the page's code page.
void ProfilePage::ReadPrinterName() {
  UIManager *manager = Manager();
  LPCWSTR name = manager != nullptr ? manager->GetPrinterNameW() : nullptr;
  m_wszPrinterName[0] = 0;
  m_tszPrinterName[0] = 0;
  if (name == nullptr)
    return;
  int i = 0;
  for (; name[i] != 0 && i < MAX_PATH - 1; ++i) {
    m_wszPrinterName[i] = name[i];
    if (m_bAnsi)
      m_tszPrinterName[i] = static_cast<char>(name[i] & 0xFF);
  }
  m_wszPrinterName[i] = 0;
  if (m_bAnsi)
    m_tszPrinterName[i] = 0;
  else if (WideCharToMultiByte(m_uCodePage, 0, m_wszPrinterName, -1, m_tszPrinterName, MAX_PATH,
                               nullptr, nullptr) == 0)
    m_tszPrinterName[0] = 0;
}

void ProfilePage::Activate() {
  ReadPlatform();
  if (!CacheHostRecords())
    return;
  CachePrinterHandle();
  if (m_hWnd != nullptr && !m_bHotkeysRegistered) {
    RegisterPageHotkeys(m_hWnd, LanguageByte(m_wLanguage));
    m_bHotkeysRegistered = true;
  }
  // Deactivate left apply enabled; the rules decide again what this user may press.
  UpdateButtons();
  if (m_bAnsi)
    MoveRenamedPrinterFiles();
}

void ProfilePage::CachePrinterHandle() {
  m_hPrinter = Manager()->GetPrinterHandle();
  if (GetHostProcessKind() != kExplorerProcess)
    m_hPrinter = INVALID_HANDLE_VALUE;
}

bool ProfilePage::Deactivate() {
  if (m_bHotkeysRegistered) {
    UnregisterPageHotkeys(m_hWnd, LanguageByte(m_wLanguage));
    m_bHotkeysRegistered = false;
  }
  if (HWND apply = GetDlgItem(m_hWnd, IDC_PROFILE_APPLY))
    EnableWindow(apply, TRUE);
  if (m_bAnsi)
    WritePrinterName();
  return true;
}

// A printer without a stored name has no files under an older name: nothing is moved then.
void ProfilePage::MoveRenamedPrinterFiles() {
  UIManager *manager = Manager();
  if (manager == nullptr || m_tszPrinterName[0] == 0)
    return;
  VTPROFJZP store(m_hWnd, m_tszPrinterName, m_hPrinter, m_pOwner, &m_DriverDevModeSize);
  char local[MAX_PATH] = {};
  BYTE *buffer = manager->GetPrinterNameBuffer(local);
  if (buffer == nullptr)
    return;
  if (store.GetRegValue(PRINTER_DATA_KEY, PRINTER_NAME_VALUE, buffer, MAX_PATH) == 0)
    return;
  char storedName[MAX_PATH];
  memcpy(storedName, buffer, MAX_PATH);
  storedName[MAX_PATH - 1] = 0;
  if (storedName[0] == 0 || lstrcmpiA(storedName, m_tszPrinterName) == 0)
    return;
  MoveProfileFiles(storedName, m_tszPrinterName);
}

void ProfilePage::WritePrinterName() {
  UIManager *manager = Manager();
  if (manager == nullptr || m_tszPrinterName[0] == 0)
    return;
  BYTE *buffer = manager->GetPrinterNameBuffer(m_tszPrinterName);
  if (buffer == nullptr)
    return;
  VTPROFJZP store(m_hWnd, m_tszPrinterName, m_hPrinter, m_pOwner, &m_DriverDevModeSize);
  store.SetRegValue(PRINTER_DATA_KEY, PRINTER_NAME_VALUE, buffer, MAX_PATH, REG_BINARY);
}
