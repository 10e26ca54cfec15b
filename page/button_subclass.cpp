#include "page/button_subclass.h"

namespace {

constexpr BYTE kTabScanCode = 0x45;

}  // namespace

void SubclassButton(HWND button, bool ansi, WNDPROC procA, WNDPROC procW) {
  if (button == nullptr)
    return;
  if (ansi) {
    const LONG_PTR previous =
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procA));
    SetWindowLongPtrA(button, GWLP_USERDATA, previous);
  } else {
    const LONG_PTR previous =
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procW));
    SetWindowLongPtrW(button, GWLP_USERDATA, previous);
  }
}

WNDPROC PreviousButtonProc(HWND button, bool ansi) {
  const LONG_PTR previous =
      ansi ? GetWindowLongPtrA(button, GWLP_USERDATA) : GetWindowLongPtrW(button, GWLP_USERDATA);
  return reinterpret_cast<WNDPROC>(previous);
}

void SynthesizeTab() {
  keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}
