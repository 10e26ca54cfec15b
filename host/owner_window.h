// The driver user interface's own top-level window: the owner under which the host runs the
// module's stand-alone dialogs (RunProfile) and the window the session names to the module as
// its notify window. When the module reports that it applied a profile, the window stores the
// session's current settings as the printer's.
#pragma once

#include <windows.h>

#include "host/printer_session.h"

namespace host {

class OwnerWindow {
 public:
  explicit OwnerWindow(PrinterSession &session);
  ~OwnerWindow();
  OwnerWindow(const OwnerWindow &) = delete;
  OwnerWindow &operator=(const OwnerWindow &) = delete;

  // Null when the window could not be created.
  HWND handle() const { return window_; }

 private:
  PrinterSession &session_;
  HWND window_;
};

}  // namespace host
