// Who a store's printer is: the platform and system the module runs on, the printer's names and
// the name of its registry key, whether the module runs as a client, whether the printer sits
// behind a network port, its driver's name and directory, and its default DEVMODE.
//
// A profile page reads its printer's identity once and lends it to every store it builds; a
// store built without a page reads an identity of its own. The facts are read at construction;
// the driver name, the driver's DEVMODE size and the default DEVMODE are learnt by the stores on
// first use and kept here for the next store.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "abi/host_interfaces.h"
#include "store/devmode_size_cache.h"
#include "store/text_policy.h"

// OsVersionCode values.
enum : DWORD {
  OS_CODE_WIN95 = 1,
  OS_CODE_WIN98 = 2,
  OS_CODE_WINME = 3,
  OS_CODE_NT4 = 17,
  OS_CODE_WIN2000 = 18,
  OS_CODE_WINXP = 19,
  OS_CODE_SERVER2003 = 20,
};

class PrinterIdentity {
 public:
  // Reads the identity of the printer with the name, given in either form. `printer` is a handle
  // of the caller's, or null or INVALID_HANDLE_VALUE for none. A control set's UIManager tells
  // whether the module runs as a client; without one, a printer that cannot be written through
  // `printer` makes it a client. The port and the driver are read through `printer`, or through
  // the printer opened for the reading alone.
  PrinterIdentity(LPCSTR printerName, HANDLE printer, CControlSet *controlSet);
  PrinterIdentity(LPCWSTR printerName, HANDLE printer, CControlSet *controlSet);
  PrinterIdentity(const PrinterIdentity &) = delete;
  PrinterIdentity &operator=(const PrinterIdentity &) = delete;

  // False when the system would not tell its version: the identity then names no printer.
  bool IsRead() const { return m_bRead; }
  bool IsNamed() const { return m_tszPrinterName[0] != '\0' && m_wszPrinterName[0] != 0; }
  // The platform, with the system's code page for names.
  const TextPolicy &Text() const { return m_Text; }
  DWORD GetOsVersionCode() const { return m_dwOsVersionCode; }
  DWORD GetLanguageCode() const { return m_dwLanguageCode; }
  bool IsClientMode() const { return m_bClient != 0; }
  bool IsNetworkPort() const { return m_dwNetworkPort != 0; }
  DualText PrinterName() const { return {m_tszPrinterName, m_wszPrinterName}; }
  DualText RegistryName() const { return {m_tszRegistryName, m_wszRegistryName}; }
  LPCSTR GetPrinterNameA() const { return m_tszPrinterName; }
  LPCWSTR GetPrinterNameW() const { return m_wszPrinterName; }
  LPCSTR GetRegistryNameA() const { return m_tszRegistryName; }
  LPCWSTR GetRegistryNameW() const { return m_wszRegistryName; }
  LPCSTR GetDriverDirectory() const { return m_szDriverDirectory; }

  // Learnt by the stores.
  LPCSTR GetDriverName() const { return m_szDriverName; }
  void KeepDriverName(LPCSTR driverName);
  DriverDevModeSizeCache &DriverDevModeSize() { return m_DriverDevModeSize; }
  // The default DEVMODE the stores read, null until one has; a store that writes or removes the
  // stored default profile's DEVMODE forgets it.
  const std::vector<BYTE> *DefaultDevMode() const;
  void KeepDefaultDevMode(std::vector<BYTE> devMode);
  void ForgetDefaultDevMode() { m_DefaultDevMode.reset(); }

 private:
  PrinterIdentity();
  void Read(HANDLE printer, CControlSet *controlSet);
  bool ReadOsVersion();
  void ReadLanguage();
  void ProbeClientMode(HANDLE printer, CControlSet *controlSet);
  void ReadPortAndDriver(HANDLE printer);
  void FormRegistryName();

  bool m_bRead;
  DWORD m_dwOsVersionCode;
  DWORD m_dwLanguageCode;
  TextPolicy m_Text;  // the ANSI flag and the system's code page
  BYTE m_bClient;
  DWORD m_dwNetworkPort;
  WCHAR m_wszPrinterName[MAX_PATH];
  WCHAR m_wszRegistryName[MAX_PATH];
  char m_tszPrinterName[MAX_PATH];
  char m_tszRegistryName[MAX_PATH];
  char m_szDriverName[MAX_PATH];
  char m_szDriverDirectory[MAX_PATH];
  DriverDevModeSizeCache m_DriverDevModeSize;
  std::optional<std::vector<BYTE>> m_DefaultDevMode;
};
