// Starting the simulated machine from its state folder.
#include "host/machine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <winplat/registry.h>

#include "host/demo_state.h"

namespace host {

Machine::~Machine() {
  if (lock_ >= 0)
    close(lock_);
}

// An exclusive flock on a file beside the registry, held for the machine's whole life; the
// system lets it go when the process ends, however it ends.
bool Machine::Lock(std::string *error) {
  lock_ = open(lockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_ < 0) {
    *error = "cannot open " + lockFile() + ": " + std::strerror(errno);
    return false;
  }
  if (flock(lock_, LOCK_EX | LOCK_NB) == 0)
    return true;
  if (errno == EWOULDBLOCK) {
    std::cerr << "waiting for another program using the state folder " << options_.stateFolder
              << "\n";
    if (flock(lock_, LOCK_EX) == 0)
      return true;
  }
  *error = "cannot lock " + lockFile() + ": " + std::strerror(errno);
  return false;
}

bool Machine::Start(const MachineOptions &options, std::string *error) {
  options_ = options;
  std::error_code ec;
  std::filesystem::create_directories(driveFolder(), ec);
  if (ec) {
    *error = "cannot create the state folder " + options_.stateFolder + ": " + ec.message();
    return false;
  }
  if (!Lock(error))
    return false;
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
  if (!InstallDemoMachine(error) || !StoreBuiltInProfiles(error))
    return false;
  createdNow_ = true;
  return Save(error);
}

bool Machine::Save(std::string *error) {
  if (winplat::SaveRegistryFile(registryFile()))
    return true;
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
