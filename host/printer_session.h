// One printer opened by the driver's user interface: the printer handle, its model, the current
// settings and the host objects that the module talks to (UIManager, DriverContext,
// UIClassHost). Tests and prfhost read and change the settings through it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "host/printer_model.h"
#include "host/registration_store.h"
#include "host/resource_module.h"
#include "host/string_table.h"
#include "host/win32_handles.h"
#include "abi/host_interfaces.h"

namespace host {

struct SessionOptions {
  UiLanguage language = UiLanguage::English;
  bool administrator = true;  // what DriverContext::IsAdministrator reports
};

// What the module has asked of the host, for tests and for prfhost's reports.
struct SessionEvents {
  int notifyChange = 0;
  int refreshSettings = 0;
  int settingsApplied = 0;  // -200 notifications taken
  int reloadDevMode = 0;
  int setCurrentDevMode = 0;
  int finishInfoDialog = 0;
  int removePrivateData = 0;
};

class PrinterSession {
 public:
  static std::unique_ptr<PrinterSession> Open(const WideString &printerName,
                                              const SessionOptions &options, std::string *error);
  ~PrinterSession();
  PrinterSession(const PrinterSession &) = delete;
  PrinterSession &operator=(const PrinterSession &) = delete;

  UIManager *uiManager() { return uiManager_.get(); }
  DriverContext *driverContext() { return driverContext_.get(); }
  UIClassHost *uiClassHost() { return uiClassHost_.get(); }

  const WideString &printerName() const { return printerName_; }
  const WideString &registryName() const { return registryName_; }
  HANDLE printerHandle() const { return printer_.get(); }
  bool canChangeSettings() const { return canChangeSettings_; }
  bool isClientSide() const;
  const SessionOptions &options() const { return options_; }
  const StringTable &strings() const { return StringTable::ForLanguage(options_.language); }
  // The language code GetLanguage reports: the UI language's own, or one set for this session
  // (a Japanese code also takes the Japanese strings).
  WORD languageId() const { return languageId_ != 0 ? languageId_ : LanguageId(options_.language); }
  void SetLanguageId(WORD id) {
    languageId_ = id;
    if ((id & 0xFF) == (LanguageId(UiLanguage::Japanese) & 0xFF))
      options_.language = UiLanguage::Japanese;
  }

  // The printer's model; a DWORD "Restriction" in the printer's key, where the administrator
  // locks or frees one printer's settings, takes the place of the model's byte 193.
  PrinterModel &model() { return model_; }
  const PrinterModel &model() const { return model_; }

  // The current settings: a complete wide DEVMODE.
  DEVMODEW *devMode() { return reinterpret_cast<DEVMODEW *>(devMode_.data()); }
  const std::vector<BYTE> &devModeBytes() const { return devMode_; }
  BYTE *mainBlock();
  BYTE *privateBlock(WORD blockId);
  // Takes a complete DEVMODE as the current settings, in the buffer devMode() points at when it
  // has the same size; false (nothing changed) when its size fields do not describe `size`
  // bytes.
  bool SetDevMode(const BYTE *data, size_t size, std::string *why = nullptr);
  bool RemovePrivateData(WORD blockId);
  // The settings the user last saved, or the printer's defaults.
  void ReloadSettings();
  bool SaveSettings();
  // After a profile was applied: a "_Setup" the profile wrote back into the printer data becomes
  // the printer's "Setup" again, as the driver reads it.
  void AdoptRestoredDataSets();

  // The window DriverContext::GetNotifyWindow reports: the driver user interface's own window,
  // null while none is open.
  HWND notifyWindow() const { return notifyWindow_; }
  void SetNotifyWindow(HWND window) { notifyWindow_ = window; }
  // The printer's default DEVMODE as the spooler reports it.
  std::vector<BYTE> PrinterDefaultDevMode() const;

  // The control set whose InvalidateDevMode follows a removal of private data.
  void AttachControlSet(CControlSet *controlSet) { controlSet_ = controlSet; }
  CControlSet *controlSet() const { return controlSet_; }
  const RegistrationStore &registrations() const { return registrations_; }
  SessionEvents &events() { return events_; }
  BYTE *printerNameBuffer() { return printerNameBuffer_; }
  // The host's resource module JZRES32.dll; null when it could not be loaded.
  HINSTANCE resourceInstance() const { return resources_.instance(); }

 private:
  PrinterSession(WideString printerName, WideString registryName, PrinterHandle printer,
                 bool canChangeSettings, const PrinterModel &model, const SessionOptions &options);
  void TakeDevMode(std::vector<BYTE> devMode);
  // A DWORD value of the printer's own key; none when it has no such value.
  std::optional<DWORD> PrinterKeyDword(const WCHAR *name) const;

  WideString printerName_;
  WideString registryName_;
  PrinterHandle printer_;
  bool canChangeSettings_;
  PrinterModel model_;
  SessionOptions options_;
  WORD languageId_ = 0;
  RegistrationStore registrations_;
  std::vector<BYTE> devMode_;
  CControlSet *controlSet_ = nullptr;
  HWND notifyWindow_ = nullptr;
  SessionEvents events_;
  BYTE printerNameBuffer_[260] = {};
  ResourceModule resources_;
  BoundaryPtr<UIManager> uiManager_;
  BoundaryPtr<DriverContext> driverContext_;
  BoundaryPtr<UIClassHost> uiClassHost_;
};

// The key of a printer under HKLM\SYSTEM\CurrentControlSet\Control\Print\Printers.
WideString PrinterRegistryName(const WideString &printerName);
WideString PrinterKeyPath(const WideString &printerName);

}  // namespace host
