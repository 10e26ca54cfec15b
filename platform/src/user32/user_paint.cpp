// Painting: window DCs drawing into the current surface, BeginPaint/EndPaint, invalidation.
#include <algorithm>

#include "gdi32/gdi_surface.h"
#include "user_paint.h"
#include "user_window.h"

namespace {

using winplat::user::Find;
using winplat::user::Window;

winplat::user::PaintTarget *currentTarget = nullptr;

HBITMAP ScreenSurface() {
  static HBITMAP screen =
      winplat::gdi::CreateSurface(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return screen;
}

RECT Intersect(const RECT &a, const RECT &b) {
  RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  if (result.right < result.left)
    result.right = result.left;
  if (result.bottom < result.top)
    result.bottom = result.top;
  return result;
}

// A window's client area in screen coordinates, cut by the client areas of its parents.
RECT VisibleClient(const Window &window) {
  RECT client;
  GetClientRect(window.handle, &client);
  const POINT origin = winplat::user::ClientOrigin(window);
  RECT visible{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  if (window.parent != nullptr && (window.style & WS_CHILD) != 0)
    visible = Intersect(visible, VisibleClient(*window.parent));
  return visible;
}

RECT Offset(RECT rect, POINT by) {
  rect.left -= by.x;
  rect.right -= by.x;
  rect.top -= by.y;
  rect.bottom -= by.y;
  return rect;
}

}  // namespace

namespace winplat::user {

ScopedPaintTarget::ScopedPaintTarget(HBITMAP surface, POINT screenOrigin)
    : target_{surface, screenOrigin}, previous_(currentTarget) {
  currentTarget = &target_;
}

ScopedPaintTarget::~ScopedPaintTarget() {
  currentTarget = previous_;
}

HDC WindowDC(const RECT &screenArea, POINT screenOrigin) {
  const HBITMAP surface = currentTarget != nullptr ? currentTarget->surface : ScreenSurface();
  const POINT base = currentTarget != nullptr ? currentTarget->screenOrigin : POINT{0, 0};
  const POINT origin{screenOrigin.x - base.x, screenOrigin.y - base.y};
  return winplat::gdi::CreateTargetDC(surface, origin, Offset(screenArea, base));
}

HDC ClientDC(const Window &window) {
  return WindowDC(VisibleClient(window), ClientOrigin(window));
}

LRESULT EraseBackground(Window &window, HDC dc) {
  if (window.windowClass == nullptr || window.windowClass->background == nullptr || dc == nullptr)
    return 0;
  RECT client;
  GetClientRect(window.handle, &client);
  FillRect(dc, &client, window.windowClass->background);
  return 1;
}

LRESULT ValidateByPainting(HWND hwnd) {
  PAINTSTRUCT paint;
  if (BeginPaint(hwnd, &paint) != nullptr)
    EndPaint(hwnd, &paint);
  return 0;
}

}  // namespace winplat::user

extern "C" HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  Window *window = Find(hWnd);
  if (window == nullptr || lpPaint == nullptr)
    return nullptr;
  *lpPaint = PAINTSTRUCT{};
  lpPaint->hdc = winplat::user::ClientDC(*window);
  GetClientRect(hWnd, &lpPaint->rcPaint);
  if (window->needsErase && lpPaint->hdc != nullptr)
    lpPaint->fErase =
        SendMessageW(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(lpPaint->hdc), 0) == 0;
  window->needsErase = false;
  window->needsPaint = false;
  return lpPaint->hdc;
}

extern "C" BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT *lpPaint) {
  if (lpPaint != nullptr && lpPaint->hdc != nullptr)
    DeleteDC(lpPaint->hdc);
  return TRUE;
}

extern "C" HDC WINAPI GetDC(HWND hWnd) {
  if (hWnd == nullptr)
    return winplat::gdi::CreateScreenDC();
  const Window *window = Find(hWnd);
  return window != nullptr ? winplat::user::ClientDC(*window) : nullptr;
}

extern "C" int WINAPI ReleaseDC(HWND, HDC hDC) {
  return hDC != nullptr && DeleteDC(hDC) ? 1 : 0;
}

extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *, BOOL bErase) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return FALSE;
  window->needsPaint = true;
  window->needsErase = window->needsErase || bErase;
  return TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hWnd) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return FALSE;
  if (window->needsPaint && IsWindowVisible(hWnd))
    SendMessageW(hWnd, WM_PAINT, 0, 0);
  return TRUE;
}
