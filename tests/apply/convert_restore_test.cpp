// Converting list positions into stored identifiers and restoring them against host lists that
// changed in between, with the fallbacks for entries that are gone.
#include <gtest/gtest.h>

#include <vector>

#include "apply/convert_settings.h"
#include "apply/restore_settings.h"
#include "apply_test_support.h"

namespace apply_testing {
namespace {

class ConvertRestoreTest : public ApplyTest {
 protected:
  void SetUp() override {
    ApplyTest::SetUp();
    model().paperSizes = Entries<PaperSizeEntry>({1, 9, 5, 260, 11, 12, 13, 70, 8, 20});
    model().outputBins = Entries<FeatureEntry>({1, 2, 3, 20, 21});
  }

  std::vector<BYTE> Converted(WORD printSize, WORD outputBin) {
    std::vector<BYTE> devMode = Current();
    MainOf(devMode).wScaleSizeIdx = printSize;
    MainOf(devMode).wOutBinIdx = outputBin;
    EXPECT_TRUE(ConvertDevMode(*settings_, devMode.data(), devMode.size()));
    return devMode;
  }
};

TEST_P(ConvertRestoreTest, PositionsBecomeStoredFormsOnlyOnce) {
  struct Case {
    WORD printSize, outputBin, storedSize, storedBin;
  } cases[] = {{3, 4, 1260, 1021},     {9, 5, 1020, 5},       {10, 9, 2000, 9},
               {12, 1000, 2002, 1000}, {1000, 0, 1000, 1001}, {2002, 1260, 2002, 1260}};
  for (const Case &c : cases) {
    std::vector<BYTE> expected = Current();
    MainOf(expected).wScaleSizeIdx = c.storedSize;
    MainOf(expected).wOutBinIdx = c.storedBin;
    std::vector<BYTE> devMode = Converted(c.printSize, c.outputBin);
    EXPECT_EQ(devMode, expected) << c.printSize << " " << c.outputBin;
    ASSERT_TRUE(ConvertDevMode(*settings_, devMode.data(), devMode.size()));
    EXPECT_EQ(devMode, expected) << "converted twice";
  }
}

TEST_P(ConvertRestoreTest, RoundTripFollowsIdentifiersIntoChangedLists) {
  std::vector<BYTE> atPosition3 = Converted(3, 2);    // identifiers 260 and 3
  std::vector<BYTE> atPosition12 = Converted(12, 0);  // 2 beyond the end; identifier 1
  model().paperSizes = Entries<PaperSizeEntry>({260, 1, 9, 5, 11, 12, 13, 70, 8, 20, 21});
  model().outputBins = Entries<FeatureEntry>({3, 1});
  ASSERT_TRUE(RestoreDevMode(*settings_, atPosition3, 1, true));
  ASSERT_TRUE(RestoreDevMode(*settings_, atPosition12, 1, true));
  EXPECT_EQ(MainOf(atPosition3).wScaleSizeIdx, 0);
  EXPECT_EQ(MainOf(atPosition3).wOutBinIdx, 0);
  EXPECT_EQ(MainOf(atPosition3).dwScaleFlags & PDMAIN_SIZE_NOT_FOUND, 0u);
  EXPECT_EQ(MainOf(atPosition12).wScaleSizeIdx, 13);
  EXPECT_EQ(MainOf(atPosition12).wOutBinIdx, 1);
}

// An entry whose identifier is 0 is stored as 1000, which a second conversion must take for a
// stored form like any other; restoring finds each identifier in lists that changed meanwhile.
TEST_P(ConvertRestoreTest, ConvertingTwiceEqualsConvertingOnceForEveryIdentifier) {
  model().paperSizes = Entries<PaperSizeEntry>({1, 9, 0, 260, 11, 12, 13, 70, 8, 20});
  model().outputBins = Entries<FeatureEntry>({1, 0, 3, 260, 21});
  struct Case {
    const char *what;
    WORD printSize, outputBin;       // positions in the lists above
    WORD storedSize, storedBin;      // after converting once
    WORD restoredSize, restoredBin;  // positions in the lists below
  } cases[] = {{"identifier 1", 0, 0, 1001, 1001, 2, 2},
               {"identifier 0", 2, 1, 1000, 1000, 1, 3},
               {"identifier 260", 3, 3, 1260, 1260, 0, 1},
               {"at the end of the lists", 10, 5, 2000, 5, 11, 5},
               {"beyond the end of the lists", 12, 7, 2002, 7, 13, 7}};
  std::vector<std::vector<BYTE>> stored;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BYTE> devMode = Converted(c.printSize, c.outputBin);
    EXPECT_EQ(MainOf(devMode).wScaleSizeIdx, c.storedSize);
    EXPECT_EQ(MainOf(devMode).wOutBinIdx, c.storedBin);
    const std::vector<BYTE> once = devMode;
    ASSERT_TRUE(ConvertDevMode(*settings_, devMode.data(), devMode.size()));
    EXPECT_EQ(devMode, once);
    stored.push_back(devMode);
  }

