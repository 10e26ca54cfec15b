// The text policy's calls that read a control's text, fill a combo box and ask the user.
#include <vector>

#include "store/text_policy.h"

DualText TextPolicy::ItemText(HWND dialog, int controlId, int maxChars) const {
  if (maxChars <= 0)
    return DualText();
  if (m_bAnsi) {
    std::vector<char> text(static_cast<size_t>(maxChars) + 1, '\0');
    GetDlgItemTextA(dialog, controlId, text.data(), maxChars + 1);
    return FromText(text.data());
  }
  std::vector<WCHAR> wide(static_cast<size_t>(maxChars) + 1, WCHAR{0});
  GetDlgItemTextW(dialog, controlId, wide.data(), maxChars + 1);
  return FromWide(wide.data());
}

int TextPolicy::AddComboString(HWND combo, const DualText &text) const {
  if (m_bAnsi)
    return static_cast<int>(
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.text.c_str())));
  return static_cast<int>(
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.wide.c_str())));
}

int TextPolicy::ShowMessageBox(HWND owner, const DualText &text, const DualText &caption,
                               UINT style) const {
  if (m_bAnsi)
    return MessageBoxA(owner, text.text.c_str(), caption.text.c_str(), style);
  return MessageBoxW(owner, text.wide.c_str(), caption.wide.c_str(), style);
}
