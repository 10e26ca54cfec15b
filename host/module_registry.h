// The ModuleRegistry the host hands to the module's InstallModule and RunJZModuleCmd.
#pragma once

#include <memory>

#include "host/registration_store.h"
#include "abi/host_interfaces.h"

namespace host {

// `canInstall` is what CanInstallModule answers (false: the user may not change the driver).
BoundaryPtr<ModuleRegistry> MakeModuleRegistry(const RegistrationStore &store, bool canInstall);

// The file version of a module as the version resource gives it: the most significant double
// word in the high half. 0 when the file has none.
ULONGLONG ReadFileVersion(LPCWSTR path);

}  // namespace host
