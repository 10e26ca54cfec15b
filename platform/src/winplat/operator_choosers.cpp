// The chooser log and the scripted operator's chooser answers.
#include "winplat/operator.h"

namespace winplat {

namespace {

std::vector<ChooserEvent> &Log() {
  static std::vector<ChooserEvent> log;
  return log;
}

template <typename Answer>
std::optional<Answer> Take(std::deque<Answer> &queue) {
  if (queue.empty())
    return std::nullopt;
  Answer answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

const std::vector<ChooserEvent> &ChooserLog() {
  return Log();
}

void ClearChooserLog() {
  Log().clear();
}

void LogChooserEvent(ChooserEvent event) {
  Log().push_back(std::move(event));
}

void ScriptedOperator::QueueOpenFile(std::u16string path, DWORD filterIndex) {
  openFiles_.push_back(FileChoice{true, std::move(path), filterIndex});
}

void ScriptedOperator::QueueSaveFile(std::u16string path, DWORD filterIndex) {
  saveFiles_.push_back(FileChoice{true, std::move(path), filterIndex});
}

void ScriptedOperator::QueueColor(COLORREF color,
                                  std::vector<std::pair<int, COLORREF>> customChanges) {
  colors_.push_back(ColorChoice{true, color, std::move(customChanges)});
}

void ScriptedOperator::QueueCancel(Chooser chooser) {
  switch (chooser) {
    case Chooser::OpenFile:
      openFiles_.push_back(FileChoice{});
      break;
    case Chooser::SaveFile:
      saveFiles_.push_back(FileChoice{});
      break;
    case Chooser::Color:
      colors_.push_back(ColorChoice{});
      break;
  }
}

std::size_t ScriptedOperator::PendingChoosers() const {
  return openFiles_.size() + saveFiles_.size() + colors_.size();
}

std::optional<FileChoice> ScriptedOperator::AnswerFileChooser(const FileChooserCall &call) {
  return Take(call.save ? saveFiles_ : openFiles_);
}

std::optional<ColorChoice> ScriptedOperator::AnswerColorChooser(const ColorChooserCall &) {
  return Take(colors_);
}

}  // namespace winplat
