// Drawing surfaces shared inside the platform: window painting draws into a DIB section through a
// device context whose origin and clip rectangle place it in that surface.
#pragma once

#include <wingdi.h>

#include <string>

namespace winplat::gdi {

// A 32-bit top-down DIB section filled with black; NULL for a size below 1.
HBITMAP CreateSurface(int width, int height);

// A device context drawing into `surface`, with logical (0,0) at `origin` in the surface and
// every drawing clipped to `clip` (surface coordinates) and to the surface. It is not a memory
// DC: selecting another bitmap into it fails. Released with DeleteDC; the surface must outlive it.
HDC CreateTargetDC(HBITMAP surface, POINT origin, const RECT &clip);

// A DC on the screen, a 1024x768 32-bit bitmap shared by every screen DC: what GetDC(NULL)
// returns. Released with DeleteDC.
HDC CreateScreenDC();

// Writes the bitmap as an 8-bit RGB PNG file; false when the bitmap or the file is bad.
bool WritePng(HBITMAP bitmap, const std::string &path);

}  // namespace winplat::gdi
