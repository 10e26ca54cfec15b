// The host side of a control set: the host obtains the module's control set, hands it the
// session's DriverContext and UIManager, lets it check its private data and collects its pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/printer_session.h"
#include "abi/host_interfaces.h"

namespace host {

class PropertySheet {
 public:
  // Takes ownership of a control set the module created.
  PropertySheet(PrinterSession &session, CControlSet *controlSet);
  ~PropertySheet();
  PropertySheet(const PropertySheet &) = delete;
  PropertySheet &operator=(const PropertySheet &) = delete;

  CControlSet *controlSet() const { return controlSet_; }
  // The pages the control set offers for both document and printer settings, in order.
  const std::vector<CPage *> &pages() const { return pages_; }

 private:
  PrinterSession &session_;
  CControlSet *controlSet_;
  std::vector<CPage *> pages_;
};

// Asks the module for a class by name, as the host registered it; null when it refuses.
CControlSet *CreateControlSet(GetClassProc getClass, LPCSTR className);

}  // namespace host
