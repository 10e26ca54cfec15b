// The Section 1 and Section 2 encoders and the decoder: round trips over varied settings, the
// reading rules of each kind of field, and items the decoder must refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "abi/wide.h"
#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_encode.h"
#include "profilefile/jzp_tags.h"
#include "profilefile/jzp_test_support.h"

namespace jzp_testing {
namespace {

struct Encoded {
  std::vector<BYTE> items, buffers;
};

Encoded Encode(DevModeBytes &profile, DevModeBytes &reference) {
  Encoded out;
  for (auto [encoder, section] :
       {std::pair{&EncodeJzpDwordItems, &out.items}, {&EncodeJzpBufferItems, &out.buffers}}) {
    const DWORD needed = encoder(profile.bytes.data(), profile.size(), reference.bytes.data(),
                                 reference.size(), nullptr, 0);
    section->assign(needed, 0xCC);
    EXPECT_EQ(encoder(profile.bytes.data(), profile.size(), reference.bytes.data(),
                      reference.size(), section->data(), needed),
              needed);
  }
  return out;
}

DevModeBytes Decode(const DevModeBytes &reference, const Encoded &encoded) {
  DevModeBytes target = reference;
  EXPECT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), encoded.items.data(),
                               static_cast<DWORD>(encoded.items.size()), encoded.buffers.data(),
                               static_cast<DWORD>(encoded.buffers.size())));
  return target;
}

std::vector<DWORD> BufferTags(const std::vector<BYTE> &section) {
  std::vector<DWORD> tags;
  JzpBufferItems items(section.data(), static_cast<DWORD>(section.size()));
  JzpBufferItem item;
  while (items.Next(&item))
    tags.push_back(item.head.dwTag);
  EXPECT_FALSE(items.Damaged());
  return tags;
}

struct RoundTrip {
  const char *what;
  std::function<void(DevModeBytes &)> change;
  std::vector<DWORD> itemTags;  // the Section 1 tags the change must produce
};

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RoundTripTest, DecodingOntoTheDefaultGivesTheProfileBack) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  DevModeBytes profile = reference;
  GetParam().change(profile);

  const Encoded encoded = Encode(profile, reference);
  std::vector<DWORD> tags;
  for (const JzpDwordItem &item : ReadJzpDwordItems(ByteReader(encoded.items)))
    tags.push_back(item.dwTag);
  EXPECT_EQ(tags, GetParam().itemTags);
  EXPECT_EQ(Decode(reference, encoded).bytes, profile.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RoundTripTest,
    ::testing::Values(RoundTrip{"nothing", [](DevModeBytes &) {}, {}},
                      RoundTrip{"public fields",
                                [](DevModeBytes &d) {
                                  d.dm()->dmOrientation = DMORIENT_LANDSCAPE;
                                  d.dm()->dmPaperSize = DMPAPER_A3;
                                  d.dm()->dmCopies = 12;
                                  d.dm()->dmDuplex = DMDUP_VERTICAL;
                                  d.dm()->dmPrintQuality = DMRES_DRAFT;  // negative
                                  d.dm()->dmMediaType = 0x101;
                                },
                                {PFDM_ORIENTATION, PFDM_PAPERSIZE, PFDM_COPIES, PFDM_PRINTQUALITY,
                                 PFDM_DUPLEX, PFDM_MEDIATYPE}},
                      RoundTrip{"private words, signed words, bytes and DWORDs",
                                [](DevModeBytes &d) {
                                  d.main()->wOutBinIdx = 3;
                                  d.main()->sBrightness = -25;
                                  d.main()->sContrast = 30;
                                  d.main()->bIsVmbSelect = 1;
                                  d.main()->dwColoAdjCustomID = 0xDEADBEEF;
                                },
                                {PFPD_OUTBINIDX, PFPD_ISVMBSELECT, PFPD_BRIGHTNESS, PFPD_CONTRAST,
                                 PFPD_COLOADJCUSTOMID}},
                      RoundTrip{"gutter and EMF spooling travel with their DWORDs",
                                [](DevModeBytes &d) {
                                  d.main()->dwGutterPosition = 0x00120003;
                                  d.main()->dwOptions ^=
                                      PDMAIN_OPT_EMF_SPOOLING | PDMAIN_OPT_TONER_SAVE;
                                },
                                {PFPD_GUTTERPOSITION, PFPD_EMFSPOOLING}},
                      RoundTrip{"form name and private ranges",
                                [](DevModeBytes &d) {
                                  std::memset(d.dm()->dmFormName, 0, sizeof d.dm()->dmFormName);
                                  std::memcpy(d.dm()->dmFormName, WSTR("Legal"), 12);
                                  d.main()->abStapling[40] = 7;
                                  d.main()->dImageShiftY = -0.5;
                                  std::strcpy(d.main()->szCustomName, "Postcard");
                                },
                                {}},
                      RoundTrip{"a plug-in block",
                                [](DevModeBytes &d) {
                                  BYTE *watermark = d.block(PRIVATE_DATA_ID_WATERMARK);
                                  watermark[20] ^= 0xFF;
                                  watermark[21] = 42;
                                },
                                {}}),
    [](const auto &info) {
      std::string name = info.param.what;
      for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
          c = '_';
      return name;
    });

