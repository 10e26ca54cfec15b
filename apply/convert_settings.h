// Converting settings before they are stored as a profile: the print-size and output-bin
// indices of the main block are positions in host lists that may change before the profile is
// applied again, so positions become stable identifiers (identifier + 1000). A print size at or
// beyond the end of its list is kept as its distance from the end + 2000. Values from 1000 up
// are converted already and are left alone (stored_index.h), so converting twice equals
// converting once, also for an entry whose identifier is 0.
#pragma once

#include <windows.h>

#include <cstddef>

#include "abi/private_blocks.h"
#include "store/page_context.h"

void ConvertPrintSize(UIManager *manager, pdMain *main);
void ConvertOutputBin(UIManager *manager, pdMain *main);

// Converts the DEVMODE of `size` bytes in place; false, changing nothing, when the page has no
// UIManager or the buffer does not hold a complete DEVMODE with a main block
// (ReadSettingsView).
bool ConvertDevMode(const ProfilePageContext &page, BYTE *devMode, size_t size);
