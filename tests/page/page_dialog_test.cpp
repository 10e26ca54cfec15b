// The page dialog over a host whose answers the test sets: the stored profiles as rows, the
// buttons each row count and selection leaves enabled, the keys of the list and of the command
// buttons, the flags of initialisation and the host's refresh.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "page/command_buttons.h"
#include "host/text_convert.h"
#include "page/page_test_support.h"
#include "store/profile_list.h"

namespace prfmod::testing {
namespace {

const int kCommands[] = {IDC_PROFILE_ADD,    IDC_PROFILE_DELETE, IDC_PROFILE_EDIT,
                         IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY,  IDC_PROFILE_EXPORT};

class PageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager().strings = {{11, WSTR("Printing Preferences")},
                         {1922, WSTR("Add")},
                         {1940, WSTR("Standard")},
                         {1941, WSTR("Driver defaults")},
                         {2123, WSTR("No profile selected")}};
  }

  PageUIManager &manager() { return fixture_.manager; }

  void StoreProfiles(int users) { StoreUserProfiles(manager(), users); }

  void Open() {
    fixture_.page.ChooseTemplate();
    window_ = CreateTestPageWindow(&fixture_.page);
    ASSERT_NE(window_, nullptr);
    list_ = GetDlgItem(window_, IDC_PROFILE_LIST);
  }

  int Rows() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

  WideString RowText(int row) const {
    WCHAR text[64] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
  }

  // Selects exactly the rows given, the focus on the first of them.
  void Select(std::initializer_list<int> rows) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    bool first = true;
    for (int row : rows) {
      item.state = LVIS_SELECTED | (first ? LVIS_FOCUSED : 0);
      item.stateMask = first ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
      SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      first = false;
    }
  }

  std::set<int> EnabledCommands() const {
    std::set<int> enabled;
    for (int id : kCommands)
      if (IsWindowEnabled(GetDlgItem(window_, id)))
        enabled.insert(id);
    return enabled;
  }

  bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(window_, id)) != FALSE; }

  std::vector<int> PressInList(WPARAM key) {
    SendMessageW(list_, WM_KEYDOWN, key, 0);
    return PumpCommands(window_);
  }

  PageFixture fixture_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(PageDialogTest, RowsShowTheBuiltInProfileFirstUnderItsLocalizedName) {
  StoreProfiles(2);
  Open();
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(RowText(0), WSTR("Standard"));
  EXPECT_EQ(RowText(1), WSTR("Profile 01"));
  EXPECT_EQ(RowText(2), WSTR("Profile 02"));
  EXPECT_EQ(fixture_.page.GetProfileCount(), 3);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  EXPECT_EQ(SendMessageW(list_, LVM_GETCOLUMNWIDTH, 0, 0), 245);
  WCHAR text[64];
  GetWindowTextW(window_, text, 64);
  EXPECT_EQ(WideString(text), WSTR("Printing Preferences"));
  GetDlgItemTextW(window_, IDC_PROFILE_ADD, text, 64);
  EXPECT_EQ(WideString(text), WSTR("Add"));
  EXPECT_FALSE(Enabled(IDC_PROFILE_DESCRIPTION));
  EXPECT_FALSE(Enabled(IDC_DESCRIPTION_LABEL));
}

