// SHLWAPI string searches.
#pragma once

#include "windef.h"

#ifdef UNICODE
#define StrStrI StrStrIW
#else
#define StrStrI StrStrIA
#endif

#ifdef __cplusplus
extern "C" {
#endif

// StrStrIA compares the ANSI code page's characters whole, folded as CharUpper folds them.
// StrChrA takes a double-byte character as lead byte in the low byte, trail byte in the high
// byte.
LPSTR WINAPI StrStrIA(LPCSTR lpFirst, LPCSTR lpSrch);
LPWSTR WINAPI StrStrIW(LPCWSTR lpFirst, LPCWSTR lpSrch);
LPSTR WINAPI StrChrA(LPCSTR lpStart, WORD wMatch);

#ifdef __cplusplus
}
#endif
