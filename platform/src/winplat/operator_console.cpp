// The console operator: prints a message box as text and reads which button the user presses.
#include <windows.h>

#include <cctype>
#include <istream>
#include <ostream>
#include <string_view>

#include "winplat/operator.h"

namespace {

// Button captions as Windows shows them; '&' marks the mnemonic letter.
struct ButtonLabel {
  int id;
  std::string_view label;
};

constexpr ButtonLabel kButtonLabels[] = {
    {IDOK, "&OK"},       {IDCANCEL, "&Cancel"},      {IDABORT, "&Abort"},
    {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"},      {IDYES, "&Yes"},
    {IDNO, "&No"},       {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "C&ontinue"},
};

std::string_view LabelOf(int id) {
  for (const ButtonLabel &button : kButtonLabels) {
    if (button.id == id)
      return button.label;
  }
  return {};
}

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char &c : lowered)
    c = LowerAscii(c);
  return lowered;
}

char MnemonicOf(std::string_view label) {
  return LowerAscii(label[label.find('&') + 1]);
}

std::string NameOf(std::string_view label) {
  std::string name(label);
  name.erase(name.find('&'), 1);
  return name;
}

// "&Yes" is shown "[Y]es", "C&ontinue" "C[o]ntinue".
std::string Shown(std::string_view label) {
  const size_t mark = label.find('&');
  std::string shown(label.substr(0, mark));
  shown += '[';
  shown += label[mark + 1];
  shown += ']';
  shown += label.substr(mark + 2);
  return shown;
}

const char *IconKind(UINT style) {
  switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
      return "Error";
    case MB_ICONQUESTION:
      return "Question";
    case MB_ICONEXCLAMATION:
      return "Warning";
    case MB_ICONASTERISK:
      return "Information";
    default:
      return nullptr;
  }
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos)
    return std::string();
  const size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

// The button a reply names by its mnemonic letter or its full name, in any case; 0 for none.
int ButtonNamed(const std::string &reply, const std::vector<int> &buttons) {
  const std::string lowered = Lowered(reply);
  for (const int id : buttons) {
    const std::string_view label = LabelOf(id);
    const bool byLetter = lowered.size() == 1 && lowered[0] == MnemonicOf(label);
    if (byLetter || lowered == Lowered(NameOf(label)))
      return id;
  }
  return 0;
}

}  // namespace

namespace winplat {

int ConsoleOperator::AnswerMessageBox(const MessageBoxCall &call) {
  const std::vector<int> buttons = MessageBoxButtons(call.style);
  if (buttons.empty())
    return 0;
  const int defaultButton = MessageBoxDefaultButton(call.style);

  out_ << "\n=== " << Utf8FromUtf16(call.caption) << " ===\n";
  if (const char *icon = IconKind(call.style))
    out_ << '[' << icon << "] ";
  out_ << WithoutCarriageReturns(Utf8FromUtf16(call.text)) << '\n';

  std::string choices;
  for (const int id : buttons)
    choices += (choices.empty() ? "" : " ") + Shown(LabelOf(id));
  const std::string prompt = choices + " (Enter: " + NameOf(LabelOf(defaultButton)) + ")? ";

  std::string line;
  for (;;) {
    out_ << prompt << std::flush;
    if (!std::getline(in_, line)) {
      out_ << '\n';
      return defaultButton;
    }
    const std::string reply = Trimmed(line);
    if (reply.empty())
      return defaultButton;
    if (const int chosen = ButtonNamed(reply, buttons))
      return chosen;
    out_ << "Please answer " << choices << ".\n";
  }
}

}  // namespace winplat
