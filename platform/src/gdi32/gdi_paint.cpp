// Plain painting into a DC's bitmap, clipped to its drawable area.
#include "gdi_paint.h"

#include <algorithm>

namespace winplat::gdi {

bool IsEmpty(const RECT &rect) {
  return rect.left >= rect.right || rect.top >= rect.bottom;
}

RECT Intersect(const RECT &a, const RECT &b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

RECT ToBitmapRect(const Dc &dc, const RECT &logical) {
  const RECT moved{logical.left + dc.origin.x, logical.top + dc.origin.y,
                   logical.right + dc.origin.x, logical.bottom + dc.origin.y};
  return Intersect(moved, dc.DrawableArea());
}

void FillArea(Dc &dc, const RECT &logical, COLORREF color) {
  const RECT area = ToBitmapRect(dc, logical);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      dc.state.bitmap->Set(x, y, color);
}

void Plot(Dc &dc, int x, int y, COLORREF color) {
  FillArea(dc, RECT{x, y, x + 1, y + 1}, color);
}

}  // namespace winplat::gdi
