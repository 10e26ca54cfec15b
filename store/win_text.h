// Text helpers of the store: ANSI/wide conversion and copies into fixed-size buffers that
// refuse text which does not fit instead of cutting it.
#pragma once

#include <windows.h>

#include <string>

using WideString = std::basic_string<WCHAR>;

// The text converted with the code page; empty when it cannot be converted.
WideString WideFromAnsi(LPCSTR text, UINT codePage);
std::string AnsiFromWide(LPCWSTR text, UINT codePage);

// Copies the NUL-terminated text into a buffer of `size` characters. False, leaving an empty
// string, when it does not fit with its terminator.
bool CopyToBuffer(char *buffer, size_t size, LPCSTR text);
bool CopyToBuffer(WCHAR *buffer, size_t size, LPCWSTR text);

// Length of the NUL-terminated wide text.
size_t WideLength(LPCWSTR text);
