// The driver data sets that travel with a profile: which printer values a profile takes, how
// they are written back, and their removal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "store/page_store.h"
#include "store/store_test_support.h"

namespace store_testing {
namespace {

using tested_windows::WindowsVersion;

class DataSetsTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    session_ = Open(host::kColorPrinterName);
    manager_ = std::make_unique<OverridingUIManager>(session_->uiManager());
    page_ = std::make_unique<FakePage>(*session_, manager_.get());
    for (auto [name, number] : {std::pair{"Factory Default", 0}, {"Office", 3}}) {
      ProfileHeader header = Header(name, number);
      page_->list().Insert(&header);
    }
  }

  // Every value of the printer's PrinterDriverData key, by name.
  std::map<std::string, std::vector<BYTE>> PrinterValues() {
    std::map<std::string, std::vector<BYTE>> values;
    host::RegKey key = PrinterDataKey(host::kColorPrinterName, KEY_QUERY_VALUE);
    for (DWORD index = 0;; ++index) {
      WCHAR name[MAX_PATH];
      DWORD length = MAX_PATH, size = 0;
      if (RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, &size) !=
          ERROR_SUCCESS)
        break;
      std::vector<BYTE> data(size);
      length = MAX_PATH;
      RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, data.data(), &size);
      values[host::Utf8FromUtf16(name)] = data;
    }
    return values;
  }

  std::vector<std::string> ProfileValueNames(int regNum) {
    std::vector<std::string> names;
    for (const ProfileValueInfo &value :
         Store(host::kColorPrinterName)->EnumProfileRegValue("", regNum))
      names.push_back(value.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  // A profile value where the platform keeps it: a side file for user profiles on the ANSI
  // platform, printer data otherwise.
  std::optional<std::vector<BYTE>> Stored(int regNum, const std::string &valueName) {
    const std::string dataName = DataName(regNum, valueName);
    if (Ansi() && regNum != 0)
      return SideFile("JZ Color 5300_" + dataName);
    return PrinterValue(host::kColorPrinterName, dataName);
  }

  void RemoveStored(int regNum, const std::string &valueName) {
    const std::string dataName = DataName(regNum, valueName);
    if (Ansi() && regNum != 0) {
      ASSERT_EQ(
          std::remove(
              tested_windows::HostPath("C:\\WINDOWS\\SYSTEM\\JZ Color 5300_" + dataName).c_str()),
          0);
      return;
    }
    host::RegKey key = PrinterDataKey(host::kColorPrinterName, KEY_SET_VALUE);
    ASSERT_EQ(RegDeleteValueW(key.get(), host::Utf16FromUtf8(dataName).c_str()), ERROR_SUCCESS);
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<OverridingUIManager> manager_;
  std::unique_ptr<FakePage> page_;
};

TEST_P(DataSetsTest, ProfileTakesTheVtValuesAndSetupAsUnderscoreSetupAndNothingElse) {
  SetPrinterValue(host::kColorPrinterName, "Setup", Pattern(12, 1));
  SetPrinterValue(host::kColorPrinterName, "Other", Pattern(12, 2));
  SetPrinterValue(host::kColorPrinterName, "vtLowerCase", Pattern(12, 3));
  SetPrinterValue(host::kColorPrinterName, "SetupExtra", Pattern(12, 4));
  SetPrinterValue(host::kColorPrinterName, "VtFontSub", Bytes({0x41, 0, 0, 0}), REG_DWORD);
  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0)}, 1);
  const std::map<std::string, std::vector<BYTE>> before = PrinterValues();

  ASSERT_TRUE(SaveProfilePrinterRegData(*page_, HKEY_LOCAL_MACHINE, "Office"));

  std::vector<std::string> expected = {"_Setup"};
  for (const auto &[name, data] : before)
    if (name.rfind("Vt", 0) == 0)
      expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ProfileValueNames(3), expected);
  auto store = Store(host::kColorPrinterName);
  for (const std::string &name : expected) {
    const std::string printerName = name == "_Setup" ? "Setup" : name;
    std::vector<BYTE> data(before.at(printerName).size());
    DWORD size = 0, type = 0;
    EXPECT_EQ(store->LoadProfileRegValue("Office", 3, name.c_str(), data.data(),
                                         static_cast<DWORD>(data.size()), &size, &type),
              data.size())
        << name;
    EXPECT_EQ(data, before.at(printerName)) << name;
    EXPECT_EQ(type, DWORD{REG_BINARY}) << name;
  }
}

// A profile that the page's list lacks has no registry number: saving stores nothing, yet
// reports whether the printer's key opened.
TEST_P(DataSetsTest, DataSetsOfAProfileTheListLacksAreNotStored) {
  SetPrinterValue(host::kColorPrinterName, "VtCPSData", Pattern(12, 1));
  const std::map<std::string, std::vector<BYTE>> before = PrinterValues();

  EXPECT_TRUE(SaveProfilePrinterRegData(*page_, HKEY_LOCAL_MACHINE, "Nobody"));
  EXPECT_TRUE(SaveProfilePrinterValue(*page_, "Nobody", "VtCPSData", Pattern(4, 1).data(), 4));
  EXPECT_FALSE(SaveProfilePrinterRegData(*page_, HKEY_CURRENT_USER, "Nobody"));  // no such key
  EXPECT_FALSE(SaveProfilePrinterRegData(*page_, HKEY_CURRENT_USER, "Office"));

  EXPECT_EQ(PrinterValues(), before);
  EXPECT_TRUE(ProfileValueNames(0).empty());
  EXPECT_TRUE(ProfileValueNames(3).empty());
}

