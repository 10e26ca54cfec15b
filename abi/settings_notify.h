// The notification the profile page sends to the host's notify window (DriverContext's
// GetNotifyWindow) after it has applied a profile: WM_NOTIFY with wParam 0 and lParam pointing
// at this block. The host takes it as "the current settings were replaced".
#pragma once

#include <windows.h>

#include <cstddef>

constexpr LONG SETTINGS_APPLIED_CODE = -200;

#pragma pack(push, 1)
struct SettingsAppliedNotify {
  DWORD dwReserved[2];
  LONG nCode;   // 8: SETTINGS_APPLIED_CODE
  LONG nCode2;  // 12: SETTINGS_APPLIED_CODE
};
#pragma pack(pop)
static_assert(sizeof(SettingsAppliedNotify) == 16);
static_assert(offsetof(SettingsAppliedNotify, nCode) == 8);
static_assert(offsetof(SettingsAppliedNotify, nCode2) == 12);
