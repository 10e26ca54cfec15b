// What an import adapted of one profile on this printer, found by comparing what the file holds
// with what the import stored: a paper size the printer does not offer, a resolution above its
// best, a custom size merged into the printer's table, values that were not stored, and plug-in
// blocks the printer's driver does not have.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "import_file.h"

namespace prfhost {

// A custom paper size, by its name of at most 31 characters.
struct CustomSize {
  std::string name;  // ANSI
};

// A table of custom sizes as the driver data set "VtCPSData" stores it: 48-byte entries; a
// remainder is no entry.
std::vector<CustomSize> ReadCustomSizes(const std::vector<BYTE> &data);

struct StoredValue {
  std::string name;  // UTF-8
  std::vector<BYTE> data;
};

// What the import stored for the profile.
struct StoredImport {
  std::optional<DEVMODEW> settings;  // the public part of its "Default DevMode"
  std::vector<StoredValue> values;
};

// What the printer was before the import.
struct PrinterFacts {
  UINT codePage = 1252;                 // of the stored names
  std::vector<CustomSize> customSizes;  // its own table, as many as its count says
  std::vector<WORD> blockIds;           // of its driver's chain of private blocks
};

struct Adaptation {
  std::string kind;  // paperSize, resolution, customSize, value, block
  std::string text;  // for a person
  std::string json;  // the numbers and names of the text as a JSON object
};

std::vector<Adaptation> CompareImport(const ImportFileProfile &file, const StoredImport &stored,
                                      const PrinterFacts &printer);

}  // namespace prfhost
