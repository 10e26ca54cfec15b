// Where the driver keeps the registrations of its plug-in modules: one 160-byte
// ModuleRegistryEntry per value "FeatureSet<n>" under the driver's key.
#pragma once

#include <windows.h>

#include <string>

#include "abi/registration_records.h"

namespace host {

class RegistrationStore {
 public:
  explicit RegistrationStore(std::u16string driverName);

  // The registry path under HKEY_LOCAL_MACHINE.
  const std::u16string &keyPath() const { return keyPath_; }
  bool Read(LPCSTR valueName, ModuleRegistryEntry *entry) const;
  bool Write(LPCSTR valueName, const ModuleRegistryEntry &entry) const;
  bool Delete(LPCSTR valueName) const;

 private:
  std::u16string keyPath_;
};

}  // namespace host
