// A profile's stored values: the index, the data values as printer data or side files, loading
// into callers' buffers, enumeration and removal, on both platforms.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "abi/wide.h"
#include "abi/profile_records.h"
#include "store/store_test_support.h"

namespace store_testing {
namespace {

using tested_windows::WindowsVersion;

class ProfileValuesTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    store_ = Store(host::kColorPrinterName);
  }

  // Where the platform keeps the value: a side file for user profiles on the ANSI platform,
  // printer data otherwise. Checks that the other place does not hold it.
  std::optional<std::vector<BYTE>> Stored(int regNum, const std::string &valueName,
                                          const WideString &printer = host::kColorPrinterName) {
    const std::string dataName = DataName(regNum, valueName);
    std::string fileName = host::AnsiFromWide(printer, CP_ACP) + "_" + dataName;
    for (char &c : fileName)
      if (std::strchr("/\"<>|", c) != nullptr)
        c = '_';
    std::optional<std::vector<BYTE>> value = PrinterValue(printer, dataName);
    std::optional<std::vector<BYTE>> file = SideFile(fileName);
    const bool sideFile = Ansi() && regNum != 0;
    EXPECT_FALSE(sideFile ? value.has_value() : file.has_value()) << dataName;
    return sideFile ? file : value;
  }

  std::vector<ProfileValueEntry> Index(int regNum) {
    char name[16];
    std::snprintf(name, sizeof name, "JZP_%04d", regNum);
    std::optional<std::vector<BYTE>> data = PrinterValue(host::kColorPrinterName, name);
    std::vector<ProfileValueEntry> entries;
    if (!data)
      return entries;
    EXPECT_EQ(data->size() % sizeof(ProfileValueEntry), 0u);
    entries.resize(data->size() / sizeof(ProfileValueEntry));
    std::memcpy(entries.data(), data->data(), entries.size() * sizeof(ProfileValueEntry));
    return entries;
  }

  std::unique_ptr<VTPROFJZP> store_;
};

TEST_P(ProfileValuesTest, SavingAgainUpdatesTheIndexEntryAndNewNamesAreAppended) {
  const std::vector<BYTE> first = Pattern(100, 1), second = Pattern(120, 2), sets = Pattern(30, 3);
  store_->SaveProfileRegValue("Office", 5, "Default DevMode", first.data(), 100, REG_BINARY);
  store_->SaveProfileRegValue("Office", 5, "default devmode", second.data(), 120, REG_DWORD);
  store_->SaveProfileRegValue("Office", 5, "VtCPSData", sets.data(), 30, REG_BINARY);

  std::vector<ProfileValueEntry> index = Index(5);
  ASSERT_EQ(index.size(), 2u);
  EXPECT_STREQ(index[0].szValueName, "Default DevMode");
  EXPECT_EQ(index[0].dwSize, 120u);
  EXPECT_EQ(index[0].dwType, DWORD{REG_BINARY});  // the first recorded type stays
  EXPECT_STREQ(index[1].szValueName, "VtCPSData");
  EXPECT_EQ(index[1].dwSize, 30u);
  EXPECT_EQ(Stored(5, "Default DevMode"), second);
  EXPECT_EQ(Stored(5, "VtCPSData"), sets);
}

TEST_P(ProfileValuesTest, ValueNamesHoldingJzpPrefixOrTooLongAreNotStored) {
  const BYTE data[4] = {1, 2, 3, 4};
  for (const std::string &name :
       std::vector<std::string>{"JZP_Extra", "My JZP_value", "xJZP_", std::string(260, 'n')}) {
    store_->SaveProfileRegValue("Office", 6, name.c_str(), data, 4, REG_BINARY);
    EXPECT_FALSE(Stored(6, name).has_value()) << name;
  }
  store_->SaveProfileRegValue("Office", 6, nullptr, data, 4, REG_BINARY);
  EXPECT_TRUE(Index(6).empty());

  for (const char *name : {"jzp_lower", "JZP"}) {
    store_->SaveProfileRegValue("Office", 6, name, data, 4, REG_BINARY);
    EXPECT_TRUE(Stored(6, name).has_value()) << name;
  }
  // The longest name fits an index entry; on the ANSI platform its side-file path does not,
  // and the value is refused whole.
  const std::string longest(259, 'n');
  store_->SaveProfileRegValue("Office", 6, longest.c_str(), data, 4, REG_BINARY);
  EXPECT_EQ(Stored(6, longest).has_value(), !Ansi());
  EXPECT_EQ(Index(6).size(), Ansi() ? 2u : 3u);
}

