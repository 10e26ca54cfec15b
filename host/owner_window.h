// The driver user interface's own top-level window, the owner under which the host runs the
// module's stand-alone dialogs (RunProfile).
#pragma once

#include <windows.h>

namespace host {

class OwnerWindow {
 public:
  OwnerWindow();
  ~OwnerWindow();
  OwnerWindow(const OwnerWindow &) = delete;
  OwnerWindow &operator=(const OwnerWindow &) = delete;

  // Null when the window could not be created.
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

}  // namespace host
