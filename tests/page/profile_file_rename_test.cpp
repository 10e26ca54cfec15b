// A renamed printer's profile files follow its new name on the ANSI platform, when the page is
// activated; the wide platform moves nothing and keeps no name.
#include <gtest/gtest.h>

#include <winplat/config.h>

#include <set>
#include <string>

#include "host/demo_state.h"
#include "page/page_test_support.h"
#include "page/profile_file_rename.h"
#include "support/demo_machine.h"

namespace prfmod::testing {
namespace {

class ProfileFileRenameTest : public host::testing::DemoMachineTest {
 protected:
  void TearDown() override {
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
    DemoMachineTest::TearDown();
  }
  std::string SystemFile(const std::string &name) {
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
  }
  void MakeFile(const std::string &name) {
    HANDLE file = CreateFileA(SystemFile(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
    CloseHandle(file);
  }
  std::set<std::string> ProfileFiles() {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(SystemFile("*_JZP_*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
      return names;
    do
      names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  void StorePrinterName(const char *name) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    ASSERT_TRUE(OpenPrinterA(const_cast<LPSTR>("JZ Color 5300"), &printer, &access));
    char buffer[MAX_PATH] = {};
    std::strncpy(buffer, name, MAX_PATH - 1);
    ASSERT_EQ(SetPrinterDataA(printer, const_cast<LPSTR>("PrinterName"), REG_BINARY,
                              reinterpret_cast<BYTE *>(buffer), MAX_PATH),
              DWORD(ERROR_SUCCESS));
    ClosePrinter(printer);
  }
  std::string StoredPrinterName() {
    HANDLE printer = nullptr;
    OpenPrinterA(const_cast<LPSTR>("JZ Color 5300"), &printer, nullptr);
    char buffer[MAX_PATH] = {};
    DWORD type = 0, needed = 0;
    GetPrinterDataA(printer, const_cast<LPSTR>("PrinterName"), &type,
                    reinterpret_cast<BYTE *>(buffer), MAX_PATH, &needed);
    ClosePrinter(printer);
    return std::string(buffer, strnlen(buffer, MAX_PATH));
  }
};

TEST_F(ProfileFileRenameTest, FilesMoveToTheNewNameWithTheirSuffix) {
  MakeFile("Old_Name_JZP_0001_Default DevMode");
  MakeFile("Old_Name_JZP_0002_VtWatermark");
  MakeFile("Other_JZP_0001_Default DevMode");
  MakeFile("Old_Name.txt");
  MoveProfileFiles("Old/Name", "New|Name");
  EXPECT_EQ(ProfileFiles(), (std::set<std::string>{"New_Name_JZP_0001_Default DevMode",
                                                   "New_Name_JZP_0002_VtWatermark",
                                                   "Other_JZP_0001_Default DevMode"}));
}

TEST_F(ProfileFileRenameTest, ActivateOnTheAnsiPlatformMovesAndDeactivateKeepsTheName) {
  winplat::SetWindowsVersion(winplat::WindowsVersion::Win98);
  StorePrinterName("Old Printer");
  MakeFile("Old Printer_JZP_0001_Default DevMode");
  PageFixture fixture;
  fixture.context.platform = HOST_PLATFORM_ANSI;
  fixture.page.Activate();
  EXPECT_EQ(ProfileFiles(), std::set<std::string>{"JZ Color 5300_JZP_0001_Default DevMode"});
  EXPECT_STREQ(fixture.page.GetPrinterNameA(), "JZ Color 5300");
  EXPECT_TRUE(fixture.page.Deactivate());
  EXPECT_EQ(StoredPrinterName(), "JZ Color 5300");
}

TEST_F(ProfileFileRenameTest, WidePlatformMovesNothing) {
  StorePrinterName("Old Printer");
  MakeFile("Old Printer_JZP_0001_Default DevMode");
  PageFixture fixture;
  fixture.page.Activate();
  EXPECT_TRUE(fixture.page.Deactivate());
  EXPECT_EQ(ProfileFiles(), std::set<std::string>{"Old Printer_JZP_0001_Default DevMode"});
  EXPECT_EQ(StoredPrinterName(), "Old Printer");
}

TEST_F(ProfileFileRenameTest, SameNameInAnotherCaseMovesNothing) {
  winplat::SetWindowsVersion(winplat::WindowsVersion::Win98);
  StorePrinterName("jz color 5300");
  MakeFile("jz color 5300_JZP_0001_Default DevMode");
  PageFixture fixture;
  fixture.context.platform = HOST_PLATFORM_ANSI;
  fixture.page.Activate();
  EXPECT_EQ(ProfileFiles(), std::set<std::string>{"jz color 5300_JZP_0001_Default DevMode"});
}

}  // namespace
}  // namespace prfmod::testing
