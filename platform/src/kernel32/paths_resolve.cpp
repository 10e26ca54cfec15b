// Resolution of Windows paths to host paths: drive letter, lexical clean-up of the components,
// then a walk down the disk that finds each component without regard to case.
#include <winbase.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

#include "paths_resolve.h"
#include "text_unicode.h"
#include "winplat/config.h"

namespace winplat::paths {
namespace {

Resolved Failure(DWORD error) {
  return {"", error, false};
}

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool IsValidComponent(std::string_view component) {
  for (const char c : component) {
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("<>:\"|?*", c) != nullptr) {
      return false;
    }
  }
  return true;
}

// The components below the drive's root, with "." dropped and ".." applied.
DWORD SplitComponents(std::string_view rest, std::vector<std::string> &components) {
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end]))
      ++end;
    const std::string_view component = rest.substr(start, end - start);
    if (component == "..") {
      if (components.empty())
        return ERROR_PATH_NOT_FOUND;
      components.pop_back();
    } else if (!component.empty() && component != ".") {
      if (!IsValidComponent(component))
        return ERROR_INVALID_NAME;
      components.emplace_back(component);
    }
    start = end + 1;
  }
  return ERROR_SUCCESS;
}

std::string Join(const std::string &folder, const std::string &name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The entry of folder whose name equals name without regard to case (the first in byte order
// when several do), or empty when there is none.
std::string FindIgnoringCase(const std::string &folder, const std::string &name) {
  std::unique_ptr<DIR, int (*)(DIR *)> directory(opendir(folder.c_str()), closedir);
  if (!directory)
    return "";
  std::string found;
  while (const dirent *entry = readdir(directory.get())) {
    const std::string candidate = entry->d_name;
    if (text::EqualIgnoringCase(candidate, name) && (found.empty() || candidate < found)) {
      found = candidate;
    }
  }
  return found;
}

// Walks down from the drive's folder; once a component does not exist, the rest keep the
// spelling they were given.
std::string WalkIgnoringCase(std::string folder, const std::vector<std::string> &components) {
  bool exists = true;
  for (const std::string &component : components) {
    struct stat info;
    std::string path = Join(folder, component);
    if (exists && lstat(path.c_str(), &info) != 0) {
      const std::string match = FindIgnoringCase(folder, component);
      exists = !match.empty();
      if (exists)
        path = Join(folder, match);
    }
    folder = path;
  }
  return folder;
}

// The path with its drive: relative paths and paths rooted without a drive take the current
// directory's.
std::string WithDrive(std::string_view path) {
  if (HasDrive(path))
    return std::string(path);
  const std::string current = DriveFormOf(CurrentDirectory());
  if (current.empty())
    return "";
  if (IsSeparator(path[0]))
    return current.substr(0, 2) + std::string(path);
  return current + "\\" + std::string(path);
}

}  // namespace

Resolved Resolve(std::string_view windowsPath) {
  if (windowsPath.empty())
    return Failure(ERROR_PATH_NOT_FOUND);
  const bool startsWithTwoSeparators =
      windowsPath.size() >= 2 && IsSeparator(windowsPath[0]) && IsSeparator(windowsPath[1]);
  if (startsWithTwoSeparators)
    return Failure(ERROR_BAD_NETPATH);
  if (windowsPath[0] == '/')
    return {std::string(windowsPath), ERROR_SUCCESS, windowsPath == "/"};

  const std::string full = WithDrive(windowsPath);
  if (full.empty())
    return Failure(ERROR_PATH_NOT_FOUND);
  const std::string folder = DriveFolder(full[0]);
  if (folder.empty())
    return Failure(ERROR_PATH_NOT_FOUND);
  std::vector<std::string> components;
  const DWORD error = SplitComponents(std::string_view(full).substr(2), components);
  if (error != ERROR_SUCCESS)
    return Failure(error);
  return {WalkIgnoringCase(folder, components), ERROR_SUCCESS, components.empty()};
}

}  // namespace winplat::paths

namespace winplat {

std::string HostPathFromWindows(const std::string &windowsPath) {
  const paths::Resolved resolved = paths::Resolve(windowsPath);
  if (resolved.error != ERROR_SUCCESS)
    SetLastError(resolved.error);
  return resolved.hostPath;
}

}  // namespace winplat
