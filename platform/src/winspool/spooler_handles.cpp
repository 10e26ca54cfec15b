// Printer handles: OpenPrinter, ClosePrinter and the table behind them.
#include <map>
#include <mutex>

#include "advapi32/registry_text.h"
#include "spooler_store.h"

namespace winplat::spooler {
namespace {

// Handle values count up from here in steps of 4 and are never reused within a process, so a
// closed handle stays invalid.
constexpr ULONG_PTR kFirstHandle = 0x00B10000;

struct HandleTable {
  std::mutex mutex;
  std::map<ULONG_PTR, PrinterHandle> printers;
  ULONG_PTR next = kFirstHandle;
};

HandleTable &Handles() {
  static HandleTable table;
  return table;
}

ACCESS_MASK MapGenericRights(ACCESS_MASK desired) {
  ACCESS_MASK mapped = desired & ~(GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL);
  if (desired & GENERIC_READ) {
    mapped |= PRINTER_READ;
  }
  if (desired & GENERIC_WRITE) {
    mapped |= PRINTER_WRITE;
  }
  if (desired & GENERIC_EXECUTE) {
    mapped |= PRINTER_EXECUTE;
  }
  if (desired & GENERIC_ALL) {
    mapped |= PRINTER_ALL_ACCESS;
  }
  return mapped;
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace

HANDLE NewPrinterHandle(std::u16string registryName, ACCESS_MASK access) {
  HandleTable &table = Handles();
  std::lock_guard lock(table.mutex);
  const ULONG_PTR value = table.next;
  table.next += 4;
  table.printers.emplace(value, PrinterHandle{std::move(registryName), access});
  return reinterpret_cast<HANDLE>(value);
}

DWORD LookupPrinterHandle(HANDLE hPrinter, PrinterHandle &handle) {
  HandleTable &table = Handles();
  std::lock_guard lock(table.mutex);
  const auto found = table.printers.find(reinterpret_cast<ULONG_PTR>(hPrinter));
  if (found == table.printers.end()) {
    return ERROR_INVALID_HANDLE;
  }
  handle = found->second;
  return ERROR_SUCCESS;
}

bool ClosePrinterHandle(HANDLE hPrinter) {
  HandleTable &table = Handles();
  std::lock_guard lock(table.mutex);
  return table.printers.erase(reinterpret_cast<ULONG_PTR>(hPrinter)) != 0;
}

DWORD LoadPrinterOfHandle(HANDLE hPrinter, PrinterRecord &record, PrinterHandle *handle) {
  PrinterHandle found;
  if (const DWORD error = LookupPrinterHandle(hPrinter, found); error != ERROR_SUCCESS) {
    return error;
  }
  if (LoadPrinter(found.registryName, record) != ERROR_SUCCESS) {
    return ERROR_PRINTER_DELETED;
  }
  if (handle) {
    *handle = std::move(found);
  }
  return ERROR_SUCCESS;
}

DWORD FindPrinterOfHandle(HANDLE hPrinter, PrinterHandle &handle) {
  if (const DWORD error = LookupPrinterHandle(hPrinter, handle); error != ERROR_SUCCESS) {
    return error;
  }
  RegKey printers;
  RegKey key;
  if (printers.Open(HKEY_LOCAL_MACHINE, kPrintersKey, KEY_READ) != ERROR_SUCCESS ||
      handle.registryName.empty() ||
      key.Open(printers.get(), handle.registryName, KEY_READ) != ERROR_SUCCESS) {
    return ERROR_PRINTER_DELETED;
  }
  return ERROR_SUCCESS;
}

}  // namespace winplat::spooler

using namespace winplat::spooler;

extern "C" BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter,
                                    LPPRINTER_DEFAULTSW pDefault) {
  if (!phPrinter) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  // Printer names never hold commas: those only appear in the registry names derived from them.
  // A null name would be the print server itself, which has no handle here.
  const std::u16string_view name = pPrinterName ? pPrinterName : u"";
  PrinterRecord record;
  if (name.find(u',') != std::u16string_view::npos ||
      LoadPrinter(RegistryNameOf(name), record) != ERROR_SUCCESS) {
    return Fail(ERROR_INVALID_PRINTER_NAME);
  }
  const ACCESS_MASK requested = pDefault ? pDefault->DesiredAccess : 0;
  const ACCESS_MASK desired = requested ? MapGenericRights(requested) : PRINTER_ACCESS_USE;
  if ((desired & ~record.userAccess) != 0) {
    return Fail(ERROR_ACCESS_DENIED);
  }
  *phPrinter = NewPrinterHandle(record.registryName, desired);
  return TRUE;
}

extern "C" BOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter,
                                    LPPRINTER_DEFAULTSA pDefault) {
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, pDefault ? pDefault->DesiredAccess : 0};
  if (!pPrinterName) {
    return OpenPrinterW(nullptr, phPrinter, &defaults);
  }
  std::u16string name = winplat::registry::AnsiToWide(pPrinterName);
  return OpenPrinterW(name.data(), phPrinter, &defaults);
}

extern "C" BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
  return ClosePrinterHandle(hPrinter) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}
