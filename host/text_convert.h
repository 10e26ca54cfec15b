// Conversions between the host's UTF-8 text, wide strings and ANSI code pages.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include "abi/wide.h"

namespace host {

WideString Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(WideStringView wide);
WideString WideFromAnsi(std::string_view ansi, UINT codePage);
std::string AnsiFromWide(WideStringView wide, UINT codePage);

// Copies a wide string into a fixed WCHAR field, cut to fit and NUL-terminated.
void CopyToField(WCHAR *field, size_t fieldChars, WideStringView text);

}  // namespace host
