// ANSI text compared and searched as characters of the code page: the C runtime's multibyte
// calls take unsigned char text, the module keeps its text as char.
#pragma once

#include <windows.h>

#include <mbstring.h>

// Equal without regard to case.
inline bool SameMbcsText(LPCSTR a, LPCSTR b) {
  return _mbsicmp(reinterpret_cast<const unsigned char *>(a),
                  reinterpret_cast<const unsigned char *>(b)) == 0;
}

inline bool ContainsMbcsText(LPCSTR text, LPCSTR part) {
  return _mbsstr(reinterpret_cast<const unsigned char *>(text),
                 reinterpret_cast<const unsigned char *>(part)) != nullptr;
}

// Upper case in place, a character of the code page at a time.
inline void UpperMbcsText(LPSTR text) {
  _mbsupr(reinterpret_cast<unsigned char *>(text));
}
