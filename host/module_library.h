// PRFMOD32.dll as the host loads it: through the platform's LoadLibrary, reached only through
// its five exports.
#pragma once

#include <memory>
#include <string>

#include "abi/wide.h"
#include "abi/host_interfaces.h"

namespace host {

constexpr WCHAR kModuleFileName[] = WSTR("PRFMOD32.dll");

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
