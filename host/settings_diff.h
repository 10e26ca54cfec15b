// Two sets of settings compared field by field: stored profiles, or a profile and the printer's
// current settings. A set is a complete DEVMODE with the driver data sets that travel with it,
// in the form a profile stores them.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "host/printer_model.h"
#include "host/printer_session.h"
#include "host/stored_profiles.h"

namespace host {

struct SettingsSnapshot {
  std::vector<BYTE> devMode;
  // By the name a profile stores them under: "Vt..." as they are, "Setup" as "_Setup".
  std::map<std::string, std::vector<BYTE>> dataSets;
};

// One setting in which two snapshots differ, with each side's value as text; none where a side
// lacks the setting.
struct SettingDifference {
  std::string setting;
  std::optional<std::string> first;
  std::optional<std::string> second;

  bool operator==(const SettingDifference &) const = default;
};

// The profile's stored DEVMODE and data sets. False with a message when it has no complete
// stored DEVMODE.
bool ReadProfileSnapshot(HANDLE printer, const WideString &printerName,
                         const StoredProfile &profile, SettingsSnapshot *snapshot,
                         std::string *error);

// The printer's current settings and data sets as a profile made of them now would store them:
// the print size and output bin as identifier + 1000 (a print size beyond the paper list as its
// distance from the end + 2000), "Setup" as "_Setup".
SettingsSnapshot CurrentSnapshot(PrinterSession &session);

// Every difference: the named fields of the public part, of the main block and of the plug-in
// blocks (by the settings' field names), the bytes no named field covers (as ranges per block),
// blocks that only one side has, and the data sets that differ. In that order.
std::vector<SettingDifference> DiffSettings(const PrinterModel &model,
                                            const SettingsSnapshot &first,
                                            const SettingsSnapshot &second);

}  // namespace host
