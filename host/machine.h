// The Windows machine behind prfhost, with the demo printers installed on first use. Off Windows
// it is simulated by the platform layer: a state folder holding the registry as a REGEDIT5 file
// and drive C:. On Windows it is the system itself: its registry, spooler and files. A started
// machine holds a lock until it is destroyed, so that two programs on one machine work one after
// the other and neither loses the other's changes.
#pragma once

#include <string>

#if !defined(_WIN32)
#include <winplat/config.h>
#endif

#include "host/string_table.h"

namespace host {

struct MachineOptions {
#if !defined(_WIN32)
  std::string stateFolder;
  winplat::WindowsVersion windows = winplat::WindowsVersion::WinXP;
#endif
  UiLanguage language = UiLanguage::English;
};

class Machine {
 public:
  Machine() = default;
  ~Machine();
  Machine(const Machine &) = delete;
  Machine &operator=(const Machine &) = delete;

  // Waits for the machine's lock and creates the default state when the machine holds none (off
  // Windows: sets the platform up for the state folder and reads its registry). False with a
  // message when the state cannot be locked, read or created.
  bool Start(const MachineOptions &options, std::string *error);
  // Off Windows writes the registry back to the state folder; on Windows the system keeps it.
  bool Save(std::string *error);
  bool createdNow() const { return createdNow_; }

#if !defined(_WIN32)
  std::string registryFile() const {
    return options_.stateFolder + "/registry.reg";
  }
  std::string driveFolder() const {
    return options_.stateFolder + "/drive_c";
  }
  std::string lockFile() const {
    return options_.stateFolder + "/registry.lock";
  }
#endif

 private:
  bool Lock(std::string *error);

  MachineOptions options_;
  bool createdNow_ = false;
#if defined(_WIN32)
  void *lock_ = nullptr;  // the machine's named mutex, owned while the machine is started
#else
  int lock_ = -1;  // the lock file's descriptor while the machine holds the lock
#endif
};

#if !defined(_WIN32)
// The default state folder: $XDG_DATA_HOME/prfhost, else ~/.local/share/prfhost.
std::string DefaultStateFolder();
#endif

}  // namespace host
