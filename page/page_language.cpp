// Language rules of the page: override, template, code page, reading order, list font.
#include "page/page_language.h"

#include <string.h>

#include "abi/wide.h"

namespace {

// Interfaces whose own language always wins over the model's override.
bool IgnoresOverride(BYTE languageByte) {
  switch (languageByte) {
    case LANG_BYTE_JAPANESE:
    case LANG_BYTE_KOREAN:
    case LANG_BYTE_SIMPLIFIED_CHINESE:
    case LANG_BYTE_TRADITIONAL_CHINESE:
    case LANG_BYTE_HEBREW:
      return true;
    default:
      return false;
  }
}

void SetFace(PageFontDescription *font, LPCSTR ansi, LPCWSTR wide) {
  lstrcpynA(font->szFaceName, ansi, MAX_PATH);
  int i = 0;
  for (; wide[i] != 0 && i < MAX_PATH - 1; ++i)
    font->wszFaceName[i] = wide[i];
  font->wszFaceName[i] = 0;
}

}  // namespace

WORD ResolveLanguage(WORD hostLanguage, ModelInfoRecord *model) {
  if (model == nullptr)
    return hostLanguage;
  if (IgnoresOverride(LanguageByte(hostLanguage))) {
    model->bLanguageOverride = 0;
    return hostLanguage;
  }
  return model->bLanguageOverride != 0 ? model->wOverrideLanguage : hostLanguage;
}

PageLanguageChoice ChoosePageLanguage(WORD language, int defaultTemplate) {
  switch (LanguageByte(language)) {
    case LANG_BYTE_ARABIC:
    case LANG_BYTE_FARSI:
      return {IDD_PAGE_RTL, 1256, true};
    case LANG_BYTE_HEBREW:
      return {IDD_PAGE_RTL, 1255, true};
    case LANG_BYTE_BULGARIAN:
    case LANG_BYTE_RUSSIAN:
      return {defaultTemplate, 1251, false};
    case LANG_BYTE_CZECH:
    case LANG_BYTE_HUNGARIAN:
    case LANG_BYTE_POLISH:
    case LANG_BYTE_ROMANIAN:
      return {defaultTemplate, 1250, false};
    case LANG_BYTE_GREEK:
      return {defaultTemplate, 1253, false};
    case LANG_BYTE_JAPANESE:
      return {IDD_PAGE_JAPANESE, 932, false};
    case LANG_BYTE_KOREAN:
      return {IDD_PAGE_KOREAN, 949, false};
    case LANG_BYTE_THAI:
      return {defaultTemplate, 874, false};
    case LANG_BYTE_TURKISH:
      return {defaultTemplate, 1254, false};
    case LANG_BYTE_LITHUANIAN:
      return {defaultTemplate, 1257, false};
    case LANG_BYTE_SIMPLIFIED_CHINESE:
      return {IDD_PAGE_SIMPLIFIED, 936, false};
    case LANG_BYTE_TRADITIONAL_CHINESE:
      return {IDD_PAGE_TRADITIONAL, 950, false};
    default:
      return {defaultTemplate, 1252, false};
  }
}

// The default face is "Microsoft Sans Serif"; the page creates its list font with the ANSI face
// name, which on the ANSI platform is the older "Sans Serif".
void DescribePageFont(WORD language, bool ansiPlatform, PageFontDescription *font) {
  font->wPointSize = 8;
  font->bCharSet = DEFAULT_CHARSET;
  SetFace(font, ansiPlatform ? "Sans Serif" : "Microsoft Sans Serif", WSTR("Microsoft Sans Serif"));
  struct Row {
    BYTE languageByte;
    WORD pointSize;
    BYTE charSet;
    LPCSTR ansiFace;  // null: the default face
    LPCWSTR wideFace;
  };
  static const Row kRows[] = {
      {LANG_BYTE_ARABIC, 9, ARABIC_CHARSET, nullptr, nullptr},
      {LANG_BYTE_FARSI, 9, ARABIC_CHARSET, nullptr, nullptr},
      {LANG_BYTE_GREEK, 9, GREEK_CHARSET, nullptr, nullptr},
      {LANG_BYTE_HEBREW, 9, HEBREW_CHARSET, nullptr, nullptr},
      {LANG_BYTE_JAPANESE, 9, SHIFTJIS_CHARSET, "Ms UI Gothic", WSTR("Ms UI Gothic")},
      {LANG_BYTE_KOREAN, 9, HANGUL_CHARSET, "Gulim", WSTR("Gulim")},
      {LANG_BYTE_RUSSIAN, 8, RUSSIAN_CHARSET, nullptr, nullptr},
      {LANG_BYTE_THAI, 9, THAI_CHARSET, nullptr, nullptr},
      {LANG_BYTE_SIMPLIFIED_CHINESE, 9, GB2312_CHARSET, "Simsun", WSTR("Simsun")},
      {LANG_BYTE_TRADITIONAL_CHINESE, 9, CHINESEBIG5_CHARSET, "PMingliu", WSTR("PMingliu")},
  };
  for (const Row &row : kRows) {
    if (row.languageByte != LanguageByte(language))
      continue;
    font->wPointSize = row.pointSize;
    font->bCharSet = row.charSet;
    if (row.ansiFace != nullptr)
      SetFace(font, row.ansiFace, row.wideFace);
    return;
  }
}

int FontHeightForPoints(int pointSize) {
  HDC screen = GetDC(nullptr);
  int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return -MulDiv(pointSize, pixelsPerInch, 72);
}
