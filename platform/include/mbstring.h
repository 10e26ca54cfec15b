// The C runtime's multibyte string functions. They work in the ANSI code page (CP_ACP), keep its
// double-byte characters whole and fold only single-byte ASCII letters; _mbschr takes a
// double-byte character as (lead << 8) | trail.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

int _mbsicmp(const unsigned char *_Str1, const unsigned char *_Str2);
int _mbsnbicmp(const unsigned char *_Str1, const unsigned char *_Str2, size_t _MaxCount);
unsigned char *_mbsstr(const unsigned char *_Str, const unsigned char *_Substr);
unsigned char *_mbschr(const unsigned char *_Str, unsigned int _Ch);
unsigned char *_mbsupr(unsigned char *_String);

#ifdef __cplusplus
}
#endif
