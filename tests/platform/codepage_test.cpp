// Code page conversions, code page queries, locales and the USER32 character functions.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "windows.h"
#include "winplat/config.h"
#include "winplat/text.h"

namespace {

// Switches CP_ACP for one test and restores the default afterwards.
class AnsiCodePage {
 public:
  explicit AnsiCodePage(UINT codePage) { winplat::SetAnsiCodePage(codePage); }
  ~AnsiCodePage() { winplat::SetAnsiCodePage(1252); }
};

std::u16string ToWide(UINT codePage, const std::string &bytes, DWORD flags = 0) {
  const int size = MultiByteToWideChar(codePage, flags, bytes.data(),
                                       static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string wide(size, u'\0');
  EXPECT_EQ(size, MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()),
                                      wide.data(), size));
  return wide;
}

std::string ToBytes(UINT codePage, const std::u16string &wide, DWORD flags = 0,
                    LPCCH defaultChar = nullptr, BOOL *usedDefault = nullptr) {
  const int size = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, defaultChar, usedDefault);
  std::string bytes(size, '\0');
  EXPECT_EQ(size, WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                      bytes.data(), size, defaultChar, usedDefault));
  return bytes;
}

struct CodePageCase {
  UINT codePage;
  std::u16string text;  // holds at least one character no other code page here has
  std::string bytes;
};

const std::vector<CodePageCase> kCodePageCases = {
    {874, u"ก", "\xA1"},
    {932, u"ｱ漢", "\xB1\x8A\xBF"},
    {936, u"汉", "\xBA\xBA"},
    {949, u"한똠", "\xC7\xD1\x8C\x63"},
    {950, u"‧漢", "\xA1\x45\xBA\x7E"},
    {1250, u"ő", "\xF5"},
    {1251, u"ґЖ", "\xB4\xC6"},
    {1252, u"€þÝ", "\x80\xFE\xDD"},
    {1253, u"άΩ", "\xDC\xD9"},
    {1254, u"ğ", "\xF0"},
    {1255, u"א", "\xE0"},
    {1256, u"ع", "\xDA"},
    {1257, u"ė", "\xEB"},
    {CP_UTF8, u"é漢😀", "\xC3\xA9\xE6\xBC\xA2\xF0\x9F\x98\x80"},
};

TEST(CodePageConversion, EachCodePageConvertsItsOwnCharactersBothWays) {
  for (const CodePageCase &c : kCodePageCases) {
    SCOPED_TRACE(c.codePage);
    EXPECT_EQ(c.text, ToWide(c.codePage, c.bytes, MB_ERR_INVALID_CHARS));
    if (c.codePage == CP_UTF8) {
      EXPECT_EQ(c.bytes, ToBytes(c.codePage, c.text, WC_ERR_INVALID_CHARS));
      continue;
    }
    BOOL usedDefault = TRUE;
    EXPECT_EQ(c.bytes, ToBytes(c.codePage, c.text, WC_NO_BEST_FIT_CHARS, nullptr, &usedDefault));
    EXPECT_FALSE(usedDefault);
  }
}

TEST(CodePageConversion, NoOtherCodePageHasTheseCharacters) {
  for (const CodePageCase &owner : kCodePageCases) {
    for (const CodePageCase &other : kCodePageCases) {
      if (&owner == &other || other.codePage == CP_UTF8)
        continue;
      SCOPED_TRACE(std::to_string(owner.codePage) + " in " + std::to_string(other.codePage));
      BOOL usedDefault = FALSE;
      ToBytes(other.codePage, owner.text, WC_NO_BEST_FIT_CHARS, nullptr, &usedDefault);
      EXPECT_TRUE(usedDefault);
    }
  }
}

