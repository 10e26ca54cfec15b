// The command buttons' procedure.
#include "page/command_buttons.h"

#include "page/page_controls.h"

namespace {

bool g_bFocusArrived = true;

constexpr BYTE kTabScanCode = 0x45;

struct KeyButton {
  WPARAM key;
  int controlId;
};

const KeyButton kKeyButtons[] = {
    {'A', IDC_PROFILE_ADD},    {'D', IDC_PROFILE_DELETE}, {'E', IDC_PROFILE_EDIT},
    {'I', IDC_PROFILE_IMPORT}, {'U', IDC_PROFILE_APPLY},  {'X', IDC_PROFILE_EXPORT},
};

typedef LRESULT(WINAPI *CallPrevious)(WNDPROC, HWND, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI *PostProc)(HWND, UINT, WPARAM, LPARAM);

// Apply and delete change the list under the focus: the page takes it before they run.
void Click(HWND button, PostProc post) {
  HWND page = GetParent(button);
  const int id = GetDlgCtrlID(button);
  if (id == IDC_PROFILE_APPLY || id == IDC_PROFILE_DELETE)
    SetFocus(page);
  post(page, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void OnKeyDown(HWND button, WPARAM key, PostProc post) {
  if (key == VK_TAB) {
    keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    g_bFocusArrived = false;
    return;
  }
  if (key == VK_RETURN) {
    Click(button, post);
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
                            WNDPROC previous, CallPrevious call, PostProc post) {
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
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_USERDATA));
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcA,
                             PostMessageA);
}

LRESULT CALLBACK CommandButtonProcW(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_USERDATA));
  return HandleButtonMessage(button, message, wParam, lParam, previous, CallWindowProcW,
                             PostMessageW);
}

}  // namespace

void SubclassCommandButton(HWND button, bool ansi) {
  if (button == nullptr)
    return;
  if (ansi) {
    LONG_PTR previous =
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandButtonProcA));
    SetWindowLongPtrA(button, GWLP_USERDATA, previous);
  } else {
    LONG_PTR previous =
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandButtonProcW));
    SetWindowLongPtrW(button, GWLP_USERDATA, previous);
  }
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
