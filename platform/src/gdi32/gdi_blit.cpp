// Raster operations: BitBlt and PatBlt with ternary ROP codes, and Rectangle drawn with the DC's
// pen and brush.
#include <winbase.h>

#include <algorithm>

#include "gdi_paint.h"

using namespace winplat::gdi;

namespace {

constexpr DWORD kWhite = 0xFFFFFF;

bool UsesSource(DWORD rop) {
  return (((rop >> 2) ^ rop) & 0x330000) != 0;
}
bool UsesPattern(DWORD rop) {
  return (((rop >> 4) ^ rop) & 0x0F0000) != 0;
}

// The ternary ROP's result, bit by bit: bit (P<<2 | S<<1 | D) of the code's index byte.
DWORD ApplyRop(DWORD rop, DWORD p, DWORD s, DWORD d) {
  const DWORD index = (rop >> 16) & 0xFF;
  DWORD result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(index & (1u << i)))
      continue;
    const DWORD pm = (i & 4) ? p : ~p;
    const DWORD sm = (i & 2) ? s : ~s;
    const DWORD dm = (i & 1) ? d : ~d;
    result |= pm & sm & dm;
  }
  return result & kWhite;
}

// The source pixel as the destination sees it: colour to monochrome makes the source DC's
// background colour white and every other colour black; monochrome to colour makes 0 bits the
// destination's text colour and 1 bits its background colour.
DWORD SourceValue(const Dc &dst, Dc &src, int x, int y) {
  const COLORREF color = src.state.bitmap->Get(x, y);
  const bool dstMono = dst.state.bitmap->bitsPerPixel == 1;
  const bool srcMono = src.state.bitmap->bitsPerPixel == 1;
  if (dstMono && !srcMono)
    return color == (src.state.bkColor & kWhite) ? kWhite : 0;
  if (srcMono && !dstMono)
    return color ? dst.state.bkColor & kWhite : dst.state.textColor & kWhite;
  return color;
}

DWORD PatternValue(const Dc &dst) {
  const COLORREF color = *dst.state.brush->color;
  if (dst.state.bitmap->bitsPerPixel == 1)
    return IsLight(color) ? kWhite : 0;
  return color;
}

BOOL Blit(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  std::lock_guard lock(Lock());
  auto dst = LookupAs<Dc>(hdc);
  auto src = UsesSource(rop) ? LookupAs<Dc>(hdcSrc) : nullptr;
  if (!dst || (UsesSource(rop) && !src)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (UsesPattern(rop) && !dst->state.brush->color)
    return TRUE;
  RECT area = ToBitmapRect(*dst, RECT{x, y, x + cx, y + cy});
  // Offset from destination bitmap coordinates to source bitmap coordinates.
  int sdx = 0, sdy = 0;
  if (src) {
    sdx = x1 + src->origin.x - (x + dst->origin.x);
    sdy = y1 + src->origin.y - (y + dst->origin.y);
    const RECT sourceArea = src->DrawableArea();
    area = Intersect(area, RECT{sourceArea.left - sdx, sourceArea.top - sdy, sourceArea.right - sdx,
                                sourceArea.bottom - sdy});
  }
  const DWORD pattern = UsesPattern(rop) ? PatternValue(*dst) : 0;
  Bitmap &target = *dst->state.bitmap;
  for (int py = area.top; py < area.bottom; ++py) {
    for (int px = area.left; px < area.right; ++px) {
      const DWORD s = src ? SourceValue(*dst, *src, px + sdx, py + sdy) : 0;
      target.Set(px, py, ApplyRop(rop, pattern, s, target.Get(px, py)));
    }
  }
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return Blit(hdc, x, y, cx, cy, hdcSrc, x1, y1, rop);
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  if (UsesSource(rop)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Blit(hdc, x, y, w, h, nullptr, 0, 0, rop);
}

// The pen draws the one-pixel outline of [left,right) x [top,bottom) and the brush fills the
// inside; with the null pen the filled area loses its right column and bottom row, as on Windows.
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const auto &pen = dc->state.pen->color;
  const auto &brush = dc->state.brush->color;
  if (!pen) {
    if (brush)
      FillArea(*dc, RECT{left, top, right - 1, bottom - 1}, *brush);
    return TRUE;
  }
  if (brush)
    FillArea(*dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, *brush);
  FillArea(*dc, RECT{left, top, right, top + 1}, *pen);
  FillArea(*dc, RECT{left, bottom - 1, right, bottom}, *pen);
  FillArea(*dc, RECT{left, top, left + 1, bottom}, *pen);
  FillArea(*dc, RECT{right - 1, top, right, bottom}, *pen);
  return TRUE;
}

}  // extern "C"
