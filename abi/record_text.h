// The fixed-size text fields of records: read up to their first zero, written cut to the field
// with its terminator and the rest zero-filled.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "abi/wide.h"

template <size_t N>
std::string FieldText(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0')
    ++length;
  return std::string(field, length);
}

template <size_t N>
WideString FieldText(const WCHAR (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != 0)
    ++length;
  return WideString(field, length);
}

template <size_t N>
void CopyTextField(char (&field)[N], LPCSTR text) {
  std::memset(field, 0, N);
  size_t length = 0;
  while (text != nullptr && length < N - 1 && text[length] != '\0')
    ++length;
  if (length != 0)
    std::memcpy(field, text, length);
}
