// Window state and geometry: enabling, showing, the keyboard focus, rectangles and moving.
#include <winbase.h>

#include "user_window.h"

namespace {

using winplat::user::Find;
using winplat::user::Window;

HWND focus = nullptr;

// The offset from a window's rectangle coordinates to the screen.
POINT ParentOrigin(const Window &window) {
  if (window.parent != nullptr && (window.style & WS_CHILD) != 0)
    return winplat::user::ClientOrigin(*window.parent);
  return POINT{0, 0};
}

POINT OriginOf(HWND hwnd) {
  const Window *window = hwnd != nullptr ? Find(hwnd) : nullptr;
  return window != nullptr ? winplat::user::ClientOrigin(*window) : POINT{0, 0};
}

}  // namespace

namespace winplat::user {

void ForgetFocus(HWND hwnd) {
  if (focus == hwnd)
    focus = nullptr;
}

}  // namespace winplat::user

extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return FALSE;
  const BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
  if (bEnable && wasDisabled) {
    window->style &= ~WS_DISABLED;
    SendMessageW(hWnd, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !wasDisabled) {
    window->style |= WS_DISABLED;
    if (focus == hWnd || IsChild(hWnd, focus))
      SetFocus(nullptr);
    SendMessageW(hWnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  const Window *window = Find(hWnd);
  return window != nullptr && (window->style & WS_DISABLED) == 0;
}

extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return FALSE;
  const BOOL wasVisible = (window->style & WS_VISIBLE) != 0;
  const bool show = nCmdShow != SW_HIDE;
  if (show != static_cast<bool>(wasVisible)) {
    SendMessageW(hWnd, WM_SHOWWINDOW, show, 0);
    if (show) {
      window->style |= WS_VISIBLE;
      window->needsPaint = true;
    } else {
      window->style &= ~WS_VISIBLE;
      if (focus == hWnd || IsChild(hWnd, focus))
        SetFocus(nullptr);
    }
  }
  return wasVisible;
}

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) {
  for (const Window *window = Find(hWnd); window != nullptr; window = window->parent) {
    if ((window->style & WS_VISIBLE) == 0)
      return FALSE;
    if ((window->style & WS_CHILD) == 0)
      return TRUE;
  }
  return FALSE;
}

extern "C" HWND WINAPI GetFocus(void) {
  return focus;
}

extern "C" HWND WINAPI SetFocus(HWND hWnd) {
  if (hWnd != nullptr) {
    const Window *window = Find(hWnd);
    if (window == nullptr || (window->style & WS_DISABLED) != 0)
      return nullptr;
  }
  const HWND previous = focus;
  if (previous == hWnd)
    return previous;
  focus = hWnd;
  if (previous != nullptr && Find(previous) != nullptr)
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  if (hWnd != nullptr && focus == hWnd)
    SendMessageW(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  const Window *window = Find(hWnd);
  if (window == nullptr || lpRect == nullptr)
    return FALSE;
  const POINT origin = ParentOrigin(*window);
  *lpRect = window->rect;
  lpRect->left += origin.x;
  lpRect->right += origin.x;
  lpRect->top += origin.y;
  lpRect->bottom += origin.y;
  return TRUE;
}

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  const Window *window = Find(hWnd);
  if (window == nullptr || lpRect == nullptr)
    return FALSE;
  const RECT insets = winplat::user::NonClientInsets(window->style, window->exStyle);
  const LONG width = window->rect.right - window->rect.left - insets.left - insets.right;
  const LONG height = window->rect.bottom - window->rect.top - insets.top - insets.bottom;
  *lpRect = RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
  return TRUE;
}

extern "C" int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  if ((hWndFrom != nullptr && Find(hWndFrom) == nullptr) ||
      (hWndTo != nullptr && Find(hWndTo) == nullptr))
    return 0;
  const POINT from = OriginOf(hWndFrom);
  const POINT to = OriginOf(hWndTo);
  const LONG dx = from.x - to.x;
  const LONG dy = from.y - to.y;
  for (UINT i = 0; i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  SetLastError(0);
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

extern "C" BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  return lpPoint != nullptr && Find(hWnd) != nullptr &&
         (MapWindowPoints(nullptr, hWnd, lpPoint, 1), TRUE);
}

extern "C" BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  return lpPoint != nullptr && Find(hWnd) != nullptr &&
         (MapWindowPoints(hWnd, nullptr, lpPoint, 1), TRUE);
}

extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return FALSE;
  const RECT old = window->rect;
  if ((uFlags & SWP_NOMOVE) == 0) {
    window->rect.right += X - window->rect.left;
    window->rect.bottom += Y - window->rect.top;
    window->rect.left = X;
    window->rect.top = Y;
  }
  if ((uFlags & SWP_NOSIZE) == 0) {
    window->rect.right = window->rect.left + (cx > 0 ? cx : 0);
    window->rect.bottom = window->rect.top + (cy > 0 ? cy : 0);
  }
  const bool moved = old.left != window->rect.left || old.top != window->rect.top;
  const bool sized = old.right - old.left != window->rect.right - window->rect.left ||
                     old.bottom - old.top != window->rect.bottom - window->rect.top;
  if (sized) {
    RECT client;
    GetClientRect(hWnd, &client);
    SendMessageW(hWnd, WM_SIZE, SIZE_RESTORED, MAKELONG(client.right, client.bottom));
  }
  if (moved && Find(hWnd) != nullptr)
    SendMessageW(hWnd, WM_MOVE, 0, winplat::user::ClientPosition(*window));
  if ((uFlags & SWP_SHOWWINDOW) != 0)
    ShowWindow(hWnd, SW_SHOW);
  if ((uFlags & SWP_HIDEWINDOW) != 0)
    ShowWindow(hWnd, SW_HIDE);
  return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}
