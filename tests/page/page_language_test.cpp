// The page's language rules: template, code page and reading order per language, the model's
// language override, the list font, and the dialog base's code page and font choice.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "abi/wide.h"
#include "page/base_dlg.h"
#include "page/page_language.h"
#include "page/page_test_support.h"

namespace prfmod::testing {
namespace {

class PageLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override { tested_windows::Use(tested_windows::WindowsVersion::WinXP); }
  void TearDown() override {
    tested_windows::Use(tested_windows::WindowsVersion::WinXP);
    tested_windows::UseAnsiCodePage(1252);
  }
};

TEST_F(PageLanguageTest, EachLanguageHasItsTemplateCodePageAndReadingOrder) {
  struct Case {
    WORD language;
    int templateId;
    UINT codePage;
    bool rightToLeft;
  } cases[] = {
      {0x0401, 106, 1256, true},   {0x0429, 106, 1256, true},   {0x040D, 106, 1255, true},
      {0x0402, 4287, 1251, false}, {0x0419, 4287, 1251, false}, {0x0405, 4287, 1250, false},
      {0x040E, 4287, 1250, false}, {0x0415, 4287, 1250, false}, {0x0418, 4287, 1250, false},
      {0x0408, 4287, 1253, false}, {0x0411, 502, 932, false},   {0x0412, 503, 949, false},
      {0x041E, 4287, 874, false},  {0x041F, 4287, 1254, false}, {0x0427, 4287, 1257, false},
      {0x04C0, 504, 936, false},   {0x04C1, 505, 950, false},   {0x0409, 4287, 1252, false},
      {0x0407, 4287, 1252, false}, {0x0C0A, 4287, 1252, false},
  };
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.language = c.language;
    EXPECT_EQ(fixture.page.ChooseTemplate(), c.templateId) << std::hex << c.language;
    EXPECT_EQ(fixture.page.Text().CodePage(), c.codePage) << std::hex << c.language;
    EXPECT_EQ(fixture.page.IsRightToLeft(), c.rightToLeft) << std::hex << c.language;
  }
}

// Linux only: the platform layer plays Windows 98 and NT 4.
#if !defined(_WIN32)
TEST_F(PageLanguageTest, AnsiPlatformAndWindowsNt4UseTheOlderTemplate) {
  struct Case {
    winplat::WindowsVersion version;
    int platform;
    int templateId;
  } cases[] = {
      {winplat::WindowsVersion::Win98, HOST_PLATFORM_ANSI, 507},
      {winplat::WindowsVersion::NT4, HOST_PLATFORM_NT4, 507},
      {winplat::WindowsVersion::Win2000, HOST_PLATFORM_NT5, 4287},
      {winplat::WindowsVersion::WinXP, HOST_PLATFORM_NT5, 4287},
  };
  for (const Case &c : cases) {
    winplat::SetWindowsVersion(c.version);
    PageFixture fixture;
    fixture.context.platform = c.platform;
    EXPECT_EQ(fixture.page.ChooseTemplate(), c.templateId) << c.platform;
    EXPECT_EQ(fixture.page.Text().IsAnsi(), c.platform == HOST_PLATFORM_ANSI);
    // Languages with a template of their own keep it on every platform.
    fixture.manager.language = 0x0411;
    EXPECT_EQ(fixture.page.ChooseTemplate(), 502);
  }
}
#endif

TEST_F(PageLanguageTest, ModelOverrideIsTakenExceptByEastAsianAndHebrewInterfaces) {
  struct Case {
    WORD hostLanguage;
    WORD expected;
    BYTE overrideByteAfter;
  } cases[] = {
      {0x0409, 0x0407, 1}, {0x040C, 0x0407, 1}, {0x0411, 0x0411, 0}, {0x0412, 0x0412, 0},
      {0x04C0, 0x04C0, 0}, {0x04C1, 0x04C1, 0}, {0x040D, 0x040D, 0},
  };
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.language = c.hostLanguage;
    fixture.manager.model.bLanguageOverride = 1;
    fixture.manager.model.wOverrideLanguage = 0x0407;
    fixture.page.ChooseTemplate();
    EXPECT_EQ(fixture.page.GetLanguage(), c.expected) << std::hex << c.hostLanguage;
    EXPECT_EQ(fixture.manager.model.bLanguageOverride, c.overrideByteAfter);
  }
  // English with a German override: the common template and code page.
  PageFixture fixture;
  fixture.manager.model.bLanguageOverride = 1;
  fixture.manager.model.wOverrideLanguage = 0x0407;
  EXPECT_EQ(fixture.page.ChooseTemplate(), 4287);
  EXPECT_EQ(fixture.page.Text().CodePage(), 1252u);
}

