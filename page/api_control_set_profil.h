// The page's interface class toward the code that works through the page: the host's CPage
// and the page's own helpers that do not depend on the page's state.
#pragma once

#include <windows.h>

#include "abi/devmode_view.h"
#include "abi/host_interfaces.h"

class ApiControlSetProfil : public CPage {
 public:
  // The page's own slot after the host's 30: false when a buffer is missing; else the host
  // string (260 characters) in `wide` and, converted with the page's code page, in `text`.
  virtual bool LoadPageString(UINT stringId, LPWSTR wide, LPSTR text) = 0;  // 30

  // The block `blockId` of the DEVMODE's private chain, or null; the page's state plays no part.
  static PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId) {
    return ::GetPlugInAddr(devMode, blockId);
  }

 protected:
  ~ApiControlSetProfil() = default;
};
