// How an imported profile is fitted to the reading printer: paper sizes it does not offer, the
// resolution ceiling and the merge of a custom paper size into the printer's table. The
// expected tables are written out by hand.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "profilefile/jzp_import_rules.h"

namespace {

CustomPaperSize Size(const std::string &name, DWORD width, DWORD length, BYTE mark = 0) {
  CustomPaperSize size{};
  std::memcpy(size.szName, name.data(), std::min(name.size(), sizeof size.szName - 1));
  size.dwWidth = width;
  size.dwLength = length;
  size.reserved[0] = mark;
  return size;
}

std::vector<BYTE> Bytes(const std::vector<CustomPaperSize> &table) {
  std::vector<BYTE> bytes(table.size() * sizeof(CustomPaperSize));
  std::memcpy(bytes.data(), table.data(), bytes.size());
  return bytes;
}

std::vector<std::string> Names(const std::vector<CustomPaperSize> &table) {
  std::vector<std::string> names;
  for (const CustomPaperSize &size : table)
    names.emplace_back(size.szName, strnlen(size.szName, sizeof size.szName));
  return names;
}

JzpImportTarget Printer(std::vector<WORD> paper, std::vector<WORD> dpi, WORD language = 0x0409,
                        BYTE restriction = 0) {
  return {std::move(paper), std::move(dpi), language, restriction};
}

TEST(ImportPaperSize, UnofferedSizeBecomesLetterInUsEnglishAndA4Otherwise) {
  const std::vector<WORD> offered = {1, 5, 9};
  EXPECT_EQ(FitPaperSize(Printer(offered, {}, 0x0409), 8), 1);
  EXPECT_EQ(FitPaperSize(Printer(offered, {}, 0x0809), 8), 9);
  EXPECT_EQ(FitPaperSize(Printer(offered, {}, 0x0411), 8), 9);
  EXPECT_EQ(FitPaperSize(Printer(offered, {}, 0x0411), 5), 5) << "an offered size stays";
}

TEST(ImportPaperSize, ZeroAndCustomSizesStay) {
  const JzpImportTarget printer = Printer({1, 9}, {}, 0x0411);
  EXPECT_EQ(FitPaperSize(printer, 0), 0);
  EXPECT_EQ(FitPaperSize(printer, 295), 9) << "the last standard number is not custom";
  EXPECT_EQ(FitPaperSize(printer, 296), 296);
  EXPECT_EQ(FitPaperSize(printer, 0x7FFF), 0x7FFF);
}

TEST(ImportResolution, CeilingIsTheBestOfferedResolutionAndAtLeast300) {
  EXPECT_EQ(ResolutionCeiling(Printer({}, {150, 300})), 300) << "600 dpi is capped to 300";
  EXPECT_EQ(ResolutionCeiling(Printer({}, {})), 300);
  EXPECT_EQ(ResolutionCeiling(Printer({}, {150})), 300);
  EXPECT_EQ(ResolutionCeiling(Printer({}, {300, 600, 1200})), 1200);
}

TEST(ImportResolution, RestrictionBytes1And2Withhold1200AndAbove) {
  const std::vector<WORD> dpi = {300, 600, 1200, 2400};
  EXPECT_EQ(ResolutionCeiling(Printer({}, dpi, 0x0409, 1)), 600);
  EXPECT_EQ(ResolutionCeiling(Printer({}, dpi, 0x0409, 2)), 600);
  EXPECT_EQ(ResolutionCeiling(Printer({}, dpi, 0x0409, 3)), 2400);
  EXPECT_EQ(ResolutionCeiling(Printer({}, dpi, 0x0409, 4)), 2400);
}

TEST(CustomPaperSizeMerge, EqualEntryIsReusedAtItsIndex) {
  const std::vector<CustomPaperSize> printer = {Size("Card", 1000, 1500), Size("Label", 400, 900)};
  const auto merge =
      MergeCustomPaperSize(printer, Bytes({Size("Other", 1, 2), Size("Label", 400, 900, 7)}), 1);
  ASSERT_TRUE(merge);
  EXPECT_EQ(merge->index, 1u);
  EXPECT_EQ(Bytes(merge->table), Bytes(printer)) << "the printer's table is stored as it is";
}

TEST(CustomPaperSizeMerge, ClashingNamesGetOneSuffixPerClashAndTheTableIsSorted) {
  const std::vector<CustomPaperSize> printer = {Size("Photo", 100, 150), Size("Card", 10, 20),
                                                Size("Photo_0", 101, 151)};
  const auto merge = MergeCustomPaperSize(printer, Bytes({Size("Photo", 200, 300, 9)}), 0);
  ASSERT_TRUE(merge);
  EXPECT_EQ(Names(merge->table),
            (std::vector<std::string>{"Card", "Photo", "Photo_0", "Photo_0_0"}));
  EXPECT_EQ(merge->index, 3u);
  EXPECT_EQ(merge->table[3].dwWidth, 200u);
  EXPECT_EQ(merge->table[3].dwLength, 300u);
  EXPECT_EQ(merge->table[3].reserved[0], 9) << "the last 8 bytes travel unchanged";
}

TEST(CustomPaperSizeMerge, OneClashAddsNameWithSuffixInSortedPlace) {
  const std::vector<CustomPaperSize> printer = {Size("B", 1, 1), Size("A", 1, 1)};
  const auto merge = MergeCustomPaperSize(printer, Bytes({Size("A", 2, 2)}), 0);
  ASSERT_TRUE(merge);
  EXPECT_EQ(Names(merge->table), (std::vector<std::string>{"A", "A_0", "B"}));
  EXPECT_EQ(merge->index, 1u);
}

TEST(CustomPaperSizeMerge, NameFillingItsFieldIsCutToTakeTheSuffix) {
  const std::string full(31, 'N');
  const auto merge = MergeCustomPaperSize({Size(full, 1, 1)}, Bytes({Size(full, 2, 2)}), 0);
  ASSERT_TRUE(merge);
  ASSERT_EQ(merge->table.size(), 2u);
  EXPECT_EQ(Names(merge->table)[1], std::string(29, 'N') + "_0");
  EXPECT_EQ(merge->table[1].szName[31], '\0');
  EXPECT_EQ(merge->table[1].dwWidth, 2u) << "the width field is untouched by the name";
}

TEST(CustomPaperSizeMerge, EntryPastTheImportedTableMergesNothing) {
  const std::vector<BYTE> imported = Bytes({Size("A", 1, 1)});
  EXPECT_FALSE(MergeCustomPaperSize({Size("B", 1, 1)}, imported, 1));
  EXPECT_FALSE(MergeCustomPaperSize({Size("B", 1, 1)}, imported, 0xFFFFFFF0u));
  EXPECT_FALSE(MergeCustomPaperSize({Size("B", 1, 1)},
                                    std::vector<BYTE>(imported.begin(), imported.end() - 1), 0));
}

TEST(PrinterCustomPaperSizes, CountDecidesEntriesMissingOnesZeroAndNoTableIsNone) {
  const std::vector<BYTE> stored = Bytes({Size("A", 1, 1), Size("B", 2, 2)});
  EXPECT_FALSE(ReadCustomPaperSizes(stored, 0));
  EXPECT_FALSE(ReadCustomPaperSizes({}, 2));
  const auto one = ReadCustomPaperSizes(stored, 1);
  ASSERT_TRUE(one);
  EXPECT_EQ(Names(*one), std::vector<std::string>{"A"});
  const auto three = ReadCustomPaperSizes(stored, 3);
  ASSERT_TRUE(three);
  EXPECT_EQ(Names(*three), (std::vector<std::string>{"A", "B", ""}));
  EXPECT_EQ((*three)[2].dwWidth, 0u);
}

}  // namespace
