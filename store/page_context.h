// What the module's layers need to know about the profile page: the host objects, the page's
// language, direction and text policy, the host records it caches, its printer, its profile
// list and current settings, and the restoration of a stored DEVMODE onto the current printer.
// The profile page implements it; the store, the settings conversion and restoration, and the
// descriptions of settings take it.
#pragma once

#include <windows.h>

#include <vector>

#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "abi/private_blocks.h"
#include "store/printer_identity.h"
#include "store/text_policy.h"

class ProfileList;

class ProfilePageContext {
 public:
  virtual ~ProfilePageContext() = default;

  virtual UIManager *GetUIManager() const = 0;
  // Null when the host gave none: the plug-ins' defaults are then out of reach.
  virtual DriverContext *GetDriverContext() const = 0;
  virtual CControlSet *GetControlSet() const = 0;

  // The 16-bit language code in use; its low byte chooses texts and rules.
  virtual WORD GetLanguage() const = 0;
  virtual bool IsRightToLeft() const = 0;
  // The page's platform and the code page of every ANSI text of the page.
  virtual const TextPolicy &Text() const = 0;

  // The page's printer handle; null or INVALID_HANDLE_VALUE when a store is to open its own.
  virtual HANDLE GetPrinterHandle() const = 0;
  // The identity of the page's printer, read once and lent to every store built for the page.
  virtual PrinterIdentity &GetPrinterIdentity() const = 0;
  virtual bool IsClientMode() const = 0;
  virtual ProfileList *GetProfileList() const = 0;

  // The current public DEVMODE and the records the page cached from the UIManager; each may be
  // null. The driver settings record has the layout of the driver's main block.
  virtual const DEVMODEW *GetCurrentDevMode() const = 0;
  virtual const pdMain *GetDriverSettings() const = 0;
  virtual const ModelInfoRecord *GetModelInfo() const = 0;
  virtual const ModelCapabilitiesRecord *GetModelCapabilities() const = 0;

  // Brings a stored DEVMODE onto the current printer's lists and plug-in blocks. The buffer
  // holds at least the current DEVMODE's size.
  virtual void RestoreDevMode(DEVMODEW *devMode, int regNum, bool restoreMedia) = 0;
  // The default DEVMODE as the page's stores know it: the stored "Factory Default" settings,
  // else the printer's own default, in the driver's DEVMODE size; zero bytes when neither can
  // be had.
  virtual std::vector<BYTE> ReadDefaultDevMode() const;
};