TEST_P(ProfileValuesTest, UserProfileValuesOfTheAnsiPlatformAreSideFilesWithSafeNames) {
  AddColorPrinter(WSTR("A|B"));
  auto store = Store(WSTR("A|B"));
  const std::vector<BYTE> devMode = Pattern(64, 9), defaults = Pattern(32, 4);
  store->SaveProfileRegValue("Office", 2, "Default DevMode", devMode.data(), 64, REG_BINARY);
  store->SaveProfileRegValue("Factory Default", 0, "Default DevMode", defaults.data(), 32,
                             REG_BINARY);

  EXPECT_EQ(Stored(2, "Default DevMode", WSTR("A|B")), devMode);
  EXPECT_EQ(SideFile("A_B_JZP_0002_Default DevMode").has_value(), Ansi());
  EXPECT_EQ(Stored(0, "Default DevMode", WSTR("A|B")), defaults);  // always printer data
  EXPECT_TRUE(PrinterValue(WSTR("A|B"), "JZP_0002").has_value());  // the index too

  std::vector<BYTE> loaded(64);
  DWORD size = 0, type = 0;
  EXPECT_EQ(
      store->LoadProfileRegValue("Office", 2, "Default DevMode", loaded.data(), 64, &size, &type),
      64u);
  EXPECT_EQ(loaded, devMode);
  EXPECT_EQ(type, DWORD{REG_BINARY});
}

TEST_P(ProfileValuesTest, LoadingRefusesBuffersSmallerThanTheValueAndMissingValues) {
  const std::vector<BYTE> data = Pattern(50, 5);
  store_->SaveProfileRegValue("Office", 3, "VtWMarkData", data.data(), 50, REG_BINARY);

  std::vector<BYTE> buffer(50, 0xAA);
  DWORD size = 77, type = 77;
  EXPECT_EQ(
      store_->LoadProfileRegValue("Office", 3, "VtWMarkData", buffer.data(), 49, &size, &type), 0u);
  EXPECT_EQ(store_->LoadProfileRegValue("Office", 3, "Missing", buffer.data(), 50, &size, &type),
            0u);
  EXPECT_EQ(
      store_->LoadProfileRegValue("Office", 4, "VtWMarkData", buffer.data(), 50, &size, &type), 0u);
  EXPECT_EQ(buffer, std::vector<BYTE>(50, 0xAA));
  EXPECT_EQ(size, 77u);
  EXPECT_EQ(type, 77u);

  EXPECT_EQ(store_->LoadProfileRegValue("Office", 3, "VtWMarkData", nullptr, 0, &size, &type), 50u);
  EXPECT_EQ(
      store_->LoadProfileRegValue("Office", 3, "VtWMarkData", buffer.data(), 50, &size, &type),
      50u);
  EXPECT_EQ(buffer, data);
}

// The built-in profile keeps its values as printer data on both platforms, a user profile as a
// side file on the ANSI platform: both tell an empty value from a missing one.
TEST_P(ProfileValuesTest, EmptyValueReadsAsPresentAndEmptyUnlikeAMissingOne) {
  const BYTE none = 0;
  for (int regNum : {0, 3}) {
    SCOPED_TRACE(regNum);
    store_->SaveProfileRegValue("Office", regNum, "VtWMarkData", &none, 0, REG_BINARY);
    store_->SaveProfileRegValue("Office", regNum, "VtCPSData", Pattern(6, 1).data(), 6, REG_BINARY);
    EXPECT_EQ(Stored(regNum, "VtWMarkData"), std::vector<BYTE>{});

    const std::optional<ProfileValue> empty =
        store_->ReadProfileValue("Office", regNum, "VtWMarkData");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->data.empty());
    EXPECT_EQ(empty->type, DWORD{REG_BINARY});
    const std::optional<ProfileValue> full =
        store_->ReadProfileValue("Office", regNum, "VtCPSData");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->data, Pattern(6, 1));
    EXPECT_FALSE(store_->ReadProfileValue("Office", regNum, "VtFontSub").has_value());
  }
}

