// What the host asks of the Windows version it runs on, through GetVersionEx as a driver's user
// interface does (the platform layer answers it for the version it was set to).
#pragma once

namespace host {

// True on Windows 95, 98 and Me, whose Win32 is ANSI.
bool IsAnsiPlatform();
// True on Windows NT 4.0.
bool IsNt4();

}  // namespace host
