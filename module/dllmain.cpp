// DllMain: keeps the module instance handle for everything that needs the module's own file.
#include "module/exports.h"

HINSTANCE g_hModuleInstance = nullptr;

PRF_EXPORT BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID /*lpvReserved*/) {
  if (fdwReason == DLL_PROCESS_ATTACH) g_hModuleInstance = hinstDLL;
  return TRUE;
}
