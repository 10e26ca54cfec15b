// The simulated Windows machine behind prfhost: a state folder holding the registry as a
// REGEDIT5 file and drive C:, created with the demo printers on first use. A started machine
// holds the state folder's lock until it is destroyed, so that two programs on one state folder
// work one after the other and neither loses the other's changes.
#pragma once

#include <string>

#include <winplat/config.h>

#include "host/string_table.h"

namespace host {

struct MachineOptions {
  std::string stateFolder;
  winplat::WindowsVersion windows = winplat::WindowsVersion::WinXP;
  UiLanguage language = UiLanguage::English;
};

class Machine {
 public:
  Machine() = default;
  ~Machine();
  Machine(const Machine &) = delete;
  Machine &operator=(const Machine &) = delete;

  // Waits for the state folder's lock, sets the platform up for the folder and creates the
  // default state there when the folder holds none. False with a message when the state cannot
  // be locked, read or created.
  bool Start(const MachineOptions &options, std::string *error);
  // Writes the registry back to the state folder.
  bool Save(std::string *error);

  std::string registryFile() const { return options_.stateFolder + "/registry.reg"; }
  std::string driveFolder() const { return options_.stateFolder + "/drive_c"; }
  std::string lockFile() const { return options_.stateFolder + "/registry.lock"; }
  bool createdNow() const { return createdNow_; }

 private:
  bool Lock(std::string *error);

  MachineOptions options_;
  bool createdNow_ = false;
  int lock_ = -1;  // the lock file's descriptor while the machine holds the lock
};

// The default state folder: $XDG_DATA_HOME/prfhost, else ~/.local/share/prfhost.
std::string DefaultStateFolder();

}  // namespace host
