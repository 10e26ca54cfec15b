// The demo drivers' user-interface DLLs (JZ53UI.DLL, JZ21UI.DLL) for Windows machines. Windows
// answers DocumentProperties by calling DrvDocumentPropertySheets in the driver's configuration
// DLL, so a Windows machine with the demo printers needs one. As a driver does, it answers with
// its model's default DEVMODE, the one the printer was installed with (the platform layer's
// DocumentProperties answers with that one off Windows), and shows no property sheet.
#include <windows.h>

#include <cstring>
#include <vector>

#include "host/printer_model.h"

namespace {

// The header DocumentProperties hands the driver (winddiui.h of the driver kit; MinGW-w64's
// headers lack it).
struct DocumentPropertyHeader {
  WORD cbSize;
  WORD Reserved;
  HANDLE hPrinter;
  LPWSTR pszPrinterName;
  DEVMODEW *pdmIn;
  DEVMODEW *pdmOut;
  DWORD cbOut;
  DWORD fMode;
};

constexpr LONG kCpsuiOk = 1;

LONG Fail(DWORD error) {
  SetLastError(error);
  return -1;
}

// The default DEVMODE of the printer's model. Not the spooler's copy: Wine hands that back with
// the tail of dmDeviceName filled from its own conversion.
std::vector<BYTE> PrinterDefaultDevMode(HANDLE printer) {
  DWORD needed = 0;
  GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  if (needed == 0 || !GetPrinterW(printer, 2, info.data(), needed, &needed))
    return {};
  const LPCWSTR driverName = reinterpret_cast<const PRINTER_INFO_2W *>(info.data())->pDriverName;
  const host::PrinterModel *model = driverName ? host::FindModel(driverName) : nullptr;
  return model ? model->DefaultDevMode() : std::vector<BYTE>();
}

// An input DEVMODE of this driver (same sizes and version) is taken whole; any other input is
// not this driver's and leaves the defaults.
bool IsOwnDevMode(const DEVMODEW *input, const std::vector<BYTE> &defaults) {
  const auto *own = reinterpret_cast<const DEVMODEW *>(defaults.data());
  return input != nullptr && input->dmSize == own->dmSize &&
         input->dmDriverExtra == own->dmDriverExtra &&
         input->dmDriverVersion == own->dmDriverVersion;
}

}  // namespace

extern "C" __declspec(dllexport) LONG WINAPI
    DrvDocumentPropertySheets(void *sheetInfo, LPARAM lParam) {
  if (sheetInfo != nullptr)
    return Fail(ERROR_NOT_SUPPORTED);  // no property sheets
  auto *header = reinterpret_cast<DocumentPropertyHeader *>(lParam);
  if (header == nullptr || header->cbSize < sizeof *header)
    return Fail(ERROR_INVALID_PARAMETER);
  std::vector<BYTE> devMode = PrinterDefaultDevMode(header->hPrinter);
  if (devMode.empty())
    return Fail(ERROR_FILE_NOT_FOUND);
  if (header->fMode == 0 || header->pdmOut == nullptr)
    return static_cast<LONG>(devMode.size());
  // Wine passes the size the output buffer's own header claims, 0 for a zeroed buffer; a buffer
  // that claims a size too small is refused, one that claims none was sized by the caller's
  // earlier query, as DocumentProperties asks.
  if (header->cbOut != 0 && header->cbOut < devMode.size())
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  if ((header->fMode & DM_IN_BUFFER) && IsOwnDevMode(header->pdmIn, devMode))
    std::memcpy(devMode.data(), header->pdmIn, devMode.size());
  std::memcpy(header->pdmOut, devMode.data(), devMode.size());
  return kCpsuiOk;
}
