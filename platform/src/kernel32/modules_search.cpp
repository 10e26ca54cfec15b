// The module search order: the program's folder, the current folder, then the folders added with
// winplat::AddModuleSearchFolder. Names match case-insensitively, as Windows file names do.
#include "modules_search.h"

#include <winbase.h>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <vector>

#include "winplat/config.h"
#include "winplat/modules.h"

namespace fs = std::filesystem;

namespace {

std::mutex foldersMutex;
std::vector<fs::path> addedFolders;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

fs::path ProgramFolder() {
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path();
}

std::vector<fs::path> SearchFolders() {
  std::error_code error;
  std::vector<fs::path> folders{ProgramFolder(), fs::current_path(error)};
  std::lock_guard<std::mutex> guard(foldersMutex);
  folders.insert(folders.end(), addedFolders.begin(), addedFolders.end());
  return folders;
}

// The regular file in `folder` named `fileName`, preferring the exact spelling over one that
// differs only in case.
std::optional<fs::path> FindInFolder(const fs::path &folder, const std::string &fileName) {
  std::error_code error;
  if (folder.empty())
    return std::nullopt;
  const fs::path exact = folder / fileName;
  if (fs::is_regular_file(exact, error))
    return exact;
  fs::directory_iterator entry(folder, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    const fs::path &candidate = entry->path();
    std::error_code typeError;
    if (winplat::modules::SameFileName(candidate.filename().string(), fileName) &&
        fs::is_regular_file(candidate, typeError)) {
      return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace

namespace winplat {

void AddModuleSearchFolder(const std::string &hostFolder) {
  std::lock_guard<std::mutex> guard(foldersMutex);
  std::error_code error;
  const fs::path folder = fs::absolute(hostFolder, error).lexically_normal();
  if (std::find(addedFolders.begin(), addedFolders.end(), folder) == addedFolders.end()) {
    addedFolders.push_back(folder);
  }
}

}  // namespace winplat

namespace winplat::modules {

bool IsBareName(std::string_view name) {
  return name.find_first_of("/\\:") == std::string_view::npos;
}

std::string WithDefaultExtension(std::string_view fileName) {
  if (fileName.ends_with('.'))
    return std::string(fileName.substr(0, fileName.size() - 1));
  if (fileName.find('.') == std::string_view::npos)
    return std::string(fileName) + ".dll";
  return std::string(fileName);
}

bool SameFileName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::optional<fs::path> FindModuleFile(std::string_view name) {
  if (name.empty())
    return std::nullopt;
  if (IsBareName(name)) {
    const std::string fileName = WithDefaultExtension(name);
    for (const fs::path &folder : SearchFolders()) {
      if (auto found = FindInFolder(folder, fileName))
        return found;
    }
    return std::nullopt;
  }
  // Windows form, host form (a leading slash) or relative to the current folder.
  const fs::path path = winplat::HostPathFromWindows(std::string(name));
  if (!path.has_filename())
    return std::nullopt;
  return FindInFolder(path.parent_path(), WithDefaultExtension(path.filename().string()));
}

}  // namespace winplat::modules
