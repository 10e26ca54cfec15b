// On the ANSI platform a printer's profile files in the system directory carry the printer's
// name: "<printer>_JZP_...". When the printer has been renamed they follow it.
#pragma once

#include <windows.h>

// Renames every "<oldName>_JZP_*" file of the system directory to the same name with
// `newName` in place of `oldName`. Both names go through the file-name rule ('/', '"', '<',
// '>' and '|' become '_'). Failures are silent.
void MoveProfileFiles(LPCSTR oldName, LPCSTR newName);
