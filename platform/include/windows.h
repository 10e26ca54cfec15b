// The Win32 subset of this platform layer, as one header like the real <windows.h>.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
#include "winnls.h"
#include "winver.h"
#include "winreg.h"
#include "winspool.h"
