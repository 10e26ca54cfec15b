// The registry hive beyond one process: REGEDIT5 text and .reg files that the host loads and saves
// so that the hive outlives a run, and emptying the hive. The registry functions themselves are
// in <winreg.h>.
#pragma once

#include <string>

namespace winplat {

// The hive as REGEDIT5 text: "Windows Registry Editor Version 5.00", a blank line, then one
// section per key, depth-first with subkeys in case-insensitive order, each followed by a blank
// line. A root gets a section of its own only when it holds values; volatile keys are left out.
// Values come in creation order: "..." for clean REG_SZ strings, dword:xxxxxxxx for 4-byte
// REG_DWORD, hex: for REG_BINARY and hex(N): for everything else, wrapped like regedit.
std::string ExportRegistryText();

// Merges REGEDIT5 text into the hive like a regedit import, including [-KEY] (delete the key
// and its subtree) and "name"=- (delete the value). The text is checked as a whole first: on
// a syntax error nothing changes and false is returned, with the reason in
// LastRegistryFileError().
bool ImportRegistryText(const std::string &text);

// Replaces the hive with the contents of a .reg file (UTF-8 with or without a BOM, LF or CRLF,
// or UTF-16LE with a BOM). On failure the hive is unchanged and false is returned. Handles
// opened before a successful load refer to keys that no longer exist (ERROR_KEY_DELETED).
bool LoadRegistryFile(const std::string &path);

// Writes ExportRegistryText() to a UTF-8 file with LF line ends, through a temporary file in
// the same folder that is then renamed over the target.
bool SaveRegistryFile(const std::string &path);

// Why the last LoadRegistryFile, SaveRegistryFile or ImportRegistryText failed.
std::string LastRegistryFileError();

// Empties the hive (open handles then refer to deleted keys).
void ResetRegistry();

}  // namespace winplat
