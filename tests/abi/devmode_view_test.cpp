// The DEVMODE view: lookups, walks and block-wise copies over sound and damaged chains, and
// known-answer bytes for its public fields, its typed block reads and its writes. Every DEVMODE
// is built exactly dmSize + dmDriverExtra bytes long on the heap, so that a read or write past
// the private part shows under the address sanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "abi/devmode_view.h"

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

std::vector<WORD> VisitedIds(const std::vector<BYTE> &devMode) {
  std::vector<WORD> ids;
  for (const PrivateBlock &block : DevModeView(devMode).Blocks())
    ids.push_back(block.header.wBlockId);
  return ids;
}

TEST(DevModeViewTest, LookupWalksOverEarlierBlocksBySize) {
  DevModeBuffer dm({{1, 1024, 1024}, {10000, 40, 40}, {40000, 16, 16}});
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 1)), 0u);
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 10000)), 1024u);
  EXPECT_EQ(dm.offsetOf(GetPlugInAddr(dm.devMode(), 40000)), 1064u);
  EXPECT_EQ(GetPlugInAddr(dm.devMode(), 20000), nullptr);
  EXPECT_EQ(VisitedIds(dm.bytes_), (std::vector<WORD>{1, 10000, 40000}));
}

// Each damaged chain keeps the sound blocks before the damage and nothing from it on.
TEST(DevModeViewTest, DamagedChainsEndAtTheDamage) {
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
    EXPECT_EQ(VisitedIds(dm.bytes_), c.found) << c.name;
    for (WORD id : {1, 10000, 20000, 40000}) {
      const bool sound = std::find(c.found.begin(), c.found.end(), id) != c.found.end();
      EXPECT_EQ(GetPlugInAddr(dm.devMode(), id) != nullptr, sound) << c.name << ", " << id;
    }
  }
}

TEST(DevModeViewCopyTest, BlocksAreCopiedByIdentifierWithinTheTargetsSize) {
  // The source, in another order: a larger watermark, a smaller main block, a block the target
  // lacks; and no profile block.
  DevModeBuffer target({{1, 48, 48, 0x11}, {20000, 24, 24, 0x22}, {40000, 16, 16, 0x33}});
  DevModeBuffer source({{20000, 40, 40, 0xA2}, {1, 20, 20, 0xA1}, {60000, 16, 16, 0xA6}});
  const std::vector<BYTE> sourceBefore = source.bytes_;
  std::vector<BYTE> expected = target.bytes_;
  BYTE *expectedPrivate = expected.data() + sizeof(DEVMODEW);
  std::memcpy(expectedPrivate + 16, source.at(40 + 16), 4);  // main: the source's 4 data bytes
  std::memcpy(expectedPrivate + 48 + 16, source.at(16), 8);  // watermark: 8 of the source's 24

  DevModeEditor(target.bytes_).CopyBlocks(DevModeView(source.bytes_));

  EXPECT_EQ(target.bytes_, expected);
  EXPECT_EQ(source.bytes_, sourceBefore);
  DevModeEditor(target.bytes_).CopyBlocks(DevModeView(target.bytes_));
  EXPECT_EQ(target.bytes_, expected);
}

TEST(DevModeViewCopyTest, DamagedChainsGiveAndTakeOnlyTheirSoundBlocks) {
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
    DevModeEditor(target.bytes_).CopyBlocks(DevModeView(source.bytes_));
    EXPECT_EQ(target.bytes_, expected) << c.name;
  }
}

