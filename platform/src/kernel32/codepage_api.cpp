// MultiByteToWideChar, WideCharToMultiByte and the code page queries.
#include <winbase.h>
#include <winnls.h>

#include <cstring>
#include <stdexcept>

#include "codepage_convert.h"
#include "winplat/text.h"

namespace {

using winplat::codepage::CodePage;

constexpr DWORD kMultiByteFlags = MB_PRECOMPOSED | MB_ERR_INVALID_CHARS;

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

size_t WideLength(LPCWCH text) {
  size_t length = 0;
  while (text[length] != 0)
    ++length;
  return length;
}

// Copies a converted text to the caller's buffer under the size rules both functions share.
template <class Char>
int Deliver(const std::basic_string<Char> &converted, Char *buffer, int bufferSize) {
  const size_t size = converted.size();
  if (bufferSize == 0)
    return static_cast<int>(size);
  if (size > static_cast<size_t>(bufferSize))
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(buffer, converted.data(), size * sizeof(Char));
  return static_cast<int>(size);
}

// The default character is one character of the code page: two bytes when it starts with a
// lead byte.
std::string_view DefaultChar(const CodePage &page, LPCCH lpDefaultChar) {
  if (lpDefaultChar == nullptr)
    return "?";
  const std::string_view text(lpDefaultChar, lpDefaultChar[0] == '\0' ? 1 : 2);
  return text.substr(0, page.CharLength(text));
}

}  // namespace

extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr,
                                          int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar) {
  if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cchWideChar < 0 ||
      (cchWideChar > 0 && lpWideCharStr == nullptr) ||
      static_cast<const void *>(lpMultiByteStr) == static_cast<const void *>(lpWideCharStr)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const auto *page = winplat::codepage::Find(CodePage);
  if (page == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  const DWORD allowed = page->IsUtf8() ? MB_ERR_INVALID_CHARS : kMultiByteFlags;
  if ((dwFlags & ~allowed) != 0)
    return Fail(ERROR_INVALID_FLAGS);

  const size_t length = cbMultiByte < 0 ? std::strlen(lpMultiByteStr) + 1 : cbMultiByte;
  const auto wide = winplat::codepage::Decode(*page, std::string_view(lpMultiByteStr, length),
                                              (dwFlags & MB_ERR_INVALID_CHARS) != 0);
  if (!wide)
    return Fail(ERROR_NO_UNICODE_TRANSLATION);
  return Deliver(*wide, lpWideCharStr, cchWideChar);
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr,
                                          int cchWideChar, LPSTR lpMultiByteStr, int cbMultiByte,
                                          LPCCH lpDefaultChar, LPBOOL lpUsedDefaultChar) {
  if (lpWideCharStr == nullptr || cchWideChar == 0 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && lpMultiByteStr == nullptr) ||
      static_cast<const void *>(lpWideCharStr) == static_cast<const void *>(lpMultiByteStr)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const auto *page = winplat::codepage::Find(CodePage);
  if (page == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  if (page->IsUtf8()) {
    if ((dwFlags & ~WC_ERR_INVALID_CHARS) != 0)
      return Fail(ERROR_INVALID_FLAGS);
    if (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr) {
      return Fail(ERROR_INVALID_PARAMETER);
    }
  } else if ((dwFlags & ~WC_NO_BEST_FIT_CHARS) != 0) {
    return Fail(ERROR_INVALID_FLAGS);
  }

  winplat::codepage::EncodeOptions options;
  options.defaultChar = DefaultChar(*page, lpDefaultChar);
  options.noBestFit = (dwFlags & WC_NO_BEST_FIT_CHARS) != 0;
  options.strict = (dwFlags & WC_ERR_INVALID_CHARS) != 0;
  const size_t length = cchWideChar < 0 ? WideLength(lpWideCharStr) + 1 : cchWideChar;
  const auto encoded =
      winplat::codepage::Encode(*page, std::u16string_view(lpWideCharStr, length), options);
  if (!encoded)
    return Fail(ERROR_NO_UNICODE_TRANSLATION);
  if (lpUsedDefaultChar != nullptr)
    *lpUsedDefaultChar = encoded->usedDefaultChar;
  return Deliver(encoded->bytes, lpMultiByteStr, cbMultiByte);
}

extern "C" UINT WINAPI GetACP(void) {
  return winplat::codepage::Ansi().number;
}

extern "C" UINT WINAPI GetOEMCP(void) {
  return winplat::codepage::Find(CP_OEMCP)->number;
}

extern "C" BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar) {
  const auto *page = winplat::codepage::Find(CodePage);
  if (page == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  return page->IsLeadByte(TestChar);
}

extern "C" BOOL WINAPI IsDBCSLeadByte(BYTE TestChar) {
  return winplat::codepage::Ansi().IsLeadByte(TestChar);
}

extern "C" BOOL WINAPI GetCPInfo(UINT CodePage, LPCPINFO lpCPInfo) {
  const auto *page = winplat::codepage::Find(CodePage);
  if (page == nullptr || lpCPInfo == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  *lpCPInfo = CPINFO{};
  lpCPInfo->MaxCharSize = page->maxCharSize;
  lpCPInfo->DefaultChar[0] = '?';
  std::memcpy(lpCPInfo->LeadByte, page->leadByteRanges, sizeof page->leadByteRanges);
  return TRUE;
}

namespace winplat {

std::u16string WideFromMultiByte(UINT codePage, std::string_view text) {
  const codepage::CodePage *page = codepage::Find(codePage);
  if (page == nullptr)
    throw std::invalid_argument("unknown code page");
  return *codepage::Decode(*page, text, false);
}

std::string MultiByteFromWide(UINT codePage, std::u16string_view text) {
  const codepage::CodePage *page = codepage::Find(codePage);
  if (page == nullptr)
    throw std::invalid_argument("unknown code page");
  return codepage::Encode(*page, text, {})->bytes;
}

}  // namespace winplat
