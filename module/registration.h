// Registration of the module in the host's ModuleRegistry: installation, removal and the status
// query that RunJZModuleCmd dispatches, and the status record the query fills.
#pragma once

#include <windows.h>

#include <cstddef>

#include "module/host_interfaces.h"

// The module's identifier in its registration entry.
constexpr DWORD MODULE_ID_PROFILE = 1232;

// Commands of RunJZModuleCmd.
enum : int {
  MODULE_CMD_INSTALL = 601,
  MODULE_CMD_REMOVE = 602,
  MODULE_CMD_RESERVED = 603,
  MODULE_CMD_STATUS = 604,
};

// Results of the commands.
enum : int {
  MODULE_RESULT_OK = 0,
  MODULE_RESULT_REFUSED = 1,     // CanInstallModule said no
  MODULE_RESULT_NOT_STORED = 5,  // SetModuleRegistryEntry failed
  MODULE_RESULT_UNKNOWN_COMMAND = 10,
  MODULE_RESULT_NOT_REGISTERED = 11,  // removal found no entry of the module
  MODULE_RESULT_NO_RECORD = 65535,    // status query without a record
};

// ModuleStatusRecord::dwStatus.
enum : DWORD {
  MODULE_STATUS_ENABLED = 901,   // registered, flag bit 8 set
  MODULE_STATUS_DISABLED = 902,  // registered without it
  MODULE_STATUS_NOT_REGISTERED = 903,
};

#pragma pack(push, 1)

// Filled by the status query. The caller owns the record; only the named fields are written,
// the reserved bytes keep what the caller put there.
struct ModuleStatusRecord {
  WCHAR wszModulePath[MAX_PATH];  // 0: this module file, NUL-terminated
  BYTE bQueried;                  // 520: set to 1
  BYTE reserved521[7];            // 521
  DWORD dwFileVersionLS;          // 528: version of this module file
  DWORD dwFileVersionMS;          // 532
  DWORD dwStatus;                 // 536: MODULE_STATUS_*
  DWORD reserved540;              // 540
  DWORD dwRegisteredVersionLS;    // 544: version in the registration entry; 0 when none
  DWORD dwRegisteredVersionMS;    // 548
};
static_assert(sizeof(ModuleStatusRecord) == 552);
static_assert(offsetof(ModuleStatusRecord, wszModulePath) == 0);
static_assert(offsetof(ModuleStatusRecord, bQueried) == 520);
static_assert(offsetof(ModuleStatusRecord, dwFileVersionLS) == 528);
static_assert(offsetof(ModuleStatusRecord, dwFileVersionMS) == 532);
static_assert(offsetof(ModuleStatusRecord, dwStatus) == 536);
static_assert(offsetof(ModuleStatusRecord, dwRegisteredVersionLS) == 544);
static_assert(offsetof(ModuleStatusRecord, dwRegisteredVersionMS) == 548);

#pragma pack(pop)

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
