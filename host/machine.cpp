// Starting the simulated machine from its state folder.
#include "host/machine.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <winplat/registry.h>

#include "host/demo_state.h"

namespace host {

bool Machine::Start(const MachineOptions &options, std::string *error) {
  options_ = options;
  std::error_code ec;
  std::filesystem::create_directories(driveFolder(), ec);
  if (ec) {
    *error = "cannot create the state folder " + options_.stateFolder + ": " + ec.message();
    return false;
  }
  winplat::SetWindowsVersion(options.windows);
  winplat::SetAnsiCodePage(AnsiCodePage(options.language));
  winplat::SetUserDefaultLocale(LanguageId(options.language));
  winplat::MapDrive('C', driveFolder());

  if (std::filesystem::exists(registryFile())) {
    if (!winplat::LoadRegistryFile(registryFile())) {
      *error = "cannot read " + registryFile() + ": " + winplat::LastRegistryFileError();
      return false;
    }
    return true;
  }
  winplat::ResetRegistry();
  if (!InstallDemoMachine(error) || !StoreBuiltInProfiles(error)) return false;
  createdNow_ = true;
  return Save(error);
}

bool Machine::Save(std::string *error) {
  if (winplat::SaveRegistryFile(registryFile())) return true;
  *error = "cannot write " + registryFile() + ": " + winplat::LastRegistryFileError();
  return false;
}

std::string DefaultStateFolder() {
  if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data)
    return std::string(data) + "/prfhost";
  const char *home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/prfhost";
}

}  // namespace host
