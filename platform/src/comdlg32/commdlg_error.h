// The error CommDlgExtendedError reports, set by every chooser call.
#pragma once

#include <commdlg.h>

namespace winplat::commdlg {

void SetError(DWORD error);

}  // namespace winplat::commdlg
