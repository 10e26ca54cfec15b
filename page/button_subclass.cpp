// The Tab press of the subclassed buttons.
#include "page/button_subclass.h"

namespace {

constexpr BYTE kTabScanCode = 0x45;

}  // namespace

void SynthesizeTab() {
  keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event(VK_TAB, kTabScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}
