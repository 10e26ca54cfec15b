// Module registrations over the registration store, and file versions of module files.
#include "host/module_registry.h"

#include <cstring>
#include <string>
#include <vector>

#include "abi/wide.h"

#include "host/system_version.h"

namespace host {
namespace {

class HostModuleRegistry final : public ModuleRegistry {
 public:
  HostModuleRegistry(const RegistrationStore &store, bool canInstall)
      : store_(store), canInstall_(canInstall) {}
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }

  ULONGLONG GetModuleFileVersion(LPCWSTR path) override { return ReadFileVersion(path); }
  bool IsAnsiPlatform() override { return host::IsAnsiPlatform(); }

  bool GetModuleRegistryEntry(LPCSTR valueName, BYTE *entry) override {
    ModuleRegistryEntry read;
    if (!valueName || !entry || !store_.Read(valueName, &read))
      return false;
    std::memcpy(entry, &read, sizeof read);
    return true;
  }

  bool SetModuleRegistryEntry(LPCSTR valueName, const BYTE *entry) override {
    if (!valueName || !entry)
      return false;
    ModuleRegistryEntry written;
    std::memcpy(&written, entry, sizeof written);
    return store_.Write(valueName, written);
  }

  bool DeleteModuleRegistryEntry(LPCSTR baseName, int number) override {
    if (!baseName)
      return false;
    return store_.Delete((std::string(baseName) + std::to_string(number)).c_str());
  }

  bool CanInstallModule() override { return canInstall_; }

  void AnsiToWide(LPWSTR wide, LPCSTR ansi, int) override {
    if (!wide)
      return;
    if (!ansi || MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, MAX_PATH) == 0)
      wide[0] = u'\0';
  }

 private:
  const RegistrationStore &store_;
  bool canInstall_;
};

}  // namespace

BoundaryPtr<ModuleRegistry> MakeModuleRegistry(const RegistrationStore &store, bool canInstall) {
  return BoundaryPtr<ModuleRegistry>(new HostModuleRegistry(store, canInstall));
}

ULONGLONG ReadFileVersion(LPCWSTR path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &handle);
  if (size == 0)
    return 0;
  std::vector<BYTE> info(size);
  VS_FIXEDFILEINFO *fixed = nullptr;
  UINT fixedSize = 0;
  if (!GetFileVersionInfoW(path, 0, size, info.data()) ||
      !VerQueryValueW(info.data(), WSTR("\\"), reinterpret_cast<LPVOID *>(&fixed), &fixedSize) ||
      fixedSize < sizeof(VS_FIXEDFILEINFO))
    return 0;
  return (ULONGLONG{fixed->dwFileVersionMS} << 32) | fixed->dwFileVersionLS;
}

}  // namespace host
