// The groups of the settings-information tree that the driver fixes exactly, each written out:
// the paper and print size (page 1) and the image shift (page 2).
#pragma once

#include "describe/settings_info_tree.h"

// One node: the document paper and, behind " -> ", the print size with its zoom.
void AddPaperGroup(InfoTree &tree, HTREEITEM page);
// A group node with the horizontal and vertical shift in the model's unit and the clipping
// state; nothing in booklet mode.
void AddImageShiftGroup(InfoTree &tree, HTREEITEM page);
