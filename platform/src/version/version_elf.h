// Reading named sections of a shared object, such as the fixed file version that
// WINPLAT_FILE_VERSION places there.
#pragma once

#include <winver.h>

#include <filesystem>
#include <string_view>
#include <vector>

namespace winplat::version {

// Reads the contents of the section `name` of a little-endian ELF64 file. Returns ERROR_SUCCESS,
// ERROR_FILE_NOT_FOUND (cannot be read), ERROR_BAD_EXE_FORMAT (not ELF64, or its tables or the
// section lie outside the file) ERROR_RESOURCE_TYPE_NOT_FOUND (no such section) or
// ERROR_INVALID_DATA (a section without contents in the file).
DWORD ReadElfSection(const std::filesystem::path &file, std::string_view name,
                     std::vector<char> &data);

// Reads the WINPLAT_VERSION_SECTION section of a little-endian ELF64 file. Returns ERROR_SUCCESS,
// ERROR_FILE_NOT_FOUND (cannot be read), ERROR_BAD_EXE_FORMAT (not ELF64, or its tables lie
// outside the file), ERROR_RESOURCE_TYPE_NOT_FOUND (no such section) or ERROR_INVALID_DATA (the
// section is not one VS_FIXEDFILEINFO with its signature).
DWORD ReadFixedFileInfo(const std::filesystem::path &file, VS_FIXEDFILEINFO *info);

}  // namespace winplat::version
