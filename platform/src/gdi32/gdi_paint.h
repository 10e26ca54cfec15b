// Plain painting into a DC's bitmap, in logical coordinates, clipped to the DC's drawable area.
#pragma once

#include "gdi_objects.h"

namespace winplat::gdi {

// The logical rectangle moved to bitmap coordinates and cut by the drawable area; may be empty.
RECT ToBitmapRect(const Dc &dc, const RECT &logical);
bool IsEmpty(const RECT &rect);
RECT Intersect(const RECT &a, const RECT &b);

void FillArea(Dc &dc, const RECT &logical, COLORREF color);
// Sets one pixel given in logical coordinates when it is drawable.
void Plot(Dc &dc, int x, int y, COLORREF color);

}  // namespace winplat::gdi
