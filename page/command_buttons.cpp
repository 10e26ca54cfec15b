// The command buttons' procedure.
#include "page/command_buttons.h"

#include "page/button_subclass.h"
#include "abi/resource_ids.h"

namespace {

bool g_bFocusArrived = true;

struct KeyButton {
  WPARAM key;
  int controlId;
};

const KeyButton kKeyButtons[] = {
    {'A', IDC_PROFILE_ADD},    {'D', IDC_PROFILE_DELETE}, {'E', IDC_PROFILE_EDIT},
    {'I', IDC_PROFILE_IMPORT}, {'U', IDC_PROFILE_APPLY},  {'X', IDC_PROFILE_EXPORT},
};

void Click(HWND button, const TextPolicy &form) {
  form.PostCommand(GetParent(button), GetDlgCtrlID(button));
}

// Enter on apply or delete hands the focus to the page before the click; their letters click
// where the focus is.
void PressEnter(HWND button, const TextPolicy &form) {
  const int id = GetDlgCtrlID(button);
  if (id == IDC_PROFILE_APPLY || id == IDC_PROFILE_DELETE)
    SetFocus(GetParent(button));
  Click(button, form);
}

void OnKeyDown(HWND button, WPARAM key, const TextPolicy &form) {
  if (key == VK_TAB) {
    SynthesizeTab();
    g_bFocusArrived = false;
    return;
  }
  if (key == VK_RETURN) {
    PressEnter(button, form);
    return;
  }
  const int target = CommandButtonForKey(key);
  if (target == 0)
    return;
  if (target == GetDlgCtrlID(button))
    Click(button, form);
  else if (HWND other = GetDlgItem(GetParent(button), target))
    SetFocus(other);
}

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                            const TextPolicy &form) {
  switch (message) {
    case WM_GETDLGCODE:
      return g_bFocusArrived ? DLGC_WANTALLKEYS : DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
      g_bFocusArrived = true;
      break;
    case WM_KEYDOWN:
      OnKeyDown(button, wParam, form);
      break;
    default:
      break;
  }
  return form.CallPrevious(button, message, wParam, lParam);
}

}  // namespace

void SubclassCommandButton(HWND button, const TextPolicy &page) {
  SubclassButton<HandleButtonMessage>(button, page);
}

int CommandButtonForKey(WPARAM key) {
  for (const KeyButton &entry : kKeyButtons)
    if (entry.key == key)
      return entry.controlId;
  return 0;
}

bool CommandButtonWantsAllKeys() {
  return g_bFocusArrived;
}
