// The in-memory hive: key and value lookup by case-insensitive name, sorted subkeys, deletion
// that invalidates open handles, and the single live hive with its lock.
#include "registry_hive.h"

#include <algorithm>
#include <chrono>

namespace winplat::registry {
namespace {

// Upper-cases the scripts that occur in key and value names: Latin (ASCII, Latin-1 and
// Latin Extended-A), Greek and Cyrillic. Other characters compare as they are.
char16_t UpperCase(char16_t c) {
  if (c < 0x80) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
  }
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
    return static_cast<char16_t>(c - 0x20);
  }
  if (c == 0xFF) {
    return 0x178;
  }
  const bool oddLowers = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  const bool evenLowers = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((oddLowers && (c & 1) == 1) || (evenLowers && (c & 1) == 0)) {
    return static_cast<char16_t>(c - 1);
  }
  if (c == 0x3C2) {
    return 0x3A3;  // final sigma
  }
  if ((c >= 0x3B1 && c <= 0x3CB) || (c >= 0x430 && c <= 0x44F)) {
    return static_cast<char16_t>(c - 0x20);
  }
  if (c >= 0x450 && c <= 0x45F) {
    return static_cast<char16_t>(c - 0x50);
  }
  return c;
}

FILETIME Now() {
  // FILETIME counts 100 ns intervals since 1601-01-01; the Unix epoch is 11644473600 s later.
  constexpr ULONGLONG kUnixEpochAsFileTime = 116444736000000000ULL;
  const auto sinceUnixEpoch = std::chrono::system_clock::now().time_since_epoch();
  const ULONGLONG ticks =
      kUnixEpochAsFileTime +
      static_cast<ULONGLONG>(
          std::chrono::duration_cast<std::chrono::nanoseconds>(sinceUnixEpoch).count() / 100);
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

int CompareNames(std::u16string_view a, std::u16string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char16_t ua = UpperCase(a[i]);
    const char16_t ub = UpperCase(b[i]);
    if (ua != ub) {
      return ua < ub ? -1 : 1;
    }
  }
  if (a.size() == b.size()) {
    return 0;
  }
  return a.size() < b.size() ? -1 : 1;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNames(a, b) == 0;
}

namespace {

std::u16string Folded(std::u16string_view name) {
  std::u16string folded(name.size(), u'\0');
  std::transform(name.begin(), name.end(), folded.begin(), UpperCase);
  return folded;
}

}  // namespace

Value *Key::FindValue(std::u16string_view valueName) {
  const auto found = valuePositions.find(Folded(valueName));
  return found == valuePositions.end() ? nullptr : &values[found->second];
}

void Key::SetValue(std::u16string_view valueName, DWORD type, std::vector<BYTE> data) {
  if (Value *existing = FindValue(valueName)) {
    existing->type = type;
    existing->data = std::move(data);
  } else {
    valuePositions.emplace(Folded(valueName), values.size());
    values.push_back(Value{std::u16string(valueName), type, std::move(data)});
  }
  Touch();
}

// The values behind the deleted one move up a place.
bool Key::DeleteValue(std::u16string_view valueName) {
  const auto found = valuePositions.find(Folded(valueName));
  if (found == valuePositions.end()) {
    return false;
  }
  const size_t position = found->second;
  values.erase(values.begin() + static_cast<std::ptrdiff_t>(position));
  valuePositions.erase(found);
  for (auto &[name, at] : valuePositions) {
    if (at > position) {
      --at;
    }
  }
  Touch();
  return true;
}

namespace {

std::vector<std::shared_ptr<Key>>::const_iterator LowerBound(
    const std::vector<std::shared_ptr<Key>> &subkeys, std::u16string_view subkeyName) {
  return std::lower_bound(subkeys.begin(), subkeys.end(), subkeyName,
                          [](const std::shared_ptr<Key> &key, std::u16string_view name) {
                            return CompareNames(key->name, name) < 0;
                          });
}

}  // namespace

std::shared_ptr<Key> Key::FindSubkey(std::u16string_view subkeyName) const {
  auto found = LowerBound(subkeys, subkeyName);
  if (found != subkeys.end() && SameName((*found)->name, subkeyName)) {
    return *found;
  }
  return nullptr;
}

std::shared_ptr<Key> Key::AddSubkey(std::u16string_view subkeyName, bool makeVolatile,
                                    bool &created) {
  auto position = LowerBound(subkeys, subkeyName);
  if (position != subkeys.end() && SameName((*position)->name, subkeyName)) {
    created = false;
    return *position;
  }
  auto key = std::make_shared<Key>();
  key->name = std::u16string(subkeyName);
  key->parent = this;
  key->isVolatile = makeVolatile;
  key->Touch();
  subkeys.insert(position, key);
  Touch();
  created = true;
  return key;
}

bool Key::RemoveSubkey(std::u16string_view subkeyName) {
  auto found = LowerBound(subkeys, subkeyName);
  if (found == subkeys.end() || !SameName((*found)->name, subkeyName)) {
    return false;
  }
  MarkDeleted(**found);
  subkeys.erase(found);
  Touch();
  return true;
}

void Key::Touch() {
  lastWrite = Now();
}

void MarkDeleted(Key &key) {
  key.deleted = true;
  for (const auto &subkey : key.subkeys) {
    MarkDeleted(*subkey);
  }
}

const std::array<RootInfo, kRootCount> kRoots = {{
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
}};

Hive::Hive() {
  for (auto &root : roots) {
    root = std::make_shared<Key>();
  }
}

bool SplitPath(std::u16string_view path, std::vector<std::u16string_view> &parts) {
  parts.clear();
  if (!path.empty() && path.back() == u'\\') {
    path.remove_suffix(1);
  }
  if (path.empty()) {
    return true;
  }
  size_t start = 0;
  while (true) {
    const size_t end = path.find(u'\\', start);
    const std::u16string_view part = path.substr(start, end - start);
    if (part.empty()) {
      return false;
    }
    parts.push_back(part);
    if (end == std::u16string_view::npos) {
      return true;
    }
    start = end + 1;
  }
}

std::mutex &HiveMutex() {
  static std::mutex mutex;
  return mutex;
}

Hive &LiveHive() {
  static Hive hive;
  return hive;
}

void ReplaceLiveHive(Hive &&replacement) {
  Hive &live = LiveHive();
  for (auto &root : live.roots) {
    MarkDeleted(*root);
  }
  live = std::move(replacement);
}

}  // namespace winplat::registry
