// The driver's DEVMODE size as the stores of one profile page found it. Asking a driver that
// does not answer takes five attempts a second apart; the page keeps the answer, the fallback
// size included, so that it waits at most once in its life rather than in every store it builds.
#pragma once

#include <windows.h>

#include <optional>

struct DriverDevModeSizeCache {
  std::optional<DWORD> size;
};
