// Which value names of a profile file a profile may take as its own values. A file comes from
// elsewhere: a name is taken only when it is a plain value name that stays one of the
// profile's values, as printer data and, on the ANSI platform, as a side file in the driver
// directory.
#pragma once

#include <windows.h>

// The longest name taken: its data value "JZP_%04d_<name>" still fits MAX_PATH with its
// terminator.
constexpr size_t kMaxImportedValueName = MAX_PATH - 1 - 9;

// Not empty, at most kMaxImportedValueName bytes, no control character, none of \ / : * ?
// (checked byte by byte, so a double-byte character whose trail byte is a backslash counts as
// one), and none of the store's own names: the profile list values, "JZP_" anywhere, the
// profile's "Default DevMode" and "_Setup" (case ignored).
bool IsImportableValueName(LPCSTR valueName);
