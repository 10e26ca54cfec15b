// The host objects that a printer session hands to the module.
#pragma once

#include <memory>

#include "module/host_interfaces.h"

namespace host {

class PrinterSession;

std::unique_ptr<UIManager> MakeUIManager(PrinterSession &session);
std::unique_ptr<DriverContext> MakeDriverContext(PrinterSession &session);
std::unique_ptr<UIClassHost> MakeUIClassHost(UIManager *manager);

}  // namespace host
