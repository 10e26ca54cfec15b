// The profile page of the demo machine's colour printer, for the benchmarks: a fresh demo
// machine in a temporary state folder on Windows XP or 98, user profiles added through the
// page's Add button, and the page window with the operator that answers its dialogs and
// questions, as the page tests build them.
#pragma once

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <winplat/config.h>
#include <winplat/operator.h>
#include <winplat/registry.h>

#include "host/demo_state.h"
#include "host/printer_session.h"
#include "page/command_test_support.h"

namespace prfbench {

using prfmod::testing::InspectingOperator;
using prfmod::testing::NotifyingDriverContext;
using prfmod::testing::NotifyRecorder;
using winplat::DialogStep;
using winplat::WindowsVersion;

// The benchmarks' argument for the platform.
inline WindowsVersion Platform(int64_t argument) {
  return argument == 98 ? WindowsVersion::Win98 : WindowsVersion::WinXP;
}

// A fresh demo machine on the platform, in its own temporary state folder.
class BenchMachine {
 public:
  explicit BenchMachine(WindowsVersion version)
      : folder_(std::filesystem::temp_directory_path() /
                ("prf-bench-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "drive_c");
    winplat::SetWindowsVersion(WindowsVersion::WinXP);
    winplat::SetAnsiCodePage(1252);
    winplat::SetInstantSleep(true);
    winplat::MapDrive('C', (folder_ / "drive_c").string());
    winplat::ResetRegistry();
    std::string error;
    if (!host::InstallDemoMachine(&error))
      throw std::runtime_error(error);
    winplat::SetWindowsVersion(version);
  }
  ~BenchMachine() { std::filesystem::remove_all(folder_); }
  BenchMachine(const BenchMachine &) = delete;
  BenchMachine &operator=(const BenchMachine &) = delete;

  std::filesystem::path File(const std::string &name) const { return folder_ / name; }

 private:
  std::filesystem::path folder_;
};

// The colour printer's page holding the built-in profile and `users` profiles added through it.
class BenchPage {
 public:
  BenchPage(WindowsVersion version, int users) : machine_(version) {
    winplat::SetOperator(&operator_);
    std::string error;
    session_ = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    if (!session_)
      throw std::runtime_error(error);
    context_ =
        std::make_unique<NotifyingDriverContext>(session_->driverContext(), notified_.window());
    owner_.SetDriverContext(context_.get());
    owner_.SetUIManager(session_->uiManager());
    page_.SetOwner(&owner_);
    page_.ChooseTemplate();
    Open();
    for (int i = 1; i <= users; ++i)
      Add(Name(i));
  }
  ~BenchPage() {
    Close();
    winplat::SetOperator(nullptr);
  }
  BenchPage(const BenchPage &) = delete;
  BenchPage &operator=(const BenchPage &) = delete;

  static std::u16string Name(int i) {
    char text[24];
    std::snprintf(text, sizeof text, "Profile %02d", i);
    return std::u16string(text, text + std::char_traits<char>::length(text));
  }

  // The page window: WM_INITDIALOG loads the profiles and shows the first summary. It belongs
  // to the host's resource module, as the page a host opens does, so that the dialogs it opens
  // find their templates there.
  void Open() {
    window_ = prfmod::testing::CreateTestPageWindow(&page_);
    SetWindowLongPtrW(window_, GWLP_HINSTANCE,
                      reinterpret_cast<LONG_PTR>(session_->uiManager()->GetResourceInstance()));
  }
  void Close() {
    if (window_ != nullptr)
      DestroyWindow(window_);
    window_ = nullptr;
  }

  int Rows() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
  // Selects exactly these rows; the last one also takes the focus.
  void Select(const std::vector<int> &rows) const {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    for (int row : rows) {
      item.state = LVIS_SELECTED | (row == rows.back() ? LVIS_FOCUSED : 0);
      SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  void Click(int controlId) const { SendMessageW(GetDlgItem(window_, controlId), BM_CLICK, 0, 0); }

  void Add(const std::u16string &name) {
    operator_.QueueDialog(IDD_PROFILE_PROPERTIES, {DialogStep::SetText(IDC_PROPERTIES_NAME, name),
                                                   DialogStep::Click(IDOK)});
    Click(IDC_PROFILE_ADD);
  }
  void Edit(int row, const std::u16string &description) {
    Select({row});
    operator_.QueueDialog(
        IDD_PROFILE_PROPERTIES,
        {DialogStep::SetText(IDC_PROPERTIES_DESCRIPTION, description), DialogStep::Click(IDOK)});
    Click(IDC_PROFILE_EDIT);
  }
  void Delete(const std::vector<int> &rows) {
    Select(rows);
    operator_.Queue(IDYES);
    Click(IDC_PROFILE_DELETE);
  }
  void Apply(int row) {
    Select({row});
    Click(IDC_PROFILE_APPLY);
  }
  void Export(const std::vector<int> &rows, const std::u16string &file) {
    Select(rows);
    operator_.QueueSaveFile(file);
    Click(IDC_PROFILE_EXPORT);
  }
  void Import(const std::u16string &file) {
    operator_.QueueOpenFile(file);
    Click(IDC_PROFILE_IMPORT);
  }
  void ShowSettingsTree() {
    operator_.QueueDialog(winplat::IsAnsiPlatform() ? IDD_SETTINGS_INFO_OLD : IDD_SETTINGS_INFO,
                          {DialogStep::Click(IDOK)});
    Click(IDC_SETTINGS_INFO);
  }

  const BenchMachine &machine() const { return machine_; }

 private:
  HWND List() const { return GetDlgItem(window_, IDC_PROFILE_LIST); }

  BenchMachine machine_;
  InspectingOperator operator_;
  NotifyRecorder notified_;
  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<NotifyingDriverContext> context_;
  CControlSetProfil owner_{nullptr};
  ProfilePage page_;
  HWND window_ = nullptr;
};

}  // namespace prfbench
