// MessageBoxA/W: the box goes to the current operator, its answer is checked against the box's
// buttons, and the box is logged.
#include <winbase.h>
#include <winnls.h>
#include <winuser.h>

#include <algorithm>
#include <atomic>
#include <mutex>

#include "winplat/operator.h"
#include "winplat/text.h"

namespace {

std::atomic<winplat::Operator *> currentOperator{nullptr};

std::mutex logMutex;
std::vector<winplat::MessageBoxCall> messageBoxLog;

}  // namespace

namespace winplat {

Operator &CurrentOperator() {
  static ScriptedOperator defaultOperator;
  Operator *op = currentOperator;
  return op != nullptr ? *op : defaultOperator;
}

std::vector<int> MessageBoxButtons(UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_OK:
      return {IDOK};
    case MB_OKCANCEL:
      return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case MB_RETRYCANCEL:
      return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
      return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:
      return {};
  }
}

int MessageBoxDefaultButton(UINT style) {
  const std::vector<int> buttons = MessageBoxButtons(style);
  if (buttons.empty())
    return 0;
  const size_t index = (style & MB_DEFMASK) >> 8;
  return index < buttons.size() ? buttons[index] : buttons.front();
}

void SetOperator(Operator *op) {
  currentOperator = op;
}

const std::vector<MessageBoxCall> &MessageBoxLog() {
  return messageBoxLog;
}

void ClearMessageBoxLog() {
  std::lock_guard<std::mutex> guard(logMutex);
  messageBoxLog.clear();
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
  std::lock_guard<std::mutex> guard(logMutex);
  messageBoxLog.push_back(call);
  return call.answer;
}

extern "C" int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const std::u16string text = lpText != nullptr ? winplat::WideFromMultiByte(CP_ACP, lpText) : u"";
  const std::u16string caption =
      lpCaption != nullptr ? winplat::WideFromMultiByte(CP_ACP, lpCaption) : u"Error";
  return MessageBoxW(hWnd, text.c_str(), caption.c_str(), uType);
}