TEST_F(PageLanguageTest, ListFontFollowsTheLanguage) {
  struct Case {
    WORD language;
    WORD pointSize;
    BYTE charSet;
    const char *face;
  } cases[] = {
      {0x0409, 8, 1, "Microsoft Sans Serif"},
      {0x0401, 9, 178, "Microsoft Sans Serif"},
      {0x0429, 9, 178, "Microsoft Sans Serif"},
      {0x0408, 9, 161, "Microsoft Sans Serif"},
      {0x040D, 9, 177, "Microsoft Sans Serif"},
      {0x0411, 9, 128, "Ms UI Gothic"},
      {0x0412, 9, 129, "Gulim"},
      {0x0419, 8, 204, "Microsoft Sans Serif"},
      {0x041E, 9, 222, "Microsoft Sans Serif"},
      {0x04C0, 9, 134, "Simsun"},
      {0x04C1, 9, 136, "PMingliu"},
  };
  for (const Case &c : cases) {
    PageFontDescription font;
    DescribePageFont(c.language, false, &font);
    EXPECT_EQ(font.wPointSize, c.pointSize) << std::hex << c.language;
    EXPECT_EQ(font.bCharSet, c.charSet) << std::hex << c.language;
    EXPECT_STREQ(font.szFaceName, c.face) << std::hex << c.language;
  }
  PageFontDescription font;
  DescribePageFont(0x0409, true, &font);
  EXPECT_STREQ(font.szFaceName, "Sans Serif");
  EXPECT_EQ(WideString(font.wszFaceName), WSTR("Microsoft Sans Serif"));
}

TEST_F(PageLanguageTest, ProfileListFontHasTheCharacterHeightOfItsPointSize) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  ReleaseDC(nullptr, screen);
  // At 96 pixels per inch: 8 points are 8 * 96 / 72 = 10.67, rounded 11 pixels; 9 points are 12.
  // A negative height asks for the character height, without the internal leading.
  struct Case {
    WORD language;
    LONG height;
    BYTE charSet;
    const char *face;
  } cases[] = {
      {0x0409, -11, 1, "Microsoft Sans Serif"},
      {0x0411, -12, 128, "Ms UI Gothic"},
  };
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.language = c.language;
    fixture.page.ChooseTemplate();
    HWND window = CreateTestPageWindow(&fixture.page);
    ASSERT_NE(window, nullptr);
    HFONT font =
        reinterpret_cast<HFONT>(SendDlgItemMessageW(window, IDC_PROFILE_LIST, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr) << std::hex << c.language;
    LOGFONTA described{};
    ASSERT_EQ(GetObjectA(font, sizeof described, &described), int{sizeof described});
    EXPECT_EQ(described.lfHeight, c.height) << std::hex << c.language;
    EXPECT_EQ(described.lfWeight, FW_NORMAL) << std::hex << c.language;
    EXPECT_EQ(described.lfCharSet, c.charSet) << std::hex << c.language;
    EXPECT_STREQ(described.lfFaceName, c.face) << std::hex << c.language;
    DestroyWindow(window);
  }
}

class TestDlg : public BaseDlg {
 public:
  ~TestDlg() override = default;
};

// Linux only: the platform layer plays each system code page.
#if !defined(_WIN32)
TEST_F(PageLanguageTest, DialogCodePageIsTheSystemsOnlyForSomeCodePages) {
  struct Case {
    UINT system;
    UINT dialog;
  } cases[] = {{1252, 0},  {1251, 1251}, {932, 932},   {936, 936}, {949, 949},
               {950, 950}, {1250, 1250}, {1256, 1256}, {1253, 0},  {874, 0}};
  for (const Case &c : cases) {
    winplat::SetAnsiCodePage(c.system);
    TestDlg dialog;
    EXPECT_EQ(dialog.CodePage(), c.dialog) << c.system;
  }
}
#endif

