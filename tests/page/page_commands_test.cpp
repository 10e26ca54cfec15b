// The page's add, edit, delete and apply commands over the printers of the demo machine, on
// Windows XP and 98, driven as a user drives them: buttons, the properties dialog and the
// questions answered by the operator.
#include <gtest/gtest.h>

#include <algorithm>

#include "abi/wide.h"
#include "page/command_test_support.h"

namespace prfmod::testing {
namespace {

using winplat::DialogStep;

constexpr int kCommandButtons[] = {IDC_PROFILE_ADD,    IDC_PROFILE_DELETE, IDC_PROFILE_EDIT,
                                   IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY,  IDC_PROFILE_EXPORT};

class PageCommandsTest : public PageCommandTest {
 protected:
  // Adds a profile through the add button and the properties dialog.
  void Add(const WideString &name, std::vector<DialogStep> more = {}) {
    std::vector<DialogStep> steps = {DialogStep::SetText(IDC_PROPERTIES_NAME, OperatorText(name))};
    steps.insert(steps.end(), more.begin(), more.end());
    steps.push_back(DialogStep::Click(IDOK));
    operator_.QueueDialog(IDD_PROFILE_PROPERTIES, steps);
    Click(IDC_PROFILE_ADD);
  }

  // The current settings with other copies: the host takes them as the user's change.
  void ChangeCopies(short copies) {
    std::vector<BYTE> settings = session_->devModeBytes();
    reinterpret_cast<DEVMODEW *>(settings.data())->dmCopies = copies;
    ASSERT_TRUE(session_->SetDevMode(settings.data(), settings.size()));
  }

  short StoredCopies(int regNum) {
    const auto devMode = StoredValue(host::kColorPrinterName, regNum, "Default DevMode");
    if (!devMode || devMode->size() < sizeof(DEVMODEW))
      return 0;
    return reinterpret_cast<const DEVMODEW *>(devMode->data())->dmCopies;
  }

