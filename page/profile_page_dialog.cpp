// The page's dialog procedure: finds the page of a window and routes each message to the page's
// handler for it through a table; messages without a handler answer 0.
#include "page/current_page.h"
#include "page/dialog_help.h"
#include "abi/resource_ids.h"
#include "page/page_hotkeys.h"
#include "page/page_language.h"
#include "page/profile_list_draw.h"
#include "page/profile_page.h"

namespace {

constexpr DWORD kSettingsInfoAvailable = 1u << 7;
// The host's refresh request: message 256 (wParam 7 asks to refresh the profiles).
constexpr UINT kRefreshMessage = 256;

}  // namespace

const ProfilePage::MessageRoute ProfilePage::kMessageRoutes[] = {
    {WM_INITDIALOG, &ProfilePage::OnInitDialog},
    {WM_COMMAND, &ProfilePage::OnCommand},
    {WM_NOTIFY, &ProfilePage::OnNotify},
    {kRefreshMessage, &ProfilePage::OnRefreshMessage},
    {WM_MEASUREITEM, &ProfilePage::OnMeasureItem},
    {WM_DRAWITEM, &ProfilePage::OnDrawItem},
    {WM_PAINT, &ProfilePage::OnPaint},
    {WM_HELP, &ProfilePage::OnHelp},
    {WM_CONTEXTMENU, &ProfilePage::OnContextMenu},
    {WM_HOTKEY, &ProfilePage::OnHotKey},
    {WM_DESTROY, &ProfilePage::OnDestroy},
};

INT_PTR CALLBACK ProfilePage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ProfilePage *page = reinterpret_cast<ProfilePage *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (page == nullptr) {
    page = GetCurrentPage();
    if (page == nullptr)
      return 0;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
    page->m_hWnd = window;
  }
  for (const MessageRoute &route : kMessageRoutes)
    if (route.message == message)
      return (page->*route.handler)(wParam, lParam);
  return 0;
}

ProfileListLook ProfilePage::ListLook() const {
  HINSTANCE resources = PageResources();
  if (resources == nullptr)
    resources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hWnd, GWLP_HINSTANCE));
  return {resources, m_bRightToLeft, m_bNoRights, m_Text, m_pProfileList.get()};
}

INT_PTR ProfilePage::OnMeasureItem(WPARAM, LPARAM lParam) {
  SetCurrentPage(this);
  if (lParam != 0)
    MeasureProfileItem(ListLook().hResources, reinterpret_cast<MEASUREITEMSTRUCT *>(lParam));
  return 1;
}

INT_PTR ProfilePage::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  DrawProfileItem(ListLook(), static_cast<UINT>(wParam),
                  reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
  return 0;
}

INT_PTR ProfilePage::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  if (dc != nullptr) {
    UIManager *manager = Manager();
    PaintDecoration(ListLook().hResources, m_hWnd, dc,
                    manager != nullptr ? manager->GetModelCapabilities() : nullptr);
  }
  EndPaint(m_hWnd, &paint);
  return 1;
}

INT_PTR ProfilePage::OnHelp(WPARAM, LPARAM lParam) {
  CallBigHelp(ListLook().hResources, reinterpret_cast<const HELPINFO *>(lParam), PAGE_HELP_ID,
              m_pOwner, m_Text.IsAnsi());
  return 1;
}

INT_PTR ProfilePage::OnContextMenu(WPARAM wParam, LPARAM) {
  CallSmallHelp(ListLook().hResources, reinterpret_cast<HWND>(wParam), PAGE_HELP_ID, m_pOwner);
  return 1;
}

INT_PTR ProfilePage::OnHotKey(WPARAM wParam, LPARAM) {
  const int control = PageHotkeyControl(LanguageByte(m_wLanguage), static_cast<int>(wParam));
  if (control == 0)
    return 0;
  HWND button = GetDlgItem(m_hWnd, control);
  if (button == nullptr || !IsWindowEnabled(button))
    return 0;
  if (control == IDC_SETTINGS_INFO) {
    UIManager *manager = Manager();
    const ModelCapabilitiesRecord *caps =
        manager != nullptr ? manager->GetModelCapabilities() : nullptr;
    if (caps == nullptr || (caps->dwUserInterface & kSettingsInfoAvailable) == 0)
      return 0;
  }
  m_Text.PostCommand(m_hWnd, control);
  return 0;
}

// The commands of the buttons, the list's keys and the hotkeys. Every command but apply runs
// with the six command buttons disabled and leaves them as the rules say for the list it leaves
// behind; apply leaves its own button disabled until the buttons are next updated.
const std::array<ProfilePage::CommandRoute, 9> ProfilePage::kCommandRoutes = {{
    {IDOK, &ProfilePage::EndStandAloneDialog},
    {IDCANCEL, &ProfilePage::EndStandAloneDialog},
    {IDC_PROFILE_ADD, &ProfilePage::AddProfile},
    {IDC_PROFILE_EDIT, &ProfilePage::EditFocusedProfile},
    {IDC_PROFILE_DELETE, &ProfilePage::DeleteSelectedProfiles},
    {IDC_PROFILE_APPLY, &ProfilePage::ApplySelectedProfile},
    {IDC_PROFILE_EXPORT, &ProfilePage::ExportSelectedProfiles},
    {IDC_PROFILE_IMPORT, &ProfilePage::ImportProfiles},
    {IDC_SETTINGS_INFO, &ProfilePage::OpenSettingsInformation},
}};

void ProfilePage::EndStandAloneDialog() {
  EndDialog(m_hWnd, 1);
}

INT_PTR ProfilePage::OnCommand(WPARAM wParam, LPARAM) {
  const int controlId = LOWORD(wParam);
  if (controlId == IDC_PROFILE_LIST) {
    OnProfileListCommand(HIWORD(wParam));
    return 0;
  }
  for (const CommandRoute &route : kCommandRoutes) {
    if (route.controlId != controlId)
      continue;
    RefreshCurrentDevMode();
    if (controlId != IDC_PROFILE_APPLY)
      DisableCommandButtons();
    (this->*route.handler)();
    if (controlId != IDC_PROFILE_APPLY)
      UpdateButtons();
    break;
  }
  return 0;
}

// The window is going: the page forgets it, its rows and its hotkeys, and records the printer's
// name for the next time.
INT_PTR ProfilePage::OnDestroy(WPARAM, LPARAM) {
  if (m_bHotkeysRegistered) {
    UnregisterPageHotkeys(m_hWnd, LanguageByte(m_wLanguage));
    m_bHotkeysRegistered = false;
  }
  if (m_hProfileList != nullptr)
    SendMessageW(m_hProfileList, LVM_DELETEALLITEMS, 0, 0);
  WritePrinterName();
  m_hProfileList = nullptr;
  m_hWnd = nullptr;
  return 0;
}
