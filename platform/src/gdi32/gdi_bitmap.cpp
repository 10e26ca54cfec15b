// Bitmaps: device-dependent bitmaps, DIB sections, their descriptions and their pixels.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <cstring>

#include "gdi_objects.h"
#include "gdi_surface.h"

using namespace winplat::gdi;

namespace {

HBITMAP Fail(DWORD error) {
  SetLastError(error);
  return nullptr;
}

HBITMAP RegisterBitmap(std::shared_ptr<Bitmap> bitmap) {
  return static_cast<HBITMAP>(Register(std::move(bitmap)));
}

// The row layout a BITMAPINFO describes: 24 or 32 bits, rows padded to 4 bytes.
struct DibLayout {
  int width, height, bitsPerPixel, stride;
  bool topDown;

  // Scan lines are stored in order: line 0 is the bottom row of a bottom-up DIB.
  BYTE *Line(void *bits, int line) const {
    return static_cast<BYTE *>(bits) + size_t(line) * stride;
  }
};

bool LayoutOf(const BITMAPINFOHEADER &header, DibLayout &layout) {
  if (header.biWidth <= 0 || header.biHeight == 0 || header.biPlanes != 1 ||
      header.biCompression != BI_RGB || (header.biBitCount != 24 && header.biBitCount != 32)) {
    return false;
  }
  layout.width = header.biWidth;
  layout.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  layout.bitsPerPixel = header.biBitCount;
  layout.stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
  layout.topDown = header.biHeight < 0;
  return true;
}

void DescribeBitmap(const Bitmap &bitmap, BITMAPINFOHEADER &header) {
  const int bpp = bitmap.bitsPerPixel == 1 ? 1 : bitmap.bitsPerPixel;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = bitmap.width;
  header.biHeight = bitmap.height;
  header.biPlanes = 1;
  header.biBitCount = WORD(bpp);
  header.biCompression = BI_RGB;
  header.biSizeImage = DWORD((bitmap.width * bpp + 31) / 32 * 4 * bitmap.height);
  header.biXPelsPerMeter = header.biYPelsPerMeter = 0;
  header.biClrUsed = header.biClrImportant = 0;
}

// Scan line `line` of a DIB (0 = bottom row for bottom-up, top row for top-down) is bitmap row:
int BitmapRowOfLine(const DibLayout &layout, const Bitmap &bitmap, int line) {
  return layout.topDown ? line : bitmap.height - 1 - line;
}

int ConvertLines(Bitmap &bitmap, UINT start, UINT cLines, void *dib, const DibLayout &layout,
                 bool toDib) {
  const int width = std::min(layout.width, bitmap.width);
  const int lines = std::min<int64_t>(cLines, std::max<int64_t>(0, int64_t(layout.height) - start));
  int done = 0;
  for (int line = int(start); line < int(start) + lines; ++line) {
    const int y = BitmapRowOfLine(layout, bitmap, line);
    if (y < 0 || y >= bitmap.height)
      continue;
    BYTE *row = layout.Line(dib, line);
    // 32-bit rows on both sides hold blue, green, red and a zero byte alike.
    if (bitmap.bitsPerPixel == 32 && layout.bitsPerPixel == 32) {
      BYTE *pixels = bitmap.Row(y);
      std::memcpy(toDib ? row : pixels, toDib ? pixels : row, size_t(width) * 4);
      BYTE *written = toDib ? row : pixels;
      for (int x = 0; x < width; ++x)
        written[x * 4 + 3] = 0;
      ++done;
      continue;
    }
    for (int x = 0; x < width; ++x) {
      BYTE *pixel = row + x * (layout.bitsPerPixel / 8);
      if (toDib) {
        const COLORREF color = bitmap.Get(x, y);
        pixel[0] = GetBValue(color);
        pixel[1] = GetGValue(color);
        pixel[2] = GetRValue(color);
        if (layout.bitsPerPixel == 32)
          pixel[3] = 0;
      } else {
        bitmap.Set(x, y, RGB(pixel[2], pixel[1], pixel[0]));
      }
    }
    ++done;
  }
  return done;
}

bool ToBitmapPoint(const Dc &dc, int &x, int &y) {
  x += dc.origin.x;
  y += dc.origin.y;
  const RECT area = dc.DrawableArea();
  return x >= area.left && y >= area.top && x < area.right && y < area.bottom;
}

int GetObjectCommon(HANDLE h, int c, LPVOID pv, bool wide) {
  std::lock_guard lock(Lock());
  auto object = Lookup(h);
  if (auto bitmap = std::dynamic_pointer_cast<Bitmap>(object)) {
    if (!pv)
      return sizeof(BITMAP);
    if (c < int(sizeof(BITMAP)))
      return 0;
    BITMAP info{0,
                bitmap->width,
                bitmap->height,
                bitmap->stride,
                1,
                WORD(bitmap->bitsPerPixel),
                bitmap->dibSection ? bitmap->bits.data() : nullptr};
    std::memcpy(pv, &info, sizeof info);
    return sizeof(BITMAP);
  }
  if (auto font = std::dynamic_pointer_cast<Font>(object)) {
    if (wide) {
      const int size = std::min<int>(c, sizeof(LOGFONTW));
      if (pv)
        std::memcpy(pv, &font->logFont, size);
      return pv ? size : int(sizeof(LOGFONTW));
    }
    LOGFONTA narrow;
    std::memcpy(&narrow, &font->logFont, offsetof(LOGFONTA, lfFaceName));
    std::memset(narrow.lfFaceName, 0, LF_FACESIZE);
    WideCharToMultiByte(CP_ACP, 0, font->logFont.lfFaceName, -1, narrow.lfFaceName, LF_FACESIZE - 1,
                        nullptr, nullptr);
    const int size = std::min<int>(c, sizeof(LOGFONTA));
    if (pv)
      std::memcpy(pv, &narrow, size);
    return pv ? size : int(sizeof(LOGFONTA));
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return 0;
}

}  // namespace

namespace winplat::gdi {

HBITMAP CreateSurface(int width, int height) {
  if (width < 1 || height < 1)
    return nullptr;
  return RegisterBitmap(std::make_shared<Bitmap>(width, height, 32, true, true));
}

}  // namespace winplat::gdi

extern "C" {

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount,
                            CONST VOID *lpBits) {
  if (nWidth < 0 || nHeight < 0 || nPlanes != 1 ||
      (nBitCount != 1 && nBitCount != 24 && nBitCount != 32)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if (nWidth == 0 || nHeight == 0)
    return static_cast<HBITMAP>(HandleOf(DefaultBitmap().get()));
  auto bitmap = std::make_shared<Bitmap>(nWidth, nHeight, int(nBitCount), false, true);
  if (lpBits)
    std::memcpy(bitmap->bits.data(), lpBits, bitmap->bits.size());
  return RegisterBitmap(bitmap);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc)
    return Fail(ERROR_INVALID_HANDLE);
  const bool mono = dc->state.bitmap->bitsPerPixel == 1;
  return CreateBitmap(cx, cy, 1, mono ? 1 : 32, nullptr);
}

HBITMAP WINAPI CreateDIBSection(HDC, CONST BITMAPINFO *pbmi, UINT usage, VOID **ppvBits,
                                HANDLE hSection, DWORD) {
  DibLayout layout;
  if (!pbmi || usage != DIB_RGB_COLORS || hSection || !LayoutOf(pbmi->bmiHeader, layout))
    return Fail(ERROR_INVALID_PARAMETER);
  auto bitmap = std::make_shared<Bitmap>(layout.width, layout.height, layout.bitsPerPixel, true,
                                         layout.topDown);
  if (ppvBits)
    *ppvBits = bitmap->bits.data();
  return RegisterBitmap(bitmap);
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
  return GetObjectCommon(h, c, pv, false);
}
int WINAPI GetObjectW(HANDLE h, int c, LPVOID pv) {
  return GetObjectCommon(h, c, pv, true);
}

int WINAPI GetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                     UINT usage) {
  std::lock_guard lock(Lock());
  auto bitmap = LookupAs<Bitmap>(hbm);
  if (!bitmap || !lpbmi || usage != DIB_RGB_COLORS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!lpvBits) {
    if (lpbmi->bmiHeader.biBitCount == 0)
      DescribeBitmap(*bitmap, lpbmi->bmiHeader);
    DibLayout layout;
    if (LayoutOf(lpbmi->bmiHeader, layout))
      lpbmi->bmiHeader.biSizeImage = DWORD(layout.stride * layout.height);
    return bitmap->height;
  }
  DibLayout layout;
  if (!LayoutOf(lpbmi->bmiHeader, layout)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return ConvertLines(*bitmap, start, cLines, lpvBits, layout, true);
}

int WINAPI SetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, CONST VOID *lpBits,
                     CONST BITMAPINFO *lpbmi, UINT ColorUse) {
  std::lock_guard lock(Lock());
  auto bitmap = LookupAs<Bitmap>(hbm);
  DibLayout layout;
  if (!bitmap || !lpBits || !lpbmi || ColorUse != DIB_RGB_COLORS ||
      !LayoutOf(lpbmi->bmiHeader, layout)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return ConvertLines(*bitmap, start, cLines, const_cast<void *>(lpBits), layout, false);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || !ToBitmapPoint(*dc, x, y))
    return CLR_INVALID;
  return dc->state.bitmap->Get(x, y);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  if (!dc || !ToBitmapPoint(*dc, x, y))
    return CLR_INVALID;
  dc->state.bitmap->Set(x, y, color & 0xFFFFFF);
  return dc->state.bitmap->Get(x, y);
}

}  // extern "C"
