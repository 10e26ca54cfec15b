// Looking up a module's resources, for the resource APIs and the image loaders.
#pragma once

#include <cstddef>

#include "resources_res.h"

namespace winplat::resources {

struct Found {
  const BYTE *data = nullptr;
  size_t size = 0;
};

// Finds a resource of a module (NULL: the main program); sets the last error and returns false
// when it is not there.
bool Locate(HMODULE module, const ResourceId &type, const ResourceId &name, Found &found);

}  // namespace winplat::resources
