// The page's export and import commands over the printers of the demo machine, on Windows XP
// and 98: the save and open choosers and the questions answered by the operator, the files
// read back byte by byte and the stored profiles read back from the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "page/command_test_support.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_test_support.h"

namespace prfmod::testing {
namespace {

constexpr char16_t kFile[] = u"C:\\profiles.jzp";

class PageFileCommandsTest : public PageCommandTest {
 protected:
  // Drive C: is the test's own off Windows; on Windows an earlier test's file is still there.
  void SetUp() override {
    PageCommandTest::SetUp();
    std::filesystem::remove(tested_windows::HostPath("C:\\profiles.jzp"));
  }

  std::vector<BYTE> FileOnDisk() {
    return jzp_testing::ReadBytes(tested_windows::HostPath("C:\\profiles.jzp"));
  }
  void PutFile(const std::vector<BYTE> &bytes) {
    jzp_testing::WriteBytes(tested_windows::HostPath("C:\\profiles.jzp"), bytes);
  }

  // The names of the profiles a file holds, in file order.
  static std::vector<std::string> FileProfiles(const std::vector<BYTE> &bytes) {
    const JzpMemorySource source(bytes.data(), static_cast<DWORD>(bytes.size()));
    JzpFileReader reader(source);
    JzpHead head;
    std::vector<std::string> names;
    if (!reader.ReadHead(&head))
      return names;
    for (JzpEntryInfo info; reader.NextEntry(&info);)
      names.push_back(info.entry.szProfileName);
    return names;
  }

  // The command as the page's window receives it: the export button is disabled while only the
  // built-in profile, or nothing, is selected, but the command itself still answers.
  void Command(int controlId) const {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, controlId)));
  }

  std::vector<std::string> IndexNames(int regNum) {
    std::vector<std::string> names;
    for (const ProfileValueInfo &value :
         Store(host::kColorPrinterName)->EnumProfileRegValue("", regNum))
      names.push_back(value.name);
    std::sort(names.begin(), names.end());
    return names;
  }
};

// 144 bytes: "JZP", the colour model's driver version 0x0340 and a count of 0.
void ExpectHeaderOnly(const std::vector<BYTE> &file) {
  ASSERT_EQ(file.size(), 144u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 4), std::string("JZP\0", 4));
  EXPECT_EQ(file[8] | file[9] << 8, 0x0340);
  EXPECT_EQ(file[12] | file[13] << 8, 0);
}

TEST_P(PageFileCommandsTest, ExportOfTheBuiltInProfileAloneAsksAndWritesTheHeaderOnly) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  OpenPage(host::kColorPrinterName);
  SelectRows({0});
  operator_.QueueSaveFile(kFile);
  operator_.Queue(IDYES);
  Command(IDC_PROFILE_EXPORT);

  ASSERT_EQ(winplat::MessageBoxLog().size(), 1u);
  EXPECT_EQ(WideFromOperator(winplat::MessageBoxLog()[0].text),
            HostString(IDS_EXPORT_SKIPS_DEFAULT));
  ExpectHeaderOnly(FileOnDisk());
}

TEST_P(PageFileCommandsTest, ExportWithoutSelectionWritesTheHeaderOnlyWithoutAsking) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  OpenPage(host::kColorPrinterName);
  SelectRows({});
  operator_.QueueSaveFile(kFile);
  Command(IDC_PROFILE_EXPORT);

  EXPECT_TRUE(winplat::MessageBoxLog().empty());
  ExpectHeaderOnly(FileOnDisk());
}

TEST_P(PageFileCommandsTest, ExportWritesTheSelectedProfilesInListOrder) {
  StoreProfiles(host::kColorPrinterName, {"Zeta", "Alpha", "Mid"});
  OpenPage(host::kColorPrinterName);
  ASSERT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Alpha"), WSTR("Mid"),
                                             WSTR("Zeta")}));
  SelectRows({3, 1});
  operator_.QueueSaveFile(kFile);
  Click(IDC_PROFILE_EXPORT);

  EXPECT_EQ(FileProfiles(FileOnDisk()), (std::vector<std::string>{"Alpha", "Zeta"}));
}

