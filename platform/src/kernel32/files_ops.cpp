// DeleteFile, MoveFile, CreateDirectory and GetFileAttributes. Deleting and moving need the
// file's open handles to share deletion, as the DELETE right they take on Windows does.
#include <winbase.h>

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "files_common.h"
#include "paths_resolve.h"

namespace winplat::files {
namespace {

// The host path of a Windows path, or the error that the last error should become.
DWORD ResolveHost(const std::string &path, std::string &hostPath) {
  paths::Resolved resolved = paths::Resolve(path);
  hostPath = std::move(resolved.hostPath);
  return resolved.error;
}

BOOL Delete(const std::string &path) {
  std::string hostPath;
  const DWORD error = ResolveHost(path, hostPath);
  if (error != ERROR_SUCCESS)
    return Fail(error, FALSE);
  const std::unique_lock<std::mutex> lock = LockShares();
  struct stat info;
  if (stat(hostPath.c_str(), &info) != 0) {
    return Fail(errno == ENOENT ? MissingFileError(hostPath) : ErrorFromErrno(errno), FALSE);
  }
  if (S_ISDIR(info.st_mode) || IsReadOnly(info))
    return Fail(ERROR_ACCESS_DENIED, FALSE);
  if (!SharingAllows(IdentityOf(info), DELETE, kShareAll)) {
    return Fail(ERROR_SHARING_VIOLATION, FALSE);
  }
  if (unlink(hostPath.c_str()) != 0)
    return Fail(ErrorFromErrno(errno), FALSE);
  return TRUE;
}

bool WriteAll(int fd, const char *data, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

DWORD CopyBytes(int in, int out) {
  char buffer[65536];
  for (;;) {
    const ssize_t count = read(in, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return ErrorFromErrno(errno);
    if (count == 0)
      return ERROR_SUCCESS;
    if (!WriteAll(out, buffer, static_cast<size_t>(count)))
      return ErrorFromErrno(errno);
  }
}

// Copies a file's bytes and permissions to a new file; on failure the new file is removed.
DWORD CopyFileTo(const std::string &source, const std::string &target, mode_t mode) {
  const UniqueFd in(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0)
    return ErrorFromErrno(errno);
  const UniqueFd out(open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (out.get() < 0)
    return ErrorFromErrno(errno);
  const DWORD error = CopyBytes(in.get(), out.get());
  if (error != ERROR_SUCCESS)
    unlink(target.c_str());
  return error;
}

// The last component of a Windows path as it was written.
std::string LastComponent(const std::string &path) {
  size_t start = path.size();
  while (start > 0 && !paths::IsSeparator(path[start - 1]) && path[start - 1] != ':')
    --start;
  return path.substr(start);
}

BOOL Move(const std::string &sourcePath, const std::string &targetPath) {
  std::string source, target;
  DWORD error = ResolveHost(sourcePath, source);
  if (error == ERROR_SUCCESS)
    error = ResolveHost(targetPath, target);
  if (error != ERROR_SUCCESS)
    return Fail(error, FALSE);

  const std::unique_lock<std::mutex> lock = LockShares();
  struct stat sourceInfo, targetInfo;
  if (stat(source.c_str(), &sourceInfo) != 0) {
    return Fail(errno == ENOENT ? MissingFileError(source) : ErrorFromErrno(errno), FALSE);
  }
  if (stat(target.c_str(), &targetInfo) == 0) {
    // Only a change of case may land on the source itself; the target keeps the new spelling.
    if (IdentityOf(targetInfo) != IdentityOf(sourceInfo))
      return Fail(ERROR_ALREADY_EXISTS, FALSE);
    target = ParentOf(target) + "/" + LastComponent(targetPath);
  } else if (MissingFileError(target) == ERROR_PATH_NOT_FOUND) {
    return Fail(ERROR_PATH_NOT_FOUND, FALSE);
  }
  if (!SharingAllows(IdentityOf(sourceInfo), DELETE, kShareAll)) {
    return Fail(ERROR_SHARING_VIOLATION, FALSE);
  }
  if (rename(source.c_str(), target.c_str()) == 0)
    return TRUE;
  if (errno != EXDEV || S_ISDIR(sourceInfo.st_mode))
    return Fail(ErrorFromErrno(errno), FALSE);
  error = CopyFileTo(source, target, sourceInfo.st_mode & 07777);
  if (error == ERROR_SUCCESS && unlink(source.c_str()) != 0)
    error = ErrorFromErrno(errno);
  return error == ERROR_SUCCESS ? TRUE : Fail(error, FALSE);
}

BOOL MakeDirectory(const std::string &path) {
  std::string hostPath;
  const DWORD error = ResolveHost(path, hostPath);
  if (error != ERROR_SUCCESS)
    return Fail(error, FALSE);
  if (mkdir(hostPath.c_str(), 0777) == 0)
    return TRUE;
  return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno), FALSE);
}

DWORD Attributes(const std::string &path) {
  std::string hostPath;
  const DWORD error = ResolveHost(path, hostPath);
  if (error != ERROR_SUCCESS)
    return Fail(error, INVALID_FILE_ATTRIBUTES);
  struct stat info;
  if (stat(hostPath.c_str(), &info) != 0) {
    const DWORD reason = errno == ENOENT ? MissingFileError(hostPath) : ErrorFromErrno(errno);
    return Fail(reason, INVALID_FILE_ATTRIBUTES);
  }
  return AttributesOf(info);
}

}  // namespace
}  // namespace winplat::files

using winplat::files::PathFromAnsi;
using winplat::files::PathFromWide;

extern "C" BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  return winplat::files::Delete(PathFromAnsi(lpFileName));
}

extern "C" BOOL WINAPI DeleteFileW(LPCWSTR lpFileName) {
  return winplat::files::Delete(PathFromWide(lpFileName));
}

extern "C" BOOL WINAPI MoveFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  return winplat::files::Move(PathFromAnsi(lpExistingFileName), PathFromAnsi(lpNewFileName));
}

extern "C" BOOL WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName) {
  return winplat::files::Move(PathFromWide(lpExistingFileName), PathFromWide(lpNewFileName));
}

extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  return winplat::files::MakeDirectory(PathFromAnsi(lpPathName));
}

extern "C" BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  return winplat::files::MakeDirectory(PathFromWide(lpPathName));
}

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  return winplat::files::Attributes(PathFromAnsi(lpFileName));
}

extern "C" DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName) {
  return winplat::files::Attributes(PathFromWide(lpFileName));
}
