// The driver's registrations, version ini file and help files, as the settings information
// reads them.
#include "describe/settings_info_driver.h"

#include <stdio.h>
#include <string.h>

#include <shlwapi.h>

#include "abi/byte_reader.h"
#include "abi/driver_data.h"
#include "abi/registration_records.h"

namespace {

constexpr int kFirstFeatureSet = 2;
// A host that answers every number is not asked beyond this one.
constexpr int kFeatureSetLimit = 10000;

std::string HelpDirectory(UIManager *manager) {
  LPCSTR directory = manager->GetHelpDirectory(0);
  return directory != nullptr ? directory : "";
}

}  // namespace

bool IsFeatureSetInstalled(UIManager *manager, LPCSTR fileName) {
  for (int number = kFirstFeatureSet; number < kFeatureSetLimit; ++number) {
    char name[32];
    snprintf(name, sizeof name, "FeatureSet%d", number);
    BYTE stored[sizeof(ModuleRegistryEntry)] = {};
    if (!manager->GetFeatureSetEntry(name, stored))
      return false;
    ModuleRegistryEntry entry;
    ByteReader(stored, sizeof stored).Read(&entry);
    entry.szUiModule[sizeof entry.szUiModule - 1] = '\0';
    if ((entry.dwFlags & MODULE_ENTRY_ENABLED) != 0 && strcmp(entry.szUiModule, fileName) == 0)
      return true;
  }
  return false;
}

bool IsPreReleaseBuild(UIManager *manager) {
  const std::string path = HelpDirectory(manager) + DRIVER_VERSION_INI;
  return GetPrivateProfileIntA(DRIVER_VERSION_SECTION, DRIVER_PRE_RELEASE_KEY, 0, path.c_str()) !=
         0;
}

std::string InfoHelpFile(UIManager *manager) {
  LPCSTR hostHelp = manager->GetHelpFileName(0);
  if (hostHelp == nullptr)
    return std::string();
  if (StrStrIA(hostHelp, "EN") != nullptr)
    return HelpDirectory(manager) + DRIVER_HELP_ENGLISH;
  if (StrStrIA(hostHelp, "J") != nullptr)
    return HelpDirectory(manager) + DRIVER_HELP_JAPANESE;
  return std::string();
}
