// The machine behind the host on Windows: the system itself. The demo printers are installed
// through its spooler the first time, and a named mutex keeps two hosts from changing them at
// once.
#include "host/machine.h"

#include <windows.h>

#include <iostream>

#include "abi/wide.h"

#include "host/demo_state.h"
#include "host/win32_handles.h"

namespace host {
namespace {

constexpr WCHAR kLockName[] = WSTR("Local\\prfhost-demo-machine");

bool DemoPrintersInstalled() {
  return PrinterHandle::Open(kColorPrinterName, PRINTER_ACCESS_USE).get() != nullptr;
}

}  // namespace

Machine::~Machine() {
  if (lock_) {
    ReleaseMutex(lock_);
    CloseHandle(lock_);
  }
}

bool Machine::Lock(std::string *error) {
  lock_ = CreateMutexW(nullptr, FALSE, kLockName);
  if (!lock_) {
    *error = "cannot create the machine's lock (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  DWORD waited = WaitForSingleObject(lock_, 0);
  if (waited == WAIT_TIMEOUT) {
    std::cerr << "waiting for another program using the demo printers\n";
    waited = WaitForSingleObject(lock_, INFINITE);
  }
  // A mutex left by a program that ended without releasing it is ours now.
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
    return true;
  *error = "cannot take the machine's lock (error " + std::to_string(GetLastError()) + ")";
  CloseHandle(lock_);
  lock_ = nullptr;
  return false;
}

bool Machine::Start(const MachineOptions &options, std::string *error) {
  options_ = options;
  if (!Lock(error))
    return false;
  if (DemoPrintersInstalled())
    return true;
  if (!InstallDemoMachine(error) || !StoreBuiltInProfiles(error))
    return false;
  createdNow_ = true;
  return true;
}

bool Machine::Save(std::string * /*error*/) {
  return true;
}

}  // namespace host