TEST(CodePageConversion, BufferSizesFollowTheWin32Contract) {
  WCHAR wide[8];
  // -1 converts and counts the terminator; 0 asks for the size.
  EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0));
  EXPECT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 0));
  // Exactly the size needed, and one more, succeed; one less fails without writing past it.
  for (int size : {4, 5}) {
    std::fill(std::begin(wide), std::end(wide), u'#');
    EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, size));
    EXPECT_EQ(std::u16string(u"abc\0#", 5), std::u16string(wide, 5));
  }
  std::fill(std::begin(wide), std::end(wide), u'#');
  SetLastError(0);
  EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 3));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(u'#', wide[3]);

  char bytes[8];
  // A double-byte character needs both bytes of room.
  AnsiCodePage japanese(932);
  EXPECT_EQ(3, WideCharToMultiByte(CP_ACP, 0, u"漢", -1, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(3, WideCharToMultiByte(CP_ACP, 0, u"漢", -1, bytes, 3, nullptr, nullptr));
  EXPECT_STREQ("\x8A\xBF", bytes);
  EXPECT_EQ(0, WideCharToMultiByte(CP_ACP, 0, u"漢", -1, bytes, 2, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
}

TEST(CodePageConversion, BadArgumentsAndFlagsAreRefused) {
  WCHAR wide[8];
  char bytes[8];
  BOOL used;
  struct Case {
    const char *what;
    std::function<int()> call;
    DWORD error;
  };
  const Case cases[] = {
      {"null source", [&] { return MultiByteToWideChar(CP_ACP, 0, nullptr, 3, wide, 8); },
       ERROR_INVALID_PARAMETER},
      {"empty source", [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 8); },
       ERROR_INVALID_PARAMETER},
      {"negative size", [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, -1); },
       ERROR_INVALID_PARAMETER},
      {"null target", [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 8); },
       ERROR_INVALID_PARAMETER},
      {"unknown code page", [&] { return MultiByteToWideChar(1234, 0, "abc", -1, wide, 8); },
       ERROR_INVALID_PARAMETER},
      {"mac code page", [&] { return MultiByteToWideChar(CP_MACCP, 0, "abc", -1, wide, 8); },
       ERROR_INVALID_PARAMETER},
      {"composite", [&] { return MultiByteToWideChar(1252, MB_COMPOSITE, "a", -1, wide, 8); },
       ERROR_INVALID_FLAGS},
      {"utf-8 precomposed",
       [&] { return MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", -1, wide, 8); },
       ERROR_INVALID_FLAGS},
      {"wide null source",
       [&] { return WideCharToMultiByte(CP_ACP, 0, nullptr, 3, bytes, 8, nullptr, nullptr); },
       ERROR_INVALID_PARAMETER},
      {"wide negative size",
       [&] { return WideCharToMultiByte(CP_ACP, 0, u"a", -1, bytes, -2, nullptr, nullptr); },
       ERROR_INVALID_PARAMETER},
      {"utf-8 default char",
       [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", -1, bytes, 8, "?", nullptr); },
       ERROR_INVALID_PARAMETER},
      {"utf-8 used flag",
       [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", -1, bytes, 8, nullptr, &used); },
       ERROR_INVALID_PARAMETER},
      {"invalid-chars flag outside utf-8",
       [&] {
         return WideCharToMultiByte(1252, WC_ERR_INVALID_CHARS, u"a", -1, bytes, 8, nullptr,
                                    nullptr);
       },
       ERROR_INVALID_FLAGS},
      {"composite check",
       [&] {
         return WideCharToMultiByte(1252, WC_COMPOSITECHECK, u"a", -1, bytes, 8, nullptr, nullptr);
       },
       ERROR_INVALID_FLAGS},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(0);
    EXPECT_EQ(0, c.call());
    EXPECT_EQ(c.error, GetLastError());
  }
}

TEST(CodePageConversion, UndecodableBytesBecomeReplacementsOrFail) {
  struct Case {
    UINT codePage;
    std::string bytes;
    std::u16string lenient;
  };
  const Case cases[] = {
      {CP_UTF8,
       "\xE2\x82"
       "A",
       u"\xFFFD"
       u"A"},                                            // one replacement per maximal subpart
      {CP_UTF8, "\xC0\x80", u"\xFFFD\xFFFD"},            // overlong: each byte on its own
      {CP_UTF8, "\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},  // encoded surrogate
      {CP_UTF8, "a\xF0\x90\x80", u"a\xFFFD"},            // cut short at the end
      {932,
       "\x85\x40"
       "A",
       u"\xFFFD"
       u"A"},                      // unassigned pair: one character
      {932, "A\x81", u"A\xFFFD"},  // lead byte with nothing after it
      {1252, "\x81", u"\xFFFD"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(c.lenient, ToWide(c.codePage, c.bytes));
    WCHAR wide[16];
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(c.codePage, MB_ERR_INVALID_CHARS, c.bytes.data(),
                                     static_cast<int>(c.bytes.size()), wide, 16));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
  }
}

TEST(CodePageConversion, MissingCharactersBecomeTheDefaultCharacter) {
  BOOL used = FALSE;
  // One default character per UTF-16 unit, a pair included.
  EXPECT_EQ("a??b", ToBytes(1252, u"a😀b", 0, nullptr, &used));
  EXPECT_TRUE(used);
  EXPECT_EQ("*", ToBytes(1252, u"\xD800", 0, "*", &used));
  // A default character may be a double-byte one.
  EXPECT_EQ("\x83\xB6\x81\x48", ToBytes(932, u"Ω\xD800", 0, "\x81\x48", &used));
  // glibc maps the yen sign onto the backslash of code page 932; that mapping does not come
  // back, so WC_NO_BEST_FIT_CHARS refuses it.
  EXPECT_EQ("\x5C", ToBytes(932, u"¥", 0));
  EXPECT_EQ("?", ToBytes(932, u"¥", WC_NO_BEST_FIT_CHARS));
  // UTF-8 writes U+FFFD for an unpaired surrogate unless told to fail.
  EXPECT_EQ("a\xEF\xBF\xBD", ToBytes(CP_UTF8, u"a\xDC00"));
  char bytes[8];
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, u"a\xDC00", 2, bytes, 8, nullptr,
                                   nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
}

TEST(CodePageConversion, CppHelpersReplaceAndRejectUnknownCodePages) {
  EXPECT_EQ(u"a\xFFFD", winplat::WideFromMultiByte(CP_UTF8, "a\xFF"));
  EXPECT_EQ("?", winplat::MultiByteFromWide(1251, u"ő"));
  EXPECT_THROW(winplat::WideFromMultiByte(1234, "a"), std::invalid_argument);
}

TEST(CodePageConversion, ConcurrentConversionsDoNotInterfere) {
  std::vector<std::thread> threads;
  std::vector<int> failures(kCodePageCases.size(), 0);
  for (size_t i = 0; i < kCodePageCases.size(); ++i) {
    threads.emplace_back([i, &failures] {
      const CodePageCase &c = kCodePageCases[i];
      for (int round = 0; round < 200; ++round) {
        const std::u16string wide = winplat::WideFromMultiByte(c.codePage, c.bytes);
        if (wide != c.text || winplat::MultiByteFromWide(c.codePage, wide) != c.bytes) {
          ++failures[i];
        }
      }
    });
  }
  for (std::thread &thread : threads)
    thread.join();
  EXPECT_EQ(std::vector<int>(kCodePageCases.size(), 0), failures);
}

TEST(CodePageAnsi, TheAnsiCodePageFollowsTheSetting) {
  EXPECT_EQ(1252u, GetACP());
  EXPECT_EQ(437u, GetOEMCP());
  EXPECT_FALSE(IsDBCSLeadByte(0x81));
  {
    AnsiCodePage japanese(932);
    EXPECT_EQ(932u, GetACP());
    EXPECT_TRUE(IsDBCSLeadByte(0x81));
    EXPECT_EQ(u"漢", ToWide(CP_ACP, "\x8A\xBF"));
    EXPECT_EQ(u"漢", ToWide(CP_THREAD_ACP, "\x8A\xBF"));
  }
  EXPECT_EQ(u"\x0160", ToWide(CP_ACP, "\x8A"));
  EXPECT_EQ(u"\x00E8", ToWide(CP_OEMCP, "\x8A"));
  for (UINT refused : {0u, 437u, 1234u, static_cast<UINT>(CP_UTF8)}) {
    EXPECT_THROW(winplat::SetAnsiCodePage(refused), std::invalid_argument) << refused;
  }
}

TEST(CodePageInfo, LeadBytesAndCharacterSizes) {
  struct Case {
    UINT codePage;
    UINT maxCharSize;
    std::vector<BYTE> leadRanges;
  };
  const Case cases[] = {
      {1252, 1, {}},          {874, 1, {}},           {932, 2, {0x81, 0x9F, 0xE0, 0xFC}},
      {936, 2, {0x81, 0xFE}}, {949, 2, {0x81, 0xFE}}, {950, 2, {0x81, 0xFE}},
      {CP_UTF8, 4, {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.codePage);
    CPINFO info;
    ASSERT_TRUE(GetCPInfo(c.codePage, &info));
    EXPECT_EQ(c.maxCharSize, info.MaxCharSize);
    EXPECT_EQ('?', info.DefaultChar[0]);
    std::vector<BYTE> ranges(std::begin(info.LeadByte), std::end(info.LeadByte));
    std::vector<BYTE> expected = c.leadRanges;
    expected.resize(MAX_LEADBYTES, 0);
    EXPECT_EQ(expected, ranges);
    // Each range's edges are lead bytes; the bytes just outside are not.
    for (size_t i = 0; i < c.leadRanges.size(); i += 2) {
      EXPECT_TRUE(IsDBCSLeadByteEx(c.codePage, c.leadRanges[i]));
      EXPECT_TRUE(IsDBCSLeadByteEx(c.codePage, c.leadRanges[i + 1]));
      EXPECT_FALSE(IsDBCSLeadByteEx(c.codePage, c.leadRanges[i] - 1));
      EXPECT_FALSE(IsDBCSLeadByteEx(c.codePage, c.leadRanges[i + 1] + 1));
    }
  }
  CPINFO info;
  SetLastError(0);
  EXPECT_FALSE(GetCPInfo(1234, &info));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_FALSE(IsDBCSLeadByteEx(1234, 0x81));
}

TEST(CodePageLocale, LocaleInfoValuesAndSizes) {
  struct Case {
    LCID locale;
    LCTYPE type;
    std::string value;
  };
  const Case cases[] = {
      {LOCALE_USER_DEFAULT, LOCALE_IDEFAULTLANGUAGE, "0409"},
      {LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, "1252"},
      {LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, "English"},
      {LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME | LOCALE_NOUSEROVERRIDE, "ENU"},
      {0x0411, LOCALE_IDEFAULTANSICODEPAGE, "932"},
      {0x040C, LOCALE_ILANGUAGE, "040c"},
      {0x0804, LOCALE_SABBREVLANGNAME, "CHS"},
      {MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), SORT_DEFAULT), LOCALE_SENGLANGUAGE,
       "German"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.value);
    const int needed = static_cast<int>(c.value.size() + 1);
    EXPECT_EQ(needed, GetLocaleInfoA(c.locale, c.type, nullptr, 0));
    char narrow[32] = {};
    EXPECT_EQ(needed, GetLocaleInfoA(c.locale, c.type, narrow, needed));
    EXPECT_EQ(c.value, narrow);
    WCHAR wide[32] = {};
    EXPECT_EQ(needed, GetLocaleInfoW(c.locale, c.type, wide, 32));
    EXPECT_EQ(std::u16string(c.value.begin(), c.value.end()), wide);
    SetLastError(0);
    EXPECT_EQ(0, GetLocaleInfoA(c.locale, c.type, narrow, needed - 1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  }
}

TEST(CodePageLocale, NumbersUnknownTypesAndLocales) {
  DWORD number = 0;
  EXPECT_EQ(2, GetLocaleInfoW(0x0412, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                              reinterpret_cast<LPWSTR>(&number), 2));
  EXPECT_EQ(949u, number);
  EXPECT_EQ(4, GetLocaleInfoA(0x0412, LOCALE_ILANGUAGE | LOCALE_RETURN_NUMBER,
                              reinterpret_cast<LPSTR>(&number), 4));
  EXPECT_EQ(0x0412u, number);
  char text[32];
  const struct {
    LCID locale;
    LCTYPE type;
    DWORD error;
  } failures[] = {
      {0x0409, 0x7777, ERROR_INVALID_FLAGS},
      {0x0409, LOCALE_SENGLANGUAGE | LOCALE_RETURN_NUMBER, ERROR_INVALID_FLAGS},
      {0x0477, LOCALE_SENGLANGUAGE, ERROR_INVALID_PARAMETER},
  };
  for (const auto &f : failures) {
    SetLastError(0);
    EXPECT_EQ(0, GetLocaleInfoA(f.locale, f.type, text, 32));
    EXPECT_EQ(f.error, GetLastError());
  }
}

TEST(CodePageLocale, TheUserLocaleFollowsTheSetting) {
  winplat::SetUserDefaultLocale(0x0411);
  EXPECT_EQ(0x0411u, GetUserDefaultLCID());
  EXPECT_EQ(0x0411u, GetSystemDefaultLCID());
  EXPECT_EQ(0x0411, GetUserDefaultLangID());
  char abbreviation[8];
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, abbreviation, 8);
  EXPECT_STREQ("JPN", abbreviation);
  EXPECT_THROW(winplat::SetUserDefaultLocale(0x0009), std::invalid_argument);
  winplat::SetUserDefaultLocale(0x0409);
  EXPECT_EQ(0x0409u, GetUserDefaultLCID());
}

TEST(CodePageChars, CaseMappingFollowsTheAnsiCodePage) {
  char western[] = "abc\xE9\xFF\xDF";  // é, ÿ (upper case 0x9F in 1252), ß (no upper case)
  EXPECT_EQ(western, CharUpperA(western));
  EXPECT_STREQ("ABC\xC9\x9F\xDF", western);
  EXPECT_STREQ("abc\xE9\xFF\xDF", CharLowerA(western));
  // A single character travels in the pointer's low word.
  EXPECT_EQ(static_cast<UINT_PTR>(0xC9),
            reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<LPSTR>(UINT_PTR{0xE9}))));
  WCHAR wide[] = u"straße ωσ";
  CharUpperW(wide);
  EXPECT_EQ(std::u16string(u"STRAßE ΩΣ"), wide);
  EXPECT_EQ(static_cast<UINT_PTR>(u'ж'),
            reinterpret_cast<UINT_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(UINT_PTR{u'Ж'}))));

  {
    AnsiCodePage japanese(932);
    // The trail byte 'a' of ヂ stays; the full-width ａ becomes Ａ; ASCII letters change.
    char mixed[] =
        "\x83\x61"
        "a\x82\x81";
    CharUpperA(mixed);
    EXPECT_STREQ(
        "\x83\x61"
        "A\x82\x60",
        mixed);
  }
  AnsiCodePage korean(949);
  // Dotless ı (two bytes) would become the one-byte I: the length may not change, so it stays.
  char dotless[] = "\xA9\xA5i";
  CharUpperA(dotless);
  EXPECT_STREQ("\xA9\xA5I", dotless);
}

TEST(CodePageChars, CharNextAndCharPrevStepOverDoubleByteCharacters) {
  AnsiCodePage japanese(932);
  const char text[] =
      "a\x83\x41"
      "b\x81";  // a, ア, b, a lead byte at the end
  EXPECT_EQ(text + 1, CharNextA(text));
  EXPECT_EQ(text + 3, CharNextA(text + 1));
  EXPECT_EQ(text + 5, CharNextA(text + 4));
  EXPECT_EQ(text + 5, CharNextA(text + 5));
  EXPECT_EQ(text + 1, CharPrevA(text, text + 3));
  EXPECT_EQ(text + 3, CharPrevA(text, text + 4));
  EXPECT_EQ(text, CharPrevA(text, text));
}

}  // namespace
