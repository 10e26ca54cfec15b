// System colours (the classic Windows scheme), system metrics, MulDiv, and the recorded WinHelp
// and MessageBeep calls.
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "winplat/errors.h"
#include "winplat/text.h"
#include "winplat/user.h"

namespace {

// Indexed by COLOR_*: the "Windows Standard" (classic) scheme of Windows 2000 and XP.
constexpr COLORREF kSysColors[] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: unused
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
};
constexpr int kSysColorCount = sizeof(kSysColors) / sizeof(kSysColors[0]);

std::vector<winplat::HelpCall> helpLog;
std::vector<UINT> beepLog;

}  // namespace

namespace winplat {

const std::vector<HelpCall> &HelpLog() {
  return helpLog;
}
const std::vector<UINT> &BeepLog() {
  return beepLog;
}
void ClearUserLogs() {
  helpLog.clear();
  beepLog.clear();
}

}  // namespace winplat

extern "C" DWORD WINAPI GetSysColor(int nIndex) {
  return nIndex >= 0 && nIndex < kSysColorCount ? kSysColors[nIndex] : 0;
}

extern "C" HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  static std::map<int, HBRUSH> brushes;
  if (nIndex < 0 || nIndex >= kSysColorCount)
    return nullptr;
  HBRUSH &brush = brushes[nIndex];
  if (brush == nullptr)
    brush = CreateSolidBrush(kSysColors[nIndex]);
  return brush;
}

extern "C" int WINAPI GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
      return 1024;
    case SM_CYSCREEN:
      return 768;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return 16;
    case SM_CYCAPTION:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    default:
      return 0;
  }
}

extern "C" int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0)
    return -1;
  const long long product = static_cast<long long>(nNumber) * nNumerator;
  long long quotient = product / nDenominator;
  const long long remainder = product % nDenominator;
  if (std::llabs(remainder) * 2 >= std::llabs(static_cast<long long>(nDenominator)))
    quotient += (product < 0) != (nDenominator < 0) ? -1 : 1;
  if (quotient > INT32_MAX || quotient < INT32_MIN)
    return -1;
  return static_cast<int>(quotient);
}

extern "C" BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  winplat::HelpCall call{hWndMain, lpszHelp != nullptr ? lpszHelp : "", uCommand, dwData, {}};
  if ((uCommand == HELP_CONTEXTMENU || uCommand == HELP_WM_HELP) && dwData != 0)
    for (const DWORD *pair = reinterpret_cast<const DWORD *>(dwData); pair[0] != 0 || pair[1] != 0;
         pair += 2)
      call.helpIds.emplace_back(pair[0], pair[1]);
  helpLog.push_back(std::move(call));
  return TRUE;
}

extern "C" BOOL WINAPI MessageBeep(UINT uType) {
  beepLog.push_back(uType);
  return TRUE;
}
