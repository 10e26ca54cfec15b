// The picture of a shown window, its frame and every visible child, written as a PNG file.
#pragma once

#include <windows.h>

#include <string>

namespace prfhost {

bool WriteWindowPicture(HWND window, const std::string &path);

}  // namespace prfhost
