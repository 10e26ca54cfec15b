// The page's language rules: which language the page speaks (the host's, or the model's
// override), and what that language chooses: dialog template, code page, reading order and the
// font of the profile list.
#pragma once

#include <windows.h>

#include "module/host_records.h"

// Dialog templates of the page.
enum : int {
  IDD_PAGE_ANSI = 507,  // the ANSI platform and Windows NT 4.0
  IDD_PAGE = 4287,      // the other wide platforms
  IDD_PAGE_RTL = 106,   // Arabic, Farsi, Hebrew
  IDD_PAGE_JAPANESE = 502,
  IDD_PAGE_KOREAN = 503,
  IDD_PAGE_SIMPLIFIED = 504,
  IDD_PAGE_TRADITIONAL = 505,
};

// Language bytes (the low byte of a language code) with rules of their own.
enum : BYTE {
  LANG_BYTE_ARABIC = 0x01,
  LANG_BYTE_BULGARIAN = 0x02,
  LANG_BYTE_CZECH = 0x05,
  LANG_BYTE_GERMAN = 0x07,
  LANG_BYTE_GREEK = 0x08,
  LANG_BYTE_ENGLISH = 0x09,
  LANG_BYTE_HEBREW = 0x0D,
  LANG_BYTE_HUNGARIAN = 0x0E,
  LANG_BYTE_JAPANESE = 0x11,
  LANG_BYTE_KOREAN = 0x12,
  LANG_BYTE_POLISH = 0x15,
  LANG_BYTE_ROMANIAN = 0x18,
  LANG_BYTE_RUSSIAN = 0x19,
  LANG_BYTE_THAI = 0x1E,
  LANG_BYTE_TURKISH = 0x1F,
  LANG_BYTE_LITHUANIAN = 0x27,
  LANG_BYTE_FARSI = 0x29,
  LANG_BYTE_SIMPLIFIED_CHINESE = 0xC0,
  LANG_BYTE_TRADITIONAL_CHINESE = 0xC1,
};

inline BYTE LanguageByte(WORD language) {
  return static_cast<BYTE>(language & 0xFF);
}

// The language to use: the host's, unless the model record asks for an override. Japanese,
// Korean, Chinese and Hebrew interfaces never take the override; for them the override byte is
// cleared in the record.
WORD ResolveLanguage(WORD hostLanguage, ModelInfoRecord *model);

struct PageLanguageChoice {
  int templateId;
  UINT codePage;
  bool rightToLeft;
};

// The template, code page and reading order of a language; `defaultTemplate` is the template
// of the languages without one of their own.
PageLanguageChoice ChoosePageLanguage(WORD language, int defaultTemplate);

// The face, character set and size of the profile list's font for a language.
struct PageFontDescription {
  char szFaceName[MAX_PATH];
  WCHAR wszFaceName[MAX_PATH];
  BYTE bCharSet;
  WORD wPointSize;
};

void DescribePageFont(WORD language, bool ansiPlatform, PageFontDescription *font);

// Font height in logical units for a point size on the screen: negative, a character height.
int FontHeightForPoints(int pointSize);
