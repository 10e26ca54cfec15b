// The default machine: what it installs, and its state file.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "abi/private_blocks.h"
#include "host/devmode_chain.h"
#include "host/stored_profiles.h"
#include "host/win32_handles.h"
#include "host/registration_store.h"
#include "host/printer_model.h"
#include "host/text_convert.h"

namespace host::testing {
namespace {

using DemoStateTest = DemoMachineTest;

std::string ReadFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(DemoStateTest, StateFileRoundTripsByteForByte) {
  std::filesystem::path first = folder_ / "first.reg", second = folder_ / "second.reg";
  ASSERT_TRUE(winplat::SaveRegistryFile(first.string()));
  winplat::ResetRegistry();
  ASSERT_TRUE(winplat::LoadRegistryFile(first.string())) << winplat::LastRegistryFileError();
  ASSERT_TRUE(winplat::SaveRegistryFile(second.string()));
  std::string text = ReadFile(first);
  EXPECT_EQ(text, ReadFile(second));
  EXPECT_TRUE(text.starts_with("Windows Registry Editor Version 5.00\n"));
  EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\"
                      ",,PRINTSRV,JZ Mono 2100\\PrinterDriverData]"),
            std::string::npos);
  EXPECT_NE(text.find("\"VtCPSCount\"=dword:00000002"), std::string::npos);
}

TEST_F(DemoStateTest, BothPrintersAreListedWithTheirDrivers) {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed,
                &count);
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2,
                            buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 2u);
  auto *printers = reinterpret_cast<PRINTER_INFO_2W *>(buffer.data());
  std::vector<std::pair<WideString, WideString>> listed;
  for (DWORD i = 0; i < count; ++i)
    listed.emplace_back(printers[i].pPrinterName, printers[i].pDriverName);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::pair<WideString, WideString>>{
                        {kColorPrinterName, WSTR("JZ Color 5300 PS")},
                        {kMonoPrinterName, WSTR("JZ Mono 2100")}}));
}

TEST_F(DemoStateTest, DriverFoldersExistForBothPlatforms) {
  for (const WCHAR *environment : {WSTR("Windows NT x86"), WSTR("Windows 4.0")}) {
    HANDLE printer = nullptr;
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kColorPrinterName), &printer, nullptr));
    DWORD needed = 0;
    GetPrinterDriverW(printer, const_cast<LPWSTR>(environment), 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetPrinterDriverW(printer, const_cast<LPWSTR>(environment), 2, buffer.data(),
                                  needed, &needed));
    ClosePrinter(printer);
    WideString path = reinterpret_cast<DRIVER_INFO_2W *>(buffer.data())->pDriverPath;
    WideString folder = path.substr(0, path.rfind(u'\\'));
    DWORD attributes = GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << Utf8FromUtf16(folder);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
}

// The other modules are registered where a model has their blocks; the prologue/epilogue
// module lies where the module's search for it begins (number 2), on the colour model only.
TEST_F(DemoStateTest, OtherPlugInModulesAreRegisteredWhereTheModelHasTheirBlocks) {
  struct Case {
    const PrinterModel &model;
    std::vector<std::string> modules;
  } cases[] = {
      {ColorLaserModel(), {"WMKMOD32.dll", "PEPMOD32.dll", "PSTMOD32.dll"}},
      {MonoLaserModel(), {"WMKMOD32.dll"}},
  };
  for (const Case &c : cases) {
    RegistrationStore store(c.model.driverName);
    std::vector<std::string> modules;
    ModuleRegistryEntry entry;
    for (int number = 1; store.Read(("FeatureSet" + std::to_string(number)).c_str(), &entry);
         ++number) {
      modules.push_back(entry.szUiModule);
      EXPECT_EQ(entry.dwFlags & MODULE_ENTRY_ENABLED, MODULE_ENTRY_ENABLED);
      EXPECT_NE(entry.dwModuleId, 1232u);
    }
    EXPECT_EQ(modules, c.modules) << Utf8FromUtf16(c.model.driverName);
  }
}

// The host's help directory holds the driver's version file of a release build and its two
// help files.
TEST_F(DemoStateTest, HelpDirectoryHoldsTheVersionFileAndTheHelpFiles) {
  const std::string help = "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\HELP\\";
  EXPECT_EQ(
      GetPrivateProfileIntA("Version Number", "IsPreRelease", 7, (help + "DrvVer.ini").c_str()),
      0u);
  for (const char *file : {"DRVHLPEN.HLP", "DRVHLPJP.HLP"})
    EXPECT_NE(GetFileAttributesA((help + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
}

// The driver's setup stores each printer's built-in profile (registry number 0) as the profile
// store keeps a profile: the default settings with the print size and the output bin as their
// list entries' identifiers + 1000, and the data sets, "Setup" as "_Setup".
TEST_F(DemoStateTest, SetupStoresEachPrintersBuiltInProfile) {
  std::string error;
  ASSERT_TRUE(StoreBuiltInProfiles(&error)) << error;
  struct Case {
    const WCHAR *printer;
    WORD printSize;  // Letter (1) on the colour printer, A4 (9) on the monochrome one
    std::vector<BYTE> setup;
  } cases[] = {
      {kColorPrinterName, 1001, {0x53, 0x01, 0x02, 0x03, 0x00, 0x02, 0x00, 0x01}},
      {kMonoPrinterName, 1009, {0x21, 0x00, 0x01, 0x00}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(Utf8FromUtf16(c.printer));
    PrinterHandle printer = PrinterHandle::Open(c.printer, PRINTER_ALL_ACCESS);
    std::map<std::string, std::vector<BYTE>> stored;
    for (const StoredProfileValue &value : ReadStoredProfileValues(printer.get(), c.printer, 0)) {
      EXPECT_EQ(value.type, static_cast<DWORD>(REG_BINARY)) << value.name;
      EXPECT_FALSE(value.sideFile);
      stored[value.name] =
          ReadStoredProfileValueData(printer.get(), value).value_or(std::vector<BYTE>());
    }
    EXPECT_EQ(stored["_Setup"], c.setup);
    EXPECT_EQ(stored.count("Setup"), 0u);
    EXPECT_EQ(stored["VtCPSData"].size() % 48, 0u);
    EXPECT_FALSE(stored["VtCPSData"].empty());
    EXPECT_FALSE(stored["VtFontSub"].empty());

    const std::vector<BYTE> &devMode = stored["Default DevMode"];
    ASSERT_TRUE(IsCompleteDevMode(devMode));
    std::optional<BlockInfo> main = FindPrivateBlock(devMode, PRIVATE_DATA_ID_MAIN);
    ASSERT_TRUE(main);
    pdMain block;
    std::memcpy(&block, devMode.data() + main->offset, sizeof block);
    EXPECT_EQ(block.wScaleSizeIdx, c.printSize);
    EXPECT_EQ(block.wOutBinIdx, 1001);
  }
}

}  // namespace
}  // namespace host::testing
