// The lstr functions, wsprintf, the C runtime's case-insensitive and multibyte functions and the
// SHLWAPI searches.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <string>

#include "mbstring.h"
#include "shlwapi.h"
#include "windows.h"
#include "winplat/config.h"

namespace {

class AnsiCodePage {
 public:
  explicit AnsiCodePage(UINT codePage) { winplat::SetAnsiCodePage(codePage); }
  ~AnsiCodePage() { winplat::SetAnsiCodePage(1252); }
};

const unsigned char *Bytes(const char *text) {
  return reinterpret_cast<const unsigned char *>(text);
}

TEST(StringsLstr, CopiesStopAtTheirLimits) {
  char buffer[8];
  struct Case {
    int maxLength;
    std::string copied;
  };
  // lstrcpyn writes at most maxLength - 1 characters and always a terminator.
  for (const Case &c : {Case{1, ""}, Case{3, "ab"}, Case{5, "abcd"}, Case{6, "abcd"}}) {
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(buffer, lstrcpynA(buffer, "abcd", c.maxLength));
    EXPECT_EQ(c.copied, buffer) << c.maxLength;
    EXPECT_EQ('#', buffer[c.maxLength]);
  }
  std::fill(std::begin(buffer), std::end(buffer), '#');
  lstrcpynA(buffer, "abcd", 0);
  EXPECT_EQ('#', buffer[0]);

  WCHAR wide[8];
  lstrcpynW(wide, u"wxyz", 3);
  EXPECT_EQ(std::u16string(u"wx"), wide);
  EXPECT_EQ(wide, lstrcatW(lstrcpyW(wide, u"ab"), u"cd"));
  EXPECT_EQ(std::u16string(u"abcd"), wide);
  EXPECT_EQ(4, lstrlenW(wide));
  EXPECT_EQ(0, lstrlenA(nullptr));
  SetLastError(0);
  EXPECT_EQ(nullptr, lstrcpyA(nullptr, "a"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(nullptr, lstrcatA(buffer, nullptr));
}

TEST(StringsLstr, ComparisonsOrderAsTheLocaleDoes) {
  struct Case {
    const char *a;
    const char *b;
    int sensitive;
    int insensitive;
  };
  const Case cases[] = {
      {"abc", "abc", 0, 0},  {"a", "B", -1, -1},  // letters without regard to case, unlike strcmp
      {"a", "A", -1, 0},                          // then lower case first
      {"Ab", "aB", 1, 0},                         // the first difference in case decides
      {"ab", "abc", -1, -1},                      // a prefix comes first
      {"_", "0", -1, -1},                         // punctuation before digits
      {"9", "a", -1, -1},                         // digits before letters
      {"", nullptr, 0, 0},                        // NULL counts as empty
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + (c.b ? c.b : "NULL"));
    EXPECT_EQ(c.sensitive, lstrcmpA(c.a, c.b));
    EXPECT_EQ(-c.sensitive, lstrcmpA(c.b, c.a));
    EXPECT_EQ(c.insensitive, lstrcmpiA(c.a, c.b));
  }
  EXPECT_EQ(0, lstrcmpiW(u"ΣΊΣΥΦΟΣ", u"σίσυφοσ"));
  EXPECT_EQ(-1, lstrcmpW(u"ω", u"Ω"));
}

std::string FormatA(const char *format, ...) {
  char buffer[1100];
  va_list args;
  va_start(args, format);
  const int length = wvsprintfA(buffer, format, args);
  va_end(args);
  EXPECT_EQ(static_cast<size_t>(length), std::strlen(buffer));
  return buffer;
}

TEST(StringsWsprintf, AnsiConversions) {
  struct Case {
    std::string expected;
    std::string actual;
  };
  const Case cases[] = {
      {"-5|42|4294967295", FormatA("%d|%i|%u", -5, 42, -1)},
      {"   42|42   |", FormatA("%5d|%-5d|", 42, 42)},
      {"-0042|007|-000000001", FormatA("%05d|%.3d|%010ld", -42, 7, -1)},
      {"ff|FF|0xff|0X00FF", FormatA("%x|%X|%#x|%#06X", 255, 255, 255, 255)},
      {"-1|65535", FormatA("%hd|%hu", 65535, -1)},
      {"abc|ab|   ab|ab   |", FormatA("%s|%.2s|%5s|%-5s|", "abc", "abc", "ab", "ab")},
      {"(null)", FormatA("%s", static_cast<const char *>(nullptr))},
      {"wide|x|n|\xE9", FormatA("%S|%ls|%hs|%C", u"wide", u"x", "n", u'é')},
      {"x|\xDF|%", FormatA("%c|%lc|%%", 'x', u'ß')},
      {"?", FormatA("%S", u"ж")},
      {"p|y", FormatA("%p|%y")},  // letters wsprintf does not know are printed as they are
      {"end", FormatA("end%")},
  };
  for (const Case &c : cases)
    EXPECT_EQ(c.expected, c.actual);
}

TEST(StringsWsprintf, WideConversions) {
  WCHAR buffer[64];
  EXPECT_EQ(17, wsprintfW(buffer, u"%s|%S|%hs|%c|%hc|%d", u"wide", "nar", "x", u'ω', '\xE9', -3));
  EXPECT_EQ(std::u16string(u"wide|nar|x|ω|é|-3"), buffer);
  EXPECT_EQ(6, wsprintfW(buffer, u"%.2S|%3c", "\xE9\xE8\xEA", u'z'));
  EXPECT_EQ(std::u16string(u"éè|  z"), buffer);
}

TEST(StringsWsprintf, PrecisionCountsBytesOfDoubleByteText) {
  AnsiCodePage japanese(932);
  EXPECT_EQ("\x8A", FormatA("%.1S", u"漢"));
  EXPECT_EQ("\x8A\xBF", FormatA("%.3S", u"漢"));
  WCHAR buffer[8];
  EXPECT_EQ(2, wsprintfW(buffer, u"%.2S",
                         "\x8A\xBF"
                         "ab"));
  EXPECT_EQ(std::u16string(u"漢a"), buffer);
}

TEST(StringsWsprintf, OutputStopsAt1024CharactersWithTheTerminator) {
  const std::string longText(2000, 'x');
  std::string buffer(1100, '#');
  EXPECT_EQ(1023, wsprintfA(buffer.data(), "%s%s", longText.c_str(), "tail"));
  EXPECT_EQ(std::string(1023, 'x'), buffer.substr(0, 1023));
  EXPECT_EQ('\0', buffer[1023]);
  EXPECT_EQ('#', buffer[1024]);
  // Width and precision are capped by the same limit.
  EXPECT_EQ(1023, wsprintfA(buffer.data(), "%99999d", 1));
}

TEST(StringsCrt, StricmpFoldsAsciiOnly) {
  struct Case {
    const char *a;
    const char *b;
    size_t count;
    int sign;
  };
  const Case cases[] = {
      {"ABC", "abc", SIZE_MAX, 0}, {"abc", "ABD", SIZE_MAX, -1},
      {"_", "A", SIZE_MAX, -1},    {"\xC9", "\xE9", SIZE_MAX, -1},
      {"abcX", "ABCy", 3, 0},      {"abcX", "ABCy", 4, -1},
      {"ab", "abc", SIZE_MAX, -1}, {"x", "y", 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    const int result = c.count == SIZE_MAX ? _stricmp(c.a, c.b) : _strnicmp(c.a, c.b, c.count);
    EXPECT_EQ(c.sign, (result > 0) - (result < 0));
  }
  EXPECT_EQ(_NLSCMPERROR, _stricmp(nullptr, "a"));
}

TEST(StringsMbs, DoubleByteCharactersStayWhole) {
  AnsiCodePage japanese(932);
  // ア is 83 41 and ヂ 83 61: their trail bytes look like 'A' and 'a' but fold to nothing.
  EXPECT_NE(0, _mbsicmp(Bytes("\x83\x41"), Bytes("\x83\x61")));
  EXPECT_EQ(0, _mbsicmp(Bytes("x\x83\x41Y"), Bytes("X\x83\x41y")));
  EXPECT_EQ(nullptr, _mbsstr(Bytes("\x83\x41"), Bytes("A")));
  EXPECT_EQ(nullptr, _mbschr(Bytes("\x83\x41"), 'A'));
  const unsigned char *text = Bytes(
      "a\x83\x41"
      "A");
  EXPECT_EQ(text + 3, _mbsstr(text, Bytes("A")));
  EXPECT_EQ(text + 1, _mbsstr(text, Bytes("\x83\x41")));
  EXPECT_EQ(text + 1, _mbschr(text, 0x8341));
  EXPECT_EQ(text + 4, _mbschr(text, 0));
  EXPECT_EQ(text, _mbsstr(text, Bytes("")));

  // The byte count may end inside a double-byte character, which then counts as the end.
  EXPECT_EQ(0, _mbsnbicmp(Bytes("ab\x83\x41"), Bytes("AB\x83\x61"), 3));
  EXPECT_NE(0, _mbsnbicmp(Bytes("ab\x83\x41"), Bytes("AB\x83\x61"), 4));

  unsigned char upper[] = "a\x83\x61z";
  EXPECT_EQ(upper, _mbsupr(upper));
  EXPECT_STREQ("A\x83\x61Z", reinterpret_cast<char *>(upper));
}

TEST(StringsMbs, SingleByteCodePagesTreatEveryByteAlone) {
  const unsigned char *text = Bytes("\x83\x41");
  EXPECT_EQ(text + 1, _mbsstr(text, Bytes("A")));
  EXPECT_EQ(text + 1, _mbschr(text, 'A'));
  EXPECT_EQ(0, _mbsicmp(Bytes("\x83\x41"), Bytes("\x83\x61")));
}

TEST(StringsShlwapi, SearchesIgnoreCaseButNotCharacterBoundaries) {
  const char *deadbeef = "DeAdBeEf";
  EXPECT_EQ(deadbeef + 2, StrStrIA(deadbeef, "adbe"));
  EXPECT_EQ(nullptr, StrStrIA(deadbeef, "cafe"));
  EXPECT_EQ(nullptr, StrStrIA(deadbeef, ""));
  EXPECT_EQ(nullptr, StrStrIA(nullptr, "a"));
  const char *accented = "caf\xC9!";
  EXPECT_EQ(accented + 3, StrStrIA(accented, "\xE9"));
  const WCHAR *wide = u"ΑΒΓδε";
  EXPECT_EQ(wide + 2, StrStrIW(wide, u"γΔ"));
  EXPECT_EQ(nullptr, StrStrIW(wide, u""));
  EXPECT_EQ(deadbeef + 4, StrChrA(deadbeef, 'B'));
  EXPECT_EQ(nullptr, StrChrA(deadbeef, 'b'));

  AnsiCodePage japanese(932);
  const char *kana =
      "\x83\x41"
      "a\x83\x61";
  EXPECT_EQ(nullptr, StrStrIA("\x83\x41", "a"));
  EXPECT_EQ(kana + 2, StrStrIA(kana, "A"));
  EXPECT_EQ(kana + 3, StrStrIA(kana, "\x83\x61"));
  EXPECT_EQ(kana + 2, StrChrA(kana, 'a'));
  EXPECT_EQ(kana + 3, StrChrA(kana, 0x6183));  // lead byte low, trail byte high
}

}  // namespace
