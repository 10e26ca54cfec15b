// The loaded modules: one host library per module file, a reference count, and the DllMain calls
// Windows makes on the first load and the last release.
#include "modules_loader.h"

#include <winbase.h>

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "modules_search.h"
#include "winplat/modules.h"

namespace fs = std::filesystem;

namespace {

using DllEntryPoint = BOOL(WINAPI *)(HINSTANCE, DWORD, LPVOID);

struct LibraryCloser {
  void operator()(void *library) const { dlclose(library); }
};
using Library = std::unique_ptr<void, LibraryCloser>;

// Two names of one file (links, other spellings) are one module.
struct FileIdentity {
  dev_t device;
  ino_t inode;
  bool operator==(const FileIdentity &) const = default;
};

std::optional<FileIdentity> IdentityOf(const fs::path &file) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0)
    return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino};
}

struct Module {
  fs::path file;
  FileIdentity identity;
  Library library;             // empty for a data file
  link_map *ownMap = nullptr;  // the library's own object, to tell its exports from its imports
  int references = 1;
  bool pinned = false;  // the program: never unloaded
};

// Handles look like Windows load addresses: the program at 0x00400000, libraries from 0x10000000
// in 64 KiB steps, data files with the low bit set. A value is never given out twice.
constexpr uintptr_t kProgramBase = 0x00400000;
constexpr uintptr_t kFirstLibraryBase = 0x10000000;
constexpr uintptr_t kBaseStep = 0x10000;
constexpr uintptr_t kDataFileBit = 1;

HMODULE HandleAt(uintptr_t base) {
  return reinterpret_cast<HMODULE>(base);
}

link_map *OwnMapOf(void *library) {
  link_map *map = nullptr;
  if (dlinfo(library, RTLD_DI_LINKMAP, &map) != 0)
    return nullptr;
  return map;
}

class ModuleTable {
 public:
  ModuleTable() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    Module module{program, IdentityOf(program).value_or(FileIdentity{}),
                  Library(dlopen(nullptr, RTLD_NOW))};
    module.ownMap = OwnMapOf(module.library.get());
    module.pinned = true;
    modules_.emplace(HandleAt(kProgramBase), std::move(module));
  }

  // Held while DllMain runs, as the Windows loader lock is, so that DllMain may call back into
  // the loader (GetModuleFileName, LoadLibrary) on the same thread.
  std::recursive_mutex &LoaderLock() { return loaderLock_; }

  Module *Find(HMODULE handle) {
    const auto found = modules_.find(handle);
    return found == modules_.end() ? nullptr : &found->second;
  }

  HMODULE FindImage(const FileIdentity &identity) {
    for (auto &[handle, module] : modules_) {
      if (module.library && module.identity == identity)
        return handle;
    }
    return nullptr;
  }

  HMODULE FindImageNamed(std::string_view fileName) {
    for (auto &[handle, module] : modules_) {
      if (module.library &&
          winplat::modules::SameFileName(module.file.filename().string(), fileName)) {
        return handle;
      }
    }
    return nullptr;
  }

  HMODULE Add(Module module) {
    const uintptr_t base = nextBase_;
    nextBase_ += kBaseStep;
    const HMODULE handle = HandleAt(module.library ? base : base | kDataFileBit);
    modules_.emplace(handle, std::move(module));
    return handle;
  }

  void Remove(HMODULE handle) { modules_.erase(handle); }

 private:
  std::recursive_mutex loaderLock_;
  std::map<HMODULE, Module> modules_;
  uintptr_t nextBase_ = kFirstLibraryBase;
};

// Never destroyed: libraries stay loaded until the process ends, as on Windows.
ModuleTable &Table() {
  static ModuleTable *const table = new ModuleTable();
  return *table;
}

// The address of a symbol that the module itself exports; dlsym alone would also find the
// symbols of the libraries it depends on.
void *OwnSymbol(const Module &module, const char *name) {
  if (!module.library)
    return nullptr;
  void *address = dlsym(module.library.get(), name);
  if (address == nullptr)
    return nullptr;
  Dl_info info;
  void *owner = nullptr;
  if (dladdr1(address, &info, &owner, RTLD_DL_LINKMAP) == 0 || owner != module.ownMap)
    return nullptr;
  return address;
}

