// UTF-8 <-> UTF-16 coding shared by the parts of the platform that keep host text: the .reg
// files and the operator's log.
#pragma once

#include <string>
#include <string_view>

namespace winplat::utf8 {

constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;

inline bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(std::string &out, char32_t c);
void AppendUtf16(std::u16string &out, char32_t c);

// What happens to a UTF-16 unit that is half of a surrogate pair standing alone.
enum class LoneSurrogates { Replace, Keep };
std::string FromUtf16(std::u16string_view text, LoneSurrogates lone);

// Decodes the UTF-8 sequence at `pos` and moves `pos` past the bytes read. An invalid
// sequence (bad lead byte, missing continuation, overlong form, beyond U+10FFFF, or a
// surrogate unless `surrogatesAllowed`) gives kInvalid, past the bytes read before the fault.
char32_t Decode(std::string_view text, size_t &pos, bool surrogatesAllowed);

}  // namespace winplat::utf8
