// Host strings that name a setting both in the settings summary and in the settings
// information.
#pragma once

#include <windows.h>

enum : UINT {
  IDS_PAPER_SIZE = 111,
  IDS_PRINT_SIZE = 112,
  IDS_CLIP_TO_PRINTABLE_AREA = 277,
};
