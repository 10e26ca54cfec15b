// UTF-8 and UTF-16 conversions between the platform's wide text and host text.
#include "utf8.h"
#include "winplat/operator.h"

namespace winplat {

std::string Utf8FromUtf16(std::u16string_view text) {
  return utf8::FromUtf16(text, utf8::LoneSurrogates::Replace);
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = utf8::Decode(text, pos, false);
    utf8::AppendUtf16(out, c == utf8::kInvalid ? utf8::kReplacement : c);
  }
  return out;
}

}  // namespace winplat
