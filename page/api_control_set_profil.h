// The page's interface class toward the code that works through the page: the host's CPage
// and the page's own helpers that do not depend on the page's state.
#pragma once

#include <windows.h>

#include "apply/plugin_walk.h"
#include "module/host_interfaces.h"

class ApiControlSetProfil : public CPage {
 public:
  // The block `blockId` of the DEVMODE's private chain, or null; the page's state plays no part.
  static PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId) {
    return ::GetPlugInAddr(devMode, blockId);
  }
};
