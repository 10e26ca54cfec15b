// Decoding the packed DIBs that RT_BITMAP and RT_ICON resources hold.
#pragma once

#include <wingdi.h>

#include <cstddef>
#include <vector>

namespace winplat::resources {

struct DecodedDib {
  int width = 0, height = 0, bitsPerPixel = 0;
  bool topDown = false;
  std::vector<COLORREF> pixels;  // top row first
  size_t bitsEnd = 0;            // where the pixel rows end in the data

  COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A BITMAPINFOHEADER, its colour table and BI_RGB rows of 1, 4, 8, 24 or 32 bits. `rows` is the
// number of rows to read (an icon's header gives twice its height); 0 takes the header's height.
// False for anything else, or when the data is shorter than the header says.
bool DecodeDib(const BYTE *data, size_t size, int rows, DecodedDib &dib);

// A new bitmap with the pixels scaled (nearest pixel) to width x height: a 32-bit DDB, or a DIB
// section of `dibBits` bits (24 or 32) in the given row order.
HBITMAP MakeBitmap(const DecodedDib &dib, int width, int height, bool dibSection, int dibBits,
                   bool topDown);

}  // namespace winplat::resources
