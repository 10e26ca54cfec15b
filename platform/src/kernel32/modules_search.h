// Where LoadLibrary finds a module file, for the loader and for GetFileVersionInfo.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace winplat::modules {

// A name without a folder part: no slash, backslash or drive colon.
bool IsBareName(std::string_view name);

// The file name Windows looks for: ".dll" appended when there is no extension, a trailing dot
// (which says "no extension") removed.
std::string WithDefaultExtension(std::string_view fileName);

// File names compare as on Windows: ASCII letters ignore case.
bool SameFileName(std::string_view a, std::string_view b);

// The file a module name (UTF-8, Windows or host form) designates. A bare name is looked for in
// the program's folder, the current folder, then the added search folders; a relative path is
// taken from the current folder. The last component matches case-insensitively.
std::optional<std::filesystem::path> FindModuleFile(std::string_view name);

}  // namespace winplat::modules
