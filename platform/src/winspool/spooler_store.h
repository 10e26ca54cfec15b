// How the spooler keeps printers and drivers in the registry (layout in <winspool.h>):
// an owning key class, printer records read from a printer's key, the two driver environments,
// and the printer handles.
#pragma once

#include <winbase.h>
#include <winreg.h>
#include <winspool.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace winplat::spooler {

// An open registry key, closed when it goes out of scope.
class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey &) = delete;
  RegKey &operator=(const RegKey &) = delete;
  ~RegKey();

  LONG Open(HKEY parent, std::u16string_view path, REGSAM access);
  LONG Create(HKEY parent, std::u16string_view path);
  HKEY get() const { return key_; }

  std::optional<std::u16string> String(std::u16string_view name) const;
  std::optional<DWORD> Dword(std::u16string_view name) const;
  std::optional<std::vector<BYTE>> Bytes(std::u16string_view name) const;
  // The value's type and data, or the registry's error (ERROR_FILE_NOT_FOUND when missing).
  LONG Query(std::u16string_view name, DWORD &type, std::vector<BYTE> &data) const;
  LONG SetString(std::u16string_view name, std::u16string_view value) const;
  LONG SetDword(std::u16string_view name, DWORD value) const;
  LONG SetBytes(std::u16string_view name, DWORD type, const BYTE *data, DWORD size) const;

 private:
  void Close();
  HKEY key_ = nullptr;
};

inline constexpr std::u16string_view kPrintersKey =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
inline constexpr std::u16string_view kPrinterDataKey = u"PrinterDriverData";

// "\\PRINTSRV\JZ Mono 2100" -> ",,PRINTSRV,JZ Mono 2100".
std::u16string RegistryNameOf(std::u16string_view printerName);
// Connections to a print server are named "\\server\printer".
bool IsConnectionName(std::u16string_view printerName);
// Ports that send the job over the network: "\\server\share", "http://...", "ipp://...".
bool IsNetworkPort(std::u16string_view port);

// A DEVMODEW as stored: at least the public part up to dmFormName's end, and as many bytes
// as dmSize + dmDriverExtra say.
bool IsValidDevMode(const std::vector<BYTE> &bytes);
const DEVMODEW &AsDevMode(const std::vector<BYTE> &bytes);

struct PrinterRecord {
  std::u16string registryName;
  std::u16string name;
  std::u16string shareName, port, driver, comment, location, separatorFile, printProcessor,
      datatype, parameters;
  DWORD attributes = 0, priority = 0, defaultPriority = 0, startTime = 0, untilTime = 0, status = 0;
  std::vector<BYTE> devMode;  // empty when the printer has no valid "Default DevMode"
  ACCESS_MASK userAccess = PRINTER_ALL_ACCESS;
  bool clientSide = false;

  // "\\PRINTSRV" for a connection, nothing for a local printer.
  std::optional<std::u16string> Server() const;
};

// Reads a printer's key; ERROR_INVALID_PRINTER_NAME when there is no such printer.
DWORD LoadPrinter(std::u16string_view registryName, PrinterRecord &record);
// Registry names of all printers, in registry (case-insensitive) order.
std::vector<std::u16string> PrinterRegistryNames();

struct Environment {
  std::u16string_view name;
  std::u16string_view driversKey;  // below HKEY_LOCAL_MACHINE
  std::u16string_view directory;   // where its driver files are installed
  DWORD version;                   // cVersion when a driver key has no "Version"
};
// The environment of that name (case-insensitive), or the current platform's for null;
// null for an unknown name.
const Environment *FindEnvironment(LPCWSTR name);
const std::vector<Environment> &Environments();

// Printer handles: the registry name of the printer and the rights granted when it was opened.
struct PrinterHandle {
  std::u16string registryName;
  ACCESS_MASK access = 0;
};
HANDLE NewPrinterHandle(std::u16string registryName, ACCESS_MASK access);
// ERROR_INVALID_HANDLE for anything not returned by OpenPrinter or AddPrinter and not closed.
DWORD LookupPrinterHandle(HANDLE hPrinter, PrinterHandle &handle);
bool ClosePrinterHandle(HANDLE hPrinter);
// The printer record behind a handle; ERROR_PRINTER_DELETED when its key is gone.
DWORD LoadPrinterOfHandle(HANDLE hPrinter, PrinterRecord &record, PrinterHandle *handle = nullptr);
// The handle's printer without its record, for calls that need only its name and key:
// ERROR_PRINTER_DELETED when its key is gone.
DWORD FindPrinterOfHandle(HANDLE hPrinter, PrinterHandle &handle);

}  // namespace winplat::spooler
