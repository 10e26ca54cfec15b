// Wide string literals: WSTR("text") is a WCHAR literal on every platform (L"" on Windows,
// where WCHAR is wchar_t; the platform layer's u"" elsewhere, where WCHAR is char16_t).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#if defined(_WIN32)
#define WSTR(s) L##s
#else
#define WSTR(s) u##s
#endif

// A wide text of any length.
using WideString = std::basic_string<WCHAR>;
using WideStringView = std::basic_string_view<WCHAR>;
