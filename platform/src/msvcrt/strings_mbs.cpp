// C runtime comparisons: _stricmp and _strnicmp with ASCII folding, and the multibyte (_mbs)
// functions, which step through the ANSI code page's characters so that a trail byte is never
// taken for a character of its own.
#include <mbstring.h>
#include <winnls.h>

#include <errno.h>
#include <string.h>

#include "kernel32/codepage_table.h"

namespace {

unsigned AsciiLower(unsigned c) {
  return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

unsigned AsciiUpper(unsigned c) {
  return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

int Invalid() {
  errno = EINVAL;
  return _NLSCMPERROR;
}

// The character at text within a budget of bytes: a single byte (ASCII letters folded to lower
// case), (lead << 8) | trail for a double-byte character, or 0 at the end of the string, the
// end of the budget, or a lead byte with nothing after it.
unsigned NextFoldedChar(const unsigned char *&text, size_t &budget) {
  if (budget == 0 || *text == 0)
    return 0;
  const unsigned first = *text++;
  --budget;
  if (!winplat::codepage::Ansi().IsLeadByte(static_cast<BYTE>(first)))
    return AsciiLower(first);
  if (budget == 0 || *text == 0)
    return 0;
  --budget;
  return (first << 8) | *text++;
}

int CompareFolded(const unsigned char *a, const unsigned char *b, size_t budget) {
  size_t budgetA = budget, budgetB = budget;
  for (;;) {
    const unsigned charA = NextFoldedChar(a, budgetA), charB = NextFoldedChar(b, budgetB);
    if (charA != charB)
      return charA < charB ? -1 : 1;
    if (charA == 0)
      return 0;
  }
}

size_t CharLength(const unsigned char *text) {
  return winplat::codepage::Ansi().CharLength(
      std::string_view(reinterpret_cast<const char *>(text), 2));
}

}  // namespace

extern "C" int _stricmp(const char *_Str1, const char *_Str2) {
  return _strnicmp(_Str1, _Str2, SIZE_MAX);
}

extern "C" int _strnicmp(const char *_Str1, const char *_Str2, size_t _MaxCount) {
  if (_Str1 == nullptr || _Str2 == nullptr)
    return Invalid();
  for (size_t i = 0; i < _MaxCount; ++i) {
    const unsigned a = AsciiLower(static_cast<unsigned char>(_Str1[i]));
    const unsigned b = AsciiLower(static_cast<unsigned char>(_Str2[i]));
    if (a != b || a == 0)
      return static_cast<int>(a) - static_cast<int>(b);
  }
  return 0;
}

extern "C" int _mbsicmp(const unsigned char *_Str1, const unsigned char *_Str2) {
  if (_Str1 == nullptr || _Str2 == nullptr)
    return Invalid();
  return CompareFolded(_Str1, _Str2, SIZE_MAX);
}

extern "C" int _mbsnbicmp(const unsigned char *_Str1, const unsigned char *_Str2,
                          size_t _MaxCount) {
  if (_MaxCount == 0)
    return 0;
  if (_Str1 == nullptr || _Str2 == nullptr)
    return Invalid();
  return CompareFolded(_Str1, _Str2, _MaxCount);
}

extern "C" unsigned char *_mbsstr(const unsigned char *_Str, const unsigned char *_Substr) {
  const std::string_view wanted(reinterpret_cast<const char *>(_Substr));
  for (const unsigned char *p = _Str;; p += CharLength(p)) {
    if (std::string_view(reinterpret_cast<const char *>(p)).starts_with(wanted)) {
      return const_cast<unsigned char *>(p);
    }
    if (*p == 0)
      return nullptr;
  }
}

extern "C" unsigned char *_mbschr(const unsigned char *_Str, unsigned int _Ch) {
  for (const unsigned char *p = _Str;; p += CharLength(p)) {
    const size_t length = CharLength(p);
    const unsigned value = length == 2 ? (p[0] << 8) | p[1] : p[0];
    if (value == _Ch)
      return const_cast<unsigned char *>(p);
    if (*p == 0)
      return nullptr;
  }
}

extern "C" unsigned char *_mbsupr(unsigned char *_String) {
  for (unsigned char *p = _String; *p != 0;) {
    const size_t length = CharLength(p);
    if (length == 1)
      *p = static_cast<unsigned char>(AsciiUpper(*p));
    p += length;
  }
  return _String;
}
