// Help on the page and in the dialog base: the resource module's "CallSmallHelp" for a control's
// context menu, "CallBigHelp" for F1 except on the ANSI platform, nothing without the exports.
#include <gtest/gtest.h>

#include <vector>

#include "host/resmodule/help_calls.h"
#include "host/resource_module.h"
#include "page/base_dlg.h"
#include "page/dialog_help.h"
#include "page/page_test_support.h"

namespace prfmod::testing {
namespace {

class PageHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(resources_.instance(), nullptr);
    fixture_.manager.resourceInstance = resources_.instance();
    window_ = CreateTestPageWindow(&fixture_.page);
    ASSERT_NE(window_, nullptr);
    button_ = GetDlgItem(window_, IDC_PROFILE_ADD);
    first_ = Calls().size();
  }

  // The calls the resource module recorded since the test began.
  std::vector<host::HelpCall> Calls() {
    auto recorded = reinterpret_cast<host::HostHelpCallsProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(resources_.instance(), "HostHelpCalls")));
    int count = 0;
    const host::HelpCall *calls = recorded(&count);
    return std::vector<host::HelpCall>(calls, calls + count);
  }
  std::vector<host::HelpCall> NewCalls() {
    std::vector<host::HelpCall> calls = Calls();
    return std::vector<host::HelpCall>(calls.begin() + static_cast<long>(first_), calls.end());
  }
  LRESULT SendHelp(HWND item) {
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_PROFILE_ADD;
    help.hItemHandle = item;
    return ProfilePage::DialogProc(window_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  }

  host::ResourceModule resources_;
  PageFixture fixture_;
  HWND window_ = nullptr;
  HWND button_ = nullptr;
  size_t first_ = 0;
};

TEST_F(PageHelpTest, ContextMenuAndF1AskTheResourceModuleWithThePagesHelpId) {
  fixture_.page.ChooseTemplate();
  EXPECT_EQ(ProfilePage::DialogProc(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button_), 0),
            1);
  EXPECT_EQ(SendHelp(button_), 1);
  std::vector<host::HelpCall> calls = NewCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, host::HelpKind::Small);
  EXPECT_EQ(calls[0].window, button_);
  EXPECT_EQ(calls[0].dialogResourceId, 4287);
  EXPECT_EQ(calls[1].kind, host::HelpKind::Big);
  EXPECT_EQ(calls[1].window, button_);
  EXPECT_EQ(calls[1].dialogResourceId, 4287);
}

TEST_F(PageHelpTest, AnsiPlatformShowsNoF1Help) {
  fixture_.context.platform = HOST_PLATFORM_ANSI;
  fixture_.page.ChooseTemplate();
  EXPECT_EQ(SendHelp(button_), 1);
  ProfilePage::DialogProc(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button_), 0);
  std::vector<host::HelpCall> calls = NewCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].kind, host::HelpKind::Small);
}

class HelpDlg : public BaseDlg {
 public:
  ~HelpDlg() override = default;
};

TEST_F(PageHelpTest, DialogBaseHelpUsesItsDialogIdAndNeedsTheExports) {
  HelpDlg dialog;
  dialog.Attach(108, window_, &fixture_.owner);
  HELPINFO help{};
  help.hItemHandle = button_;
  EXPECT_TRUE(dialog.CallSmallHelp(button_, 108));
  EXPECT_TRUE(dialog.CallBigHelp(&help, 108));
  EXPECT_FALSE(dialog.CallBigHelp(nullptr, 108));
  std::vector<host::HelpCall> calls = NewCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].dialogResourceId, 108);
  EXPECT_EQ(calls[1].kind, host::HelpKind::Big);

  fixture_.context.platform = HOST_PLATFORM_ANSI;
  EXPECT_FALSE(dialog.CallBigHelp(&help, 108));
  // A resource module without the exports (the program itself) shows no help.
  EXPECT_FALSE(CallSmallHelp(GetModuleHandleW(nullptr), button_, 108, nullptr));
  EXPECT_FALSE(CallBigHelp(GetModuleHandleW(nullptr), &help, 108, nullptr, false));
  EXPECT_FALSE(CallSmallHelp(nullptr, button_, 108, nullptr));
  EXPECT_EQ(NewCalls().size(), 2u);
}

}  // namespace
}  // namespace prfmod::testing
