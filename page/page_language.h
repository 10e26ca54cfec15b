// The page's language rules: which language the page speaks (the host's, or the model's
// override), and what that language chooses: dialog template, code page, reading order and the
// font of the profile list.
#pragma once

#include <windows.h>

#include "abi/host_records.h"
#include "abi/languages.h"
#include "abi/resource_ids.h"

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
