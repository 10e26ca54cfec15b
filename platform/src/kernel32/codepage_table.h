// The code pages this platform converts: their iconv names, character sizes and lead bytes, and
// the ANSI and OEM code pages that CP_ACP and CP_OEMCP stand for.
#pragma once

#include <windef.h>

#include <string_view>

namespace winplat::codepage {

struct CodePage {
  UINT number;
  // Names glibc's iconv knows the code page by, most precise first; the second may be empty.
  const char *iconvNames[2];
  UINT maxCharSize;
  // Lead-byte ranges as CPINFO gives them: first and last byte of each, zeros after the last.
  BYTE leadByteRanges[4];

  bool IsUtf8() const { return number == 65001; }
  bool IsLeadByte(BYTE byte) const;
  // Bytes of the character that starts text (1 or 2; a lead byte followed by NUL or nothing is
  // one byte), as CharNextA steps.
  size_t CharLength(std::string_view text) const;
};

// The code page for a number or for CP_ACP, CP_OEMCP and CP_THREAD_ACP; nullptr when unknown.
const CodePage *Find(UINT codePage);

// The code page of the ANSI functions (CP_ACP).
const CodePage &Ansi();

}  // namespace winplat::codepage
