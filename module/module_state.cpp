// Module-wide state.
#include "module/module_state.h"

namespace {

HINSTANCE g_hModuleInstance = nullptr;

}  // namespace

HINSTANCE GetModuleInstance() {
  return g_hModuleInstance;
}

void SetModuleInstance(HINSTANCE instance) {
  g_hModuleInstance = instance;
}
