// The icon colours a profile can take: sixteen named colours and a custom one, each named by a
// host string, and the colour chooser's sixteen custom colours, which each printer keeps in its
// data as "ProfileCustomColor".
#pragma once

#include <windows.h>

#include <array>

#include "store/text_policy.h"

constexpr int PROFILE_COLOR_COUNT = 17;
// The last entry: a colour the user chose freely.
constexpr int PROFILE_CUSTOM_COLOR_ENTRY = PROFILE_COLOR_COUNT - 1;

using CustomColors = std::array<COLORREF, 16>;

// The entries' colours; the custom entry starts white.
const std::array<COLORREF, PROFILE_COLOR_COUNT> &ProfileColorTable();

// The first entry of the table with this colour, or -1.
int FindProfileColor(COLORREF color);

// The printer's custom colours: the 64-byte value "ProfileCustomColor" read through the
// printer handle, or the table's first sixteen colours when it cannot be read whole.
CustomColors ReadCustomColors(const TextPolicy &text, HANDLE printer);
void WriteCustomColors(const TextPolicy &text, HANDLE printer, const CustomColors &colors);
