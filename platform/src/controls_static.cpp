// The static control: a text label aligned left, centred or right (SS_LEFT, SS_CENTER,
// SS_RIGHT), drawn on the dialog colour.
#include "controls_common.h"

namespace {

using namespace winplat::controls;

UINT AlignmentOf(HWND hwnd) {
  switch (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) {
    case SS_CENTER:
      return DT_CENTER;
    case SS_RIGHT:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

void Paint(HWND hwnd) {
  const PaintScope paint(hwnd);
  if (paint.dc() == nullptr)
    return;
  RECT area = paint.client();
  FillColor(paint.dc(), area, COLOR_BTNFACE);
  SetTextColor(paint.dc(), GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  DrawTextW(paint.dc(), text.c_str(), length, &area, AlignmentOf(hwnd));
}

}  // namespace

namespace winplat::controls {

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(hwnd, msg, wParam, lParam, result))
    return result;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    default:
      return CommonControlMessage(hwnd, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls
