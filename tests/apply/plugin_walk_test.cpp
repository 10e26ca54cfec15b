// The walk over a DEVMODE's private blocks: lookups and block-wise copies over sound and damaged
// chains. Every DEVMODE is built exactly dmSize + dmDriverExtra bytes long on the heap, so that
// a read or write past the private part shows under the address sanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "abi/plugin_walk.h"

namespace {

struct BlockLayout {
  WORD id;
  DWORD sizeField;
  size_t length;  // bytes the block really takes
  BYTE data = 0;  // fills the bytes behind the header
  DWORD signature = PRIVATE_DATA_SIGNATURE;
};

class DevModeBuffer {
 public:
  explicit DevModeBuffer(const std::vector<BlockLayout> &blocks) {
    size_t extra = 0;
    for (const BlockLayout &block : blocks)
      extra += block.length;
    bytes_.assign(sizeof(DEVMODEW) + extra, 0);
    devMode()->dmSize = sizeof(DEVMODEW);
    devMode()->dmDriverExtra = static_cast<WORD>(extra);
    BYTE *at = bytes_.data() + sizeof(DEVMODEW);
    for (const BlockLayout &block : blocks) {
      const PrivateDataBlockHeader header = {block.signature, block.id, 0, 1, 0, block.sizeField};
      std::memset(at, block.data, block.length);
      std::memcpy(at, &header, std::min(sizeof header, block.length));
      at += block.length;
    }
  }
  DEVMODEW *devMode() { return reinterpret_cast<DEVMODEW *>(bytes_.data()); }
  const BYTE *at(size_t offset) const { return bytes_.data() + sizeof(DEVMODEW) + offset; }
  size_t offsetOf(const PrivateDataBlockHeader *block) const {
    return reinterpret_cast<const BYTE *>(block) - at(0);
  }
  std::vector<BYTE> bytes_;
};

std::vector<WORD> VisitedIds(DEVMODEW *devMode) {
  std::vector<WORD> ids;
  for (auto *block = NextPlugInBlock(devMode, nullptr); block;
       block = NextPlugInBlock(devMode, block))
    ids.push_back(block->wBlockId);
  return ids;
}

TEST(PlugInWalkTest, LookupWalksOverEarlierBlocksBySize) {
  DevModeBuffer dm({{1, 1024, 1024}, {10000, 40, 40}, {40000, 16, 16}});
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 1)), 0u);
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 10000)), 1024u);
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 40000)), 1064u);
  EXPECT_EQ(GetPlugInAddr(dm.devMode(), 20000), nullptr);
  EXPECT_EQ(VisitedIds(dm.devMode()), (std::vector<WORD>{1, 10000, 40000}));
}

// Each damaged chain keeps the sound blocks before the damage and nothing from it on.
TEST(PlugInWalkTest, DamagedChainsEndAtTheDamage) {
  constexpr DWORD kBad = 0x56745065;
  struct Case {
    std::string name;
    std::vector<BlockLayout> blocks;
    std::vector<WORD> found;
    bool noDriverExtra = false;
  } cases[] = {
      {"dmDriverExtra 0", {{1, 32, 32}, {40000, 16, 16}}, {}, true},
      {"damaged signature mid-chain",
       {{1, 32, 32}, {10000, 16, 16, 0, kBad}, {40000, 16, 16}},
       {1}},
      {"size 0", {{1, 32, 32}, {10000, 0, 16}, {40000, 16, 16}}, {1}},
      {"size below a header", {{1, 32, 32}, {10000, 15, 16}, {40000, 16, 16}}, {1}},
      {"size running past dmDriverExtra", {{1, 32, 32}, {40000, 17, 16}}, {1}},
      {"size wrapping around", {{1, 32, 32}, {40000, 0xFFFFFFF0, 16}}, {1}},
      {"header cut by the end", {{1, 32, 32}, {40000, 16, 10}}, {1}},
  };
  for (Case &c : cases) {
    DevModeBuffer dm(c.blocks);
    if (c.noDriverExtra)
      dm.devMode()->dmDriverExtra = 0;
    EXPECT_EQ(VisitedIds(dm.devMode()), c.found) << c.name;
    for (WORD id : {1, 10000, 20000, 40000}) {
      const bool sound = std::find(c.found.begin(), c.found.end(), id) != c.found.end();
      EXPECT_EQ(GetPlugInAddr(dm.devMode(), id) != nullptr, sound) << c.name << ", " << id;
    }
  }
}

TEST(PlugInBlockCopyTest, BlocksAreCopiedByIdentifierWithinTheTargetsSize) {
  // The source, in another order: a larger watermark, a smaller main block, a block the target
  // lacks; and no profile block.
  DevModeBuffer target({{1, 48, 48, 0x11}, {20000, 24, 24, 0x22}, {40000, 16, 16, 0x33}});
  DevModeBuffer source({{20000, 40, 40, 0xA2}, {1, 20, 20, 0xA1}, {60000, 16, 16, 0xA6}});
  const std::vector<BYTE> sourceBefore = source.bytes_;
  std::vector<BYTE> expected = target.bytes_;
  BYTE *expectedPrivate = expected.data() + sizeof(DEVMODEW);
  std::memcpy(expectedPrivate + 16, source.at(40 + 16), 4);  // main: the source's 4 data bytes
  std::memcpy(expectedPrivate + 48 + 16, source.at(16), 8);  // watermark: 8 of the source's 24

  CopyPlugInBlocks(target.devMode(), source.devMode());

  EXPECT_EQ(target.bytes_, expected);
  EXPECT_EQ(source.bytes_, sourceBefore);
  CopyPlugInBlocks(target.devMode(), target.devMode());
  EXPECT_EQ(target.bytes_, expected);
}

TEST(PlugInBlockCopyTest, DamagedChainsGiveAndTakeOnlyTheirSoundBlocks) {
  struct Case {
    std::string name;
    std::vector<BlockLayout> target, source;
  } cases[] = {
      {"damaged source", {{1, 32, 32}, {20000, 32, 32}}, {{1, 32, 32, 0xA1}, {20000, 0, 32, 0xA2}}},
      {"damaged target",
       {{1, 32, 32}, {20000, 100, 32}},
       {{1, 32, 32, 0xA1}, {20000, 32, 32, 0xA2}}},
  };
  for (const Case &c : cases) {
    DevModeBuffer target(c.target), source(c.source);
    std::vector<BYTE> expected = target.bytes_;
    std::memcpy(expected.data() + sizeof(DEVMODEW) + 16, source.at(16), 16);
    CopyPlugInBlocks(target.devMode(), source.devMode());
    EXPECT_EQ(target.bytes_, expected) << c.name;
  }
}

}  // namespace
