// Help for the module's dialogs: the host's resource module serves it through its exports
// "CallSmallHelp" (context help for a control) and "CallBigHelp" (help for the item under the
// cursor), each looked up at every call.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"

// WM_CONTEXTMENU: context help for `control` (the message's wParam). False when the resource
// module has no "CallSmallHelp".
bool CallSmallHelp(HINSTANCE resourceModule, HWND control, int dialogResourceId, void *owner);
// WM_HELP: help for the HELPINFO's item. False when no help was requested: no HELPINFO, the
// ANSI platform (which shows none), or no "CallBigHelp".
bool CallBigHelp(HINSTANCE resourceModule, const HELPINFO *help, int dialogResourceId, void *owner,
                 bool ansiPlatform);
