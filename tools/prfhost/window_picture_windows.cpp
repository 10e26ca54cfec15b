// On Windows the window is painted now, frame and children, and its pixels are copied from its
// window DC into a memory bitmap. WM_PRINT would not do: Wine draws no frame for it, and its
// buttons and static texts clip themselves as if the DC's origin were theirs. What the window
// DC gives is the window as shown: under Wine its own surface, on Windows the screen, so the
// window must not be covered (prfhost's page is the active window when its picture is taken).
#include "window_picture.h"

#include "png_file.h"

namespace prfhost {
namespace {

class MemoryPicture {
 public:
  MemoryPicture(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ != nullptr && bitmap_ != nullptr)
      previous_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryPicture() {
    if (previous_ != nullptr)
      SelectObject(dc_, previous_);
    if (bitmap_ != nullptr)
      DeleteObject(bitmap_);
    if (dc_ != nullptr)
      DeleteDC(dc_);
  }
  MemoryPicture(const MemoryPicture &) = delete;
  MemoryPicture &operator=(const MemoryPicture &) = delete;

  bool ok() const { return previous_ != nullptr && bits_ != nullptr; }
  HDC dc() const { return dc_; }

  RgbPicture Pixels() const {
    GdiFlush();
    RgbPicture picture{width_, height_, {}};
    picture.pixels.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3);
    const auto *bgrx = static_cast<const BYTE *>(bits_);
    for (size_t i = 0; i < static_cast<size_t>(width_) * static_cast<size_t>(height_); ++i)
      picture.pixels.insert(picture.pixels.end(), {bgrx[i * 4 + 2], bgrx[i * 4 + 1], bgrx[i * 4]});
    return picture;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  void *bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace

bool WriteWindowPicture(HWND window, const std::string &path) {
  RECT frame;
  if (!IsWindowVisible(window) || !GetWindowRect(window, &frame))
    return false;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0)
    return false;
  MemoryPicture picture(width, height);
  if (!picture.ok())
    return false;
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC windowDc = GetWindowDC(window);
  if (windowDc == nullptr)
    return false;
  const bool copied = BitBlt(picture.dc(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != FALSE;
  ReleaseDC(window, windowDc);
  if (!copied)
    return false;
  return WritePngFile(picture.Pixels(), path);
}

}  // namespace prfhost
