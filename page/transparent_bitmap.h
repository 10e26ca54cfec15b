// A bitmap drawn with its top-left pixel's colour transparent: a colour bitmap whose transparent
// pixels are black, and a monochrome mask that is white where the bitmap is transparent.
#pragma once

#include <windows.h>

class TransparentBitmap {
 public:
  TransparentBitmap();
  ~TransparentBitmap();
  TransparentBitmap(const TransparentBitmap &) = delete;
  TransparentBitmap &operator=(const TransparentBitmap &) = delete;

  // Loads the bitmap resource `id` of `module` and builds the pair from it.
  bool Load(HINSTANCE module, int id);
  // Builds the pair from a bitmap; the source stays the caller's.
  bool Create(HBITMAP source);
  // Mask with SRCAND, then the colour bitmap with SRCPAINT, at (x, y) in the source's size.
  void Draw(HDC dc, int x, int y) const;
  void Release();

  const BITMAP &Info() const { return m_Info; }
  HBITMAP ColorBitmap() const { return m_hColor; }
  HBITMAP MaskBitmap() const { return m_hMask; }

 private:
  HBITMAP m_hColor;
  HBITMAP m_hMask;
  BITMAP m_Info;
};
