// Registry key handles: creating, opening, closing, enumerating and deleting keys (wide forms),
// with the access rights of each handle remembered and checked.
#include <winbase.h>

#include <map>

#include "registry_access.h"
#include "winplat/registry.h"

namespace winplat::registry {
namespace {

constexpr REGSAM kMaximumAllowed = 0x02000000;

struct OpenKey {
  std::shared_ptr<Key> key;
  REGSAM access;
};

// Handle values count up from here in steps of 4 and are never reused within a process, so a
// stale handle cannot reach a key opened later.
constexpr ULONG_PTR kFirstHandle = 0x00A10000;

struct HandleTable {
  std::map<ULONG_PTR, OpenKey> keys;
  ULONG_PTR next = kFirstHandle;
};

HandleTable &Handles() {
  static HandleTable table;
  return table;
}

int RootIndexOf(HKEY hKey) {
  for (size_t i = 0; i < kRoots.size(); ++i) {
    if (kRoots[i].handle == hKey) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

REGSAM MapGenericRights(REGSAM desired) {
  REGSAM mapped =
      desired & ~(GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL | kMaximumAllowed);
  if (desired & GENERIC_READ) {
    mapped |= KEY_READ;
  }
  if (desired & GENERIC_WRITE) {
    mapped |= KEY_WRITE;
  }
  if (desired & GENERIC_EXECUTE) {
    mapped |= KEY_EXECUTE;
  }
  if (desired & (GENERIC_ALL | kMaximumAllowed)) {
    mapped |= KEY_ALL_ACCESS;
  }
  return mapped;
}

HKEY NewHandle(std::shared_ptr<Key> key, REGSAM desired) {
  HandleTable &table = Handles();
  const ULONG_PTR value = table.next;
  table.next += 4;
  table.keys.emplace(value, OpenKey{std::move(key), MapGenericRights(desired)});
  return reinterpret_cast<HKEY>(value);
}

// Follows an existing path below a key; ERROR_FILE_NOT_FOUND when a part is missing.
LONG Walk(std::shared_ptr<Key> key, std::u16string_view path, std::shared_ptr<Key> &found) {
  std::vector<std::u16string_view> parts;
  if (!SplitPath(path, parts)) {
    return ERROR_BAD_PATHNAME;
  }
  for (const auto part : parts) {
    key = key->FindSubkey(part);
    if (!key) {
      return ERROR_FILE_NOT_FOUND;
    }
  }
  found = std::move(key);
  return ERROR_SUCCESS;
}

std::u16string_view ViewOf(LPCWSTR text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

}  // namespace

LONG ResolveKey(HKEY hKey, REGSAM needed, std::shared_ptr<Key> &key) {
  REGSAM granted = KEY_ALL_ACCESS;
  if (const int root = RootIndexOf(hKey); root >= 0) {
    key = LiveHive().roots[root];
  } else {
    const auto &keys = Handles().keys;
    const auto found = keys.find(reinterpret_cast<ULONG_PTR>(hKey));
    if (found == keys.end()) {
      return ERROR_INVALID_HANDLE;
    }
    key = found->second.key;
    granted = found->second.access;
  }
  if (key->deleted) {
    return ERROR_KEY_DELETED;
  }
  return (granted & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG FetchSubkeyAt(HKEY hKey, DWORD index, std::u16string &name, FILETIME &lastWrite) {
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, KEY_ENUMERATE_SUB_KEYS, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (index >= key->subkeys.size()) {
    return ERROR_NO_MORE_ITEMS;
  }
  name = key->subkeys[index]->name;
  lastWrite = key->subkeys[index]->lastWrite;
  return ERROR_SUCCESS;
}

}  // namespace winplat::registry

using namespace winplat::registry;

extern "C" LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD dwOptions,
                                       REGSAM samDesired, LPSECURITY_ATTRIBUTES, PHKEY phkResult,
                                       LPDWORD lpdwDisposition) {
  if (!phkResult) {
    return ERROR_INVALID_PARAMETER;
  }
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, 0, key); status != ERROR_SUCCESS) {
    return status;
  }
  std::vector<std::u16string_view> parts;
  if (!SplitPath(ViewOf(lpSubKey), parts)) {
    return ERROR_BAD_PATHNAME;
  }
  size_t existing = 0;
  for (; existing < parts.size(); ++existing) {
    auto subkey = key->FindSubkey(parts[existing]);
    if (!subkey) {
      break;
    }
    key = std::move(subkey);
  }
  const bool makeVolatile = (dwOptions & REG_OPTION_VOLATILE) != 0;
  // Opening a key that exists takes no right on the handle; creating one takes
  // KEY_CREATE_SUB_KEY.
  if (existing < parts.size()) {
    std::shared_ptr<Key> handleKey;
    if (ResolveKey(hKey, KEY_CREATE_SUB_KEY, handleKey) != ERROR_SUCCESS) {
      return ERROR_ACCESS_DENIED;
    }
    if (key->isVolatile && !makeVolatile) {
      return ERROR_CHILD_MUST_BE_VOLATILE;
    }
  }
  for (size_t i = existing; i < parts.size(); ++i) {
    bool created = false;
    key = key->AddSubkey(parts[i], makeVolatile, created);
  }
  if (lpdwDisposition) {
    *lpdwDisposition = existing < parts.size() ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  }
  *phkResult = NewHandle(std::move(key), samDesired);
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired,
                                     PHKEY phkResult) {
  if (!phkResult) {
    return ERROR_INVALID_PARAMETER;
  }
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, 0, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (const LONG status = Walk(key, ViewOf(lpSubKey), key); status != ERROR_SUCCESS) {
    return status;
  }
  *phkResult = NewHandle(std::move(key), samDesired);
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegCloseKey(HKEY hKey) {
  if (RootIndexOf(hKey) >= 0) {
    return ERROR_SUCCESS;
  }
  std::lock_guard lock(HiveMutex());
  return Handles().keys.erase(reinterpret_cast<ULONG_PTR>(hKey)) ? ERROR_SUCCESS
                                                                 : ERROR_INVALID_HANDLE;
}

extern "C" LONG WINAPI RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName,
                                     LPDWORD lpReserved, LPWSTR lpClass, LPDWORD lpcchClass,
                                     PFILETIME lpftLastWriteTime) {
  if (!lpName || !lpcchName || lpReserved) {
    return ERROR_INVALID_PARAMETER;
  }
  std::u16string name;
  FILETIME lastWrite{};
  if (const LONG status = FetchSubkeyAt(hKey, dwIndex, name, lastWrite); status != ERROR_SUCCESS) {
    return status;
  }
  return CopyEnumeratedKeyOut<WCHAR>(name, lastWrite, lpName, lpcchName, lpClass, lpcchClass,
                                     lpftLastWriteTime);
}

extern "C" LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
  if (!lpSubKey) {
    return ERROR_INVALID_PARAMETER;
  }
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  // An empty subkey name deletes the key of the handle itself, which takes DELETE access.
  const REGSAM needed = *lpSubKey ? 0 : DELETE;
  if (const LONG status = ResolveKey(hKey, needed, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (const LONG status = Walk(key, lpSubKey, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (!key->parent || !key->subkeys.empty()) {
    return ERROR_ACCESS_DENIED;  // a root, or a key that still has subkeys
  }
  key->parent->RemoveSubkey(key->name);
  return ERROR_SUCCESS;
}

void winplat::ResetRegistry() {
  std::lock_guard lock(HiveMutex());
  ReplaceLiveHive(Hive());
}
