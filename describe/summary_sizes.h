// The arithmetic of the settings summary: custom sizes, the zoom of a print size, the image
// shift in the display unit and the size of a poster's pages.
#pragma once

#include <windows.h>

#include <string>

#include "store/page_context.h"

// A custom size in tenths of a millimetre. The low four bits of the unit word give the unit:
// 0 thousandths of an inch, anything else tenths of a millimetre already.
DWORD CustomSizeToTenthsMm(DWORD value, DWORD unitWord);

// Percent by which the output paper scales the document paper: the smaller of the truncated
// ratios across and down. Sizes are in one unit; none may be 0 (the caller's sizes start at 1).
int PrintSizeZoom(double documentWidth, double documentLength, double outputWidth,
                  double outputLength);

// A stored image shift (inches relative to 0.2 inch) in the display unit of the model record's
// unit word: "%.2f in" for 0, "%.1f mm" otherwise.
std::string FormatImageShift(double stored, WORD displayUnit);

// The width and length of a poster of `count` pages across (and down), in the display unit,
// from the page size of the page's current settings.
double PosterTileWidth(const ProfilePageContext &page, int count);
double PosterTileLength(const ProfilePageContext &page, int count);

// "2 x 2 (420.00 x 594.00 mm.)".
std::string FormatPosterSize(int across, int down, double width, double length, WORD displayUnit);
