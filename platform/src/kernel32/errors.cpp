// The per-thread last-error value.
#include <winbase.h>

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

extern "C" DWORD WINAPI GetLastError(void) {
  return lastError;
}

extern "C" void WINAPI SetLastError(DWORD dwErrCode) {
  lastError = dwErrCode;
}
