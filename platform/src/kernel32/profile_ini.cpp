// GetPrivateProfileIntA: integer values of .ini files. The file is read whole at each call;
// it may be in the ANSI code page, UTF-8 with a signature, or UTF-16 with a byte-order mark.
#include <winbase.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "codepage_convert.h"
#include "files_common.h"
#include "paths_resolve.h"
#include "text_unicode.h"

namespace winplat::files {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r';
}

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (text::ToUpperUnit(a[i]) != text::ToUpperUnit(b[i]))
      return false;
  }
  return true;
}

std::optional<std::u16string> ReadText(const std::string &hostPath) {
  std::ifstream file(hostPath, std::ios::binary);
  if (!file)
    return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (bytes.starts_with("\xFF\xFE")) {
    std::u16string wide((bytes.size() - 2) / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
      wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                      static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    }
    return wide;
  }
  if (bytes.starts_with("\xEF\xBB\xBF"))
    return codepage::WideFromUtf8(bytes.substr(3));
  return codepage::WideFromAnsi(bytes);
}

// The value of the first matching key in the first matching section, quotes removed.
std::optional<std::u16string> FindValue(std::u16string_view text, std::u16string_view section,
                                        std::u16string_view key) {
  bool inSection = false;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos)
      end = text.size();
    const std::u16string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with(u'[')) {
      const size_t close = line.find(u']');
      inSection =
          SameName(Trim(line.substr(1, close == line.npos ? line.npos : close - 1)), section);
      continue;
    }
    const size_t equals = line.find(u'=');
    if (!inSection || line.starts_with(u';') || equals == line.npos)
      continue;
    if (!SameName(Trim(line.substr(0, equals)), key))
      continue;
    std::u16string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::u16string(value);
  }
  return std::nullopt;
}

// Decimal digits after an optional sign, up to the first other character, modulo 2^32.
UINT ParseInteger(std::u16string_view value) {
  size_t i = 0;
  const bool negative = i < value.size() && value[i] == u'-';
  if (i < value.size() && (value[i] == u'-' || value[i] == u'+'))
    ++i;
  UINT number = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    number = number * 10 + (value[i] - u'0');
  }
  return negative ? 0u - number : number;
}

// A bare file name lives in the Windows directory.
std::string IniPath(LPCSTR fileName) {
  const std::string name = PathFromAnsi(fileName == nullptr ? "win.ini" : fileName);
  if (name.find_first_of("\\/:") != std::string::npos)
    return name;
  return "C:\\WINDOWS\\" + name;
}

}  // namespace
}  // namespace winplat::files

extern "C" UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                             LPCSTR lpFileName) {
  using namespace winplat;
  const UINT fallback = static_cast<UINT>(nDefault);
  if (lpAppName == nullptr || lpKeyName == nullptr)
    return fallback;
  const paths::Resolved resolved = paths::Resolve(files::IniPath(lpFileName));
  if (resolved.error != ERROR_SUCCESS)
    return fallback;
  const auto text = files::ReadText(resolved.hostPath);
  if (!text)
    return fallback;
  const std::u16string section = codepage::WideFromAnsi(lpAppName);
  const std::u16string key = codepage::WideFromAnsi(lpKeyName);
  const auto value = files::FindValue(*text, files::Trim(section), files::Trim(key));
  if (!value || value->empty())
    return fallback;
  return files::ParseInteger(*value);
}
