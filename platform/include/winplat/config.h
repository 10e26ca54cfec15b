// Settings that Windows takes from the machine: the Windows version, the code pages, the
// drives, the clock. The host and the tests set them; code written for Windows never calls
// these, so <windows.h> does not include this header.
#pragma once

#include <string>

#include <windef.h>

namespace winplat {

// The operating system that GetVersionEx reports. Windows 95, 98 and Me are the ANSI platform.
enum class WindowsVersion { Win95, Win98, WinMe, NT4, Win2000, WinXP, Server2003 };
void SetWindowsVersion(WindowsVersion version);
WindowsVersion GetWindowsVersion();
bool IsAnsiPlatform();

// CP_ACP and the user's default locale (GetACP, GetUserDefaultLCID, GetLocaleInfoA).
void SetAnsiCodePage(UINT codePage);
void SetUserDefaultLocale(LCID locale);

// Drive letters map to host folders; Z: is the host's root, as under Wine. Paths are UTF-8.
void MapDrive(char letter, const std::string &hostFolder);
std::string HostPathFromWindows(const std::string &windowsPath);
std::string WindowsPathFromHost(const std::string &hostPath);

// Sleep either waits for real or only advances a counter (tests make it instant).
void SetInstantSleep(bool instant);
ULONGLONG SleptMilliseconds();

}  // namespace winplat
