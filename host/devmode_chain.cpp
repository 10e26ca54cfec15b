// Walking and editing the private-block chain of a DEVMODE held as bytes.
#include "host/devmode_chain.h"

#include <algorithm>
#include <cstring>

namespace host {
namespace {

DEVMODEW PublicPart(const std::vector<BYTE> &devMode) {
  DEVMODEW dm{};
  std::memcpy(&dm, devMode.data(), std::min(devMode.size(), sizeof dm));
  return dm;
}

}  // namespace

bool IsCompleteDevMode(const std::vector<BYTE> &devMode, std::string *why) {
  auto fail = [why](const char *reason) {
    if (why) *why = reason;
    return false;
  };
  if (devMode.size() < sizeof(DEVMODEW)) return fail("shorter than the public DEVMODEW part");
  DEVMODEW dm = PublicPart(devMode);
  if (dm.dmSize != sizeof(DEVMODEW)) return fail("dmSize is not that of DEVMODEW");
  if (size_t{dm.dmSize} + dm.dmDriverExtra != devMode.size())
    return fail("dmSize + dmDriverExtra differ from the stored size");
  return true;
}

std::vector<BlockInfo> PrivateBlocks(const std::vector<BYTE> &devMode) {
  std::vector<BlockInfo> blocks;
  if (devMode.size() < sizeof(DEVMODEW)) return blocks;
  DEVMODEW dm = PublicPart(devMode);
  size_t end = std::min(devMode.size(), size_t{dm.dmSize} + dm.dmDriverExtra);
  size_t offset = dm.dmSize;
  while (offset + sizeof(PrivateDataBlockHeader) <= end) {
    BlockInfo block{offset, {}};
    std::memcpy(&block.header, devMode.data() + offset, sizeof block.header);
    if (block.header.dwSignature != PRIVATE_DATA_SIGNATURE) break;
    if (block.header.dwSize < sizeof(PrivateDataBlockHeader) || block.header.dwSize > end - offset)
      break;
    blocks.push_back(block);
    offset += block.header.dwSize;
  }
  return blocks;
}

std::optional<BlockInfo> FindPrivateBlock(const std::vector<BYTE> &devMode, WORD blockId) {
  for (const BlockInfo &block : PrivateBlocks(devMode))
    if (block.header.wBlockId == blockId) return block;
  return std::nullopt;
}

bool RemovePrivateBlock(std::vector<BYTE> &devMode, WORD blockId) {
  std::optional<BlockInfo> block = FindPrivateBlock(devMode, blockId);
  if (!block) return false;
  auto first = devMode.begin() + static_cast<std::ptrdiff_t>(block->offset);
  devMode.erase(first, first + block->header.dwSize);
  DEVMODEW dm = PublicPart(devMode);
  dm.dmDriverExtra = static_cast<WORD>(dm.dmDriverExtra - block->header.dwSize);
  std::memcpy(devMode.data(), &dm, sizeof dm);
  return true;
}

}  // namespace host
