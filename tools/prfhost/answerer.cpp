// Answering the module's questions for prfhost.
#include "answerer.h"

#include <algorithm>

namespace prfhost {
namespace {

bool Has(const std::vector<int> &buttons, int button) {
  return std::find(buttons.begin(), buttons.end(), button) != buttons.end();
}

// The button that leaves things as they are.
int RefusingButton(const std::vector<int> &buttons, UINT style) {
  for (int button : {IDCANCEL, IDNO, IDABORT})
    if (Has(buttons, button))
      return button;
  return winplat::MessageBoxDefaultButton(style);
}

}  // namespace

Answerer::Answerer(std::vector<int> answers, bool yes, bool terminal, std::istream &in,
                   std::ostream &out)
    : answers_(answers.begin(), answers.end()),
      yes_(yes),
      terminal_(terminal),
      console_(std::make_unique<winplat::ConsoleOperator>(in, out)) {}

int Answerer::AnswerMessageBox(const winplat::MessageBoxCall &call) {
  const std::vector<int> buttons = winplat::MessageBoxButtons(call.style);
  if (buttons.size() <= 1)
    return winplat::MessageBoxDefaultButton(call.style);
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (yes_ && Has(buttons, IDYES))
    return IDYES;
  if (terminal_)
    return console_->AnswerMessageBox(call);
  refused_.push_back(winplat::Utf8FromUtf16(call.text));
  return RefusingButton(buttons, call.style);
}

std::optional<winplat::FileChoice> Answerer::AnswerFileChooser(
    const winplat::FileChooserCall &call) {
  if (!terminal_)
    return std::nullopt;
  return console_->AnswerFileChooser(call);
}

std::optional<winplat::ColorChoice> Answerer::AnswerColorChooser(
    const winplat::ColorChooserCall &call) {
  if (!terminal_)
    return std::nullopt;
  return console_->AnswerColorChooser(call);
}

std::string RefusedQuestionMessage(const std::string &question) {
  return "the page asked \"" + question +
         "\" and nobody was there to answer (give --yes, --answers LIST or run at a terminal); "
         "nothing was changed";
}

}  // namespace prfhost
