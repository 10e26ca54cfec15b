// The profile store's view of its printer: platform, language, client mode, registry name,
// driver directory, default DEVMODE, raw printer data and the stored header list.
#include <gtest/gtest.h>

#include <cstring>

#include "abi/wide.h"
#include "store/store_test_support.h"

namespace store_testing {
namespace {

using tested_windows::WindowsVersion;

class VtProfJzpTest : public StoreTest {};

TEST_P(VtProfJzpTest, KnowsItsPrinterOnEachPlatform) {
  auto session = Open(host::kColorPrinterName);
  auto store = Store(host::kColorPrinterName);

  EXPECT_EQ(store->IsAnsiPlatform(), Ansi());
#if defined(_WIN64)
  // Windows spells the system folder as it likes: paths compare without regard to case.
  EXPECT_STRCASEEQ(store->GetDriverDirectory(), "C:\\WINDOWS\\system32\\spool\\DRIVERS\\x64\\3");
#else
  EXPECT_STREQ(store->GetDriverDirectory(),
               Ansi() ? "C:\\WINDOWS\\SYSTEM" : "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3");
#endif
  EXPECT_STREQ(store->GetRegistryNameA(), "JZ Color 5300");
  store->GetDriverName();
  EXPECT_STREQ(store->GetCachedDriverName(), "JZ Color 5300 PS");
  std::vector<BYTE> defaults = session->PrinterDefaultDevMode();
  ASSERT_EQ(store->GetDefaultDevModeBufferSize(), defaults.size());
  if (tested_windows::IsWine())
    GTEST_SKIP() << "Wine's GetPrinter hands the printer's DEVMODE back with the bytes behind "
                    "dmDeviceName's terminator filled by its DEVMODEA conversion";
  EXPECT_EQ(std::memcmp(store->GetDefaultDevModeBuffer(), defaults.data(), defaults.size()), 0);
}

TEST_P(VtProfJzpTest, StoredDefaultProfileDevModeTakesPrecedenceOverTheDrivers) {
  const std::vector<BYTE> stored = Pattern(1200, 3);
  SetPrinterValue(host::kColorPrinterName, "JZP_0000_Default DevMode", stored);
  // A user profile named like the default one is not taken for it.
  StoreHeaders(host::kColorPrinterName,
               {Header("FACTORY DEFAULT", 4), Header("Factory Default", 0)}, 2);
  Store(host::kColorPrinterName)
      ->SaveProfileRegValue("FACTORY DEFAULT", 4, "Default DevMode", Pattern(500, 1).data(), 500,
                            REG_BINARY);
  auto store = Store(host::kColorPrinterName);
  ASSERT_EQ(store->GetDefaultDevModeBufferSize(), 1200u);
  EXPECT_EQ(std::memcmp(store->GetDefaultDevModeBuffer(), stored.data(), stored.size()), 0);
  std::vector<BYTE> small(100);
  EXPECT_EQ(store->GetDefaultDevMode(small.data(), 100), 100u);
  EXPECT_EQ(std::memcmp(small.data(), stored.data(), 100), 0);
}

// Linux only: the platform layer counts the store's waits instead of sleeping them.
#if !defined(_WIN32)
TEST_P(VtProfJzpTest, DriverThatNeverTellsItsDevModeSizeGetsFiveTriesAndTheFallback) {
  SilenceDriver(host::kColorPrinterName);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();

  auto store = Store(host::kColorPrinterName);

  EXPECT_EQ(store->GetDefaultDevModeBufferSize(), 2268u);
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 5000u);
  EXPECT_EQ(store->RetryDefaultDevModeSize(), 2268u);
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 10000u);
}