TEST(JzpEncoderTest, Section2HoldsChangedRangesAndEveryPlugInBlockInChainOrder) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  DevModeBytes profile = reference;
  std::memcpy(profile.dm()->dmFormName, WSTR("A5"), 6);
  profile.main()->adwMailboxes[1] = 0x10;
  profile.main()->dwGutterPosition = 0x2;

  const Encoded encoded = Encode(profile, reference);
  std::vector<DWORD> expected = {PFDM_FORMNAME, PFPD_MAILBOXES, PFPD_GUTTER};
  for (const PrivateBlock &block : DevModeView(profile.bytes).Blocks())
    if (block.header.wBlockId != PRIVATE_DATA_ID_MAIN)
      expected.push_back(PFPD_PLUGIN);
  ASSERT_GT(expected.size(), 4u);
  EXPECT_EQ(BufferTags(encoded.buffers), expected);
  // The form name's bytes include its terminating zero character.
  JzpBufferItems items(encoded.buffers.data(), static_cast<DWORD>(encoded.buffers.size()));
  JzpBufferItem first;
  ASSERT_TRUE(items.Next(&first));
  EXPECT_EQ(first.head.dwSize, 6u);
}

TEST(JzpEncoderTest, ShortOutputBufferIsNeverWrittenPast) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  DevModeBytes profile = reference;
  profile.dm()->dmScale = 50;
  profile.dm()->dmCopies = 3;
  std::vector<BYTE> out(8 + 7 + 4, 0xEE);
  EXPECT_EQ(EncodeJzpDwordItems(profile.bytes.data(), profile.size(), reference.bytes.data(),
                                reference.size(), out.data(), 15),
            16u);
  EXPECT_EQ(ReadJzpDwordItems(ByteReader(out.data(), 8))[0].dwTag, DWORD{PFDM_SCALE});
  for (size_t i = 8; i < out.size(); ++i)
    EXPECT_EQ(out[i], 0xEE) << i;
}

// Without a main private block on either side, only public fields are compared and written, and
// no plug-in block is; the decoder then applies public items alone.
TEST(JzpEncoderTest, DevModeWithoutMainBlockCarriesPublicFieldsOnly) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  DevModeBytes profile = reference;
  profile.dm()->dmCopies = 4;
  profile.main()->wOutBinIdx = 9;
  profile.main()->header.dwSignature = 0;

  const Encoded encoded = Encode(profile, reference);
  EXPECT_EQ(encoded.items, DwordItems({{PFDM_COPIES, 4}}));
  EXPECT_TRUE(encoded.buffers.empty());

  DevModeBytes target = reference;
  pdMain *targetMain = target.main();
  targetMain->header.dwSignature = 0;
  const std::vector<BYTE> items = DwordItems({{PFDM_COPIES, 5}, {PFPD_OUTBINIDX, 9}});
  ASSERT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), items.data(), 16, nullptr, 0));
  EXPECT_EQ(target.dm()->dmCopies, 5);
  EXPECT_EQ(targetMain->wOutBinIdx, reference.main()->wOutBinIdx);
}

