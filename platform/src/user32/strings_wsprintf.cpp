// The USER32 formatter wsprintf/wvsprintf in both character widths. Text in the other width
// (%S, %C, %hs, %ls...) is converted through the ANSI code page.
#include <winnls.h>
#include <winuser.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "kernel32/codepage_convert.h"

namespace {

constexpr size_t kMaxOutput = 1023;  // plus the terminator: Windows' 1024-character buffer

struct Args {
  va_list list;
};

struct Conversion {
  bool leftAlign = false;
  bool hexPrefix = false;
  bool zeroPad = false;
  size_t width = 0;
  size_t precision = 0;
  bool hasPrecision = false;
  char size = 0;  // 'h', 'l' or none
  char type = 0;  // the conversion letter, or 0 when the letter is not one wsprintf knows
};

template <class Char>
size_t ParseNumber(const Char *&p) {
  size_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p)
    value = std::min<size_t>(value * 10 + (*p - '0'), kMaxOutput);
  return value;
}

// Reads [-][#][0][width][.precision][h|l]type after the '%'; p is left on the type letter.
template <class Char>
Conversion ParseConversion(const Char *&p) {
  Conversion conversion;
  conversion.leftAlign = *p == '-';
  if (conversion.leftAlign)
    ++p;
  conversion.hexPrefix = *p == '#';
  if (conversion.hexPrefix)
    ++p;
  conversion.zeroPad = *p == '0';
  if (conversion.zeroPad)
    ++p;
  conversion.width = ParseNumber(p);
  if (*p == '.') {
    ++p;
    conversion.hasPrecision = true;
    conversion.precision = ParseNumber(p);
  }
  if (*p == 'h' || *p == 'l')
    conversion.size = static_cast<char>(*p++);
  if (*p > 0 && *p < 0x80 && std::strchr("cCdisSuxX", static_cast<char>(*p)) != nullptr) {
    conversion.type = static_cast<char>(*p);
  }
  return conversion;
}

// Whether a %c/%C/%s/%S argument is wide: the size prefix decides, otherwise the lower-case
// letter means the formatter's own width and the upper-case letter the other.
template <class Char>
bool WideArgument(const Conversion &conversion) {
  if (conversion.size == 'l')
    return true;
  if (conversion.size == 'h')
    return false;
  const bool ownWidth = conversion.type == 'c' || conversion.type == 's';
  return ownWidth == std::is_same_v<Char, WCHAR>;
}

template <class Char>
std::basic_string<Char> FromNarrow(std::string_view text) {
  if constexpr (std::is_same_v<Char, char>) {
    return std::string(text);
  } else {
    return winplat::codepage::WideFromAnsi(text);
  }
}

template <class Char>
std::basic_string<Char> FromWide(std::u16string_view text) {
  if constexpr (std::is_same_v<Char, char>) {
    return winplat::codepage::AnsiFromWide(text);
  } else {
    return std::u16string(text);
  }
}

// At most limit characters of a string that need not be terminated within them.
template <class SourceChar>
std::basic_string_view<SourceChar> Bounded(const SourceChar *text, size_t limit) {
  size_t length = 0;
  while (length < limit && text[length] != 0)
    ++length;
  return {text, length};
}

// At most limit ANSI characters (one or two bytes each) of a string that need not be
// terminated within them.
std::string_view BoundedChars(const char *text, size_t limit) {
  const winplat::codepage::CodePage &page = winplat::codepage::Ansi();
  size_t length = 0;
  for (size_t count = 0; count < limit && text[length] != '\0'; ++count) {
    length += page.CharLength(std::string_view(text + length, 2));
  }
  return {text, length};
}

// A precision counts the characters written, so a narrow string that becomes wide is read by
// characters and a wide string that becomes narrow is cut after conversion.
template <class Char>
std::basic_string<Char> FormatString(const Conversion &conversion, Args &args) {
  const size_t limit = conversion.hasPrecision ? conversion.precision : SIZE_MAX;
  std::basic_string<Char> text;
  if (WideArgument<Char>(conversion)) {
    LPCWSTR value = va_arg(args.list, LPCWSTR);
    text = FromWide<Char>(value == nullptr ? u"(null)" : Bounded(value, limit));
  } else {
    LPCSTR value = va_arg(args.list, LPCSTR);
    const bool narrowOutput = std::is_same_v<Char, char>;
    text = FromNarrow<Char>(value == nullptr ? "(null)"
                            : narrowOutput   ? Bounded(value, limit)
                                             : BoundedChars(value, limit));
  }
  if (text.size() > limit)
    text.resize(limit);
  return text;
}