// The stores of one page share its identity: the driver's silence costs five seconds once, while
// a default DEVMODE that one of them stores later takes precedence over the fallback until one
// of them removes it again.
TEST_P(VtProfJzpTest, StoresSharingAnIdentityWaitForASilentDriverOnce) {
  SilenceDriver(host::kColorPrinterName);
  auto identity = Identity(host::kColorPrinterName);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();

  EXPECT_EQ(Store(*identity)->GetDefaultDevModeBufferSize(), 2268u);
  auto second = Store(*identity);
  EXPECT_EQ(second->GetDefaultDevModeBufferSize(), 2268u);
  EXPECT_EQ(second->RetryDefaultDevModeSize(), 2268u);
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 5000u);

  const std::vector<BYTE> stored = Pattern(1200, 3);
  Store(*identity)->SetRegValue("JZP_0000_Default DevMode", stored.data(), 1200, REG_BINARY);
  auto third = Store(*identity);
  ASSERT_EQ(third->GetDefaultDevModeBufferSize(), 1200u);
  EXPECT_EQ(std::memcmp(third->GetDefaultDevModeBuffer(), stored.data(), 1200), 0);
  Store(*identity)->RemoveRegValue(PRINTER_DATA_KEY, "JZP_0000_Default DevMode");
  EXPECT_EQ(Store(*identity)->GetDefaultDevModeBufferSize(), 2268u);
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 5000u);
}

// A driver that answers is asked once for the page's stores too.
TEST_P(VtProfJzpTest, StoresSharingAnIdentityKeepTheDriversAnswer) {
  auto session = Open(host::kColorPrinterName);
  const size_t driverSize = session->PrinterDefaultDevMode().size();
  auto identity = Identity(host::kColorPrinterName);
  EXPECT_EQ(Store(*identity)->GetDefaultDevModeBufferSize(), driverSize);
  SilenceDriver(host::kColorPrinterName);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();
  auto second = Store(*identity);
  EXPECT_EQ(second->GetDefaultDevModeBufferSize(), driverSize);
  EXPECT_EQ(second->RetryDefaultDevModeSize(), driverSize);
  EXPECT_EQ(winplat::SleptMilliseconds(), sleptBefore);
}

#endif

TEST_P(VtProfJzpTest, ClientModeFollowsTheControlSetOrTheWriteProbeOnTheGivenHandle) {
  if (tested_windows::IsWine())
    GTEST_SKIP() << "Wine's spooler lets a handle opened for use only write printer data";
  auto session = Open(host::kColorPrinterName);
  host::PrinterHandle useOnly =
      host::PrinterHandle::Open(host::kColorPrinterName, PRINTER_ACCESS_USE);
  OverridingUIManager says(session->uiManager());
  FakeControlSet controlSet(&says);
  FakeControlSet noManager(nullptr);
  struct Case {
    const char *what;
    HANDLE handle;
    CControlSet *controlSet;
    std::optional<bool> managerSays;
    bool client;
  } cases[] = {
      {"no handle, no control set", nullptr, nullptr, std::nullopt, true},
      {"invalid handle value", INVALID_HANDLE_VALUE, nullptr, std::nullopt, true},
      {"administrator handle", session->printerHandle(), nullptr, std::nullopt, false},
      {"handle without administration", useOnly.get(), nullptr, std::nullopt, true},
      {"control set without a manager probes", session->printerHandle(), &noManager, std::nullopt,
       false},
      {"manager says client", session->printerHandle(), &controlSet, true, true},
      {"manager says not client", nullptr, &controlSet, false, false},
  };
  for (const Case &c : cases) {
    says.clientMode = c.managerSays;
    EXPECT_EQ(Store(host::kColorPrinterName, c.handle, c.controlSet)->IsClientMode(), c.client)
        << c.what;
  }
  EXPECT_TRUE(PrinterValue(host::kColorPrinterName, "JZP_FLAG").has_value());
}

