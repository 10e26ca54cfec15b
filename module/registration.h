// Registration of the module in the host's ModuleRegistry: installation, removal and the status
// query that RunJZModuleCmd dispatches.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"
#include "abi/registration_records.h"

// Writes the module's entry under the first number from 2 on that is free or already holds the
// module's own entry: 0, 1 or 5.
int InstallProfileModule(ModuleRegistry *registry);
// Deletes the first entry of the module from number 1 on: 0, or 11 when there is none.
int RemoveProfileModule(ModuleRegistry *registry);
// Fills `record` with this file's path and version and the registration found from number 2 on:
// 0, or 65535 without a record.
int QueryProfileModuleStatus(ModuleRegistry *registry, ModuleStatusRecord *record);

// One command of RunJZModuleCmd; `record` is read by the status query only.
int RunModuleCommand(int command, ModuleRegistry *registry, ModuleStatusRecord *record);