// Little-endian bytes written by hand at their offsets in the DEVMODE.
void Put(std::vector<BYTE> &bytes, size_t offset, std::initializer_list<BYTE> values) {
  std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A DEVMODE of 220 + 550 bytes: A4 (9), paper source 271, duplex 2, form "Legal"; a main block
// of 400 bytes whose print-size index is 0x1234 and whose size flags are 0x80000000; a
// watermark block of 120 bytes that is on and named "AB"; a poster block of 30 bytes, too short
// for its layout word.
std::vector<BYTE> KnownDevMode() {
  std::vector<BYTE> bytes(770, 0);
  Put(bytes, 68, {0xDC, 0x00, 0x26, 0x02});  // dmSize 220, dmDriverExtra 550
  Put(bytes, 78, {0x09, 0x00});              // dmPaperSize
  Put(bytes, 88, {0x0F, 0x01});              // dmDefaultSource
  Put(bytes, 94, {0x02, 0x00});              // dmDuplex
  Put(bytes, 102, {'L', 0, 'e', 0, 'g', 0, 'a', 0, 'l', 0});
  Put(bytes, 220, {'d', 'P', 't', 'V', 0x01, 0x00, 0, 0, 0x00, 0x01, 0, 0, 0x90, 0x01, 0, 0});
  Put(bytes, 220 + 376, {0x34, 0x12});
  Put(bytes, 220 + 380, {0x00, 0x00, 0x00, 0x80});
  Put(bytes, 620, {'d', 'P', 't', 'V', 0x20, 0x4E, 0, 0, 0x00, 0x02, 0, 0, 0x78, 0, 0, 0});
  Put(bytes, 620 + 20, {0x01, 0, 0, 0, 'A', 0, 'B', 0});
  Put(bytes, 740, {'d', 'P', 't', 'V', 0x50, 0xC3, 0, 0, 0x00, 0x01, 0, 0, 0x1E, 0, 0, 0});
  Put(bytes, 740 + 16, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
  return bytes;
}

TEST(DevModeViewKnownAnswerTest, PublicFieldsAndChainFromHandWrittenBytes) {
  const std::vector<BYTE> bytes = KnownDevMode();
  const DevModeView view(bytes);
  ASSERT_TRUE(view.IsComplete());
  EXPECT_EQ(view.PublicSize(), 220);
  EXPECT_EQ(view.DriverExtra(), 550);
  const DEVMODEW fields = view.PublicFields();
  EXPECT_EQ(fields.dmPaperSize, 9);
  EXPECT_EQ(fields.dmDefaultSource, 271);
  EXPECT_EQ(fields.dmDuplex, 2);
  EXPECT_EQ(WideString(fields.dmFormName), WSTR("Legal"));

  std::vector<std::pair<size_t, WORD>> chain;
  for (const PrivateBlock &block : view.Blocks())
    chain.emplace_back(block.offset, block.header.wBlockId);
  EXPECT_EQ(chain, (std::vector<std::pair<size_t, WORD>>{{220, 1}, {620, 20000}, {740, 50000}}));
  EXPECT_EQ(view.BlocksBehind(*view.FindBlock(PRIVATE_DATA_ID_MAIN)).size(), 2u);
}

// A block shorter than its record reads its own bytes and zeros after them, never the bytes of
// the next block: the main block ends at 400, before the poster block's size field would land
// in dwPrintQuaResolution (532).
TEST(DevModeViewKnownAnswerTest, TypedBlocksReadOnlyTheBlocksOwnBytes) {
  const std::vector<BYTE> bytes = KnownDevMode();
  const DevModeView view(bytes);

  const std::optional<pdMain> main = view.ReadBlock<pdMain>(PRIVATE_DATA_ID_MAIN);
  ASSERT_TRUE(main);
  EXPECT_EQ(main->header.dwSize, 400u);
  EXPECT_EQ(main->wScaleSizeIdx, 0x1234);
  EXPECT_EQ(main->dwScaleFlags, 0x80000000u);
  EXPECT_EQ(main->dwPrintQuaResolution, 0u);

  const std::optional<WatermarkBlock> watermark =
      view.ReadBlock<WatermarkBlock>(PRIVATE_DATA_ID_WATERMARK);
  ASSERT_TRUE(watermark);
  EXPECT_EQ(watermark->dwEnabled, 1u);
  EXPECT_EQ(WideString(watermark->szName), WSTR("AB"));

  const std::optional<PosterBlock> poster = view.ReadBlock<PosterBlock>(PRIVATE_DATA_ID_POSTER);
  ASSERT_TRUE(poster);
  EXPECT_EQ(poster->header.dwSize, 30u);
  EXPECT_EQ(poster->dwLayout, 0u);  // at 28, past the block's 30 bytes
  EXPECT_EQ(poster->dwReserved, 0xEEEEEEEEu);

  EXPECT_FALSE(view.ReadBlock<OverlayBlock>(PRIVATE_DATA_ID_OVERLAY));
}

// Writing a record back changes the bytes the block holds and nothing behind it; the block and
// the DEVMODE keep their size fields whatever the record says.
TEST(DevModeViewKnownAnswerTest, WritesStayInsideTheirBlockAndKeepTheSizeFields) {
  std::vector<BYTE> bytes = KnownDevMode();
  std::vector<BYTE> expected = bytes;
  Put(expected, 220 + 376, {0x03, 0x02});
  Put(expected, 94, {0x03, 0x00});

  DevModeEditor editor(bytes);
  pdMain main = *editor.ReadBlock<pdMain>(PRIVATE_DATA_ID_MAIN);
  main.wScaleSizeIdx = 0x0203;
  main.header.dwSize = 1024;
  main.dwPrintQuaResolution = 600;  // beyond the block: not written
  editor.WriteBlock(*editor.FindBlock(PRIVATE_DATA_ID_MAIN), main);
  DEVMODEW fields = editor.PublicFields();
  fields.dmDuplex = 3;
  fields.dmSize = 1;
  fields.dmDriverExtra = 1;
  editor.WritePublicFields(fields);

  EXPECT_EQ(bytes, expected);
}

// A public part shorter than DEVMODEW takes only its own bytes; the private part behind it is
// not touched, and a copy between public parts of two lengths gives as many bytes as both hold.
TEST(DevModeViewKnownAnswerTest, ShortPublicPartsKeepTheirLength) {
  std::vector<BYTE> shortPart(96 + 16, 0x5A);
  Put(shortPart, 68, {0x60, 0x00, 0x10, 0x00});  // dmSize 96, dmDriverExtra 16
  std::vector<BYTE> expected = shortPart;
  Put(expected, 94, {0x02, 0x00});

  DevModeEditor editor(shortPart);
  DEVMODEW fields = editor.PublicFields();
  EXPECT_EQ(fields.dmFormName[0], 0);  // at 102, beyond dmSize
  fields.dmDuplex = 2;
  fields.dmFormName[0] = u'X';
  editor.WritePublicFields(fields);
  EXPECT_EQ(shortPart, expected);

  std::vector<BYTE> whole = KnownDevMode();
  expected = whole;
  std::copy(shortPart.begin(), shortPart.begin() + 96, expected.begin());
  Put(expected, 68, {0xDC, 0x00, 0x26, 0x02});
  DevModeEditor(whole).CopyPublicPart(DevModeView(shortPart));
  EXPECT_EQ(whole, expected);
}

// Bytes that do not reach the size fields, or fewer than the size fields declare, are not a
// complete DEVMODE; the chain is still walked only inside the bytes there are.
TEST(DevModeViewKnownAnswerTest, IncompleteBytes) {
  const std::vector<BYTE> whole = KnownDevMode();
  const std::vector<BYTE> sizeFieldsCut(whole.begin(), whole.begin() + 71);
  EXPECT_FALSE(DevModeView(sizeFieldsCut).IsComplete());
  EXPECT_EQ(DevModeView(sizeFieldsCut).PublicSize(), 0);
  EXPECT_TRUE(DevModeView(sizeFieldsCut).Blocks().empty());

  const std::vector<BYTE> oneShort(whole.begin(), whole.end() - 1);
  const DevModeView cut(oneShort);
  EXPECT_FALSE(cut.IsComplete());
  EXPECT_TRUE(cut.Bytes().empty());
  EXPECT_EQ(cut.Blocks().size(), 2u);  // the poster block no longer fits
  EXPECT_EQ(DevModeView(whole).Bytes().size(), 770u);
}

// A dmSize that does not reach past the size fields leaves no private part: a block there would
// overlap dmSize and dmDriverExtra, and copying a block over it would move the chain. From 72,
// just past them, the chain starts at dmSize.
TEST(DevModeViewKnownAnswerTest, PrivatePartStartsOnlyBehindTheSizeFields) {
  for (const BYTE publicSize : {0, 16}) {
    std::vector<BYTE> bytes(size_t{publicSize} + 100, 0);
    Put(bytes, publicSize, {'d', 'P', 't', 'V', 0x01, 0x00, 0, 0, 0x00, 0x01, 0, 0, 0x64, 0, 0, 0});
    Put(bytes, 68, {publicSize, 0x00, 0x64, 0x00});  // dmSize, dmDriverExtra 100
    const std::vector<BYTE> before = bytes;
    EXPECT_TRUE(DevModeView(bytes).Blocks().empty()) << int{publicSize};
    EXPECT_EQ(GetPlugInAddr(reinterpret_cast<DEVMODEW *>(bytes.data()), 1), nullptr);
    DevModeEditor(bytes).CopyBlocks(DevModeView(KnownDevMode()));
    EXPECT_EQ(bytes, before) << int{publicSize};
  }

  std::vector<BYTE> bytes(72 + 100, 0);
  Put(bytes, 68, {0x48, 0x00, 0x64, 0x00});  // dmSize 72, dmDriverExtra 100
  Put(bytes, 72, {'d', 'P', 't', 'V', 0x01, 0x00, 0, 0, 0x00, 0x01, 0, 0, 0x64, 0, 0, 0});
  const std::vector<PrivateBlock> blocks = DevModeView(bytes).Blocks();
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].offset, 72u);
  EXPECT_EQ(blocks[0].header.dwSize, 100u);
}

