// Copies into fixed-size text buffers.
#include "store/win_text.h"

#include <string.h>

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
