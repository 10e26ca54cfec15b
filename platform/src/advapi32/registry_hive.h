// The in-memory hive behind the registry functions and the .reg reader and writer: a tree of
// keys with case-preserving names, values in creation order and subkeys kept sorted the way the
// NT registry sorts them (by upper-cased name).
#pragma once

#include <winreg.h>

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace winplat::registry {

// Orders names as the NT registry does: code unit by code unit after upper-casing.
int CompareNames(std::u16string_view a, std::u16string_view b);
bool SameName(std::u16string_view a, std::u16string_view b);

struct Value {
  std::u16string name;  // empty for the default value
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct Key {
  std::u16string name;
  Key *parent = nullptr;  // the key that owns this one; null for roots
  bool isVolatile = false;
  bool deleted = false;  // set when the key leaves the tree; open handles then fail
  FILETIME lastWrite{};
  std::vector<Value> values;  // creation order; changed only through the functions below
  // The position in `values` of each value by its upper-cased name.
  std::unordered_map<std::u16string, size_t> valuePositions;
  std::vector<std::shared_ptr<Key>> subkeys;  // sorted with CompareNames

  Value *FindValue(std::u16string_view valueName);
  void SetValue(std::u16string_view valueName, DWORD type, std::vector<BYTE> data);
  bool DeleteValue(std::u16string_view valueName);

  std::shared_ptr<Key> FindSubkey(std::u16string_view subkeyName) const;
  // Returns the existing subkey or adds a new one; created tells which.
  std::shared_ptr<Key> AddSubkey(std::u16string_view subkeyName, bool isVolatile, bool &created);
  // Takes the subkey and its whole subtree out of the tree, marking every key deleted.
  bool RemoveSubkey(std::u16string_view subkeyName);

  void Touch();
};

// The four predefined roots, in the order regedit lists them.
enum RootIndex { kClassesRoot, kCurrentUser, kLocalMachine, kUsers, kRootCount };
struct RootInfo {
  HKEY handle;
  const char *name;
};
extern const std::array<RootInfo, kRootCount> kRoots;

struct Hive {
  std::array<std::shared_ptr<Key>, kRootCount> roots;
  Hive();
};

// Splits "a\b\c" into its parts; false for a leading backslash or an empty part in the middle.
// A trailing backslash is allowed, as on Windows.
bool SplitPath(std::u16string_view path, std::vector<std::u16string_view> &parts);

// The live hive and the lock that guards it and every key in it.
std::mutex &HiveMutex();
Hive &LiveHive();
// Swaps in a new hive (caller holds HiveMutex); keys of the old one are marked deleted.
void ReplaceLiveHive(Hive &&replacement);

// Marks a key and its whole subtree deleted.
void MarkDeleted(Key &key);

}  // namespace winplat::registry
