// The host's handling of a complete DEVMODE held as bytes: its public part and its chain of
// private blocks, read through the contract's DEVMODE view. Every walk is bounded by the buffer
// and by dmDriverExtra.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "abi/devmode_view.h"

namespace host {

using BlockInfo = PrivateBlock;

// Checks that the bytes hold a wide DEVMODE whose size fields fit them exactly.
bool IsCompleteDevMode(const std::vector<BYTE> &devMode, std::string *why = nullptr);
// The blocks of the private part in chain order; the walk stops at the first header that is
// not a block or does not fit.
std::vector<BlockInfo> PrivateBlocks(const std::vector<BYTE> &devMode);
std::optional<BlockInfo> FindPrivateBlock(const std::vector<BYTE> &devMode, WORD blockId);
// Removes a block and shortens dmDriverExtra; false when there is no such block.
bool RemovePrivateBlock(std::vector<BYTE> &devMode, WORD blockId);

}  // namespace host
