// The page's information command: the settings-information dialog over the page, with the
// page's hotkeys off while it runs so that they do not reach the page behind it.
#include "abi/host_records.h"
#include "describe/settings_info_dialog.h"
#include "describe/settings_info_pages.h"
#include "page/page_hotkeys.h"
#include "page/page_language.h"
#include "page/profile_page.h"

namespace {

constexpr DWORD kSettingsInfoAvailable = 1u << 7;  // capabilities word 206

}  // namespace

void ProfilePage::OpenSettingsInformation() {
  UIManager *manager = Manager();
  const ModelCapabilitiesRecord *caps =
      manager != nullptr ? manager->GetModelCapabilities() : nullptr;
  if (caps == nullptr || (caps->dwUserInterface & kSettingsInfoAvailable) == 0)
    return;
  ShowSettingsInformation(m_hWnd, PROFILE_PAGE_NUMBER);
}

void ProfilePage::ShowSettingsInformation(HWND window, WORD pageNumber) {
  const BYTE language = LanguageByte(m_wLanguage);
  if (m_bHotkeysRegistered)
    UnregisterPageHotkeys(window, language);
  {
    SettingsInfoDialog dialog;
    dialog.RunSettingsInfo(window, m_pDriverSettings, m_pOwner, 0, pageNumber);
  }
  if (m_bHotkeysRegistered)
    RegisterPageHotkeys(window, language);
}
