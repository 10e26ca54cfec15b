// A profile's DEVMODE as the page reads it: a stored DEVMODE shorter than the driver's is
// widened once and stored in its new size.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "store/page_store.h"
#include "store/store_test_support.h"

namespace store_testing {
namespace {

using tested_windows::WindowsVersion;

class PageDevModeTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    session_ = Open(host::kColorPrinterName);
    page_ = std::make_unique<FakePage>(*session_, session_->uiManager());
    store_ = Store(host::kColorPrinterName);
  }

  std::vector<BYTE> Load(int regNum) {
    std::vector<BYTE> data(
        store_->LoadProfileRegValue("", regNum, "Default DevMode", nullptr, 0, nullptr, nullptr));
    DWORD size = 0, type = 0;
    store_->LoadProfileRegValue("", regNum, "Default DevMode", data.data(),
                                static_cast<DWORD>(data.size()), &size, &type);
    return data;
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<FakePage> page_;
  std::unique_ptr<VTPROFJZP> store_;
};

TEST_P(PageDevModeTest, ShortStoredDevModeIsWidenedWithZerosAndStoredBack) {
  const std::vector<BYTE> defaults = session_->PrinterDefaultDevMode();
  std::vector<BYTE> stored(session_->devModeBytes().begin(),
                           session_->devModeBytes().begin() + 1000);
  auto *storedHeader = reinterpret_cast<DEVMODEW *>(stored.data());
  storedHeader->dmDriverExtra = static_cast<WORD>(1000 - storedHeader->dmSize);
  store_->SaveProfileRegValue("Office", 1, "Default DevMode", stored.data(), 1000, REG_BINARY);
  session_->devMode()->dmDriverExtra = 777;  // the page's current DEVMODE gives the size fields

  std::vector<BYTE> widened = GetProfileDevModeFromRegW(*page_, "Office", 1, "Default DevMode");

  ASSERT_EQ(widened.size(), defaults.size());
  const auto *header = reinterpret_cast<const DEVMODEW *>(widened.data());
  EXPECT_EQ(header->dmSize, session_->devMode()->dmSize);
  EXPECT_EQ(header->dmDriverExtra, 777);
  EXPECT_EQ(std::memcmp(widened.data(), stored.data(), offsetof(DEVMODEW, dmDriverExtra)), 0);
  const size_t rest = offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);
  EXPECT_EQ(std::memcmp(widened.data() + rest, stored.data() + rest, 1000 - rest), 0);
  EXPECT_EQ(std::vector<BYTE>(widened.begin() + 1000, widened.end()),
            std::vector<BYTE>(widened.size() - 1000, 0));
  EXPECT_EQ(Load(1), widened);
}

TEST_P(PageDevModeTest, DevModeOfTheDefaultSizeOrLongerIsReadAsStored) {
  const std::vector<BYTE> defaults = session_->PrinterDefaultDevMode();
  std::vector<BYTE> longer = defaults;
  longer.resize(defaults.size() + 16, 0x5A);
  store_->SaveProfileRegValue("Office", 2, "Default DevMode", defaults.data(),
                              static_cast<DWORD>(defaults.size()), REG_BINARY);
  store_->SaveProfileRegValue("Draft", 3, "Default DevMode", longer.data(),
                              static_cast<DWORD>(longer.size()), REG_BINARY);

  EXPECT_EQ(GetProfileDevModeFromRegW(*page_, "Office", 2, "Default DevMode"), defaults);
  EXPECT_EQ(GetProfileDevModeFromRegW(*page_, "Draft", 3, "Default DevMode"), longer);
  EXPECT_EQ(Load(3), longer);
  EXPECT_TRUE(GetProfileDevModeFromRegW(*page_, "Nobody", 4, "Default DevMode").empty());
}

// Linux only: the platform layer counts the store's waits instead of sleeping them.
#if !defined(_WIN32)
// A driver that does not tell its DEVMODE size costs one five-second wait per page, however
// many stores the page's tasks build; the fallback size holds for the rest of the page's life.
TEST_P(PageDevModeTest, SilentDriverIsWaitedForOncePerPage) {
  SilenceDriver(host::kColorPrinterName);
  ProfileHeader office = Header("Office", 1);
  page_->list().Insert(&office);
  store_->SaveProfileRegValue("Office", 1, "Default DevMode", Pattern(1000, 1).data(), 1000,
                              REG_BINARY);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();

  for (int task = 0; task < 3; ++task) {
    EXPECT_EQ(GetProfileDevModeFromRegW(*page_, "Office", 1, "Default DevMode").size(), 2268u);
    EXPECT_TRUE(SaveProfilePrinterRegData(*page_, HKEY_LOCAL_MACHINE, "Office"));
    EXPECT_TRUE(RestoreProfilePrinterRegData(*page_, "Office"));
  }
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 5000u);

  FakePage otherPage(*session_, session_->uiManager());
  GetProfileDevModeFromRegW(otherPage, "Office", 1, "Default DevMode");
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 10000u);
}

#endif

INSTANTIATE_TEST_SUITE_P(Platforms, PageDevModeTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace store_testing
