// The host objects of a printer session, as the module sees them.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "abi/settings_notify.h"
#include "host/devmode_chain.h"
#include "host/owner_window.h"
#include "host/printer_session.h"
#include "host/win32_handles.h"

namespace host::testing {
namespace {

std::vector<WORD> BlockIds(const std::vector<BYTE> &devMode) {
  std::vector<WORD> ids;
  for (const BlockInfo &block : PrivateBlocks(devMode))
    ids.push_back(block.header.wBlockId);
  return ids;
}

class SessionTest : public DemoMachineTest {
 protected:
  std::unique_ptr<PrinterSession> Open(const WideString &name, SessionOptions options = {}) {
    std::string error;
    auto session = PrinterSession::Open(name, options, &error);
    EXPECT_TRUE(session) << error;
    return session;
  }
  void SetPrinterKeyValue(const WideString &printer, LPCWSTR name, DWORD value) {
    RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE, PrinterKeyPath(printer), KEY_SET_VALUE);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), 4),
              ERROR_SUCCESS);
  }
};

TEST_F(SessionTest, UnknownPrinterIsRefusedWithItsName) {
  std::string error;
  EXPECT_FALSE(PrinterSession::Open(WSTR("No Such Printer"), {}, &error));
  EXPECT_NE(error.find("No Such Printer"), std::string::npos);
}

TEST_F(SessionTest, CurrentSettingsCarryEachModelsBlockChain) {
  auto color = Open(kColorPrinterName);
  EXPECT_EQ(BlockIds(color->devModeBytes()),
            (std::vector<WORD>{1, 10000, 20000, 40000, 50000, 60000, 30000}));
  EXPECT_TRUE(IsCompleteDevMode(color->devModeBytes()));
  EXPECT_EQ(color->uiManager()->GetDriverSettings(),
            reinterpret_cast<BYTE *>(color->devMode()) + sizeof(DEVMODEW));

  auto mono = Open(kMonoPrinterName);
#if defined(_WIN32)
  EXPECT_EQ(mono->registryName(), WSTR("JZ Mono 2100"));  // a local queue on Windows
#else
  EXPECT_EQ(mono->registryName(), WSTR(",,PRINTSRV,JZ Mono 2100"));
#endif
  EXPECT_EQ(BlockIds(mono->devModeBytes()), (std::vector<WORD>{1, 20000, 40000, 60000}));
  EXPECT_EQ(mono->devMode()->dmDriverVersion, 0x0210);
  EXPECT_EQ(mono->devMode()->dmPaperSize, DMPAPER_A4);
}

class CountingControlSet final : public CControlSet {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  int invalidations = 0;
  void SetHostValue(DWORD) override {}
  DWORD GetHostValue() override { return 0; }
  int GetPageCount(DWORD) override { return 0; }
  void SetDriverContext(DriverContext *) override {}
  CPage *GetPage(int, DWORD) override { return nullptr; }
  DriverContext *GetDriverContext() override { return nullptr; }
  void SetUIManager(UIManager *) override {}
  UIManager *GetUIManager() override { return nullptr; }
  void CheckPrivateData(UIManager *) override {}
  void VerifyPrivateData(DWORD) override {}
  void Unnamed11(DWORD) override {}
  void DevModeChanged(UIManager *) override {}
  void PrivateDataChanged(DWORD) override {}
  void InvalidateDevMode() override { ++invalidations; }
  void Unnamed15() override {}
  void Unnamed16(DWORD) override {}
  void Unnamed17(DWORD, DWORD, DWORD) override {}
  void Unnamed18() override {}
};

TEST_F(SessionTest, RemovingPrivateDataKeepsTheRestOfTheChainAndTellsTheControlSet) {
  auto session = Open(kColorPrinterName);
  CountingControlSet controlSet;
  session->AttachControlSet(&controlSet);
  UIManager *manager = session->uiManager();
  WORD extraBefore = session->devMode()->dmDriverExtra;

  manager->RemovePrivateData(PRIVATE_DATA_ID_WATERMARK, 0);

  EXPECT_EQ(manager->GetPrivateData(PRIVATE_DATA_ID_WATERMARK, 0), nullptr);
  EXPECT_EQ(session->devMode()->dmDriverExtra, extraBefore - 120);
  EXPECT_EQ(BlockIds(session->devModeBytes()),
            (std::vector<WORD>{1, 10000, 40000, 50000, 60000, 30000}));
  EXPECT_EQ(controlSet.invalidations, 1);
  manager->RemovePrivateData(PRIVATE_DATA_ID_WATERMARK, 0);  // gone already: nothing to tell
  EXPECT_EQ(controlSet.invalidations, 1);
}

