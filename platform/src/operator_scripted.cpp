// The scripted operator: answers message boxes from a queue, then with their default buttons.
#include "winplat/operator.h"

namespace winplat {

int ScriptedOperator::AnswerMessageBox(const MessageBoxCall &call) {
  if (answers_.empty()) {
    ranOut_ = true;
    return MessageBoxDefaultButton(call.style);
  }
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace winplat
