// Helpers shared by the controls, and the registration of the predefined window classes.
#include "controls_common.h"

#include <winnls.h>

#include <algorithm>

#include "dialog_manager.h"
#include "winplat/text.h"

namespace winplat::controls {

LRESULT CommonControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                             void (*paint)(HWND)) {
  switch (msg) {
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETTEXT:
      InvalidateRect(hwnd, nullptr, TRUE);
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint(hwnd);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

bool HandleFont(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  user::Window *window = user::Find(hwnd);
  if (msg == WM_SETFONT) {
    window->font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam) != 0)
      InvalidateRect(hwnd, nullptr, TRUE);
    result = 0;
    return true;
  }
  if (msg == WM_GETFONT) {
    result = reinterpret_cast<LRESULT>(window->font);
    return true;
  }
  return false;
}

PaintScope::PaintScope(HWND hwnd) : hwnd_(hwnd) {
  BeginPaint(hwnd, &paint_);
  GetClientRect(hwnd, &client_);
  if (paint_.hdc == nullptr)
    return;
  const user::Window *window = user::Find(hwnd);
  const HGDIOBJ font = window->font != nullptr ? static_cast<HGDIOBJ>(window->font)
                                               : GetStockObject(DEFAULT_GUI_FONT);
  previousFont_ = SelectObject(paint_.hdc, font);
  SetBkMode(paint_.hdc, TRANSPARENT);
  SetTextColor(paint_.hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

PaintScope::~PaintScope() {
  if (paint_.hdc != nullptr)
    SelectObject(paint_.hdc, previousFont_);
  EndPaint(hwnd_, &paint_);
}

int LineHeight(HWND hwnd) {
  const HDC dc = GetDC(hwnd);
  const HFONT font = user::Find(hwnd)->font;
  const HGDIOBJ previous = SelectObject(
      dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return metrics.tmHeight;
}

void FillColor(HDC dc, const RECT &rect, int color) {
  FillRect(dc, &rect, GetSysColorBrush(color));
}

void DrawEdge3D(HDC dc, const RECT &rect, bool raised) {
  const int outerLight = raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
  const int outerDark = raised ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT;
  const int innerLight = raised ? COLOR_3DLIGHT : COLOR_3DDKSHADOW;
  const int innerDark = raised ? COLOR_BTNSHADOW : COLOR_3DLIGHT;
  const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  FillColor(dc, RECT{l, b - 1, r, b}, outerDark);
  FillColor(dc, RECT{r - 1, t, r, b}, outerDark);
  FillColor(dc, RECT{l, t, r - 1, t + 1}, outerLight);
  FillColor(dc, RECT{l, t, l + 1, b - 1}, outerLight);
  FillColor(dc, RECT{l + 1, b - 2, r - 1, b - 1}, innerDark);
  FillColor(dc, RECT{r - 2, t + 1, r - 1, b - 1}, innerDark);
  FillColor(dc, RECT{l + 1, t + 1, r - 2, t + 2}, innerLight);
  FillColor(dc, RECT{l + 1, t + 1, l + 2, b - 2}, innerLight);
}

size_t CopyOut(const std::u16string &text, LPWSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0)
    return 0;
  const size_t count = std::min(text.size(), static_cast<size_t>(capacity) - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = u'\0';
  return count;
}

size_t CopyOut(const std::u16string &text, LPSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0)
    return 0;
  const std::string ansi = MultiByteFromWide(CP_ACP, text);
  const size_t count = std::min(ansi.size(), static_cast<size_t>(capacity) - 1);
  std::copy_n(ansi.data(), count, buffer);
  buffer[count] = '\0';
  return count;
}

}  // namespace winplat::controls

namespace winplat::user {

void RegisterSystemClasses() {
  static const bool registered = [] {
    const struct {
      const char16_t *name;
      WNDPROC proc;
      int extra;
    } kClasses[] = {
        {u"Button", controls::ButtonProc, 0},
        {u"Static", controls::StaticProc, 0},
        {u"Edit", controls::EditProc, 0},
        {u"#32770", DefDlgProcW, DLGWINDOWEXTRA},
        {u"ListBox", controls::ListBoxProc, 0},
        {u"ComboBox", controls::ComboBoxProc, 0},
        {u"SysListView32", controls::listview::ListViewProc, 0},
        {u"SysTreeView32", controls::treeview::TreeViewProc, 0},
    };
    for (const auto &entry : kClasses) {
      WindowClass windowClass;
      windowClass.name = entry.name;
      windowClass.proc = entry.proc;
      windowClass.windowExtra = entry.extra;
      windowClass.style = CS_GLOBALCLASS;
      RegisterSystemClass(std::move(windowClass));
    }
    return true;
  }();
  (void)registered;
}

}  // namespace winplat::user
