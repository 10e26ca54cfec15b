// ReadFile, WriteFile, SetFilePointer and GetFileSize on open file handles. Each handle has its
// own file position, as each CreateFile call on Windows does.
#include <winbase.h>

#include <errno.h>
#include <unistd.h>

#include "files_common.h"
#include "handle_table.h"

namespace winplat::files {
namespace {

using FilePointer = std::shared_ptr<FileObject>;

// The file behind a handle for a synchronous transfer, or the error that prevents it.
DWORD CheckTransfer(const FilePointer &file, LPDWORD byteCount, LPOVERLAPPED overlapped) {
  if (file == nullptr)
    return ERROR_INVALID_HANDLE;
  if (overlapped != nullptr || byteCount == nullptr)
    return ERROR_INVALID_PARAMETER;
  *byteCount = 0;
  return ERROR_SUCCESS;
}

template <class Transfer>
BOOL TransferAll(Transfer transfer, DWORD size, LPDWORD done) {
  while (*done < size) {
    const ssize_t count = transfer(*done, size - *done);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return Fail(ErrorFromErrno(errno), FALSE);
    if (count == 0)
      break;
    *done += static_cast<DWORD>(count);
  }
  return TRUE;
}

}  // namespace
}  // namespace winplat::files

using winplat::files::Fail;
using winplat::files::FileObject;

extern "C" BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                                LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
  const auto file = winplat::LookupHandleAs<FileObject>(hFile);
  const DWORD error = winplat::files::CheckTransfer(file, lpNumberOfBytesRead, lpOverlapped);
  if (error != ERROR_SUCCESS)
    return Fail(error, FALSE);
  if (!file->CanRead())
    return Fail(ERROR_ACCESS_DENIED, FALSE);
  auto *buffer = static_cast<char *>(lpBuffer);
  return winplat::files::TransferAll(
      [&](DWORD offset, DWORD count) { return read(file->fd(), buffer + offset, count); },
      nNumberOfBytesToRead, lpNumberOfBytesRead);
}

extern "C" BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                                 LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  const auto file = winplat::LookupHandleAs<FileObject>(hFile);
  const DWORD error = winplat::files::CheckTransfer(file, lpNumberOfBytesWritten, lpOverlapped);
  if (error != ERROR_SUCCESS)
    return Fail(error, FALSE);
  if (!file->CanWrite())
    return Fail(ERROR_ACCESS_DENIED, FALSE);
  const auto *buffer = static_cast<const char *>(lpBuffer);
  return winplat::files::TransferAll(
      [&](DWORD offset, DWORD count) { return write(file->fd(), buffer + offset, count); },
      nNumberOfBytesToWrite, lpNumberOfBytesWritten);
}

extern "C" DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove,
                                       PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  const auto file = winplat::LookupHandleAs<FileObject>(hFile);
  if (file == nullptr)
    return Fail(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
  const LONGLONG distance =
      lpDistanceToMoveHigh == nullptr
          ? lDistanceToMove
          : static_cast<LONGLONG>((static_cast<ULONGLONG>(*lpDistanceToMoveHigh) << 32) |
                                  static_cast<DWORD>(lDistanceToMove));
  off_t origin;
  switch (dwMoveMethod) {
    case FILE_BEGIN:
      origin = 0;
      break;
    case FILE_CURRENT:
      origin = lseek(file->fd(), 0, SEEK_CUR);
      break;
    case FILE_END:
      origin = lseek(file->fd(), 0, SEEK_END);
      break;
    default:
      return Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  }
  const LONGLONG position = origin + distance;
  if (position < 0)
    return Fail(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
  if (lpDistanceToMoveHigh == nullptr && position > 0xFFFFFFFFLL) {
    return Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  }
  if (lseek(file->fd(), position, SEEK_SET) < 0) {
    return Fail(winplat::files::ErrorFromErrno(errno), INVALID_SET_FILE_POINTER);
  }
  if (lpDistanceToMoveHigh != nullptr)
    *lpDistanceToMoveHigh = static_cast<LONG>(position >> 32);
  const DWORD low = static_cast<DWORD>(position);
  if (low == INVALID_SET_FILE_POINTER)
    SetLastError(NO_ERROR);
  return low;
}

extern "C" DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  const auto file = winplat::LookupHandleAs<FileObject>(hFile);
  if (file == nullptr)
    return Fail(ERROR_INVALID_HANDLE, INVALID_FILE_SIZE);
  struct stat info;
  if (fstat(file->fd(), &info) != 0) {
    return Fail(winplat::files::ErrorFromErrno(errno), INVALID_FILE_SIZE);
  }
  const ULONGLONG size = static_cast<ULONGLONG>(info.st_size);
  if (lpFileSizeHigh != nullptr)
    *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  const DWORD low = static_cast<DWORD>(size);
  if (low == INVALID_FILE_SIZE)
    SetLastError(NO_ERROR);
  return low;
}