// The module keeps the pointer GetCurrentDevMode gave it and reads the new settings through it.
TEST_F(SessionTest, SetCurrentDevModeTakesOnlyAConsistentDevModeIntoTheBufferHandedOut) {
  auto session = Open(kColorPrinterName);
  DEVMODEW *held = session->uiManager()->GetCurrentDevMode();
  std::vector<BYTE> changed = session->devModeBytes();
  auto *dm = reinterpret_cast<DEVMODEW *>(changed.data());
  dm->dmCopies = 7;
  session->uiManager()->SetCurrentDevMode(dm);
  EXPECT_EQ(session->devMode()->dmCopies, 7);
  EXPECT_EQ(session->uiManager()->GetCurrentDevMode(), held);

  dm->dmCopies = 9;
  dm->dmSize = 200;  // not a DEVMODEW
  session->uiManager()->SetCurrentDevMode(dm);
  EXPECT_EQ(session->devMode()->dmCopies, 7);
  EXPECT_EQ(session->events().setCurrentDevMode, 2);
}

TEST_F(SessionTest, PrinterValuesReadBySizeAndAreRefusedIntoShortBuffers) {
  auto session = Open(kColorPrinterName);
  UIManager *manager = session->uiManager();
  DWORD size = 0;
  ASSERT_TRUE(manager->ReadPrinterValue("VtCPSData", nullptr, &size));
  EXPECT_EQ(size, 2u * 48);
  std::vector<BYTE> data(size);
  EXPECT_TRUE(manager->ReadPrinterValue("VtCPSData", data.data(), &size));
  EXPECT_STREQ(reinterpret_cast<char *>(data.data()), "Photo 4x6");
  DWORD shortSize = size - 1;
  EXPECT_FALSE(manager->ReadPrinterValue("VtCPSData", data.data(), &shortSize));
  EXPECT_FALSE(manager->ReadPrinterValue("NoSuchValue", nullptr, &size));

  DWORD flag = 0x12345678;
  ASSERT_TRUE(manager->WritePrinterValue("JzProfileCount", REG_DWORD, &flag, 4));
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE,
                            PrinterKeyPath(kColorPrinterName) + WSTR("\\PrinterDriverData"),
                            KEY_QUERY_VALUE);
  DWORD read = 0, readSize = 4, type = 0;
  ASSERT_EQ(RegQueryValueExW(key.get(), WSTR("JzProfileCount"), nullptr, &type,
                             reinterpret_cast<BYTE *>(&read), &readSize),
            ERROR_SUCCESS);
  EXPECT_EQ(read, flag);
}

// Linux only: "UserAccess" and "ClientSide" are the platform layer's stand-ins for a restricted
// user and a client-side printer; Windows takes both from the user's token and the print server.
#if !defined(_WIN32)
TEST_F(SessionTest, RestrictedUsersCannotWritePrinterData) {
  SetPrinterKeyValue(kColorPrinterName, WSTR("UserAccess"), PRINTER_ACCESS_USE);
  auto restricted = Open(kColorPrinterName);
  EXPECT_FALSE(restricted->uiManager()->CanChangeSettings());
  DWORD value = 1;
  EXPECT_FALSE(restricted->uiManager()->WritePrinterValue("JzProfileCount", REG_DWORD, &value, 4));
  EXPECT_FALSE(restricted->uiManager()->IsClientMode());

  SetPrinterKeyValue(kMonoPrinterName, WSTR("ClientSide"), 1);
  auto client = Open(kMonoPrinterName);
  EXPECT_TRUE(client->uiManager()->IsClientMode());
  EXPECT_FALSE(client->uiManager()->WritePrinterValue("JzProfileCount", REG_DWORD, &value, 4));
}
#endif

TEST_F(SessionTest, StringsLoadCutToTheBufferInTheSessionsLanguage) {
  auto english = Open(kColorPrinterName);
  WCHAR buffer[260];
  int length = english->uiManager()->LoadResString(11, buffer, 260, 0, 0, 0);
  EXPECT_EQ(WideString(buffer), WSTR("Profile"));
  EXPECT_EQ(length, 7);
  EXPECT_EQ(english->uiManager()->LoadResString(11, buffer, 4, 0, 0, 0), 3);
  EXPECT_EQ(WideString(buffer), WSTR("Pro"));
  EXPECT_EQ(english->uiManager()->LoadResString(65000, buffer, 260, 0, 0, 0), 0);
  EXPECT_EQ(buffer[0], u'\0');

  SessionOptions japanese;
  japanese.language = UiLanguage::Japanese;
  auto session = Open(kColorPrinterName, japanese);
  EXPECT_EQ(session->uiManager()->GetLanguage(), 0x0411);
  session->uiManager()->LoadResString(917, buffer, 260, 0, 0, 0);
  EXPECT_EQ(WideString(buffer), WSTR("オン"));
}

