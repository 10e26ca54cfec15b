// What the settings-information tests share: the Profile page over a printer session of the demo
// machine, its information command, and the tree of the dialog it shows, read back from the
// dialog's tree view while the dialog runs.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <winplat/config.h>
#include <winplat/operator.h>

#include "abi/wide.h"
#include "host/printer_session.h"
#include "host/text_convert.h"
#include "module/control_set_profil.h"
#include "page/profile_page.h"
#include "support/demo_machine.h"

namespace info_testing {

struct InfoNode {
  std::string text;  // UTF-8
  bool expanded = false;
  std::vector<InfoNode> children;
};
using InfoNodes = std::vector<InfoNode>;

inline InfoNodes ReadTreeLevel(HWND tree, HTREEITEM first) {
  InfoNodes nodes;
  for (HTREEITEM item = first; item != nullptr;
       item = reinterpret_cast<HTREEITEM>(
           SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    WCHAR text[300] = {};
    TVITEMW read{};
    read.mask = TVIF_TEXT | TVIF_STATE;
    read.hItem = item;
    read.stateMask = TVIS_EXPANDED;
    read.pszText = text;
    read.cchTextMax = 300;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read));
    InfoNode node;
    node.text = host::Utf8FromUtf16(text);
    node.expanded = (read.state & TVIS_EXPANDED) != 0;
    node.children = ReadTreeLevel(
        tree, reinterpret_cast<HTREEITEM>(
                  SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))));
    nodes.push_back(node);
  }
  return nodes;
}

inline InfoNodes ReadTree(HWND tree) {
  return ReadTreeLevel(
      tree, reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

inline std::vector<std::string> Texts(const InfoNodes &nodes) {
  std::vector<std::string> texts;
  for (const InfoNode &node : nodes)
    texts.push_back(node.text);
  return texts;
}

// The node with the text, or null.
inline const InfoNode *Find(const InfoNodes &nodes, const std::string &text) {
  for (const InfoNode &node : nodes)
    if (node.text == text)
      return &node;
  return nullptr;
}

// What the operator saw of the settings-information dialog.
struct InfoRun {
  bool shown = false;
  WORD templateId = 0;
  std::string caption;
  std::string okText;
  InfoNodes tree;
  INT_PTR result = 0;
};

// Reads the dialog, lets the test act on it, then presses the button the test chose.
class InfoOperator : public winplat::ScriptedOperator {
 public:
  InfoOperator(InfoRun &run, std::function<void(HWND)> act, int button)
      : run_(run), act_(std::move(act)), button_(button) {}
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    run_.shown = true;
    run_.templateId = call.templateId;
    run_.caption = host::Utf8FromUtf16(call.caption);
    WCHAR ok[64] = {};
    GetDlgItemTextW(call.dialog, IDOK, ok, 64);
    run_.okText = host::Utf8FromUtf16(ok);
    run_.tree = ReadTree(GetDlgItem(call.dialog, 1894));
    if (act_)
      act_(call.dialog);
    winplat::PerformDialogStep(call, winplat::DialogStep::Click(button_));
    return true;
  }

 private:
  InfoRun &run_;
  std::function<void(HWND)> act_;
  int button_;
};

// The Profile page of a demo printer in a window of the host's resource module, as the host's
// property sheet shows it.
class SettingsInfoTest : public host::testing::DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    winplat::SetInstantSleep(true);
    winplat::ClearModalDialogLog();
  }
  void TearDown() override {
    winplat::SetOperator(nullptr);
    Close();
    DemoMachineTest::TearDown();
  }

  // The page goes before the owner and the session it uses.
  void Close() {
    page_.reset();
    owner_.reset();
    session_.reset();
  }

  void Open(const WideString &printer = host::kColorPrinterName,
            host::UiLanguage language = host::UiLanguage::English) {
    Close();
    host::SessionOptions options;
    options.language = language;
    std::string error;
    session_ = host::PrinterSession::Open(printer, options, &error);
    ASSERT_TRUE(session_) << error;
    owner_ = std::make_unique<CControlSetProfil>(nullptr);
    owner_->SetDriverContext(session_->driverContext());
    owner_->SetUIManager(session_->uiManager());
    page_ = std::make_unique<ProfilePage>();
    page_->SetOwner(owner_.get());
    SIZE size;
    page_->CreatePageWindow(&size);
    ASSERT_NE(page_->GetPageWindow(), nullptr);
  }

  // Clicks the page's information button; what the dialog showed before the operator pressed
  // `button` (after `act`).
  InfoRun ShowInformation(std::function<void(HWND)> act = {}, int button = IDOK) {
    InfoRun run;
    InfoOperator operate(run, std::move(act), button);
    winplat::SetOperator(&operate);
    SendMessageW(page_->GetPageWindow(), WM_COMMAND, 1895, 0);
    winplat::SetOperator(nullptr);
    const std::vector<winplat::ModalEvent> &log = winplat::ModalDialogLog();
    if (!log.empty() && log.back().kind == winplat::ModalEvent::Kind::Ended)
      run.result = log.back().result;
    return run;
  }

  // The current settings' main block, to be changed before the dialog opens.
  pdMain &Main() { return *reinterpret_cast<pdMain *>(session_->mainBlock()); }

  void SetPrinterValue(const char *name, const void *data, DWORD size) {
    const WideString wide = host::Utf16FromUtf8(name);
    ASSERT_EQ(SetPrinterDataW(session_->printerHandle(), const_cast<LPWSTR>(wide.c_str()),
                              REG_BINARY, static_cast<BYTE *>(const_cast<void *>(data)), size),
              static_cast<DWORD>(ERROR_SUCCESS));
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<CControlSetProfil> owner_;
  std::unique_ptr<ProfilePage> page_;
};

}  // namespace info_testing
