// The exported entry points: each hands its arguments to the module code that does the work.
#include "module/exports.h"

#include <stdarg.h>

#include <type_traits>

#include "module/class_factory.h"
#include "module/registration.h"
#include "module/run_profile.h"

// The host calls the exports through these types; a different convention or signature here
// would break the call at run time, so it must not compile.
static_assert(std::is_same_v<decltype(&GetClass), GetClassProc>);
static_assert(std::is_same_v<decltype(&InstallModule), InstallModuleProc>);
static_assert(std::is_same_v<decltype(&RunProfile), RunProfileProc>);
static_assert(std::is_same_v<decltype(&DllMain), DllMainProc>);
static_assert(std::is_same_v<decltype(&RunJZModuleCmd), RunJZModuleCmdProc>);

PRF_EXPORT void *WINAPI GetClass(LPCSTR className, int interfaceVersion) {
  return CreateModuleClass(className, interfaceVersion);
}

PRF_EXPORT int WINAPI InstallModule(ModuleRegistry *registry, DWORD /*reserved*/) {
  return InstallProfileModule(registry);
}

PRF_EXPORT int WINAPI RunProfile(HWND parent, CControlSet *owner, DWORD /*reserved*/) {
  return RunProfilePage(parent, owner);
}

PRF_EXPORT int PRF_CDECL RunJZModuleCmd(int command, ModuleRegistry *registry, DWORD reserved,
                                        ...) {
  ModuleStatusRecord *record = nullptr;
  if (command == MODULE_CMD_STATUS) {
    va_list arguments;
    va_start(arguments, reserved);
    record = va_arg(arguments, ModuleStatusRecord *);
    va_end(arguments);
  }
  return RunModuleCommand(command, registry, record);
}