TEST_P(DataSetsTest, RestoringWritesTheValuesBackWithTheirAdjustments) {
  struct Case {
    std::vector<BYTE> count;
    std::vector<BYTE> written;
  } cases[] = {
      {Bytes({0xFF, 0xFF, 0xFF, 0xFF, 9}), Bytes({0, 0, 0, 0, 9})},
      {Bytes({5, 0, 0, 0}), Bytes({5, 0, 0, 0})},
      {Bytes({0xFF, 0xFF, 0xFF}), Bytes({0xFF, 0xFF, 0xFF})},  // shorter than a count
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.count.size());
    for (auto [name, data] : {std::pair<const char *, std::vector<BYTE>>{"VtCPSCount", c.count},
                              {"VtFontSub", Pattern(16, 2)},
                              {"_Setup", Pattern(8, 3)},
                              {"Default DevMode", Pattern(40, 4)}})
      ASSERT_TRUE(SaveProfilePrinterValue(*page_, "Office", name, data.data(),
                                          static_cast<DWORD>(data.size())));
    SetPrinterValue(host::kColorPrinterName, "Default DevFont", Pattern(4, 5));
    manager_->calls.clear();

    ASSERT_TRUE(RestoreProfilePrinterRegData(*page_, "Office"));

    std::map<std::string, std::vector<BYTE>> values = PrinterValues();
    EXPECT_EQ(values["VtCPSCount"], c.written);
    EXPECT_EQ(values["VtFontSub"], Pattern(16, 2));
    EXPECT_EQ(values["_Setup"], Pattern(8, 3));
    EXPECT_EQ(values["Default DevFont"], Bytes({0, 0, 0, 0}));
    EXPECT_EQ(manager_->calls,
              std::vector<std::string>{"WritePrinterValue(Default DevFont, 3, 4)"});
    EXPECT_EQ(values.count("Default DevMode"), 0u);
    EXPECT_NE(values["Setup"], Pattern(8, 3));
  }
}

TEST_P(DataSetsTest, EmptyDataSetIsWrittenBackEmptyAndAMissingOneIsSkipped) {
  SetPrinterValue(host::kColorPrinterName, "VtWMarkData", {});
  SetPrinterValue(host::kColorPrinterName, "VtCPSData", Pattern(8, 1));
  ASSERT_TRUE(SaveProfilePrinterRegData(*page_, HKEY_LOCAL_MACHINE, "Office"));
  EXPECT_EQ(Stored(3, "VtWMarkData"), std::vector<BYTE>{});
  // Later the printer gains a watermark, and the profile's custom paper value goes missing.
  SetPrinterValue(host::kColorPrinterName, "VtWMarkData", Pattern(24, 2));
  RemoveStored(3, "VtCPSData");
  SetPrinterValue(host::kColorPrinterName, "VtCPSData", Pattern(6, 3));

  ASSERT_TRUE(RestoreProfilePrinterRegData(*page_, "Office"));

  EXPECT_EQ(PrinterValue(host::kColorPrinterName, "VtWMarkData"), std::vector<BYTE>{});
  EXPECT_EQ(PrinterValue(host::kColorPrinterName, "VtCPSData"), Pattern(6, 3));
}

// Nothing is written in client mode, nor for a profile that the page's list lacks, which would
// otherwise be looked up by name as the built-in profile; both report success.
TEST_P(DataSetsTest, RestoringInClientModeOrForAnUnlistedProfileWritesNothing) {
  for (const char *profile : {"Office", "Factory Default"}) {
    ASSERT_TRUE(SaveProfilePrinterValue(*page_, profile, "VtFontSub", Pattern(16, 2).data(), 16));
    ASSERT_TRUE(SaveProfilePrinterValue(*page_, profile, "VtCPSCount",
                                        Bytes({0xFF, 0xFF, 0xFF, 0xFF}).data(), 4));
  }
  const std::map<std::string, std::vector<BYTE>> before = PrinterValues();

  page_->clientMode = true;
  EXPECT_TRUE(RestoreProfilePrinterRegData(*page_, "Office"));
  page_->clientMode = false;
  EXPECT_TRUE(RestoreProfilePrinterRegData(*page_, "Nobody"));

  EXPECT_EQ(PrinterValues(), before);
  EXPECT_TRUE(manager_->calls.empty());
}

TEST_P(DataSetsTest, DeletingRemovesTheProfilesValuesOnlyWhenTheListHoldsIt) {
  for (const char *name : {"Default DevMode", "VtCPSData", "_Setup"})
    ASSERT_TRUE(SaveProfilePrinterValue(*page_, "Office", name, Pattern(6, 1).data(), 6));

  EXPECT_FALSE(DeleteProfilePrinterRegData(*page_, "office"));
  EXPECT_EQ(ProfileValueNames(3).size(), 3u);

  EXPECT_TRUE(DeleteProfilePrinterRegData(*page_, "Office"));
  EXPECT_TRUE(ProfileValueNames(3).empty());
  EXPECT_FALSE(PrinterValue(host::kColorPrinterName, "JZP_0003").has_value());
}

INSTANTIATE_TEST_SUITE_P(Platforms, DataSetsTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace store_testing
