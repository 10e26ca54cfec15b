// Text: code page conversion (KERNEL32), locales, character and string helpers (KERNEL32,
// USER32, SHLWAPI) and the C runtime's case-insensitive and multibyte string functions.
// The ANSI functions and the multibyte (_mbs) functions work in the ANSI code page (CP_ACP).
#pragma once

#include <stdarg.h>

#include "winplat/types.h"

#ifdef __cplusplus
#include <string>
#include <string_view>
#endif

typedef const CHAR *LPCCH, *PCCH;
typedef const WCHAR *LPCWCH, *PCWCH;

// Code pages.
#define CP_ACP 0
#define CP_OEMCP 1
#define CP_MACCP 2
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008

#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_COMPOSITECHECK 0x00000200
#define WC_NO_BEST_FIT_CHARS 0x00000400

#define MAX_LEADBYTES 12
#define MAX_DEFAULTCHAR 2

typedef struct _cpinfo {
  UINT MaxCharSize;
  BYTE DefaultChar[MAX_DEFAULTCHAR];
  BYTE LeadByte[MAX_LEADBYTES];
} CPINFO, *LPCPINFO;

// Languages and locales.
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid)&0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define MAKELCID(lgid, srtid) ((DWORD)((((DWORD)((WORD)(srtid))) << 16) | ((DWORD)((WORD)(lgid)))))
#define LANGIDFROMLCID(lcid) ((WORD)(lcid))

#define LANG_NEUTRAL 0x00
#define LANG_ARABIC 0x01
#define LANG_CHINESE 0x04
#define LANG_CZECH 0x05
#define LANG_GERMAN 0x07
#define LANG_GREEK 0x08
#define LANG_ENGLISH 0x09
#define LANG_SPANISH 0x0a
#define LANG_FRENCH 0x0c
#define LANG_HEBREW 0x0d
#define LANG_HUNGARIAN 0x0e
#define LANG_ITALIAN 0x10
#define LANG_JAPANESE 0x11
#define LANG_KOREAN 0x12
#define LANG_DUTCH 0x13
#define LANG_POLISH 0x15
#define LANG_PORTUGUESE 0x16
#define LANG_RUSSIAN 0x19
#define LANG_THAI 0x1e
#define LANG_TURKISH 0x1f
#define LANG_LITHUANIAN 0x27

#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_SYS_DEFAULT 0x02
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_ENGLISH_UK 0x02
#define SUBLANG_CHINESE_TRADITIONAL 0x01
#define SUBLANG_CHINESE_SIMPLIFIED 0x02
#define SUBLANG_SPANISH_MODERN 0x03
#define SUBLANG_PORTUGUESE_BRAZILIAN 0x01

#define SORT_DEFAULT 0x0
#define LANG_SYSTEM_DEFAULT (MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT))
#define LANG_USER_DEFAULT (MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT))
#define LOCALE_SYSTEM_DEFAULT (MAKELCID(LANG_SYSTEM_DEFAULT, SORT_DEFAULT))
#define LOCALE_USER_DEFAULT (MAKELCID(LANG_USER_DEFAULT, SORT_DEFAULT))
#define LOCALE_NEUTRAL (MAKELCID(MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), SORT_DEFAULT))

#define LOCALE_RETURN_NUMBER 0x20000000
#define LOCALE_USE_CP_ACP 0x40000000
#define LOCALE_NOUSEROVERRIDE 0x80000000
#define LOCALE_ILANGUAGE 0x00000001
#define LOCALE_SABBREVLANGNAME 0x00000003
#define LOCALE_IDEFAULTLANGUAGE 0x00000009
#define LOCALE_SENGLANGUAGE 0x00001001
#define LOCALE_IDEFAULTANSICODEPAGE 0x00001004

// The C runtime's comparison result for arguments it cannot compare.
#ifndef _NLSCMPERROR
#define _NLSCMPERROR 2147483647
#endif

