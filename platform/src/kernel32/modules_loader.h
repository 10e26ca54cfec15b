// The table of loaded modules behind LoadLibrary, FreeLibrary, GetProcAddress, GetModuleHandle
// and GetModuleFileName. Names are UTF-8; each function sets the last-error value when it fails.
#pragma once

#include <windef.h>

#include <filesystem>
#include <optional>
#include <string_view>

namespace winplat::modules {

// Loads a module, or adds a reference to it when it is already loaded. A data file is opened
// for its resources only.
HMODULE Load(std::string_view name, bool asDataFile);
bool Free(HMODULE module);

// `name` may be an ordinal (IS_INTRESOURCE), which is never found here.
FARPROC Export(HMODULE module, const char *name);

HMODULE ProgramModule();
// A loaded image module (or the program) by name or path, without adding a reference.
HMODULE LoadedModule(std::string_view name);
bool IsImage(HMODULE module);

// The file of an image module or of the program; data files have none, as on Windows.
std::optional<std::filesystem::path> ImageFile(HMODULE module);
// The file of any module, data files included.
std::optional<std::filesystem::path> ModuleFile(HMODULE module);

}  // namespace winplat::modules
