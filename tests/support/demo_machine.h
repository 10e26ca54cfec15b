// A fresh demo machine in a temporary state folder, for tests of the host.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include <winplat/config.h>
#include <winplat/registry.h>

#include "host/demo_state.h"

namespace host::testing {

class DemoMachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("prfhost-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "drive_c");
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
    winplat::SetAnsiCodePage(1252);
    winplat::MapDrive('C', (folder_ / "drive_c").string());
    winplat::ResetRegistry();
    std::string error;
    ASSERT_TRUE(InstallDemoMachine(&error)) << error;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
};

}  // namespace host::testing
