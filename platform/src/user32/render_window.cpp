// RenderWindow: paints a window tree into a bitmap, frames and captions included, so that a
// person or a test can look at it.
#include "gdi32/gdi_surface.h"
#include "user_paint.h"
#include "user_window.h"

namespace {

using winplat::user::Find;
using winplat::user::Window;

RECT ScreenRect(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  return rect;
}

void Fill(HDC dc, RECT rect, int color) {
  FillRect(dc, &rect, GetSysColorBrush(color));
}

// The frame, the caption and the client edge, in the classic colours.
void PaintNonClient(const Window &window) {
  const RECT insets = winplat::user::NonClientInsets(window.style, window.exStyle);
  if (insets.left == 0 && insets.top == 0)
    return;
  const RECT screen = ScreenRect(window.handle);
  HDC dc = winplat::user::WindowDC(screen, POINT{screen.left, screen.top});
  if (dc == nullptr)
    return;
  const LONG width = screen.right - screen.left;
  const LONG height = screen.bottom - screen.top;
  if ((window.style & WS_CAPTION) == WS_CAPTION || (window.style & WS_DLGFRAME) != 0) {
    Fill(dc, RECT{0, 0, width, height}, COLOR_3DDKSHADOW);
    Fill(dc, RECT{0, 0, width - 1, height - 1}, COLOR_BTNHIGHLIGHT);
    Fill(dc, RECT{1, 1, width - 1, height - 1}, COLOR_BTNSHADOW);
    Fill(dc, RECT{1, 1, width - 2, height - 2}, COLOR_BTNFACE);
  } else if ((window.style & WS_BORDER) != 0) {
    Fill(dc, RECT{0, 0, width, height}, COLOR_WINDOWFRAME);
  }
  if ((window.style & WS_CAPTION) == WS_CAPTION) {
    const int edge = GetSystemMetrics(SM_CXDLGFRAME);
    RECT caption{edge, edge, width - edge, edge + GetSystemMetrics(SM_CYCAPTION) - 1};
    Fill(dc, caption, COLOR_ACTIVECAPTION);
    caption.left += 4;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, window.text.c_str(), static_cast<int>(window.text.size()), &caption,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
  }
  DeleteDC(dc);
}

void PaintTree(HWND hwnd) {
  Window *window = Find(hwnd);
  if (window == nullptr || (window->style & WS_VISIBLE) == 0)
    return;
  PaintNonClient(*window);
  window->needsErase = true;
  SendMessageW(hwnd, WM_PAINT, 0, 0);
  window = Find(hwnd);
  if (window == nullptr)
    return;
  const std::vector<Window *> children = window->children;
  for (auto child = children.rbegin(); child != children.rend(); ++child)
    PaintTree((*child)->handle);
}

}  // namespace

namespace winplat {

HBITMAP RenderWindow(HWND hwnd) {
  if (Find(hwnd) == nullptr || !IsWindowVisible(hwnd))
    return nullptr;
  const RECT screen = ScreenRect(hwnd);
  HBITMAP surface = gdi::CreateSurface(screen.right - screen.left, screen.bottom - screen.top);
  if (surface == nullptr)
    return nullptr;
  const user::ScopedPaintTarget target(surface, POINT{screen.left, screen.top});
  PaintTree(hwnd);
  return surface;
}

bool RenderWindowPng(HWND hwnd, const std::string &path) {
  HBITMAP bitmap = RenderWindow(hwnd);
  if (bitmap == nullptr)
    return false;
  const bool written = gdi::WritePng(bitmap, path);
  DeleteObject(bitmap);
  return written;
}

}  // namespace winplat
