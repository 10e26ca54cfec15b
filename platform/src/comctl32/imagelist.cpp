// Image lists: images of one size kept as pixels with a transparency mask, drawn pixel by pixel.
#include <commctrl.h>
#include <winbase.h>

#include <memory>
#include <set>
#include <type_traits>
#include <vector>

struct _IMAGELIST {
  int width = 0;
  int height = 0;
  bool masked = false;  // ILC_MASK: images have transparent pixels
  struct Image {
    std::vector<COLORREF> pixels;   // width x height, top row first
    std::vector<char> transparent;  // the mask: 1 for a transparent pixel
  };
  std::vector<Image> images;
};

namespace {

std::set<HIMAGELIST> &Lists() {
  static std::set<HIMAGELIST> lists;
  return lists;
}

_IMAGELIST *Find(HIMAGELIST list) {
  if (list == nullptr || Lists().count(list) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return list;
}

// The bitmap's pixels as COLORREFs, top row first; empty when it is not a bitmap.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int &width, int &height) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
    return {};
  width = info.bmWidth;
  height = info.bmHeight;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> bgra(static_cast<size_t>(width) * static_cast<size_t>(height));
  const HDC screen = GetDC(nullptr);
  const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bgra.data(), &request,
                              DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != height)
    return {};
  static_assert(std::is_same_v<DWORD, COLORREF>);
  for (DWORD &pixel : bgra)
    pixel = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  return bgra;
}

// Cuts a strip of images out of the bitmap; `isTransparent` decides each pixel's mask bit.
template <typename MaskTest>
int AddStrip(_IMAGELIST &list, HBITMAP bitmap, MaskTest isTransparent) {
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = PixelsOf(bitmap, width, height);
  if (pixels.empty() || width < list.width || height < list.height) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  const int first = static_cast<int>(list.images.size());
  for (int left = 0; left + list.width <= width; left += list.width) {
    _IMAGELIST::Image image;
    image.pixels.reserve(size_t(list.width) * size_t(list.height));
    image.transparent.reserve(size_t(list.width) * size_t(list.height));
    for (int y = 0; y < list.height; ++y) {
      for (int x = 0; x < list.width; ++x) {
        const size_t at =
            static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(left + x);
        image.pixels.push_back(pixels[at]);
        image.transparent.push_back(list.masked && isTransparent(at, pixels[at]));
      }
    }
    list.images.push_back(std::move(image));
  }
  return first;
}

}  // namespace

extern "C" HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int) {
  if (cx <= 0 || cy <= 0 || cInitial < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto list = std::make_unique<_IMAGELIST>();
  list->width = cx;
  list->height = cy;
  list->masked = (flags & ILC_MASK) != 0;
  list->images.reserve(static_cast<size_t>(cInitial));
  Lists().insert(list.get());
  return list.release();
}

extern "C" BOOL WINAPI ImageList_Destroy(HIMAGELIST himl) {
  _IMAGELIST *list = Find(himl);
  if (list == nullptr)
    return FALSE;
  Lists().erase(list);
  delete list;
  return TRUE;
}

extern "C" int WINAPI ImageList_GetImageCount(HIMAGELIST himl) {
  const _IMAGELIST *list = Find(himl);
  return list != nullptr ? static_cast<int>(list->images.size()) : 0;
}

extern "C" BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int *cx, int *cy) {
  const _IMAGELIST *list = Find(himl);
  if (list == nullptr || cx == nullptr || cy == nullptr)
    return FALSE;
  *cx = list->width;
  *cy = list->height;
  return TRUE;
}

// A mask bitmap marks transparent pixels white; without one every pixel is opaque.
extern "C" int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
  _IMAGELIST *list = Find(himl);
  if (list == nullptr)
    return -1;
  int maskWidth = 0, maskHeight = 0;
  const std::vector<COLORREF> mask =
      hbmMask != nullptr ? PixelsOf(hbmMask, maskWidth, maskHeight) : std::vector<COLORREF>();
  return AddStrip(*list, hbmImage, [&](size_t at, COLORREF) {
    return at < mask.size() && mask[at] != RGB(0, 0, 0);
  });
}

extern "C" int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
  _IMAGELIST *list = Find(himl);
  if (list == nullptr)
    return -1;
  return AddStrip(*list, hbmImage, [&](size_t, COLORREF pixel) { return pixel == crMask; });
}

extern "C" BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y,
                                      UINT fStyle) {
  const _IMAGELIST *list = Find(himl);
  if (list == nullptr || i < 0 || i >= static_cast<int>(list->images.size()) || hdcDst == nullptr)
    return FALSE;
  const _IMAGELIST::Image &image = list->images[static_cast<size_t>(i)];
  const bool drawMask = (fStyle & ILD_MASK) != 0;
  for (int row = 0; row < list->height; ++row) {
    for (int column = 0; column < list->width; ++column) {
      const size_t at = static_cast<size_t>(row * list->width + column);
      if (drawMask)
        SetPixel(hdcDst, x + column, y + row,
                 image.transparent[at] ? RGB(255, 255, 255) : RGB(0, 0, 0));
      else if (!image.transparent[at])
        SetPixel(hdcDst, x + column, y + row, image.pixels[at]);
    }
  }
  return TRUE;
}
