// Copies into fixed-size text buffers that refuse a text which does not fit instead of cutting
// it.
#pragma once

#include <windows.h>

#include <stddef.h>

// Copies the NUL-terminated text into a buffer of `size` characters. False, leaving an empty
// string, when it does not fit with its terminator.
bool CopyToBuffer(char *buffer, size_t size, LPCSTR text);
bool CopyToBuffer(WCHAR *buffer, size_t size, LPCWSTR text);

// Length of the NUL-terminated wide text.
size_t WideLength(LPCWSTR text);
