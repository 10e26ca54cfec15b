// What the profile page's storage operations need to know about the page: its printer, its
// control set, its profile list and its current settings. The page implements it.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"
#include "store/devmode_size_cache.h"
#include "store/text_policy.h"

class ProfileList;

class ProfilePageContext {
 public:
  virtual ~ProfilePageContext() = default;

  // The page's platform and the code page of its texts. On the ANSI platform the printer name
  // is used in its ANSI form.
  virtual const TextPolicy &Text() const = 0;
  virtual LPCSTR GetPrinterNameA() const = 0;
  virtual LPCWSTR GetPrinterNameW() const = 0;
  // The page's printer handle; null or INVALID_HANDLE_VALUE when the store is to open its own.
  virtual HANDLE GetPrinterHandle() const = 0;
  virtual CControlSet *GetControlSet() const = 0;
  virtual ProfileList *GetProfileList() const = 0;
  virtual bool IsClientMode() const = 0;
  virtual const DEVMODEW *GetCurrentDevMode() const = 0;
  // The page's cache of the driver's DEVMODE size, shared by every store built for the page.
  virtual DriverDevModeSizeCache *GetDriverDevModeSizeCache() const = 0;
};
