// The host's string tables: every user-visible text, by number, in English and Japanese.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include "abi/wide.h"

namespace host {

enum class UiLanguage { English, Japanese };

class StringTable {
 public:
  // Parses STRINGTABLE text (UTF-8): lines `ID, "text"` between BEGIN and END, with the escapes
  // \" \\ \n \t. Returns nothing and sets `error` on malformed input.
  static std::optional<StringTable> Parse(std::string_view text, std::string *error);
  // The built-in table of a language.
  static const StringTable &ForLanguage(UiLanguage language);

  const WideString *Find(UINT id) const;
  size_t size() const { return strings_.size(); }
  const std::map<UINT, WideString> &entries() const { return strings_; }

 private:
  std::map<UINT, WideString> strings_;
};

// The language identifier the host reports for a UI language (GetLanguage).
WORD LanguageId(UiLanguage language);
// The ANSI code page of a UI language.
UINT AnsiCodePage(UiLanguage language);

}  // namespace host
