// The settings-information button's procedure.
#include "page/settings_button.h"

#include "page/button_subclass.h"
#include "abi/resource_ids.h"

namespace {

bool g_bWantsAllKeys = true;

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                            WNDPROC previous, CallPreviousProc call, PostMessageProc post) {
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
        SynthesizeTab();
        g_bWantsAllKeys = false;
      }
      break;
    default:
      break;
  }
  return call(previous, button, message, wParam, lParam);
}

LRESULT CALLBACK SettingsButtonProcA(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousButtonProc(button, true);
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcA,
                             PostMessageA);
}

LRESULT CALLBACK SettingsButtonProcW(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousButtonProc(button, false);
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcW,
                             PostMessageW);
}

}  // namespace

void SubclassSettingsButton(HWND button, bool ansi) {
  SubclassButton(button, ansi, SettingsButtonProcA, SettingsButtonProcW);
}

bool SettingsButtonWantsAllKeys() {
  return g_bWantsAllKeys;
}

void SetSettingsButtonWantsAllKeys(bool wants) {
  g_bWantsAllKeys = wants;
}
