// UTF-8 <-> UTF-16 coding.
#include "utf8.h"

namespace winplat::utf8 {

void AppendUtf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string &out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  out += static_cast<char16_t>(0xD800 | (c >> 10));
  out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
}

std::string FromUtf16(std::u16string_view text, LoneSurrogates lone) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if ((IsHighSurrogate(c) || IsLowSurrogate(c)) && lone == LoneSurrogates::Replace) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

char32_t Decode(std::string_view text, size_t &pos, bool surrogatesAllowed) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80)
    return lead;
  int continuations = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    minimum = 0x10000;
  } else {
    return kInvalid;
  }
  char32_t c = lead & (0x3F >> continuations);
  for (int i = 0; i < continuations; ++i) {
    if (pos >= text.size())
      return kInvalid;
    const auto next = static_cast<unsigned char>(text[pos]);
    if ((next & 0xC0) != 0x80)
      return kInvalid;
    c = (c << 6) | (next & 0x3F);
    ++pos;
  }
  if (c < minimum || c > 0x10FFFF)
    return kInvalid;
  if (!surrogatesAllowed && (IsHighSurrogate(c) || IsLowSurrogate(c)))
    return kInvalid;
  return c;
}

}  // namespace winplat::utf8
