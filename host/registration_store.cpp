// Registration entries kept as binary registry values.
#include "host/registration_store.h"

#include "abi/wide.h"
#include "host/win32_handles.h"

namespace host {

RegistrationStore::RegistrationStore(WideString driverName)
    : keyPath_(WSTR("SOFTWARE\\JZ\\PrinterUI\\") + driverName) {}

bool RegistrationStore::Read(LPCSTR valueName, ModuleRegistryEntry *entry) const {
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE, keyPath_, KEY_QUERY_VALUE);
  if (!key)
    return false;
  ModuleRegistryEntry read{};
  DWORD type = 0, size = sizeof read;
  LSTATUS status = RegQueryValueExA(key.get(), valueName, nullptr, &type,
                                    reinterpret_cast<BYTE *>(&read), &size);
  if (status != ERROR_SUCCESS || type != REG_BINARY || size != sizeof read)
    return false;
  *entry = read;
  return true;
}

bool RegistrationStore::Write(LPCSTR valueName, const ModuleRegistryEntry &entry) const {
  RegKey key = RegKey::Create(HKEY_LOCAL_MACHINE, keyPath_, KEY_SET_VALUE);
  return key &&
         RegSetValueExA(key.get(), valueName, 0, REG_BINARY, reinterpret_cast<const BYTE *>(&entry),
                        sizeof entry) == ERROR_SUCCESS;
}

bool RegistrationStore::Delete(LPCSTR valueName) const {
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE, keyPath_, KEY_SET_VALUE);
  return key && RegDeleteValueA(key.get(), valueName) == ERROR_SUCCESS;
}

}  // namespace host