// Linux only: the demo machine on Windows has no print server, so its monochrome printer
// is a local queue there.
#if !defined(_WIN32)
TEST_P(VtProfJzpTest, PrintersOnNetworkPortsHaveCommasInTheirRegistryNames) {
  struct Case {
    const WCHAR *port;
    bool network;
    const char *registryName;
  } cases[] = {
      {WSTR("\\\\PRINTSRV\\JZMono2100"), true, ",,PRINTSRV,JZ Mono 2100"},
      {WSTR("http://printsrv/mono"), true, ",,PRINTSRV,JZ Mono 2100"},
      {WSTR("ipp://printsrv/mono"), true, ",,PRINTSRV,JZ Mono 2100"},
      {WSTR("HTTP://printsrv/mono"), false, "JZ Mono 2100"},
      {WSTR("IP_10.0.0.21"), false, "JZ Mono 2100"},
  };
  for (const Case &c : cases) {
    SetPrinterKeyValue(host::kMonoPrinterName, WSTR("Port"), c.port);
    auto store = Store(host::kMonoPrinterName);
    EXPECT_EQ(store->IsNetworkPort(), c.network) << host::Utf8FromUtf16(c.port);
    EXPECT_STREQ(store->GetRegistryNameA(), c.registryName) << host::Utf8FromUtf16(c.port);
    EXPECT_EQ(host::Utf8FromUtf16(store->GetRegistryNameW()), c.registryName);
  }
}
#endif

TEST_P(VtProfJzpTest, PrinterDataRoundTripsAndIsRemovedThroughTheRegistry) {
  for (const WideString printer : {host::kColorPrinterName, host::kMonoPrinterName}) {
    auto store = Store(printer);
    const std::vector<BYTE> data = Pattern(40, 1);
    store->SetRegValue("JZP_0007_Test", data.data(), 40, REG_BINARY);
    EXPECT_EQ(store->GetRegValueSize("JZP_0007_Test"), 40u);

    std::vector<BYTE> buffer(40, 0xEE);
    EXPECT_EQ(store->GetRegValue("JZP_0007_Test", buffer.data(), 39), 0u);
    EXPECT_EQ(buffer, std::vector<BYTE>(40, 0xEE));
    EXPECT_EQ(store->GetRegValue("JZP_0007_Test", buffer.data(), 40), 40u);
    EXPECT_EQ(buffer, data);

    EXPECT_TRUE(store->RemoveRegValue(PRINTER_DATA_KEY, "JZP_0007_Test"));
    EXPECT_FALSE(PrinterValue(printer, "JZP_0007_Test").has_value());
    EXPECT_EQ(store->GetRegValueSize("JZP_0007_Test"), 0u);
    EXPECT_TRUE(store->RemoveRegValue(PRINTER_DATA_KEY, "JZP_0007_Test"));  // already gone
  }
}

TEST_P(VtProfJzpTest, PrinterThatCannotBeOpenedReadsAndWritesNothing) {
  auto store = Store(WSTR("No Such Printer"));
  const BYTE data[4] = {1, 2, 3, 4};
  store->SetRegValue("VtCPSCount", data, 4, REG_BINARY);
  EXPECT_EQ(store->GetRegValueSize("VtCPSCount"), 0u);
  EXPECT_TRUE(store->IsClientMode());
  EXPECT_EQ(store->GetDefaultDevModeBufferSize(), 2268u);
}

// Linux only: "UserAccess" is the platform layer's stand-in for a restricted user; Windows
// takes the rights from the user's token.
#if !defined(_WIN32)
TEST_P(VtProfJzpTest, RestrictedUserWritesNoPrinterData) {
  host::RegKey key = host::RegKey::Open(
      HKEY_LOCAL_MACHINE, host::PrinterKeyPath(host::kColorPrinterName), KEY_SET_VALUE);
  DWORD useOnly = PRINTER_ACCESS_USE;
  ASSERT_EQ(RegSetValueExW(key.get(), WSTR("UserAccess"), 0, REG_DWORD,
                           reinterpret_cast<BYTE *>(&useOnly), 4),
            ERROR_SUCCESS);
  auto store = Store(host::kColorPrinterName);
  const BYTE data[4] = {1, 2, 3, 4};
  store->SetRegValue("JZP_0001", data, 4, REG_BINARY);
  EXPECT_FALSE(PrinterValue(host::kColorPrinterName, "JZP_0001").has_value());
  EXPECT_TRUE(store->IsClientMode());
}
#endif

