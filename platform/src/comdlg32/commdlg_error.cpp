// CommDlgExtendedError: the last chooser error of the calling thread.
#include "commdlg_error.h"

namespace {

thread_local DWORD lastError = 0;

}  // namespace

namespace winplat::commdlg {

void SetError(DWORD error) {
  lastError = error;
}

}  // namespace winplat::commdlg

extern "C" DWORD WINAPI CommDlgExtendedError(void) {
  return lastError;
}
