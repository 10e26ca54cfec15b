// The store's raw printer-data operations: values of the printer's PrinterDriverData key read
// and written through the spooler, and deleted through the registry. Writing or removing the
// stored default profile's DEVMODE makes the identity forget the default DEVMODE it holds.
#include <windows.h>
#include <string.h>
#include <winspool.h>

#include "store/vtprofjzp.h"

namespace {

constexpr char kPrintersKeyA[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";

bool IsDefaultProfileDevMode(LPCSTR valueName) {
  return _stricmp(valueName, DEFAULT_PROFILE_DEVMODE_VALUE) == 0;
}

}  // namespace

DWORD VTPROFJZP::QueryRegValue(LPCSTR valueName, BYTE *buffer, DWORD bufferSize, DWORD *needed) {
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return ERROR_INVALID_HANDLE;
  DWORD type = 0;
  return Text().QueryPrinterData(printer.get(), valueName, &type, buffer, bufferSize, needed);
}

DWORD VTPROFJZP::GetRegValueSize(LPCSTR valueName) {
  if (valueName == nullptr)
    return 0;
  DWORD needed = 0;
  const DWORD status = QueryRegValue(valueName, nullptr, 0, &needed);
  return status == ERROR_SUCCESS || status == ERROR_MORE_DATA ? needed : 0;
}

DWORD VTPROFJZP::GetRegValue(LPCSTR valueName, BYTE *buffer, DWORD bufferSize) {
  if (valueName == nullptr || buffer == nullptr)
    return 0;
  DWORD needed = 0;
  return QueryRegValue(valueName, buffer, bufferSize, &needed) == ERROR_SUCCESS ? needed : 0;
}

void VTPROFJZP::SetRegValue(LPCSTR valueName, const BYTE *data, DWORD size, DWORD type) {
  if (valueName == nullptr || (data == nullptr && size != 0))
    return;
  ScopedPrinter printer = UsePrinter(PRINTER_ACCESS_ADMINISTER);
  if (!printer)
    return;
  Text().WritePrinterData(printer.get(), valueName, type, data, size);
  if (IsDefaultProfileDevMode(valueName))
    m_pIdentity->ForgetDefaultDevMode();
}

// The value is deleted from "SYSTEM\CurrentControlSet\Control\Print\Printers\<registry
// name>\<key>" (without the last part when the key is null); on the NT platform that key is
// always PrinterDriverData.
bool VTPROFJZP::RemoveRegValue(LPCSTR key, LPCSTR valueName) {
  if (valueName == nullptr)
    return false;
  LPCSTR subKey = key == nullptr ? nullptr : (Text().IsAnsi() ? key : PRINTER_DATA_KEY);
  DualText path =
      Text().FromText(kPrintersKeyA) + Text().FromText("\\") + m_pIdentity->RegistryName();
  if (subKey != nullptr)
    path = path + Text().FromText("\\") + Text().FromText(subKey);
  const ScopedRegKey printerKey = Text().CreateRegKey(HKEY_LOCAL_MACHINE, path, KEY_SET_VALUE);
  if (!printerKey)
    return false;
  RegDeleteValueA(printerKey.get(), valueName);
  if (IsDefaultProfileDevMode(valueName))
    m_pIdentity->ForgetDefaultDevMode();
  return true;
}

bool VTPROFJZP::ReadPrinterData(LPCSTR valueName, std::vector<BYTE> *data, DWORD *type) {
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return false;
  DWORD needed = 0;
  Text().QueryPrinterData(printer.get(), valueName, type, nullptr, 0, &needed);
  if (needed == 0)
    needed = 4096;
  data->assign(needed, 0);
  if (Text().QueryPrinterData(printer.get(), valueName, type, data->data(), needed, &needed) !=
      ERROR_SUCCESS)
    return false;
  data->resize(needed);
  return true;
}