TEST_P(VtProfJzpTest, StoredHeadersAreFoundByNameWithoutRegardToCase) {
  StoreHeaders(host::kColorPrinterName,
               {Header("Factory Default", 0), Header("Office", 3), Header("Draft", 5)}, 3);
  auto store = Store(host::kColorPrinterName);
  EXPECT_EQ(store->GetProfRegNum("OFFICE"), 3);
  EXPECT_EQ(store->GetProfRegNum("draft"), 5);
  EXPECT_EQ(store->GetProfRegNum("Nobody"), 0);

  char names[2][32];
  char descriptions[2][512];
  EXPECT_EQ(store->GetProfileDataFromModel(names, descriptions, 2), 3u);
  EXPECT_STREQ(names[1], "Office");
  ASSERT_NE(store->GetProfileDataModel("office"), nullptr);
  EXPECT_EQ(store->GetProfileDataModel("office")->nProfRegNum, 3);
  EXPECT_EQ(store->GetProfileDataModel("Nobody"), nullptr);
}

TEST_P(VtProfJzpTest, DamagedHeaderListsYieldOnlyTheirWholeHeaders) {
  std::vector<ProfileHeader> headers = {Header("Factory Default", 0), Header("Office", 3)};
  std::memset(headers[1].strProfileName, 'x', sizeof headers[1].strProfileName);  // no end
  StoreHeaders(host::kColorPrinterName, headers, 1000);
  std::vector<BYTE> data = *PrinterValue(host::kColorPrinterName, "JzProfileData");
  data.resize(data.size() - 1);  // the second header is cut short
  SetPrinterValue(host::kColorPrinterName, "JzProfileData", data);

  auto store = Store(host::kColorPrinterName);
  EXPECT_EQ(store->GetProfileDataFromModel(nullptr, nullptr, 0), 1u);
  EXPECT_EQ(store->GetProfRegNum(std::string(31, 'x').c_str()), 0);

  data.resize(data.size() + 1);
  SetPrinterValue(host::kColorPrinterName, "JzProfileData", data);
  EXPECT_EQ(Store(host::kColorPrinterName)->GetProfRegNum(std::string(31, 'x').c_str()), 3);
}

INSTANTIATE_TEST_SUITE_P(Platforms, VtProfJzpTest, tested_windows::NtAnd98(), PlatformName);

class VtProfJzpSystemTest : public host::testing::DemoMachineTest {};

// Linux only: the platform layer plays each Windows version and user locale; a Windows system
// has one of each.
#if !defined(_WIN32)
TEST_F(VtProfJzpSystemTest, OsVersionCodeAndPlatformFollowTheWindowsVersion) {
  struct Case {
    WindowsVersion version;
    DWORD code;
    bool ansi;
  } cases[] = {{WindowsVersion::Win95, 1, true},       {WindowsVersion::Win98, 2, true},
               {WindowsVersion::WinMe, 3, true},       {WindowsVersion::NT4, 17, false},
               {WindowsVersion::Win2000, 18, false},   {WindowsVersion::WinXP, 19, false},
               {WindowsVersion::Server2003, 20, false}};
  for (const Case &c : cases) {
    winplat::SetWindowsVersion(c.version);
    VTPROFJZP store(nullptr, static_cast<LPCSTR>(nullptr), nullptr, nullptr);
    EXPECT_EQ(store.GetOsVersionCode(), c.code) << c.code;
    EXPECT_EQ(store.IsAnsiPlatform(), c.ansi) << c.code;
  }
}

TEST_F(VtProfJzpSystemTest, LanguageByteTellsSimplifiedFromTraditionalChinese) {
  struct Case {
    LANGID language;
    DWORD code;
  } cases[] = {
      {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 0x09},
      {MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT), 0x0C},  // "040c": a hexadecimal letter
      {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 0x11},
      {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), 0x19},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), 0xC1},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 0xC0},
  };
  for (const Case &c : cases) {
    winplat::SetUserDefaultLocale(MAKELCID(c.language, SORT_DEFAULT));
    VTPROFJZP store(nullptr, static_cast<LPCSTR>(nullptr), nullptr, nullptr);
    EXPECT_EQ(store.GetLanguageCode(), c.code) << std::hex << c.language;
  }
  winplat::SetUserDefaultLocale(
      MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
}

#endif

}  // namespace
}  // namespace store_testing
