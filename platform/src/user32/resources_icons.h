// Icons loaded from RT_GROUP_ICON and RT_ICON resources.
#pragma once

#include <wingdi.h>

#include "kernel32/resources_res.h"

namespace winplat::resources {

// The group's image nearest cx x cy; cx and cy 0 take the first image's own size.
HICON LoadIconImage(HMODULE module, const ResourceId &name, int cx, int cy);

}  // namespace winplat::resources
