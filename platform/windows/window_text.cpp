// Window text and buttons of the system's dialogs, with wide text converted at the boundary.
#include "operator_driver.h"

namespace winplat::windows {

std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return FromWide(text);
}

void ClickButton(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool StillOpen(HWND dialog) {
  return IsWindow(dialog) && IsWindowVisible(dialog);
}

}  // namespace winplat::windows
