// The module as the host loads it: through LoadLibrary, reached only through its five exports.
// A 64-bit host loads the 64-bit build, PRFMOD64.dll.
#pragma once

#include <memory>
#include <string>

#include "abi/wide.h"
#include "abi/host_interfaces.h"

namespace host {

#if defined(_WIN64)
constexpr WCHAR kModuleFileName[] = WSTR("PRFMOD64.dll");
#else
constexpr WCHAR kModuleFileName[] = WSTR("PRFMOD32.dll");
#endif

class ModuleLibrary {
 public:
  // Loads the module (searched for as Windows does: beside the program first). Fails with a
  // message when the file cannot be loaded.
  static std::unique_ptr<ModuleLibrary> Load(const WideString &fileName, std::string *error);
  ~ModuleLibrary();
  ModuleLibrary(const ModuleLibrary &) = delete;
  ModuleLibrary &operator=(const ModuleLibrary &) = delete;

  HMODULE handle() const { return module_; }
  // The module's file as Windows names it.
  WideString path() const;

  // The exports; null for an export the module lacks.
  GetClassProc getClass = nullptr;
  InstallModuleProc installModule = nullptr;
  RunProfileProc runProfile = nullptr;
  DllMainProc dllMain = nullptr;
  RunJZModuleCmdProc runJZModuleCmd = nullptr;

 private:
  explicit ModuleLibrary(HMODULE module) : module_(module) {}
  HMODULE module_;
};

}  // namespace host
