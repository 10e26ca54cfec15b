// What the tests of the page's commands and its properties dialog share: the page window over a
// printer session of the demo machine (on Windows XP or 98), a host window that keeps the
// notifications the page sends it, the operator that answers the page's dialogs and questions,
// and readers of the rows and of the stored profile list.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <winplat/operator.h>

#include "abi/wide.h"
#include "host/resource_module.h"
#include "page/page_test_support.h"
#include "store/store_test_support.h"
#include "support/registry_snapshot.h"

namespace prfmod::testing {

// The operator's texts are UTF-16 in char16_t; WCHAR is char16_t off Windows and wchar_t on
// Windows, UTF-16 both.
inline std::u16string OperatorText(WideStringView text) {
  return {text.begin(), text.end()};
}
inline WideString WideFromOperator(std::u16string_view text) {
  return {text.begin(), text.end()};
}

// The host's window to notify: it keeps the four 32-bit words of every WM_NOTIFY block.
class NotifyRecorder {
 public:
  NotifyRecorder() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, WSTR(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~NotifyRecorder() { DestroyWindow(window_); }
  NotifyRecorder(const NotifyRecorder &) = delete;
  NotifyRecorder &operator=(const NotifyRecorder &) = delete;

  HWND window() const { return window_; }
  std::vector<std::array<DWORD, 4>> blocks;

 private:
  static constexpr const WCHAR *kClassName = WSTR("PrfTestNotifyWindow");
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<NotifyRecorder *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NOTIFY && self != nullptr && lParam != 0) {
      std::array<DWORD, 4> words;
      std::memcpy(words.data(), reinterpret_cast<const void *>(lParam), sizeof words);
      self->blocks.push_back(words);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

// The session's DriverContext with a window to notify.
class NotifyingDriverContext final : public DriverContext {
 public:
  NotifyingDriverContext(DriverContext *inner, HWND notifyWindow)
      : inner_(inner), notifyWindow_(notifyWindow) {}
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  void RefreshSettings() override { inner_->RefreshSettings(); }
  HWND GetNotifyWindow() override { return notifyWindow_; }
  int GetPlatform() override { return inner_->GetPlatform(); }
  bool IsAdministrator() override { return inner_->IsAdministrator(); }
  int QueryDriver(int what, void *buffer, int mode) override {
    return inner_->QueryDriver(what, buffer, mode);
  }

 private:
  DriverContext *inner_;
  HWND notifyWindow_;
};

// Runs a test's own look at a modal dialog, then the steps queued for its template; keeps the
// colour chooser calls it answers.
class InspectingOperator : public winplat::ScriptedOperator {
 public:
  std::function<void(HWND dialog)> inspect;
  std::vector<winplat::ColorChooserCall> colorCalls;
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    if (inspect)
      inspect(call.dialog);
    return winplat::ScriptedOperator::OperateDialog(call);
  }
  std::optional<winplat::ColorChoice> AnswerColorChooser(
      const winplat::ColorChooserCall &call) override {
    colorCalls.push_back(call);
    return winplat::ScriptedOperator::AnswerColorChooser(call);
  }
};

// On Windows the system makes the page's dialogs; the operator knows them by the templates of
// the host's resource module, registered once for the process.
inline void RegisterHostDialogs() {
#if defined(_WIN32)
  static const bool registered = [] {
    const HMODULE resources = LoadLibraryW(host::kResourceModuleFileName);
    if (resources == nullptr)
      return false;
    winplat::RegisterDialogTemplates(resources);
    FreeLibrary(resources);
    return true;
  }();
  ASSERT_TRUE(registered) << "the host's resource module is not beside the suite";
#endif
}

class PageCommandTest : public store_testing::StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    RegisterHostDialogs();
    winplat::SetOperator(&operator_);
    winplat::ClearModalDialogLog();
    winplat::ClearMessageBoxLog();
    winplat::ClearChooserLog();
  }
  void TearDown() override {
    winplat::SetOperator(nullptr);
    if (window_ != nullptr)
      DestroyWindow(window_);
    StoreTest::TearDown();
  }

