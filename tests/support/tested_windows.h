// The Windows versions a suite runs on. Off Windows the platform layer plays the version a test
// asks for, NT and 98 alike; on Windows a suite runs on the system it is on, an NT version, and
// the cases of Windows 98 (ANSI Win32, side files in the system folder) stay in the Linux build.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#if !defined(_WIN32)
#include <winplat/config.h>
#endif

namespace tested_windows {

#if defined(_WIN32)
enum class WindowsVersion { Win95, Win98, WinMe, NT4, Win2000, WinXP, Server2003 };
#else
using winplat::WindowsVersion;
#endif

// Plays the version off Windows, with sleeps counted rather than slept; on Windows the system is
// what it is.
inline void Use([[maybe_unused]] WindowsVersion version) {
#if !defined(_WIN32)
  winplat::SetWindowsVersion(version);
  winplat::SetInstantSleep(true);
#endif
}

// Off Windows the platform layer counts the sleeps instead of sleeping them; on Windows they are
// slept.
inline void SleepInstantly() {
#if !defined(_WIN32)
  winplat::SetInstantSleep(true);
#endif
}

// Whether the ANSI code page can be had: off Windows the platform layer plays any; on Windows it
// is the system's (under Wine, the one of the locale Wine was started in).
inline bool HasAnsiCodePage([[maybe_unused]] UINT codePage) {
#if defined(_WIN32)
  return GetACP() == codePage;
#else
  return true;
#endif
}

// True under Wine, which says so through ntdll's wine_get_version.
inline bool IsWine() {
#if defined(_WIN32)
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

// Sets the ANSI code page off Windows; on Windows only tells whether the system's is that one.
inline bool UseAnsiCodePage(UINT codePage) {
#if defined(_WIN32)
  return GetACP() == codePage;
#else
  winplat::SetAnsiCodePage(codePage);
  return true;
#endif
}

// A Windows path as this process opens it: off Windows mapped into the state folder.
inline std::string HostPath(const std::string &windowsPath) {
#if defined(_WIN32)
  return windowsPath;
#else
  return winplat::HostPathFromWindows(windowsPath);
#endif
}

// Windows XP and 98 off Windows; the system's own NT version on Windows.
inline auto NtAnd98() {
#if defined(_WIN32)
  return ::testing::Values(WindowsVersion::WinXP);
#else
  return ::testing::Values(WindowsVersion::WinXP, WindowsVersion::Win98);
#endif
}

}  // namespace tested_windows

// Skips a test that needs the ANSI code page where the system does not have it.
#define SKIP_UNLESS_ANSI_CODE_PAGE(codePage)      \
  if (!tested_windows::HasAnsiCodePage(codePage)) \
  GTEST_SKIP() << "needs the ANSI code page " << (codePage) << "; the system's is " << GetACP()
