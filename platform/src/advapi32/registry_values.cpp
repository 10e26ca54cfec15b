// Registry values (wide forms): query, set, delete and enumerate, with the Win32 buffer rules.
#include <winbase.h>

#include <algorithm>

#include "registry_access.h"

namespace winplat::registry {

LONG FetchValue(HKEY hKey, std::u16string_view valueName, Value &out) {
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, KEY_QUERY_VALUE, key); status != ERROR_SUCCESS) {
    return status;
  }
  const Value *value = key->FindValue(valueName);
  if (!value) {
    return ERROR_FILE_NOT_FOUND;
  }
  out = *value;
  return ERROR_SUCCESS;
}

LONG FetchValueAt(HKEY hKey, DWORD index, Value &out) {
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, KEY_QUERY_VALUE, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (index >= key->values.size()) {
    return ERROR_NO_MORE_ITEMS;
  }
  out = key->values[index];
  return ERROR_SUCCESS;
}

LONG CopyDataOut(const std::vector<BYTE> &bytes, LPBYTE data, LPDWORD cbData) {
  const auto size = static_cast<DWORD>(bytes.size());
  if (data) {
    if (*cbData < size) {
      *cbData = size;
      return ERROR_MORE_DATA;
    }
    std::copy(bytes.begin(), bytes.end(), data);
  }
  if (cbData) {
    *cbData = size;
  }
  return ERROR_SUCCESS;
}

}  // namespace winplat::registry

using namespace winplat::registry;

namespace {

std::u16string_view ViewOf(LPCWSTR text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

}  // namespace

extern "C" LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved,
                                        LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if ((lpData && !lpcbData) || lpReserved) {
    return ERROR_INVALID_PARAMETER;
  }
  Value value;
  if (const LONG status = FetchValue(hKey, ViewOf(lpValueName), value); status != ERROR_SUCCESS) {
    return status;
  }
  if (lpType) {
    *lpType = value.type;
  }
  return CopyDataOut(value.data, lpData, lpcbData);
}

extern "C" LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType,
                                      CONST BYTE *lpData, DWORD cbData) {
  if (!lpData && cbData != 0) {
    return ERROR_INVALID_PARAMETER;
  }
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS) {
    return status;
  }
  key->SetValue(ViewOf(lpValueName), dwType, std::vector<BYTE>(lpData, lpData + cbData));
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
  std::lock_guard lock(HiveMutex());
  std::shared_ptr<Key> key;
  if (const LONG status = ResolveKey(hKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS) {
    return status;
  }
  return key->DeleteValue(ViewOf(lpValueName)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

extern "C" LONG WINAPI RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName,
                                     LPDWORD lpcchValueName, LPDWORD lpReserved, LPDWORD lpType,
                                     LPBYTE lpData, LPDWORD lpcbData) {
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData)) {
    return ERROR_INVALID_PARAMETER;
  }
  Value value;
  if (const LONG status = FetchValueAt(hKey, dwIndex, value); status != ERROR_SUCCESS) {
    return status;
  }
  return CopyEnumeratedValueOut<WCHAR>(value.name, value.type, value.data, lpValueName,
                                       lpcchValueName, lpType, lpData, lpcbData);
}
