// The records and numbers of a module's registration with the host: the entry the host's
// ModuleRegistry keeps for a module ("FeatureSet%d"), the commands of RunJZModuleCmd with their
// results, and the status record that command 604 fills.
#pragma once

#include <windows.h>

#include <cstddef>

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

#pragma pack(push, 1)

// A module registration as the host's ModuleRegistry stores it ("FeatureSet%d").
struct ModuleRegistryEntry {
  DWORD dwSize;                 // 0: 160
  char szUiModule[32];          // 4: file name of the module holding the UI class
  char szUiClass[32];           // 36
  char szControlSetModule[32];  // 68: file name of the module holding the control-set class
  char szControlSetClass[32];   // 100
  DWORD dwModuleId;             // 132
  DWORD dwFlags;                // 136: bit 8 enabled, bit 9 has pages
  DWORD dwReserved140;          // 140
  DWORD dwFileVersionLS;        // 144: file version, low double word first
  DWORD dwFileVersionMS;        // 148
  WORD wPrivateDataId;          // 152
  WORD wReserved154;            // 154
  DWORD dwReserved156;          // 156
};
static_assert(sizeof(ModuleRegistryEntry) == 160);
static_assert(offsetof(ModuleRegistryEntry, szUiModule) == 4);
static_assert(offsetof(ModuleRegistryEntry, szUiClass) == 36);
static_assert(offsetof(ModuleRegistryEntry, szControlSetModule) == 68);
static_assert(offsetof(ModuleRegistryEntry, szControlSetClass) == 100);
static_assert(offsetof(ModuleRegistryEntry, dwModuleId) == 132);
static_assert(offsetof(ModuleRegistryEntry, dwFlags) == 136);
static_assert(offsetof(ModuleRegistryEntry, dwFileVersionLS) == 144);
static_assert(offsetof(ModuleRegistryEntry, wPrivateDataId) == 152);

constexpr DWORD MODULE_ENTRY_ENABLED = 0x100;
constexpr DWORD MODULE_ENTRY_HAS_PAGES = 0x200;

#pragma pack(pop)
