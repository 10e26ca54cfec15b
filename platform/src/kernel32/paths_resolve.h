// Windows paths to host paths and back. Drive letters map to host folders; each component
// under a drive is matched against the disk without regard to case; a path that starts with a
// single '/' is a host path and is taken as it is.
#pragma once

#include <windef.h>

#include <string>
#include <string_view>

namespace winplat::paths {

struct Resolved {
  std::string hostPath;
  DWORD error = 0;  // ERROR_SUCCESS, or why the path has no host path
  bool isDriveRoot = false;
};

// windowsPath is UTF-8. Relative paths start from the current directory; ".." may not climb
// above a drive's root (ERROR_PATH_NOT_FOUND); an unmapped drive gives ERROR_PATH_NOT_FOUND, a
// UNC path ERROR_BAD_NETPATH, a component with a character Windows forbids ERROR_INVALID_NAME.
Resolved Resolve(std::string_view windowsPath);

// The drive form of a host path ("C:\WINDOWS", "Z:\tmp"), or empty when no drive holds it.
std::string DriveFormOf(const std::string &hostPath);

// The host folder a drive letter maps to, or empty when the drive is not mapped.
std::string DriveFolder(char letter);

bool IsSeparator(char c);

// The host's current directory, or empty when it cannot be read.
std::string CurrentDirectory();

}  // namespace winplat::paths
