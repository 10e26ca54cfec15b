// The page over the host's resource module: the stand-alone dialog that RunProfile shows closes
// by its own OK and Cancel, by Esc and by its close box, and the icon the page hands the host
// stays the host's to use after the page is gone.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include <winplat/operator.h>

#include "host/resource_module.h"
#include "module/run_profile.h"
#include "page/page_test_support.h"

namespace prfmod::testing {
namespace {

class StandAlonePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(resources_.instance(), nullptr);
    tested_windows::Use(tested_windows::WindowsVersion::WinXP);
  }

  host::ResourceModule resources_;
};

TEST_F(StandAlonePageTest, TheIconHandedToTheHostOutlivesThePage) {
  HICON icon = nullptr;
  {
    PageFixture fixture;
    fixture.manager.resourceInstance = resources_.instance();
    int loaded = 0;
    icon = fixture.page.GetIcon(&loaded);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(fixture.page.GetIcon(nullptr), icon) << "loaded once and kept";
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 32, 32);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  EXPECT_TRUE(DrawIcon(dc, 0, 0, icon));
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

// Linux only: the operator's log tells a modal dialog's result only off Windows.
#if !defined(_WIN32)
using DialogAction = std::function<void(const winplat::ModalDialogCall &)>;

// Acts once on every modal dialog it is shown; message boxes get their default button.
class ActingOperator : public winplat::ScriptedOperator {
 public:
  explicit ActingOperator(DialogAction act) : act_(std::move(act)) {}
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    act_(call);
    return true;
  }

 private:
  DialogAction act_;
};

class StandAloneRunTest : public StandAlonePageTest {
 protected:
  void TearDown() override { winplat::SetOperator(nullptr); }

  // The result the stand-alone page's modal run ended with, after `act` on the open dialog.
  INT_PTR RunPage(const DialogAction &act) {
    PageFixture fixture;
    fixture.manager.resourceInstance = resources_.instance();
    ActingOperator operate(act);
    winplat::SetOperator(&operate);
    winplat::ClearModalDialogLog();
    EXPECT_EQ(RunProfilePage(nullptr, &fixture.owner), 0);
    winplat::SetOperator(nullptr);
    const std::vector<winplat::ModalEvent> &log = winplat::ModalDialogLog();
    if (log.empty() || log.back().kind != winplat::ModalEvent::Kind::Ended) {
      ADD_FAILURE() << "the page was not shown";
      return 0;
    }
    EXPECT_EQ(log.front().templateId, 4287);
    return log.back().result;
  }
};

// Both buttons, the Esc key and the close box (WM_CLOSE) end the dialog with 1. Without stored
// profiles the page focuses its list, which leaves Esc to the dialog.
TEST_F(StandAloneRunTest, OkCancelEscAndTheCloseBoxEndTheDialogWithOne) {
  using winplat::DialogStep;
  struct Case {
    const char *name;
    DialogAction act;
  } cases[] = {
      {"OK", [](const auto &call) { winplat::PerformDialogStep(call, DialogStep::Click(IDOK)); }},
      {"Cancel",
       [](const auto &call) { winplat::PerformDialogStep(call, DialogStep::Click(IDCANCEL)); }},
      {"Esc",
       [](const auto &call) { winplat::PerformDialogStep(call, DialogStep::Key(VK_ESCAPE)); }},
      {"close box", [](const auto &call) { PostMessageW(call.dialog, WM_CLOSE, 0, 0); }},
  };
  for (const Case &c : cases)
    EXPECT_EQ(RunPage(c.act), 1) << c.name;
}
#endif

}  // namespace
}  // namespace prfmod::testing
