// The page's keyboard: Alt hotkeys while the page is active, posted as commands of enabled
// buttons only, and the settings-information button's own key handling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/page_hotkeys.h"
#include "page/page_test_support.h"
#include "page/settings_button.h"

namespace prfmod::testing {
namespace {

constexpr DWORD kSettingsInfoBit = 1u << 7;

// Alt+key pressed and released, then the queue emptied; the page's posted commands.
std::vector<int> PressAlt(HWND page, BYTE key) {
  keybd_event(VK_MENU, 0, 0, 0);
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  return PumpCommands(page);
}

TEST(PageHotkeyTest, EachLanguageLetterPostsItsButtonsCommand) {
  struct Case {
    WORD language;
    BYTE key;
    int command;
  } cases[] = {
      {0x0409, 'A', 106}, {0x0409, 'E', 108},  {0x0409, 'D', 107},  {0x0409, 'U', 110},
      {0x0409, 'I', 109}, {0x0409, 'X', 111},  {0x0409, 'N', 1895}, {0x0407, 'H', 106},
      {0x0407, 'B', 108}, {0x0407, 'L', 107},  {0x0407, 'Z', 110},  {0x0407, 'I', 109},
      {0x0407, 'E', 111}, {0x0407, 'N', 1895},
  };
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.language = c.language;
    fixture.manager.caps.dwUserInterface = kSettingsInfoBit;
    fixture.page.ChooseTemplate();
    HWND window = CreateTestPageWindow(&fixture.page);
    ASSERT_NE(window, nullptr);
    // The built-in profile alone leaves edit, delete and export disabled; here every letter
    // is to reach its button.
    for (int id : {IDC_PROFILE_EDIT, IDC_PROFILE_DELETE, IDC_PROFILE_EXPORT})
      EnableWindow(GetDlgItem(window, id), TRUE);
    fixture.page.Activate();
    EXPECT_EQ(PressAlt(window, c.key), std::vector<int>{c.command})
        << std::hex << c.language << " " << char(c.key);
    fixture.page.Deactivate();
  }
}

TEST(PageHotkeyTest, DisabledButtonsAndMissingSettingsInformationPostNothing) {
  PageFixture fixture;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  fixture.page.Activate();
  EnableWindow(GetDlgItem(window, IDC_PROFILE_DELETE), FALSE);
  EXPECT_TRUE(PressAlt(window, 'D').empty());
  EXPECT_TRUE(PressAlt(window, 'N').empty()) << "the model offers no settings information";
  fixture.manager.caps.dwUserInterface = kSettingsInfoBit;
  EXPECT_EQ(PressAlt(window, 'N'), std::vector<int>{1895});
  EXPECT_EQ(PressAlt(window, 'A'), std::vector<int>{106});
}

TEST(PageHotkeyTest, DeactivateReleasesTheKeysAndEnablesApply) {
  PageFixture fixture;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  fixture.page.Activate();
  EnableWindow(GetDlgItem(window, IDC_PROFILE_APPLY), FALSE);
  EXPECT_TRUE(fixture.page.Deactivate());
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_PROFILE_APPLY)));
  EXPECT_TRUE(PressAlt(window, 'A').empty());
  // Another window may take the same keys once the page has let them go.
  EXPECT_TRUE(RegisterHotKey(nullptr, 0xC065, MOD_ALT, 'A'));
  UnregisterHotKey(nullptr, 0xC065);
  fixture.page.Activate();
  EXPECT_EQ(PressAlt(window, 'A'), std::vector<int>{106});
}

TEST(PageHotkeyTest, ClosingTheWindowReleasesTheKeys) {
  PageFixture fixture;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  EXPECT_EQ(fixture.page.GetPageWindow(), window);
  fixture.page.Activate();
  DestroyWindow(window);
  EXPECT_EQ(fixture.page.GetPageWindow(), nullptr);
  EXPECT_TRUE(RegisterHotKey(nullptr, 0xC065, MOD_ALT, 'A'));
  UnregisterHotKey(nullptr, 0xC065);
}

TEST(PageHotkeyTest, NoKeysWithoutTheHostRecords) {
  PageFixture fixture;
  fixture.manager.driverSettings = nullptr;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  fixture.page.Activate();
  EXPECT_TRUE(PressAlt(window, 'A').empty());
}

class SettingsButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateTestPageWindow(&fixture_.page);
    ASSERT_NE(window_, nullptr);
    // The page subclassed the button when its dialog opened.
    button_ = GetDlgItem(window_, IDC_SETTINGS_INFO);
    SetSettingsButtonWantsAllKeys(true);
  }
  LRESULT DialogCode() { return SendMessageW(button_, WM_GETDLGCODE, 0, 0); }

  PageFixture fixture_;
  HWND window_ = nullptr;
  HWND button_ = nullptr;
};

TEST_F(SettingsButtonTest, EnterAndNClickAndOtherKeysDoNot) {
  EXPECT_EQ(DialogCode(), DLGC_WANTALLKEYS);
  for (WPARAM key : {WPARAM(VK_RETURN), WPARAM('N')}) {
    SendMessageW(button_, WM_KEYDOWN, key, 0);
    EXPECT_EQ(PumpCommands(window_), std::vector<int>{IDC_SETTINGS_INFO}) << key;
  }
  SendMessageW(button_, WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(PumpCommands(window_).empty());
}

TEST_F(SettingsButtonTest, TabIsPassedOnAsAKeyPressAndFocusRearmsTheButton) {
  SetFocus(button_);
  PumpCommands(window_);
  SendMessageW(button_, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(DialogCode(), DLGC_UNDEFPUSHBUTTON);
  std::vector<UINT> keys;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    if (message.message == WM_KEYDOWN || message.message == WM_KEYUP) {
      EXPECT_EQ(message.wParam, WPARAM(VK_TAB));
      EXPECT_EQ((message.lParam >> 16) & 0xFF, 69);
      EXPECT_NE(message.lParam & (1 << 24), 0) << "extended key";
      keys.push_back(message.message);
    }
  EXPECT_EQ(keys, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
  SendMessageW(button_, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(DialogCode(), DLGC_WANTALLKEYS);
}

TEST_F(SettingsButtonTest, OtherMessagesReachTheButton) {
  SendMessageW(button_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"Information"));
  WCHAR text[32];
  GetWindowTextW(button_, text, 32);
  EXPECT_EQ(std::u16string(text), u"Information");
  EXPECT_EQ(SendMessageW(button_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace prfmod::testing
