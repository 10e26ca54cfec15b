// The loaded PRFMOD32.dll as the host reaches it: the class factory with its names and its
// version check, and the control set's page in the host's property sheet.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <winplat/operator.h>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "host/module_library.h"
#include "host/printer_session.h"
#include "host/property_sheet.h"

namespace prfmod::testing {
namespace {

using host::testing::DemoMachineTest;

class ExportsTest : public DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    std::string error;
    library_ = host::ModuleLibrary::Load(host::kModuleFileName, &error);
    ASSERT_TRUE(library_) << error;
    winplat::ClearMessageBoxLog();
  }
  std::unique_ptr<host::ModuleLibrary> library_;
};

TEST_F(ExportsTest, GetClassKnowsBothClassesInAnyCaseAndNothingElse) {
  enum Kind { kNone, kUiModule, kControlSet };
  struct Case {
    const char *name;
    Kind kind;
  } cases[] = {{"CProfil", kUiModule},
               {"cprofil", kUiModule},
               {"CPROFIL", kUiModule},
               {"CControlSetProfil", kControlSet},
               {"ccontrolsetprofil", kControlSet},
               {"CProfilX", kNone},
               {"CProfi", kNone},
               {" CProfil", kNone},
               {"CControlSetProfile", kNone},
               {"", kNone},
               {nullptr, kNone}};
  for (const Case &c : cases) {
    const std::string name = c.name ? c.name : "(null)";
    void *object = library_->getClass(c.name, HOST_INTERFACE_VERSION);
    EXPECT_EQ(object != nullptr, c.kind != kNone) << name;
    if (object == nullptr)
      continue;
    if (c.kind == kUiModule) {
      auto *module = static_cast<CUIModule *>(object);
      EXPECT_TRUE(module->SupportsType(4)) << name;
      module->DeletingDestructor(BOUNDARY_DELETE_MEMORY);
    } else if (c.kind == kControlSet) {
      auto *controlSet = static_cast<CControlSet *>(object);
      EXPECT_EQ(controlSet->GetPageCount(PAGE_KIND_PRINTER), 1) << name;
      controlSet->DeletingDestructor(BOUNDARY_DELETE_MEMORY);
    }
  }
  EXPECT_TRUE(winplat::MessageBoxLog().empty());
}

TEST_F(ExportsTest, AnotherInterfaceVersionIsShownAndRefused) {
  struct Case {
    int version;
    WideString text;
  } cases[] = {{13, WSTR("Driver Version:\t0.13\nModule Version:\t0.14")},
               {15, WSTR("Driver Version:\t0.15\nModule Version:\t0.14")},
               {-14, WSTR("Driver Version:\t-0.14\nModule Version:\t0.14")}};
  for (const Case &c : cases) {
    for (const char *name : {"CProfil", "CControlSetProfil", "Unknown"}) {
      winplat::ClearMessageBoxLog();
      EXPECT_EQ(library_->getClass(name, c.version), nullptr) << name << " " << c.version;
      ASSERT_EQ(winplat::MessageBoxLog().size(), 1u) << name << " " << c.version;
      const winplat::MessageBoxCall &box = winplat::MessageBoxLog().front();
      EXPECT_EQ(box.owner, nullptr);
      EXPECT_EQ(box.text, c.text);
      EXPECT_EQ(box.caption, WSTR("Driver version mismatch!"));
      EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONHAND));
    }
  }
}

TEST_F(ExportsTest, TheHostShowsTheControlSetsProfilePage) {
  std::string error;
  auto session = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
  ASSERT_TRUE(session) << error;
  CControlSet *controlSet = host::CreateControlSet(library_->getClass, "CControlSetProfil");
  ASSERT_NE(controlSet, nullptr);
  host::PropertySheet sheet(*session, controlSet);

  ASSERT_EQ(sheet.pages().size(), 1u);
  CPage *page = sheet.pages().front();
  EXPECT_EQ(WideString(page->GetTitle()), WSTR("Profile"));
  EXPECT_EQ(page->GetDialogId(), 2500);
  SIZE size{};
  EXPECT_EQ(page->GetDesignSize(&size), &size);
  EXPECT_EQ(size.cx, 155);
  EXPECT_EQ(size.cy, 150);
  EXPECT_EQ(page->GetOwner(), controlSet);
  EXPECT_EQ(controlSet->GetUIManager(), session->uiManager());
  EXPECT_EQ(controlSet->GetDriverContext(), session->driverContext());
  EXPECT_EQ(session->events().removePrivateData, 0) << "the demo printer's block is valid";
}

}  // namespace
}  // namespace prfmod::testing