  // The page of the printer, in the host's language `language` (0: the session's own).
  void OpenPage(const WideString &printer, WORD language = 0) {
    OpenSession(printer);
    if (language != 0)
      session_->SetLanguageId(language);
    ShowPage();
  }

  void OpenSession(const WideString &printer) {
    session_ = Open(printer);
    ASSERT_TRUE(session_);
  }

  void ShowPage() {
    context_ =
        std::make_unique<NotifyingDriverContext>(session_->driverContext(), notified_.window());
    owner_.SetDriverContext(context_.get());
    owner_.SetUIManager(session_->uiManager());
    page_.SetOwner(&owner_);
    page_.ChooseTemplate();
    window_ = CreateTestPageWindow(&page_);
    ASSERT_NE(window_, nullptr);
  }

  // The built-in profile ("Factory Default", registry number 0) and the named user profiles,
  // numbered from 1 in order, stored as the printer's profile list. The built-in one carries the
  // English host strings the page shows for it, so that storing the list as the page holds it
  // changes none of its bytes.
  void StoreProfiles(const WideString &printer, const std::vector<std::string> &users) {
    const WideString *info =
        host::StringTable::ForLanguage(host::UiLanguage::English).Find(IDS_DEFAULT_PROFILE_INFO);
    const std::string infoText = info != nullptr ? host::Utf8FromUtf16(*info) : "";
    std::vector<ProfileHeader> headers = {
        store_testing::Header("Factory Default", 0, infoText.c_str())};
    LONG number = 1;
    for (const std::string &name : users)
      headers.push_back(store_testing::Header(name.c_str(), number++));
    StoreHeaders(printer, headers, static_cast<DWORD>(headers.size()));
  }

  // The stored profile list, in stored order.
  std::vector<ProfileHeader> StoredHeaders(const WideString &printer) {
    std::vector<ProfileHeader> headers;
    const auto data = PrinterValue(printer, "JzProfileData");
    if (!data)
      return headers;
    for (size_t at = 0; at + sizeof(ProfileHeader) <= data->size(); at += sizeof(ProfileHeader)) {
      headers.emplace_back();
      std::memcpy(&headers.back(), data->data() + at, sizeof(ProfileHeader));
    }
    return headers;
  }

  // One of a profile's values where the platform keeps it: a side file for a user profile on
  // the ANSI platform, printer data otherwise.
  std::optional<std::vector<BYTE>> StoredValue(const WideString &printer, int regNum,
                                               const std::string &valueName) {
    const std::string dataName = store_testing::DataName(regNum, valueName);
    if (Ansi() && regNum != 0)
      return SideFile(host::AnsiFromWide(printer, CP_ACP) + "_" + dataName);
    return PrinterValue(printer, dataName);
  }

  HWND ProfileRows() const { return GetDlgItem(window_, IDC_PROFILE_LIST); }

  std::vector<WideString> Rows() const {
    std::vector<WideString> rows;
    const int count = static_cast<int>(SendMessageW(ProfileRows(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      WCHAR text[260] = {};
      LVITEMW item{};
      item.pszText = text;
      item.cchTextMax = 260;
      SendMessageW(ProfileRows(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      rows.push_back(text);
    }
    return rows;
  }

  // Selects exactly these rows; the last one also takes the focus.
  void SelectRows(const std::vector<int> &rows) const {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(ProfileRows(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    for (int row : rows) {
      item.state = LVIS_SELECTED | (row == rows.back() ? LVIS_FOCUSED : 0);
      SendMessageW(ProfileRows(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    }
  }

  bool Enabled(int controlId) const { return IsWindowEnabled(GetDlgItem(window_, controlId)); }

  // A click on the page's button, which does nothing while the button is disabled.
  void Click(int controlId) const { SendMessageW(GetDlgItem(window_, controlId), BM_CLICK, 0, 0); }

  WideString HostString(UINT id) {
    WCHAR text[260] = {};
    session_->uiManager()->LoadResString(id, text, 260, 0, 0, 0);
    return text;
  }

  InspectingOperator operator_;
  NotifyRecorder notified_;
  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<NotifyingDriverContext> context_;
  CControlSetProfil owner_{nullptr};
  ProfilePage page_;
  HWND window_ = nullptr;
};

}  // namespace prfmod::testing
