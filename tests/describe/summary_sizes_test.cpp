// The summary's arithmetic: custom sizes, the zoom of a print size, the image shift in inches
// and millimetres, and the pages of a poster from the current paper.
#include <gtest/gtest.h>

#include "describe/summary_sizes.h"
#include "describe/summary_test_support.h"

namespace summary_testing {
namespace {

using tested_windows::WindowsVersion;

TEST(SummarySizesTest, CustomSizesBecomeTenthsOfAMillimetre) {
  EXPECT_EQ(CustomSizeToTenthsMm(8500, 0), 2159u);
  EXPECT_EQ(CustomSizeToTenthsMm(11000, 0x10), 2794u);  // only the low four bits are the unit
  EXPECT_EQ(CustomSizeToTenthsMm(2100, 1), 2100u);
  EXPECT_EQ(CustomSizeToTenthsMm(2100, 2), 2100u);
}

TEST(SummarySizesTest, ZoomIsTheSmallerTruncatedRatio) {
  const struct {
    double dw, dl, ow, ol;
    int zoom;
  } cases[] = {
      {2100, 2970, 2159, 2794, 94},  // 102.8 across, 94.07 down
      {2159, 2794, 2100, 2970, 97},  // 97.26 across, 106.3 down
      {2100, 2970, 4200, 5940, 200}, {2100, 2970, 2100, 2970, 100}, {1, 1, 1, 1, 100},
      {0, 2970, 2100, 2970, 100},  // a zero side cannot scale
      {1, 1, 4e9, 4e9, 99999},     // held within range
  };
  for (const auto &c : cases)
    EXPECT_EQ(PrintSizeZoom(c.dw, c.dl, c.ow, c.ol), c.zoom) << c.dw << " x " << c.dl;
}

TEST(SummarySizesTest, ImageShiftIsShownFromItsBaseInTheDisplayUnit) {
  EXPECT_EQ(FormatImageShift(0.0, 0), "0.20 in");
  EXPECT_EQ(FormatImageShift(0.0, 1), "5.0 mm");
  EXPECT_EQ(FormatImageShift(1.0, 2), "30.4 mm");
  EXPECT_EQ(FormatImageShift(-0.45, 0), "-0.25 in");
}

class PosterSizeTest : public SummaryTest {
 protected:
  pdMain &Current() { return *reinterpret_cast<pdMain *>(session_->mainBlock()); }
};

TEST_P(PosterSizeTest, PosterPagesComeFromTheCurrentPaperInTheDisplayUnit) {
  Open();
  Current().wMediaSizeIdx = 6;  // A4, 2100 x 2970
  page_->modelInfo.wUnit = 1;
  EXPECT_EQ(FormatPosterSize(2, 2, PosterTileWidth(*page_, 2), PosterTileLength(*page_, 2), 1),
            "2 x 2 (420.00 x 594.00 mm.)");

  page_->modelInfo.wUnit = 0;
  Current().wMediaSizeIdx = 0;  // Letter, 2159 x 2794
  // 0.005 is added before the two decimals: 33 inches show as 33.01.
  EXPECT_EQ(FormatPosterSize(3, 3, PosterTileWidth(*page_, 3), PosterTileLength(*page_, 3), 0),
            "3 x 3 (25.50 x 33.01 in.)");

  session_->devMode()->dmOrientation = DMORIENT_LANDSCAPE;
  EXPECT_DOUBLE_EQ(PosterTileWidth(*page_, 1), static_cast<float>(2794 / 254.0));
  EXPECT_DOUBLE_EQ(PosterTileLength(*page_, 1), static_cast<float>(2159 / 254.0));
}

TEST_P(PosterSizeTest, CustomCurrentPaperIsConvertedByBothUnits) {
  Open();
  const struct {
    WORD displayUnit;
    DWORD customUnit;
    DWORD width;
    double expected;
  } cases[] = {
      {0, 0, 8500, 8.5},   {2, 2, 2100, 210.0},  {0, 2, 2540, 10.0},
      {2, 0, 8500, 215.9}, {1, 0, 8500, 8500.0},  // a pair the table does not name
  };
  Current().wMediaSizeIdx = 40;  // beyond the list: the custom size
  for (const auto &c : cases) {
    page_->modelInfo.wUnit = c.displayUnit;
    Current().dwCustomUnit = 0x30 | c.customUnit;
    Current().dwCustomWidth = c.width;
    EXPECT_DOUBLE_EQ(PosterTileWidth(*page_, 2),
                     2 * static_cast<double>(static_cast<float>(c.expected)))
        << c.displayUnit << "/" << c.customUnit;
  }
}

TEST_P(PosterSizeTest, PosterBlockShowsItsSizeInTheSummary) {
  Open();
  Current().wMediaSizeIdx = 6;
  page_->modelInfo.wUnit = 1;
  std::vector<BYTE> devMode = Settings();
  auto *poster = reinterpret_cast<BYTE *>(
      GetPlugInAddr(reinterpret_cast<DEVMODEW *>(devMode.data()), PRIVATE_DATA_ID_POSTER));
  const DWORD layout = 0x00020002;
  std::memcpy(poster + 28, &layout, sizeof layout);
  const Rows rows = Summarize(devMode);
  EXPECT_NE(std::find(rows.begin(), rows.end(), Row("Poster", "2 x 2 (420.00 x 594.00 mm.)")),
            rows.end());
}

// The print-size row: the document paper from the profile's paper code, the output paper from
// the print-size index, custom sizes where the list has no entry.
TEST_P(PosterSizeTest, PrintSizeRowShowsTheOutputPaperAndItsZoom) {
  Open();
  const struct {
    const char *name;
    short paper;
    WORD index;
    DWORD outputUnit, outputWidth, outputLength;
    Row expected;
  } cases[] = {
      {"A4OnLetter", DMPAPER_A4, 0, 0, 0, 0, {"Print Size", "Letter [94%]"}},
      {"LetterOnA4", DMPAPER_LETTER, 6, 0, 0, 0, {"Print Size", "A4 [97%]"}},
      {"CustomOutput", DMPAPER_LETTER, 23, 1, 1050, 1480, {"Print Size", "Photo [48%]"}},
      {"CustomOutputInches", DMPAPER_A4, 200, 0, 8500, 11000, {"Print Size", "Photo [94%]"}},
      {"CustomDocument", DMPAPER_USER, 6, 0, 0, 0, {"Print Size", "A4 [97%]"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<BYTE> devMode = Settings();
    PublicOf(devMode).dmPaperSize = c.paper;
    pdMain &main = MainOf(devMode);
    main.wScaleSizeIdx = c.index;
    main.dwOutputUnit = c.outputUnit;
    main.dwOutputWidth = c.outputWidth;
    main.dwOutputLength = c.outputLength;
    std::strcpy(main.szOutputName, "Photo");
    EXPECT_EQ(Changes(Summarize(devMode)).front(), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Platforms, PosterSizeTest, ::testing::Values(WindowsVersion::WinXP),
                         PlatformName);

}  // namespace
}  // namespace summary_testing
