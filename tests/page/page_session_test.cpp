// The page dialog over a printer session of the demo machine: the registry-key form of a
// network printer's name, the removal of a stale stored default, and the settings summary as
// the selection changes.
#include <gtest/gtest.h>

#include "abi/wide.h"
#include "page/page_test_support.h"
#include "store/store_test_support.h"

namespace prfmod::testing {
namespace {

class PageSessionTest : public host::testing::DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    tested_windows::SleepInstantly();
  }

  void OpenSession(const WideString &printer,
                   host::UiLanguage language = host::UiLanguage::English) {
    std::string error;
    host::SessionOptions options;
    options.language = language;
    session_ = host::PrinterSession::Open(printer, options, &error);
    ASSERT_TRUE(session_) << error;
    manager_ = std::make_unique<store_testing::OverridingUIManager>(session_->uiManager());
  }

  void OpenPage() {
    owner_.SetDriverContext(session_->driverContext());
    owner_.SetUIManager(manager_.get());
    page_.SetOwner(&owner_);
    page_.ChooseTemplate();
    window_ = CreateTestPageWindow(&page_);
    ASSERT_NE(window_, nullptr);
  }

  VTPROFJZP Store() {
    return VTPROFJZP(nullptr, session_->printerName().c_str(), nullptr, nullptr);
  }

  WideString HostString(UINT id) {
    WCHAR text[260] = {};
    session_->uiManager()->LoadResString(id, text, 260, 0, 0, 0);
    return text;
  }

  WideString Description() {
    WCHAR text[260] = {};
    GetDlgItemTextW(window_, IDC_PROFILE_DESCRIPTION, text, 260);
    return text;
  }