TEST_F(PageLanguageTest, DialogFontByLanguagePlatformAndOverride) {
  struct Case {
    WORD language;
    int platform;
    bool overrideSet;
    WORD pointSize;
    BYTE charSet;
    WideString wideFace;
    const char *ansiFace;
    WORD languageUsed;
  } cases[] = {
      {0x0411, HOST_PLATFORM_NT5, false, 9, 128, WSTR("Ms UI Gothic"), "Ms UI Gothic", 0x0411},
      {0x0409, HOST_PLATFORM_NT4, false, 8, 1, WSTR("MS Sans Serif"), "MS Sans Serif", 0x0409},
      {0x0409, HOST_PLATFORM_NT5, false, 8, 1, WSTR("Microsoft Sans Serif"), "Microsoft Sans Serif",
       0x0409},
      {0x0409, HOST_PLATFORM_ANSI, false, 8, 1, WSTR("Microsoft Sans Serif"), "Sans Serif", 0x0409},
      {0x0412, HOST_PLATFORM_NT5, true, 9, 129, WSTR("Gulim"), "Gulim", 0x0412},
      {0x0407, HOST_PLATFORM_NT5, true, 9, 136, WSTR("PMingliu"), "PMingliu", 0x04C1},
      {0x04C0, HOST_PLATFORM_NT5, false, 9, 134, WSTR("Simsun"), "Simsun", 0x04C0},
  };
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.language = c.language;
    fixture.context.platform = c.platform;
    fixture.manager.model.bLanguageOverride = c.overrideSet ? 1 : 0;
    fixture.manager.model.wOverrideLanguage = 0x04C1;
    TestDlg dialog;
    dialog.Attach(108, nullptr, &fixture.owner);
    dialog.SelectFont();
    EXPECT_EQ(dialog.Language(), c.languageUsed) << std::hex << c.language;
    EXPECT_EQ(dialog.PointSize(), c.pointSize) << std::hex << c.language;
    EXPECT_EQ(dialog.CharSet(), c.charSet) << std::hex << c.language;
    EXPECT_EQ(WideString(dialog.FaceNameW()), c.wideFace) << std::hex << c.language;
    EXPECT_STREQ(dialog.FaceNameA(), c.ansiFace) << std::hex << c.language;
    EXPECT_EQ(dialog.IsAnsi(), c.platform == HOST_PLATFORM_ANSI);
  }
}

TEST_F(PageLanguageTest, LocalizeSetsTextsAndFontAndGrowsControlsAtNinePoints) {
  for (WORD language : {WORD(0x0411), WORD(0x0409)}) {
    PageFixture fixture;
    fixture.manager.language = language;
    fixture.manager.strings = {{1922, WSTR("Add...")}, {11, WSTR("Profiles")}};
    HWND window = CreateTestPageWindow(&fixture.page);
    ASSERT_NE(window, nullptr);
    TestDlg dialog;
    dialog.Attach(108, window, &fixture.owner);
    RECT before = dialog.ControlRect(window, IDC_PROFILE_ADD);
    const DlgControlText controls[] = {{IDC_PROFILE_ADD, 1922}};
    WCHAR title[DLG_STRING_CHARS];
    const DlgTitleText titles[] = {{11, title}};
    dialog.Localize(window, controls, 1, titles, 1);

    RECT after = dialog.ControlRect(window, IDC_PROFILE_ADD);
    const int grown = language == 0x0411 ? 2 : 0;
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.bottom - before.bottom, grown) << std::hex << language;
    EXPECT_EQ(after.right, before.right);
    WCHAR text[64];
    GetDlgItemTextW(window, IDC_PROFILE_ADD, text, 64);
    EXPECT_EQ(WideString(text), WSTR("Add..."));
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(WideString(text), WSTR("Profiles"));
    EXPECT_EQ(WideString(title), WSTR("Profiles"));
    HFONT font =
        reinterpret_cast<HFONT>(SendDlgItemMessageW(window, IDC_PROFILE_ADD, WM_GETFONT, 0, 0));
    ASSERT_EQ(font, dialog.Font());
    LOGFONTW described{};
    GetObjectW(font, sizeof described, &described);
    EXPECT_EQ(described.lfCharSet, language == 0x0411 ? 128 : 1);
    EXPECT_EQ(described.lfHeight, language == 0x0411 ? -12 : -11);
  }
}

