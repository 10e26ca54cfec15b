// Writing a profile's values the way the profile store writes them as printer data: the data
// values "JZP_%04d_<name>" and the index "JZP_%04d" that lists them, all REG_BINARY. Printer
// data is where the store keeps every value on the wide platform, and the built-in profile's
// (registry number 0) on every platform.
#pragma once

#include <windows.h>

#include "host/settings_diff.h"

namespace host {

// Stores the snapshot's DEVMODE as "Default DevMode" and each of its data sets under its name;
// false when the printer refuses a value.
bool WriteProfileValues(HANDLE printer, LONG regNum, const SettingsSnapshot &snapshot);

}  // namespace host