  std::vector<std::string> IndexNames(int regNum) {
    std::vector<std::string> names;
    for (const ProfileValueInfo &value :
         Store(host::kColorPrinterName)->EnumProfileRegValue("", regNum))
      names.push_back(value.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  // The printer's driver data sets: its values whose names begin with "Vt", and "Setup".
  std::vector<std::pair<std::string, std::vector<BYTE>>> DataSets(const WideString &printer) {
    std::vector<std::pair<std::string, std::vector<BYTE>>> sets;
    host::RegKey key = PrinterDataKey(printer, KEY_QUERY_VALUE);
    for (DWORD index = 0;; ++index) {
      WCHAR name[MAX_PATH];
      DWORD length = MAX_PATH, size = 0;
      if (RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, &size) !=
          ERROR_SUCCESS)
        break;
      const std::string text = host::Utf8FromUtf16(name);
      if (text.rfind("Vt", 0) == 0 || text == "Setup")
        sets.emplace_back(text, *PrinterValue(printer, text));
    }
    std::sort(sets.begin(), sets.end());
    return sets;
  }
};

// The header from the dialog with the lowest free registry number, the row appended and the
// only one selected, the settings converted for storage and the printer's data sets with them.
TEST_P(PageCommandsTest, AddStoresTheProfileItsSettingsAndDataSets) {
  StoreProfiles(host::kColorPrinterName, {"Office", "Travel"});
  OpenPage(host::kColorPrinterName);
  SelectRows({0, 1});
  std::vector<bool> enabledDuringDialog;
  operator_.inspect = [&](HWND) {
    for (int button : kCommandButtons)
      enabledDuringDialog.push_back(Enabled(button));
  };
  Add(WSTR("Hotel"), {DialogStep::SetText(IDC_PROPERTIES_DESCRIPTION, u"Rooms with a printer"),
                      DialogStep::Send(IDC_PROPERTIES_ICONS, LB_SETCURSEL, 7, 0),
                      DialogStep::Send(IDC_PROPERTIES_COLOR, CB_SETCURSEL, 2, 0)});

  EXPECT_EQ(enabledDuringDialog, std::vector<bool>(6, false));
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 4u);
  const ProfileHeader &hotel = stored[1];
  EXPECT_STREQ(hotel.strProfileName, "Hotel");
  EXPECT_STREQ(hotel.strProfileInfo, "Rooms with a printer");
  EXPECT_EQ(hotel.nProfileIcon, 7u);
  EXPECT_EQ(hotel.rgbIconColor, COLORREF{0x0000FF});
  EXPECT_EQ(hotel.nProfRegNum, 3);
  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Office"),
                                             WSTR("Travel"), WSTR("Hotel")}));
  EXPECT_EQ(SendMessageW(ProfileRows(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(ProfileRows(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                         MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)),
            3);
  EXPECT_TRUE(Enabled(IDC_PROFILE_EDIT)) << "the buttons follow the new selection";

  // The public part as it is; the print size of the main block as its identifier + 1000.
  const std::vector<BYTE> &current = session_->devModeBytes();
  const auto devMode = StoredValue(host::kColorPrinterName, 3, "Default DevMode");
  ASSERT_TRUE(devMode.has_value());
  ASSERT_EQ(devMode->size(), current.size());
  const WORD publicSize = reinterpret_cast<const DEVMODEW *>(current.data())->dmSize;
  EXPECT_TRUE(std::equal(current.begin(), current.begin() + publicSize, devMode->begin()));
  std::vector<BYTE> storedCopy = *devMode;
  const auto *main = reinterpret_cast<const pdMain *>(ApiControlSetProfil::GetPlugInAddr(
      reinterpret_cast<DEVMODEW *>(storedCopy.data()), PRIVATE_DATA_ID_MAIN));
  ASSERT_NE(main, nullptr);
  const auto *currentMain = reinterpret_cast<const pdMain *>(session_->mainBlock());
  const BYTE *size =
      static_cast<const BYTE *>(session_->model().FeatureItem(3, currentMain->wScaleSizeIdx));
  ASSERT_NE(size, nullptr);
  WORD identifier = 0;
  std::memcpy(&identifier, size + 16, sizeof identifier);
  EXPECT_EQ(main->wScaleSizeIdx, identifier + 1000);

  std::vector<std::string> expectedIndex = {"Default DevMode", "_Setup"};
  for (const auto &[name, data] : DataSets(host::kColorPrinterName)) {
    if (name == "Setup") {
      EXPECT_EQ(StoredValue(host::kColorPrinterName, 3, "_Setup"), data);
      continue;
    }
    expectedIndex.push_back(name);
    EXPECT_EQ(StoredValue(host::kColorPrinterName, 3, name), data) << name;
  }
  std::sort(expectedIndex.begin(), expectedIndex.end());
  EXPECT_EQ(IndexNames(3), expectedIndex);
}

// A name already taken asks whether to replace that profile; any answer but Yes changes
// nothing at all. Yes replaces it under the lowest free number with the current settings.
TEST_P(PageCommandsTest, NameClashReplacesOnlyOnYes) {
  StoreProfiles(host::kColorPrinterName, {});
  OpenPage(host::kColorPrinterName);
  Add(WSTR("Office"));
  Add(WSTR("Travel"));
  const std::string registry = tested_windows::RegistryText();
  const std::vector<WideString> rows = Rows();

  for (int answer : {IDNO, IDCANCEL}) {
    operator_.Queue(answer);
    Add(WSTR("Office"));
    EXPECT_EQ(tested_windows::RegistryText(), registry) << answer;
    EXPECT_EQ(Rows(), rows) << answer;
  }
  const winplat::MessageBoxCall &question = winplat::MessageBoxLog().back();
  EXPECT_EQ(WideFromOperator(question.text),
            WSTR("A profile named \"Office\" already exists. Do you want to replace it?"));
  EXPECT_EQ(WideFromOperator(question.caption), WSTR("Profile"));
  EXPECT_EQ(question.style, UINT{0x33});

  ChangeCopies(4);
  operator_.Queue(IDYES);
  Add(WSTR("Office"), {DialogStep::SetText(IDC_PROPERTIES_DESCRIPTION, u"Replaced")});
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_STREQ(stored[1].strProfileName, "Office");
  EXPECT_STREQ(stored[1].strProfileInfo, "Replaced");
  EXPECT_EQ(stored[1].nProfRegNum, 1);
  EXPECT_EQ(StoredCopies(1), 4);
  EXPECT_EQ(Rows(),
            (std::vector<WideString>{WSTR("Factory Default"), WSTR("Travel"), WSTR("Office")}));
}

// 25 profiles take one more through the button; at 26 the button is disabled and the command,
// however it arrives, shows no dialog and stores nothing.
TEST_P(PageCommandsTest, TwentySixProfilesAtMost) {
  std::vector<std::string> users;
  for (int i = 1; i <= 24; ++i)
    users.push_back("Profile " + std::to_string(100 + i));
  StoreProfiles(host::kColorPrinterName, users);
  OpenPage(host::kColorPrinterName);
  Add(WSTR("Last"));
  ASSERT_EQ(Rows().size(), 26u);
  EXPECT_FALSE(Enabled(IDC_PROFILE_ADD));

  const std::string registry = tested_windows::RegistryText();
  winplat::ClearModalDialogLog();
  operator_.QueueDialog(
      IDD_PROFILE_PROPERTIES,
      {DialogStep::SetText(IDC_PROPERTIES_NAME, u"One too many"), DialogStep::Click(IDOK)});
  SendMessageW(window_, WM_COMMAND, IDC_PROFILE_ADD, 0);
  EXPECT_TRUE(winplat::ModalDialogLog().empty());
  EXPECT_EQ(operator_.PendingDialogs(), 1u);
  EXPECT_EQ(tested_windows::RegistryText(), registry);
  EXPECT_EQ(Rows().size(), 26u);
}

// Deleting asks first; the built-in profile stays whatever the selection, and a deleted
// profile's values and data sets go with its entry.
TEST_P(PageCommandsTest, DeleteRemovesTheSelectedUserProfilesOnly) {
  StoreProfiles(host::kColorPrinterName, {});
  OpenPage(host::kColorPrinterName);
  Add(WSTR("Office"));
  Add(WSTR("Travel"));
  const std::string registry = tested_windows::RegistryText();
  const std::vector<WideString> rows = Rows();

  SelectRows({0});
  EXPECT_FALSE(Enabled(IDC_PROFILE_DELETE));
  operator_.Queue(IDYES);
  SendMessageW(window_, WM_COMMAND, IDC_PROFILE_DELETE, 0);
  EXPECT_EQ(WideFromOperator(winplat::MessageBoxLog().back().text), HostString(IDS_CONFIRM_DELETE));
  EXPECT_EQ(WideFromOperator(winplat::MessageBoxLog().back().caption), HostString(IDS_PAGE_TITLE));
  EXPECT_EQ(tested_windows::RegistryText(), registry) << "only the built-in profile selected";
  EXPECT_EQ(Rows(), rows);

  SelectRows({0, 2});
  operator_.Queue(IDNO);
  Click(IDC_PROFILE_DELETE);
  EXPECT_EQ(tested_windows::RegistryText(), registry) << "answered No";

  operator_.Queue(IDYES);
  Click(IDC_PROFILE_DELETE);
  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Office")}));
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(PrinterValue(host::kColorPrinterName, "JzProfileCount"),
            store_testing::Bytes({2, 0, 0, 0}));
  EXPECT_TRUE(IndexNames(2).empty());
  EXPECT_FALSE(StoredValue(host::kColorPrinterName, 2, "Default DevMode").has_value());
  EXPECT_FALSE(StoredValue(host::kColorPrinterName, 2, "VtCPSData").has_value());
  EXPECT_TRUE(StoredValue(host::kColorPrinterName, 1, "Default DevMode").has_value());
}

// A new name taken by another profile asks first: No leaves every profile as it was, Yes
// removes the other profile and renames the edited one, which keeps its number.
TEST_P(PageCommandsTest, EditAsksBeforeTakingAnotherProfilesName) {
  StoreProfiles(host::kColorPrinterName, {});
  OpenPage(host::kColorPrinterName);
  Add(WSTR("Office"));
  Add(WSTR("Travel"));
  const std::string registry = tested_windows::RegistryText();
  const auto rename = [this](const WideString &name) {
    SelectRows({2});
    operator_.QueueDialog(
        IDD_PROFILE_PROPERTIES,
        {DialogStep::SetText(IDC_PROPERTIES_NAME, OperatorText(name)), DialogStep::Click(IDOK)});
    Click(IDC_PROFILE_EDIT);
  };

  operator_.Queue(IDNO);
  rename(WSTR("Office"));
  EXPECT_EQ(tested_windows::RegistryText(), registry);

  operator_.Queue(IDYES);
  rename(WSTR("Office"));
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_STREQ(stored[1].strProfileName, "Office");
  EXPECT_EQ(stored[1].nProfRegNum, 2);
  EXPECT_TRUE(IndexNames(1).empty()) << "the replaced profile's values are gone";
  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Office")}));
  EXPECT_EQ(SendMessageW(ProfileRows(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                         MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)),
            1);
}

// A double click edits a user profile; on the built-in one, whose edit button is disabled, it
// opens nothing.
TEST_P(PageCommandsTest, DoubleClickEditsOnlyWhileEditIsEnabled) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  OpenPage(host::kColorPrinterName);
  for (int row : {0, 1}) {
    winplat::ClearModalDialogLog();
    operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::Click(IDCANCEL)});
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(ProfileRows(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&rect));
    // A double click as the mouse makes it: down, up, double click, up. The first up waits in
    // the queue, where a list view that tracks the pressed button finds it.
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageW(ProfileRows(), WM_LBUTTONUP, 0, point);
    SendMessageW(ProfileRows(), WM_LBUTTONDOWN, 0, point);
    SendMessageW(ProfileRows(), WM_LBUTTONDBLCLK, 0, point);
    SendMessageW(ProfileRows(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(winplat::ModalDialogLog().empty(), row == 0) << row;
  }
  EXPECT_EQ(operator_.PendingDialogs(), 1u);
}

