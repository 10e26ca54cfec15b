// Who answers the questions the module asks in its message boxes: the answers given with
// --answers, in order; when they are used up (or none were given), yes to every question with
// --yes; else the person at the terminal. With nobody to ask, a question is refused: the box gets
// its Cancel (or No) button and the question is kept, so that the command can say what was asked
// and change nothing. A box with a single button is no question and gets that button.
#pragma once

#include <deque>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <winplat/operator.h>

namespace prfhost {

class Answerer : public winplat::Operator {
 public:
  // `terminal`: questions may be put to the person at `in`/`out`.
  Answerer(std::vector<int> answers, bool yes, bool terminal, std::istream &in, std::ostream &out);

  void AnswerYes() { yes_ = true; }
  int AnswerMessageBox(const winplat::MessageBoxCall &call) override;
  std::optional<winplat::FileChoice> AnswerFileChooser(
      const winplat::FileChooserCall &call) override;
  std::optional<winplat::ColorChoice> AnswerColorChooser(
      const winplat::ColorChooserCall &call) override;

  // The texts of the questions that nobody answered, in UTF-8.
  const std::vector<std::string> &refused() const { return refused_; }

 private:
  std::deque<int> answers_;
  bool yes_;
  bool terminal_;
  std::unique_ptr<winplat::ConsoleOperator> console_;
  std::vector<std::string> refused_;
};

// "answer with --yes or --answers": the message of a command refused for a question nobody
// answered.
std::string RefusedQuestionMessage(const std::string &question);

}  // namespace prfhost
