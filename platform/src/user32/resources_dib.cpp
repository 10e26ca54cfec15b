// Decoding packed DIBs, with every read checked against the resource's size.
#include "resources_dib.h"

#include <cstring>
#include <vector>

#include "gdi32/gdi_objects.h"

namespace winplat::resources {

namespace {

RGBQUAD PaletteEntry(const BYTE *palette, size_t index) {
  RGBQUAD quad;
  std::memcpy(&quad, palette + index * sizeof(RGBQUAD), sizeof quad);
  return quad;
}

COLORREF PixelOf(const BYTE *row, int x, int bpp, const BYTE *palette, size_t paletteSize) {
  if (bpp >= 24) {
    const BYTE *pixel = row + x * (bpp / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
  }
  const int perByte = 8 / bpp;
  const int shift = (perByte - 1 - x % perByte) * bpp;
  const size_t index = (row[x / perByte] >> shift) & ((1 << bpp) - 1);
  if (index >= paletteSize)
    return RGB(0, 0, 0);
  const RGBQUAD quad = PaletteEntry(palette, index);
  return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
}

}  // namespace

bool DecodeDib(const BYTE *data, size_t size, int rows, DecodedDib &dib) {
  BITMAPINFOHEADER header;
  if (size < sizeof header)
    return false;
  std::memcpy(&header, data, sizeof header);
  const int bpp = header.biBitCount;
  if (header.biSize < sizeof header || header.biSize > size || header.biCompression != BI_RGB ||
      header.biWidth <= 0 || header.biWidth > 0x4000 || header.biHeight == 0 ||
      header.biHeight < -0x4000 || header.biHeight > 0x8000 ||
      (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)) {
    return false;
  }
  dib.width = header.biWidth;
  dib.topDown = header.biHeight < 0;
  dib.height = rows > 0 ? rows : (dib.topDown ? -header.biHeight : header.biHeight);
  dib.bitsPerPixel = bpp;
  const size_t paletteSize =
      bpp > 8
          ? 0
          : (header.biClrUsed && header.biClrUsed < (1u << bpp) ? header.biClrUsed : (1u << bpp));
  const size_t paletteOffset = header.biSize;
  const size_t bitsOffset = paletteOffset + paletteSize * sizeof(RGBQUAD);
  const size_t stride = (size_t(dib.width) * bpp + 31) / 32 * 4;
  if (bitsOffset > size || stride * dib.height > size - bitsOffset)
    return false;
  dib.bitsEnd = bitsOffset + stride * dib.height;
  dib.pixels.resize(size_t(dib.width) * dib.height);
  for (int y = 0; y < dib.height; ++y) {
    const int stored = dib.topDown ? y : dib.height - 1 - y;
    const BYTE *row = data + bitsOffset + stride * stored;
    for (int x = 0; x < dib.width; ++x)
      dib.pixels[size_t(y) * dib.width + x] =
          PixelOf(row, x, bpp, data + paletteOffset, paletteSize);
  }
  return true;
}

HBITMAP MakeBitmap(const DecodedDib &dib, int width, int height, bool dibSection, int dibBits,
                   bool topDown) {
  auto bitmap = std::make_shared<gdi::Bitmap>(width, height, dibSection ? dibBits : 32, dibSection,
                                              dibSection ? topDown : true);
  std::vector<int> columns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x)
    columns[size_t(x)] = x * dib.width / width;
  for (int y = 0; y < height; ++y) {
    const int row = y * dib.height / height;
    if (bitmap->bitsPerPixel != 32) {
      for (int x = 0; x < width; ++x)
        bitmap->Set(x, y, dib.At(columns[size_t(x)], row));
      continue;
    }
    // A 32-bit row written in place; the fourth byte of each pixel stays the new bitmap's 0.
    BYTE *pixel = bitmap->Row(y);
    for (int x = 0; x < width; ++x, pixel += 4) {
      const COLORREF color = dib.At(columns[size_t(x)], row);
      pixel[0] = GetBValue(color);
      pixel[1] = GetGValue(color);
      pixel[2] = GetRValue(color);
    }
  }
  return static_cast<HBITMAP>(gdi::Register(bitmap));
}

}  // namespace winplat::resources
