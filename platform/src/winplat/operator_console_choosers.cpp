// The console operator's answers to the file and colour choosers.
#include <windows.h>

#include <cstdlib>
#include <istream>
#include <ostream>

#include "winplat/operator.h"

namespace {

std::string Trim(const std::string &text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos)
    return std::string();
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A colour typed as RRGGBB; false for anything else.
bool ParseColor(const std::string &text, COLORREF &color) {
  if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return false;
  const unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
  color = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  return true;
}

std::string Hex(COLORREF color) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const BYTE part : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 0xF];
  }
  return text;
}

}  // namespace

namespace winplat {

std::optional<FileChoice> ConsoleOperator::AnswerFileChooser(const FileChooserCall &call) {
  out_ << "\n=== " << (call.save ? "Save" : "Open") << " file: " << Utf8FromUtf16(call.title)
       << " ===\n";
  for (size_t i = 0; i < call.filters.size(); ++i)
    out_ << (i + 1 == call.filterIndex ? "* " : "  ") << Utf8FromUtf16(call.filters[i].description)
         << '\n';
  if (!call.initialDirectory.empty())
    out_ << "In: " << Utf8FromUtf16(call.initialDirectory) << '\n';
  out_ << "File name (Enter: Cancel)? " << std::flush;
  std::string line;
  if (!std::getline(in_, line) || Trim(line).empty()) {
    out_ << '\n';
    return FileChoice{};
  }
  return FileChoice{true, Utf16FromUtf8(Trim(line)), 0};
}

std::optional<ColorChoice> ConsoleOperator::AnswerColorChooser(const ColorChooserCall &call) {
  out_ << "\n=== Color (now " << Hex(call.initial) << ") ===\n";
  for (;;) {
    out_ << "Color as RRGGBB (Enter: Cancel)? " << std::flush;
    std::string line;
    if (!std::getline(in_, line) || Trim(line).empty()) {
      out_ << '\n';
      return ColorChoice{};
    }
    COLORREF color = 0;
    if (ParseColor(Trim(line), color))
      return ColorChoice{true, color, {}};
    out_ << "Please answer six hexadecimal digits, such as FF8000.\n";
  }
}

}  // namespace winplat
