// MessageBoxA/W: the box goes to the current operator, its answer is checked against the box's
// buttons, and the box is logged.
#include <winbase.h>
#include <winnls.h>
#include <winuser.h>

#include <algorithm>

#include "winplat/operator_events.h"
#include "winplat/text.h"

namespace winplat {

void SetOperator(Operator *op) {
  StoreOperator(op);
}

}  // namespace winplat

extern "C" int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  const std::vector<int> buttons = winplat::MessageBoxButtons(uType);
  if (buttons.empty()) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  winplat::MessageBoxCall call;
  call.owner = hWnd;
  call.text = lpText != nullptr ? lpText : u"";
  call.caption = lpCaption != nullptr ? lpCaption : u"Error";
  call.style = uType;
  call.answer = winplat::CurrentOperator().AnswerMessageBox(call);
  if (std::find(buttons.begin(), buttons.end(), call.answer) == buttons.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    call.answer = 0;
  }
  winplat::LogMessageBox(call);
  return call.answer;
}

extern "C" int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const std::u16string text = lpText != nullptr ? winplat::WideFromMultiByte(CP_ACP, lpText) : u"";
  const std::u16string caption =
      lpCaption != nullptr ? winplat::WideFromMultiByte(CP_ACP, lpCaption) : u"Error";
  return MessageBoxW(hWnd, text.c_str(), caption.c_str(), uType);
}