// Every caption is its own host string, set through the platform's A or W call; the summary
// list takes its column titles from the host and the menu colour behind its rows.
TEST_F(PageDialogTest, CaptionsAndSummaryColumnsOnBothPlatforms) {
  struct Caption {
    int control;
    UINT string;
    WideString text;
  };
  const Caption captions[] = {
      {IDC_PROFILE_LIST_TITLE, 1921, WSTR("Stored profiles")},
      {IDC_PROFILE_ADD, 1922, WSTR("Save current")},
      {IDC_PROFILE_DELETE, 1925, WSTR("Remove")},
      {IDC_PROFILE_EDIT, 1923, WSTR("Properties")},
      {IDC_PROFILE_APPLY, 919, WSTR("Use")},
      {IDC_PROFILE_IMPORT, 1926, WSTR("Read file")},
      {IDC_PROFILE_EXPORT, 1927, WSTR("Write file")},
      {IDC_DESCRIPTION_LABEL, 1949, WSTR("Comment:")},
      {IDC_SETTINGS_INFO, 2708, WSTR("Current settings")},
      {IDOK, 915, WSTR("Close")},
      {IDCANCEL, 916, WSTR("Dismiss")},
  };
  StoreProfiles(1);
  for (int platform : {HOST_PLATFORM_NT5, HOST_PLATFORM_ANSI}) {
    PageFixture fixture;
    fixture.context.platform = platform;
    fixture.manager.printerValues = manager().printerValues;
    for (const Caption &caption : captions)
      fixture.manager.strings[caption.string] = caption.text;
    fixture.manager.strings[1918] = WSTR("Setting");
    fixture.manager.strings[1919] = WSTR("Stored value");
    fixture.page.ChooseTemplate();
    HWND window = CreateTestPageWindow(&fixture.page);
    ASSERT_NE(window, nullptr);
    for (const Caption &caption : captions) {
      WCHAR text[64] = {};
      GetDlgItemTextW(window, caption.control, text, 64);
      EXPECT_EQ(WideString(text), caption.text) << caption.control << " on " << platform;
    }
    HWND summary = GetDlgItem(window, IDC_SETTINGS_SUMMARY);
    int column = 0;
    for (const WCHAR *title : {WSTR("Setting"), WSTR("Stored value")}) {
      WCHAR text[64] = {};
      LVCOLUMNW described{};
      described.mask = LVCF_TEXT;
      described.pszText = text;
      described.cchTextMax = 64;
      EXPECT_TRUE(SendMessageW(summary, LVM_GETCOLUMNW, static_cast<WPARAM>(column++),
                               reinterpret_cast<LPARAM>(&described)));
      EXPECT_EQ(WideString(text), WideString(title)) << platform;
    }
    DestroyWindow(window);
  }
}

TEST_F(PageDialogTest, SummaryRowsHaveTheMenuColourBehindThem) {
  if (GetSysColor(COLOR_MENU) == GetSysColor(COLOR_WINDOW))
    GTEST_SKIP() << "the system's colour scheme gives menus and windows one colour (Wine's "
                    "does): the summary's own colour cannot be told from the list view's";
  StoreProfiles(1);
  Open();
  HWND summary = GetDlgItem(window_, IDC_SETTINGS_SUMMARY);
  EXPECT_EQ(SendMessageW(summary, LVM_GETBKCOLOR, 0, 0), LRESULT{GetSysColor(COLOR_MENU)});
  EXPECT_EQ(SendMessageW(summary, LVM_GETTEXTBKCOLOR, 0, 0), LRESULT{GetSysColor(COLOR_MENU)});
}

TEST_F(PageDialogTest, AnsiPlatformCaptionsPassThroughTheSubclassedButtons) {
  fixture_.context.platform = HOST_PLATFORM_ANSI;
  manager().strings[2708] = WSTR("Information");
  StoreProfiles(1);
  Open();
  for (const auto &[id, caption] : {std::pair<int, WideString>{IDC_PROFILE_ADD, WSTR("Add")},
                                    {IDC_SETTINGS_INFO, WSTR("Information")}}) {
    WCHAR text[64] = {};
    GetDlgItemTextW(window_, id, text, 64);
    EXPECT_EQ(WideString(text), caption) << id;
    char ansi[64] = {};
    GetDlgItemTextA(window_, id, ansi, 64);
    EXPECT_EQ(host::Utf8FromUtf16(caption), ansi) << id;
  }
  EXPECT_EQ(RowText(1), WSTR("Profile 01"));
}

TEST_F(PageDialogTest, ManyRowsNarrowTheColumnForTheScrollBar) {
  StoreProfiles(6);
  Open();
  ASSERT_EQ(Rows(), 7);
  EXPECT_EQ(SendMessageW(list_, LVM_GETCOLUMNWIDTH, 0, 0), 230);
}

