// The storage operations of the profile page: a profile's DEVMODE as the page reads it, and the
// driver data sets that travel with a profile. Each builds a profile store for the page's
// printer for its own duration.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "store/page_context.h"
#include "store/vtprofjzp.h"

// A store for the page's printer: the page's printer identity and printer handle.
std::unique_ptr<VTPROFJZP> MakePageStore(const ProfilePageContext &page);

// The profile's stored DEVMODE; empty when it has none. A stored DEVMODE shorter than the
// driver's default is widened with zero bytes, given the size fields of the page's current
// DEVMODE and stored back in its new size.
std::vector<BYTE> GetProfileDevModeFromRegW(const ProfilePageContext &page, LPCSTR profileName,
                                            int regNum, LPCSTR valueName);

// Copies the printer's data sets (values beginning with "Vt", and "Setup" as "_Setup") from
// the printer's key under `root` into the profile. False when the key cannot be opened; a
// profile that the page's list lacks gets nothing.
bool SaveProfilePrinterRegData(const ProfilePageContext &page, HKEY root, LPCSTR profileName);
// Stores one value in the profile as REG_BINARY; nothing for a profile that the page's list
// lacks. Always true.
bool SaveProfilePrinterValue(const ProfilePageContext &page, LPCSTR profileName, LPCSTR valueName,
                             const BYTE *data, DWORD size);
// Writes the profile's data sets back into the printer's data, empty ones included; nothing in
// client mode or for a profile that the page's list lacks. Always true.
bool RestoreProfilePrinterRegData(const ProfilePageContext &page, LPCSTR profileName);
// Removes all of the profile's values and its index. False, removing nothing, when the page's
// list lacks the profile.
bool DeleteProfilePrinterRegData(const ProfilePageContext &page, LPCSTR profileName);
