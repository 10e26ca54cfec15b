// The walk over the chain of private-data blocks behind a DEVMODE's public part: find a block
// by its identifier, visit every block in order, copy blocks between two DEVMODEs.
//
// The private part begins at dmSize and is dmDriverExtra bytes long; the caller's buffer holds
// at least dmSize + dmDriverExtra bytes. A block is taken only when its whole header and its
// whole declared size lie inside the private part, its signature is "VtPd" and its size is at
// least a header; the first block that fails any of these ends the chain, so no block handed
// out reaches past dmDriverExtra.
#pragma once

#include <windows.h>

#include "abi/private_blocks.h"

// The first block of the chain with the given identifier, or null.
PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId);
const PrivateDataBlockHeader *GetPlugInAddr(const DEVMODEW *devMode, WORD blockId);

// The block that follows `block` in the chain; the first block when `block` is null. Null at
// the end of the chain, where it is damaged, and when `block` is not a block of this chain.
//   for (auto *b = NextPlugInBlock(dm, nullptr); b; b = NextPlugInBlock(dm, b)) ...
PrivateDataBlockHeader *NextPlugInBlock(DEVMODEW *devMode, const PrivateDataBlockHeader *block);
const PrivateDataBlockHeader *NextPlugInBlock(const DEVMODEW *devMode,
                                              const PrivateDataBlockHeader *block);

// For each block of the target, the source block of the same identifier is copied over it and
// the target block keeps its own size field, so the target's chain keeps its layout. A larger
// source block gives only as many bytes as the target block holds; a smaller one overwrites
// only its own length and the rest of the target block keeps its bytes. Target blocks without
// a counterpart in the source are left as they are.
void CopyPlugInBlocks(DEVMODEW *target, const DEVMODEW *source);
