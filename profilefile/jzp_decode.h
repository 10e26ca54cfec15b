// The decoder of Sections 1 and 2: the stored items applied onto a DEVMODE.
#pragma once

#include <windows.h>

// Applies the items onto the complete DEVMODE in `target` (a buffer of `targetSize` bytes,
// normally a copy of the reading printer's factory default). Fields the sections do not carry
// keep their bytes. False, changing nothing, when the DEVMODE's size fields do not fit the
// buffer. Items the target cannot take are skipped; nothing is written outside the fields.
bool ApplyJzpSections(BYTE *target, DWORD targetSize, const BYTE *section1, DWORD section1Size,
                      const BYTE *section2, DWORD section2Size);
