// The operator: whoever answers the platform's user interface in place of a person at a screen.
// The host installs one (a console for interactive runs), tests script one. Every message box is
// logged whoever answers it. C++ only; <windows.h> does not include this header.
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <windef.h>

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

// A modal dialog (DialogBox*) once WM_INITDIALOG has been handled and the dialog is shown.
struct ModalDialogCall {
  HWND dialog = nullptr;
  WORD templateId = 0;          // the template's ordinal; 0 for a named or in-memory template
  std::u16string templateName;  // the template's name when it has one
  std::u16string caption;
};

// One step an operator takes on a modal dialog.
struct DialogStep {
  enum class Kind { SetText, Send, Key, Click, End };
  Kind kind = Kind::End;
  int controlId = 0;
  std::u16string text;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  BYTE key = 0;
  INT_PTR result = 0;

  // SetWindowText on the control.
  static DialogStep SetText(int controlId, std::u16string text);
  // SendMessage to the control (selecting an item, checking a box...).
  static DialogStep Send(int controlId, UINT message, WPARAM wParam, LPARAM lParam);
  // A key pressed and released (keybd_event) while the focus is where the dialog put it.
  static DialogStep Key(BYTE virtualKey);
  // BM_CLICK on the control, or WM_COMMAND BN_CLICKED to the dialog when no such control exists.
  static DialogStep Click(int controlId);
  // EndDialog with the result.
  static DialogStep End(INT_PTR result);
};

// Performs a step, then lets the dialog handle the messages it caused; the step is logged.
void PerformDialogStep(const ModalDialogCall &call, const DialogStep &step);

// Every modal dialog event in order: shown, each step, and how it ended. A dialog no operator
// answered is ended with IDCANCEL (Unanswered, then Ended); one whose loop has no message left
// while it is still open is ended with -1 (RanDry, then Ended).
struct ModalEvent {
  enum class Kind { Shown, Step, Unanswered, RanDry, Ended };
  Kind kind = Kind::Shown;
  WORD templateId = 0;
  std::u16string templateName;
  std::u16string caption;
  std::u16string detail;  // a step's description
  INT_PTR result = 0;     // an ended dialog's result (on Windows always 0: unseen)
};

const std::vector<ModalEvent> &ModalDialogLog();
void ClearModalDialogLog();

// The choosers of <commdlg.h> as the operator sees them.
enum class Chooser { OpenFile, SaveFile, Color };

struct FileFilter {
  std::u16string description;
  std::u16string pattern;  // "*.jzp", or several joined by ';'
};

// GetOpenFileName / GetSaveFileName.
struct FileChooserCall {
  HWND owner = nullptr;
  bool save = false;
  std::u16string title;
  std::vector<FileFilter> filters;
  DWORD filterIndex = 0;  // 1 for the first filter
  std::u16string initialDirectory;
  std::u16string fileName;  // what the name box shows at first
  std::u16string defaultExtension;
  DWORD flags = 0;  // the OFN_ flags
};

// The operator's answer: a path (as typed in the name box: full, or relative to the initial
// directory) and, when not 0, the filter it chose; or a cancel.
struct FileChoice {
  bool chosen = false;
  std::u16string path;
  DWORD filterIndex = 0;
};

// ChooseColor: the colour shown first and the 16 custom colours.
struct ColorChooserCall {
  HWND owner = nullptr;
  COLORREF initial = 0;
  COLORREF custom[16] = {};
  DWORD flags = 0;  // the CC_ flags
};

struct ColorChoice {
  bool chosen = false;
  COLORREF color = 0;
  std::vector<std::pair<int, COLORREF>> customChanges;  // custom colour slot (0-15), new colour
};

