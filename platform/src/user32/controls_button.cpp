// The button control: push buttons, check boxes, radio buttons and group boxes.
#include "controls_common.h"

namespace {

using namespace winplat::controls;

struct ButtonState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool focused = false;
};

DWORD TypeOf(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsCheckBox(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
         type == BS_AUTO3STATE;
}

bool IsRadio(DWORD type) {
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsPush(DWORD type) {
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void SetCheck(HWND hwnd, UINT check) {
  const DWORD type = TypeOf(hwnd);
  if (!IsCheckBox(type) && !IsRadio(type))
    return;
  const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
  ButtonState &state = StateOf<ButtonState>(hwnd);
  state.check = check == BST_INDETERMINATE && !threeState ? BST_CHECKED : check;
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The siblings of a radio button's group: from the WS_GROUP at or before it to the next one.
void UncheckGroupOf(HWND hwnd) {
  HWND first = hwnd;
  while ((GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP) == 0) {
    const HWND previous = GetWindow(first, GW_HWNDPREV);
    if (previous == nullptr)
      break;
    first = previous;
  }
  for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != first && (GetWindowLongPtrW(sibling, GWL_STYLE) & WS_GROUP) != 0)
      break;
    if (sibling != hwnd && TypeOf(sibling) == BS_AUTORADIOBUTTON)
      SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void Click(HWND hwnd) {
  if (!IsWindowEnabled(hwnd))
    return;
  const UINT check = StateOf<ButtonState>(hwnd).check;
  switch (TypeOf(hwnd)) {
    case BS_AUTOCHECKBOX:
      SetCheck(hwnd, check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      break;
    case BS_AUTO3STATE:
      SetCheck(hwnd, (check + 1) % 3);
      break;
    case BS_AUTORADIOBUTTON:
      SetCheck(hwnd, BST_CHECKED);
      UncheckGroupOf(hwnd);
      break;
    default:
      break;
  }
  winplat::user::NotifyParent(hwnd, BN_CLICKED);
}

LRESULT DialogCode(HWND hwnd) {
  const DWORD type = TypeOf(hwnd);
  if (type == BS_GROUPBOX)
    return DLGC_STATIC;
  if (IsRadio(type))
    return DLGC_BUTTON | DLGC_RADIOBUTTON;
  if (type == BS_DEFPUSHBUTTON)
    return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
  if (type == BS_PUSHBUTTON)
    return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
  return DLGC_BUTTON;
}

void DrawLabel(const PaintScope &paint, HWND hwnd, RECT area, UINT format) {
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  DrawTextW(paint.dc(), text.c_str(), length, &area, format | DT_SINGLELINE | DT_VCENTER);
}

void PaintPush(const PaintScope &paint, HWND hwnd, const ButtonState &state) {
  RECT frame = paint.client();
  FillColor(paint.dc(), frame, COLOR_BTNFACE);
  if (TypeOf(hwnd) == BS_DEFPUSHBUTTON) {
    FillColor(paint.dc(), frame, COLOR_WINDOWFRAME);
    frame = RECT{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    FillColor(paint.dc(), frame, COLOR_BTNFACE);
  }
  DrawEdge3D(paint.dc(), frame, !state.pushed);
  DrawLabel(paint, hwnd, frame, DT_CENTER);
  if (state.focused) {
    const RECT focus{frame.left + 3, frame.top + 3, frame.right - 3, frame.bottom - 3};
    DrawFocusRect(paint.dc(), &focus);
  }
}

// A 13-pixel box at the left, its mark (a check or a dot) and the label to its right.
void PaintCheck(const PaintScope &paint, HWND hwnd, const ButtonState &state) {
  constexpr int kBox = 13;
  const RECT &client = paint.client();
  FillColor(paint.dc(), client, COLOR_BTNFACE);
  const LONG top = (client.bottom - kBox) / 2;
  const RECT box{0, top, kBox, top + kBox};
  FillColor(paint.dc(), box, COLOR_WINDOW);
  DrawEdge3D(paint.dc(), box, false);
  if (state.check != BST_UNCHECKED) {
    const int mark = state.check == BST_CHECKED ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
    if (IsRadio(TypeOf(hwnd))) {
      FillColor(paint.dc(), RECT{4, top + 4, 9, top + 9}, mark);
    } else {
      for (LONG x = 3; x <= 9; ++x) {
        const LONG y = x <= 5 ? top + 5 + (x - 3) : top + 7 - (x - 5);
        FillColor(paint.dc(), RECT{x, y, x + 1, y + 3}, mark);
      }
    }
  }
  DrawLabel(paint, hwnd, RECT{kBox + 4, client.top, client.right, client.bottom}, DT_LEFT);
  if (state.focused) {
    const RECT focus{kBox + 2, client.top, client.right, client.bottom};
    DrawFocusRect(paint.dc(), &focus);
  }
}

void PaintGroup(const PaintScope &paint, HWND hwnd) {
  const RECT &client = paint.client();
  FillColor(paint.dc(), client, COLOR_BTNFACE);
  const RECT frame{client.left, client.top + 6, client.right, client.bottom};
  FillColor(paint.dc(), RECT{frame.left, frame.top, frame.right, frame.top + 1}, COLOR_BTNSHADOW);
  FillColor(paint.dc(), RECT{frame.left, frame.top, frame.left + 1, frame.bottom}, COLOR_BTNSHADOW);
  FillColor(paint.dc(), RECT{frame.left, frame.bottom - 1, frame.right, frame.bottom},
            COLOR_BTNSHADOW);
  FillColor(paint.dc(), RECT{frame.right - 1, frame.top, frame.right, frame.bottom},
            COLOR_BTNSHADOW);
  DrawLabel(paint, hwnd, RECT{8, client.top, client.right - 8, client.top + 13}, DT_LEFT);
}

void Paint(HWND hwnd) {
  const PaintScope paint(hwnd);
  if (paint.dc() == nullptr)
    return;
  const ButtonState &state = StateOf<ButtonState>(hwnd);
  const DWORD type = TypeOf(hwnd);
  if (type == BS_GROUPBOX)
    PaintGroup(paint, hwnd);
  else if (IsPush(type))
    PaintPush(paint, hwnd, state);
  else
    PaintCheck(paint, hwnd, state);
}

void SetFocused(HWND hwnd, bool focused) {
  StateOf<ButtonState>(hwnd).focused = focused;
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT SetStyle(HWND hwnd, WPARAM style) {
  const LONG_PTR current = GetWindowLongPtrW(hwnd, GWL_STYLE);
  SetWindowLongPtrW(hwnd, GWL_STYLE, (current & ~BS_TYPEMASK) | (style & BS_TYPEMASK));
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

}  // namespace

namespace winplat::controls {

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(hwnd, msg, wParam, lParam, result))
    return result;
  switch (msg) {
    case BM_GETCHECK:
      return StateOf<ButtonState>(hwnd).check;
    case BM_SETCHECK:
      SetCheck(hwnd, static_cast<UINT>(wParam));
      return 0;
    case BM_GETSTATE: {
      const ButtonState &state = StateOf<ButtonState>(hwnd);
      return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
    }
    case BM_SETSTATE:
      StateOf<ButtonState>(hwnd).pushed = wParam != 0;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case BM_SETSTYLE:
      return SetStyle(hwnd, wParam);
    case BM_CLICK:
      Click(hwnd);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE)
        Click(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_SETFOCUS:
      SetFocused(hwnd, true);
      return 0;
    case WM_KILLFOCUS:
      SetFocused(hwnd, false);
      return 0;
    default:
      return CommonControlMessage(hwnd, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls
