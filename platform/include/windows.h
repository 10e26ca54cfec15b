// The Win32 subset of this platform layer, as one header like the real <windows.h>.
#pragma once

#include "winplat/types.h"
#include "winplat/errors.h"
#include "winplat/system.h"
#include "winplat/text.h"
#include "winplat/files.h"
#include "winplat/registry.h"
#include "winplat/devmode.h"
#include "winplat/spooler.h"
#include "winplat/gdi.h"
#include "winplat/user.h"
#include "winplat/lists.h"
#include "winplat/resources.h"
