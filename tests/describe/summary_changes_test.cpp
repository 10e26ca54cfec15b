// The changes group: each setting that differs from the default settings adds its row with the
// profile's value, the label shaped by its style, and the rules that hide rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "describe/summary_test_support.h"

namespace summary_testing {
namespace {

using host::UiLanguage;
using tested_windows::WindowsVersion;

struct ChangeCase {
  const char *name;
  std::function<void(DEVMODEW &, pdMain &)> change;
  Rows expected;  // rows that must be in the changes group
  Rows absent;    // rows that must not be
};

using D = DEVMODEW;
using M = pdMain;

// clang-format off
const ChangeCase kChangeCases[] = {
    {"PaperSource", [](D &d, M &) { d.dmDefaultSource = DMBIN_MANUAL; },
     {{"Paper Source", "Multipurpose Tray"}}, {}},
    {"UnknownPaperSource", [](D &d, M &) { d.dmDefaultSource = 99; },
     {{"Paper Source", "Unknown"}}, {}},
    {"MediaType", [](D &d, M &) { d.dmMediaType = DMMEDIA_GLOSSY; },
     {{"Media Type", "Glossy Paper"}}, {}},
    {"Orientation", [](D &d, M &) { d.dmOrientation = DMORIENT_LANDSCAPE; },
     {{"Orientation", "Landscape"}}, {}},
    {"LayoutAndScaling",
     [](D &, M &m) { m.dwOptions |= PDMAIN_OPT_MIRROR; m.wFitToPage = 4; m.wScalePercent = 85; },
     {{"Rotate 180 Degrees:", "On"}, {"Pages per Sheet", "4"}, {"Scaling", "85%"}}, {}},
    {"TwoSided", [](D &, M &m) { m.wDuplexOptions = 2; },
     {{"2-Sided Printing", "Off"}, {"Manual 2-Sided Printing", "On"}}, {}},
    // A booklet (bit 0; kind 1 in bits 2-3) hides the image shift and the printable-area clip.
    {"BookletHidesShift",
     [](D &, M &m) { m.wBookletOptions = 5; m.dImageShiftX = 0.3; m.dwOptions |= 1u << 17; },
     {{"Booklet", "Right Binding"}},
     {{"Print Position Shift X:", "0.50 in"}, {"Clip to Printable Area:", "Off"}}},
    {"ImageShift",
     [](D &, M &m) { m.dImageShiftX = 0.3; m.dImageShiftY = -0.2; m.dwOptions |= 1u << 17; },
     {{"Print Position Shift X:", "0.50 in"}, {"Print Position Shift Y:", "0.00 in"},
      {"Clip to Printable Area:", "Off"}}, {}},
    {"LitePrint", [](D &, M &m) { m.dwOptions |= 2u << 20 | PDMAIN_OPT_TONER_SAVE; },
     {{"Toner Save:", "75%"}, {"Smoothing:", "On"}}, {}},
    {"ColorReproduction", [](D &, M &m) { m.wColorReproduction = 11; },
     {{"Color Reproduction:", "Natural"}}, {}},
    // Grayscale shows the image adjustment and turns colour matching off.
    {"GrayscaleImageAdjustment", [](D &, M &m) { m.wColorMode = 2; m.sBrightness = -10; },
     {{"Color Mode", "Grayscale"}, {"Image Adjustment:", ""}, {"  Brightness:", "-10"},
      {"  Contrast:", "0"}},
     {{"Color Matching", "Color Matching"}}},
    // A colour model in automatic mode shows no image adjustment.
    {"ImageAdjustmentSuppressed", [](D &, M &m) { m.sContrast = 5; },
     {}, {{"Image Adjustment:", ""}, {"  Contrast:", "5"}}},
    {"CustomModeWithGreyBlack",
     [](D &, M &m) {
       m.wColorMode = 3; m.wQualityFlags |= 1 << 6; m.sContrast = 5; m.dwColoAdjCustomID = 2;
     },
     {{"Color Mode", "Custom"}, {"  Contrast:", "5"}},
     {{"Color Matching", "Color Matching"}, {"Color Adjustment", "Vivid"}}},
    {"FontsAndGraphics",
     [](D &d, M &m) { d.dmTTOption = 257; m.wFontOptions |= 5 << 6 | 1 | 1 << 3 | 1 << 10; },
     {{"TrueType Fonts", "Download as Outline Fonts"}, {"Graphics Mode:", "Graphics Mode:"},
      {"Thin Line Enhancement:", "On"}, {"Print All Text in Black:", "On"},
      {"Negative Image", "On"}}, {}},
    // The last matching method that applies names it; its string loses the colon.
    {"ColorMatching",
     [](D &, M &m) { m.dwColorFlags = 1 << 3 | 1 << 1; m.dwColorMatching = 1; },
     {{"Color Matching", "Simulation"}}, {}},
    {"ColorAdjustment", [](D &, M &m) { m.dwColoAdjCustomID = 2; },
     {{"Color Adjustment", "Vivid"}}, {}},
    {"Copies", [](D &d, M &) { d.dmCopies = 12; }, {{"Copies", "12"}}, {}},
    {"OutputBin",
     [](D &, M &m) { m.wOutBinIdx = 1002; m.dwOptions |= 1 << 3; m.wFinishing2 |= 1 << 15; },
     {{"Output Bin", "Rear Tray (Face Up)"}, {"Offset Stacking:", "On"}, {"Saddle Stitch:", "On"}},
     {}},
    // A bin that no entry names hides the output-bin options (option bits 3 and 10).
    {"UnmatchedOutputBin",
     [](D &, M &m) { m.wOutBinIdx = 1007; m.dwOptions |= 0x408; m.wFinishing |= 1 << 9; },
     {{"Output Bin", "Unknown"}},
     {{"Offset Stacking:", "On"}, {"Reverse Output Order:", "On"}, {"Fold:", "On"}}},
    {"StoredFormOfTheDefaultBin", [](D &, M &m) { m.wOutBinIdx = 1000; },
     {}, {{"Output Bin", "Top Tray (Face Down)"}}},
    {"CoversAndJobOptions",
     [](D &, M &m) {
       m.dwMediaOptions |= 1; m.dwTransparencyInterleave |= 1; m.dwOptions |= 1 << 7 | 1 << 6;
     },
     {{"Front Cover:", "On"}, {"Separator Pages:", "On"}, {"Print Job Log:", "On"},
      {"Banner Page:", "On"}}, {}},
    {"EmfSpoolingOnlyInJapanese", [](D &, M &m) { m.dwOptions &= ~PDMAIN_OPT_EMF_SPOOLING; },
     {}, {{"EMF Spooling:", "EMF Spooling:"}}},
};
// clang-format on

bool Contains(const Rows &rows, const Row &row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

class SummaryChangesTest : public SummaryTest {};

TEST_P(SummaryChangesTest, EachDifferenceAddsItsRowWithTheProfilesValue) {
  Open();
  for (const ChangeCase &c : kChangeCases) {
    SCOPED_TRACE(c.name);
    std::vector<BYTE> devMode = Settings();
    c.change(PublicOf(devMode), MainOf(devMode));
    const Rows changes = Changes(Summarize(devMode));
    for (const Row &row : c.expected)
      EXPECT_TRUE(Contains(changes, row)) << row.first << " | " << row.second;
    for (const Row &row : c.absent)
      EXPECT_FALSE(Contains(changes, row)) << row.first << " | " << row.second;
    EXPECT_FALSE(Contains(changes, Row("No changes from the default settings", "")));
  }
}

// The changes group in its order: a profile that changes settings of every part of the table
// lists exactly these rows, one after the other as the table has them.
TEST_P(SummaryChangesTest, ChangedSettingsAreListedInTheTablesOrder) {
  Open();
  std::vector<BYTE> devMode = Settings();
  DEVMODEW &d = PublicOf(devMode);
  pdMain &m = MainOf(devMode);
  d.dmDefaultSource = DMBIN_MANUAL;
  d.dmMediaType = DMMEDIA_GLOSSY;
  d.dmOrientation = DMORIENT_LANDSCAPE;
  d.dmTTOption = 257;
  d.dmCopies = 12;
  m.dwOptions |= PDMAIN_OPT_MIRROR | PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE | 2u << 20 |
                 PDMAIN_OPT_TONER_SAVE | PDMAIN_OPT_SPOOL_RAW | PDMAIN_OPT_SKIP_BLANK |
                 PDMAIN_OPT_OUTBIN_OFFSET | PDMAIN_OPT_OUTBIN_SORT;
  m.wFitToPage = 4;
  m.wScalePercent = 85;
  m.wDuplexOptions = 2;
  m.dImageShiftX = 0.3;
  m.dImageShiftY = -0.2;
  m.wColorReproduction = 11;
  m.wColorMode = 2;  // grayscale: image adjustment shown, colour matching not
  m.sBrightness = -10;
  m.sContrast = 15;
  m.wFontOptions = 1 << 6 | 1 << 0 | 1 << 10 | 1 << 2 | 1 << 3 | 1 << 1 | 2 << 11;
  m.wOutBinIdx = 1002;
  m.dwFrontCover |= 1;
  m.dwBackCover |= 1;
  m.dwInsertSheet |= 1;
  m.wFinishing |= 1 << 9;
  m.wFinishing2 |= 1 << 15;
  m.dwHolePunch = 1u << 20 | 2;
  EXPECT_EQ(Changes(Summarize(devMode)), (Rows{{"Print Size", "Letter [100%]"},
                                               {"Paper Source", "Multipurpose Tray"},
                                               {"Media Type", "Glossy Paper"},
                                               {"Orientation", "Landscape"},
                                               {"Rotate 180 Degrees:", "On"},
                                               {"Pages per Sheet", "4"},
                                               {"Scaling", "85%"},
                                               {"2-Sided Printing", "Off"},
                                               {"Manual 2-Sided Printing", "On"},
                                               {"Print Position Shift X:", "0.50 in"},
                                               {"Print Position Shift Y:", "0.00 in"},
                                               {"Clip to Printable Area:", "Off"},
                                               {"Toner Save:", "75%"},
                                               {"Smoothing:", "On"},
                                               {"Color Reproduction:", "Natural"},
                                               {"Image Adjustment:", ""},
                                               {"  Brightness:", "-10"},
                                               {"  Contrast:", "15"},
                                               {"TrueType Fonts", "Download as Outline Fonts"},
                                               {"Graphics Mode:", "Raster"},
                                               {"Thin Line Enhancement:", "On"},
                                               {"Print All Text in Black:", "On"},
                                               {"Print White Text:", "On"},
                                               {"Negative Image", "On"},
                                               {"Mirror Image:", "On"},
                                               {"Color Mode", "Grayscale"},
                                               {"Copies", "12"},
                                               {"Output Bin", "Rear Tray (Face Up)"},
                                               {"Front Cover:", "On"},
                                               {"Back Cover:", "On"},
                                               {"Separator Pages:", "On"},
                                               {"Print Job Log:", "On"},
                                               {"Banner Page:", "On"},
                                               {"Offset Stacking:", "On"},
                                               {"Reverse Output Order:", "On"},
                                               {"Fold:", "On"},
                                               {"Saddle Stitch:", "On"},
                                               {"Quick Copy:", "On"},
                                               {"Gloss", "Medium"}}));

  // Custom colour without grey-scale black: colour matching and adjustment follow the colour
  // mode, image adjustment is hidden, and an unmatched bin hides the bin's options.
  devMode = Settings();
  PublicOf(devMode).dmTTOption = 1;
  PublicOf(devMode).dmCopies = 3;
  pdMain &custom = MainOf(devMode);
  custom.dwScaleFlags |= PDMAIN_SIZE_NOT_FOUND;
  custom.wColorMode = 3;
  custom.sBrightness = 20;
  custom.dwColorFlags = 1 << 3 | 1 << 2;
  custom.dwColoAdjCustomID = 2;
  custom.wOutBinIdx = 1007;
  custom.dwOptions |= PDMAIN_OPT_OUTBIN_OFFSET;
  EXPECT_EQ(Changes(Summarize(devMode)), (Rows{{"TrueType Fonts", "Print as Graphics"},
                                               {"Color Mode", "Custom"},
                                               {"Color Matching", "Color Profile"},
                                               {"Color Adjustment", "Vivid"},
                                               {"Copies", "3"},
                                               {"Output Bin", "Unknown"}}));
}

// Values outside their tables: a colour reproduction still counts as a change (no 1944 row),
// a hole punch mode without a string neither shows nor counts.
TEST_P(SummaryChangesTest, ValuesOutsideTheirTablesShowNoRow) {
  Open();
  std::vector<BYTE> devMode = Settings();
  MainOf(devMode).dwScaleFlags |= PDMAIN_SIZE_NOT_FOUND;
  MainOf(devMode).dwColorFlags |= 1;
  MainOf(devMode).dwHolePunch = 1u << 20 | 4;
  EXPECT_EQ(Changes(Summarize(devMode)), (Rows{{"No changes from the default settings", ""}}));
  MainOf(devMode).wColorReproduction = 4;
  EXPECT_EQ(Changes(Summarize(devMode)), Rows{});
}

TEST_P(SummaryChangesTest, JapaneseShowsEmfSpoolingAndItsOwnLabels) {
  SKIP_UNLESS_ANSI_CODE_PAGE(932);
  ASSERT_NO_FATAL_FAILURE(Open(host::kColorPrinterName, UiLanguage::Japanese));
  std::vector<BYTE> devMode = Settings();
  MainOf(devMode).dwOptions &= ~PDMAIN_OPT_EMF_SPOOLING;
  MainOf(devMode).wFinishing |= 1 << 9;
  MainOf(devMode).dwHolePunch = 1u << 20;
  const Rows changes = Changes(Summarize(devMode));

  const Row emf(S(1773) + ":", S(1773) + ":");
  // The ANSI platform has no EMF spooling row.
  EXPECT_EQ(Contains(changes, emf), !Ansi());
  EXPECT_TRUE(Contains(changes, Row(S(1959) + ":", S(917))));
  EXPECT_TRUE(Contains(changes, Row(S(1960) + ":", S(917))));
}

INSTANTIATE_TEST_SUITE_P(Platforms, SummaryChangesTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace summary_testing
