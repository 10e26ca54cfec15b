// The store's raw printer-data operations: values of the printer's PrinterDriverData key read
// and written through the spooler, and deleted through the registry.
#include <windows.h>
#include <string.h>
#include <winspool.h>

#include <string>

#include "abi/wide.h"
#include "store/vtprofjzp.h"
#include "store/win_text.h"

namespace {

constexpr char kPrintersKeyA[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";

// GetPrinterData by platform; the value name is ANSI and is widened for the wide call.
DWORD QueryPrinterData(bool ansi, HANDLE printer, LPCSTR valueName, DWORD *type, BYTE *buffer,
                       DWORD bufferSize, DWORD *needed) {
  if (ansi) {
    std::string name = valueName;
    return GetPrinterDataA(printer, name.data(), type, buffer, bufferSize, needed);
  }
  WideString name = WideFromAnsi(valueName, CP_ACP);
  return GetPrinterDataW(printer, name.data(), type, buffer, bufferSize, needed);
}

}  // namespace

DWORD VTPROFJZP::GetRegValueSize(LPCSTR /*key*/, LPCSTR valueName) {
  if (valueName == nullptr)
    return 0;
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return 0;
  DWORD type = 0, needed = 0;
  const DWORD status =
      QueryPrinterData(m_bAnsi, printer.get(), valueName, &type, nullptr, 0, &needed);
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
      QueryPrinterData(m_bAnsi, printer.get(), valueName, &type, buffer, bufferSize, &needed);
  return status == ERROR_SUCCESS ? needed : 0;
}

void VTPROFJZP::SetRegValue(LPCSTR /*key*/, LPCSTR valueName, const BYTE *data, DWORD size,
                            DWORD type) {
  if (valueName == nullptr || (data == nullptr && size != 0))
    return;
  ScopedPrinter printer = UsePrinter(PRINTER_ACCESS_ADMINISTER);
  if (!printer)
    return;
  BYTE *bytes = const_cast<BYTE *>(data);
  if (m_bAnsi) {
    std::string name = valueName;
    SetPrinterDataA(printer.get(), name.data(), type, bytes, size);
  } else {
    WideString name = WideFromAnsi(valueName, CP_ACP);
    SetPrinterDataW(printer.get(), name.data(), type, bytes, size);
  }
}

// The value is deleted from "SYSTEM\CurrentControlSet\Control\Print\Printers\<registry
// name>\<key>" (without the last part when the key is null); on the NT platform that key is
// always PrinterDriverData.
bool VTPROFJZP::RemoveRegValue(LPCSTR key, LPCSTR valueName) {
  if (valueName == nullptr)
    return false;
  LPCSTR subKey = key == nullptr ? nullptr : (m_bAnsi ? key : PRINTER_DATA_KEY);
  HKEY opened = nullptr;
  LONG status;
  if (m_bAnsi) {
    std::string path = std::string(kPrintersKeyA) + "\\" + m_tszRegistryName;
    if (subKey != nullptr)
      path = path + "\\" + subKey;
    char emptyClass[] = "";
    status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, emptyClass,
                             REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &opened, nullptr);
  } else {
    WideString path = WideFromAnsi(kPrintersKeyA, CP_ACP) + WSTR("\\") + m_wszRegistryName;
    if (subKey != nullptr)
      path += WSTR("\\") + WideFromAnsi(subKey, CP_ACP);
    WCHAR emptyClass[] = WSTR("");
    status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, emptyClass,
                             REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &opened, nullptr);
  }
  if (status != ERROR_SUCCESS)
    return false;
  ScopedRegKey printerKey(opened);
  RegDeleteValueA(printerKey.get(), valueName);
  return true;
}

bool VTPROFJZP::ReadPrinterData(LPCSTR valueName, std::vector<BYTE> *data, DWORD *type) {
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return false;
  DWORD needed = 0;
  QueryPrinterData(m_bAnsi, printer.get(), valueName, type, nullptr, 0, &needed);
  if (needed == 0)
    needed = 4096;
  data->assign(needed, 0);
  if (QueryPrinterData(m_bAnsi, printer.get(), valueName, type, data->data(), needed, &needed) !=
      ERROR_SUCCESS)
    return false;
  data->resize(needed);
  return true;
}
