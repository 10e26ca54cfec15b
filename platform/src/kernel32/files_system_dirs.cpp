// GetWindowsDirectory and GetSystemDirectory. Windows lives in C:\WINDOWS; its system folder is
// "system32" on the NT family and "SYSTEM" on the ANSI platform.
#include <winbase.h>

#include <string_view>

#include "winplat/config.h"

namespace {

constexpr std::string_view kWindowsDirectory = "C:\\WINDOWS";

std::string_view SystemDirectory() {
  return winplat::IsAnsiPlatform() ? "C:\\WINDOWS\\SYSTEM" : "C:\\WINDOWS\\system32";
}

// The folder and its terminator when they fit, returning the length without the terminator;
// otherwise nothing is written and the size needed, terminator included, is returned.
template <class Char>
UINT CopyFolder(std::string_view folder, Char *buffer, UINT size) {
  if (buffer == nullptr || size <= folder.size())
    return static_cast<UINT>(folder.size() + 1);
  std::copy(folder.begin(), folder.end(), buffer);
  buffer[folder.size()] = 0;
  return static_cast<UINT>(folder.size());
}

}  // namespace

extern "C" UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return CopyFolder(kWindowsDirectory, lpBuffer, uSize);
}

extern "C" UINT WINAPI GetWindowsDirectoryW(LPWSTR lpBuffer, UINT uSize) {
  return CopyFolder(kWindowsDirectory, lpBuffer, uSize);
}

extern "C" UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return CopyFolder(SystemDirectory(), lpBuffer, uSize);
}

extern "C" UINT WINAPI GetSystemDirectoryW(LPWSTR lpBuffer, UINT uSize) {
  return CopyFolder(SystemDirectory(), lpBuffer, uSize);
}
