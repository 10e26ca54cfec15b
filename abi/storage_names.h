// The names under which a printer keeps its profiles: the list values, each profile's value
// index "JZP_%04d" and data values "JZP_%04d_%s" of its registry number, the side files of user
// profiles on the ANSI platform, and the other printer-data values the module writes. The host
// reads a printer's profiles by the same names.
#pragma once

#include <windows.h>

#include <string>

// Printer data of the profile list.
constexpr char PROFILE_COUNT_VALUE[] = "JzProfileCount";  // REG_DWORD, number of headers
constexpr char PROFILE_DATA_VALUE[] = "JzProfileData";    // REG_BINARY, the headers
// The write probe of a store that has no host to ask whether it runs as a client.
constexpr char CLIENT_PROBE_VALUE[] = "JZP_FLAG";
// The printer's name as the page last saw it (ANSI platform), 260 bytes.
constexpr char PRINTER_NAME_VALUE[] = "PrinterName";
// The colour chooser's 16 custom colours, 64 bytes.
constexpr char CUSTOM_COLOR_VALUE[] = "ProfileCustomColor";

// Profile value names.
constexpr char PROFILE_DEVMODE_VALUE[] = "Default DevMode";  // the profile's complete DEVMODE
constexpr char PROFILE_SETUP_VALUE[] = "_Setup";             // the printer's "Setup" data set
// The name under which the store looks up the built-in default profile, registry number 0.
constexpr char FACTORY_DEFAULT_PROFILE[] = "Factory Default";
// The built-in profile's stored DEVMODE, as printer data.
constexpr char DEFAULT_PROFILE_DEVMODE_VALUE[] = "JZP_0000_Default DevMode";

std::string ProfileIndexName(int regNum);
std::string ProfileDataName(int regNum, LPCSTR valueName);

// A name a profile value may have: present, short enough for an index entry, and free of
// "JZP_" (searched character by character in the ANSI code page).
bool IsStorableValueName(LPCSTR valueName);

// Every '/', '"', '<', '>' and '|' of the path becomes '_'; the check goes byte by byte.
void ReplaceInvalidChar4Filename(char *path);

// The side file of a profile's data value on the ANSI platform:
// "<driver directory>\<printer name>_<data name>" with ReplaceInvalidChar4Filename applied.
// False when the path does not fit `size` bytes.
bool ProfileSideFilePath(LPCSTR driverDirectory, LPCSTR printerName, LPCSTR dataName, char *path,
                         size_t size);
