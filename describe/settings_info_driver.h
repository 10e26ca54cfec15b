// What the settings information asks of the driver's installation: whether a plug-in module is
// registered and enabled, whether the driver is a pre-release build, and which help file the
// dialog's help opens.
#pragma once

#include <windows.h>

#include <string>

#include "abi/host_interfaces.h"

// True when a registration entry "FeatureSet%d", read from number 2 on until the first that
// cannot be read, is enabled (flag bit 8) and names `fileName` as its UI module, exactly.
bool IsFeatureSetInstalled(UIManager *manager, LPCSTR fileName);

// True when "IsPreRelease" of the driver's version ini file in the help directory is nonzero.
bool IsPreReleaseBuild(UIManager *manager);

// The driver's help file for the host's help file name: the English one when that name contains
// "EN", else the Japanese one when it contains "J" (case ignored), in the help directory; empty
// when there is none.
std::string InfoHelpFile(UIManager *manager);
