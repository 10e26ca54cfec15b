// The icon colours and the printer's custom colours.
#include "page/profile_colors.h"

#include <string.h>

#include "abi/byte_reader.h"

namespace {

constexpr char kCustomColorValue[] = "ProfileCustomColor";

// White, black, red, green, blue, cyan, yellow, magenta, silver, grey, maroon, dark green, navy,
// teal, purple, olive (COLORREF is 0x00BBGGRR), and the custom entry.
constexpr std::array<COLORREF, PROFILE_COLOR_COUNT> kColors = {
    0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0xC0C0C0,
    0x808080, 0x000080, 0x008000, 0x800000, 0x808000, 0x800080, 0x008080, 0xFFFFFF,
};

CustomColors DefaultCustomColors() {
  CustomColors colors;
  memcpy(colors.data(), kColors.data(), sizeof colors);
  return colors;
}

}  // namespace

const std::array<COLORREF, PROFILE_COLOR_COUNT> &ProfileColorTable() {
  return kColors;
}

int FindProfileColor(COLORREF color) {
  for (int i = 0; i < PROFILE_COLOR_COUNT; ++i)
    if (kColors[static_cast<size_t>(i)] == color)
      return i;
  return -1;
}

// A stored value of another size is not this module's: the defaults stand in for it.
CustomColors ReadCustomColors(const TextPolicy &text, HANDLE printer) {
  BYTE stored[sizeof(CustomColors)];
  DWORD type = 0, needed = 0;
  if (printer == nullptr ||
      text.QueryPrinterData(printer, kCustomColorValue, &type, stored, sizeof stored, &needed) !=
          ERROR_SUCCESS ||
      needed != sizeof stored)
    return DefaultCustomColors();
  CustomColors colors;
  memcpy(colors.data(), stored, sizeof stored);
  return colors;
}

void WriteCustomColors(const TextPolicy &text, HANDLE printer, const CustomColors &colors) {
  if (printer == nullptr)
    return;
  text.WritePrinterData(printer, kCustomColorValue, REG_BINARY, BytesOf(colors).data(),
                        sizeof(CustomColors));
}
