// The profile-properties dialog as the page's add and edit commands open it over a printer of
// the demo machine: its title and OK rules, the colour box, the custom colours kept by the
// printer, the name's limits and what the header can hold.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include "abi/wide.h"
#include "page/command_test_support.h"

namespace prfmod::testing {
namespace {

using tested_windows::WindowsVersion;
using winplat::DialogStep;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kOffTable = 0x123456;

class ProfilePropertiesTest : public PageCommandTest {
 protected:
  // Profiles "Office" (red) and "Travel" (a colour the table lacks), stored before the page
  // opens.
  void OpenWithColouredProfiles() {
    std::vector<ProfileHeader> headers = {store_testing::Header("Factory Default", 0),
                                          store_testing::Header("Office", 1),
                                          store_testing::Header("Travel", 2)};
    headers[1].rgbIconColor = kRed;
    headers[2].rgbIconColor = kOffTable;
    StoreHeaders(host::kColorPrinterName, headers, 3);
    OpenPage(host::kColorPrinterName);
  }

  WideString Text(HWND dialog, int controlId = 0) {
    WCHAR text[260] = {};
    GetWindowTextW(controlId == 0 ? dialog : GetDlgItem(dialog, controlId), text, 260);
    return text;
  }
};

TEST_P(ProfilePropertiesTest, TitleAndOkFollowTheName) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  OpenPage(host::kColorPrinterName);
  struct Look {
    WideString title;
    bool okAtOpen = false;
    std::vector<bool> okFor;
  } look;
  const std::vector<WideString> names = {WSTR(""), WSTR("A"), HostString(IDS_DEFAULT_PROFILE_NAME),
                                         WSTR("Office"), WSTR("factory default")};
  operator_.inspect = [&](HWND dialog) {
    look.title = Text(dialog);
    look.okAtOpen = IsWindowEnabled(GetDlgItem(dialog, IDOK));
    look.okFor.clear();
    for (const WideString &name : names) {
      SetDlgItemTextW(dialog, IDC_PROPERTIES_NAME, name.c_str());
      look.okFor.push_back(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    }
  };
  const std::string before = tested_windows::RegistryText();

  operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::Click(IDCANCEL)});
  Click(IDC_PROFILE_ADD);
  EXPECT_EQ(look.title, WSTR("New Profile"));
  EXPECT_FALSE(look.okAtOpen);
  // Empty, one character, the built-in profile's name, a user profile's name, and the built-in
  // name in another case.
  EXPECT_EQ(look.okFor, (std::vector<bool>{false, true, false, true, true}));

  SelectRows({1});
  operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::Click(IDCANCEL)});
  Click(IDC_PROFILE_EDIT);
  EXPECT_EQ(look.title, WSTR("Profile Properties"));
  EXPECT_TRUE(look.okAtOpen);

  EXPECT_EQ(tested_windows::RegistryText(), before) << "Cancel changes nothing";
  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Office")}));
}

TEST_P(ProfilePropertiesTest, ColourNotInTheTableTakesTheCustomEntry) {
  OpenWithColouredProfiles();
  struct Box {
    LRESULT count = 0;
    LRESULT selected = -1;
    COLORREF custom = 0;
  } box;
  operator_.inspect = [&](HWND dialog) {
    HWND colors = GetDlgItem(dialog, IDC_PROPERTIES_COLOR);
    box.count = SendMessageW(colors, CB_GETCOUNT, 0, 0);
    box.selected = SendMessageW(colors, CB_GETCURSEL, 0, 0);
    box.custom = static_cast<COLORREF>(SendMessageW(colors, CB_GETITEMDATA, 16, 0));
  };
  struct Case {
    int row;
    LRESULT selected;
    COLORREF custom;
  } cases[] = {{1, 2, 0xFFFFFF}, {2, 16, kOffTable}};
  for (const Case &c : cases) {
    SelectRows({c.row});
    operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::Click(IDOK)});
    Click(IDC_PROFILE_EDIT);
    EXPECT_EQ(box.count, 17);
    EXPECT_EQ(box.selected, c.selected) << c.row;
    EXPECT_EQ(box.custom, c.custom) << c.row;
  }
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[1].rgbIconColor, kRed);
  EXPECT_EQ(stored[2].rgbIconColor, kOffTable) << "OK keeps a colour the table lacks";
}

