// What converting and restoring settings needs to know about the profile page: the host
// objects, the records the page cached from the UIManager, and the page's printer, profile list
// and current settings for the profile store. The profile page implements it.
#pragma once

#include <windows.h>

#include "abi/private_blocks.h"
#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "store/page_context.h"

class SettingsContext {
 public:
  virtual ~SettingsContext() = default;

  virtual UIManager *GetUIManager() const = 0;
  // Null when the host gave none: the plug-ins' defaults are then out of reach.
  virtual DriverContext *GetDriverContext() const = 0;
  // The records the page cached from the UIManager; each may be null. The driver settings
  // record has the layout of the driver's main block.
  virtual const ModelInfoRecord *GetModelInfo() const = 0;
  virtual const pdMain *GetDriverSettings() const = 0;
  virtual const ModelCapabilitiesRecord *GetModelCapabilities() const = 0;
  // The printer, the profile list and the current DEVMODE of the page.
  virtual const ProfilePageContext &GetPageContext() const = 0;
};
