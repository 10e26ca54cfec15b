// CreateFileA/W: the creation dispositions, the read-only attribute and the share-mode checks
// against the handles already open on the file.
#include <winbase.h>

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "files_common.h"
#include "handle_table.h"
#include "paths_resolve.h"

namespace winplat::files {
namespace {

constexpr DWORD kUnsupportedFlags =
    FILE_FLAG_OVERLAPPED | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_BACKUP_SEMANTICS;

HANDLE Failure(DWORD error) {
  return Fail(error, INVALID_HANDLE_VALUE);
}

DWORD OpenError(int error, const std::string &hostPath) {
  if (error == ENOENT)
    return MissingFileError(hostPath);
  return error == EEXIST ? ERROR_FILE_EXISTS : ErrorFromErrno(error);
}

// Why an existing file may not be opened this way, or ERROR_SUCCESS.
DWORD CheckExisting(const struct stat &info, DWORD disposition, DWORD access, DWORD share) {
  if (S_ISDIR(info.st_mode))
    return ERROR_ACCESS_DENIED;
  if (disposition == CREATE_NEW)
    return ERROR_FILE_EXISTS;
  const bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
  const DWORD effectiveAccess = access | (truncates ? GENERIC_WRITE : 0);
  if ((effectiveAccess & kWriteRights) != 0 && IsReadOnly(info))
    return ERROR_ACCESS_DENIED;
  if (!SharingAllows(IdentityOf(info), effectiveAccess, share))
    return ERROR_SHARING_VIOLATION;
  return ERROR_SUCCESS;
}

HANDLE Create(const std::string &path, DWORD access, DWORD share, DWORD disposition,
              DWORD flagsAndAttributes) {
  if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING ||
      (share & ~FILE_SHARE_VALID_FLAGS) != 0 || (flagsAndAttributes & kUnsupportedFlags) != 0) {
    return Failure(ERROR_INVALID_PARAMETER);
  }
  const paths::Resolved resolved = paths::Resolve(path);
  if (resolved.error != ERROR_SUCCESS)
    return Failure(resolved.error);
  const std::string &hostPath = resolved.hostPath;

  std::unique_lock<std::mutex> lock = LockShares();
  struct stat info;
  const bool exists = stat(hostPath.c_str(), &info) == 0;
  if (!exists && errno != ENOENT)
    return Failure(ErrorFromErrno(errno));
  if (!exists && (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING)) {
    return Failure(MissingFileError(hostPath));
  }
  if (exists) {
    const DWORD error = CheckExisting(info, disposition, access, share);
    if (error != ERROR_SUCCESS)
      return Failure(error);
  }

  // The descriptor may do more than the handle: the handle's own rights are checked on use.
  const bool truncates =
      exists && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
  int flags = O_CLOEXEC | ((access & kWriteRights) != 0 || truncates ? O_RDWR : O_RDONLY);
  if (!exists)
    flags |= O_CREAT | O_EXCL;
  if (truncates)
    flags |= O_TRUNC;
  const mode_t mode = (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
  UniqueFd fd(open(hostPath.c_str(), flags, mode));
  if (fd.get() < 0)
    return Failure(OpenError(errno, hostPath));
  if (fstat(fd.get(), &info) != 0)
    return Failure(ErrorFromErrno(errno));
  auto file = std::make_shared<FileObject>(std::move(fd), IdentityOf(info), access, share);
  lock.unlock();

  const HANDLE handle = RegisterHandle(std::move(file));
  const bool reportsExisting = disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS;
  SetLastError(exists && reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

}  // namespace
}  // namespace winplat::files

extern "C" HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                     LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/,
                                     DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                     HANDLE /*hTemplateFile*/) {
  return winplat::files::Create(winplat::files::PathFromAnsi(lpFileName), dwDesiredAccess,
                                dwShareMode, dwCreationDisposition, dwFlagsAndAttributes);
}

extern "C" HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                     LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/,
                                     DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                     HANDLE /*hTemplateFile*/) {
  return winplat::files::Create(winplat::files::PathFromWide(lpFileName), dwDesiredAccess,
                                dwShareMode, dwCreationDisposition, dwFlagsAndAttributes);
}
