// The settings-information button's procedure.
#include "page/settings_button.h"

#include "page/button_subclass.h"
#include "abi/resource_ids.h"

namespace {

bool g_bWantsAllKeys = true;

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                            const TextPolicy &form) {
  switch (message) {
    case WM_GETDLGCODE:
      return g_bWantsAllKeys ? DLGC_WANTALLKEYS : DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
      g_bWantsAllKeys = true;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == 'N') {
        form.PostCommand(GetParent(button), IDC_SETTINGS_INFO);
      } else if (wParam == VK_TAB) {
        SynthesizeTab();
        g_bWantsAllKeys = false;
      }
      break;
    default:
      break;
  }
  return form.CallPrevious(button, message, wParam, lParam);
}

}  // namespace

void SubclassSettingsButton(HWND button, const TextPolicy &page) {
  SubclassButton<HandleButtonMessage>(button, page);
}

bool SettingsButtonWantsAllKeys() {
  return g_bWantsAllKeys;
}

void SetSettingsButtonWantsAllKeys(bool wants) {
  g_bWantsAllKeys = wants;
}