  model().paperSizes = Entries<PaperSizeEntry>({260, 0, 1, 9, 11, 12, 13, 70, 8, 20, 21});
  model().outputBins = Entries<FeatureEntry>({3, 260, 1, 0});
  for (size_t i = 0; i < stored.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    ASSERT_TRUE(RestoreDevMode(*settings_, stored[i], 1, true));
    EXPECT_EQ(MainOf(stored[i]).wScaleSizeIdx, cases[i].restoredSize);
    EXPECT_EQ(MainOf(stored[i]).wOutBinIdx, cases[i].restoredBin);
    EXPECT_EQ(MainOf(stored[i]).dwScaleFlags & PDMAIN_SIZE_NOT_FOUND, 0u);
  }
}

// Entries that are gone fall back; a model that fixes the cover mode takes the printer's, and a
// simplex setting takes the duplex value that applies to it.
TEST_P(ConvertRestoreTest, RestoringFallsBackAndFollowsThePrinter) {
  model().paperSizes = Entries<PaperSizeEntry>({1, 9, 5, 9, 11});
  model().paperSources = Entries<FeatureEntry>({DMBIN_UPPER, DMBIN_LOWER});
  model().info.bRestriction = 2;
  reinterpret_cast<pdMain *>(session_->mainBlock())->dwMediaOptions = 0x1;
  std::vector<BYTE> devMode = Current();
  pdMain &stored = MainOf(devMode);
  PublicOf(devMode).dmPaperSize = DMPAPER_A4;  // identifier 9: its last entry is position 3
  PublicOf(devMode).dmDefaultSource = DMBIN_ENVELOPE;
  PublicOf(devMode).dmDuplex = DMDUP_SIMPLEX;
  stored.wScaleSizeIdx = 1260;
  stored.dwScaleFlags = 0x5;
  stored.wOutBinIdx = 1007;
  stored.dwOptions = PDMAIN_OPT_OUTBIN_OFFSET | PDMAIN_OPT_OUTBIN_SORT | PDMAIN_OPT_EMF_SPOOLING;
  stored.wFinishing = stored.wFinishing2 = 0xFFFF;
  stored.wMediaSourceOption = 0x7;
  stored.wMediaSourceFlags = 0x10;
  stored.dwMediaOptions = 0x20;
  stored.wDuplexOptions = 0x1;
  stored.wDuplexValue = 0xC000 | DMDUP_HORIZONTAL;

  ASSERT_TRUE(RestoreDevMode(*settings_, devMode, 1, true));
  const pdMain &restored = MainOf(devMode);
  EXPECT_EQ(restored.wScaleSizeIdx, 3);
  EXPECT_EQ(restored.dwScaleFlags, 0x80000005u);
  EXPECT_EQ(restored.wOutBinIdx, 0);
  EXPECT_EQ(restored.dwOptions, PDMAIN_OPT_EMF_SPOOLING);
  EXPECT_EQ(restored.wFinishing, 0xFDFF);
  EXPECT_EQ(restored.wFinishing2, 0x7FFF);
  EXPECT_EQ(PublicOf(devMode).dmDefaultSource, DMBIN_UPPER);
  EXPECT_EQ(restored.wMediaSourceOption, 0x1);
  EXPECT_EQ(restored.wMediaSourceFlags, 0x3);
  EXPECT_EQ(restored.dwMediaOptions, 0x21u);
  EXPECT_EQ(PublicOf(devMode).dmDuplex, DMDUP_HORIZONTAL);
}

TEST_P(ConvertRestoreTest, LitePrintLevelIsBroughtIntoTheModelsRange) {
  struct Case {
    bool level2;  // capability bit 22
    DWORD stored, restored;
  } cases[] = {{true, 1, 2}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}};
  for (const Case &c : cases) {
    model().capabilities.dwQuality = c.level2 ? 1u << 22 : 0;
    std::vector<BYTE> devMode = Current();
    MainOf(devMode).dwOptions = c.stored << PDMAIN_OPT_LITEPRINT_SHIFT;
    MainOf(devMode).bCusQuaLte = static_cast<BYTE>(c.stored);
    ASSERT_TRUE(RestoreDevMode(*settings_, devMode, 1, false));
    EXPECT_EQ(MainOf(devMode).dwOptions, c.restored << PDMAIN_OPT_LITEPRINT_SHIFT) << c.stored;
    EXPECT_EQ(MainOf(devMode).bCusQuaLte, c.restored);
  }
}

TEST_P(ConvertRestoreTest, MainBlockOfAnotherLayoutIsRefusedUntouched) {
  std::vector<BYTE> devMode = Current();
  MainOf(devMode).wScaleSizeIdx = 5;
  MainOf(devMode).header.dwSize = kMainBlockReach - 1;
  const std::vector<BYTE> before = devMode;
  EXPECT_FALSE(ConvertDevMode(*settings_, devMode.data(), devMode.size()));
  EXPECT_FALSE(RestoreDevMode(*settings_, devMode, 0, true));
  EXPECT_EQ(devMode, before);
}

INSTANTIATE_TEST_SUITE_P(Platforms, ConvertRestoreTest,
                         ::testing::Values(tested_windows::WindowsVersion::WinXP),
                         store_testing::PlatformName);

}  // namespace
}  // namespace apply_testing
