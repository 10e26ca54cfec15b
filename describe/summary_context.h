// What the settings summary needs to know about the profile page: the host's UIManager, the
// page's language, direction and text policy, the host records the page keeps, its storage
// context, and the restoration of a stored DEVMODE onto the current printer. The page
// implements it and forwards RestoreDevMode to its own.
#pragma once

#include <windows.h>

#include <vector>

#include "abi/private_blocks.h"
#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "store/page_context.h"
#include "store/text_policy.h"
#include "abi/profile_records.h"

class SummaryContext {
 public:
  virtual ~SummaryContext() = default;

  virtual UIManager *GetUIManager() const = 0;
  // The 16-bit language code in use; its low byte chooses texts and rules.
  virtual WORD GetLanguage() const = 0;
  virtual bool IsRightToLeft() const = 0;
  // The page's platform and the code page of every ANSI text of the page.
  virtual const TextPolicy &Text() const = 0;
  // The page's current private settings (the driver's main block), public DEVMODE, model
  // record and model capabilities record; each may be null.
  virtual const pdMain *GetDriverSettings() const = 0;
  virtual const DEVMODEW *GetCurrentDevMode() const = 0;
  virtual const ModelInfoRecord *GetModelInfo() const = 0;
  virtual const ModelCapabilitiesRecord *GetModelCapabilities() const = 0;
  // The page as its storage operations see it.
  virtual const ProfilePageContext &GetStorePage() const = 0;

  // Brings a stored DEVMODE onto the current printer's lists and plug-in blocks. The buffer
  // holds at least the current DEVMODE's size.
  virtual void RestoreDevMode(DEVMODEW *devMode, int regNum, bool restoreMedia) = 0;

  // The profile's stored "Default DevMode" as the page reads it; empty when it has none.
  virtual std::vector<BYTE> ReadProfileDevMode(const ProfileHeader &header) const;
  // The driver's default DEVMODE through a store for the page's printer (the stored
  // "Factory Default" settings, else the printer's); empty when none can be had.
  virtual std::vector<BYTE> ReadDefaultDevMode() const;
};