// A block the host hands out on its own is taken by its header: as far as its size field says
// when the signature is right and the size holds at least the header, otherwise not at all.
TEST(DevModeViewKnownAnswerTest, HeldBlocksReachAsFarAsTheirSizeField) {
  const std::vector<BYTE> whole = KnownDevMode();
  const std::span<const BYTE> watermark = HeldPrivateBlockBytes(whole.data() + 620);
  EXPECT_EQ(watermark.data(), whole.data() + 620);
  EXPECT_EQ(watermark.size(), 120u);
  EXPECT_TRUE(HeldPrivateBlockBytes(nullptr).empty());

  std::vector<BYTE> block(whole.begin() + 620, whole.begin() + 740);
  Put(block, 12, {0x10, 0, 0, 0});  // exactly a header
  EXPECT_EQ(HeldPrivateBlockBytes(block.data()).size(), 16u);
  Put(block, 12, {0x0F, 0, 0, 0});  // one byte short of a header
  EXPECT_TRUE(HeldPrivateBlockBytes(block.data()).empty());
  Put(block, 12, {0x78, 0, 0, 0});
  Put(block, 0, {'d', 'P', 't', 'W'});
  EXPECT_TRUE(HeldPrivateBlockBytes(block.data()).empty());
}

}  // namespace
