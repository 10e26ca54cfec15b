// A machine's state folder as the import invariant compares it: the registry file's keys and
// values, and every other file below the folder with its bytes.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace invariant {

struct StateSnapshot {
  // key -> value name (unescaped) -> the value's text as the registry file writes it
  std::map<std::string, std::map<std::string, std::string>> registry;
  std::map<std::string, std::string> files;  // path below the folder -> bytes; folders end in /
};

StateSnapshot TakeSnapshot(const std::string &stateFolder);

// What an import may change: in the printer's data key the profile list and the values of
// profiles other than those `before` holds, with plain names; below the driver folder the side
// files of those profiles. Every other difference is described, one line each.
std::vector<std::string> ForbiddenChanges(const StateSnapshot &before, const StateSnapshot &after,
                                          const std::string &printerDataKey,
                                          const std::string &sideFilePrefix);

}  // namespace invariant
