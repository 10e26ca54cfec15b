// GetPrinter and EnumPrinters, levels 2 and 4, in both character sets.
#include "spooler_pack.h"

using namespace winplat::spooler;

namespace {

template <typename Char>
void FillInfo2(Packer<Char> &packer, size_t index, const PrinterRecord &printer) {
  using Types = CharTypes<Char>;
  typename Types::PrinterInfo2 info{};
  const std::vector<BYTE> devMode = Types::DevModeBytes(printer.devMode);
  info.pDevMode = static_cast<typename Types::DevMode *>(
      packer.Bytes(devMode, alignof(typename Types::DevMode)));
  info.pServerName = packer.OptionalString(printer.Server());
  info.pPrinterName = packer.String(printer.name);
  info.pShareName = packer.String(printer.shareName);
  info.pPortName = packer.String(printer.port);
  info.pDriverName = packer.String(printer.driver);
  info.pComment = packer.String(printer.comment);
  info.pLocation = packer.String(printer.location);
  info.pSepFile = packer.String(printer.separatorFile);
  info.pPrintProcessor = packer.String(printer.printProcessor);
  info.pDatatype = packer.String(printer.datatype);
  info.pParameters = packer.String(printer.parameters);
  info.Attributes = printer.attributes;
  info.Priority = printer.priority;
  info.DefaultPriority = printer.defaultPriority;
  info.StartTime = printer.startTime;
  info.UntilTime = printer.untilTime;
  info.Status = printer.status;
  packer.Place(index, info);
}

template <typename Char>
void FillInfo4(Packer<Char> &packer, size_t index, const PrinterRecord &printer) {
  typename CharTypes<Char>::PrinterInfo4 info{};
  info.pPrinterName = packer.String(printer.name);
  info.pServerName = packer.OptionalString(printer.Server());
  info.Attributes = printer.attributes;
  packer.Place(index, info);
}

template <typename Char>
BOOL PackPrinters(const std::vector<PrinterRecord> &printers, DWORD level, LPBYTE buffer,
                  DWORD cbBuf, LPDWORD pcbNeeded) {
  using Types = CharTypes<Char>;
  if (level != 2 && level != 4) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  const size_t structureSize =
      level == 2 ? sizeof(typename Types::PrinterInfo2) : sizeof(typename Types::PrinterInfo4);
  return PackIntoBuffer<Char>(structureSize * printers.size(), buffer, cbBuf, pcbNeeded,
                              [&](Packer<Char> &packer) {
                                for (size_t i = 0; i < printers.size(); ++i) {
                                  if (level == 2) {
                                    FillInfo2(packer, i, printers[i]);
                                  } else {
                                    FillInfo4(packer, i, printers[i]);
                                  }
                                }
                              });
}

template <typename Char>
BOOL GetPrinterOf(HANDLE hPrinter, DWORD level, LPBYTE buffer, DWORD cbBuf, LPDWORD pcbNeeded) {
  PrinterRecord printer;
  if (const DWORD error = LoadPrinterOfHandle(hPrinter, printer); error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return PackPrinters<Char>({printer}, level, buffer, cbBuf, pcbNeeded);
}

// Local printers first, then connections, each in registry order.
std::vector<PrinterRecord> PrintersSelectedBy(DWORD flags) {
  std::vector<PrinterRecord> locals;
  std::vector<PrinterRecord> connections;
  for (const std::u16string &registryName : PrinterRegistryNames()) {
    PrinterRecord printer;
    if (LoadPrinter(registryName, printer) != ERROR_SUCCESS) {
      continue;
    }
    const bool isConnection = IsConnectionName(printer.name);
    if (isConnection && (flags & PRINTER_ENUM_CONNECTIONS)) {
      connections.push_back(std::move(printer));
    } else if (!isConnection && (flags & PRINTER_ENUM_LOCAL)) {
      locals.push_back(std::move(printer));
    }
  }
  locals.insert(locals.end(), std::make_move_iterator(connections.begin()),
                std::make_move_iterator(connections.end()));
  return locals;
}

template <typename Char>
BOOL EnumPrintersOf(DWORD flags, DWORD level, LPBYTE buffer, DWORD cbBuf, LPDWORD pcbNeeded,
                    LPDWORD pcReturned) {
  if (!pcReturned) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *pcReturned = 0;
  const std::vector<PrinterRecord> printers = PrintersSelectedBy(flags);
  if (!PackPrinters<Char>(printers, level, buffer, cbBuf, pcbNeeded)) {
    return FALSE;
  }
  *pcReturned = static_cast<DWORD>(printers.size());
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                                   LPDWORD pcbNeeded) {
  return GetPrinterOf<WCHAR>(hPrinter, Level, pPrinter, cbBuf, pcbNeeded);
}

extern "C" BOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                                   LPDWORD pcbNeeded) {
  return GetPrinterOf<char>(hPrinter, Level, pPrinter, cbBuf, pcbNeeded);
}

// Name picks a print server; only the local one exists here, so it is not consulted.
extern "C" BOOL WINAPI EnumPrintersW(DWORD Flags, LPWSTR, DWORD Level, LPBYTE pPrinterEnum,
                                     DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
  return EnumPrintersOf<WCHAR>(Flags, Level, pPrinterEnum, cbBuf, pcbNeeded, pcReturned);
}

extern "C" BOOL WINAPI EnumPrintersA(DWORD Flags, LPSTR, DWORD Level, LPBYTE pPrinterEnum,
                                     DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
  return EnumPrintersOf<char>(Flags, Level, pPrinterEnum, cbBuf, pcbNeeded, pcReturned);
}
