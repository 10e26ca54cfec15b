// The message boxes as the operator sees them: the buttons of a box style, the installed
// operator and the log of every box answered.
#include <windows.h>

#include <atomic>
#include <mutex>

#include "operator_events.h"

namespace {

std::atomic<winplat::Operator *> currentOperator{nullptr};

std::mutex logMutex;
std::vector<winplat::MessageBoxCall> messageBoxLog;

}  // namespace

namespace winplat {

void StoreOperator(Operator *op) {
  currentOperator = op;
}

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

const std::vector<MessageBoxCall> &MessageBoxLog() {
  return messageBoxLog;
}

void ClearMessageBoxLog() {
  std::lock_guard<std::mutex> guard(logMutex);
  messageBoxLog.clear();
}

void LogMessageBox(const MessageBoxCall &call) {
  std::lock_guard<std::mutex> guard(logMutex);
  messageBoxLog.push_back(call);
}

}  // namespace winplat
