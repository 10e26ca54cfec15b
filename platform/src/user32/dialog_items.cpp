// The dialog item functions: finding a control by ID and reaching its text, number and check.
#include <winbase.h>
#include <winnls.h>

#include <string>

#include "user_window.h"

namespace {

// The control with this ID among the dialog's direct children (ERROR_CONTROL_ID_NOT_FOUND).
HWND ItemOf(HWND dialog, int id) {
  const HWND item = GetDlgItem(dialog, id);
  if (item == nullptr && IsWindow(dialog))
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return item;
}

}  // namespace

extern "C" HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  if (!IsWindow(hDlg))
    return nullptr;
  for (HWND child = GetWindow(hDlg, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == nIDDlgItem)
      return child;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

extern "C" BOOL WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  return item != nullptr && SetWindowTextW(item, lpString);
}

extern "C" BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  return item != nullptr && SetWindowTextA(item, lpString);
}

extern "C" UINT WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  if (item == nullptr) {
    if (lpString != nullptr && cchMax > 0)
      lpString[0] = u'\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(item, lpString, cchMax));
}

extern "C" UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  if (item == nullptr) {
    if (lpString != nullptr && cchMax > 0)
      lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
}

extern "C" BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  const std::string text =
      bSigned ? std::to_string(static_cast<int>(uValue)) : std::to_string(uValue);
  return SetDlgItemTextA(hDlg, nIDDlgItem, text.c_str());
}

// Leading and trailing blanks are skipped; a sign only when bSigned; a value out of range of
// INT (signed) or UINT fails.
extern "C" UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL *lpTranslated, BOOL bSigned) {
  if (lpTranslated != nullptr)
    *lpTranslated = FALSE;
  char buffer[64] = {};
  if (ItemOf(hDlg, nIDDlgItem) == nullptr)
    return 0;
  GetDlgItemTextA(hDlg, nIDDlgItem, buffer, sizeof(buffer));
  std::string text(buffer);
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos)
    return 0;
  text = text.substr(first, last - first + 1);
  bool negative = false;
  size_t at = 0;
  if (bSigned && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    at = 1;
  }
  if (at == text.size())
    return 0;
  unsigned long long value = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9')
      return 0;
    value = value * 10 + static_cast<unsigned>(text[at] - '0');
    if (value > 0xFFFFFFFFull)
      return 0;
  }
  const unsigned long long maximum =
      bSigned ? (negative ? 0x80000000ull : 0x7FFFFFFFull) : 0xFFFFFFFFull;
  if (value > maximum)
    return 0;
  if (lpTranslated != nullptr)
    *lpTranslated = TRUE;
  return negative ? static_cast<UINT>(0u - static_cast<UINT>(value)) : static_cast<UINT>(value);
}

extern "C" BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  const HWND item = ItemOf(hDlg, nIDButton);
  if (item == nullptr)
    return FALSE;
  SendMessageW(item, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

extern "C" UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  const HWND item = ItemOf(hDlg, nIDButton);
  return item != nullptr ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

extern "C" LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                              LPARAM lParam) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  return item != nullptr ? SendMessageW(item, Msg, wParam, lParam) : 0;
}

extern "C" LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                              LPARAM lParam) {
  const HWND item = ItemOf(hDlg, nIDDlgItem);
  return item != nullptr ? SendMessageA(item, Msg, wParam, lParam) : 0;
}
