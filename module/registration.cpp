// Registration of the module in the host's ModuleRegistry.
#include "module/registration.h"

#include <string.h>

#include "abi/byte_reader.h"
#include "abi/private_blocks.h"
#include "abi/host_records.h"
#include "module/module_state.h"

namespace {

// The file the host loads the user interface from: the build of the host's own width.
#if defined(_WIN64)
constexpr char kModuleFileName[] = "PRFMOD64.dll";
#else
constexpr char kModuleFileName[] = "PRFMOD32.dll";
#endif
constexpr char kUiClassName[] = "CProfil";
constexpr char kControlSetClassName[] = "CControlSetProfil";
constexpr char kEntryBaseName[] = "FeatureSet";

// A registry that answers every number with another module's entry would keep the searches
// going for ever; no host keeps this many registrations.
constexpr int kLastEntryNumber = 9999;

struct EntrySearch {
  int number;  // where the search stopped; 0 when it ran out of numbers
  bool own;    // the entry there is the module's own; else the number is free
  ModuleRegistryEntry entry;
};

// Reads the entries from `first` on and stops at the first number whose read fails or whose
// entry carries the module's identifier.
EntrySearch SearchEntries(ModuleRegistry &registry, int first) {
  for (int number = first; number <= kLastEntryNumber; ++number) {
    char valueName[32];
    wsprintfA(valueName, "%s%d", kEntryBaseName, number);
    EntrySearch search = {number, false, {}};
    BYTE stored[sizeof(ModuleRegistryEntry)] = {};
    if (!registry.GetModuleRegistryEntry(valueName, stored))
      return search;
    ByteReader(stored, sizeof stored).Read(&search.entry);
    if (search.entry.dwModuleId == MODULE_ID_PROFILE) {
      search.own = true;
      return search;
    }
  }
  return {0, false, {}};
}

// This module file's full path; empty when the system cannot give it whole.
void FindModulePath(ModuleRegistry &registry, WCHAR (&path)[MAX_PATH]) {
  path[0] = 0;
  if (registry.IsAnsiPlatform()) {
    char ansiPath[MAX_PATH];
    DWORD length = GetModuleFileNameA(GetModuleInstance(), ansiPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
      return;
    registry.AnsiToWide(path, ansiPath, 0);
  } else {
    DWORD length = GetModuleFileNameW(GetModuleInstance(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
      path[0] = 0;
  }
  path[MAX_PATH - 1] = 0;
}

}  // namespace

int InstallProfileModule(ModuleRegistry *registry) {
  // Without a registry nothing can be installed: the same answer as a host that refuses.
  if (registry == nullptr || !registry->CanInstallModule())
    return MODULE_RESULT_REFUSED;
  const EntrySearch search = SearchEntries(*registry, 2);
  if (search.number == 0)
    return MODULE_RESULT_NOT_STORED;

  ModuleRegistryEntry entry;
  memset(&entry, 0, sizeof entry);
  entry.dwSize = sizeof entry;
  entry.dwModuleId = MODULE_ID_PROFILE;
  entry.dwFlags = MODULE_ENTRY_ENABLED | MODULE_ENTRY_HAS_PAGES;
  WCHAR path[MAX_PATH];
  FindModulePath(*registry, path);
  const ULONGLONG version = registry->GetModuleFileVersion(path);
  entry.dwFileVersionLS = static_cast<DWORD>(version);
  entry.dwFileVersionMS = static_cast<DWORD>(version >> 32);
  entry.wPrivateDataId = PRIVATE_DATA_ID_PROFIL;
  lstrcpynA(entry.szUiModule, kModuleFileName, sizeof entry.szUiModule);
  lstrcpynA(entry.szUiClass, kUiClassName, sizeof entry.szUiClass);
  lstrcpynA(entry.szControlSetModule, kModuleFileName, sizeof entry.szControlSetModule);
  lstrcpynA(entry.szControlSetClass, kControlSetClassName, sizeof entry.szControlSetClass);

  char valueName[32];
  wsprintfA(valueName, "%s%d", kEntryBaseName, search.number);
  return registry->SetModuleRegistryEntry(valueName, BytesOf(entry).data())
             ? MODULE_RESULT_OK
             : MODULE_RESULT_NOT_STORED;
}

int RemoveProfileModule(ModuleRegistry *registry) {
  if (registry == nullptr)
    return MODULE_RESULT_NOT_REGISTERED;
  const EntrySearch search = SearchEntries(*registry, 1);
  if (!search.own)
    return MODULE_RESULT_NOT_REGISTERED;
  // What the deletion reports is not the caller's concern: the entry was found and let go.
  registry->DeleteModuleRegistryEntry(kEntryBaseName, search.number);
  return MODULE_RESULT_OK;
}

int QueryProfileModuleStatus(ModuleRegistry *registry, ModuleStatusRecord *record) {
  // Without a registry there is nothing to query against; the record is left untouched.
  if (record == nullptr || registry == nullptr)
    return MODULE_RESULT_NO_RECORD;
  record->dwStatus = MODULE_STATUS_NOT_REGISTERED;
  record->bQueried = 1;
  WCHAR path[MAX_PATH];
  FindModulePath(*registry, path);
  const ULONGLONG version = registry->GetModuleFileVersion(path);
  record->dwFileVersionLS = static_cast<DWORD>(version);
  record->dwFileVersionMS = static_cast<DWORD>(version >> 32);
  record->dwRegisteredVersionLS = 0;
  record->dwRegisteredVersionMS = 0;
  lstrcpynW(record->wszModulePath, path, MAX_PATH);

  const EntrySearch search = SearchEntries(*registry, 2);
  if (!search.own)
    return MODULE_RESULT_OK;
  record->dwStatus = (search.entry.dwFlags & MODULE_ENTRY_ENABLED) ? MODULE_STATUS_ENABLED
                                                                   : MODULE_STATUS_DISABLED;
  record->dwRegisteredVersionLS = search.entry.dwFileVersionLS;
  record->dwRegisteredVersionMS = search.entry.dwFileVersionMS;
  return MODULE_RESULT_OK;
}

int RunModuleCommand(int command, ModuleRegistry *registry, ModuleStatusRecord *record) {
  switch (command) {
    case MODULE_CMD_INSTALL:
      return InstallProfileModule(registry);
    case MODULE_CMD_REMOVE:
      return RemoveProfileModule(registry);
    case MODULE_CMD_STATUS:
      return QueryProfileModuleStatus(registry, record);
    case MODULE_CMD_RESERVED:  // does nothing, like every number not in the table
    default:
      return MODULE_RESULT_UNKNOWN_COMMAND;
  }
}
