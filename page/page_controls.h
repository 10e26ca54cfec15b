// Control identifiers of the profile page and the host strings and resources it uses.
#pragma once

enum : int {
  IDC_PROFILE_ADD = 106,
  IDC_PROFILE_DELETE = 107,
  IDC_PROFILE_EDIT = 108,
  IDC_PROFILE_IMPORT = 109,
  IDC_PROFILE_APPLY = 110,
  IDC_PROFILE_EXPORT = 111,
  IDC_PROFILE_LIST = 1149,
  IDC_PROFILE_DESCRIPTION = 1037,
  IDC_SETTINGS_SUMMARY = 1074,
  IDC_SETTINGS_INFO = 1895,
  IDC_DECORATION = 1066,
};

enum : int {
  IDI_PAGE = 103,
  IDB_PROFILE_ICON_FIRST = 112,  // bitmaps 112 to 156: one per icon index
  PROFILE_ICON_COUNT = 45,
  IDB_DECORATION = 1346,
};

// The help context the page passes to the resource module's help calls.
constexpr int PAGE_HELP_ID = 4287;
