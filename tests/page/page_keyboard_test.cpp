// The page's keyboard: Alt hotkeys while the page is active, posted as commands of enabled
// buttons only, and the settings-information button's own key handling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "abi/wide.h"
#include "page/page_test_support.h"
#include "page/settings_button.h"

namespace prfmod::testing {
namespace {

constexpr DWORD kSettingsInfoBit = 1u << 7;
// A hotkey ID the page does not use, for probing which keys are taken.
constexpr int kProbeId = 0x7000;

// A control, the hotkey ID that stands for it and the letter pressed with Alt.
struct HotkeyRow {
  int control;
  int id;
  char letter;
};

const std::vector<HotkeyRow> kGermanKeys = {
    {106, 0xC072, 'H'}, {108, 0xC066, 'B'}, {107, 0x004C, 'L'},  {110, 0xC05A, 'Z'},
    {109, 0xC073, 'I'}, {111, 0xC069, 'E'}, {1895, 0xC078, 'N'},
};
const std::vector<HotkeyRow> kOtherKeys = {
    {106, 0xC065, 'A'}, {108, 0xC069, 'E'}, {107, 0xC068, 'D'},  {110, 0xC085, 'U'},
    {109, 0xC073, 'I'}, {111, 0xC088, 'X'}, {1895, 0xC078, 'N'},
};

// The host's language, the model's override language (0: none) and the keys they give.
struct LanguageKeys {
  WORD language;
  WORD overrideLanguage;
  const std::vector<HotkeyRow> &rows;
};

const LanguageKeys kLanguageKeys[] = {
    {0x0407, 0, kGermanKeys},
    {0x0409, 0, kOtherKeys},
    {0x040C, 0, kOtherKeys},
    {0x0409, 0x0407, kGermanKeys},
};

// What reached the page window while the queue was emptied: the hotkey IDs and the commands
// (whole wParam).
struct PageMessages {
  std::vector<WPARAM> hotkeys;
  std::vector<WPARAM> commands;
};

// Alt+key pressed and released, then the queue emptied: hotkeys are dispatched to the page,
// commands are taken off.
PageMessages PressAlt(HWND page, BYTE key) {
  keybd_event(VK_MENU, 0, 0, 0);
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  PageMessages messages;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.hwnd == page && message.message == WM_COMMAND) {
      messages.commands.push_back(message.wParam);
      continue;
    }
    if (message.hwnd == page && message.message == WM_HOTKEY)
      messages.hotkeys.push_back(message.wParam);
    DispatchMessageW(&message);
  }
  return messages;
}

// True when the key could be registered as a hotkey, i.e. no hotkey holds it; the probe is
// released again, and with it any hotkey of that window and ID.
bool HotkeyFree(HWND window, int id, UINT modifiers, UINT key) {
  if (!RegisterHotKey(window, id, modifiers, key))
    return false;
  UnregisterHotKey(window, id);
  return true;
}

// The page with the built-in profile and one user profile, the user profile selected: the
// page's rules then enable every button.
HWND OpenPageWithUserProfileSelected(PageFixture &fixture) {
  StoreUserProfiles(fixture.manager, 1);
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  if (window == nullptr)
    return nullptr;
  HWND list = GetDlgItem(window, IDC_PROFILE_LIST);
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  return window;
}