// Reading rules of Section 1, applied onto the default.
struct ItemRule {
  const char *what;
  std::vector<BYTE> items;
  std::function<void(DevModeBytes &before, DevModeBytes &after)> check;
};

class ItemRuleTest : public ::testing::TestWithParam<ItemRule> {};

TEST_P(ItemRuleTest, Applies) {
  DevModeBytes before = DevModeBytes::ColorDefault();
  before.main()->dwOptions |= PDMAIN_OPT_EMF_SPOOLING | PDMAIN_OPT_MIRROR;
  before.main()->dwGutterPosition = 0xABCD0005;
  DevModeBytes after = before;
  const std::vector<BYTE> &items = GetParam().items;
  std::vector<BYTE> section1, section2;
  // Items of tag PFPD_GUTTER go to Section 2, everything else to Section 1.
  for (const JzpDwordItem &item : ReadJzpDwordItems(ByteReader(items))) {
    if (item.dwTag == PFPD_GUTTER) {
      AppendBuffer(section2, PFPD_GUTTER, &item.dwValue, 4);
    } else {
      section1.resize(section1.size() + 8);
      AddDWORD(item.dwTag, item.dwValue, section1.data() + section1.size() - 8);
    }
  }
  ASSERT_TRUE(ApplyJzpSections(after.bytes.data(), after.size(), section1.data(),
                               static_cast<DWORD>(section1.size()), section2.data(),
                               static_cast<DWORD>(section2.size())));
  GetParam().check(before, after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ItemRuleTest,
    ::testing::Values(
        ItemRule{"size and version fields are never applied",
                 DwordItems({{PFDM_SPEC_VERSION, 1},
                             {PFDM_DRIVER_VERSION, 0x9999},
                             {PFDM_SIZE, 10},
                             {PFDM_DRIVER_EXTRA, 0},
                             {PFDM_FIELDS, 0}}),
                 [](DevModeBytes &before, DevModeBytes &after) {
                   EXPECT_EQ(after.bytes, before.bytes);
                 }},
        ItemRule{"unknown tags change nothing", DwordItems({{19, 1}, {24, 5}, {31, 7}, {201, 1}}),
                 [](DevModeBytes &before, DevModeBytes &after) {
                   EXPECT_EQ(after.bytes, before.bytes);
                 }},
        ItemRule{"EMF 0 clears only bit 27", DwordItems({{PFPD_EMFSPOOLING, 0}}),
                 [](DevModeBytes &before, DevModeBytes &after) {
                   EXPECT_EQ(after.main()->dwOptions,
                             before.main()->dwOptions & ~DWORD{PDMAIN_OPT_EMF_SPOOLING});
                 }},
        ItemRule{"EMF non-zero sets bit 27",
                 DwordItems({{PFPD_EMFSPOOLING, 0}, {PFPD_EMFSPOOLING, 77}}),
                 [](DevModeBytes &before, DevModeBytes &after) {
                   EXPECT_EQ(after.main()->dwOptions, before.main()->dwOptions);
                 }},
        ItemRule{"gutter replaces the low 4 bits", DwordItems({{PFPD_GUTTERPOSITION, 0xFFFFFFF9}}),
                 [](DevModeBytes &, DevModeBytes &after) {
                   EXPECT_EQ(after.main()->dwGutterPosition, 0xABCD0009u);
                 }},
        ItemRule{"tag 109 overrides tag 106 whatever their order",
                 DwordItems({{PFPD_GUTTER, 0x00000102}, {PFPD_GUTTERPOSITION, 7}}),
                 [](DevModeBytes &, DevModeBytes &after) {
                   EXPECT_EQ(after.main()->dwGutterPosition, 0x00000102u);
                 }},
        ItemRule{"byte flags read back as 0 or 1",
                 DwordItems({{PFPD_NOCOPY, 0x500}, {PFPD_CUSQUAZIR, 0}, {PFPD_ISVMBSAVE, 2}}),
                 [](DevModeBytes &, DevModeBytes &after) {
                   EXPECT_EQ(after.main()->bNoCopy, 1);
                   EXPECT_EQ(after.main()->bCusQuaZir, 0);
                   EXPECT_EQ(after.main()->bIsVmbSave, 1);
                   EXPECT_EQ(after.main()->bIsVmbSelect, 0);  // the neighbour stays
                 }},
        ItemRule{
            "16-bit fields take the low 16 bits, later items win",
            DwordItems({{PFDM_COPIES, 2}, {PFDM_COPIES, 0x12345}, {PFPD_BRIGHTNESS, 0xFFFFFFF0}}),
            [](DevModeBytes &before, DevModeBytes &after) {
              EXPECT_EQ(after.dm()->dmCopies, 0x2345);
              EXPECT_EQ(after.dm()->dmScale, before.dm()->dmScale);
              EXPECT_EQ(after.main()->sBrightness, -16);
            }}),
    [](const auto &info) { return "Rule" + std::to_string(info.index); });

// Section 2 items the decoder refuses: nothing outside the fields, nothing partly applied.
TEST(JzpDecoderTest, RefusesForeignSizesAndDamagedItems) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  std::vector<BYTE> section2;
  AppendBuffer(section2, PFDM_FORMNAME, "abc", 3);  // odd size
  // A watermark block one byte short of its size field, and one whose size field is another
  // size than the target's block.
  std::vector<BYTE> watermark(
      reference.block(PRIVATE_DATA_ID_WATERMARK),
      reference.block(PRIVATE_DATA_ID_WATERMARK) +
          reinterpret_cast<PrivateDataBlockHeader *>(reference.block(PRIVATE_DATA_ID_WATERMARK))
              ->dwSize);
  std::fill(watermark.begin() + 16, watermark.end(), 0x5A);
  AppendBuffer(section2, PFPD_PLUGIN, watermark.data(), static_cast<DWORD>(watermark.size() - 1));
  std::vector<BYTE> bigger = watermark;
  bigger.resize(watermark.size() + 4, 0x5A);
  const DWORD biggerSize = static_cast<DWORD>(bigger.size());
  std::memcpy(bigger.data() + 12, &biggerSize, 4);
  AppendBuffer(section2, PFPD_PLUGIN, bigger.data(), biggerSize);
  AppendBuffer(section2, 9999, "zz", 2);

  DevModeBytes target = reference;
  ASSERT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), nullptr, 0, section2.data(),
                               static_cast<DWORD>(section2.size())));
  EXPECT_EQ(target.bytes, reference.bytes);

  // A block of the right size is taken.
  section2.clear();
  AppendBuffer(section2, PFPD_PLUGIN, watermark.data(), static_cast<DWORD>(watermark.size()));
  ASSERT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), nullptr, 0, section2.data(),
                               static_cast<DWORD>(section2.size())));
  EXPECT_EQ(
      std::memcmp(target.block(PRIVATE_DATA_ID_WATERMARK), watermark.data(), watermark.size()), 0);
}