TEST_F(PageDialogTest, WithoutStoredProfilesThePageCreatesTheBuiltInOne) {
  Open();
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(RowText(0), WSTR("Standard"));
  ProfileList *list = fixture_.page.GetProfileList();
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->First(), nullptr);
  EXPECT_EQ(list->First()->header.nProfRegNum, 0);
  EXPECT_STREQ(list->First()->header.strProfileInfo, "Driver defaults");
  EXPECT_EQ(fixture_.page.GetProfileCount(), 1);
  EXPECT_EQ(EnabledCommands(),
            (std::set<int>{IDC_PROFILE_ADD, IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY}));
  EXPECT_TRUE(fixture_.page.IsInitialized());
}

// Twenty double-byte characters do not fit the name field of 32 bytes: the built-in profile
// takes the first fifteen (30 bytes), never a lead byte without its trail byte.
TEST_F(PageDialogTest, BuiltInProfileNameIsCutAtAWholeCharacter) {
  manager().language = 0x0411;
  manager().strings[1940] = WideString(20, u'\u30D7');
  Open();
  ProfileList *list = fixture_.page.GetProfileList();
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->First(), nullptr);
  std::string expected;
  for (int i = 0; i < 15; ++i)
    expected += "\x83\x76";
  EXPECT_EQ(std::string(list->First()->header.strProfileName), expected);
}

