// The embedded default machine: both demo drivers installed for both Windows platforms, two
// printers (a local colour printer and a network monochrome printer) with their driver data,
// and the driver's other plug-in modules registered.
#pragma once

#include <string>

namespace host {

constexpr char16_t kColorPrinterName[] = u"JZ Color 5300";
constexpr char16_t kMonoPrinterName[] = u"\\\\PRINTSRV\\JZ Mono 2100";

// Installs the demo drivers and printers into the current registry and drive C:. False with a
// message when a step fails.
bool InstallDemoMachine(std::string *error);

// The step of the driver's setup that follows: each demo printer's built-in profile (registry
// number 0) is stored with the printer's default settings and its driver data sets, in the form
// the profile store keeps a profile, so that the profile page finds the driver's defaults stored.
bool StoreBuiltInProfiles(std::string *error);

}  // namespace host
