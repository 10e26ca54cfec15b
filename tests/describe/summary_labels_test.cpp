// Labels of the summary: mnemonics by language (double-byte texts included), the colon of each
// label style in both directions and languages, headings, and the row store's bounds.
#include <gtest/gtest.h>

#include <string>

#include "abi/wide.h"
#include "describe/summary_labels.h"
#include "describe/summary_test_support.h"

namespace summary_testing {
namespace {

using host::UiLanguage;
using tested_windows::WindowsVersion;

const TextPolicy kLatin = TextPolicy::ForPage(false, 1252);
const TextPolicy kJapanese = TextPolicy::ForPage(false, 932);

struct MnemonicCase {
  WORD language;
  UINT codePage;
  const char *text;  // UTF-8
  const char *expected;
};

// Korean, Thai, the Chinese and the right-to-left languages remove "(&X)"; all others, Japanese
// among them, only the first "&".
const MnemonicCase kMnemonicCases[] = {
    {0x0409, 1252, "&Add...", "Add..."},
    {0x0409, 1252, "Save && Close", "Save & Close"},
    {0x0409, 1252, "No mnemonic", "No mnemonic"},
    {0x0411, 932, "追加(&A)...", "追加(A)..."},
    {0x0412, 949, "추가(&A)...", "추가..."},
    {0x0404, 950, "新增(&A)...", "新增(A)..."},  // the host reports Chinese as 0xC0 and 0xC1
    {0x04C0, 936, "添加(&A)", "添加"},
    {0x04C1, 950, "新增(&N)", "新增"},
    {0x041E, 874, "เพิ่ม(&A)", "เพิ่ม"},
    {0x0401, 1256, "(&", ""},                // a cut pattern removes only what is there
    {0x0412, 949, "추가(&가)끝", "추가끝"},  // a double-byte mnemonic is one character
    {0x0412, 949, "A&B", "A&B"},             // a plain "&" stays in the bracket languages
    {0x0411, 932, "表示", "表示"},           // 0x95 0x5C: the trail byte is no pattern
    {0x0411, 932, "ソ&", "ソ"},              // 0x83 0x5C then "&"
};

TEST(SummaryLabelsTest, StripMnemonicFollowsTheLanguage) {
  for (const MnemonicCase &c : kMnemonicCases) {
    SCOPED_TRACE(c.text);
    SummaryLabels labels(nullptr, c.language, false, TextPolicy::ForPage(false, c.codePage));
    std::string text = InCodePage(c.text, c.codePage);
    labels.StripMnemonic(text.data());
    EXPECT_EQ(std::string(text.c_str()), InCodePage(c.expected, c.codePage));
  }
}

class LabelStyleTest : public SummaryTest {};

struct StyleCase {
  LabelStyle style;
  bool rightToLeft;
  const char *english;   // of "Print Quality"
  const char *japanese;  // of "印刷品質" (UTF-8)
};

const StyleCase kStyleCases[] = {
    {LabelStyle::N, false, "Print Quality", "印刷品質"},
    {LabelStyle::L, false, "Print Quality:", "印刷品質："},
    {LabelStyle::A, false, "Print Quality:", "印刷品質:"},
    {LabelStyle::K, false, "Print Quality:", "印刷品質："},
    {LabelStyle::P, false, "Print Quality:", "印刷品質:"},
    {LabelStyle::I, false, "  Print Quality:", "  印刷品質："},
    {LabelStyle::N, true, "Print Quality", "印刷品質"},
    {LabelStyle::L, true, ":Print Quality", ":印刷品質"},
    {LabelStyle::A, true, ":Print Quality", ":印刷品質"},
    {LabelStyle::K, true, "Print Quality:", "印刷品質："},
    {LabelStyle::P, true, "Print Quality:", "印刷品質:"},
    {LabelStyle::I, true, "  :Print Quality", "  :印刷品質"},
};

TEST_P(LabelStyleTest, EachStyleShapesTheLoadedLabel) {
  int languagesRun = 0;
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
    // On Windows the system's code page is its locale's: each language runs where it is the
    // system's (the Wine leg runs an English and a Japanese Wine).
    if (!tested_windows::HasAnsiCodePage(host::AnsiCodePage(language)))
      continue;
    ASSERT_NO_FATAL_FAILURE(Open(host::kColorPrinterName, language));
    ++languagesRun;
    for (const StyleCase &c : kStyleCases) {
      SCOPED_TRACE(static_cast<int>(c.style) * 2 + c.rightToLeft);
      SummaryLabels labels(session_->uiManager(), page_->language, c.rightToLeft,
                           TextPolicy::ForPage(false, page_->codePage));
      const char *expected = language == UiLanguage::English ? c.english : c.japanese;
      EXPECT_EQ(labels.Label(39, c.style), InCodePage(expected, page_->codePage));
    }
  }
  if (languagesRun == 0)
    GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
}

// A label ending in ":" or in the language's colon gets no second one from styles L and K;
// styles A and P only look for ":".
TEST_P(LabelStyleTest, AColonIsNeverAddedTwice) {
  SKIP_UNLESS_ANSI_CODE_PAGE(932);
  ASSERT_NO_FATAL_FAILURE(Open(host::kColorPrinterName, UiLanguage::Japanese));
  SummaryLabels labels(session_->uiManager(), page_->language, false, kJapanese);
  for (const char *text : {"Color Profile:", "色："}) {
    const WideString wide = labels.Policy().ToWide(InCodePage(text, 932).c_str());
    EXPECT_EQ(labels.Shape(wide, LabelStyle::L), InCodePage(text, 932));
    EXPECT_EQ(labels.Shape(wide, LabelStyle::K), InCodePage(text, 932));
  }
  EXPECT_EQ(labels.Shape(labels.Policy().ToWide(InCodePage("色：", 932).c_str()), LabelStyle::P),
            InCodePage("色：:", 932));
  SummaryLabels rtl(session_->uiManager(), page_->language, true, kJapanese);
  EXPECT_EQ(rtl.Shape(labels.Policy().ToWide(":Label"), LabelStyle::L), ":Label");
}

TEST_P(LabelStyleTest, StripLabelColonRemovesOneColonOfEitherKind) {
  SKIP_UNLESS_ANSI_CODE_PAGE(932);
  ASSERT_NO_FATAL_FAILURE(Open(host::kColorPrinterName, UiLanguage::Japanese));
  SummaryLabels labels(session_->uiManager(), page_->language, false, kJapanese);
  const struct {
    const char *text, *expected;
  } cases[] = {{"色：", "色"}, {"Name:", "Name"}, {"Name::", "Name:"}, {"ソ", "ソ"}, {"", ""}};
  for (const auto &c : cases) {
    std::string text = InCodePage(c.text, 932);
    labels.StripLabelColon(text);
    EXPECT_EQ(text, InCodePage(c.expected, 932)) << c.text;
  }
  EXPECT_EQ(labels.Heading(1933), InCodePage("[ プロファイル情報 ]", 932));
}

INSTANTIATE_TEST_SUITE_P(Platforms, LabelStyleTest, ::testing::Values(WindowsVersion::WinXP),
                         PlatformName);

TEST(SummaryRowStoreTest, HoldsAtMost128RowsAndRefusesTheNext) {
  SummaryRowStore store;
  EXPECT_EQ(store.GetRow(0), nullptr);
  for (int i = 0; i < SUMMARY_ROW_CAPACITY; ++i)
    ASSERT_NE(store.Add(std::to_string(i).c_str(), "v", kLatin), nullptr) << i;
  EXPECT_EQ(store.Add("one too many", "v", kLatin), nullptr);
  EXPECT_EQ(store.GetCount(), SUMMARY_ROW_CAPACITY);
  EXPECT_STREQ(store.GetRow(127)->pszFirst, "127");
  EXPECT_EQ(store.GetRow(128), nullptr);
  EXPECT_EQ(store.GetRow(-1), nullptr);

  // A new build reuses the same rows from row 0.
  const SummaryRow *first = store.GetRow(0);
  store.Reset();
  EXPECT_EQ(store.GetCount(), 0);
  EXPECT_EQ(store.Add("again", nullptr, kLatin), first);
  EXPECT_STREQ(first->pszFirst, "again");
  EXPECT_STREQ(first->pszSecond, "");
}

TEST(SummaryRowStoreTest, LongTextsAreCutAtAWholeCharacter) {
  SummaryRowStore store;
  const std::string exact(127, 'x');
  const SummaryRow *row = store.Add(exact.c_str(), (exact + "y").c_str(), kLatin);
  EXPECT_EQ(std::string(row->pszFirst), exact);
  EXPECT_EQ(std::string(row->pszSecond), exact);

  // 63 double-byte characters fill 126 bytes; the 64th would need bytes 127 and 128.
  std::string wide;
  for (int i = 0; i < 64; ++i)
    wide += InCodePage("表", 932);
  row = store.Add(wide.c_str(), ("a" + wide).c_str(), kJapanese);
  EXPECT_EQ(std::string(row->pszFirst), wide.substr(0, 126));
  EXPECT_EQ(std::string(row->pszSecond), ("a" + wide).substr(0, 127));
}

}  // namespace
}  // namespace summary_testing
