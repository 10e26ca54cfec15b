// prfhost printers: the machine's printers as the spooler lists them.
#include <algorithm>
#include <iostream>
#include <vector>

#include "cli.h"
#include "host/text_convert.h"
#include "json_text.h"

namespace prfhost {

int RunPrinters(Context &, const std::vector<std::string> &args) {
  const bool json = args.size() == 1 && args[0] == "--json";
  if (!args.empty() && !json)
    return Fail("usage: prfhost printers [--json]", kExitUsage);
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0, count = 0;
  EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && !EnumPrintersW(flags, nullptr, 2, buffer.data(), needed, &needed, &count))
    return Fail("cannot list the printers (error " + std::to_string(GetLastError()) + ")");
  const auto *printers = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
  auto text = [](LPCWSTR s) { return s ? host::Utf8FromUtf16(s) : std::string(); };
  auto kind = [](const PRINTER_INFO_2W &printer) {
    return (printer.Attributes & PRINTER_ATTRIBUTE_NETWORK) ? "network" : "local";
  };
  if (json) {
    std::vector<std::string> items;
    for (DWORD i = 0; i < count; ++i)
      items.push_back(JsonObject()
                          .Text("name", text(printers[i].pPrinterName))
                          .Text("driver", text(printers[i].pDriverName))
                          .Text("port", text(printers[i].pPortName))
                          .Text("type", kind(printers[i]))
                          .str());
    PrintJsonWithList(std::cout, JsonObject(), "printers", items);
    return 0;
  }
  if (count == 0) {
    std::cout << "No printers.\n";
    return 0;
  }
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
        kind(printers[i]));
  return 0;
}

}  // namespace prfhost
