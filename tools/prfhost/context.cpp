// Opening the printer a command works on.
#include <vector>

#include "abi/wide.h"
#include "cli.h"
#include "host/text_convert.h"

namespace prfhost {

host::PrinterSession *Context::Session(std::string *error) {
  if (session_)
    return session_.get();
  WideString name = options_.printer;
  if (name.empty()) {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 ||
        !EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(),
                       needed, &needed, &count) ||
        count == 0) {
      *error = "this machine has no printers";
      return nullptr;
    }
    name = reinterpret_cast<PRINTER_INFO_4W *>(buffer.data())->pPrinterName;
  }
  host::SessionOptions sessionOptions;
  sessionOptions.language = options_.machine.language;
  session_ = host::PrinterSession::Open(name, sessionOptions, error);
  return session_.get();
}

}  // namespace prfhost
