// Parsing and lookup of the host's STRINGTABLE resources.
#include "host/string_table.h"

#include <cstdlib>
#include <stdexcept>

#include "abi/wide.h"
#include "host/text_convert.h"

extern const unsigned char kStringsEnglish[];
extern const unsigned kStringsEnglish_size;
extern const unsigned char kStringsJapanese[];
extern const unsigned kStringsJapanese_size;

namespace host {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Reads a quoted string with its escapes; the whole rest of the line must be that string.
bool ParseQuoted(std::string_view s, std::string *out) {
  if (s.size() < 2 || s.front() != '"' || s.back() != '"')
    return false;
  s = s.substr(1, s.size() - 2);
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"')
      return false;
    if (c != '\\') {
      out->push_back(c);
      continue;
    }
    if (++i == s.size())
      return false;
    switch (s[i]) {
      case '"':
        out->push_back('"');
        break;
      case '\\':
        out->push_back('\\');
        break;
      case 'n':
        out->push_back('\n');
        break;
      case 't':
        out->push_back('\t');
        break;
      default:
        return false;
    }
  }
  return true;
}

bool ParseEntry(std::string_view line, UINT *id, std::string *text) {
  size_t comma = line.find(',');
  if (comma == std::string_view::npos)
    return false;
  std::string number(Trim(line.substr(0, comma)));
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
    return false;
  unsigned long value = std::strtoul(number.c_str(), nullptr, 10);
  if (value > 0xFFFF)
    return false;
  *id = static_cast<UINT>(value);
  return ParseQuoted(Trim(line.substr(comma + 1)), text);
}

}  // namespace

std::optional<StringTable> StringTable::Parse(std::string_view text, std::string *error) {
  enum class Where { Before, Header, Inside, After } where = Where::Before;
  StringTable table;
  int lineNumber = 0;
  auto fail = [&](const std::string &why) {
    *error = "line " + std::to_string(lineNumber) + ": " + why;
    return std::nullopt;
  };
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.empty() || line.starts_with("//"))
      continue;
    if (where == Where::Before && line == "STRINGTABLE") {
      where = Where::Header;
    } else if (where == Where::Header && line == "BEGIN") {
      where = Where::Inside;
    } else if (where == Where::Inside && line == "END") {
      where = Where::After;
    } else if (where == Where::Inside) {
      UINT id;
      std::string utf8;
      if (!ParseEntry(line, &id, &utf8))
        return fail("expected ID, \"text\"");
      if (!table.strings_.emplace(id, Utf16FromUtf8(utf8)).second)
        return fail("string " + std::to_string(id) + " defined twice");
    } else {
      return fail("unexpected \"" + std::string(line) + "\"");
    }
  }
  if (where != Where::After)
    return fail("missing STRINGTABLE, BEGIN or END");
  return table;
}

const StringTable &StringTable::ForLanguage(UiLanguage language) {
  auto load = [](const unsigned char *data, unsigned size) {
    std::string error;
    auto table = Parse(std::string_view(reinterpret_cast<const char *>(data), size), &error);
    if (!table)
      throw std::runtime_error("built-in string table: " + error);
    return std::move(*table);
  };
  static const StringTable english = load(kStringsEnglish, kStringsEnglish_size);
  static const StringTable japanese = load(kStringsJapanese, kStringsJapanese_size);
  return language == UiLanguage::Japanese ? japanese : english;
}

const WideString *StringTable::Find(UINT id) const {
  auto it = strings_.find(id);
  return it == strings_.end() ? nullptr : &it->second;
}

WORD LanguageId(UiLanguage language) {
  return language == UiLanguage::Japanese ? 0x0411 : 0x0409;
}

UINT AnsiCodePage(UiLanguage language) {
  return language == UiLanguage::Japanese ? 932 : 1252;
}

}  // namespace host