TEST_P(ProfileValuesTest, ProfileIsFoundByNameWhenNoNumberIsGiven) {
  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0), Header("Office", 3)}, 2);
  auto store = Store(host::kColorPrinterName);
  const std::vector<BYTE> data = Pattern(20, 6);
  store->SaveProfileRegValue("office", PROFILE_REGNUM_BY_NAME, "VtFontSub", data.data(), 20,
                             REG_BINARY);
  EXPECT_EQ(Stored(3, "VtFontSub"), data);
  EXPECT_EQ(store->GetProfileRegValueSize("Office", "VtFontSub"), 20u);
  EXPECT_EQ(store->GetProfileRegValueSize("Nobody", "VtFontSub"), 0u);  // number 0 holds none
}

TEST_P(ProfileValuesTest, EnumerationReadsWholeIndexEntriesAndCurrentSizes) {
  store_->SaveProfileRegValue("Office", 7, "Default DevMode", Pattern(10, 1).data(), 10,
                              REG_BINARY);
  store_->SaveProfileRegValue("Office", 7, "VtCPSData", Pattern(20, 1).data(), 20, REG_BINARY);
  std::vector<BYTE> index = *PrinterValue(host::kColorPrinterName, "JZP_0007");
  std::memset(index.data() + sizeof(ProfileValueEntry), 'V', 260);  // a name without its end
  index.resize(index.size() + 100);                                 // and a trailing fragment
  SetPrinterValue(host::kColorPrinterName, "JZP_0007", index);

  std::vector<ProfileValueInfo> values = store_->EnumProfileRegValue("Office", 7);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].name, "Default DevMode");
  EXPECT_EQ(values[0].size, 10u);
  EXPECT_EQ(values[1].name, std::string(259, 'V'));
  EXPECT_EQ(values[1].size, 0u);  // nothing is stored under that name

  // Saving rewrites the index with its whole entries only.
  store_->SaveProfileRegValue("Office", 7, "Default DevMode", Pattern(15, 1).data(), 15,
                              REG_BINARY);
  EXPECT_EQ(PrinterValue(host::kColorPrinterName, "JZP_0007")->size(),
            2 * sizeof(ProfileValueEntry));
  EXPECT_EQ(store_->EnumProfileRegValue("Office", 7)[0].size, 15u);
  EXPECT_TRUE(store_->EnumProfileRegValue("Office", 8).empty());
}

TEST_P(ProfileValuesTest, RemovalDeletesEveryIndexedValueAndTheIndexOnly) {
  for (const char *name : {"Default DevMode", "VtCPSData", "_Setup"})
    store_->SaveProfileRegValue("Office", 4, name, Pattern(8, 2).data(), 8, REG_BINARY);
  store_->SaveProfileRegValue("Draft", 5, "Default DevMode", Pattern(8, 3).data(), 8, REG_BINARY);

  store_->RemoveProfileRegValue("Office", 4);

  for (const char *name : {"Default DevMode", "VtCPSData", "_Setup"})
    EXPECT_FALSE(Stored(4, name).has_value()) << name;
  EXPECT_TRUE(Index(4).empty());
  EXPECT_FALSE(PrinterValue(host::kColorPrinterName, "JZP_0004").has_value());
  EXPECT_EQ(Stored(5, "Default DevMode"), Pattern(8, 3));
  EXPECT_EQ(Index(5).size(), 1u);

  store_->RemoveProfileRegValue("Nobody", 9);  // no index: nothing to remove
  EXPECT_EQ(Index(5).size(), 1u);
}

TEST_P(ProfileValuesTest, ProfileDevModeIsReadWhole) {
  const std::vector<BYTE> devMode = Pattern(300, 8);
  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0), Header("Office", 3)}, 2);
  auto store = Store(host::kColorPrinterName);
  store->SaveProfileRegValue("Office", 3, "Default DevMode", devMode.data(), 300, REG_BINARY);
  EXPECT_EQ(store->GetProfileDevModeFromReg("Office"), devMode);
  EXPECT_TRUE(store->GetProfileDevModeFromReg("Draft").empty());
}

INSTANTIATE_TEST_SUITE_P(Platforms, ProfileValuesTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace store_testing
