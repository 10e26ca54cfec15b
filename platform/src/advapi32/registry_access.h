// What the wide and ANSI registry functions share: handle lookup with access checks, copies of
// values and subkey names taken under the hive lock, and the Win32 rules for handing data and
// names to the caller's buffers.
#pragma once

#include <winbase.h>

#include <string>
#include <string_view>
#include <vector>

#include "registry_hive.h"

namespace winplat::registry {

// The key behind an open handle or a predefined root, checked for the access rights needed.
// ERROR_INVALID_HANDLE, ERROR_KEY_DELETED or ERROR_ACCESS_DENIED otherwise. Caller holds
// HiveMutex().
LONG ResolveKey(HKEY hKey, REGSAM needed, std::shared_ptr<Key> &key);

// A copy of the value with that name (empty or null name: the default value). Needs
// KEY_QUERY_VALUE; a missing value is ERROR_FILE_NOT_FOUND.
LONG FetchValue(HKEY hKey, std::u16string_view valueName, Value &out);
// A copy of the value at that index in creation order; past the end: ERROR_NO_MORE_ITEMS.
LONG FetchValueAt(HKEY hKey, DWORD index, Value &out);
// The subkey at that index in sorted order. Needs KEY_ENUMERATE_SUB_KEYS.
LONG FetchSubkeyAt(HKEY hKey, DWORD index, std::u16string &name, FILETIME &lastWrite);

// RegQueryValueEx's contract: no buffer reports the size, a short buffer is ERROR_MORE_DATA
// with the size needed, otherwise the data is copied and its size reported.
LONG CopyDataOut(const std::vector<BYTE> &bytes, LPBYTE data, LPDWORD cbData);

// RegEnumValue's and RegEnumKeyEx's contract for names: *cch counts the terminator on input
// and not on output; a buffer without room for the terminator is ERROR_MORE_DATA, unchanged.
template <typename Char>
LONG CopyNameOut(std::basic_string_view<Char> name, Char *buffer, LPDWORD cch) {
  if (name.size() >= *cch) {
    return ERROR_MORE_DATA;
  }
  name.copy(buffer, name.size());
  buffer[name.size()] = 0;
  *cch = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// The rest of RegEnumValue once the value is known, in the caller's character set: a short name
// buffer is ERROR_MORE_DATA with the data size reported; then the data as CopyDataOut.
template <typename Char>
LONG CopyEnumeratedValueOut(std::basic_string_view<Char> name, DWORD type,
                            const std::vector<BYTE> &bytes, Char *nameBuffer, LPDWORD cchName,
                            LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (lpType) {
    *lpType = type;
  }
  if (const LONG status = CopyNameOut(name, nameBuffer, cchName); status != ERROR_SUCCESS) {
    if (lpcbData) {
      *lpcbData = static_cast<DWORD>(bytes.size());
    }
    return status;
  }
  return CopyDataOut(bytes, lpData, lpcbData);
}

// The rest of RegEnumKeyEx once the subkey is known. Keys here have no class: an empty one is
// reported when asked for.
template <typename Char>
LONG CopyEnumeratedKeyOut(std::basic_string_view<Char> name, const FILETIME &lastWrite,
                          Char *nameBuffer, LPDWORD cchName, Char *classBuffer, LPDWORD cchClass,
                          PFILETIME lpftLastWriteTime) {
  if (classBuffer && cchClass && *cchClass == 0) {
    return ERROR_MORE_DATA;
  }
  if (const LONG status = CopyNameOut(name, nameBuffer, cchName); status != ERROR_SUCCESS) {
    return status;
  }
  if (classBuffer) {
    classBuffer[0] = 0;
  }
  if (cchClass) {
    *cchClass = 0;
  }
  if (lpftLastWriteTime) {
    *lpftLastWriteTime = lastWrite;
  }
  return ERROR_SUCCESS;
}

}  // namespace winplat::registry
