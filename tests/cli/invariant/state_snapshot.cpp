// Reading and comparing state folders for the import invariant.
#include "state_snapshot.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace invariant {
namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A value line of the registry file: "name"=data or @=data; the name unescaped.
bool SplitValue(const std::string &line, std::string *name, std::string *data) {
  if (line.rfind("@=", 0) == 0) {
    *name = "@";
    *data = line.substr(2);
    return true;
  }
  if (line.empty() || line[0] != '"')
    return false;
  name->clear();
  size_t i = 1;
  for (; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size())
      ++i;
    name->push_back(line[i]);
  }
  if (i + 1 >= line.size() || line[i + 1] != '=')
    return false;
  *data = line.substr(i + 2);
  return true;
}

std::map<std::string, std::map<std::string, std::string>> ReadRegistry(const fs::path &file) {
  std::map<std::string, std::map<std::string, std::string>> keys;
  std::istringstream text(ReadWhole(file));
  std::string line, logical, key;
  while (std::getline(text, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    logical += line;
    if (!logical.empty() && logical.back() == '\\' && logical[0] != '[') {
      logical.pop_back();
      continue;
    }
    std::string name, data;
    if (logical.size() > 2 && logical[0] == '[' && logical.back() == ']')
      keys[key = logical.substr(1, logical.size() - 2)];
    else if (SplitValue(logical, &name, &data))
      keys[key][name] = data;
    logical.clear();
  }
  return keys;
}

// JZP_0001 or JZP_0001_<value>: the profile number.
bool ProfileValue(const std::string &name, std::string *number, std::string *value) {
  static const std::regex pattern("JZP_([0-9]{4})(_(.*))?");
  std::smatch match;
  if (!std::regex_match(name, match, pattern))
    return false;
  *number = match[1];
  *value = match[3];
  return true;
}

bool PlainName(const std::string &name) {
  for (unsigned char c : name)
    if (c < 0x20 || c == '\\' || c == '/' || c == ':')
      return false;
  return true;
}

std::set<std::string> ProfileNumbers(const std::map<std::string, std::string> &values) {
  std::set<std::string> numbers;
  std::string number, value;
  for (const auto &[name, data] : values)
    if (ProfileValue(name, &number, &value))
      numbers.insert(number);
  return numbers;
}

bool AllowedValue(const std::string &name, const std::set<std::string> &oldNumbers) {
  if (name == "JzProfileCount" || name == "JzProfileData")
    return true;
  std::string number, value;
  return ProfileValue(name, &number, &value) && !oldNumbers.count(number) && PlainName(value);
}

void CompareKey(const std::string &key, const std::map<std::string, std::string> &before,
                const std::map<std::string, std::string> &after, bool printerData,
                std::vector<std::string> *changes) {
  const std::set<std::string> oldNumbers = ProfileNumbers(before);
  std::set<std::string> names;
  for (const auto &[name, data] : before)
    names.insert(name);
  for (const auto &[name, data] : after)
    names.insert(name);
  for (const std::string &name : names) {
    auto was = before.find(name), is = after.find(name);
    if (was != before.end() && is != after.end() && was->second == is->second)
      continue;
    if (printerData && AllowedValue(name, oldNumbers))
      continue;
    changes->push_back("[" + key + "] \"" + name + "\" " +
                       (was == before.end() ? "added"
                        : is == after.end() ? "removed"
                                            : "changed"));
  }
}

}  // namespace

StateSnapshot TakeSnapshot(const std::string &stateFolder) {
  StateSnapshot snapshot;
  snapshot.registry = ReadRegistry(fs::path(stateFolder) / "registry.reg");
  for (const fs::directory_entry &entry : fs::recursive_directory_iterator(stateFolder)) {
    const std::string path = fs::relative(entry.path(), stateFolder).generic_string();
    if (entry.is_directory())
      snapshot.files[path + "/"] = "(folder)";
    else if (!entry.is_regular_file())
      snapshot.files[path] = "(not a file)";
    else if (path != "registry.reg" && path != "registry.lock")
      snapshot.files[path] = ReadWhole(entry.path());
  }
  return snapshot;
}

std::vector<std::string> ForbiddenChanges(const StateSnapshot &before, const StateSnapshot &after,
                                          const std::string &printerDataKey,
                                          const std::string &sideFilePrefix) {
  std::vector<std::string> changes;
  static const std::map<std::string, std::string> kNone;
  std::set<std::string> keys;
  for (const auto &[key, values] : before.registry)
    keys.insert(key);
  for (const auto &[key, values] : after.registry)
    keys.insert(key);
  for (const std::string &key : keys) {
    auto was = before.registry.find(key), is = after.registry.find(key);
    if (was == before.registry.end() || is == after.registry.end()) {
      changes.push_back("[" + key + "] " + (is == after.registry.end() ? "removed" : "added"));
      continue;
    }
    CompareKey(key, was->second, is->second, key == printerDataKey, &changes);
  }

  std::set<std::string> oldNumbers;
  const std::string sidePattern = sideFilePrefix + "JZP_";
  for (const auto &[path, bytes] : before.files)
    if (path.rfind(sidePattern, 0) == 0)
      oldNumbers.insert(path.substr(sidePattern.size(), 4));
  for (const auto &[path, bytes] : after.files) {
    auto was = before.files.find(path);
    if (was != before.files.end() && was->second == bytes)
      continue;
    std::string number, value;
    const bool sideFile = path.rfind(sideFilePrefix, 0) == 0 &&
                          ProfileValue(path.substr(sideFilePrefix.size()), &number, &value) &&
                          !oldNumbers.count(number) && PlainName(value);
    if (!sideFile)
      changes.push_back("file " + path + (was == before.files.end() ? " added" : " changed"));
  }
  for (const auto &[path, bytes] : before.files)
    if (!after.files.count(path))
      changes.push_back("file " + path + " removed");
  return changes;
}

}  // namespace invariant
