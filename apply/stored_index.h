// The stored forms of the main block's print-size and output-bin indices: identifier + 1000 for
// an entry of the list, and for a print size at or beyond the end of its list its distance from
// the end + 2000. Values from 1000 up are stored forms and values below 1000 are positions, for
// conversion and restoration alike: 1000 itself is an entry whose identifier is 0, so converting
// it again must leave it alone (a list never holds a thousand entries).
#pragma once

#include <windows.h>

constexpr WORD kConvertedBase = 1000;
constexpr WORD kBeyondListBase = 2000;

constexpr bool IsStoredIndex(WORD value) {
  return value >= kConvertedBase;
}
