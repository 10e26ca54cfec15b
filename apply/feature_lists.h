// The host's numbered feature lists as the conversion and restoration read them: each item
// carries a 16-bit identifier, at item offset 16 in the paper-size list and at offset 14 in the
// paper-source and output-bin lists.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"

// The identifier of the item at `position`; false when the list has no item there.
bool GetFeatureItemId(UIManager *manager, int feature, int position, WORD *id);
// The position of the first item with the identifier, or -1.
int FindFeatureItem(UIManager *manager, int feature, WORD id);
