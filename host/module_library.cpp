// Loading the module and resolving its exports by name.
#include "host/module_library.h"

#include "abi/wide.h"
#include "host/text_convert.h"

namespace host {
namespace {

// GetProcAddress answers a FARPROC; the export's real type is known only to the caller.
template <typename Proc>
Proc Export(HMODULE module, const char *name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::Load(const WideString &fileName, std::string *error) {
  HMODULE module = LoadLibraryW(fileName.c_str());
  if (!module) {
    *error = "cannot load " + Utf8FromUtf16(fileName) + " (error " +
             std::to_string(GetLastError()) + ")";
    return nullptr;
  }
  std::unique_ptr<ModuleLibrary> library(new ModuleLibrary(module));
  library->getClass = Export<GetClassProc>(module, "GetClass");
  library->installModule = Export<InstallModuleProc>(module, "InstallModule");
  library->runProfile = Export<RunProfileProc>(module, "RunProfile");
  library->dllMain = Export<DllMainProc>(module, "DllMain");
  library->runJZModuleCmd = Export<RunJZModuleCmdProc>(module, "RunJZModuleCmd");
  return library;
}

ModuleLibrary::~ModuleLibrary() {
  FreeLibrary(module_);
}

WideString ModuleLibrary::path() const {
  WCHAR buffer[MAX_PATH];
  DWORD length = GetModuleFileNameW(module_, buffer, MAX_PATH);
  return WideString(buffer, length < MAX_PATH ? length : 0);
}

}  // namespace host
