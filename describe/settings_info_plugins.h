// The plug-in groups of the settings information: the prologue/epilogue entry and the watermark
// the current settings use, each with its record from the printer's data.
#pragma once

#include <string>

#include "describe/settings_info_tree.h"

void AddPrologEpilogGroup(InfoTree &tree, HTREEITEM page);
void AddWatermarkGroup(InfoTree &tree, HTREEITEM page);

// The watermark font's face as the dialog names it: the far-eastern faces under their local
// names (host strings 1885 to 1888) in their own language, "ARIAL" as "Arial" in the others;
// empty when the face keeps its own name. The comparisons are exact.
std::string LocalizedFontName(InfoTree &tree, const WideString &face);