  std::vector<std::pair<WideString, WideString>> SummaryRows() {
    HWND summary = GetDlgItem(window_, IDC_SETTINGS_SUMMARY);
    std::vector<std::pair<WideString, WideString>> rows;
    const int count = static_cast<int>(SendMessageW(summary, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      WideString texts[2];
      for (int column = 0; column < 2; ++column) {
        WCHAR text[260] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 260;
        SendMessageW(summary, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        texts[column] = text;
      }
      rows.emplace_back(texts[0], texts[1]);
    }
    return rows;
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<store_testing::OverridingUIManager> manager_;
  CControlSetProfil owner_{nullptr};
  ProfilePage page_;
  HWND window_ = nullptr;
};

// Linux only: the demo machine on Windows has no print server, so its monochrome printer is a
// local queue there.
#if !defined(_WIN32)
TEST_F(PageSessionTest, NetworkPrinterTakesItsRegistryKeyFormAndLeavesClientMode) {
  struct Case {
    WideString printer;
    bool network;
    WideString registryName;
  } cases[] = {
      {host::kMonoPrinterName, true, WSTR(",,PRINTSRV,JZ Mono 2100")},
      {host::kColorPrinterName, false, host::kColorPrinterName},
  };
  for (const Case &c : cases) {
    OpenSession(c.printer);
    manager_->clientMode = true;
    OpenPage();
    EXPECT_EQ(page_.IsNetworkPort(), c.network);
    EXPECT_EQ(page_.IsClientMode(), !c.network) << "a shared printer is used as a local one";
    EXPECT_EQ(WideString(page_.GetRegistryNameW()), c.registryName);
    EXPECT_EQ(WideString(page_.GetPrinterNameW()), c.printer);
    DestroyWindow(window_);
  }
}
#endif

TEST_F(PageSessionTest, StoredDefaultOfAnotherSizeIsRemovedAndTheHostReloads) {
  OpenSession(host::kColorPrinterName);
  const std::vector<BYTE> current = session_->devModeBytes();
  struct Case {
    size_t size;
    bool kept;
  } cases[] = {{current.size(), true}, {current.size() - 8, false}};
  for (const Case &c : cases) {
    Store().SaveProfileRegValue(FACTORY_DEFAULT_PROFILE, 0, PROFILE_DEVMODE_VALUE, current.data(),
                                static_cast<DWORD>(c.size), REG_BINARY);
    const int reloads = session_->events().reloadDevMode;
    OpenPage();
    EXPECT_EQ(Store().GetRegValueSize("JZP_0000_Default DevMode"), c.kept ? c.size : 0) << c.size;
    EXPECT_EQ(session_->events().reloadDevMode - reloads, c.kept ? 0 : 1) << c.size;
    DestroyWindow(window_);
  }
}

// The page's code page is not the system's: a printer whose name only the wide form holds
// exactly is still the one whose stale default goes.
TEST_F(PageSessionTest, StaleDefaultOfAPrinterWithAJapaneseNameIsRemoved) {
  SKIP_UNLESS_ANSI_CODE_PAGE(1252);
  tested_windows::UseAnsiCodePage(1252);
  const WideString printer = WSTR("JZ \u65E5\u672C");
  store_testing::AddColorLaserPrinter(printer);
  OpenSession(printer, host::UiLanguage::Japanese);
  const std::vector<BYTE> current = session_->devModeBytes();
  VTPROFJZP(nullptr, printer.c_str(), nullptr, nullptr)
      .SaveProfileRegValue(FACTORY_DEFAULT_PROFILE, 0, PROFILE_DEVMODE_VALUE, current.data(),
                           static_cast<DWORD>(current.size() - 8), REG_BINARY);
  const int reloads = session_->events().reloadDevMode;
  OpenPage();
  EXPECT_EQ(VTPROFJZP(nullptr, printer.c_str(), nullptr, nullptr)
                .GetRegValueSize("JZP_0000_Default DevMode"),
            0u);
  EXPECT_EQ(session_->events().reloadDevMode - reloads, 1);
  DestroyWindow(window_);
}

// The page's stores share one identity of its printer; a printer of another name has another.
TEST_F(PageSessionTest, ThePageReadsItsPrintersIdentityOnceAndAgainForAnotherPrinter) {
  OpenSession(host::kColorPrinterName);
  OpenPage();
  const PrinterIdentity *identity = &page_.GetPrinterIdentity();
  EXPECT_EQ(identity->PrinterName().wide, host::kColorPrinterName);
  page_.Activate();
  EXPECT_EQ(&page_.GetPrinterIdentity(), identity);

  OpenSession(host::kMonoPrinterName);
  owner_.SetDriverContext(session_->driverContext());
  owner_.SetUIManager(manager_.get());
  page_.Activate();
  EXPECT_EQ(page_.GetPrinterIdentity().PrinterName().wide, host::kMonoPrinterName);
#if defined(_WIN32)
  // The demo machine on Windows has no print server: its monochrome printer is a local queue.
  EXPECT_STREQ(page_.GetPrinterIdentity().GetRegistryNameA(), "JZ Mono 2100");
#else
  EXPECT_STREQ(page_.GetPrinterIdentity().GetRegistryNameA(), ",,PRINTSRV,JZ Mono 2100");
#endif
  DestroyWindow(window_);
}

TEST_F(PageSessionTest, SummaryFollowsTheSelection) {
  OpenSession(host::kColorPrinterName);
  std::vector<BYTE> settings = session_->devModeBytes();
  VTPROFJZP store = Store();
  store.SaveProfileRegValue(FACTORY_DEFAULT_PROFILE, 0, PROFILE_DEVMODE_VALUE, settings.data(),
                            static_cast<DWORD>(settings.size()), REG_BINARY);
  ProfileList list(nullptr, TextPolicy::ForPage(false, CP_ACP), session_->uiManager(), nullptr,
                   nullptr);
  ProfileHeader builtIn = store_testing::Header("Factory Default", 0);
  ProfileHeader copies = store_testing::Header("Three copies", 1, "Three of everything");
  list.Insert(&builtIn);
  list.Insert(&copies);
  ASSERT_TRUE(list.Save());
  reinterpret_cast<DEVMODEW *>(settings.data())->dmCopies = 3;
  store.SaveProfileRegValue("Three copies", 1, PROFILE_DEVMODE_VALUE, settings.data(),
                            static_cast<DWORD>(settings.size()), REG_BINARY);
  OpenPage();
  HWND profiles = GetDlgItem(window_, IDC_PROFILE_LIST);
  ASSERT_EQ(SendMessageW(profiles, LVM_GETITEMCOUNT, 0, 0), 2);

  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(profiles, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&item));
  EXPECT_TRUE(SummaryRows().empty());
  EXPECT_EQ(Description(), HostString(2123));

  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(profiles, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  const auto rows = SummaryRows();
  ASSERT_GT(rows.size(), 4u);
  EXPECT_EQ(rows[1].first, WSTR("Three of everything"));
  EXPECT_EQ(Description(), WSTR("")) << "a finished summary clears the description";
  bool copiesRow = false;
  for (const auto &[label, value] : rows)
    copiesRow = copiesRow || (label.starts_with(HostString(451)) && value == WSTR("3"));
  EXPECT_TRUE(copiesRow) << "the copies differ from the driver's defaults";
  DestroyWindow(window_);
}

// Linux only: the platform layer counts the page's waits instead of sleeping them.
#if !defined(_WIN32)
// A driver that does not tell its DEVMODE size stalls the page for five seconds once: not again
// in each store that the page's initialisation, summaries and commands build.
TEST_F(PageSessionTest, SilentDriverStallsThePageOnce) {
  OpenSession(host::kColorPrinterName);
  std::vector<BYTE> settings = session_->devModeBytes();
  ProfileList list(nullptr, TextPolicy::ForPage(false, CP_ACP), session_->uiManager(), nullptr,
                   nullptr);
  ProfileHeader builtIn = store_testing::Header("Factory Default", 0);
  ProfileHeader copies = store_testing::Header("Three copies", 1);
  list.Insert(&builtIn);
  list.Insert(&copies);
  ASSERT_TRUE(list.Save());
  reinterpret_cast<DEVMODEW *>(settings.data())->dmCopies = 3;
  Store().SaveProfileRegValue("Three copies", 1, PROFILE_DEVMODE_VALUE, settings.data(),
                              static_cast<DWORD>(settings.size()), REG_BINARY);
  host::RegKey key = host::RegKey::Open(
      HKEY_LOCAL_MACHINE, host::PrinterKeyPath(host::kColorPrinterName), KEY_SET_VALUE);
  ASSERT_EQ(RegDeleteValueW(key.get(), WSTR("Default DevMode")), ERROR_SUCCESS);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();

  OpenPage();
  HWND profiles = GetDlgItem(window_, IDC_PROFILE_LIST);
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  for (int row : {1, 0, 1})
    SendMessageW(profiles, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
  EXPECT_FALSE(SummaryRows().empty());
  EXPECT_TRUE(page_.ApplyProfileDevMode("Three copies"));

  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 5000u);
  DestroyWindow(window_);
}
#endif

}  // namespace
}  // namespace prfmod::testing
