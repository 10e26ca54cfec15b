// Templates and code pages of the settings-information dialog by language.
#include "describe/settings_info_language.h"

#include <string.h>

#include "abi/languages.h"
#include "abi/resource_ids.h"

namespace {

// Languages whose interface never follows the model's override language.
bool KeepsHostLanguage(BYTE language) {
  switch (language) {
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

struct CodePageRow {
  BYTE language;
  UINT codePage;
};

constexpr CodePageRow kModernCodePages[] = {
    {0x11, 932},  {0x12, 949},  {0xC0, 936},  {0xC1, 950},  {0x01, 1256}, {0x29, 1256},
    {0x02, 1251}, {0x19, 1251}, {0x05, 1250}, {0x0E, 1250}, {0x15, 1250}, {0x06, 1252},
    {0x07, 1252}, {0x09, 1252}, {0x0A, 1252}, {0x0B, 1252}, {0x0C, 1252}, {0x10, 1252},
    {0x13, 1252}, {0x14, 1252}, {0x16, 1252}, {0x1D, 1252}, {0x08, 1253}, {0x0D, 1255},
    {0x1E, 874},  {0x1F, 1254}, {0x27, 1257},
};

// The system code pages the older platforms keep for the dialog.
constexpr UINT kOlderCodePages[] = {932, 936, 949, 950, 1256, 1251};

}  // namespace

WORD InfoLanguage(WORD hostLanguage, const ModelInfoRecord *model) {
  if (model != nullptr && model->bLanguageOverride != 0)
    return model->wOverrideLanguage;
  return hostLanguage;
}

WORD InfoCodePageLanguage(WORD hostLanguage, ModelInfoRecord *model) {
  if (KeepsHostLanguage(LanguageByte(hostLanguage))) {
    if (model != nullptr)
      model->bLanguageOverride = 0;
    return hostLanguage;
  }
  return InfoLanguage(hostLanguage, model);
}

int InfoTemplate(WORD language, bool modernPlatform) {
  switch (LanguageByte(language)) {
    case LANG_BYTE_ARABIC:
    case LANG_BYTE_HEBREW:
      return IDD_SETTINGS_INFO_RTL;
    case LANG_BYTE_JAPANESE:
      return IDD_SETTINGS_INFO_JAPANESE;
    case LANG_BYTE_KOREAN:
      return IDD_SETTINGS_INFO_KOREAN;
    case LANG_BYTE_SIMPLIFIED_CHINESE:
      return IDD_SETTINGS_INFO_SIMPLIFIED;
    case LANG_BYTE_TRADITIONAL_CHINESE:
      return IDD_SETTINGS_INFO_TRADITIONAL;
    default:
      return modernPlatform ? IDD_SETTINGS_INFO : IDD_SETTINGS_INFO_OLD;
  }
}

UINT InfoCodePage(WORD language, bool modernPlatform, UINT systemCodePage) {
  if (!modernPlatform) {
    for (UINT kept : kOlderCodePages)
      if (kept == systemCodePage)
        return systemCodePage;
    return 0;
  }
  for (const CodePageRow &row : kModernCodePages)
    if (row.language == LanguageByte(language))
      return row.codePage;
  return systemCodePage;
}

bool IsModernPlatform() {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwMajorVersion >= 5;
}
