// The store's raw printer-data operations: values of the printer's PrinterDriverData key read
// and written through the spooler, and deleted through the registry.
#include <windows.h>
#include <string.h>
#include <winspool.h>

#include "store/vtprofjzp.h"

namespace {

constexpr char kPrintersKeyA[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";

}  // namespace

DWORD VTPROFJZP::GetRegValueSize(LPCSTR /*key*/, LPCSTR valueName) {
  if (valueName == nullptr)
    return 0;
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return 0;
  DWORD type = 0, needed = 0;
  const DWORD status =
      m_Text.QueryPrinterData(printer.get(), valueName, &type, nullptr, 0, &needed);
  return status == ERROR_SUCCESS || status == ERROR_MORE_DATA ? needed : 0;
}

DWORD VTPROFJZP::GetRegValue(LPCSTR /*key*/, LPCSTR valueName, BYTE *buffer, DWORD bufferSize) {
  if (valueName == nullptr || buffer == nullptr)
    return 0;
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return 0;
  DWORD type = 0, needed = 0;
  const DWORD status =
      m_Text.QueryPrinterData(printer.get(), valueName, &type, buffer, bufferSize, &needed);
  return status == ERROR_SUCCESS ? needed : 0;
}

void VTPROFJZP::SetRegValue(LPCSTR /*key*/, LPCSTR valueName, const BYTE *data, DWORD size,
                            DWORD type) {
  if (valueName == nullptr || (data == nullptr && size != 0))
    return;
  ScopedPrinter printer = UsePrinter(PRINTER_ACCESS_ADMINISTER);
  if (!printer)
    return;
  m_Text.WritePrinterData(printer.get(), valueName, type, data, size);
}

// The value is deleted from "SYSTEM\CurrentControlSet\Control\Print\Printers\<registry
// name>\<key>" (without the last part when the key is null); on the NT platform that key is
// always PrinterDriverData.
bool VTPROFJZP::RemoveRegValue(LPCSTR key, LPCSTR valueName) {
  if (valueName == nullptr)
    return false;
  LPCSTR subKey = key == nullptr ? nullptr : (m_Text.IsAnsi() ? key : PRINTER_DATA_KEY);
  DualText path = m_Text.FromText(kPrintersKeyA) + m_Text.FromText("\\") + RegistryName();
  if (subKey != nullptr)
    path = path + m_Text.FromText("\\") + m_Text.FromText(subKey);
  const ScopedRegKey printerKey = m_Text.CreateRegKey(HKEY_LOCAL_MACHINE, path, KEY_SET_VALUE);
  if (!printerKey)
    return false;
  RegDeleteValueA(printerKey.get(), valueName);
  return true;
}

bool VTPROFJZP::ReadPrinterData(LPCSTR valueName, std::vector<BYTE> *data, DWORD *type) {
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return false;
  DWORD needed = 0;
  m_Text.QueryPrinterData(printer.get(), valueName, type, nullptr, 0, &needed);
  if (needed == 0)
    needed = 4096;
  data->assign(needed, 0);
  if (m_Text.QueryPrinterData(printer.get(), valueName, type, data->data(), needed, &needed) !=
      ERROR_SUCCESS)
    return false;
  data->resize(needed);
  return true;
}
