// The profiles a printer has stored, read the way the host sees printer data: the list in
// "JzProfileCount" and "JzProfileData", each profile's value index "JZP_%04d" and its values,
// which are printer data or, for user profiles on the ANSI platform, side files in the driver
// directory. Only whole stored records are read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>
#include "abi/wide.h"

namespace host {

struct StoredProfile {
  std::string name;  // UTF-8
  std::string description;
  DWORD icon = 0;
  COLORREF color = 0;
  LONG regNum = 0;
};

struct StoredProfileValue {
  std::string name;  // UTF-8
  DWORD type = 0;    // as the index records it
  bool sideFile = false;
  std::string location;       // the printer-data value name or the side file's path (UTF-8)
  std::optional<DWORD> size;  // of the stored data; none when it is missing
};

// The headers "JzProfileCount" counts, as far as "JzProfileData" holds them, in stored order.
std::vector<StoredProfile> ReadStoredProfiles(HANDLE printer);

// The values the index of profile `regNum` lists, in index order.
std::vector<StoredProfileValue> ReadStoredProfileValues(HANDLE printer,
                                                        const WideString &printerName, LONG regNum);

// The data of a stored value, from the printer data or the side file where it lives; none when
// it is missing.
std::optional<std::vector<BYTE>> ReadStoredProfileValueData(HANDLE printer,
                                                            const StoredProfileValue &value);

// The profile of that name, compared as the profile store compares names: in the machine's ANSI
// code page, case ignored. Null when there is none.
const StoredProfile *FindStoredProfile(const std::vector<StoredProfile> &profiles,
                                       const std::string &name);

}  // namespace host
