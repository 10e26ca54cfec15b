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

void Click(HWND button, PostMessageProc post) {
  post(GetParent(button), WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
}

// Enter on apply or delete hands the focus to the page before the click; their letters click
// where the focus is.
void PressEnter(HWND button, PostMessageProc post) {
  const int id = GetDlgCtrlID(button);
  if (id == IDC_PROFILE_APPLY || id == IDC_PROFILE_DELETE)
    SetFocus(GetParent(button));
  Click(button, post);
}

void OnKeyDown(HWND button, WPARAM key, PostMessageProc post) {
  if (key == VK_TAB) {
    SynthesizeTab();
    g_bFocusArrived = false;
    return;
  }
  if (key == VK_RETURN) {
    PressEnter(button, post);
    return;
  }
  const int target = CommandButtonForKey(key);
  if (target == 0)
    return;
  if (target == GetDlgCtrlID(button))
    Click(button, post);
  else if (HWND other = GetDlgItem(GetParent(button), target))
    SetFocus(other);
}

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                            WNDPROC previous, CallPreviousProc call, PostMessageProc post) {
  switch (message) {
    case WM_GETDLGCODE:
      return g_bFocusArrived ? DLGC_WANTALLKEYS : DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
      g_bFocusArrived = true;
      break;
    case WM_KEYDOWN:
      OnKeyDown(button, wParam, post);
      break;
    default:
      break;
  }
  return call(previous, button, message, wParam, lParam);
}

LRESULT CALLBACK CommandButtonProcA(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousButtonProc(button, true);
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcA,
                             PostMessageA);
}

LRESULT CALLBACK CommandButtonProcW(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousButtonProc(button, false);
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcW,
                             PostMessageW);
}

}  // namespace

void SubclassCommandButton(HWND button, bool ansi) {
  SubclassButton(button, ansi, CommandButtonProcA, CommandButtonProcW);
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
