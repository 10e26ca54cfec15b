// Languages by the low byte of the host's language code (its primary language identifier, with
// 0xC0 for simplified and 0xC1 for traditional Chinese): the byte chooses dialog templates,
// code pages, fonts and the reading order.
#pragma once

#include <windows.h>

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
