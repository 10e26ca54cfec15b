// Module-wide state: the module's instance handle. Everything runs on the host's user-interface
// thread, so nothing here is locked.
#pragma once

#include <windows.h>

// The instance handle DllMain received at process attach; null before.
HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE instance);
