// The DriverContext and UIClassHost the host hands to the module.
#include <cstring>

#include "host/host_objects.h"
#include "host/printer_session.h"
#include "host/system_version.h"

namespace host {
namespace {

class HostDriverContext final : public DriverContext {
 public:
  explicit HostDriverContext(PrinterSession &session) : session_(session) {}
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }

  // The module has replaced the current settings and written data sets back: the host takes
  // the printer's data sets as they are now.
  void RefreshSettings() override {
    ++session_.events().refreshSettings;
    session_.AdoptRestoredDataSets();
  }

  HWND GetNotifyWindow() override { return session_.notifyWindow(); }

  int GetPlatform() override {
    if (IsAnsiPlatform())
      return HOST_PLATFORM_ANSI;
    return IsNt4() ? HOST_PLATFORM_NT4 : HOST_PLATFORM_NT5;
  }

  bool IsAdministrator() override { return session_.options().administrator; }

  // Plug-in defaults: what = block identifier, mode 1, answers the block's size and copies the
  // block when a buffer is given. Output bins: what 5, mode 1001, maps a bin identifier.
  int QueryDriver(int what, void *buffer, int mode) override {
    if (what == QUERY_OUTPUT_BIN && mode == QUERY_OUTPUT_BIN_MAP) {
      if (!buffer)
        return 0;
      DWORD identifier;
      std::memcpy(&identifier, buffer, sizeof identifier);
      if (!session_.model().MapOutputBin(&identifier))
        return 0;
      std::memcpy(buffer, &identifier, sizeof identifier);
      return 1;
    }
    if (mode != QUERY_PLUGIN_DEFAULTS || what < 0 || what > 0xFFFF)
      return 0;
    const std::vector<BYTE> *block = session_.model().PluginDefault(static_cast<WORD>(what));
    if (!block)
      return 0;
    if (buffer)
      std::memcpy(buffer, block->data(), block->size());
    return static_cast<int>(block->size());
  }

 private:
  PrinterSession &session_;
};

class HostUIClassHost final : public UIClassHost {
 public:
  explicit HostUIClassHost(UIManager *manager) : manager_(manager) {}
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  UIManager *GetUIManager() override { return manager_; }

 private:
  UIManager *manager_;
};

}  // namespace

BoundaryPtr<DriverContext> MakeDriverContext(PrinterSession &session) {
  return BoundaryPtr<DriverContext>(new HostDriverContext(session));
}

BoundaryPtr<UIClassHost> MakeUIClassHost(UIManager *manager) {
  return BoundaryPtr<UIClassHost>(new HostUIClassHost(manager));
}

}  // namespace host
