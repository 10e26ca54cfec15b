// The dialog class's window procedure (DefDlgProc), the keyboard interface of dialogs
// (IsDialogMessage), EndDialog and dialog units.
#include "dialog_manager.h"

#include <winbase.h>
#include <winuser.h>

namespace {

using winplat::dialog::DialogState;

// Messages whose dialog-procedure result is returned as is instead of DWLP_MSGRESULT.
bool ReturnsProcResult(UINT msg) {
  switch (msg) {
    case WM_INITDIALOG:
    case 0x0019:  // WM_CTLCOLOR
    case 0x0132:  // WM_CTLCOLORMSGBOX
    case 0x0133:  // WM_CTLCOLOREDIT
    case 0x0134:  // WM_CTLCOLORLISTBOX
    case 0x0135:  // WM_CTLCOLORBTN
    case 0x0136:  // WM_CTLCOLORDLG
    case 0x0137:  // WM_CTLCOLORSCROLLBAR
    case 0x0138:  // WM_CTLCOLORSTATIC
    case 0x0039:  // WM_COMPAREITEM
    case 0x002E:  // WM_VKEYTOITEM
    case 0x002F:  // WM_CHARTOITEM
    case 0x0037:  // WM_QUERYDRAGICON
      return true;
    default:
      return false;
  }
}

LRESULT DefaultIdOf(HWND dialog) {
  const DialogState *state = winplat::dialog::StateOf(dialog);
  if (state == nullptr || !state->hasDefault)
    return 0;
  return MAKELONG(state->defaultId, DC_HASDEFID);
}

// DM_SETDEFID: the new default push button takes BS_DEFPUSHBUTTON, the old one loses it.
LRESULT SetDefaultId(HWND dialog, WORD id) {
  DialogState *state = winplat::dialog::StateOf(dialog);
  if (state == nullptr)
    return FALSE;
  if (state->hasDefault) {
    const HWND old = GetDlgItem(dialog, state->defaultId);
    if (old != nullptr && SendMessageW(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
      SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  }
  state->defaultId = id;
  state->hasDefault = true;
  const HWND button = GetDlgItem(dialog, id);
  if (button != nullptr && SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)
    SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  return TRUE;
}

bool IsTabStop(HWND control) {
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  return (style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0;
}

// The next (or previous) tab stop after `from` among the dialog's controls, wrapping around.
HWND NextTabStop(HWND dialog, HWND from, bool backwards) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    controls.push_back(child);
  if (controls.empty())
    return nullptr;
  size_t at = controls.size() - 1;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == from || IsChild(controls[i], from))
      at = i;
  }
  if (from == nullptr && backwards)
    at = 0;
  for (size_t step = 1; step <= controls.size(); ++step) {
    const size_t i =
        backwards ? (at + controls.size() - step) % controls.size() : (at + step) % controls.size();
    if (IsTabStop(controls[i]))
      return controls[i];
  }
  return nullptr;
}

void FocusControl(HWND control) {
  SetFocus(control);
  if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(control, EM_SETSEL, 0, -1);
}

// A dialog given the focus hands it on to its saved control while that can take it, else to its
// first tab stop; a dialog without one keeps it.
void RestoreFocus(HWND dialog) {
  const DialogState *state = winplat::dialog::StateOf(dialog);
  HWND target = state != nullptr ? state->savedFocus : nullptr;
  if (target == nullptr || !IsChild(dialog, target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target))
    target = NextTabStop(dialog, nullptr, false);
  if (target != nullptr)
    FocusControl(target);
}

LRESULT DefaultProcessing(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(dialog, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_SETFOCUS:
      RestoreFocus(dialog);
      return 0;
    case WM_CLOSE:
      PostMessageW(dialog, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return 0;
    case DM_GETDEFID:
      return DefaultIdOf(dialog);
    case DM_SETDEFID:
      return SetDefaultId(dialog, static_cast<WORD>(wParam));
    case WM_SETFONT:
      if (DialogState *state = winplat::dialog::StateOf(dialog))
        state->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT: {
      const DialogState *state = winplat::dialog::StateOf(dialog);
      return reinterpret_cast<LRESULT>(state != nullptr ? state->font : nullptr);
    }
    default:
      return DefWindowProcW(dialog, msg, wParam, lParam);
  }
}

// Enter: the focused push button, else the default button, else IDOK.
void PressEnter(HWND dialog, HWND focus, LRESULT focusCode) {
  WORD id = IDOK;
  if (focus != nullptr && (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
    id = static_cast<WORD>(GetDlgCtrlID(focus));
  } else {
    const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID)
      id = LOWORD(defaultId);
  }
  const HWND button = GetDlgItem(dialog, id);
  if (button == nullptr || IsWindowEnabled(button))
    SendMessageW(dialog, WM_COMMAND, MAKELONG(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// A key the dialog manager takes itself (Tab, Enter, Escape) unless the control wants it.
bool HandleDialogKey(HWND dialog, const MSG &msg) {
  const HWND focus = IsChild(dialog, msg.hwnd) ? msg.hwnd : nullptr;
  const LRESULT code = focus != nullptr ? SendMessageW(focus, WM_GETDLGCODE, msg.wParam,
                                                       reinterpret_cast<LPARAM>(&msg))
                                        : 0;
  switch (msg.wParam) {
    case VK_TAB:
      if ((code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0)
        return false;
      if (const HWND next = NextTabStop(dialog, focus, GetKeyState(VK_SHIFT) < 0))
        FocusControl(next);
      return true;
    case VK_RETURN:
      if ((code & DLGC_WANTALLKEYS) != 0)
        return false;
      PressEnter(dialog, focus, code);
      return true;
    case VK_ESCAPE:
      if ((code & DLGC_WANTALLKEYS) != 0)
        return false;
      SendMessageW(dialog, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return true;
    default:
      return false;
  }
}

}  // namespace

namespace winplat::dialog {

DialogState::~DialogState() {
  if (ownsFont && font != nullptr)
    DeleteObject(font);
}

DialogState *StateOf(HWND dialog) {
  user::Window *window = user::Find(dialog);
  if (window == nullptr || window->windowClass == nullptr ||
      window->windowClass->proc != DefDlgProcW || !window->state)
    return nullptr;
  return static_cast<DialogState *>(window->state.get());
}

}  // namespace winplat::dialog

extern "C" LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hDlg, DWLP_DLGPROC));
  if (proc != nullptr) {
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, 0);
    const INT_PTR handled = proc(hDlg, Msg, wParam, lParam);
    if (handled != 0 || !IsWindow(hDlg)) {
      if (ReturnsProcResult(Msg) || !IsWindow(hDlg))
        return handled;
      return GetWindowLongPtrW(hDlg, DWLP_MSGRESULT);
    }
  }
  if (Msg == WM_NOTIFYFORMAT && lParam == NF_QUERY) {
    const winplat::dialog::DialogState *state = winplat::dialog::StateOf(hDlg);
    return state != nullptr && state->ansi ? NFR_ANSI : NFR_UNICODE;
  }
  return DefaultProcessing(hDlg, Msg, wParam, lParam);
}

extern "C" BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg) {
  if (lpMsg == nullptr || hDlg == nullptr || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
    return FALSE;
  if (lpMsg->message == WM_KEYDOWN && HandleDialogKey(hDlg, *lpMsg))
    return TRUE;
  TranslateMessage(lpMsg);
  DispatchMessageW(lpMsg);
  return TRUE;
}

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  winplat::dialog::DialogState *state = winplat::dialog::StateOf(hDlg);
  if (state == nullptr) {
    SetLastError(ERROR_WINDOW_NOT_DIALOG);
    return FALSE;
  }
  state->ended = true;
  state->result = nResult;
  ShowWindow(hDlg, SW_HIDE);
  return TRUE;
}

extern "C" BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  const winplat::dialog::DialogState *state = winplat::dialog::StateOf(hDlg);
  if (state == nullptr || lpRect == nullptr) {
    SetLastError(ERROR_WINDOW_NOT_DIALOG);
    return FALSE;
  }
  lpRect->left = MulDiv(lpRect->left, state->baseX, 4);
  lpRect->right = MulDiv(lpRect->right, state->baseX, 4);
  lpRect->top = MulDiv(lpRect->top, state->baseY, 8);
  lpRect->bottom = MulDiv(lpRect->bottom, state->baseY, 8);
  return TRUE;
}

extern "C" LONG WINAPI GetDialogBaseUnits(void) {
  const winplat::dialog::DialogState standard;
  return MAKELONG(standard.baseX, standard.baseY);
}
