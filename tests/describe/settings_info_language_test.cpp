// The settings-information dialog's language rules: its template per language on both platforms,
// the code page per language on the modern platform and the system code pages the older
// platforms keep, and which interfaces take the model's override language.
#include <gtest/gtest.h>

#include "describe/settings_info_language.h"

namespace {

TEST(SettingsInfoLanguage, TemplatePerLanguage) {
  struct Case {
    WORD language;
    int modern;
    int older;
  } cases[] = {
      {0x0401, 1030, 1030}, {0x0C01, 1030, 1030}, {0x040D, 1030, 1030}, {0x0411, 1029, 1029},
      {0x0412, 1028, 1028}, {0x00C0, 1031, 1031}, {0x00C1, 1032, 1032}, {0x0409, 1033, 1026},
      {0x0407, 1033, 1026}, {0x0429, 1033, 1026}, {0x0419, 1033, 1026},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(InfoTemplate(c.language, true), c.modern) << std::hex << c.language;
    EXPECT_EQ(InfoTemplate(c.language, false), c.older) << std::hex << c.language;
  }
}

// Every language the modern platform names, and some it does not (Romanian 0x18 and Farsi's
// neighbours among them), which take the system's code page, here 1250 or 874.
TEST(SettingsInfoLanguage, CodePagePerLanguageOnTheModernPlatform) {
  struct Case {
    BYTE language;
    UINT codePage;
  } cases[] = {
      {17, 932},  {18, 949},  {192, 936}, {193, 950}, {1, 1256},  {41, 1256}, {2, 1251},
      {25, 1251}, {5, 1250},  {14, 1250}, {21, 1250}, {6, 1252},  {7, 1252},  {9, 1252},
      {10, 1252}, {11, 1252}, {12, 1252}, {16, 1252}, {19, 1252}, {20, 1252}, {22, 1252},
      {29, 1252}, {8, 1253},  {13, 1255}, {30, 874},  {31, 1254}, {39, 1257},
  };
  for (const Case &c : cases)
    for (UINT system : {1252u, 932u})
      EXPECT_EQ(InfoCodePage(MAKEWORD(c.language, 0x04), true, system), c.codePage)
          << int{c.language};
  for (BYTE other : {BYTE{0}, BYTE{3}, BYTE{24}, BYTE{26}, BYTE{40}, BYTE{42}, BYTE{0xC2}})
    for (UINT system : {1250u, 874u})
      EXPECT_EQ(InfoCodePage(other, true, system), system) << int{other};
}

TEST(SettingsInfoLanguage, OlderPlatformsKeepOnlyFarEasternArabicAndCyrillicSystemCodePages) {
  for (UINT system : {932u, 936u, 949u, 950u, 1256u, 1251u})
    for (WORD language : {0x0409, 0x0411, 0x0427})
      EXPECT_EQ(InfoCodePage(language, false, system), system) << system;
  for (UINT system : {1252u, 1250u, 1253u, 1255u, 1257u, 874u})
    for (WORD language : {0x0409, 0x0411, 0x0427})
      EXPECT_EQ(InfoCodePage(language, false, system), 0u) << system;
}

// The template follows the override language; the code page does too, except for the Japanese,
// Korean, Chinese and Hebrew interfaces, which clear the override byte.
TEST(SettingsInfoLanguage, OverrideLanguage) {
  struct Case {
    WORD host;
    BYTE overrideByte;
    WORD overrideLanguage;
    WORD templateLanguage;
    WORD codePageLanguage;
    BYTE byteAfter;
  } cases[] = {
      {0x0409, 1, 0x0407, 0x0407, 0x0407, 1}, {0x0409, 0, 0x0407, 0x0409, 0x0409, 0},
      {0x0411, 1, 0x0409, 0x0409, 0x0411, 0}, {0x0412, 1, 0x0409, 0x0409, 0x0412, 0},
      {0x00C0, 1, 0x0409, 0x0409, 0x00C0, 0}, {0x00C1, 1, 0x0409, 0x0409, 0x00C1, 0},
      {0x040D, 1, 0x0409, 0x0409, 0x040D, 0}, {0x0401, 1, 0x0409, 0x0409, 0x0409, 1},
  };
  for (const Case &c : cases) {
    ModelInfoRecord model{};
    model.bLanguageOverride = c.overrideByte;
    model.wOverrideLanguage = c.overrideLanguage;
    EXPECT_EQ(InfoLanguage(c.host, &model), c.templateLanguage) << std::hex << c.host;
    EXPECT_EQ(InfoCodePageLanguage(c.host, &model), c.codePageLanguage) << std::hex << c.host;
    EXPECT_EQ(model.bLanguageOverride, c.byteAfter) << std::hex << c.host;
  }
}

}  // namespace
