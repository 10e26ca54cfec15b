// Writing a bitmap as a PNG file with libpng.
#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "gdi_objects.h"
#include "gdi_surface.h"

namespace {

struct FileCloser {
  void operator()(FILE *file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; this keeps the write and its cleanup in one frame.
bool WriteRows(FILE *file, int width, int height, std::vector<png_bytep> &rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png)
    return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

namespace winplat::gdi {

bool WritePng(HBITMAP handle, const std::string &path) {
  std::vector<png_byte> pixels;
  int width = 0, height = 0;
  {
    std::lock_guard lock(Lock());
    auto bitmap = LookupAs<Bitmap>(handle);
    if (!bitmap)
      return false;
    width = bitmap->width;
    height = bitmap->height;
    pixels.reserve(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF color = bitmap->Get(x, y);
        pixels.insert(pixels.end(), {GetRValue(color), GetGValue(color), GetBValue(color)});
      }
    }
  }
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y)
    rows[y] = pixels.data() + size_t(y) * width * 3;
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file || !WriteRows(file.get(), width, height, rows))
    return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace winplat::gdi

namespace winplat {

bool WriteBitmapPng(HBITMAP bitmap, const std::string &hostPath) {
  return gdi::WritePng(bitmap, hostPath);
}

}  // namespace winplat
