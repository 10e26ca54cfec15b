// What a profile file holds that an import may adapt on the printer it is imported on: the
// settings an import checks, the plug-in blocks and the values of each profile. Read with the
// profile-file format code, which checks every size against the section and the file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>
#include "abi/wide.h"

namespace prfhost {

struct ImportFileValue {
  std::string name;  // ANSI, as stored
  std::vector<BYTE> data;
};

struct ImportFileProfile {
  std::string name;  // ANSI, as stored
  // The last item of each setting an import may change; none when the profile has none.
  std::optional<LONG> paperSize, printQuality, yResolution;
  std::vector<WORD> blockIds;  // of the whole plug-in blocks, in file order
  std::vector<ImportFileValue> values;
};

struct ImportFile {
  std::vector<ImportFileProfile> profiles;  // the whole ones, in file order
  std::string damage;                       // where and why the reading stopped; empty when not
};

// False with a message when the file cannot be opened or holds no profile-file header.
bool ReadImportFile(const WideString &path, ImportFile *file, std::string *error);

}  // namespace prfhost
