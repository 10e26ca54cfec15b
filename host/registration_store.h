// Where the driver keeps the registrations of its plug-in modules: one 160-byte
// ModuleRegistryEntry per value "FeatureSet<n>" under the driver's key.
#pragma once

#include <windows.h>

#include <string>

#include "abi/wide.h"
#include "abi/registration_records.h"

namespace host {

class RegistrationStore {
 public:
  explicit RegistrationStore(WideString driverName);

  // The registry path under HKEY_LOCAL_MACHINE.
  const WideString &keyPath() const { return keyPath_; }
  bool Read(LPCSTR valueName, ModuleRegistryEntry *entry) const;
  bool Write(LPCSTR valueName, const ModuleRegistryEntry &entry) const;
  bool Delete(LPCSTR valueName) const;

 private:
  WideString keyPath_;
};

}  // namespace host
