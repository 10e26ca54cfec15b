// Open files, the share table and the Win32 view of host errors and file status.
#include "files_common.h"

#include <winbase.h>

#include <errno.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "codepage_convert.h"

namespace winplat::files {
namespace {

struct OpenEntry {
  const FileObject *owner;
  FileIdentity file;
  DWORD access;
  DWORD share;
};

std::mutex sharesMutex;
std::vector<OpenEntry> openFiles;

bool Refuses(DWORD access, DWORD rights, DWORD share, DWORD shareFlag) {
  return (access & rights) != 0 && (share & shareFlag) == 0;
}

// Opens without read, write or delete rights neither restrict others nor are restricted.
bool Conflicts(const OpenEntry &open, DWORD access, DWORD share) {
  constexpr DWORD kAnyRights = kReadRights | kWriteRights | kDeleteRights;
  if ((open.access & kAnyRights) == 0 || (access & kAnyRights) == 0)
    return false;
  return Refuses(access, kReadRights, open.share, FILE_SHARE_READ) ||
         Refuses(access, kWriteRights, open.share, FILE_SHARE_WRITE) ||
         Refuses(access, kDeleteRights, open.share, FILE_SHARE_DELETE) ||
         Refuses(open.access, kReadRights, share, FILE_SHARE_READ) ||
         Refuses(open.access, kWriteRights, share, FILE_SHARE_WRITE) ||
         Refuses(open.access, kDeleteRights, share, FILE_SHARE_DELETE);
}

}  // namespace

UniqueFd::~UniqueFd() {
  if (fd_ >= 0)
    close(fd_);
}

std::unique_lock<std::mutex> LockShares() {
  return std::unique_lock<std::mutex>(sharesMutex);
}

bool SharingAllows(const FileIdentity &file, DWORD access, DWORD share) {
  return std::none_of(openFiles.begin(), openFiles.end(), [&](const OpenEntry &open) {
    return open.file == file && Conflicts(open, access, share);
  });
}

FileObject::FileObject(UniqueFd fd, const FileIdentity &identity, DWORD access, DWORD share)
    : fd_(std::move(fd)), access_(access) {
  openFiles.push_back({this, identity, access, share});
}

FileObject::~FileObject() {
  std::lock_guard<std::mutex> lock(sharesMutex);
  std::erase_if(openFiles, [this](const OpenEntry &open) { return open.owner == this; });
}

DWORD ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case ENOSPC:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EFAULT:
      return ERROR_NOACCESS;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    default:
      return ERROR_GEN_FAILURE;
  }
}

std::string ParentOf(const std::string &hostPath) {
  const size_t slash = hostPath.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

DWORD MissingFileError(const std::string &hostPath) {
  struct stat info;
  const bool folderExists = stat(ParentOf(hostPath).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  return folderExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

bool IsReadOnly(const struct stat &info) {
  return !S_ISDIR(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

DWORD AttributesOf(const struct stat &info) {
  const DWORD kind = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  return kind | (IsReadOnly(info) ? FILE_ATTRIBUTE_READONLY : 0);
}

FILETIME FileTimeOf(const struct timespec &time) {
  // 100-nanosecond intervals since 1601-01-01; the Unix epoch is 11644473600 seconds later.
  const ULONGLONG intervals =
      (static_cast<ULONGLONG>(time.tv_sec) + 11644473600ULL) * 10000000ULL + time.tv_nsec / 100;
  return {static_cast<DWORD>(intervals), static_cast<DWORD>(intervals >> 32)};
}

std::string PathFromAnsi(LPCSTR path) {
  return path == nullptr ? "" : codepage::Utf8FromAnsi(path);
}

std::string PathFromWide(LPCWSTR path) {
  return path == nullptr ? "" : codepage::Utf8FromWide(path);
}

}  // namespace winplat::files
