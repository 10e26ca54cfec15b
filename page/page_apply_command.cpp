// The page's apply command: the selected profile's settings and driver data sets become the
// printer's current ones, and the host's window is told.
#include <string>

#include "abi/resource_ids.h"
#include "abi/settings_notify.h"
#include "page/profile_page.h"
#include "store/page_store.h"

namespace {

void NotifyProfileApplied(HWND window) {
  if (window == nullptr)
    return;
  SettingsAppliedNotify notification = {{0, 0}, SETTINGS_APPLIED_CODE, SETTINGS_APPLIED_CODE};
  SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification));
}

}  // namespace

// The host names the window to notify before anything changes. The host may replace its
// current DEVMODE when it takes the restored one, so the page takes it again.
void ProfilePage::ApplySelectedProfile() {
  DriverContext *context = GetDriverContext();
  HWND notifyWindow = context != nullptr ? context->GetNotifyWindow() : nullptr;
  const int row = FocusedSelectedRow();
  if (row < 0)
    return;
  const std::string name = m_Text.ListItemText(m_hProfileList, row).text;
  ApplyProfileDevMode(name.c_str());
  RefreshCurrentDevMode();
  RestoreProfilePrinterRegData(*this, name.c_str());
  if (context != nullptr)
    context->RefreshSettings();
  if (HWND apply = GetDlgItem(m_hWnd, IDC_PROFILE_APPLY))
    EnableWindow(apply, FALSE);
  SetFocus(m_hWnd);
  NotifyProfileApplied(notifyWindow);
}
