// Text conversions through the platform's code pages.
#include "host/text_convert.h"

#include <algorithm>
#include "abi/wide.h"

namespace host {
namespace {

// No code page gives more UTF-16 units than the text has bytes, so one call with that much room
// converts the whole text.
WideString ToWide(std::string_view text, UINT codePage) {
  if (text.empty())
    return {};
  WideString wide(text.size(), WSTR('\0'));
  const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(std::max(length, 0)));
  return wide;
}

std::string FromWide(WideStringView wide, UINT codePage) {
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

WideString Utf16FromUtf8(std::string_view utf8) {
  return ToWide(utf8, CP_UTF8);
}
std::string Utf8FromUtf16(WideStringView wide) {
  return FromWide(wide, CP_UTF8);
}
WideString WideFromAnsi(std::string_view ansi, UINT codePage) {
  return ToWide(ansi, codePage);
}
std::string AnsiFromWide(WideStringView wide, UINT codePage) {
  return FromWide(wide, codePage);
}

void CopyToField(WCHAR *field, size_t fieldChars, WideStringView text) {
  size_t n = std::min(text.size(), fieldChars - 1);
  std::copy_n(text.data(), n, field);
  std::fill(field + n, field + fieldChars, u'\0');
}

}  // namespace host
