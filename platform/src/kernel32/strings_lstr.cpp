// KERNEL32 lstr functions. As on Windows, which catches the fault, a NULL string counts as empty
// for lengths and comparisons and makes copies return NULL with ERROR_INVALID_PARAMETER.
// Comparisons follow the user's locale in the approximation described in text.h.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <string_view>

#include "codepage_convert.h"
#include "text_unicode.h"

namespace {

template <class Char>
Char *InvalidString() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

template <class Char>
size_t Length(const Char *text) {
  return text == nullptr ? 0 : std::char_traits<Char>::length(text);
}

template <class Char>
Char *Copy(Char *destination, const Char *source) {
  if (destination == nullptr || source == nullptr)
    return InvalidString<Char>();
  std::char_traits<Char>::move(destination, source, Length(source) + 1);
  return destination;
}

// At most maxLength - 1 characters and a terminator.
template <class Char>
Char *CopyN(Char *destination, const Char *source, int maxLength) {
  if (destination == nullptr || source == nullptr)
    return InvalidString<Char>();
  if (maxLength <= 0)
    return destination;
  const size_t count = std::min(Length(source), static_cast<size_t>(maxLength) - 1);
  std::char_traits<Char>::move(destination, source, count);
  destination[count] = 0;
  return destination;
}

template <class Char>
Char *Concatenate(Char *destination, const Char *source) {
  if (destination == nullptr || source == nullptr)
    return InvalidString<Char>();
  Copy(destination + Length(destination), source);
  return destination;
}

struct SortKey {
  winplat::text::SortClass sortClass;
  char32_t letter;
  auto operator<=>(const SortKey &) const = default;
};

SortKey KeyOf(char16_t unit) {
  return {winplat::text::SortClassOf(unit), winplat::text::ToLower(unit)};
}

int Sign(bool less) {
  return less ? -1 : 1;
}

// Characters first without regard to case, then (for a case-sensitive comparison) lower case
// before upper case at the first difference in case, then the code units themselves.
int Compare(std::u16string_view a, std::u16string_view b, bool ignoreCase) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const SortKey keyA = KeyOf(a[i]), keyB = KeyOf(b[i]);
    if (keyA != keyB)
      return Sign(keyA < keyB);
  }
  if (a.size() != b.size())
    return Sign(a.size() < b.size());
  if (ignoreCase)
    return 0;
  for (size_t i = 0; i < common; ++i) {
    if (a[i] == b[i])
      continue;
    const bool lowerA = winplat::text::ToLowerUnit(a[i]) == a[i];
    const bool lowerB = winplat::text::ToLowerUnit(b[i]) == b[i];
    return lowerA != lowerB ? Sign(lowerA) : Sign(a[i] < b[i]);
  }
  return 0;
}

std::u16string_view WideView(LPCWSTR text) {
  return {text == nullptr ? u"" : text};
}

std::u16string WideOfAnsi(LPCSTR text) {
  return winplat::codepage::WideFromAnsi(text == nullptr ? "" : text);
}

}  // namespace

extern "C" int WINAPI lstrlenA(LPCSTR lpString) {
  return static_cast<int>(Length(lpString));
}

extern "C" int WINAPI lstrlenW(LPCWSTR lpString) {
  return static_cast<int>(Length(lpString));
}

extern "C" LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
  return Copy(lpString1, lpString2);
}

extern "C" LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2) {
  return Copy(lpString1, lpString2);
}

extern "C" LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  return CopyN(lpString1, lpString2, iMaxLength);
}

extern "C" LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength) {
  return CopyN(lpString1, lpString2, iMaxLength);
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2) {
  return Concatenate(lpString1, lpString2);
}

extern "C" LPWSTR WINAPI lstrcatW(LPWSTR lpString1, LPCWSTR lpString2) {
  return Concatenate(lpString1, lpString2);
}

extern "C" int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
  return Compare(WideOfAnsi(lpString1), WideOfAnsi(lpString2), false);
}

extern "C" int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2) {
  return Compare(WideView(lpString1), WideView(lpString2), false);
}

extern "C" int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  return Compare(WideOfAnsi(lpString1), WideOfAnsi(lpString2), true);
}

extern "C" int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2) {
  return Compare(WideView(lpString1), WideView(lpString2), true);
}
