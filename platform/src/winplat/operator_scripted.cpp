// The scripted operator: answers message boxes from a queue, then with their default buttons,
// and operates modal dialogs with the step lists queued for their templates.
#include <windows.h>

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

namespace winplat {

void ScriptedOperator::QueueDialog(WORD templateId, std::vector<DialogStep> steps) {
  dialogs_[templateId].push_back(std::move(steps));
}

std::size_t ScriptedOperator::PendingDialogs() const {
  std::size_t pending = 0;
  for (const auto &[id, scripts] : dialogs_)
    pending += scripts.size();
  return pending;
}

bool ScriptedOperator::OperateDialog(const ModalDialogCall &call) {
  const auto found = dialogs_.find(call.templateId);
  if (found == dialogs_.end() || found->second.empty())
    return false;
  const std::vector<DialogStep> steps = std::move(found->second.front());
  found->second.pop_front();
  for (const DialogStep &step : steps) {
    if (!IsWindowVisible(call.dialog))
      break;
    PerformDialogStep(call, step);
  }
  return true;
}

}  // namespace winplat