template <class Char>
std::basic_string<Char> FormatChar(const Conversion &conversion, Args &args) {
  const int value = va_arg(args.list, int);
  if (WideArgument<Char>(conversion)) {
    const char16_t unit = static_cast<char16_t>(value);
    return FromWide<Char>(std::u16string_view(&unit, 1));
  }
  const char byte = static_cast<char>(value);
  return FromNarrow<Char>(std::string_view(&byte, 1));
}

// Sign or hex prefix, then zeros up to the precision (or up to the width with '0'), then digits.
template <class Char>
std::basic_string<Char> FormatInteger(const Conversion &conversion, Args &args) {
  const int raw = va_arg(args.list, int);
  const bool isSigned = conversion.type == 'd' || conversion.type == 'i';
  const bool isHex = conversion.type == 'x' || conversion.type == 'X';
  long long value;
  if (conversion.size == 'h') {
    value = isSigned ? static_cast<long long>(static_cast<short>(raw))
                     : static_cast<long long>(static_cast<unsigned short>(raw));
  } else {
    value = isSigned ? static_cast<long long>(raw)
                     : static_cast<long long>(static_cast<unsigned int>(raw));
  }

  std::string head = value < 0 ? "-" : "";
  if (isHex && conversion.hexPrefix)
    head = conversion.type == 'x' ? "0x" : "0X";
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
  const char *digitSet = conversion.type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), digitSet[magnitude % (isHex ? 16 : 10)]);
    magnitude /= isHex ? 16 : 10;
  } while (magnitude != 0);

  size_t minimumDigits = std::max(digits.size(), conversion.precision);
  if (conversion.zeroPad && !conversion.leftAlign &&
      conversion.width > head.size() + minimumDigits) {
    minimumDigits = conversion.width - head.size();
  }
  const std::string text = head + std::string(minimumDigits - digits.size(), '0') + digits;
  return std::basic_string<Char>(text.begin(), text.end());
}

template <class Char>
std::basic_string<Char> Format(const Char *format, Args &args) {
  std::basic_string<Char> out;
  for (const Char *p = format; *p != 0 && out.size() < kMaxOutput;) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    ++p;
    if (*p == '%') {
      out += *p++;
      continue;
    }
    const Conversion conversion = ParseConversion(p);
    if (conversion.type == 0)
      continue;  // the unknown letter is then copied as ordinary text
    ++p;
    std::basic_string<Char> field;
    switch (conversion.type) {
      case 'c':
      case 'C':
        field = FormatChar<Char>(conversion, args);
        break;
      case 's':
      case 'S':
        field = FormatString<Char>(conversion, args);
        break;
      default:
        field = FormatInteger<Char>(conversion, args);
        break;
    }
    const size_t padding = conversion.width > field.size() ? conversion.width - field.size() : 0;
    if (!conversion.leftAlign)
      out.append(padding, ' ');
    out += field;
    if (conversion.leftAlign)
      out.append(padding, ' ');
  }
  if (out.size() > kMaxOutput)
    out.resize(kMaxOutput);
  return out;
}

template <class Char>
int Print(Char *buffer, const Char *format, va_list arglist) {
  Args args;
  va_copy(args.list, arglist);
  const std::basic_string<Char> text = Format(format, args);
  va_end(args.list);
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
  return static_cast<int>(text.size());
}

}  // namespace

extern "C" int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list arglist) {
  return Print(buffer, format, arglist);
}

extern "C" int WINAPI wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list arglist) {
  return Print(buffer, format, arglist);
}

extern "C" int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
  va_list arglist;
  va_start(arglist, format);
  const int length = Print(buffer, format, arglist);
  va_end(arglist);
  return length;
}

extern "C" int WINAPIV wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
  va_list arglist;
  va_start(arglist, format);
  const int length = Print(buffer, format, arglist);
  va_end(arglist);
  return length;
}
