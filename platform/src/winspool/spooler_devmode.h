// DEVMODE conversions and merging for the spooler: ANSI <-> wide forms (names converted through
// CP_ACP, the driver's private bytes carried along) and DocumentProperties' DM_IN_BUFFER merge.
#pragma once

#include <wingdi.h>

#include <vector>

namespace winplat::spooler {

// A valid DEVMODEW (public part and dmDriverExtra private bytes) as a DEVMODEA: dmSize shrinks
// by the 64 bytes the narrower names save. No bytes stay no bytes.
std::vector<BYTE> DevModeWideToAnsi(const std::vector<BYTE> &wide);
// A DEVMODEA with dmSize of at least the end of dmFormName, and its private bytes, as a DEVMODEW.
std::vector<BYTE> DevModeAnsiToWide(const DEVMODEA &ansi);

// Copies into target (a valid DEVMODEW with its private bytes) the public fields that
// input->dmFields names and that both structures are big enough to hold, and the private bytes
// when dmDriverExtra and dmDriverVersion match.
void MergeDevMode(std::vector<BYTE> &target, const DEVMODEW &input);

}  // namespace winplat::spooler
