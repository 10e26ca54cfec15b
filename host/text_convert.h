// Conversions between the host's UTF-8 text, wide strings and ANSI code pages.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace host {

std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view wide);
std::u16string WideFromAnsi(std::string_view ansi, UINT codePage);
std::string AnsiFromWide(std::u16string_view wide, UINT codePage);

// Copies a wide string into a fixed WCHAR field, cut to fit and NUL-terminated.
void CopyToField(WCHAR *field, size_t fieldChars, std::u16string_view text);

}  // namespace host
