// The texts of the settings-information dialog: host strings made node text by language and
// platform (mnemonics, the Lithuanian conversion, the older platforms' narrowing) and the
// colons of labels.
#include <gtest/gtest.h>

#include <string>

#include <winplat/config.h>

#include "abi/wide.h"
#include "describe/settings_info_text.h"
#include "page/page_test_support.h"

namespace prfmod::testing {
namespace {

class InfoTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
    winplat::SetAnsiCodePage(1252);
  }
  void TearDown() override { winplat::SetAnsiCodePage(1252); }

  // An InfoText for the host language, its code page chosen.
  InfoText &Text(WORD language, bool modern = true) {
    manager_.language = language;
    manager_.strings[2709] = (language & 0xFF) == 0x11 ? WSTR("\uFF1A") : WSTR(":");
    text_ = std::make_unique<InfoText>(&manager_, &manager_.model, false, modern);
    text_->ChooseCodePage();
    return *text_;
  }

  PageUIManager manager_;
  std::unique_ptr<InfoText> text_;
};

// Outside Japanese a "(&X)" goes with its letter and every other "&" is dropped; Japanese keeps
// the letter in its brackets.
TEST_F(InfoTextTest, MnemonicsLeaveNodeTexts) {
  struct Case {
    WORD language;
    WideString source;
    WideString expected;
  } cases[] = {
      {0x0409, WSTR("I&nformation..."), WSTR("Information...")},
      {0x0409, WSTR("Save && Close"), WSTR("Save  Close")},
      {0x0409, WSTR("Profile (&P) and (&Q)"), WSTR("Profile  and ")},
      {0x0412, WSTR("정보(&N)..."), WSTR("정보...")},
      {0x0411, WSTR("情報(&N)..."), WSTR("情報(N)...")},
      {0x0411, WSTR("&Add"), WSTR("Add")},
  };
  for (const Case &c : cases) {
    InfoText &text = Text(c.language);
    const std::string copied = text.CopyString(c.source, false);
    EXPECT_EQ(text.ToWide(copied), c.expected) << std::hex << c.language;
  }
}

// Lithuanian on the modern platform is converted with the Western code page ("À" is 0xC0 there
// and has no place in the Baltic one), after which the dialog uses the Baltic code page.
TEST_F(InfoTextTest, LithuanianConvertsAsWesternThenTakesTheBalticCodePage) {
  InfoText &text = Text(0x0427);
  EXPECT_EQ(text.CopyString(WSTR("\u00C0"), true), "\xC0");
  EXPECT_EQ(text.GetCodePage(), 1257u);
}

// On an older platform whose system code page is Western the code page stays 0: host strings
// are narrowed character by character and keep their bracketed letters; names are converted.
TEST_F(InfoTextTest, OlderPlatformNarrowsHostStrings) {
  InfoText &text = Text(0x0409, false);
  EXPECT_EQ(text.GetCodePage(), 0u);
  EXPECT_EQ(text.CopyString(WSTR("&Add (&X)"), false), "Add (X)");
  EXPECT_EQ(text.CopyString(WSTR("&Add (&X)"), true), "Add ");
}

TEST_F(InfoTextTest, LabelsTakeOneColonOfTheirLanguage) {
  struct Case {
    WORD language;
    WideString label;
    WideString ensured;
    WideString stripped;
  } cases[] = {
      {0x0409, WSTR("Paper"), WSTR("Paper:"), WSTR("Paper")},
      {0x0409, WSTR("Color Profile:"), WSTR("Color Profile:"), WSTR("Color Profile")},
      {0x0411, WSTR("用紙"), WSTR("用紙\uFF1A"), WSTR("用紙")},
      {0x0411, WSTR("用紙\uFF1A"), WSTR("用紙\uFF1A"), WSTR("用紙")},
      {0x0411, WSTR("用紙:"), WSTR("用紙:"), WSTR("用紙")},
  };
  for (const Case &c : cases) {
    InfoText &text = Text(c.language);
    std::string label = text.CopyString(c.label, true);
    text.EnsureColon(label);
    EXPECT_EQ(text.ToWide(label), c.ensured);
    label = text.CopyString(c.label, true);
    text.StripInfoColon(label);
    EXPECT_EQ(text.ToWide(label), c.stripped);
  }
}

}  // namespace
}  // namespace prfmod::testing
