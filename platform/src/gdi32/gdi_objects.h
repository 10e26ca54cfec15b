// The GDI objects behind HBITMAP, HBRUSH, HPEN, HFONT and HDC, and the table that hands out their
// handles. Objects are shared_ptr so a DC keeps what is selected into it alive.
#pragma once

#include <wingdi.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace winplat::gdi {

// Whether a colour becomes white (rather than black) in a monochrome bitmap.
bool IsLight(COLORREF color);

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  virtual DWORD Type() const = 0;
  bool stock = false;
  int selections = 0;  // how many DCs have it selected
};

// Zeroed pixel memory from calloc, which hands out a large block as untouched zero pages: a
// surface the size of the screen costs nothing until something is drawn on it.
class PixelMemory {
 public:
  explicit PixelMemory(size_t size)
      : bytes_(static_cast<BYTE *>(std::calloc(size == 0 ? 1 : size, 1))), size_(size) {
    if (bytes_ == nullptr)
      throw std::bad_alloc();
  }
  BYTE *data() { return bytes_.get(); }
  size_t size() const { return size_; }

 private:
  struct Free {
    void operator()(BYTE *bytes) const { std::free(bytes); }
  };
  std::unique_ptr<BYTE, Free> bytes_;
  size_t size_;
};

// Pixels of a bitmap: 1 bit (monochrome), 24 or 32 bits per pixel, rows of `stride` bytes,
// stored top-down or bottom-up. Colours are read and written as COLORREF.
class Bitmap : public GdiObject {
 public:
  Bitmap(int width, int height, int bitsPerPixel, bool dibSection, bool topDown);
  DWORD Type() const override { return OBJ_BITMAP; }

  int width, height, bitsPerPixel, stride;
  bool dibSection, topDown;
  PixelMemory bits;

  BYTE *Row(int y) { return bits.data() + size_t(topDown ? y : height - 1 - y) * stride; }
  // Inline: drawing and conversions call them for every pixel.
  COLORREF Get(int x, int y) {
    const BYTE *row = Row(y);
    if (bitsPerPixel == 1)
      return (row[x / 8] >> (7 - x % 8)) & 1 ? RGB(255, 255, 255) : RGB(0, 0, 0);
    const BYTE *pixel = row + x * (bitsPerPixel / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
  }
  void Set(int x, int y, COLORREF color) {
    BYTE *row = Row(y);
    if (bitsPerPixel == 1) {
      const BYTE mask = BYTE(0x80 >> (x % 8));
      if (IsLight(color))
        row[x / 8] |= mask;
      else
        row[x / 8] &= BYTE(~mask);
      return;
    }
    BYTE *pixel = row + x * (bitsPerPixel / 8);
    pixel[0] = GetBValue(color);
    pixel[1] = GetGValue(color);
    pixel[2] = GetRValue(color);
    if (bitsPerPixel == 32)
      pixel[3] = 0;
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

class Brush : public GdiObject {
 public:
  explicit Brush(std::optional<COLORREF> c) : color(c) {}
  DWORD Type() const override { return OBJ_BRUSH; }
  std::optional<COLORREF> color;  // empty for the null brush
};

class Pen : public GdiObject {
 public:
  Pen(std::optional<COLORREF> c, int w) : color(c), width(w) {}
  DWORD Type() const override { return OBJ_PEN; }
  std::optional<COLORREF> color;  // empty for the null pen
  int width;
};

class Font : public GdiObject {
 public:
  explicit Font(const LOGFONTW &f) : logFont(f) {}
  DWORD Type() const override { return OBJ_FONT; }
  LOGFONTW logFont;
};

// What SaveDC keeps.
struct DcState {
  std::shared_ptr<Bitmap> bitmap;
  std::shared_ptr<Brush> brush;
  std::shared_ptr<Pen> pen;
  std::shared_ptr<Font> font;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
};

class Dc : public GdiObject {
 public:
  DWORD Type() const override { return memory ? OBJ_MEMDC : OBJ_DC; }
  bool memory = true;
  POINT origin{0, 0};        // bitmap position of logical (0,0)
  std::optional<RECT> clip;  // bitmap coordinates
  DcState state;
  std::vector<DcState> saved;

  // The bitmap rectangle drawing may touch: the bitmap, cut by the clip rectangle.
  RECT DrawableArea() const;
};

// Handle table. Handles are never reused.
HGDIOBJ Register(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> Lookup(HGDIOBJ handle);
template <class Object>
std::shared_ptr<Object> LookupAs(HGDIOBJ handle) {
  return std::dynamic_pointer_cast<Object>(Lookup(handle));
}
bool Unregister(HGDIOBJ handle);
// The handle of a registered object, or NULL.
HGDIOBJ HandleOf(const GdiObject *object);

// The stock objects a new DC starts with.
std::shared_ptr<GdiObject> StockObject(int index);
std::shared_ptr<Bitmap> DefaultBitmap();

// Swaps `slot` for `next`, counting selections.
template <class Object>
void Reselect(std::shared_ptr<Object> &slot, std::shared_ptr<Object> next) {
  if (next)
    ++next->selections;
  if (slot)
    --slot->selections;
  slot = std::move(next);
}

// Serialises all drawing; GDI objects are shared between threads.
std::recursive_mutex &Lock();

}  // namespace winplat::gdi
