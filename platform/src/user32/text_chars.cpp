// USER32 character functions: case mapping of strings and single characters, and stepping
// through ANSI text a character (one or two bytes) at a time.
#include <winnls.h>
#include <winuser.h>

#include <cstring>

#include "kernel32/codepage_convert.h"
#include "kernel32/text_unicode.h"

namespace {

using UnitMap = char16_t (*)(char16_t);

// The ANSI character of the given bytes mapped; the bytes stay when the mapped character is
// missing from the code page or would take a different number of bytes.
void MapAnsiChar(char *bytes, size_t length, UnitMap map) {
  const winplat::codepage::CodePage &page = winplat::codepage::Ansi();
  const auto wide = winplat::codepage::Decode(page, std::string_view(bytes, length), true);
  if (!wide || wide->size() != 1)
    return;
  winplat::codepage::EncodeOptions options;
  options.noBestFit = true;
  const auto mapped = winplat::codepage::Encode(page, std::u16string(1, map((*wide)[0])), options);
  if (mapped->usedDefaultChar || mapped->bytes.size() != length)
    return;
  std::memcpy(bytes, mapped->bytes.data(), length);
}

LPSTR MapAnsi(LPSTR text, UnitMap map) {
  if (IS_INTRESOURCE(text)) {
    char single = static_cast<char>(LOWORD(text));
    MapAnsiChar(&single, 1, map);
    return reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<BYTE>(single)));
  }
  const winplat::codepage::CodePage &page = winplat::codepage::Ansi();
  for (char *p = text; *p != '\0';) {
    const size_t length = page.CharLength(std::string_view(p, 2));
    MapAnsiChar(p, length, map);
    p += length;
  }
  return text;
}

LPWSTR MapWide(LPWSTR text, UnitMap map) {
  if (IS_INTRESOURCE(text)) {
    return reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(map(LOWORD(text))));
  }
  for (WCHAR *p = text; *p != 0; ++p)
    *p = map(*p);
  return text;
}

}  // namespace

extern "C" LPSTR WINAPI CharUpperA(LPSTR lpsz) {
  return MapAnsi(lpsz, winplat::text::ToUpperUnit);
}

extern "C" LPWSTR WINAPI CharUpperW(LPWSTR lpsz) {
  return MapWide(lpsz, winplat::text::ToUpperUnit);
}

extern "C" LPSTR WINAPI CharLowerA(LPSTR lpsz) {
  return MapAnsi(lpsz, winplat::text::ToLowerUnit);
}

extern "C" LPWSTR WINAPI CharLowerW(LPWSTR lpsz) {
  return MapWide(lpsz, winplat::text::ToLowerUnit);
}

extern "C" LPSTR WINAPI CharNextA(LPCSTR lpsz) {
  if (*lpsz == '\0')
    return const_cast<LPSTR>(lpsz);
  return const_cast<LPSTR>(lpsz + winplat::codepage::Ansi().CharLength(std::string_view(lpsz, 2)));
}

extern "C" LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent) {
  LPCSTR previous = lpszStart;
  while (*previous != '\0' && previous < lpszCurrent) {
    LPCSTR next = CharNextA(previous);
    if (next >= lpszCurrent)
      break;
    previous = next;
  }
  return const_cast<LPSTR>(previous);
}
