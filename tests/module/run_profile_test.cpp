// RunProfile: what the stand-alone page asks of its owner's UIManager before it runs, and that
// it refuses to run without any one of the four host things.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/control_set_profil.h"
#include "abi/host_records.h"
#include "module/fake_ui_manager.h"
#include "module/module_state.h"
#include "page/current_page.h"
#include "module/run_profile.h"

namespace prfmod::testing {
namespace {

TEST(RunProfileTest, ThePageIsPreparedOnlyWithAllFourHostThings) {
  DEVMODEW devMode{};
  BYTE driverSettings[16] = {};
  ModelInfoRecord model{};
  ModelInfoRecord *modelInfo = &model;
  const std::vector<std::string> asked = {"GetCurrentDevMode", "GetDriverSettings", "GetModelInfo",
                                          "GetPrinterHandle"};
  struct Case {
    const char *missing;
    bool runs;
  } cases[] = {{"", true},
               {"GetCurrentDevMode", false},
               {"GetDriverSettings", false},
               {"GetModelInfo", false},
               {"GetPrinterHandle", false}};
  for (const Case &c : cases) {
    const std::string missing = c.missing;
    FakeUIManager manager;
    manager.devMode = missing == "GetCurrentDevMode" ? nullptr : &devMode;
    manager.driverSettings = missing == "GetDriverSettings" ? nullptr : driverSettings;
    manager.modelInfo = missing == "GetModelInfo" ? nullptr : modelInfo;
    manager.printer = missing == "GetPrinterHandle" ? nullptr : reinterpret_cast<HANDLE>(0x10);
    CControlSetProfil owner(nullptr);
    owner.SetUIManager(&manager);

    EXPECT_EQ(RunProfilePage(nullptr, &owner), 0) << missing;

    std::vector<std::string> expected = asked;
    if (c.runs) {
      expected.push_back("GetResourceInstance");
      expected.push_back("GetModelInfo");  // the template follows the model's language
    }
    EXPECT_EQ(manager.calls, expected) << missing;
    EXPECT_EQ(GetCurrentPage(), nullptr) << "a released page stays the current page";
  }
  CControlSetProfil withoutManager(nullptr);
  EXPECT_EQ(RunProfilePage(nullptr, &withoutManager), 0);
  EXPECT_EQ(RunProfilePage(nullptr, nullptr), 0);
}

}  // namespace
}  // namespace prfmod::testing
