// DllMain: keeps the module instance handle for everything that needs the module's own file.
#include "module/exports.h"
#include "module/module_state.h"

PRF_EXPORT BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID /*lpvReserved*/) {
  if (fdwReason == DLL_PROCESS_ATTACH)
    SetModuleInstance(hinstDLL);
  return TRUE;
}
