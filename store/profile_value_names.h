// Names under which a profile's values are stored: the index "JZP_%04d" and the data values
// "JZP_%04d_%s" of its registry number, and the side-file names of the ANSI platform.
#pragma once

#include <windows.h>

#include <string>

std::string ProfileIndexName(int regNum);
std::string ProfileDataName(int regNum, LPCSTR valueName);

// A name a profile value may have: present, short enough for an index entry, and free of
// "JZP_" (searched character by character in the ANSI code page).
bool IsStorableValueName(LPCSTR valueName);

// Every '/', '"', '<', '>' and '|' of the path becomes '_'; the check goes byte by byte.
void ReplaceInvalidChar4Filename(char *path);
