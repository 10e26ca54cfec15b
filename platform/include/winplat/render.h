// Pictures for a person or a test to look at: a window tree painted into a bitmap, and bitmaps
// written as PNG files.
#pragma once

#include <string>

#include <windef.h>

namespace winplat {

// Paints a visible window and its visible children (bottom of the z-order first) through
// WM_ERASEBKGND and WM_PAINT into a new 32-bit bitmap the size of the window (NULL for a hidden
// or invalid window); the caller deletes it with DeleteObject. Dialog frames and captions are
// drawn plainly in the classic colours.
HBITMAP RenderWindow(HWND window);
bool RenderWindowPng(HWND window, const std::string &path);

// Writes a bitmap as an 8-bit RGB PNG file (host path, UTF-8); false when the bitmap is not a
// bitmap or the file cannot be written.
bool WriteBitmapPng(HBITMAP bitmap, const std::string &hostPath);

}  // namespace winplat
