// The operating system version that GetVersionEx and GetVersion report, chosen with
// winplat::SetWindowsVersion (Windows XP unless told otherwise).
#include <winbase.h>

#include <atomic>
#include <cstring>

#include "winplat/config.h"

namespace {

struct OsRelease {
  DWORD major;
  DWORD minor;
  DWORD build;
  DWORD platform;
  const char *servicePack;
  WORD servicePackMajor;
  BYTE productType;
};

// Releases as they shipped; Windows 98 is the first edition (" A" marks the second, build 2222).
OsRelease ReleaseOf(winplat::WindowsVersion version) {
  using winplat::WindowsVersion;
  switch (version) {
    case WindowsVersion::Win95:
      return {4, 0, 950, VER_PLATFORM_WIN32_WINDOWS, "", 0, 0};
    case WindowsVersion::Win98:
      return {4, 10, 1998, VER_PLATFORM_WIN32_WINDOWS, "", 0, 0};
    case WindowsVersion::WinMe:
      return {4, 90, 3000, VER_PLATFORM_WIN32_WINDOWS, "", 0, 0};
    case WindowsVersion::NT4:
      return {4, 0, 1381, VER_PLATFORM_WIN32_NT, "Service Pack 6", 6, VER_NT_WORKSTATION};
    case WindowsVersion::Win2000:
      return {5, 0, 2195, VER_PLATFORM_WIN32_NT, "Service Pack 4", 4, VER_NT_WORKSTATION};
    case WindowsVersion::WinXP:
      return {5, 1, 2600, VER_PLATFORM_WIN32_NT, "Service Pack 2", 2, VER_NT_WORKSTATION};
    case WindowsVersion::Server2003:
      return {5, 2, 3790, VER_PLATFORM_WIN32_NT, "Service Pack 1", 1, VER_NT_SERVER};
  }
  return ReleaseOf(winplat::WindowsVersion::WinXP);
}

std::atomic<winplat::WindowsVersion> currentVersion{winplat::WindowsVersion::WinXP};

OsRelease CurrentRelease() {
  return ReleaseOf(currentVersion.load());
}

// Windows 95, 98 and Me keep the major and minor version in the high word of the build number.
DWORD ReportedBuildNumber(const OsRelease &release) {
  if (release.platform == VER_PLATFORM_WIN32_NT)
    return release.build;
  return (release.major << 24) | (release.minor << 16) | release.build;
}

// The EX structures came with Windows NT 4.0 Service Pack 6; Windows 95, 98 and Me refuse them.
bool AcceptsSize(const OsRelease &release, DWORD size, DWORD plainSize, DWORD exSize) {
  if (size == plainSize)
    return true;
  return size == exSize && release.platform == VER_PLATFORM_WIN32_NT;
}

template <typename Info>
void FillNumbers(const OsRelease &release, Info *info) {
  info->dwMajorVersion = release.major;
  info->dwMinorVersion = release.minor;
  info->dwBuildNumber = ReportedBuildNumber(release);
  info->dwPlatformId = release.platform;
}

template <typename InfoEx>
void FillExFields(const OsRelease &release, InfoEx *info) {
  info->wServicePackMajor = release.servicePackMajor;
  info->wServicePackMinor = 0;
  info->wSuiteMask = 0;
  info->wProductType = release.productType;
  info->wReserved = 0;
}

}  // namespace

namespace winplat {

void SetWindowsVersion(WindowsVersion version) {
  currentVersion = version;
}

WindowsVersion GetWindowsVersion() {
  return currentVersion;
}

bool IsAnsiPlatform() {
  return CurrentRelease().platform == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace winplat

extern "C" BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  const OsRelease release = CurrentRelease();
  const DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  if (!AcceptsSize(release, size, sizeof(OSVERSIONINFOA), sizeof(OSVERSIONINFOEXA))) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  FillNumbers(release, lpVersionInformation);
  std::memset(lpVersionInformation->szCSDVersion, 0, sizeof(lpVersionInformation->szCSDVersion));
  std::strcpy(lpVersionInformation->szCSDVersion, release.servicePack);
  if (size == sizeof(OSVERSIONINFOEXA)) {
    FillExFields(release, reinterpret_cast<LPOSVERSIONINFOEXA>(lpVersionInformation));
  }
  return TRUE;
}

extern "C" BOOL WINAPI GetVersionExW(LPOSVERSIONINFOW lpVersionInformation) {
  const OsRelease release = CurrentRelease();
  const DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  if (!AcceptsSize(release, size, sizeof(OSVERSIONINFOW), sizeof(OSVERSIONINFOEXW))) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  FillNumbers(release, lpVersionInformation);
  // The service pack names are ASCII, so each byte widens to one WCHAR.
  std::memset(lpVersionInformation->szCSDVersion, 0, sizeof(lpVersionInformation->szCSDVersion));
  for (size_t i = 0; release.servicePack[i] != '\0'; ++i) {
    lpVersionInformation->szCSDVersion[i] = static_cast<WCHAR>(release.servicePack[i]);
  }
  if (size == sizeof(OSVERSIONINFOEXW)) {
    FillExFields(release, reinterpret_cast<LPOSVERSIONINFOEXW>(lpVersionInformation));
  }
  return TRUE;
}

// Low word: major version in the low byte, minor in the high byte. High word: the build number
// on the NT family; on Windows 95, 98 and Me the top two bits set over the build number.
extern "C" DWORD WINAPI GetVersion(void) {
  const OsRelease release = CurrentRelease();
  const DWORD versionWord = release.major | (release.minor << 8);
  DWORD platformWord = release.build;
  if (release.platform != VER_PLATFORM_WIN32_NT)
    platformWord |= 0xC000;
  return versionWord | (platformWord << 16);
}
