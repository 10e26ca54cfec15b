// The walk over a DEVMODE's chain of private-data blocks.
#include "abi/plugin_walk.h"

#include <string.h>

namespace {

// Visits the sound blocks of the chain in order until `stop` returns true for one; returns that
// block, or null when the chain ends first. The walk reads each header into a local copy after
// checking that it fits, and ends at the first header that is not a signature, that declares a
// size below a header (the walk would not advance) or a size running past dmDriverExtra.
template <typename Stop>
const PrivateDataBlockHeader *WalkBlocks(const DEVMODEW *devMode, Stop stop) {
  if (devMode == nullptr)
    return nullptr;
  const BYTE *privatePart = reinterpret_cast<const BYTE *>(devMode) + devMode->dmSize;
  const DWORD total = devMode->dmDriverExtra;
  DWORD walked = 0;
  while (total - walked >= sizeof(PrivateDataBlockHeader)) {
    const BYTE *position = privatePart + walked;
    PrivateDataBlockHeader header;
    memcpy(&header, position, sizeof header);
    if (header.dwSignature != PRIVATE_DATA_SIGNATURE)
      return nullptr;
    if (header.dwSize < sizeof header || header.dwSize > total - walked)
      return nullptr;
    const auto *block = reinterpret_cast<const PrivateDataBlockHeader *>(position);
    if (stop(block, header))
      return block;
    walked += header.dwSize;
  }
  return nullptr;
}

// Copies a source block over a target block of `targetSize` bytes and gives the target its own
// size field back. Only as many bytes as the target holds are taken: what a larger source block
// holds beyond them is left behind, so that the target's chain keeps its layout.
void CopyBlockOver(PrivateDataBlockHeader *to, DWORD targetSize,
                   const PrivateDataBlockHeader *from) {
  const DWORD sourceSize = from->dwSize;
  memmove(to, from, sourceSize < targetSize ? sourceSize : targetSize);
  to->dwSize = targetSize;
}

}  // namespace

const PrivateDataBlockHeader *GetPlugInAddr(const DEVMODEW *devMode, WORD blockId) {
  return WalkBlocks(
      devMode, [blockId](const PrivateDataBlockHeader *, const PrivateDataBlockHeader &header) {
        return header.wBlockId == blockId;
      });
}

PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId) {
  return const_cast<PrivateDataBlockHeader *>(
      GetPlugInAddr(static_cast<const DEVMODEW *>(devMode), blockId));
}

const PrivateDataBlockHeader *NextPlugInBlock(const DEVMODEW *devMode,
                                              const PrivateDataBlockHeader *block) {
  bool passed = block == nullptr;
  return WalkBlocks(devMode, [&passed, block](const PrivateDataBlockHeader *current,
                                              const PrivateDataBlockHeader &) {
    if (passed)
      return true;
    passed = current == block;
    return false;
  });
}

PrivateDataBlockHeader *NextPlugInBlock(DEVMODEW *devMode, const PrivateDataBlockHeader *block) {
  return const_cast<PrivateDataBlockHeader *>(
      NextPlugInBlock(static_cast<const DEVMODEW *>(devMode), block));
}

void CopyPlugInBlocks(DEVMODEW *target, const DEVMODEW *source) {
  WalkBlocks(target,
             [source](const PrivateDataBlockHeader *block, const PrivateDataBlockHeader &header) {
               const PrivateDataBlockHeader *from = GetPlugInAddr(source, header.wBlockId);
               if (from != nullptr && from != block)
                 CopyBlockOver(const_cast<PrivateDataBlockHeader *>(block), header.dwSize, from);
               return false;
             });
}
