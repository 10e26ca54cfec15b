// prfhost printers: the machine's printers as the spooler lists them.
#include <algorithm>
#include <iostream>
#include <vector>

#include "cli.h"
#include "host/text_convert.h"

namespace prfhost {

int RunPrinters(Context &, const std::vector<std::string> &args) {
  if (!args.empty()) return Fail("printers takes no arguments", kExitUsage);
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0, count = 0;
  EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && !EnumPrintersW(flags, nullptr, 2, buffer.data(), needed, &needed, &count))
    return Fail("cannot list the printers (error " + std::to_string(GetLastError()) + ")");
  if (count == 0) {
    std::cout << "No printers.\n";
    return 0;
  }
  const auto *printers = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
  auto text = [](LPCWSTR s) { return s ? host::Utf8FromUtf16(s) : std::string(); };
  size_t nameWidth = 4, driverWidth = 6, portWidth = 4;
  for (DWORD i = 0; i < count; ++i) {
    nameWidth = std::max(nameWidth, text(printers[i].pPrinterName).size());
    driverWidth = std::max(driverWidth, text(printers[i].pDriverName).size());
    portWidth = std::max(portWidth, text(printers[i].pPortName).size());
  }
  auto row = [&](const std::string &name, const std::string &driver, const std::string &port,
                 const std::string &kind) {
    std::cout << name << std::string(nameWidth + 2 - name.size(), ' ') << driver
              << std::string(driverWidth + 2 - driver.size(), ' ') << port
              << std::string(portWidth + 2 - port.size(), ' ') << kind << "\n";
  };
  row("Name", "Driver", "Port", "Type");
  for (DWORD i = 0; i < count; ++i)
    row(text(printers[i].pPrinterName), text(printers[i].pDriverName), text(printers[i].pPortName),
        (printers[i].Attributes & PRINTER_ATTRIBUTE_NETWORK) ? "network" : "local");
  return 0;
}

}  // namespace prfhost
