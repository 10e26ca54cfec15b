// KERNEL32 modules and their resources over the host's dynamic loader. A module is a shared
// object whose file name is its Windows name (PRFMOD32.dll) and whose exports are extern "C"
// symbols with default visibility. Module handles are values of this platform, not the host
// loader's handles. A module's resources are a standard .res file (as i686-w64-mingw32-windres
// writes it) that winplat_add_resources (cmake/winplat_resources.cmake) embeds in a section of
// the shared object (winplat/image_sections.h); the platform reads that section from the file.
#pragma once

#include "windef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define LOAD_LIBRARY_AS_DATAFILE 0x2
#define LOAD_WITH_ALTERED_SEARCH_PATH 0x8
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x20
#define LOAD_LIBRARY_AS_DATAFILE_EXCLUSIVE 0x40

#ifdef UNICODE
#define LoadLibrary LoadLibraryW
#define LoadLibraryEx LoadLibraryExW
#define GetModuleHandle GetModuleHandleW
#define GetModuleFileName GetModuleFileNameW
#define FindResource FindResourceW
#else
#define LoadLibrary LoadLibraryA
#define LoadLibraryEx LoadLibraryExA
#define GetModuleHandle GetModuleHandleA
#define GetModuleFileName GetModuleFileNameA
#define FindResource FindResourceA
#endif

#ifdef __cplusplus
extern "C" {
#endif

// A bare file name gets ".dll" when it has no extension and is looked for, case-insensitively, in
// the program's folder, the current folder, then the folders given to
// winplat::AddModuleSearchFolder (winplat/modules.h). A path may be in Windows form (drive
// letter, backslashes), host form (leading slash) or relative to the current folder. Missing:
// ERROR_MOD_NOT_FOUND; not a shared object: ERROR_BAD_EXE_FORMAT; DllMain refusing
// DLL_PROCESS_ATTACH: ERROR_DLL_INIT_FAILED, after its DLL_PROCESS_DETACH call.
HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName);
// dwFlags: 0, LOAD_WITH_ALTERED_SEARCH_PATH (same as 0 here), or one of the data-file flags, which
// open the file for its resources without running it: no DllMain call, no exports, and (as on
// Windows) unknown to GetModuleHandle and GetModuleFileName. An image already loaded is shared.
// Other flags, or a non-NULL hFile, fail with ERROR_INVALID_PARAMETER.
HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
HMODULE WINAPI LoadLibraryExW(LPCWSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
// Thread notifications are never sent on this platform; this only checks the handle.
BOOL WINAPI DisableThreadLibraryCalls(HMODULE hLibModule);
// NULL means the program. Finds only the module's own exports, not those of the libraries it
// depends on. Exports have no ordinals here: an ordinal fails with ERROR_PROC_NOT_FOUND.
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// NULL means the program. No reference is added.
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName);
// The Windows form of the module's path. A buffer too small gets the path truncated and
// terminated; the result is then nSize with ERROR_INSUFFICIENT_BUFFER (as from Windows Vista on).
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

// hModule NULL is the main program. lpName and lpType are MAKEINTRESOURCE ordinals, "#123"
// ordinals, or names compared without regard to case. Errors: ERROR_RESOURCE_DATA_NOT_FOUND (the
// module has no resources, or is unknown), ERROR_INVALID_DATA (its resource section is damaged:
// nothing in it is used), ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_RESOURCE_NAME_NOT_FOUND. The first
// language present is taken.
HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
// The data stays valid for the life of the process; FreeResource does nothing.
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID WINAPI LockResource(HGLOBAL hResData);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
BOOL WINAPI FreeResource(HGLOBAL hResData);

#ifdef __cplusplus
}
#endif
