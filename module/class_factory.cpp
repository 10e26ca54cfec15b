// The class factory behind GetClass.
#include "module/class_factory.h"

#include <stdio.h>
#include <string.h>

#include <new>

#include "module/control_set_profil.h"
#include "module/cprofil.h"
#include "abi/host_interfaces.h"
#include "module/module_state.h"

namespace {

// The module's own version in the mismatch message, on the host's scale (interface / 100).
constexpr double kModuleVersion = 0.14;

void ReportVersionMismatch(int interfaceVersion) {
  char text[128];
  snprintf(text, sizeof text, "Driver Version:\t%.2f\nModule Version:\t%.2f",
           interfaceVersion / 100.0, kModuleVersion);
  MessageBoxA(nullptr, text, "Driver version mismatch!", MB_ICONHAND);
}

void *CreateByName(LPCSTR className) {
  if (className == nullptr)
    return nullptr;
  if (_stricmp(className, "CProfil") == 0) {
    CUIModule *profil = new (std::nothrow) CProfil();
    if (profil != nullptr)
      return profil;
  }
  if (_stricmp(className, "CControlSetProfil") == 0) {
    CControlSet *controlSet = new (std::nothrow) CControlSetProfil(GetModuleInstance());
    return controlSet;
  }
  return nullptr;
}

}  // namespace

void *CreateModuleClass(LPCSTR className, int interfaceVersion) {
  try {
    if (interfaceVersion != HOST_INTERFACE_VERSION) {
      ReportVersionMismatch(interfaceVersion);
      return nullptr;
    }
    return CreateByName(className);
  } catch (...) {
    MessageBoxA(nullptr, "VtProfil.dll", "Caught any exception!", MB_ICONHAND);
    return nullptr;
  }
}
