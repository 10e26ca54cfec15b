// Loading and freeing the host's resource module.
#include "host/resource_module.h"

namespace host {

ResourceModule::ResourceModule() : module_(LoadLibraryW(kResourceModuleFileName)) {}

ResourceModule::~ResourceModule() {
  if (module_)
    FreeLibrary(module_);
}

}  // namespace host
