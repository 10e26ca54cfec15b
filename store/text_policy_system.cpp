// The text policy's printer, spooler and registry calls.
#include <vector>

#include "abi/wide.h"
#include "store/text_policy.h"

namespace {

// The printer's PRINTER_INFO_2A or PRINTER_INFO_2W; empty when it cannot be read.
template <typename GetPrinterFunction>
std::vector<BYTE> ReadLevel2(HANDLE printer, GetPrinterFunction getPrinter) {
  DWORD needed = 0;
  getPrinter(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  if (needed == 0 || !getPrinter(printer, 2, info.data(), needed, &needed))
    info.clear();
  return info;
}

}  // namespace

ScopedPrinter TextPolicy::OpenPrinterByName(const DualText &name, ACCESS_MASK access) const {
  HANDLE opened = nullptr;
  BOOL ok = FALSE;
  if (m_bAnsi && !name.text.empty()) {
    std::string printer = name.text;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, access};
    ok = OpenPrinterA(printer.data(), &opened, access != 0 ? &defaults : nullptr);
  } else if (!m_bAnsi && !name.wide.empty()) {
    WideString printer = name.wide;
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
    ok = OpenPrinterW(printer.data(), &opened, access != 0 ? &defaults : nullptr);
  }
  return ok ? ScopedPrinter(opened, true) : ScopedPrinter();
}

DWORD TextPolicy::QueryPrinterData(HANDLE printer, LPCSTR valueName, DWORD *type, BYTE *buffer,
                                   DWORD bufferSize, DWORD *needed) const {
  if (m_bAnsi) {
    std::string name = valueName;
    return GetPrinterDataA(printer, name.data(), type, buffer, bufferSize, needed);
  }
  WideString name = ToWide(valueName);
  return GetPrinterDataW(printer, name.data(), type, buffer, bufferSize, needed);
}

DWORD TextPolicy::WritePrinterData(HANDLE printer, LPCSTR valueName, DWORD type, const BYTE *data,
                                   DWORD size) const {
  BYTE *bytes = const_cast<BYTE *>(data);
  if (m_bAnsi) {
    std::string name = valueName;
    return SetPrinterDataA(printer, name.data(), type, bytes, size);
  }
  WideString name = ToWide(valueName);
  return SetPrinterDataW(printer, name.data(), type, bytes, size);
}

std::optional<PrinterPortAndDriver> TextPolicy::ReadPrinterInfo(HANDLE printer) const {
  if (m_bAnsi) {
    const std::vector<BYTE> info = ReadLevel2(printer, GetPrinterA);
    if (info.empty())
      return std::nullopt;
    const auto *level2 = reinterpret_cast<const PRINTER_INFO_2A *>(info.data());
    return PrinterPortAndDriver{FromText(level2->pPortName), FromText(level2->pDriverName)};
  }
  const std::vector<BYTE> info = ReadLevel2(printer, GetPrinterW);
  if (info.empty())
    return std::nullopt;
  const auto *level2 = reinterpret_cast<const PRINTER_INFO_2W *>(info.data());
  return PrinterPortAndDriver{FromWide(level2->pPortName), FromWide(level2->pDriverName)};
}

std::string TextPolicy::ReadDriverPath(HANDLE printer) const {
  DWORD needed = 0;
  std::vector<BYTE> driver;
  if (m_bAnsi) {
    char environment[] = "Windows 4.0";
    GetPrinterDriverA(printer, environment, 2, nullptr, 0, &needed);
    driver.resize(needed);
    if (needed == 0 || !GetPrinterDriverA(printer, environment, 2, driver.data(), needed, &needed))
      return std::string();
    LPCSTR path = reinterpret_cast<const DRIVER_INFO_2A *>(driver.data())->pDriverPath;
    return path != nullptr ? path : "";
  }
  // The driver of the module's own environment: a 64-bit module reads the 64-bit driver's path.
#if defined(_WIN64)
  WCHAR environment[] = WSTR("Windows x64");
#else
  WCHAR environment[] = WSTR("Windows NT x86");
#endif
  GetPrinterDriverW(printer, environment, 2, nullptr, 0, &needed);
  driver.resize(needed);
  if (needed == 0 || !GetPrinterDriverW(printer, environment, 2, driver.data(), needed, &needed))
    return std::string();
  return ToText(reinterpret_cast<const DRIVER_INFO_2W *>(driver.data())->pDriverPath);
}

std::string TextPolicy::SystemDirectory() const {
  if (m_bAnsi) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return system;
  }
  WCHAR system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return ToText(system);
}

ScopedRegKey TextPolicy::CreateRegKey(HKEY root, const DualText &path, REGSAM access) const {
  HKEY opened = nullptr;
  LONG status;
  if (m_bAnsi) {
    char emptyClass[] = "";
    status = RegCreateKeyExA(root, path.text.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                             access, nullptr, &opened, nullptr);
  } else {
    WCHAR emptyClass[] = {0};
    status = RegCreateKeyExW(root, path.wide.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                             access, nullptr, &opened, nullptr);
  }
  return status == ERROR_SUCCESS ? ScopedRegKey(opened) : ScopedRegKey();
}

ScopedRegKey TextPolicy::OpenRegKey(HKEY root, const DualText &path, REGSAM access) const {
  HKEY opened = nullptr;
  const LONG status = m_bAnsi ? RegOpenKeyExA(root, path.text.c_str(), 0, access, &opened)
                              : RegOpenKeyExW(root, path.wide.c_str(), 0, access, &opened);
  return status == ERROR_SUCCESS ? ScopedRegKey(opened) : ScopedRegKey();
}

LONG TextPolicy::EnumRegValue(HKEY key, DWORD index, std::string *name, BYTE *data,
                              DWORD *size) const {
  DWORD length = MAX_PATH;
  LONG status;
  if (m_bAnsi) {
    char nameA[MAX_PATH] = {};
    status = RegEnumValueA(key, index, nameA, &length, nullptr, nullptr, data, size);
    *name = nameA;
  } else {
    WCHAR nameW[MAX_PATH] = {};
    status = RegEnumValueW(key, index, nameW, &length, nullptr, nullptr, data, size);
    *name = ToText(nameW);
  }
  return status;
}