TEST_F(PageDialogTest, ButtonsFollowTheRowsAndTheSelection) {
  const std::set<int> all(std::begin(kCommands), std::end(kCommands));
  struct Case {
    int users;
    std::vector<int> selected;
    std::set<int> enabled;
  } cases[] = {
      {1, {1}, all},
      {1, {0}, {IDC_PROFILE_ADD, IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY}},
      {1, {}, {IDC_PROFILE_ADD, IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY}},
      {2, {1, 2}, {IDC_PROFILE_ADD, IDC_PROFILE_DELETE, IDC_PROFILE_IMPORT, IDC_PROFILE_EXPORT}},
      {24, {3}, all},
      {25, {3}, {IDC_PROFILE_DELETE, IDC_PROFILE_EDIT, IDC_PROFILE_APPLY, IDC_PROFILE_EXPORT}},
      {25, {}, {IDC_PROFILE_APPLY}},
  };
  for (const Case &c : cases) {
    manager().printerValues.clear();
    StoreProfiles(c.users);
    Open();
    ASSERT_EQ(Rows(), c.users + 1);
    Select({});
    for (int row : c.selected) {
      LVITEMW item{};
      item.state = LVIS_SELECTED | (row == c.selected.front() ? LVIS_FOCUSED : 0);
      item.stateMask = item.state;
      SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(EnabledCommands(), c.enabled)
        << c.users + 1 << " rows, " << c.selected.size() << " selected";
    DestroyWindow(window_);
  }
}

TEST_F(PageDialogTest, ListKeysPostOnlyTheCommandsOfEnabledButtons) {
  StoreProfiles(25);
  Open();
  Select({0});
  EXPECT_TRUE(PressInList(VK_INSERT).empty()) << "26 profiles: no more can be added";
  EXPECT_TRUE(PressInList(VK_DELETE).empty()) << "the built-in profile cannot be deleted";
  EXPECT_EQ(PressInList(VK_SPACE), std::vector<int>{IDC_PROFILE_APPLY});
  Select({1});
  EXPECT_EQ(PressInList(VK_DELETE), std::vector<int>{IDC_PROFILE_DELETE});
  DestroyWindow(window_);

  manager().printerValues.clear();
  StoreProfiles(1);
  Open();
  EXPECT_EQ(PressInList(VK_INSERT), std::vector<int>{IDC_PROFILE_ADD});
}

TEST_F(PageDialogTest, CommandButtonLettersMoveTheFocusOrClick) {
  StoreProfiles(1);
  Open();
  Select({1});
  HWND add = GetDlgItem(window_, IDC_PROFILE_ADD);
  SetFocus(add);
  PumpCommands(window_);
  EXPECT_EQ(SendMessageW(add, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
  struct Case {
    WPARAM key;
    int focused;
  } moves[] = {{'D', IDC_PROFILE_DELETE}, {'E', IDC_PROFILE_EDIT},   {'I', IDC_PROFILE_IMPORT},
               {'U', IDC_PROFILE_APPLY},  {'X', IDC_PROFILE_EXPORT}, {'A', IDC_PROFILE_ADD}};
  for (const Case &c : moves) {
    SendMessageW(GetFocus(), WM_KEYDOWN, c.key, 0);
    EXPECT_TRUE(PumpCommands(window_).empty()) << char(c.key);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focused) << char(c.key);
  }
  SendMessageW(add, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(PumpCommands(window_), std::vector<int>{IDC_PROFILE_ADD});
  SendMessageW(add, WM_KEYDOWN, 'Q', 0);
  EXPECT_TRUE(PumpCommands(window_).empty());
  // The letter of a focused apply or delete button clicks it and leaves the focus there.
  for (const auto &[id, letter] : {std::pair<int, WPARAM>{IDC_PROFILE_APPLY, 'U'},
                                   std::pair<int, WPARAM>{IDC_PROFILE_DELETE, 'D'}}) {
    HWND button = GetDlgItem(window_, id);
    SetFocus(button);
    SendMessageW(button, WM_KEYDOWN, letter, 0);
    EXPECT_EQ(PumpCommands(window_), std::vector<int>{id});
    EXPECT_EQ(GetFocus(), button) << id;
  }
  // Enter on apply or delete hands the focus to the page first.
  HWND apply = GetDlgItem(window_, IDC_PROFILE_APPLY);
  SetFocus(apply);
  SendMessageW(apply, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(PumpCommands(window_), std::vector<int>{IDC_PROFILE_APPLY});
  // The page hands the focus on to a control of its own.
  EXPECT_NE(GetFocus(), apply);
  EXPECT_TRUE(IsChild(window_, GetFocus()));
  SetFocus(add);
  SendMessageW(add, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(PumpCommands(window_), std::vector<int>{IDC_PROFILE_ADD});
  EXPECT_EQ(GetFocus(), add);
  SendMessageW(add, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_FALSE(CommandButtonWantsAllKeys());
  EXPECT_EQ(SendMessageW(add, WM_GETDLGCODE, 0, 0), DLGC_UNDEFPUSHBUTTON);
  // The synthesized Tab is the dialog manager's to handle: it is taken off the queue here.
  MSG message;
  int keys = 0;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    keys += message.message == WM_KEYDOWN && message.wParam == VK_TAB;
  EXPECT_EQ(keys, 1);
}

TEST_F(PageDialogTest, RightsAndModeAtInitialisation) {
  struct Case {
    const char *name;
    bool canChange;
    BYTE restriction;
    bool client;
    std::set<int> enabled;
    bool listEnabled;
  } cases[] = {
      {"all rights", true, 0, false, std::set<int>(std::begin(kCommands), std::end(kCommands)),
       true},
      {"the host refuses changes", false, 0, false, {}, false},
      {"the model allows no changes", true, 4, false, {}, false},
      {"client mode", true, 0, true, {IDC_PROFILE_APPLY}, true},
  };
  StoreProfiles(1);
  for (const Case &c : cases) {
    PageFixture fixture;
    fixture.manager.canChange = c.canChange;
    fixture.manager.model.bRestriction = c.restriction;
    fixture.manager.clientMode = c.client;
    fixture.manager.printerValues = manager().printerValues;
    fixture.page.ChooseTemplate();
    HWND window = CreateTestPageWindow(&fixture.page);
    ASSERT_NE(window, nullptr);
    // The page selected row 0 (the built-in profile); the user profile, row 1, takes its place.
    HWND list = GetDlgItem(window, IDC_PROFILE_LIST);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
    std::set<int> enabled;
    for (int id : kCommands)
      if (IsWindowEnabled(GetDlgItem(window, id)))
        enabled.insert(id);
    EXPECT_EQ(enabled, c.enabled) << c.name;
    EXPECT_EQ(IsWindowEnabled(list) != FALSE, c.listEnabled) << c.name;
    EXPECT_EQ(fixture.page.HasNoRights(), !c.listEnabled) << c.name;
    EXPECT_EQ(fixture.page.IsClientMode(), c.client) << c.name;
  }
}

TEST_F(PageDialogTest, RefreshMessageSavesTheListAsThePageHoldsIt) {
  StoreProfiles(1);
  Open();
  ProfileHeader header{};
  std::strcpy(header.strProfileName, "Imported");
  header.nProfRegNum = 2;
  fixture_.page.GetProfileList()->Insert(&header);
  auto storedCount = [this] {
    DWORD count = 0, size = sizeof count;
    return manager().ReadPrinterValue("JzProfileCount", &count, &size) ? count : 0;
  };
  SendMessageW(window_, 256, 6, 0);
  EXPECT_EQ(storedCount(), 2u) << "only wParam 7 refreshes";
  SendMessageW(window_, 256, 7, 0);
  EXPECT_EQ(storedCount(), 3u);
  EXPECT_EQ(fixture_.page.GetProfileCount(), 3);
}

// The built-in profile shows its display name and a user profile named like it the first free
// numbered name. The saved list holds zeros behind every text, though the built-in profile took
// its shorter name and description in place.
TEST_F(PageDialogTest, ProfilesNamedLikeTheDisplayNameAndTheirStoredHeaders) {
  ProfileList list(nullptr, TextPolicy::ForPage(false, CP_ACP), &manager(), nullptr, nullptr);
  ProfileHeader builtIn{};
  std::strcpy(builtIn.strProfileName, "Factory Default");
  std::strcpy(builtIn.strProfileInfo, "The settings the printer came with");
  ProfileHeader mine{};
  std::strcpy(mine.strProfileName, "Standard");
  std::strcpy(mine.strProfileInfo, "Mine");
  mine.nProfRegNum = 1;
  list.Insert(&builtIn);
  list.Insert(&mine);
  ASSERT_TRUE(list.Save());

  Open();
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(RowText(0), WSTR("Standard"));
  EXPECT_EQ(RowText(1), WSTR("Standard (0)"));

  SendMessageW(window_, 256, 7, 0);  // the host asks the page to save its list
  // Two headers of 556 bytes: name at 0, description at 32, registry number at 552.
  std::vector<BYTE> expected(2 * 556, 0);
  std::memcpy(expected.data(), "Standard", 8);
  std::memcpy(expected.data() + 32, "Driver defaults", 15);
  std::memcpy(expected.data() + 556, "Standard (0)", 12);
  std::memcpy(expected.data() + 556 + 32, "Mine", 4);
  expected[556 + 552] = 1;
  EXPECT_EQ(manager().printerValues["JzProfileData"], expected);
}

TEST_F(PageDialogTest, BulgarianAndRussianWidenTheCommandButtons) {
  auto rectOf = [](HWND window, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(window, id), &rect);
    return rect;
  };
  StoreProfiles(1);
  Open();
  const RECT english = rectOf(window_, IDC_PROFILE_APPLY);
  const RECT englishAdd = rectOf(window_, IDC_PROFILE_ADD);
  for (WORD language : {WORD(0x0402), WORD(0x0419)}) {
    PageFixture fixture;
    fixture.manager.language = language;
    fixture.manager.printerValues = manager().printerValues;
    fixture.page.ChooseTemplate();
    HWND window = CreateTestPageWindow(&fixture.page);
    const RECT wide = rectOf(window, IDC_PROFILE_APPLY);
    EXPECT_EQ(wide.left, english.left - 10) << language;
    EXPECT_EQ(wide.right - wide.left, english.right - english.left + 20) << language;
    const RECT add = rectOf(window, IDC_PROFILE_ADD);
    EXPECT_EQ(add.right - add.left, englishAdd.right - englishAdd.left) << language;
  }
}

}  // namespace
}  // namespace prfmod::testing
