// What the file functions share: open files as handle objects, the table of share modes of the
// open files, and the translation of host errors and file status into Win32 terms.
#pragma once

#include <winbase.h>

#include <sys/stat.h>

#include <mutex>
#include <string>

#include "handle_table.h"

namespace winplat::files {

constexpr DWORD kReadRights = GENERIC_READ | GENERIC_ALL;
constexpr DWORD kWriteRights = GENERIC_WRITE | GENERIC_ALL;
constexpr DWORD kDeleteRights = DELETE | GENERIC_ALL;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  UniqueFd(const UniqueFd &) = delete;
  UniqueFd &operator=(const UniqueFd &) = delete;
  UniqueFd &operator=(UniqueFd &&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

struct FileIdentity {
  dev_t device;
  ino_t inode;
  bool operator==(const FileIdentity &) const = default;
};

inline FileIdentity IdentityOf(const struct stat &info) {
  return {info.st_dev, info.st_ino};
}

// Share-mode checks and the opening, deleting or moving they allow must happen under this lock
// to be one step for the other threads.
std::unique_lock<std::mutex> LockShares();
// Whether every handle open on the file lets a new opener have these rights, and the new
// opener's share mode lets every open handle keep its rights. The caller holds LockShares().
bool SharingAllows(const FileIdentity &file, DWORD access, DWORD share);

// An open file. Its rights and share mode are entered in the share table while it exists.
class FileObject : public HandleObject {
 public:
  // The caller holds LockShares().
  FileObject(UniqueFd fd, const FileIdentity &identity, DWORD access, DWORD share);
  ~FileObject() override;

  int fd() const { return fd_.get(); }
  bool CanRead() const { return (access_ & kReadRights) != 0; }
  bool CanWrite() const { return (access_ & kWriteRights) != 0; }

 private:
  UniqueFd fd_;
  DWORD access_;
};

// The Win32 error for a failed host call.
DWORD ErrorFromErrno(int error);
// ERROR_FILE_NOT_FOUND when the path's folder exists, ERROR_PATH_NOT_FOUND when it does not.
DWORD MissingFileError(const std::string &hostPath);
std::string ParentOf(const std::string &hostPath);

DWORD AttributesOf(const struct stat &info);
bool IsReadOnly(const struct stat &info);
FILETIME FileTimeOf(const struct timespec &time);

// Paths as the A and W functions receive them, in UTF-8; NULL becomes an empty path.
std::string PathFromAnsi(LPCSTR path);
std::string PathFromWide(LPCWSTR path);

// Sets the last error and gives the failure value a function returns.
template <class Result>
Result Fail(DWORD error, Result failure) {
  SetLastError(error);
  return failure;
}

}  // namespace winplat::files