// Every chooser event in order. A chooser is Shown, may have answers Refused (a file that must
// exist and does not, an existing file the operator would not replace...), and ends Chosen,
// Cancelled or Unanswered (no operator answer: treated as a cancel). `detail` tells the path or
// the colour (as "#RRGGBB") of an answer.
struct ChooserEvent {
  enum class Kind { Shown, Refused, Chosen, Cancelled, Unanswered };
  Kind kind = Kind::Shown;
  Chooser chooser = Chooser::OpenFile;
  std::u16string title;
  std::u16string detail;
};

const std::vector<ChooserEvent> &ChooserLog();
void ClearChooserLog();
void LogChooserEvent(ChooserEvent event);

class Operator {
 public:
  virtual ~Operator() = default;
  // Returns the chosen button's ID; MessageBox rejects an ID that is not one of the box's buttons.
  virtual int AnswerMessageBox(const MessageBoxCall &call) = 0;
  // Operates a modal dialog through PerformDialogStep; false when it does not answer it (the
  // dialog is then cancelled). The default answers none.
  virtual bool OperateDialog(const ModalDialogCall &) { return false; }
  // Answers a file chooser; nullopt when it does not answer (the chooser is then cancelled).
  // A chooser whose answer is refused asks again. The default answers none.
  virtual std::optional<FileChoice> AnswerFileChooser(const FileChooserCall &) {
    return std::nullopt;
  }
  virtual std::optional<ColorChoice> AnswerColorChooser(const ColorChooserCall &) {
    return std::nullopt;
  }
};

// Installs the operator (not owned; nullptr restores the default, a ScriptedOperator with nothing
// queued, which presses every box's default button).
void SetOperator(Operator *op);
Operator &CurrentOperator();

const std::vector<MessageBoxCall> &MessageBoxLog();
void ClearMessageBoxLog();

#if defined(_WIN32)
// On Windows the system makes the dialogs: a modal dialog's templateId is found by matching its
// controls against the dialog templates of the modules registered here (0 when none matches).
void RegisterDialogTemplates(HMODULE module);
#endif

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

  // The next dialog shown from template `templateId` gets these steps; dialogs of one template
  // take their step lists in the order queued.
  void QueueDialog(WORD templateId, std::vector<DialogStep> steps);
  std::size_t PendingDialogs() const;
  bool OperateDialog(const ModalDialogCall &call) override;

  // Answers for the choosers, each kind from its own queue in the order queued.
  void QueueOpenFile(std::u16string path, DWORD filterIndex = 0);
  void QueueSaveFile(std::u16string path, DWORD filterIndex = 0);
  void QueueColor(COLORREF color, std::vector<std::pair<int, COLORREF>> customChanges = {});
  void QueueCancel(Chooser chooser);
  std::size_t PendingChoosers() const;
  std::optional<FileChoice> AnswerFileChooser(const FileChooserCall &call) override;
  std::optional<ColorChoice> AnswerColorChooser(const ColorChooserCall &call) override;

 private:
  std::deque<int> answers_;
  bool ranOut_ = false;
  std::map<WORD, std::deque<std::vector<DialogStep>>> dialogs_;
  std::deque<FileChoice> openFiles_;
  std::deque<FileChoice> saveFiles_;
  std::deque<ColorChoice> colors_;
};

// Shows each box as text on `out` and reads the choice from `in`, one line per answer: a button's
// mnemonic letter or its full name, any case. An empty line, or the end of the input, presses the
// default button; anything else asks again. Modal dialogs are not shown: each is cancelled. A
// file chooser asks for a path (an empty line cancels), the colour chooser for a colour as
// RRGGBB in hexadecimal (an empty line cancels; the custom colours stay).
class ConsoleOperator : public Operator {
 public:
  ConsoleOperator(std::istream &in, std::ostream &out) : in_(in), out_(out) {}
  int AnswerMessageBox(const MessageBoxCall &call) override;
  std::optional<FileChoice> AnswerFileChooser(const FileChooserCall &call) override;
  std::optional<ColorChoice> AnswerColorChooser(const ColorChooserCall &call) override;

 private:
  std::istream &in_;
  std::ostream &out_;
};

}  // namespace winplat
