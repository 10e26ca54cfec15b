// What the profile page's storage operations need to know about the page: its printer, its
// control set, its profile list and its current settings. The page implements it.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"
#include "store/printer_identity.h"

class ProfileList;

class ProfilePageContext {
 public:
  virtual ~ProfilePageContext() = default;

  // The page's printer handle; null or INVALID_HANDLE_VALUE when the store is to open its own.
  virtual HANDLE GetPrinterHandle() const = 0;
  virtual CControlSet *GetControlSet() const = 0;
  virtual ProfileList *GetProfileList() const = 0;
  virtual bool IsClientMode() const = 0;
  virtual const DEVMODEW *GetCurrentDevMode() const = 0;
  // The identity of the page's printer, read once and lent to every store built for the page.
  virtual PrinterIdentity &GetPrinterIdentity() const = 0;
};