// Runs the module's DllMain, if it exports one; a module without one accepts every call.
BOOL CallDllMain(HMODULE handle, DWORD reason) {
  const Module *module = Table().Find(handle);
  void *entry = module ? OwnSymbol(*module, "DllMain") : nullptr;
  if (entry == nullptr)
    return TRUE;
  return reinterpret_cast<DllEntryPoint>(entry)(handle, reason, nullptr);
}

HMODULE AddReference(HMODULE handle) {
  Module *module = Table().Find(handle);
  if (!module->pinned)
    ++module->references;
  return handle;
}

HMODULE LoadImage(const fs::path &file, const FileIdentity &identity) {
  Library library(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!library) {
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return nullptr;
  }
  link_map *ownMap = OwnMapOf(library.get());
  const HMODULE handle = Table().Add(Module{file, identity, std::move(library), ownMap});
  if (!CallDllMain(handle, DLL_PROCESS_ATTACH)) {
    // As on Windows: a refused attach is followed at once by the detach, then the unload.
    CallDllMain(handle, DLL_PROCESS_DETACH);
    Table().Remove(handle);
    SetLastError(ERROR_DLL_INIT_FAILED);
    return nullptr;
  }
  return handle;
}

}  // namespace

namespace winplat {

std::string ModuleHostPath(HMODULE module) {
  const auto file = modules::ModuleFile(module);
  return file ? file->string() : std::string();
}

}  // namespace winplat

namespace winplat::modules {

HMODULE Load(std::string_view name, bool asDataFile) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  if (IsBareName(name)) {
    if (HMODULE loaded = table.FindImageNamed(WithDefaultExtension(name)))
      return AddReference(loaded);
  }
  const auto file = FindModuleFile(name);
  const auto identity = file ? IdentityOf(*file) : std::nullopt;
  if (!identity) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (HMODULE loaded = table.FindImage(*identity))
    return AddReference(loaded);
  if (asDataFile)
    return table.Add(Module{*file, *identity, Library()});
  return LoadImage(*file, *identity);
}

bool Free(HMODULE handle) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  Module *module = table.Find(handle);
  if (module == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return false;
  }
  if (module->pinned || --module->references > 0)
    return true;
  CallDllMain(handle, DLL_PROCESS_DETACH);
  table.Remove(handle);
  return true;
}

FARPROC Export(HMODULE handle, const char *name) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  const Module *module = table.Find(handle);
  if (module == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  // A shared object exports by name only, so an ordinal never matches.
  void *address = IS_INTRESOURCE(name) ? nullptr : OwnSymbol(*module, name);
  if (address == nullptr) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(address);
}

HMODULE ProgramModule() {
  return HandleAt(kProgramBase);
}

HMODULE LoadedModule(std::string_view name) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  HMODULE found = nullptr;
  if (IsBareName(name)) {
    found = table.FindImageNamed(WithDefaultExtension(name));
  } else if (const auto file = FindModuleFile(name)) {
    const auto identity = IdentityOf(*file);
    found = identity ? table.FindImage(*identity) : nullptr;
  }
  if (found == nullptr)
    SetLastError(ERROR_MOD_NOT_FOUND);
  return found;
}

bool IsImage(HMODULE handle) {
  return ImageFile(handle).has_value();
}

std::optional<fs::path> ImageFile(HMODULE handle) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  const Module *module = table.Find(handle);
  if (module == nullptr || !module->library) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return std::nullopt;
  }
  return module->file;
}

std::optional<fs::path> ModuleFile(HMODULE handle) {
  ModuleTable &table = Table();
  std::lock_guard<std::recursive_mutex> guard(table.LoaderLock());
  const Module *module = table.Find(handle);
  if (module == nullptr)
    return std::nullopt;
  return module->file;
}

}  // namespace winplat::modules
