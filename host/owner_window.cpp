// The host's owner window: a plain hidden top-level window of a class of its own.
#include "host/owner_window.h"

namespace host {
namespace {

constexpr char16_t kClassName[] = u"JZPrinterUIOwner";

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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

OwnerWindow::OwnerWindow() {
  RegisterOwnerClass();
  window_ = CreateWindowExW(0, kClassName, u"Printer Properties", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                            300, nullptr, nullptr, nullptr, nullptr);
}

OwnerWindow::~OwnerWindow() {
  if (window_)
    DestroyWindow(window_);
}

}  // namespace host
