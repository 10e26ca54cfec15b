// The drive table: which host folder each drive letter stands for, and the way back from a host
// path to its drive form.
#include <winbase.h>

#include <unistd.h>

#include <array>
#include <cctype>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "paths_resolve.h"
#include "winplat/config.h"

namespace winplat::paths {
namespace {

std::mutex drivesMutex;
std::array<std::string, 26> drives = [] {
  std::array<std::string, 26> initial;
  initial['Z' - 'A'].push_back('/');  // assigning "/" trips a false -Wrestrict in GCC 12 at -O2
  return initial;
}();

// An absolute host path without "." and ".." components, duplicate or trailing slashes.
std::string LexicallyNormal(const std::string &path) {
  const std::string absolute =
      !path.empty() && path[0] == '/' ? path : CurrentDirectory() + "/" + path;
  std::vector<std::string> components;
  size_t start = 0;
  while (start <= absolute.size()) {
    size_t end = absolute.find('/', start);
    if (end == std::string::npos)
      end = absolute.size();
    const std::string component = absolute.substr(start, end - start);
    if (component == "..") {
      if (!components.empty())
        components.pop_back();
    } else if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    start = end + 1;
  }
  std::string normal;
  for (const std::string &component : components)
    normal += "/" + component;
  return normal.empty() ? "/" : normal;
}

int DriveIndex(char letter) {
  const int upper = std::toupper(static_cast<unsigned char>(letter));
  if (upper < 'A' || upper > 'Z') {
    throw std::invalid_argument(std::string("not a drive letter: ") + letter);
  }
  return upper - 'A';
}

// How much of path the folder covers: its length when path is the folder or lies inside it.
size_t CoveredLength(const std::string &folder, const std::string &path) {
  if (folder == "/")
    return 1;
  const bool inside = path.compare(0, folder.size(), folder) == 0 &&
                      (path.size() == folder.size() || path[folder.size()] == '/');
  return inside ? folder.size() : 0;
}

}  // namespace

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  return getcwd(buffer.data(), buffer.size()) != nullptr ? buffer.data() : "";
}

std::string DriveFolder(char letter) {
  const int index = DriveIndex(letter);
  std::lock_guard<std::mutex> lock(drivesMutex);
  return drives[index];
}

std::string DriveFormOf(const std::string &hostPath) {
  const std::string path = LexicallyNormal(hostPath);
  int bestDrive = -1;
  size_t bestLength = 0;
  {
    std::lock_guard<std::mutex> lock(drivesMutex);
    for (int drive = 0; drive < 26; ++drive) {
      const size_t length = drives[drive].empty() ? 0 : CoveredLength(drives[drive], path);
      if (length > bestLength) {
        bestDrive = drive;
        bestLength = length;
      }
    }
  }
  if (bestDrive < 0)
    return "";
  std::string rest = path.substr(bestLength);
  if (!rest.empty() && rest[0] == '/')
    rest.erase(0, 1);
  for (char &c : rest)
    c = c == '/' ? '\\' : c;
  return std::string(1, static_cast<char>('A' + bestDrive)) + ":\\" + rest;
}

}  // namespace winplat::paths

namespace winplat {

void MapDrive(char letter, const std::string &hostFolder) {
  const int index = paths::DriveIndex(letter);
  const std::string folder = hostFolder.empty() ? "" : paths::LexicallyNormal(hostFolder);
  std::lock_guard<std::mutex> lock(paths::drivesMutex);
  paths::drives[index] = folder;
}

std::string WindowsPathFromHost(const std::string &hostPath) {
  std::string windowsPath = paths::DriveFormOf(hostPath);
  if (windowsPath.empty())
    SetLastError(ERROR_PATH_NOT_FOUND);
  return windowsPath;
}

}  // namespace winplat
