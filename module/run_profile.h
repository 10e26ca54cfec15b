// RunProfile: the profile page run as a stand-alone dialog for an owner the host supplies.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"

// Prepares a page owned by `owner` and runs it; always 0, also when the owner's UIManager lacks
// what the page cannot work without.
int RunProfilePage(HWND parent, CControlSet *owner);
