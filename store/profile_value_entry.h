// One entry of a profile's value index "JZP_%04d": the name, registry type and size of one of
// the profile's stored values. Entries stand back to back, 268 bytes each.
#pragma once

#include <windows.h>

#include <stddef.h>

#pragma pack(push, 1)

struct ProfileValueEntry {
  char szValueName[260];  // ANSI, NUL-terminated
  DWORD dwType;           // registry type of the data value
  DWORD dwSize;           // size of the data value in bytes
};
static_assert(sizeof(ProfileValueEntry) == 268);
static_assert(offsetof(ProfileValueEntry, szValueName) == 0);
static_assert(offsetof(ProfileValueEntry, dwType) == 260);
static_assert(offsetof(ProfileValueEntry, dwSize) == 264);

#pragma pack(pop)

inline void TerminateTextFields(ProfileValueEntry &entry) {
  entry.szValueName[sizeof entry.szValueName - 1] = '\0';
}
