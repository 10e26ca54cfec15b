// Off Windows the platform layer draws the window tree into its raster and writes the PNG.
#include "window_picture.h"

#include <winplat/render.h>

namespace prfhost {

bool WriteWindowPicture(HWND window, const std::string &path) {
  return winplat::RenderWindowPng(window, path);
}

}  // namespace prfhost
