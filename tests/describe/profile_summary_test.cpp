// The summary of a stored profile as a whole: its groups and rows in order, in English and
// Japanese, left to right and right to left, with and without default settings, and where a
// profile cannot be read.
#include <gtest/gtest.h>

#include "describe/summary_test_support.h"

namespace summary_testing {
namespace {

using host::UiLanguage;
using tested_windows::WindowsVersion;

class ProfileSummaryTest : public SummaryTest {};

TEST_P(ProfileSummaryTest, ProfileEqualToTheDefaultsShowsOnlyTheRowsWithoutComparison) {
  Open();
  bool complete = false;
  Rows rows = Summarize(Settings(), &complete);

  EXPECT_TRUE(complete);
  EXPECT_EQ(rows, (Rows{{"[ Profile Information ]", ""},
                        {"Duplex and stapled", ""},
                        {"", ""},
                        {"[ Basic Settings ]", ""},
                        {"Paper Size", "Letter"},
                        {"Print Quality:", "600 dpi"},
                        {"", ""},
                        {"[ Changes from Default Settings ]", ""},
                        {"Print Size", "Letter [100%]"},
                        {"Color Matching", "Color Matching"}}));
  EXPECT_EQ(page_->restoreCalls, (std::vector<std::pair<int, bool>>{{1, false}}));
}

TEST_P(ProfileSummaryTest, JapaneseSummaryUsesTheJapaneseStringsAndColon) {
  SKIP_UNLESS_ANSI_CODE_PAGE(932);
  ASSERT_NO_FATAL_FAILURE(Open(host::kColorPrinterName, UiLanguage::Japanese));
  Rows rows = Summarize(Settings());

  auto ja = [](const char *utf8) { return InCodePage(utf8, 932); };
  EXPECT_EQ(rows, (Rows{{ja("[ プロファイル情報 ]"), ""},
                        {"Duplex and stapled", ""},
                        {"", ""},
                        {ja("[ 基本設定 ]"), ""},
                        {ja("用紙サイズ"), ja("レター")},
                        {ja("印刷品質："), "600 dpi"},
                        {"", ""},
                        {ja("[ 既定の設定からの変更 ]"), ""},
                        {ja("出力サイズ"), ja("レター [100%]")},
                        {ja("カラー マッチング"), ja("カラー マッチング")}}));
}

TEST_P(ProfileSummaryTest, WithoutChangesTheChangesGroupSaysSo) {
  Open();
  std::vector<BYTE> devMode = Settings();
  MainOf(devMode).dwScaleFlags |= PDMAIN_SIZE_NOT_FOUND;  // no print-size row
  MainOf(devMode).dwColorFlags |= 1;                      // no colour-matching row
  Rows changes = Changes(Summarize(devMode));
  EXPECT_EQ(changes, (Rows{{"No changes from the default settings", ""}}));
}

TEST_P(ProfileSummaryTest, RightToLeftRowsHoldTheValueFirstAndLeadingColons) {
  Open();
  page_->rightToLeft = true;
  std::vector<BYTE> devMode = Settings();
  MainOf(devMode).dwOptions |= PDMAIN_OPT_MIRROR;
  Rows rows = Summarize(devMode);

  EXPECT_EQ(rows, (Rows{{"", "[ Profile Information ]"},
                        {"", "Duplex and stapled"},
                        {"", ""},
                        {"", "[ Basic Settings ]"},
                        {"Letter", "Paper Size"},
                        {"600 dpi", ":Print Quality"},
                        {"", ""},
                        {"", "[ Changes from Default Settings ]"},
                        {"Letter", "Print Size"},
                        {"On", ":Rotate 180 Degrees"},
                        {"Color Matching", "Color Matching"}}));
}

TEST_P(ProfileSummaryTest, WithoutDefaultsTheProfileIsComparedWithItself) {
  Open();
  page_->noDefaults = true;
  std::vector<BYTE> devMode = Settings();
  PublicOf(devMode).dmCopies = 7;
  MainOf(devMode).dwOptions |= PDMAIN_OPT_TONER_SAVE;
  MainOf(devMode).dwHolePunch = 1u << 20 | 2;
  MainOf(devMode).wFontOptions = 1 << 11;

  EXPECT_EQ(Changes(Summarize(devMode)), (Rows{{"Print Size", "Letter [100%]"},
                                               {"Color Matching", "Color Matching"},
                                               {"Quick Copy:", "On"},
                                               {"Gloss", "Low"}}));
}

TEST_P(ProfileSummaryTest, UnreadableProfileStopsAfterTheBasicHeading) {
  Open();
  const Rows expected{{"[ Profile Information ]", ""},
                      {"Duplex and stapled", ""},
                      {"", ""},
                      {"[ Basic Settings ]", ""}};
  bool complete = true;
  EXPECT_EQ(Build(store_testing::Header("Office", 1, "Duplex and stapled"), &complete), expected);
  EXPECT_FALSE(complete);

  // A stored DEVMODE without a main block, and one whose private part runs past its bytes.
  std::vector<BYTE> noMain = Settings();
  noMain.resize(sizeof(DEVMODEW));
  PublicOf(noMain).dmDriverExtra = 0;
  EXPECT_EQ(Summarize(noMain, &complete), expected);
  EXPECT_FALSE(complete);
  page_->restore = [](DEVMODEW *devMode) { devMode->dmDriverExtra = 0xFFFF; };
  EXPECT_EQ(Summarize(Settings(), &complete), expected);
  EXPECT_FALSE(complete);
}

TEST_P(ProfileSummaryTest, RestoredSettingsAreTheOnesDescribed) {
  Open();
  page_->restore = [](DEVMODEW *devMode) {
    devMode->dmCopies = 4;
    auto *main = reinterpret_cast<pdMain *>(reinterpret_cast<BYTE *>(devMode) + devMode->dmSize);
    main->dwScaleFlags |= PDMAIN_SIZE_NOT_FOUND;  // the print size was not found on restoring
  };
  EXPECT_EQ(Changes(Summarize(Settings())),
            (Rows{{"Color Matching", "Color Matching"}, {"Copies", "4"}}));
}

TEST_P(ProfileSummaryTest, PlugInBlocksAddTheirFeatures) {
  Open();
  std::vector<BYTE> devMode = Settings();
  auto block = [&devMode](WORD id) {
    const auto *found = GetPlugInAddr(reinterpret_cast<DEVMODEW *>(devMode.data()), id);
    return reinterpret_cast<BYTE *>(const_cast<PrivateDataBlockHeader *>(found));
  };
  auto setWord = [](BYTE *at, DWORD value) { std::memcpy(at, &value, sizeof value); };
  setWord(block(PRIVATE_DATA_ID_PROLOGEPILOG) + 16, 1);
  setWord(block(PRIVATE_DATA_ID_WATERMARK) + 20, 1);
  setWord(block(PRIVATE_DATA_ID_SECURITYWMARK) + 20, 1);
  setWord(block(PRIVATE_DATA_ID_POSTER) + 28, 0x00020003);  // not a square layout
  Rows rows = Summarize(devMode);

  EXPECT_EQ(Rows(rows.begin() + 4, rows.begin() + 10),
            (Rows{{"Paper Size", "Letter"},
                  {"Print Quality:", "600 dpi"},
                  {"Prologue/Epilogue:", "On"},
                  {"Watermark:", "CONFIDENTIAL"},
                  {"Poster", "Poster"},
                  {"Security Watermark:", "COPY PROHIBITED"}}));
}

TEST_P(ProfileSummaryTest, BasicRowsNameTheCustomPaperAndTheCustomQuality) {
  Open();
  std::vector<BYTE> devMode = Settings();
  PublicOf(devMode).dmPaperSize = DMPAPER_USER;
  std::strcpy(MainOf(devMode).szCustomName, "Photo 4x6");
  MainOf(devMode).dwQualityMode = 1;
  Rows rows = Summarize(devMode);
  EXPECT_EQ(rows[4], Row("Paper Size", "Photo 4x6"));
  EXPECT_EQ(rows[5], Row("Print Quality:", "Custom Quality"));
}

INSTANTIATE_TEST_SUITE_P(Platforms, ProfileSummaryTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace summary_testing
