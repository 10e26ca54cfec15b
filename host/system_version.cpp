#include "host/system_version.h"

#include <windows.h>

namespace host {
namespace {

OSVERSIONINFOW SystemVersion() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version))
    version.dwPlatformId = VER_PLATFORM_WIN32_NT;
  return version;
}

}  // namespace

bool IsAnsiPlatform() {
  return SystemVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool IsNt4() {
  const OSVERSIONINFOW version = SystemVersion();
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 4;
}

}  // namespace host
