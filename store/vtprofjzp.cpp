// Construction of the profile store: its printer's identity, its printer handle and, on
// first use, the default DEVMODE.
#include "store/vtprofjzp.h"

#include <utility>

namespace {

bool IsNoHandle(HANDLE printer) {
  return printer == nullptr || printer == INVALID_HANDLE_VALUE;
}

}  // namespace

VTPROFJZP::VTPROFJZP(HWND owner, std::unique_ptr<PrinterIdentity> identity, HANDLE printer)
    : m_hOwner(owner),
      m_pOwnIdentity(std::move(identity)),
      m_pIdentity(m_pOwnIdentity.get()),
      m_pDriverSizeCache(nullptr),
      m_bHeadersCached(false) {
  OpenOwnPrinter(printer);
}

VTPROFJZP::VTPROFJZP(HWND owner, LPCSTR printerName, HANDLE printer, CControlSet *controlSet)
    : VTPROFJZP(owner, std::make_unique<PrinterIdentity>(printerName, printer, controlSet),
                printer) {}

VTPROFJZP::VTPROFJZP(HWND owner, LPCWSTR printerName, HANDLE printer, CControlSet *controlSet)
    : VTPROFJZP(owner, std::make_unique<PrinterIdentity>(printerName, printer, controlSet),
                printer) {}

VTPROFJZP::VTPROFJZP(HWND owner, PrinterIdentity &identity, HANDLE printer)
    : m_hOwner(owner),
      m_pIdentity(&identity),
      m_pDriverSizeCache(&identity.DriverDevModeSize()),
      m_bHeadersCached(false) {
  OpenOwnPrinter(printer);
}

VTPROFJZP::~VTPROFJZP() = default;

// The given handle serves; without one the store opens the printer by name with all access and
// closes it at the end. An identity the system could not read leaves the store without a
// printer.
void VTPROFJZP::OpenOwnPrinter(HANDLE printer) {
  if (!m_pIdentity->IsRead())
    return;
  if (!IsNoHandle(printer))
    m_Printer = ScopedPrinter(printer, false);
  else if (m_pIdentity->IsNamed())
    m_Printer = Text().OpenPrinterByName(m_pIdentity->PrinterName(), PRINTER_ALL_ACCESS);
}

DWORD VTPROFJZP::GetDefaultDevModeBufferSize() {
  return static_cast<DWORD>(DefaultDevMode().size());
}

const BYTE *VTPROFJZP::GetDefaultDevModeBuffer() {
  return DefaultDevMode().data();
}

// A printer without a name has no default DEVMODE.
const std::vector<BYTE> &VTPROFJZP::DefaultDevMode() {
  if (m_pIdentity->DefaultDevMode() == nullptr) {
    std::vector<BYTE> devMode;
    if (m_pIdentity->IsNamed()) {
      devMode.assign(RetryDefaultDevModeSize(), 0);
      GetDefaultDevMode(devMode.data(), static_cast<DWORD>(devMode.size()));
    }
    m_pIdentity->KeepDefaultDevMode(std::move(devMode));
  }
  return *m_pIdentity->DefaultDevMode();
}

ScopedPrinter VTPROFJZP::UsePrinter(ACCESS_MASK access) {
  if (m_Printer)
    return ScopedPrinter(m_Printer.get(), false);
  return Text().OpenPrinterByName(m_pIdentity->PrinterName(), access);
}
