// Giving a stored DEVMODE the current printer's layout: its public part over a copy of the
// current DEVMODE, each current private block taken from the stored DEVMODE when it has a block
// of that identifier, else from the plug-in's defaults, else kept as it is now.
#pragma once

#include <windows.h>

#include "abi/storage_names.h"

#include <vector>

#include "store/page_context.h"

// `devMode` must hold a complete DEVMODE (dmSize + dmDriverExtra bytes at least); afterwards it
// is exactly the size of the page's current DEVMODE, with the current chain of blocks. When
// defaults were used and `regNum` is 0 the result is stored as DEFAULT_PROFILE_DEVMODE_VALUE.
// False, changing nothing, when the page has no usable current DEVMODE or `devMode` is not
// complete.
bool RestorePlugIns(const ProfilePageContext &page, std::vector<BYTE> &devMode, int regNum);
