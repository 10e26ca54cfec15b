// Applying a stored profile: its DEVMODE is restored onto the current printer and handed to
// the host as the current settings.
#pragma once

#include <windows.h>

#include "store/page_context.h"

// True when the profile is in the page's list, holds a "Default DevMode" value and the host was
// given the restored settings; otherwise nothing changes.
bool ApplyProfileDevMode(const ProfilePageContext &page, LPCSTR profileName);
