// The operator on Windows: the system's own message boxes, modal dialogs and file chooser reach
// the installed operator through the hook, and are logged as the platform logs its own.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <winplat/operator.h>

namespace {

constexpr WORD kPropertiesTemplate = 108;       // the profile-properties dialog of JZRES32.dll
constexpr WORD kPageTemplate = 4287;            // the page, and its right-to-left twin with the
constexpr WORD kRightToLeftPageTemplate = 106;  // same controls, mirrored

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

class OperatorHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The window the dialogs belong to, as the page is the module's dialogs' owner.
    owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
    winplat::ClearMessageBoxLog();
    winplat::ClearModalDialogLog();
    winplat::ClearChooserLog();
    winplat::SetOperator(&op_);
  }
  void TearDown() override {
    winplat::SetOperator(nullptr);
    DestroyWindow(owner_);
  }

  HWND owner_ = nullptr;
  winplat::ScriptedOperator op_;
};

TEST_F(OperatorHookTest, MessageBoxStyleIsRebuiltFromTheSystemsBox) {
  op_.Queue(IDNO);
  EXPECT_EQ(MessageBoxW(nullptr, L"Replace the file?", L"Export",
                        MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2),
            IDNO);
  ASSERT_EQ(winplat::MessageBoxLog().size(), 1u);
  const winplat::MessageBoxCall &box = winplat::MessageBoxLog()[0];
  EXPECT_EQ(box.text, u"Replace the file?");
  EXPECT_EQ(box.caption, u"Export");
  EXPECT_EQ(box.style, 0x133u);  // 3 yes/no/cancel, 0x30 exclamation, 0x100 second default
  EXPECT_EQ(box.answer, IDNO);
}

TEST_F(OperatorHookTest, UnansweredBoxGetsItsDefaultButton) {
  EXPECT_EQ(MessageBoxW(nullptr, L"Go on?", L"Import", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  ASSERT_EQ(winplat::MessageBoxLog().size(), 1u);
  EXPECT_EQ(winplat::MessageBoxLog()[0].style, 0x101u);
  EXPECT_TRUE(op_.RanOut());
}

TEST_F(OperatorHookTest, ModalDialogIsKnownByItsTemplateAndOperated) {
  const HMODULE resources = LoadLibraryW(L"JZRES32.dll");
  ASSERT_NE(resources, nullptr);
  winplat::RegisterDialogTemplates(resources);
  op_.QueueDialog(kPropertiesTemplate, {winplat::DialogStep::End(7)});
  EXPECT_EQ(
      DialogBoxParamW(resources, MAKEINTRESOURCEW(kPropertiesTemplate), owner_, PlainDialog, 0), 7);
  // Nobody answers the second one: it is cancelled.
  EXPECT_EQ(
      DialogBoxParamW(resources, MAKEINTRESOURCEW(kPropertiesTemplate), owner_, PlainDialog, 0),
      IDCANCEL);
  FreeLibrary(resources);

  using Kind = winplat::ModalEvent::Kind;
  const std::vector<winplat::ModalEvent> &log = winplat::ModalDialogLog();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0].kind, Kind::Shown);
  EXPECT_EQ(log[0].templateId, kPropertiesTemplate);
  EXPECT_EQ(log[1].kind, Kind::Step);
  EXPECT_EQ(log[1].detail, u"End 7");
  EXPECT_EQ(log[2].kind, Kind::Ended);
  EXPECT_EQ(log[3].kind, Kind::Shown);
  EXPECT_EQ(log[4].kind, Kind::Unanswered);
  EXPECT_EQ(log[5].kind, Kind::Ended);
}

// A modeless dialog, with an owner or without, is the program's own: the operator neither logs
// nor ends it, however long the program's loop runs.
TEST_F(OperatorHookTest, ModelessDialogIsLeftToTheProgram) {
  const HMODULE resources = LoadLibraryW(L"JZRES32.dll");
  ASSERT_NE(resources, nullptr);
  winplat::RegisterDialogTemplates(resources);
  op_.QueueDialog(kPropertiesTemplate, {winplat::DialogStep::End(7)});
  for (HWND owner : {owner_, HWND{nullptr}}) {
    const HWND dialog =
        CreateDialogParamW(resources, MAKEINTRESOURCEW(kPropertiesTemplate), owner, PlainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    const DWORD until = GetTickCount() + 500;
    MSG msg;
    while (GetTickCount() < until) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      Sleep(10);
    }
    EXPECT_TRUE(IsWindowVisible(dialog)) << "owner " << owner;
    DestroyWindow(dialog);
  }
  FreeLibrary(resources);
  EXPECT_TRUE(winplat::ModalDialogLog().empty());
  EXPECT_EQ(op_.PendingDialogs(), 1u);
}

