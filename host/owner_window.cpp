// The host's owner window: a plain hidden top-level window of a class of its own that keeps its
// session in its user data.
#include "host/owner_window.h"

#include <cstring>

#include "abi/wide.h"
#include "abi/settings_notify.h"

namespace host {
namespace {

constexpr WCHAR kClassName[] = WSTR("JZPrinterUIOwner");

bool IsSettingsApplied(WPARAM wParam, LPARAM lParam) {
  if (wParam != 0 || lParam == 0)
    return false;
  SettingsAppliedNotify notify;
  std::memcpy(&notify, reinterpret_cast<const void *>(lParam), sizeof notify);
  return notify.nCode == SETTINGS_APPLIED_CODE && notify.nCode2 == SETTINGS_APPLIED_CODE;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto *session = reinterpret_cast<PrinterSession *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NOTIFY && session && IsSettingsApplied(wParam, lParam)) {
    ++session->events().settingsApplied;
    session->SaveSettings();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Registered once per process; a second registration finds the class there already.
void RegisterOwnerClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = OwnerProc;
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
}

}  // namespace

OwnerWindow::OwnerWindow(PrinterSession &session) : session_(session) {
  RegisterOwnerClass();
  window_ = CreateWindowExW(0, kClassName, WSTR("Printer Properties"), WS_OVERLAPPEDWINDOW, 0, 0,
                            400, 300, nullptr, nullptr, nullptr, nullptr);
  if (!window_)
    return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&session_));
  session_.SetNotifyWindow(window_);
}

OwnerWindow::~OwnerWindow() {
  if (!window_)
    return;
  session_.SetNotifyWindow(nullptr);
  DestroyWindow(window_);
}

}  // namespace host
