// The tree of the settings information: one node per page of the driver, each filled with its
// groups in their order, and the node of the driver's build.
#pragma once

#include "describe/settings_info_tree.h"

// The page number the Profile page opens the dialog with.
constexpr WORD PROFILE_PAGE_NUMBER = 11;

void BuildSettingsTree(InfoTree &tree);
