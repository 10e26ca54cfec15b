// UTF-8 and UTF-16 conversions between the platform's wide text and host text.
#include "winplat/operator.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

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

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Decodes one UTF-8 sequence starting at `pos` and moves `pos` past it. An invalid sequence
// (bad lead byte, missing continuation, overlong form, surrogate, beyond U+10FFFF) yields
// U+FFFD and moves past the bytes that were read before the fault was seen.
char32_t DecodeUtf8(std::string_view text, size_t &pos) {
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
    return kReplacement;
  }
  char32_t c = lead & (0x3F >> continuations);
  for (int i = 0; i < continuations; ++i) {
    if (pos >= text.size())
      return kReplacement;
    const auto next = static_cast<unsigned char>(text[pos]);
    if ((next & 0xC0) != 0x80)
      return kReplacement;
    c = (c << 6) | (next & 0x3F);
    ++pos;
  }
  if (c < minimum || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c))
    return kReplacement;
  return c;
}

}  // namespace

namespace winplat {

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size())
    AppendUtf16(out, DecodeUtf8(text, pos));
  return out;
}

}  // namespace winplat
