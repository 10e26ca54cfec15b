// The ANSI registry functions: names go through CP_ACP, and so does the data of REG_SZ,
// REG_EXPAND_SZ and REG_MULTI_SZ values, which the hive keeps in UTF-16.
#include <winbase.h>

#include "registry_access.h"
#include "registry_text.h"

using namespace winplat::registry;

namespace {

// Keeps a converted name alive for the call to the wide function; null stays null.
class WideName {
 public:
  explicit WideName(LPCSTR name) : isNull_(name == nullptr) {
    if (name) {
      text_ = AnsiToWide(name);
    }
  }
  LPCWSTR get() const { return isNull_ ? nullptr : text_.c_str(); }
  std::u16string_view view() const { return text_; }

 private:
  bool isNull_;
  std::u16string text_;
};

std::vector<BYTE> AsCallerSees(const Value &value) {
  return IsStringType(value.type) ? WideDataToAnsi(value.data) : value.data;
}

}  // namespace

extern "C" LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR,
                                       DWORD dwOptions, REGSAM samDesired,
                                       LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                                       LPDWORD lpdwDisposition) {
  const WideName subKey(lpSubKey);
  return RegCreateKeyExW(hKey, subKey.get(), Reserved, nullptr, dwOptions, samDesired,
                         lpSecurityAttributes, phkResult, lpdwDisposition);
}

extern "C" LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                     PHKEY phkResult) {
  const WideName subKey(lpSubKey);
  return RegOpenKeyExW(hKey, subKey.get(), ulOptions, samDesired, phkResult);
}

extern "C" LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  const WideName subKey(lpSubKey);
  return RegDeleteKeyW(hKey, subKey.get());
}

extern "C" LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  const WideName valueName(lpValueName);
  return RegDeleteValueW(hKey, valueName.get());
}

extern "C" LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                                      CONST BYTE *lpData, DWORD cbData) {
  if (!lpData && cbData != 0) {
    return ERROR_INVALID_PARAMETER;
  }
  const WideName valueName(lpValueName);
  if (!IsStringType(dwType)) {
    return RegSetValueExW(hKey, valueName.get(), Reserved, dwType, lpData, cbData);
  }
  const std::vector<BYTE> wide = AnsiDataToWide(lpData, cbData);
  return RegSetValueExW(hKey, valueName.get(), Reserved, dwType, wide.data(),
                        static_cast<DWORD>(wide.size()));
}

extern "C" LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved,
                                        LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if ((lpData && !lpcbData) || lpReserved) {
    return ERROR_INVALID_PARAMETER;
  }
  const WideName valueName(lpValueName);
  Value value;
  if (const LONG status = FetchValue(hKey, valueName.view(), value); status != ERROR_SUCCESS) {
    return status;
  }
  if (lpType) {
    *lpType = value.type;
  }
  return CopyDataOut(AsCallerSees(value), lpData, lpcbData);
}

extern "C" LONG WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName,
                                     LPDWORD lpcchValueName, LPDWORD lpReserved, LPDWORD lpType,
                                     LPBYTE lpData, LPDWORD lpcbData) {
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData)) {
    return ERROR_INVALID_PARAMETER;
  }
  Value value;
  if (const LONG status = FetchValueAt(hKey, dwIndex, value); status != ERROR_SUCCESS) {
    return status;
  }
  const std::string name = WideToAnsi(value.name);
  return CopyEnumeratedValueOut<char>(name, value.type, AsCallerSees(value), lpValueName,
                                      lpcchValueName, lpType, lpData, lpcbData);
}

extern "C" LONG WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName,
                                     LPDWORD lpReserved, LPSTR lpClass, LPDWORD lpcchClass,
                                     PFILETIME lpftLastWriteTime) {
  if (!lpName || !lpcchName || lpReserved) {
    return ERROR_INVALID_PARAMETER;
  }
  std::u16string wideName;
  FILETIME lastWrite{};
  if (const LONG status = FetchSubkeyAt(hKey, dwIndex, wideName, lastWrite);
      status != ERROR_SUCCESS) {
    return status;
  }
  const std::string name = WideToAnsi(wideName);
  return CopyEnumeratedKeyOut<char>(name, lastWrite, lpName, lpcchName, lpClass, lpcchClass,
                                    lpftLastWriteTime);
}
