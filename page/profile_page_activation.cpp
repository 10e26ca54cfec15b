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
  const DualText name =
      m_Text.FromHostPrinterName(manager != nullptr ? manager->GetPrinterNameW() : nullptr);
  lstrcpynW(m_wszPrinterName, name.wide.c_str(), MAX_PATH);
  m_Text.CopyWholeChars(m_tszPrinterName, MAX_PATH, name.text.c_str());
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
  if (m_Text.IsAnsi())
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
  if (m_Text.IsAnsi())
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