// The system's chooser starts on the profile's colour; OK on the dialog stores the colour chosen.
TEST_P(ProfilePropertiesTest, ChooserStartsOnTheProfilesColourAndOkStoresTheChosenOne) {
  OpenWithColouredProfiles();
  SelectRows({1});
  operator_.QueueColor(RGB(10, 20, 30));
  operator_.QueueDialog(
      IDD_PROFILE_PROPERTIES,
      {DialogStep::Send(IDC_PROPERTIES_COLOR, WM_KEYDOWN, VK_END, 0), DialogStep::Click(IDOK)});
  Click(IDC_PROFILE_EDIT);
  ASSERT_EQ(operator_.colorCalls.size(), 1u);
  EXPECT_EQ(operator_.colorCalls[0].initial, kRed);
  EXPECT_EQ(StoredHeaders(host::kColorPrinterName)[1].rgbIconColor, COLORREF{0x1E140A});
}

// The chooser starts on the profile's colour with the printer's custom colours (the table's
// first sixteen while the printer has none), and a confirmed colour stores them whatever the
// dialog ends with.
// Linux only: on Windows the operator types its colour into the system's chooser, which shows
// neither the call's flags nor its custom colours and takes no custom colour changes.
#if !defined(_WIN32)
TEST_P(ProfilePropertiesTest, ConfirmedCustomColoursOutliveCancel) {
  OpenWithColouredProfiles();
  const auto selectCustom = DialogStep::Send(IDC_PROPERTIES_COLOR, WM_KEYDOWN, VK_END, 0);

  SelectRows({1});
  operator_.QueueColor(RGB(200, 100, 50), {{0, RGB(9, 9, 9)}, {15, RGB(1, 2, 3)}});
  operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {selectCustom, DialogStep::Click(IDCANCEL)});
  Click(IDC_PROFILE_EDIT);

  ASSERT_EQ(operator_.colorCalls.size(), 1u);
  EXPECT_EQ(operator_.colorCalls[0].initial, kRed);
  EXPECT_EQ(operator_.colorCalls[0].flags, DWORD{CC_RGBINIT | CC_ANYCOLOR});
  const COLORREF defaults[16] = {0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00,
                                 0x00FFFF, 0xFF00FF, 0xC0C0C0, 0x808080, 0x000080, 0x008000,
                                 0x800000, 0x808000, 0x800080, 0x008080};
  EXPECT_TRUE(std::equal(defaults, defaults + 16, operator_.colorCalls[0].custom));
  EXPECT_EQ(StoredHeaders(host::kColorPrinterName)[1].rgbIconColor, kRed) << "Cancel";
  EXPECT_EQ(
      PrinterValue(host::kColorPrinterName, "ProfileCustomColor"),
      store_testing::Bytes(
          {0x09, 0x09, 0x09, 0, 0x00, 0x00, 0x00, 0, 0xFF, 0x00, 0x00, 0, 0x00, 0xFF, 0x00, 0,
           0x00, 0x00, 0xFF, 0, 0x00, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0x00, 0, 0xFF, 0x00, 0xFF, 0,
           0xC0, 0xC0, 0xC0, 0, 0x80, 0x80, 0x80, 0, 0x80, 0x00, 0x00, 0, 0x00, 0x80, 0x00, 0,
           0x00, 0x00, 0x80, 0, 0x00, 0x80, 0x80, 0, 0x80, 0x00, 0x80, 0, 0x01, 0x02, 0x03, 0}));

  // The next chooser starts from the stored colours.
  operator_.QueueColor(RGB(10, 20, 30));
  operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {selectCustom, DialogStep::Click(IDOK)});
  Click(IDC_PROFILE_EDIT);
  ASSERT_EQ(operator_.colorCalls.size(), 2u);
  EXPECT_EQ(operator_.colorCalls[1].custom[0], RGB(9, 9, 9));
  EXPECT_EQ(operator_.colorCalls[1].custom[15], RGB(1, 2, 3));
}
#endif

