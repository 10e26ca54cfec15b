// The embedded default machine: both demo drivers installed for both Windows platforms, two
// printers (a local colour printer and a network monochrome printer) with their driver data,
// and the driver's other plug-in modules registered.
#pragma once

#include <string>

#include "abi/wide.h"

namespace host {

constexpr WCHAR kColorPrinterName[] = WSTR("JZ Color 5300");
#if defined(_WIN32)
// Without a print server, the monochrome printer is a local queue on the server's share.
constexpr WCHAR kMonoPrinterName[] = WSTR("JZ Mono 2100");
#else
constexpr WCHAR kMonoPrinterName[] = WSTR("\\\\PRINTSRV\\JZ Mono 2100");
#endif

// Installs the demo drivers and printers into the current registry and drive C:. False with a
// message when a step fails.
bool InstallDemoMachine(std::string *error);

#if defined(_WIN32)
// Removes the demo printers and drivers from the system, so that the next install starts afresh.
// False with a message when one is there and cannot be removed.
bool RemoveDemoMachine(std::string *error);
#endif

// The step of the driver's setup that follows: each demo printer's built-in profile (registry
// number 0) is stored with the printer's default settings and its driver data sets, in the form
// the profile store keeps a profile, so that the profile page finds the driver's defaults stored.
bool StoreBuiltInProfiles(std::string *error);

}  // namespace host
