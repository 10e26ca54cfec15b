// The module's exported entry points. The host reaches everything in the module through these
// five functions (host_interfaces.h has the types it calls them through).
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"

// Exports carry their names and ordinals from PRFMOD32.def on Windows; elsewhere the shared
// object hides every symbol except these.
#if defined(_WIN32)
#define PRF_EXPORT extern "C"
#define PRF_CDECL __cdecl
#else
#define PRF_EXPORT extern "C" __attribute__((visibility("default")))
#define PRF_CDECL
#endif

// Keeps the instance handle at process attach; TRUE for every reason.
PRF_EXPORT BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved);

// The class factory: a new CProfil or CControlSetProfil, owned by the caller, or null.
PRF_EXPORT void *WINAPI GetClass(LPCSTR className, int interfaceVersion);

// Registers the module with the host: 0 registered, 1 refused by the host, 5 not stored.
PRF_EXPORT int WINAPI InstallModule(ModuleRegistry *registry, DWORD reserved);

// Runs the profile page as a stand-alone dialog owned by `owner`; always 0.
PRF_EXPORT int WINAPI RunProfile(HWND parent, CControlSet *owner, DWORD reserved);

// Installation (601), removal (602) and status query (604, the fourth argument a
// ModuleStatusRecord *); the command's result, 10 for an unknown command.
PRF_EXPORT int PRF_CDECL RunJZModuleCmd(int command, ModuleRegistry *registry, DWORD reserved, ...);
