// The fields of a complete DEVMODE that the conversion and the restoration read and change,
// copied out of its buffer and written back into it: the public fields up to dmDuplex and the
// main block's fields up to PFPD_CUSQUALTE.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "abi/private_blocks.h"

struct SettingsView {
  DEVMODEW devMode;  // the public part; fields beyond dmSize read as zero
  pdMain main;       // the main block; fields beyond its size read as zero
};

// The public part must reach dmDuplex; the main block must reach PFPD_CUSQUALTE.
constexpr size_t kPublicReach = offsetof(DEVMODEW, dmDuplex) + sizeof(short);
constexpr size_t kMainBlockReach = offsetof(pdMain, bCusQuaLte) + sizeof(BYTE);

// True, filling `view`, when the bytes hold a complete DEVMODE (dmSize + dmDriverExtra bytes)
// with a public part reaching kPublicReach and a main block reaching kMainBlockReach. A main
// block shorter than that belongs to another driver's layout and is left alone.
bool ReadSettingsView(std::span<const BYTE> devMode, SettingsView *view);
// Writes the fields back into the DEVMODE they were read from, as far as its public part and
// its main block reach; its size fields and the block's size field stay.
void WriteSettingsView(const SettingsView &view, std::span<BYTE> devMode);
