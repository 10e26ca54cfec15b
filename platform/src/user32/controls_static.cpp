// The static control: a text label aligned left, centred or right (SS_LEFT, SS_CENTER,
// SS_RIGHT; SS_NOPREFIX shows "&" as it is), drawn on the dialog colour, or an etched line or
// frame (SS_ETCHEDHORZ, SS_ETCHEDVERT, SS_ETCHEDFRAME): a shadow line with a highlight beside it.
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

void PaintEtched(HDC dc, const RECT &area, LONG type) {
  const RECT top{area.left, area.top, area.right, area.top + 1};
  const RECT left{area.left, area.top, area.left + 1, area.bottom};
  const RECT bottom{area.left, area.bottom - 1, area.right, area.bottom};
  const RECT right{area.right - 1, area.top, area.right, area.bottom};
  if (type != SS_ETCHEDVERT) {
    FillColor(dc, top, COLOR_BTNSHADOW);
    FillColor(dc, RECT{area.left, area.top + 1, area.right, area.top + 2}, COLOR_BTNHIGHLIGHT);
  }
  if (type != SS_ETCHEDHORZ) {
    FillColor(dc, left, COLOR_BTNSHADOW);
    FillColor(dc, RECT{area.left + 1, area.top, area.left + 2, area.bottom}, COLOR_BTNHIGHLIGHT);
  }
  if (type == SS_ETCHEDFRAME) {
    FillColor(dc, bottom, COLOR_BTNHIGHLIGHT);
    FillColor(dc, right, COLOR_BTNHIGHLIGHT);
  }
}

void Paint(HWND hwnd) {
  const PaintScope paint(hwnd);
  if (paint.dc() == nullptr)
    return;
  RECT area = paint.client();
  FillColor(paint.dc(), area, COLOR_BTNFACE);
  const LONG style = static_cast<LONG>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const LONG type = style & SS_TYPEMASK;
  if (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT || type == SS_ETCHEDFRAME) {
    PaintEtched(paint.dc(), area, type);
    return;
  }
  SetTextColor(paint.dc(), GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  DrawTextW(paint.dc(), text.c_str(), length, &area,
            AlignmentOf(hwnd) | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
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