TEST(JzpDecoderTest, ItemRunningPastItsSectionEndsTheSectionThere) {
  DevModeBytes reference = DevModeBytes::ColorDefault();
  std::vector<BYTE> section2;
  const WORD colorMode = 2;
  AppendBuffer(section2, PFPD_COLORMODE, &colorMode, 2);
  AppendBuffer(section2, PFPD_PAGEORDER, &colorMode, 2);
  const DWORD huge = 0xFFFFFFF0;
  std::memcpy(section2.data() + 10 + 4, &huge, 4);  // the second item's size

  DevModeBytes target = reference;
  ASSERT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), nullptr, 0, section2.data(),
                               static_cast<DWORD>(section2.size())));
  EXPECT_EQ(target.main()->wColorMode, 2);
  EXPECT_EQ(target.main()->wPageOrder, reference.main()->wPageOrder);

  // A DEVMODE whose size fields claim more than its buffer is not touched at all.
  target.dm()->dmDriverExtra = static_cast<WORD>(target.dm()->dmDriverExtra + 1);
  const std::vector<BYTE> items = DwordItems({{PFDM_COPIES, 9}});
  EXPECT_FALSE(ApplyJzpSections(target.bytes.data(), target.size(), items.data(), 8, nullptr, 0));
  EXPECT_NE(target.dm()->dmCopies, 9);
}

}  // namespace
}  // namespace jzp_testing
