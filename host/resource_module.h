// JZRES32.dll, the host's resource module, held loaded for the life of a printer session: its
// HINSTANCE is what UIManager::GetResourceInstance hands to the module.
#pragma once

#include <windows.h>
#include "abi/wide.h"

namespace host {

constexpr WCHAR kResourceModuleFileName[] = WSTR("JZRES32.dll");

class ResourceModule {
 public:
  // Loads the resource module (searched for beside the program first); a module that cannot be
  // loaded leaves instance() null.
  ResourceModule();
  ~ResourceModule();
  ResourceModule(const ResourceModule &) = delete;
  ResourceModule &operator=(const ResourceModule &) = delete;

  HINSTANCE instance() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace host
