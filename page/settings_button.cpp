// The settings-information button's procedure.
#include "page/settings_button.h"

#include "page/page_controls.h"

namespace {

bool g_bWantsAllKeys = true;

// Scan code of the synthesized Tab.
constexpr BYTE kTabScanCode = 69;

typedef LRESULT(WINAPI *CallPrevious)(WNDPROC, HWND, UINT, WPARAM, LPARAM);

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                            WNDPROC previous, CallPrevious call,
                            BOOL(WINAPI *post)(HWND, UINT, WPARAM, LPARAM)) {
  switch (message) {
    case WM_GETDLGCODE:
      return g_bWantsAllKeys ? DLGC_WANTALLKEYS : DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
      g_bWantsAllKeys = true;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == 'N') {
        post(GetParent(button), WM_COMMAND, IDC_SETTINGS_INFO, 0);
      } else if (wParam == VK_TAB) {
        keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY, 0);
        keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
        g_bWantsAllKeys = false;
      }
      break;
    default:
      break;
  }
  return call(previous, button, message, wParam, lParam);
}

LRESULT CALLBACK SettingsButtonProcA(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_USERDATA));
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcA,
                             PostMessageA);
}

LRESULT CALLBACK SettingsButtonProcW(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_USERDATA));
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcW,
                             PostMessageW);
}

}  // namespace

void SubclassSettingsButton(HWND button, bool ansi) {
  if (button == nullptr)
    return;
  if (ansi) {
    LONG_PTR previous =
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SettingsButtonProcA));
    SetWindowLongPtrA(button, GWLP_USERDATA, previous);
  } else {
    LONG_PTR previous =
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SettingsButtonProcW));
    SetWindowLongPtrW(button, GWLP_USERDATA, previous);
  }
}

bool SettingsButtonWantsAllKeys() {
  return g_bWantsAllKeys;
}

void SetSettingsButtonWantsAllKeys(bool wants) {
  g_bWantsAllKeys = wants;
}
