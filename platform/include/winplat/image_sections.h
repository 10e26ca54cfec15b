// The ELF sections in which a shared object carries what a Windows module keeps in its resources:
// the resources themselves (a .res file, embedded by cmake/winplat_resources.cmake) and the file
// version that VERSIONINFO would give.
#pragma once

#include <winver.h>

#define WINPLAT_RESOURCE_SECTION "winplat_rsrc"
#define WINPLAT_VERSION_SECTION "winplat_version"

// The file and product version major.minor.patch.tweak of a DLL, as a VERSIONINFO resource
// would give them. Kept by the linker although nothing refers to it.
#define WINPLAT_FILE_VERSION(major, minor, patch, tweak)                                         \
  [[gnu::used, gnu::retain,                                                                      \
    gnu::section(WINPLAT_VERSION_SECTION)]] static const VS_FIXEDFILEINFO winplatFileVersion = { \
      VS_FFI_SIGNATURE,                                                                          \
      VS_FFI_STRUCVERSION,                                                                       \
      ((DWORD)(major) << 16) | (DWORD)(minor),                                                   \
      ((DWORD)(patch) << 16) | (DWORD)(tweak),                                                   \
      ((DWORD)(major) << 16) | (DWORD)(minor),                                                   \
      ((DWORD)(patch) << 16) | (DWORD)(tweak),                                                   \
      VS_FFI_FILEFLAGSMASK,                                                                      \
      0,                                                                                         \
      VOS_NT_WINDOWS32,                                                                          \
      VFT_DLL,                                                                                   \
      VFT2_UNKNOWN,                                                                              \
      0,                                                                                         \
      0}