TEST_P(PageCommandsTest, ApplyWithNoFocusedRowDoesNothing) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  OpenPage(host::kColorPrinterName);
  SelectRows({});
  ASSERT_TRUE(Enabled(IDC_PROFILE_APPLY));
  const host::SessionEvents before = session_->events();
  Click(IDC_PROFILE_APPLY);
  EXPECT_EQ(session_->events().setCurrentDevMode, before.setCurrentDevMode);
  EXPECT_EQ(session_->events().refreshSettings, before.refreshSettings);
  EXPECT_TRUE(notified_.blocks.empty());
  EXPECT_TRUE(Enabled(IDC_PROFILE_APPLY));
}

// Add, change the settings and the data sets, apply: the settings and data sets are the added
// ones again, the host refreshed and its window told, and apply waits for the next update.
// Windows 98 keeps a user profile's values in files named after the printer, which a printer
// named \\PRINTSRV\... cannot have: there the network printer is left out.
TEST_P(PageCommandsTest, AddChangeApplyRoundTripOnBothPrinters) {
  std::vector<WideString> printers = {host::kColorPrinterName};
  if (!Ansi())
    printers.push_back(host::kMonoPrinterName);
  for (const WideString &printer : printers) {
    OpenSession(printer);
    // The monochrome model's settings are locked by the administrator; the round trip is the
    // same once they are not.
    session_->model().info.bRestriction = 0;
    ShowPage();
    const std::vector<BYTE> settings = session_->devModeBytes();
    const auto dataSets = DataSets(printer);
    ASSERT_FALSE(dataSets.empty());
    Add(WSTR("Round trip"));

    ChangeCopies(9);
    SetPrinterValue(printer, dataSets.back().first, store_testing::Bytes({1, 2, 3}));
    const host::SessionEvents before = session_->events();
    notified_.blocks.clear();
    Click(IDC_PROFILE_APPLY);

    EXPECT_EQ(session_->devModeBytes(), settings);
    EXPECT_EQ(DataSets(printer), dataSets);
    EXPECT_EQ(session_->events().setCurrentDevMode, before.setCurrentDevMode + 1);
    EXPECT_EQ(session_->events().refreshSettings, before.refreshSettings + 1);
    EXPECT_EQ(notified_.blocks,
              (std::vector<std::array<DWORD, 4>>{{0, 0, 0xFFFFFF38, 0xFFFFFF38}}));
    EXPECT_FALSE(Enabled(IDC_PROFILE_APPLY));
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

INSTANTIATE_TEST_SUITE_P(Platforms, PageCommandsTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);

}  // namespace
}  // namespace prfmod::testing
