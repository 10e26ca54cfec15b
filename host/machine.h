// The simulated Windows machine behind prfhost: a state folder holding the registry as a
// REGEDIT5 file and drive C:, created with the demo printers on first use.
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
  // Sets the platform up for the state folder; creates the default state there when the
  // folder holds none. False with a message when the state cannot be read or created.
  bool Start(const MachineOptions &options, std::string *error);
  // Writes the registry back to the state folder.
  bool Save(std::string *error);

  std::string registryFile() const { return options_.stateFolder + "/registry.reg"; }
  std::string driveFolder() const { return options_.stateFolder + "/drive_c"; }
  bool createdNow() const { return createdNow_; }

 private:
  MachineOptions options_;
  bool createdNow_ = false;
};

// The default state folder: $XDG_DATA_HOME/prfhost, else ~/.local/share/prfhost.
std::string DefaultStateFolder();

}  // namespace host
