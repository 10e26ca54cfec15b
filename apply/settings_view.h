// A complete DEVMODE held in a buffer of known size, checked once for every field that the
// conversion and the restoration read or write: the public fields up to dmDuplex and the main
// block's fields up to PFPD_CUSQUALTE.
#pragma once

#include <windows.h>

#include <cstddef>

#include "abi/private_blocks.h"

struct SettingsView {
  DEVMODEW *devMode;
  pdMain *main;  // inside devMode's private part
};

// The public part must reach dmDuplex; the main block must reach PFPD_CUSQUALTE.
constexpr size_t kPublicReach = offsetof(DEVMODEW, dmDuplex) + sizeof(short);
constexpr size_t kMainBlockReach = offsetof(pdMain, bCusQuaLte) + sizeof(BYTE);

// True, filling `view`, when the buffer of `size` bytes holds dmSize + dmDriverExtra bytes, a
// public part reaching kPublicReach and a main block reaching kMainBlockReach. A main block
// shorter than that belongs to another driver's layout and is left alone. The buffer must be
// aligned for a DEVMODEW.
bool ViewSettings(BYTE *data, size_t size, SettingsView *view);
// The bytes a complete DEVMODE takes; 0 when the buffer cannot hold even its size fields or
// holds fewer bytes than they declare.
size_t CompleteDevModeSize(const BYTE *data, size_t size);