TEST_P(ProfilePropertiesTest, CancelledChooserStoresNoCustomColours) {
  OpenWithColouredProfiles();
  SelectRows({1});
  operator_.QueueCancel(winplat::Chooser::Color);
  operator_.QueueDialog(
      IDD_PROFILE_PROPERTIES,
      {DialogStep::Send(IDC_PROPERTIES_COLOR, WM_KEYDOWN, VK_END, 0), DialogStep::Click(IDOK)});
  Click(IDC_PROFILE_EDIT);
  EXPECT_FALSE(PrinterValue(host::kColorPrinterName, "ProfileCustomColor").has_value());
  EXPECT_EQ(StoredHeaders(host::kColorPrinterName)[1].rgbIconColor, COLORREF{0xFFFFFF})
      << "the selected custom entry holds white until a colour is chosen";
}

// The edits hold 31 and 255 characters; a double-byte code page on the wide platform gives each
// character two bytes of the header, and the edits hold 15 and 127.
TEST_P(ProfilePropertiesTest, NameAndDescriptionLimits) {
  struct Case {
    WORD language;
    LRESULT name;
    LRESULT description;
  };
  const Case english{0x0409, 31, 255};
  const Case japanese{0x0411, Ansi() ? 31 : 15, Ansi() ? 255 : 127};
  for (const Case &c : {english, japanese}) {
    OpenPage(host::kColorPrinterName, c.language);
    LRESULT limits[2] = {};
    operator_.inspect = [&](HWND dialog) {
      limits[0] = SendDlgItemMessageW(dialog, IDC_PROPERTIES_NAME, EM_GETLIMITTEXT, 0, 0);
      limits[1] = SendDlgItemMessageW(dialog, IDC_PROPERTIES_DESCRIPTION, EM_GETLIMITTEXT, 0, 0);
    };
    operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::Click(IDCANCEL)});
    Click(IDC_PROFILE_ADD);
    EXPECT_EQ(limits[0], c.name) << c.language;
    EXPECT_EQ(limits[1], c.description) << c.language;
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

// Typing stops at 15 characters; a longer text put into the edit keeps the whole characters
// that fit the header's 31 bytes: 15 double-byte characters, not a lead byte more.
using WidePlatformPropertiesTest = ProfilePropertiesTest;

TEST_P(WidePlatformPropertiesTest, JapaneseNameKeepsWholeCharacters) {
  OpenPage(host::kColorPrinterName, 0x0411);
  const WideString twenty(20, u'\u3042');  // あ, 0x82 0xA0 in code page 932
  WideString typed;
  operator_.inspect = [&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_PROPERTIES_NAME, EM_REPLACESEL, FALSE,
                        reinterpret_cast<LPARAM>(twenty.c_str()));
    typed = Text(dialog, IDC_PROPERTIES_NAME);
  };
  operator_.QueueDialog(
      IDD_PROFILE_PROPERTIES,
      {DialogStep::SetText(IDC_PROPERTIES_NAME, OperatorText(twenty)), DialogStep::Click(IDOK)});
  Click(IDC_PROFILE_ADD);
  EXPECT_EQ(typed, WideString(15, u'\u3042'));

  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 2u);
  const ProfileHeader &added = stored[0].nProfRegNum == 1 ? stored[0] : stored[1];
  std::vector<BYTE> expected;
  for (int i = 0; i < 15; ++i)
    expected.insert(expected.end(), {0x82, 0xA0});
  expected.resize(32, 0);
  EXPECT_EQ(std::vector<BYTE>(added.strProfileName, added.strProfileName + 32), expected);
}

INSTANTIATE_TEST_SUITE_P(Platforms, ProfilePropertiesTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);
INSTANTIATE_TEST_SUITE_P(Wide, WidePlatformPropertiesTest, ::testing::Values(WindowsVersion::WinXP),
                         store_testing::PlatformName);

}  // namespace
}  // namespace prfmod::testing
