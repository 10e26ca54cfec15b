// The host objects that a printer session hands to the module.
#pragma once

#include <memory>

#include "abi/host_interfaces.h"

namespace host {

class PrinterSession;

BoundaryPtr<UIManager> MakeUIManager(PrinterSession &session);
BoundaryPtr<DriverContext> MakeDriverContext(PrinterSession &session);
BoundaryPtr<UIClassHost> MakeUIClassHost(UIManager *manager);

}  // namespace host
