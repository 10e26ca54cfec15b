// Unicode character properties the text functions share: simple case mappings, the sort class
// used by lstrcmp, and UTF-8 decoding for comparing names.
#pragma once

#include <string>
#include <string_view>

namespace winplat::text {

char32_t ToUpper(char32_t codePoint);
char32_t ToLower(char32_t codePoint);
// UTF-16 units one at a time, as the W functions treat them; surrogates stay as they are.
char16_t ToUpperUnit(char16_t unit);
char16_t ToLowerUnit(char16_t unit);

// The order of the kinds of characters in a sort: punctuation and symbols, digits, letters.
enum class SortClass { Symbol, Digit, Letter };
SortClass SortClassOf(char32_t codePoint);

// Code points of UTF-8 text upper-cased, for comparing names without regard to case. A byte
// that is not part of valid UTF-8 stands for itself (as 0xDC00 plus the byte), so distinct
// names stay distinct.
std::u32string FoldedUtf8(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace winplat::text
