// The user's locale and GetLocaleInfo for the language and code page entries.
#include <winbase.h>
#include <winnls.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "winplat/config.h"

namespace {

struct Locale {
  LANGID language;
  UINT ansiCodePage;
  const char *englishLanguage;
  const char *abbreviation;
};

const Locale kLocales[] = {
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1252, "English", "ENU"},
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK), 1252, "English", "ENG"},
    {MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT), 1252, "German", "DEU"},
    {MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT), 1252, "French", "FRA"},
    {MAKELANGID(LANG_ITALIAN, SUBLANG_DEFAULT), 1252, "Italian", "ITA"},
    {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), 1252, "Spanish", "ESN"},
    {MAKELANGID(LANG_DUTCH, SUBLANG_DEFAULT), 1252, "Dutch", "NLD"},
    {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), 1252, "Portuguese", "PTB"},
    {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 932, "Japanese", "JPN"},
    {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 936, "Chinese", "CHS"},
    {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), 950, "Chinese", "CHT"},
    {MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT), 949, "Korean", "KOR"},
    {MAKELANGID(LANG_THAI, SUBLANG_DEFAULT), 874, "Thai", "THA"},
    {MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), 1250, "Polish", "PLK"},
    {MAKELANGID(LANG_CZECH, SUBLANG_DEFAULT), 1250, "Czech", "CSY"},
    {MAKELANGID(LANG_HUNGARIAN, SUBLANG_DEFAULT), 1250, "Hungarian", "HUN"},
    {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), 1251, "Russian", "RUS"},
    {MAKELANGID(LANG_GREEK, SUBLANG_DEFAULT), 1253, "Greek", "ELL"},
    {MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT), 1254, "Turkish", "TRK"},
    {MAKELANGID(LANG_HEBREW, SUBLANG_DEFAULT), 1255, "Hebrew", "HEB"},
    {MAKELANGID(LANG_ARABIC, SUBLANG_DEFAULT), 1256, "Arabic", "ARA"},
    {MAKELANGID(LANG_LITHUANIAN, SUBLANG_DEFAULT), 1257, "Lithuanian", "LTH"},
};

std::atomic<LCID> userLocale{MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)};

const Locale *FindLanguage(LANGID language) {
  for (const Locale &locale : kLocales) {
    if (locale.language == language)
      return &locale;
  }
  return nullptr;
}

// The locale an LCID names: the user's for the default and neutral values, the language's
// default sub-language for a neutral sub-language. The sort order plays no part.
const Locale *Resolve(LCID lcid) {
  LANGID language = LANGIDFROMLCID(lcid);
  if (PRIMARYLANGID(language) == LANG_NEUTRAL) {
    language = LANGIDFROMLCID(userLocale.load());
  } else if (SUBLANGID(language) == SUBLANG_NEUTRAL) {
    language = MAKELANGID(PRIMARYLANGID(language), SUBLANG_DEFAULT);
  }
  return FindLanguage(language);
}

struct LocaleValue {
  std::string text;
  DWORD number = 0;
  bool numeric = false;
};

bool ValueOf(const Locale &locale, LCTYPE type, LocaleValue &value) {
  char digits[16];
  switch (type) {
    case LOCALE_ILANGUAGE:
    case LOCALE_IDEFAULTLANGUAGE:
      std::snprintf(digits, sizeof digits, "%04x", locale.language);
      value = {digits, locale.language, true};
      return true;
    case LOCALE_IDEFAULTANSICODEPAGE:
      value = {std::to_string(locale.ansiCodePage), locale.ansiCodePage, true};
      return true;
    case LOCALE_SENGLANGUAGE:
      value = {locale.englishLanguage, 0, false};
      return true;
    case LOCALE_SABBREVLANGNAME:
      value = {locale.abbreviation, 0, false};
      return true;
    default:
      return false;
  }
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// Both GetLocaleInfo functions; the values are ASCII, so the ANSI one only narrows them.
template <class Char>
int GetLocaleInfoT(LCID lcid, LCTYPE lcType, Char *buffer, int size) {
  if (size < 0 || (size > 0 && buffer == nullptr))
    return Fail(ERROR_INVALID_PARAMETER);
  const Locale *locale = Resolve(lcid);
  if (locale == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  const bool returnNumber = (lcType & LOCALE_RETURN_NUMBER) != 0;
  LocaleValue value;
  const LCTYPE type = lcType & ~(LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP | LOCALE_RETURN_NUMBER);
  if (!ValueOf(*locale, type, value) || (returnNumber && !value.numeric)) {
    return Fail(ERROR_INVALID_FLAGS);
  }

  const int needed = returnNumber ? static_cast<int>(sizeof(DWORD) / sizeof(Char))
                                  : static_cast<int>(value.text.size() + 1);
  if (size == 0)
    return needed;
  if (size < needed)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  if (returnNumber) {
    std::memcpy(buffer, &value.number, sizeof value.number);
  } else {
    for (size_t i = 0; i <= value.text.size(); ++i)
      buffer[i] = static_cast<Char>(value.text[i]);
  }
  return needed;
}

}  // namespace

extern "C" LCID WINAPI GetUserDefaultLCID(void) {
  return userLocale.load();
}

extern "C" LCID WINAPI GetSystemDefaultLCID(void) {
  return userLocale.load();
}

extern "C" LANGID WINAPI GetUserDefaultLangID(void) {
  return LANGIDFROMLCID(userLocale.load());
}

extern "C" int WINAPI GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData) {
  return GetLocaleInfoT(Locale, LCType, lpLCData, cchData);
}

extern "C" int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData) {
  return GetLocaleInfoT(Locale, LCType, lpLCData, cchData);
}

namespace winplat {

void SetUserDefaultLocale(LCID locale) {
  if (FindLanguage(LANGIDFROMLCID(locale)) == nullptr) {
    throw std::invalid_argument("unknown locale " + std::to_string(locale));
  }
  userLocale = locale;
}

}  // namespace winplat
