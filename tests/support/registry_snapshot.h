// The registry as a comparable text, to prove that a command changed nothing. Off Windows the
// platform layer exports its whole registry. On Windows the system's registry holds far more
// than the tests touch, and some of it moves on its own: the snapshot covers the keys the module
// and the host write (the printers' keys with their driver data, the per-user settings and the
// drivers' registration keys), each key with its values' names, types and bytes.
#pragma once

#include <string>

#include <windows.h>

#if defined(_WIN32)
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>
#else
#include <winplat/registry.h>
#endif

namespace tested_windows {

#if defined(_WIN32)
namespace registry_snapshot {

inline std::string Utf8(const std::wstring &text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

inline std::string Hex(const std::vector<BYTE> &bytes) {
  std::string out;
  char digits[4];
  for (BYTE byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", byte);
    out += digits;
  }
  return out;
}

// One line per value: `"name"=type:bytes`, sorted by name; then each subkey the same way.
inline void AppendKey(std::string &out, HKEY key, const std::wstring &path) {
  DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values,
                       &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  out += "[" + Utf8(path) + "]\n";
  std::vector<std::string> lines;
  std::vector<WCHAR> name(longestName + 1);
  std::vector<BYTE> data(longestData);
  for (DWORD index = 0; index < values; ++index) {
    DWORD nameLength = longestName + 1, type = 0, size = longestData;
    if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      continue;
    lines.push_back("\"" + Utf8(std::wstring(name.data(), nameLength)) +
                    "\"=" + std::to_string(type) + ":" +
                    Hex(std::vector<BYTE>(data.begin(), data.begin() + size)) + "\n");
  }
  std::sort(lines.begin(), lines.end());
  for (const std::string &line : lines)
    out += line;
  std::vector<std::wstring> children;
  std::vector<WCHAR> child(longestSubKey + 1);
  for (DWORD index = 0; index < subKeys; ++index) {
    DWORD length = longestSubKey + 1;
    if (RegEnumKeyExW(key, index, child.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS)
      children.emplace_back(child.data(), length);
  }
  std::sort(children.begin(), children.end());
  for (const std::wstring &name : children) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
      continue;
    AppendKey(out, opened, path + L"\\" + name);
    RegCloseKey(opened);
  }
}

}  // namespace registry_snapshot
#endif

inline std::string RegistryText() {
#if defined(_WIN32)
  const std::pair<HKEY, const wchar_t *> roots[] = {
      {HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers"},
      {HKEY_CURRENT_USER, L"Printers\\DevModePerUser"},
      {HKEY_LOCAL_MACHINE, L"SOFTWARE\\JZ"},
  };
  std::string out;
  for (const auto &[root, path] : roots) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
      out += "[" + registry_snapshot::Utf8(path) + "] absent\n";
      continue;
    }
    registry_snapshot::AppendKey(out, key, path);
    RegCloseKey(key);
  }
  return out;
#else
  return winplat::ExportRegistryText();
#endif
}

}  // namespace tested_windows