// On the ANSI platform every text takes the dialog's code page, the title as the control texts:
// under code page 1252 the two Japanese characters reach neither window.
TEST_F(PageLanguageTest, AnsiPlatformLocalizesTheTitleThroughTheDialogCodePage) {
  SKIP_UNLESS_ANSI_CODE_PAGE(1252);
  tested_windows::UseAnsiCodePage(1252);
  PageFixture fixture;
  fixture.context.platform = HOST_PLATFORM_ANSI;
  fixture.manager.strings = {{2001, WSTR("Name \u65E5\u672C")}, {2000, WSTR("Title \u65E5\u672C")}};
  HWND window = CreateTestPageWindow(&fixture.page);
  ASSERT_NE(window, nullptr);
  TestDlg dialog;
  dialog.Attach(108, window, &fixture.owner);
  const DlgControlText controls[] = {{IDC_PROFILE_ADD, 2001}};
  WCHAR title[DLG_STRING_CHARS];
  const DlgTitleText titles[] = {{2000, title}};
  dialog.Localize(window, controls, 1, titles, 1);
  char text[64];
  GetDlgItemTextA(window, IDC_PROFILE_ADD, text, 64);
  EXPECT_STREQ(text, "Name ??");
  GetWindowTextA(window, text, 64);
  EXPECT_STREQ(text, "Title ??");
  WCHAR wide[64];
  GetWindowTextW(window, wide, 64);
  EXPECT_EQ(WideString(wide), WSTR("Title ??"));
  EXPECT_EQ(WideString(title), WSTR("Title \u65E5\u672C")) << "the buffer keeps the host string";
  DestroyWindow(window);
}

TEST_F(PageLanguageTest, PageStringsAndTextConvertWithThePageCodePage) {
  PageFixture fixture;
  fixture.manager.language = 0x0411;
  fixture.manager.strings = {{1940, WSTR("\u30D7\u30ED\u30D5\u30A1\u30A4\u30EB")}};
  fixture.page.ChooseTemplate();
  WCHAR wide[MAX_PATH];
  char text[MAX_PATH];
  EXPECT_FALSE(fixture.page.LoadPageString(1940, nullptr, text));
  EXPECT_FALSE(fixture.page.LoadPageString(1940, wide, nullptr));
  ASSERT_TRUE(fixture.page.LoadPageString(1940, wide, text));
  EXPECT_EQ(WideString(wide), WSTR("\u30D7\u30ED\u30D5\u30A1\u30A4\u30EB"));
  EXPECT_STREQ(text, "\x83\x76\x83\x8D\x83\x74\x83\x40\x83\x43\x83\x8B");
  WCHAR back[MAX_PATH];
  EXPECT_EQ(WideString(fixture.page.Text().ToWide(back, MAX_PATH, text)), WideString(wide));
}

// A host string of 200 double-byte characters needs 400 bytes: the page and the dialog base give
// the first 129 characters (258 bytes) and the terminator, and nothing behind their buffer.
TEST_F(PageLanguageTest, LongHostStringsEndInsideTheTextBufferOfMaxPathBytes) {
  SKIP_UNLESS_ANSI_CODE_PAGE(932);
  tested_windows::UseAnsiCodePage(932);
  PageFixture fixture;
  fixture.manager.language = 0x0411;
  fixture.manager.strings = {{1940, WideString(200, u'\u30D7')}};
  fixture.page.ChooseTemplate();
  TestDlg dialog;
  dialog.Attach(108, nullptr, &fixture.owner);
  std::string expected;
  for (int i = 0; i < 129; ++i)
    expected += "\x83\x76";

  struct {
    char text[MAX_PATH];
    char behind[MAX_PATH];
  } page, dlg;
  std::memset(&page, '#', sizeof page);
  std::memset(&dlg, '#', sizeof dlg);
  WCHAR wide[MAX_PATH];
  ASSERT_TRUE(fixture.page.LoadPageString(1940, wide, page.text));
  ASSERT_TRUE(dialog.LoadDlgString(1940, wide, dlg.text));
  EXPECT_EQ(WideString(wide), WideString(200, u'\u30D7'));
  EXPECT_EQ(std::string(page.text), expected);
  EXPECT_EQ(std::string(dlg.text), expected);
  EXPECT_EQ(std::string(page.behind, sizeof page.behind), std::string(MAX_PATH, '#'));
  EXPECT_EQ(std::string(dlg.behind, sizeof dlg.behind), std::string(MAX_PATH, '#'));
}

}  // namespace
}  // namespace prfmod::testing