#ifdef UNICODE
#define CharUpper CharUpperW
#define CharLower CharLowerW
#define GetLocaleInfo GetLocaleInfoW
#define lstrlen lstrlenW
#define lstrcpy lstrcpyW
#define lstrcpyn lstrcpynW
#define lstrcat lstrcatW
#define lstrcmp lstrcmpW
#define lstrcmpi lstrcmpiW
#define wsprintf wsprintfW
#define wvsprintf wvsprintfW
#define StrStrI StrStrIW
#else
#define CharUpper CharUpperA
#define CharLower CharLowerA
#define GetLocaleInfo GetLocaleInfoA
#define lstrlen lstrlenA
#define lstrcpy lstrcpyA
#define lstrcpyn lstrcpynA
#define lstrcat lstrcatA
#define lstrcmp lstrcmpA
#define lstrcmpi lstrcmpiA
#define wsprintf wsprintfA
#define wvsprintf wvsprintfA
#define StrStrI StrStrIA
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Conversions. A negative source length means NUL-terminated (the terminator is converted and
// counted); a destination size of 0 asks for the size needed. Undecodable input becomes U+FFFD
// (one per maximal invalid UTF-8 subsequence; one per lead-and-next-byte pair or single byte in
// the other code pages) unless MB_ERR_INVALID_CHARS, which fails with
// ERROR_NO_UNICODE_TRANSLATION. Characters a code page lacks become the default character ('?'
// or the first character of lpDefaultChar); one per UTF-16 unit. WideCharToMultiByte never maps
// to look-alike characters of its own accord; with WC_NO_BEST_FIT_CHARS it also refuses the
// conversions that would not come back unchanged. MB_COMPOSITE, MB_USEGLYPHCHARS,
// WC_COMPOSITECHECK and its companions are not supported: ERROR_INVALID_FLAGS.
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);
int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                               LPBOOL lpUsedDefaultChar);
UINT WINAPI GetACP(void);
UINT WINAPI GetOEMCP(void);
BOOL WINAPI IsDBCSLeadByte(BYTE TestChar);
BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar);
BOOL WINAPI GetCPInfo(UINT CodePage, LPCPINFO lpCPInfo);

// Characters. A pointer whose high word is zero carries a single character in its low word.
// CharUpperA and CharLowerA change single-byte and double-byte characters alike, but never the
// length of the string.
LPSTR WINAPI CharUpperA(LPSTR lpsz);
LPWSTR WINAPI CharUpperW(LPWSTR lpsz);
LPSTR WINAPI CharLowerA(LPSTR lpsz);
LPWSTR WINAPI CharLowerW(LPWSTR lpsz);
LPSTR WINAPI CharNextA(LPCSTR lpsz);
LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent);

// Locales. The system default locale is the user's; LOCALE_NEUTRAL and a neutral sub-language
// mean the default one. LOCALE_RETURN_NUMBER works with the numeric types.
LCID WINAPI GetUserDefaultLCID(void);
LCID WINAPI GetSystemDefaultLCID(void);
LANGID WINAPI GetUserDefaultLangID(void);
int WINAPI GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData);
int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData);

// Strings. lstrcmp and lstrcmpi order as the user's locale does for most text: punctuation and
// symbols before digits before letters, letters without regard to case first, then lower case
// before upper case (lstrcmp only). They return -1, 0 or 1.
int WINAPI lstrlenA(LPCSTR lpString);
int WINAPI lstrlenW(LPCWSTR lpString);
LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2);
LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2);
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength);
LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2);
LPWSTR WINAPI lstrcatW(LPWSTR lpString1, LPCWSTR lpString2);
int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2);
int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2);
int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);
int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2);

// The USER32 formatter: %c %C %d %i %s %S %u %x %X with the flags '-', '#' and '0', a width, a
// precision and the size prefixes h and l. Anything else after '%' is printed as it is. At most
// 1024 characters are stored, the terminator included; the result is the number stored before it.
int WINAPIV wsprintfA(LPSTR, LPCSTR, ...);
int WINAPIV wsprintfW(LPWSTR, LPCWSTR, ...);
int WINAPI wvsprintfA(LPSTR, LPCSTR, va_list arglist);
int WINAPI wvsprintfW(LPWSTR, LPCWSTR, va_list arglist);

// SHLWAPI. StrChrA takes a double-byte character as lead byte in the low byte, trail byte in the
// high byte.
LPSTR WINAPI StrStrIA(LPCSTR lpFirst, LPCSTR lpSrch);
LPWSTR WINAPI StrStrIW(LPCWSTR lpFirst, LPCWSTR lpSrch);
LPSTR WINAPI StrChrA(LPCSTR lpStart, WORD wMatch);

// C runtime. _stricmp and _strnicmp fold ASCII letters only. The _mbs functions keep the ANSI
// code page's double-byte characters whole and fold only single-byte ASCII letters; _mbschr
// takes a double-byte character as (lead << 8) | trail.
int _stricmp(const char *_Str1, const char *_Str2);
int _strnicmp(const char *_Str1, const char *_Str2, size_t _MaxCount);
int _mbsicmp(const unsigned char *_Str1, const unsigned char *_Str2);
int _mbsnbicmp(const unsigned char *_Str1, const unsigned char *_Str2, size_t _MaxCount);
unsigned char *_mbsstr(const unsigned char *_Str, const unsigned char *_Substr);
unsigned char *_mbschr(const unsigned char *_Str, unsigned int _Ch);
unsigned char *_mbsupr(unsigned char *_String);

#ifdef __cplusplus
}

namespace winplat {

// The same conversions for C++ callers, with the replacements described above (U+FFFD, '?').
// CP_ACP, CP_OEMCP and CP_THREAD_ACP are accepted; an unknown code page throws
// std::invalid_argument.
std::u16string WideFromMultiByte(UINT codePage, std::string_view text);
std::string MultiByteFromWide(UINT codePage, std::u16string_view text);

}  // namespace winplat
#endif