TEST_P(PageFileCommandsTest, ExportOfTheBuiltInAndOthersAnsweredYesWritesTheOthers) {
  StoreProfiles(host::kColorPrinterName, {"Office", "Travel"});
  OpenPage(host::kColorPrinterName);
  SelectRows({0, 1, 2});
  operator_.QueueSaveFile(kFile);
  operator_.Queue(IDYES);
  Click(IDC_PROFILE_EXPORT);

  EXPECT_EQ(winplat::MessageBoxLog().size(), 1u);
  EXPECT_EQ(FileProfiles(FileOnDisk()), (std::vector<std::string>{"Office", "Travel"}));
}

TEST_P(PageFileCommandsTest, ExportOverAnExistingFileAnsweredNoLeavesIt) {
  StoreProfiles(host::kColorPrinterName, {"Office"});
  PutFile({1, 2, 3});
  OpenPage(host::kColorPrinterName);
  SelectRows({1});
  operator_.QueueSaveFile(kFile);
  operator_.Queue(IDNO);
  Click(IDC_PROFILE_EXPORT);

  ASSERT_EQ(winplat::MessageBoxLog().size(), 1u);
  EXPECT_EQ(WideFromOperator(winplat::MessageBoxLog()[0].text), HostString(IDS_FILE_EXISTS));
  EXPECT_EQ(FileOnDisk(), (std::vector<BYTE>{1, 2, 3}));
}

// Values whose names are not plain value names are skipped, the rest of the profile imported.
TEST_P(PageFileCommandsTest, ImportStoresOnlyPlainValueNames) {
  jzp_testing::ProfileBytes profile{"Hostile", {}};
  const std::vector<BYTE> data = {1, 2, 3, 4};
  for (const char *name :
       {"..\\..\\evil", "a/b", "c:d", "JzProfileCount", "JzProfileData", "Default DevMode",
        "_Setup", "JZP_0000_Default DevMode", "tab\there", "", "VtGood"}) {
    const std::vector<BYTE> item = jzp_testing::RegItem(name, REG_BINARY, data);
    profile.sections[JZP_SECTION_REGISTRY].insert(profile.sections[JZP_SECTION_REGISTRY].end(),
                                                  item.begin(), item.end());
  }
  const std::vector<BYTE> longName =
      jzp_testing::RegItem(std::string(251, 'L').c_str(), REG_BINARY, data);
  profile.sections[JZP_SECTION_REGISTRY].insert(profile.sections[JZP_SECTION_REGISTRY].end(),
                                                longName.begin(), longName.end());
  profile.sections[JZP_SECTION_SETUP] = jzp_testing::RegItem("_Setup", REG_BINARY, {});
  PutFile(jzp_testing::FileBytes({profile}, 1));
  StoreProfiles(host::kColorPrinterName, {});
  const auto countBefore = PrinterValue(host::kColorPrinterName, "JzProfileCount");
  OpenPage(host::kColorPrinterName);
  operator_.QueueOpenFile(kFile);
  operator_.Queue(IDYES);
  Click(IDC_PROFILE_IMPORT);

  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Hostile")}));
  EXPECT_EQ(IndexNames(1), (std::vector<std::string>{"Default DevMode", "VtGood"}));
  EXPECT_EQ(StoredValue(host::kColorPrinterName, 1, "VtGood"), data);
  EXPECT_NE(PrinterValue(host::kColorPrinterName, "JzProfileCount"), countBefore);
  EXPECT_FALSE(PrinterValue(host::kColorPrinterName, "evil"));
}

// The built-in profile's name is refused without a question; the other profile is added.
TEST_P(PageFileCommandsTest, ImportSkipsTheBuiltInNameSilently) {
  jzp_testing::ProfileBytes builtIn{"Factory Default", {}};
  jzp_testing::ProfileBytes office{"Office", {}};
  for (auto *profile : {&builtIn, &office})
    profile->sections[JZP_SECTION_SETUP] = jzp_testing::RegItem("_Setup", REG_BINARY, {});
  PutFile(jzp_testing::FileBytes({builtIn, office}, 2));
  StoreProfiles(host::kColorPrinterName, {});
  OpenPage(host::kColorPrinterName);
  operator_.QueueOpenFile(kFile);
  Click(IDC_PROFILE_IMPORT);

  EXPECT_EQ(Rows(), (std::vector<WideString>{WSTR("Factory Default"), WSTR("Office")}));
  const std::vector<ProfileHeader> stored = StoredHeaders(host::kColorPrinterName);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].nProfRegNum, 0);
}

INSTANTIATE_TEST_SUITE_P(Platforms, PageFileCommandsTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);

}  // namespace
}  // namespace prfmod::testing
