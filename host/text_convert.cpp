// Text conversions through the platform's code pages.
#include "host/text_convert.h"

#include <algorithm>

namespace host {
namespace {

// No code page gives more UTF-16 units than the text has bytes, so one call with that much room
// converts the whole text.
std::u16string ToWide(std::string_view text, UINT codePage) {
  if (text.empty())
    return {};
  std::u16string wide(text.size(), u'\0');
  const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(std::max(length, 0)));
  return wide;
}

std::string FromWide(std::u16string_view wide, UINT codePage) {
  if (wide.empty())
    return {};
  int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
  if (length > 0)
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                        length, nullptr, nullptr);
  return text;
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
  return ToWide(utf8, CP_UTF8);
}
std::string Utf8FromUtf16(std::u16string_view wide) {
  return FromWide(wide, CP_UTF8);
}
std::u16string WideFromAnsi(std::string_view ansi, UINT codePage) {
  return ToWide(ansi, codePage);
}
std::string AnsiFromWide(std::u16string_view wide, UINT codePage) {
  return FromWide(wide, codePage);
}

void CopyToField(WCHAR *field, size_t fieldChars, std::u16string_view text) {
  size_t n = std::min(text.size(), fieldChars - 1);
  std::copy_n(text.data(), n, field);
  std::fill(field + n, field + fieldChars, u'\0');
}

}  // namespace host
