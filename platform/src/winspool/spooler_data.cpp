// GetPrinterData and SetPrinterData: the printer's PrinterDriverData key, with the spooler's
// rules for handles, rights and client-side connections. Both return their error code.
#include <algorithm>

#include "advapi32/registry_text.h"
#include "spooler_store.h"

using namespace winplat::spooler;
using winplat::registry::AnsiDataToWide;
using winplat::registry::AnsiToWide;
using winplat::registry::IsStringType;
using winplat::registry::WideDataToAnsi;

namespace {

std::u16string PrinterDataPath(std::u16string_view registryName) {
  return std::u16string(kPrintersKey) + u"\\" + std::u16string(registryName) + u"\\" +
         std::u16string(kPrinterDataKey);
}

// Reading and writing need only the printer's key, not its whole record.
DWORD ReadPrinterData(HANDLE hPrinter, std::u16string_view valueName, DWORD &type,
                      std::vector<BYTE> &data) {
  PrinterHandle printer;
  if (const DWORD error = FindPrinterOfHandle(hPrinter, printer); error != ERROR_SUCCESS) {
    return error;
  }
  RegKey key;
  if (key.Open(HKEY_LOCAL_MACHINE, PrinterDataPath(printer.registryName), KEY_QUERY_VALUE) !=
      ERROR_SUCCESS) {
    return ERROR_FILE_NOT_FOUND;
  }
  return static_cast<DWORD>(key.Query(valueName, type, data));
}

DWORD CopyPrinterDataOut(DWORD type, const std::vector<BYTE> &data, LPDWORD pType, LPBYTE pData,
                         DWORD nSize, LPDWORD pcbNeeded) {
  *pcbNeeded = static_cast<DWORD>(data.size());
  if (pType) {
    *pType = type;
  }
  if (!data.empty() && (!pData || nSize < data.size())) {
    return ERROR_MORE_DATA;
  }
  std::copy(data.begin(), data.end(), pData);
  return ERROR_SUCCESS;
}

DWORD WritePrinterData(HANDLE hPrinter, std::u16string_view valueName, DWORD type, const BYTE *data,
                       DWORD size) {
  PrinterHandle handle;
  if (const DWORD error = FindPrinterOfHandle(hPrinter, handle); error != ERROR_SUCCESS) {
    return error;
  }
  RegKey printer;
  const bool clientSide =
      printer.Open(HKEY_LOCAL_MACHINE, std::u16string(kPrintersKey) + u"\\" + handle.registryName,
                   KEY_READ) == ERROR_SUCCESS &&
      printer.Dword(u"ClientSide").value_or(0) != 0;
  if (!(handle.access & PRINTER_ACCESS_ADMINISTER) || clientSide) {
    return ERROR_ACCESS_DENIED;
  }
  RegKey key;
  if (const LONG status = key.Create(HKEY_LOCAL_MACHINE, PrinterDataPath(handle.registryName));
      status != ERROR_SUCCESS) {
    return static_cast<DWORD>(status);
  }
  return static_cast<DWORD>(key.SetBytes(valueName, type, data, size));
}

}  // namespace

extern "C" DWORD WINAPI GetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, LPDWORD pType,
                                        LPBYTE pData, DWORD nSize, LPDWORD pcbNeeded) {
  if (!pValueName || !pcbNeeded) {
    return ERROR_INVALID_PARAMETER;
  }
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (const DWORD error = ReadPrinterData(hPrinter, pValueName, type, data);
      error != ERROR_SUCCESS) {
    return error;
  }
  return CopyPrinterDataOut(type, data, pType, pData, nSize, pcbNeeded);
}

extern "C" DWORD WINAPI GetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, LPDWORD pType,
                                        LPBYTE pData, DWORD nSize, LPDWORD pcbNeeded) {
  if (!pValueName || !pcbNeeded) {
    return ERROR_INVALID_PARAMETER;
  }
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (const DWORD error = ReadPrinterData(hPrinter, AnsiToWide(pValueName), type, data);
      error != ERROR_SUCCESS) {
    return error;
  }
  return CopyPrinterDataOut(type, IsStringType(type) ? WideDataToAnsi(data) : data, pType, pData,
                            nSize, pcbNeeded);
}

extern "C" DWORD WINAPI SetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, DWORD Type,
                                        LPBYTE pData, DWORD cbData) {
  if (!pValueName || (!pData && cbData != 0)) {
    return ERROR_INVALID_PARAMETER;
  }
  return WritePrinterData(hPrinter, pValueName, Type, pData, cbData);
}

extern "C" DWORD WINAPI SetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, DWORD Type, LPBYTE pData,
                                        DWORD cbData) {
  if (!pValueName || (!pData && cbData != 0)) {
    return ERROR_INVALID_PARAMETER;
  }
  if (!IsStringType(Type)) {
    return WritePrinterData(hPrinter, AnsiToWide(pValueName), Type, pData, cbData);
  }
  const std::vector<BYTE> wide = AnsiDataToWide(pData, cbData);
  return WritePrinterData(hPrinter, AnsiToWide(pValueName), Type, wide.data(),
                          static_cast<DWORD>(wide.size()));
}
