// Restoring stored settings onto the current printer: stored identifiers become positions in
// the host's current lists, entries that are gone fall back to defaults, the LitePrint level is
// brought into the model's range, and the private blocks take the current printer's chain,
// filled from the profile or from the plug-ins' defaults.
#pragma once

#include <windows.h>

#include <vector>

#include "store/page_context.h"
#include "apply/settings_view.h"

// The steps, in the order RestoreDevMode runs them.
void RestorePrintSize(UIManager *manager, SettingsView &settings);
// The media source and cover mode: cover mode follows the printer's settings on models whose
// record fixes it; a paper source that is gone falls back to the first one.
void RestoreMediaSource(const ProfilePageContext &page, SettingsView &settings);
void RestoreOutputBin(UIManager *manager, DriverContext *driver, SettingsView &settings);
void RestoreLitePrint(const ModelCapabilitiesRecord *capabilities, pdMain *main);
void RestorePaperSize(UIManager *manager, DEVMODEW *devMode);

// Runs the steps over the DEVMODE in the buffer and gives it the current DEVMODE's size and
// chain of blocks (RestorePlugIns). `restoreMedia` adds the media-source, cover-mode and
// output-bin steps. False, changing nothing, when the page has no UIManager or no current
// DEVMODE, or the buffer does not hold a complete DEVMODE with a main block.
bool RestoreDevMode(const ProfilePageContext &page, std::vector<BYTE> &devMode, int regNum,
                    bool restoreMedia);
