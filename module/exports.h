// The module's exported entry points and the module-wide instance handle.
#pragma once

#include <windows.h>

// Exports carry their names and ordinals from PRFMOD32.def on Windows; elsewhere the shared
// object hides every symbol except these.
#if defined(_WIN32)
#define PRF_EXPORT extern "C"
#else
#define PRF_EXPORT extern "C" __attribute__((visibility("default")))
#endif

extern HINSTANCE g_hModuleInstance;

PRF_EXPORT BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved);
