// FindFirstFile, FindNextFile and FindClose. A search reads the whole directory when it
// starts and hands out the matching entries in order.
#include <winbase.h>

#include <dirent.h>
#include <errno.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "codepage_convert.h"
#include "files_common.h"
#include "handle_table.h"
#include "paths_resolve.h"
#include "paths_wildcard.h"
#include "text_unicode.h"

namespace winplat::files {
namespace {

struct FoundEntry {
  std::string name;  // UTF-8
  struct stat info;
};

class FindSearch : public HandleObject {
 public:
  explicit FindSearch(std::vector<FoundEntry> entries) : entries_(std::move(entries)) {}
  bool ClosedByCloseHandle() const override { return false; }

  // The next entry, or nullptr once all have been handed out.
  const FoundEntry *Next() {
    std::lock_guard<std::mutex> lock(mutex_);
    return next_ < entries_.size() ? &entries_[next_++] : nullptr;
  }

 private:
  std::mutex mutex_;
  std::vector<FoundEntry> entries_;
  size_t next_ = 0;
};

// Windows lists "." and ".." first, then the names in the order of their upper-case forms.
bool ListedBefore(const FoundEntry &a, const FoundEntry &b) {
  const bool dotsA = a.name == "." || a.name == "..", dotsB = b.name == "." || b.name == "..";
  if (dotsA != dotsB)
    return dotsA;
  const std::u32string foldedA = text::FoldedUtf8(a.name), foldedB = text::FoldedUtf8(b.name);
  return foldedA != foldedB ? foldedA < foldedB : a.name < b.name;
}

// The entries of a directory that match the pattern, or the error that prevents reading it.
DWORD ReadMatches(const paths::Resolved &directory, const std::string &pattern,
                  std::vector<FoundEntry> &matches) {
  std::unique_ptr<DIR, int (*)(DIR *)> handle(opendir(directory.hostPath.c_str()), closedir);
  if (!handle)
    return errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno);
  while (const dirent *entry = readdir(handle.get())) {
    const std::string name = entry->d_name;
    const bool isDots = name == "." || name == "..";
    // "." and ".." match as an empty name would: "*", "*.*", "*." and "?" list them.
    if ((isDots && directory.isDriveRoot) || !paths::MatchesPattern(pattern, isDots ? "" : name)) {
      continue;
    }
    FoundEntry found{name, {}};
    const std::string path = directory.hostPath + "/" + name;
    if (stat(path.c_str(), &found.info) != 0 && lstat(path.c_str(), &found.info) != 0)
      continue;
    matches.push_back(std::move(found));
  }
  std::sort(matches.begin(), matches.end(), ListedBefore);
  return matches.empty() ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
}

template <class FindData>
void FillCommon(const FoundEntry &entry, FindData &data) {
  data.dwFileAttributes = AttributesOf(entry.info);
  data.ftCreationTime = FileTimeOf(entry.info.st_ctim);
  data.ftLastAccessTime = FileTimeOf(entry.info.st_atim);
  data.ftLastWriteTime = FileTimeOf(entry.info.st_mtim);
  const ULONGLONG size = S_ISDIR(entry.info.st_mode) ? 0 : entry.info.st_size;
  data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data.nFileSizeLow = static_cast<DWORD>(size);
  data.dwReserved0 = 0;
  data.dwReserved1 = 0;
  data.cAlternateFileName[0] = 0;
}

void Fill(const FoundEntry &entry, WIN32_FIND_DATAW &data) {
  FillCommon(entry, data);
  std::u16string name = codepage::WideFromUtf8(entry.name);
  name.resize(std::min<size_t>(name.size(), MAX_PATH - 1));
  std::copy(name.begin(), name.end(), data.cFileName);
  data.cFileName[name.size()] = 0;
}

// An ANSI name that does not fit loses its last whole characters.
void Fill(const FoundEntry &entry, WIN32_FIND_DATAA &data) {
  FillCommon(entry, data);
  const std::string name = codepage::AnsiFromUtf8(entry.name);
  size_t length = 0;
  while (length < name.size()) {
    const size_t next = length + codepage::Ansi().CharLength(std::string_view(name).substr(length));
    if (next > MAX_PATH - 1)
      break;
    length = next;
  }
  std::memcpy(data.cFileName, name.data(), length);
  data.cFileName[length] = '\0';
}

template <class FindData>
HANDLE FindFirst(const std::string &path, FindData *data) {
  size_t split = path.size();
  while (split > 0 && !paths::IsSeparator(path[split - 1]) && path[split - 1] != ':')
    --split;
  const std::string pattern = path.substr(split);
  const std::string folder = split == 0 ? "." : path.substr(0, split);
  if (pattern.empty())
    return Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
  const paths::Resolved directory = paths::Resolve(folder);
  if (directory.error != ERROR_SUCCESS)
    return Fail(directory.error, INVALID_HANDLE_VALUE);

  std::vector<FoundEntry> matches;
  const DWORD error = ReadMatches(directory, pattern, matches);
  if (error != ERROR_SUCCESS)
    return Fail(error, INVALID_HANDLE_VALUE);
  auto search = std::make_shared<FindSearch>(std::move(matches));
  Fill(*search->Next(), *data);
  return RegisterHandle(std::move(search));
}

template <class FindData>
BOOL FindNext(HANDLE handle, FindData *data) {
  const auto search = LookupHandleAs<FindSearch>(handle);
  if (search == nullptr)
    return Fail(ERROR_INVALID_HANDLE, FALSE);
  const FoundEntry *entry = search->Next();
  if (entry == nullptr)
    return Fail(ERROR_NO_MORE_FILES, FALSE);
  Fill(*entry, *data);
  return TRUE;
}

}  // namespace
}  // namespace winplat::files

extern "C" HANDLE WINAPI FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  return winplat::files::FindFirst(winplat::files::PathFromAnsi(lpFileName), lpFindFileData);
}

extern "C" HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
  return winplat::files::FindFirst(winplat::files::PathFromWide(lpFileName), lpFindFileData);
}

extern "C" BOOL WINAPI FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
  return winplat::files::FindNext(hFindFile, lpFindFileData);
}

extern "C" BOOL WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
  return winplat::files::FindNext(hFindFile, lpFindFileData);
}

extern "C" BOOL WINAPI FindClose(HANDLE hFindFile) {
  if (winplat::LookupHandleAs<winplat::files::FindSearch>(hFindFile) == nullptr ||
      !winplat::UnregisterHandle(hFindFile)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