TEST(PageHotkeyTest, EachLanguageRegistersItsKeysAndEachPostsItsControlsCommand) {
  for (const LanguageKeys &keys : kLanguageKeys) {
    PageFixture fixture;
    fixture.manager.language = keys.language;
    fixture.manager.model.bLanguageOverride = keys.overrideLanguage != 0 ? 1 : 0;
    fixture.manager.model.wOverrideLanguage = keys.overrideLanguage;
    fixture.manager.caps.dwUserInterface = kSettingsInfoBit;
    HWND window = OpenPageWithUserProfileSelected(fixture);
    ASSERT_NE(window, nullptr);
    fixture.page.Activate();
    std::string letters;
    for (const HotkeyRow &row : keys.rows) {
      SCOPED_TRACE(::testing::Message() << std::hex << keys.language << "/" << keys.overrideLanguage
                                        << " " << row.letter);
      const PageMessages pressed = PressAlt(window, static_cast<BYTE>(row.letter));
      EXPECT_EQ(pressed.hotkeys, std::vector<WPARAM>{static_cast<WPARAM>(row.id)});
      EXPECT_EQ(pressed.commands, std::vector<WPARAM>{static_cast<WPARAM>(row.control)});
#if !defined(_WIN32)
      // Linux only: Wine lets a thread register a key it holds already, so the probe tells
      // nothing there.
      EXPECT_FALSE(HotkeyFree(nullptr, kProbeId, MOD_ALT, static_cast<UINT>(row.letter)))
          << "Alt with the letter held";
#endif
      letters += row.letter;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      if (letters.find(letter) == std::string::npos) {
        EXPECT_TRUE(HotkeyFree(nullptr, kProbeId, MOD_ALT, static_cast<UINT>(letter))) << letter;
      }
    }
    fixture.page.Deactivate();
    for (const HotkeyRow &row : keys.rows)
      EXPECT_TRUE(HotkeyFree(window, row.id, MOD_ALT, static_cast<UINT>(row.letter)))
          << std::hex << keys.language << "/" << keys.overrideLanguage << " " << row.letter
          << " released";
    DestroyWindow(window);
  }
}

// Switching to another page and back must not hand a user without rights a working apply
// button: Deactivate enables it, Activate applies the rules again.
TEST(PageHotkeyTest, WithoutRightsApplyStaysDisabledAfterThePageIsShownAgain) {
  struct Case {
    const char *name;
    bool canChange;
    BYTE restriction;
  } cases[] = {{"the host refuses changes", false, 0}, {"the model allows no changes", true, 4}};
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.canChange = c.canChange;
    fixture.manager.model.bRestriction = c.restriction;
    HWND window = OpenPageWithUserProfileSelected(fixture);
    ASSERT_NE(window, nullptr);
    fixture.page.Activate();
    fixture.page.Deactivate();
    fixture.page.Activate();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_PROFILE_APPLY))) << c.name;
    EXPECT_TRUE(PressAlt(window, 'U').commands.empty()) << c.name;
    fixture.page.Deactivate();
    DestroyWindow(window);
  }
}

TEST(PageHotkeyTest, DisabledButtonsAndMissingSettingsInformationPostNothing) {
  PageFixture fixture;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  fixture.page.Activate();
  EnableWindow(GetDlgItem(window, IDC_PROFILE_DELETE), FALSE);
  EXPECT_TRUE(PressAlt(window, 'D').commands.empty());
  EXPECT_TRUE(PressAlt(window, 'N').commands.empty()) << "the model offers no settings information";
  fixture.manager.caps.dwUserInterface = kSettingsInfoBit;
  EXPECT_EQ(PressAlt(window, 'N').commands, std::vector<WPARAM>{1895});
  EXPECT_EQ(PressAlt(window, 'A').commands, std::vector<WPARAM>{106});
}

TEST(PageHotkeyTest, DeactivateReleasesTheKeysAndEnablesApply) {
  PageFixture fixture;
  fixture.page.ChooseTemplate();
  HWND window = CreateTestPageWindow(&fixture.page);
  fixture.page.Activate();
  EnableWindow(GetDlgItem(window, IDC_PROFILE_APPLY), FALSE);
  EXPECT_TRUE(fixture.page.Deactivate());
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_PROFILE_APPLY)));
  EXPECT_TRUE(PressAlt(window, 'A').commands.empty());
  // Another window may take the same keys once the page has let them go.
  EXPECT_TRUE(RegisterHotKey(nullptr, 0xC065, MOD_ALT, 'A'));
  UnregisterHotKey(nullptr, 0xC065);
  fixture.page.Activate();
  EXPECT_EQ(PressAlt(window, 'A').commands, std::vector<WPARAM>{106});
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
  EXPECT_TRUE(PressAlt(window, 'A').commands.empty());
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
  SendMessageW(button_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WSTR("Information")));
  WCHAR text[32];
  GetWindowTextW(button_, text, 32);
  EXPECT_EQ(WideString(text), WSTR("Information"));
  EXPECT_EQ(SendMessageW(button_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace prfmod::testing
