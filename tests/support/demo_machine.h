// A fresh demo machine for tests of the host: off Windows in a temporary state folder of the
// platform layer, on Windows in the system itself, whose demo printers are removed and installed
// again for every test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>

#include <winplat/config.h>
#include <winplat/registry.h>
#endif

#include "host/demo_state.h"

namespace host::testing {

class DemoMachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("prfhost-test-" + std::to_string(ProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "drive_c");
    std::string error;
#if defined(_WIN32)
    ASSERT_TRUE(RemoveDemoMachine(&error)) << error;
#else
    winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
    winplat::SetAnsiCodePage(1252);
    winplat::MapDrive('C', (folder_ / "drive_c").string());
    winplat::ResetRegistry();
#endif
    ASSERT_TRUE(InstallDemoMachine(&error)) << error;
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
  }

  static unsigned long ProcessId() {
#if defined(_WIN32)
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
  }

  std::filesystem::path folder_;
};

}  // namespace host::testing