TEST_F(SessionTest, DriverAnswersPlugInDefaultsAndMapsVirtualBins) {
  auto session = Open(kColorPrinterName);
  DriverContext *driver = session->driverContext();
  int size = driver->QueryDriver(PRIVATE_DATA_ID_POSTER, nullptr, QUERY_PLUGIN_DEFAULTS);
  ASSERT_EQ(size, 48);
  std::vector<BYTE> block(size);
  EXPECT_EQ(driver->QueryDriver(PRIVATE_DATA_ID_POSTER, block.data(), QUERY_PLUGIN_DEFAULTS), 48);
  EXPECT_EQ(block, *session->model().PluginDefault(PRIVATE_DATA_ID_POSTER));
  EXPECT_EQ(driver->QueryDriver(PRIVATE_DATA_ID_OVERLAY + 1, nullptr, QUERY_PLUGIN_DEFAULTS), 0);

  DWORD mailbox = 20, top = 1;
  EXPECT_GT(driver->QueryDriver(QUERY_OUTPUT_BIN, &mailbox, QUERY_OUTPUT_BIN_MAP), 0);
  EXPECT_EQ(mailbox, 2u);
  EXPECT_EQ(driver->QueryDriver(QUERY_OUTPUT_BIN, &top, QUERY_OUTPUT_BIN_MAP), 0);
  EXPECT_EQ(top, 1u);
}

TEST_F(SessionTest, SavedSettingsComeBackAndDamagedOnesFallBackToTheDefaults) {
  {
    auto session = Open(kColorPrinterName);
    session->devMode()->dmCopies = 3;
    ASSERT_TRUE(session->SaveSettings());
  }
  auto reopened = Open(kColorPrinterName);
  EXPECT_EQ(reopened->devMode()->dmCopies, 3);

  BYTE damaged[100] = {};
  RegKey key = RegKey::Create(HKEY_CURRENT_USER, WSTR("Printers\\DevModePerUser"), KEY_SET_VALUE);
  ASSERT_EQ(RegSetValueExW(key.get(), kColorPrinterName, 0, REG_BINARY, damaged, sizeof damaged),
            ERROR_SUCCESS);
  reopened->uiManager()->ReloadDevMode(1);
  EXPECT_EQ(reopened->devMode()->dmCopies, 1);
  EXPECT_EQ(reopened->devModeBytes(), reopened->model().DefaultDevMode());
}

std::vector<BYTE> ColorPrinterData(LPCWSTR name) {
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE,
                            PrinterKeyPath(kColorPrinterName) + WSTR("\\PrinterDriverData"),
                            KEY_QUERY_VALUE);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return {};
  std::vector<BYTE> data(size);
  RegQueryValueExW(key.get(), name, nullptr, &type, data.data(), &size);
  return data;
}

// What the page does after it applied a profile: the settings handed over, the data sets
// written back ("Setup" under the profile's name "_Setup"), RefreshSettings, then the -200
// notification to the notify window. Only then are the settings the printer's.
TEST_F(SessionTest, AppliedSettingsAndDataSetsBecomeThePrintersOnRefreshAndNotification) {
  auto session = Open(kColorPrinterName);
  OwnerWindow owner(*session);
  HWND notify = session->driverContext()->GetNotifyWindow();
  ASSERT_NE(notify, nullptr);
  EXPECT_EQ(notify, owner.handle());

  std::vector<BYTE> applied = session->devModeBytes();
  reinterpret_cast<DEVMODEW *>(applied.data())->dmCopies = 5;
  session->uiManager()->SetCurrentDevMode(reinterpret_cast<DEVMODEW *>(applied.data()));
  BYTE setup[] = {7, 8, 9};
  ASSERT_TRUE(session->uiManager()->WritePrinterValue("_Setup", REG_BINARY, setup, sizeof setup));

  session->driverContext()->RefreshSettings();
  EXPECT_EQ(ColorPrinterData(WSTR("Setup")), (std::vector<BYTE>{7, 8, 9}));
  EXPECT_TRUE(ColorPrinterData(WSTR("_Setup")).empty());
  EXPECT_EQ(Open(kColorPrinterName)->devMode()->dmCopies, 1);

  SettingsAppliedNotify other{{0, 0}, -201, -201};
  SendMessageW(notify, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(Open(kColorPrinterName)->devMode()->dmCopies, 1);
  SettingsAppliedNotify done{{0, 0}, SETTINGS_APPLIED_CODE, SETTINGS_APPLIED_CODE};
  SendMessageW(notify, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&done));
  EXPECT_EQ(Open(kColorPrinterName)->devMode()->dmCopies, 5);
  EXPECT_EQ(session->events().settingsApplied, 1);
}

TEST_F(SessionTest, NoNotifyWindowWithoutTheHostsWindow) {
  auto session = Open(kColorPrinterName);
  { OwnerWindow owner(*session); }
  EXPECT_EQ(session->driverContext()->GetNotifyWindow(), nullptr);
}

}  // namespace
}  // namespace host::testing
