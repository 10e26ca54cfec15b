// The operator: whoever answers the platform's user interface in place of a person at a screen.
// The host installs one (a console for interactive runs), tests script one. Every message box is
// logged whoever answers it. C++ only; <windows.h> does not include this header.
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "winplat/types.h"

namespace winplat {

// UTF-16 (the log, wide Win32 text) to UTF-8 (the console, host paths) and back. An unpaired
// surrogate or an invalid byte sequence becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);

struct MessageBoxCall {
  HWND owner = nullptr;
  std::u16string text;
  std::u16string caption;
  UINT style = 0;
  int answer = 0;  // the box's result; 0 when the box failed
};

// The buttons of a box style, left to right (IDOK, IDCANCEL...), and the one MB_DEFBUTTONn names
// (the first when the style names a button it does not have). Empty / 0 for an invalid style.
std::vector<int> MessageBoxButtons(UINT style);
int MessageBoxDefaultButton(UINT style);

class Operator {
 public:
  virtual ~Operator() = default;
  // Returns the chosen button's ID; MessageBox rejects an ID that is not one of the box's buttons.
  virtual int AnswerMessageBox(const MessageBoxCall &call) = 0;
};

// Installs the operator (not owned; nullptr restores the default, a ScriptedOperator with nothing
// queued, which presses every box's default button).
void SetOperator(Operator *op);

const std::vector<MessageBoxCall> &MessageBoxLog();
void ClearMessageBoxLog();

// Answers boxes from a queue of button IDs. With the queue empty it presses the default button
// and remembers that the script ran out.
class ScriptedOperator : public Operator {
 public:
  ScriptedOperator() = default;
  ScriptedOperator(std::initializer_list<int> answers) : answers_(answers) {}
  void Queue(int answer) { answers_.push_back(answer); }
  std::size_t Pending() const { return answers_.size(); }
  bool RanOut() const { return ranOut_; }
  int AnswerMessageBox(const MessageBoxCall &call) override;

 private:
  std::deque<int> answers_;
  bool ranOut_ = false;
};

// Shows each box as text on `out` and reads the choice from `in`, one line per answer: a button's
// mnemonic letter or its full name, any case. An empty line, or the end of the input, presses the
// default button; anything else asks again.
class ConsoleOperator : public Operator {
 public:
  ConsoleOperator(std::istream &in, std::ostream &out) : in_(in), out_(out) {}
  int AnswerMessageBox(const MessageBoxCall &call) override;

 private:
  std::istream &in_;
  std::ostream &out_;
};

}  // namespace winplat
