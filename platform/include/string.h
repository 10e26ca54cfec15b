// The C runtime's <string.h>: this system's own, and the case-insensitive comparisons that the
// Windows C runtime declares beside it. They fold ASCII letters only.
#pragma once

#include_next <string.h>

// The comparison result for arguments that cannot be compared.
#ifndef _NLSCMPERROR
#define _NLSCMPERROR 2147483647
#endif

#ifdef __cplusplus
extern "C" {
#endif

int _stricmp(const char *_Str1, const char *_Str2);
int _strnicmp(const char *_Str1, const char *_Str2, size_t _MaxCount);

#ifdef __cplusplus
}
#endif
