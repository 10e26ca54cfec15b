// USER32 rectangles drawn on GDI device contexts: FillRect with a brush and the dotted focus
// outline of DrawFocusRect.
#include <winbase.h>
#include <winuser.h>

#include "gdi32/gdi_paint.h"

using namespace winplat::gdi;

namespace {

constexpr DWORD kWhite = 0xFFFFFF;

}  // namespace

extern "C" {

int WINAPI FillRect(HDC hDC, CONST RECT *lprc, HBRUSH hbr) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hDC);
  auto brush = LookupAs<Brush>(hbr);
  if (!dc || !brush || !lprc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (brush->color)
    FillArea(*dc, *lprc, *brush->color);
  return 1;
}

// Inverts the outline's pixels whose bitmap coordinates have an even sum: the dotted pattern
// Windows draws with XOR, so drawing it twice restores the pixels.
BOOL WINAPI DrawFocusRect(HDC hDC, CONST RECT *lprc) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hDC);
  if (!dc || !lprc)
    return FALSE;
  const RECT outer = *lprc;
  if (IsEmpty(outer))
    return TRUE;
  Bitmap &bitmap = *dc->state.bitmap;
  const RECT area = dc->DrawableArea();
  auto invert = [&](int lx, int ly) {
    const int x = lx + dc->origin.x, y = ly + dc->origin.y;
    if ((x + y) % 2 != 0 || x < area.left || y < area.top || x >= area.right || y >= area.bottom)
      return;
    bitmap.Set(x, y, bitmap.Get(x, y) ^ kWhite);
  };
  for (int x = outer.left; x < outer.right; ++x) {
    invert(x, outer.top);
    if (outer.bottom - 1 != outer.top)
      invert(x, outer.bottom - 1);
  }
  for (int y = outer.top + 1; y < outer.bottom - 1; ++y) {
    invert(outer.left, y);
    if (outer.right - 1 != outer.left)
      invert(outer.right - 1, y);
  }
  return TRUE;
}

}  // extern "C"
