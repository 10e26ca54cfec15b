// SHLWAPI string searches. StrStrIA compares the ANSI code page's characters whole, folded the
// way CharUpper folds them.
#include <shlwapi.h>
#include <winnls.h>
#include <winuser.h>

#include <vector>

#include "kernel32/codepage_convert.h"
#include "kernel32/text_unicode.h"

namespace {

struct FoldedChar {
  size_t offset;
  std::u16string folded;
};

// Each character of ANSI text with its offset and its upper-case UTF-16 form.
std::vector<FoldedChar> FoldAnsi(std::string_view text) {
  const winplat::codepage::CodePage &page = winplat::codepage::Ansi();
  std::vector<FoldedChar> chars;
  for (size_t offset = 0; offset < text.size();) {
    const size_t length = page.CharLength(text.substr(offset));
    std::u16string folded = *winplat::codepage::Decode(page, text.substr(offset, length), false);
    for (char16_t &unit : folded)
      unit = winplat::text::ToUpperUnit(unit);
    chars.push_back({offset, std::move(folded)});
    offset += length;
  }
  return chars;
}

bool MatchesAt(const std::vector<FoldedChar> &text, size_t start,
               const std::vector<FoldedChar> &wanted) {
  if (text.size() - start < wanted.size())
    return false;
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (text[start + i].folded != wanted[i].folded)
      return false;
  }
  return true;
}

}  // namespace

extern "C" LPSTR WINAPI StrStrIA(LPCSTR lpFirst, LPCSTR lpSrch) {
  if (lpFirst == nullptr || lpSrch == nullptr || *lpSrch == '\0')
    return nullptr;
  const std::vector<FoldedChar> text = FoldAnsi(lpFirst), wanted = FoldAnsi(lpSrch);
  for (size_t start = 0; start < text.size(); ++start) {
    if (MatchesAt(text, start, wanted))
      return const_cast<LPSTR>(lpFirst + text[start].offset);
  }
  return nullptr;
}

extern "C" LPWSTR WINAPI StrStrIW(LPCWSTR lpFirst, LPCWSTR lpSrch) {
  if (lpFirst == nullptr || lpSrch == nullptr || *lpSrch == 0)
    return nullptr;
  for (LPCWSTR start = lpFirst; *start != 0; ++start) {
    size_t i = 0;
    while (lpSrch[i] != 0 &&
           winplat::text::ToUpperUnit(start[i]) == winplat::text::ToUpperUnit(lpSrch[i])) {
      ++i;
    }
    if (lpSrch[i] == 0)
      return const_cast<LPWSTR>(start);
  }
  return nullptr;
}

extern "C" LPSTR WINAPI StrChrA(LPCSTR lpStart, WORD wMatch) {
  if (lpStart == nullptr)
    return nullptr;
  const winplat::codepage::CodePage &page = winplat::codepage::Ansi();
  const char matchLead = static_cast<char>(LOBYTE(wMatch));
  const bool matchIsDouble = page.IsLeadByte(LOBYTE(wMatch));
  for (LPCSTR p = lpStart; *p != '\0'; p = CharNextA(p)) {
    const bool isDouble = page.CharLength(std::string_view(p, 2)) == 2;
    if (isDouble == matchIsDouble && p[0] == matchLead &&
        (!isDouble || static_cast<BYTE>(p[1]) == HIBYTE(wMatch))) {
      return const_cast<LPSTR>(p);
    }
  }
  return nullptr;
}