TEST_F(OperatorHookTest, TemplatesWithTheSameControlsAreToldApartByTheirPlaces) {
  const HMODULE resources = LoadLibraryW(L"JZRES32.dll");
  ASSERT_NE(resources, nullptr);
  winplat::RegisterDialogTemplates(resources);
  for (WORD shown : {kRightToLeftPageTemplate, kPageTemplate, kRightToLeftPageTemplate}) {
    winplat::ClearModalDialogLog();
    DialogBoxParamW(resources, MAKEINTRESOURCEW(shown), owner_, PlainDialog, 0);
    ASSERT_FALSE(winplat::ModalDialogLog().empty());
    EXPECT_EQ(winplat::ModalDialogLog()[0].templateId, shown);
  }
  FreeLibrary(resources);
}

TEST_F(OperatorHookTest, SaveChooserTakesTheOperatorsPath) {
  op_.QueueSaveFile(u"C:\\users\\Public\\operator_hook_test.jzp");
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.lpstrFilter = L"Profiles (*.jzp)\0*.jzp\0";
  chooser.lpstrFile = path;
  chooser.nMaxFile = MAX_PATH;
  chooser.lpstrTitle = L"Export profiles";
  ASSERT_TRUE(GetSaveFileNameW(&chooser));
  EXPECT_STREQ(path, L"C:\\users\\Public\\operator_hook_test.jzp");

  using Kind = winplat::ChooserEvent::Kind;
  const std::vector<winplat::ChooserEvent> &log = winplat::ChooserLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, Kind::Shown);
  EXPECT_EQ(log[0].chooser, winplat::Chooser::SaveFile);
  EXPECT_EQ(log[0].title, u"Export profiles");
  EXPECT_EQ(log[1].kind, Kind::Chosen);
}

TEST_F(OperatorHookTest, UnansweredOpenChooserIsCancelled) {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.lpstrFile = path;
  chooser.nMaxFile = MAX_PATH;
  EXPECT_FALSE(GetOpenFileNameW(&chooser));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  ASSERT_EQ(winplat::ChooserLog().size(), 2u);
  EXPECT_EQ(winplat::ChooserLog()[0].chooser, winplat::Chooser::OpenFile);
  EXPECT_EQ(winplat::ChooserLog()[1].kind, winplat::ChooserEvent::Kind::Unanswered);
}

TEST_F(OperatorHookTest, ColourChooserTakesTheOperatorsColourOrIsCancelled) {
  COLORREF custom[16] = {};
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.rgbResult = RGB(0x10, 0x20, 0x30);
  chooser.lpCustColors = custom;
  chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
  op_.QueueColor(RGB(0x33, 0x66, 0xCC));
  ASSERT_TRUE(ChooseColorW(&chooser));
  EXPECT_EQ(chooser.rgbResult, RGB(0x33, 0x66, 0xCC));
  // Nobody answers the second one: it is cancelled and the colour stays.
  EXPECT_FALSE(ChooseColorW(&chooser));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(chooser.rgbResult, RGB(0x33, 0x66, 0xCC));

  using Kind = winplat::ChooserEvent::Kind;
  const std::vector<winplat::ChooserEvent> &log = winplat::ChooserLog();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].kind, Kind::Shown);
  EXPECT_EQ(log[0].chooser, winplat::Chooser::Color);
  EXPECT_EQ(log[0].detail, u"#102030");  // the colour the chooser was opened with
  EXPECT_EQ(log[1].kind, Kind::Chosen);
  EXPECT_EQ(log[1].detail, u"#3366CC");
  EXPECT_EQ(log[2].detail, u"#3366CC");
  EXPECT_EQ(log[3].kind, Kind::Unanswered);
}

}  // namespace
