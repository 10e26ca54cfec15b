// The stored forms of the main block's print-size and output-bin indices: identifier + 1000 for
// an entry of the list, and for a print size at or beyond the end of its list its distance from
// the end + 2000. Conversion leaves values above 1000 alone (they are stored forms already);
// restoration leaves values below 1000 alone (they are positions).
#pragma once

#include <windows.h>

constexpr WORD kConvertedBase = 1000;
constexpr WORD kBeyondListBase = 2000;
