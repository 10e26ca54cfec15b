// Text helpers of the store.
#include "store/win_text.h"

#include <string.h>

WideString WideFromAnsi(LPCSTR text, UINT codePage) {
  if (text == nullptr || *text == '\0')
    return WideString();
  const int needed = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  if (needed <= 0)
    return WideString();
  WideString wide(static_cast<size_t>(needed), WCHAR{0});
  if (MultiByteToWideChar(codePage, 0, text, -1, wide.data(), needed) != needed)
    return WideString();
  wide.resize(static_cast<size_t>(needed) - 1);
  return wide;
}

std::string AnsiFromWide(LPCWSTR text, UINT codePage) {
  if (text == nullptr || *text == 0)
    return std::string();
  const int needed = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0)
    return std::string();
  std::string ansi(static_cast<size_t>(needed), '\0');
  if (WideCharToMultiByte(codePage, 0, text, -1, ansi.data(), needed, nullptr, nullptr) != needed)
    return std::string();
  ansi.resize(static_cast<size_t>(needed) - 1);
  return ansi;
}

bool CopyToBuffer(char *buffer, size_t size, LPCSTR text) {
  if (buffer == nullptr || size == 0)
    return false;
  buffer[0] = '\0';
  if (text == nullptr)
    return false;
  const size_t length = strlen(text);
  if (length >= size)
    return false;
  memcpy(buffer, text, length + 1);
  return true;
}

size_t WideLength(LPCWSTR text) {
  size_t length = 0;
  if (text != nullptr)
    while (text[length] != 0)
      ++length;
  return length;
}

bool CopyToBuffer(WCHAR *buffer, size_t size, LPCWSTR text) {
  if (buffer == nullptr || size == 0)
    return false;
  buffer[0] = 0;
  if (text == nullptr)
    return false;
  const size_t length = WideLength(text);
  if (length >= size)
    return false;
  memcpy(buffer, text, (length + 1) * sizeof(WCHAR));
  return true;
}
