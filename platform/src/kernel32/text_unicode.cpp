// Case mappings and character classes from the C library's C.UTF-8 locale, which carries the
// full Unicode tables independently of the process's own locale.
#include "text_unicode.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace winplat::text {
namespace {

locale_t UnicodeLocale() {
  static const locale_t locale = [] {
    const locale_t created = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (created == static_cast<locale_t>(0)) {
      std::fputs("winplat: the C.UTF-8 locale is missing; case mapping needs it\n", stderr);
      std::abort();
    }
    return created;
  }();
  return locale;
}

bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

// Bytes in a UTF-8 sequence that starts with this byte; 0 when no sequence starts with it.
size_t SequenceLength(unsigned char first) {
  if (first < 0x80)
    return 1;
  if (first >= 0xC2 && first < 0xE0)
    return 2;
  if (first >= 0xE0 && first < 0xF0)
    return 3;
  if (first >= 0xF0 && first < 0xF5)
    return 4;
  return 0;
}

// One code point from UTF-8 text at index, which moves past it.
char32_t NextUtf8(std::string_view text, size_t &index) {
  const unsigned char first = static_cast<unsigned char>(text[index]);
  const size_t length = SequenceLength(first);
  bool valid = length != 0 && index + length <= text.size();
  char32_t codePoint = length <= 1 ? first : first & (0x7F >> length);
  for (size_t i = 1; valid && i < length; ++i) {
    const unsigned char next = static_cast<unsigned char>(text[index + i]);
    valid = (next & 0xC0) == 0x80;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const char32_t smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
  if (!valid || codePoint < smallest || codePoint > 0x10FFFF || IsSurrogate(codePoint)) {
    return 0xDC00 + static_cast<unsigned char>(text[index++]);
  }
  index += length;
  return codePoint;
}

}  // namespace

char32_t ToUpper(char32_t codePoint) {
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(codePoint), UnicodeLocale()));
}

char32_t ToLower(char32_t codePoint) {
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(codePoint), UnicodeLocale()));
}

char16_t ToUpperUnit(char16_t unit) {
  if (IsSurrogate(unit))
    return unit;
  const char32_t upper = ToUpper(unit);
  return upper <= 0xFFFF ? static_cast<char16_t>(upper) : unit;
}

char16_t ToLowerUnit(char16_t unit) {
  if (IsSurrogate(unit))
    return unit;
  const char32_t lower = ToLower(unit);
  return lower <= 0xFFFF ? static_cast<char16_t>(lower) : unit;
}

SortClass SortClassOf(char32_t codePoint) {
  const wint_t c = static_cast<wint_t>(codePoint);
  if (iswdigit_l(c, UnicodeLocale()))
    return SortClass::Digit;
  if (iswalpha_l(c, UnicodeLocale()))
    return SortClass::Letter;
  return SortClass::Symbol;
}

std::u32string FoldedUtf8(std::string_view text) {
  std::u32string folded;
  for (size_t index = 0; index < text.size();)
    folded += ToUpper(NextUtf8(text, index));
  return folded;
}

namespace {

bool IsAsciiText(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

// Two ASCII texts compare byte by byte; a text with other characters is folded whole, since
// some of them fold to ASCII letters.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (IsAsciiText(a) && IsAsciiText(b))
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return AsciiUpper(x) == AsciiUpper(y);
           });
  return FoldedUtf8(a) == FoldedUtf8(b);
}

}  // namespace winplat::text
