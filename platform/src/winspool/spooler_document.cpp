// DocumentProperties: a printer's DEVMODE size, its default DEVMODE, and that default merged
// with the caller's. No property sheet is shown here: DM_IN_PROMPT behaves as if the user
// confirmed the settings unchanged.
#include <cstring>

#include "advapi32/registry_text.h"
#include "spooler_devmode.h"
#include "spooler_store.h"

using namespace winplat::spooler;

namespace {

constexpr LONG kIdOk = 1;  // IDOK
// The input DEVMODE must at least reach dmFields to say which of its fields count.
constexpr size_t kWideInputMinimum = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);
constexpr size_t kAnsiInputMinimum = offsetof(DEVMODEA, dmLogPixels);

LONG Fail(DWORD error) {
  SetLastError(error);
  return -1;
}

// A printer handle for the length of one call: the caller's, or one opened by name.
class CallPrinter {
 public:
  CallPrinter(HANDLE given, LPCWSTR deviceName) : handle_(given) {
    if (!handle_) {
      std::u16string name = deviceName ? deviceName : u"";
      owned_ = OpenPrinterW(name.data(), &handle_, nullptr) != FALSE;
    }
  }
  ~CallPrinter() {
    if (owned_) {
      ClosePrinter(handle_);
    }
  }
  CallPrinter(const CallPrinter &) = delete;
  CallPrinter &operator=(const CallPrinter &) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
  bool owned_ = false;
};

// The printer's default DEVMODE, with input merged into it when there is one.
DWORD ResultDevMode(HANDLE hPrinter, LPCWSTR deviceName, const DEVMODEW *input,
                    std::vector<BYTE> &devMode) {
  const CallPrinter printerHandle(hPrinter, deviceName);
  if (!printerHandle.get()) {
    return GetLastError();
  }
  PrinterRecord printer;
  if (const DWORD error = LoadPrinterOfHandle(printerHandle.get(), printer);
      error != ERROR_SUCCESS) {
    return error;
  }
  if (printer.devMode.empty()) {
    return ERROR_FILE_NOT_FOUND;  // no valid "Default DevMode"
  }
  devMode = std::move(printer.devMode);
  if (input) {
    MergeDevMode(devMode, *input);
  }
  return ERROR_SUCCESS;
}

LONG HandOut(const std::vector<BYTE> &devMode, void *output, DWORD fMode) {
  if (fMode == 0) {
    return static_cast<LONG>(devMode.size());
  }
  if (fMode & DM_OUT_BUFFER) {
    if (!output) {
      return Fail(ERROR_INVALID_PARAMETER);
    }
    std::memcpy(output, devMode.data(), devMode.size());
  }
  return kIdOk;
}

}  // namespace

extern "C" LONG WINAPI DocumentPropertiesW(HWND, HANDLE hPrinter, LPWSTR pDeviceName,
                                           PDEVMODEW pDevModeOutput, PDEVMODEW pDevModeInput,
                                           DWORD fMode) {
  const DEVMODEW *input = (fMode & DM_IN_BUFFER) ? pDevModeInput : nullptr;
  if (input && input->dmSize < kWideInputMinimum) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  std::vector<BYTE> devMode;
  if (const DWORD error = ResultDevMode(hPrinter, pDeviceName, input, devMode);
      error != ERROR_SUCCESS) {
    return Fail(error);
  }
  return HandOut(devMode, pDevModeOutput, fMode);
}

extern "C" LONG WINAPI DocumentPropertiesA(HWND, HANDLE hPrinter, LPSTR pDeviceName,
                                           PDEVMODEA pDevModeOutput, PDEVMODEA pDevModeInput,
                                           DWORD fMode) {
  const DEVMODEA *input = (fMode & DM_IN_BUFFER) ? pDevModeInput : nullptr;
  if (input && input->dmSize < kAnsiInputMinimum) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const std::vector<BYTE> wideInput = input ? DevModeAnsiToWide(*input) : std::vector<BYTE>();
  const std::u16string deviceName =
      pDeviceName ? winplat::registry::AnsiToWide(pDeviceName) : std::u16string();
  std::vector<BYTE> devMode;
  if (const DWORD error = ResultDevMode(
          hPrinter, pDeviceName ? deviceName.c_str() : nullptr,
          input ? reinterpret_cast<const DEVMODEW *>(wideInput.data()) : nullptr, devMode);
      error != ERROR_SUCCESS) {
    return Fail(error);
  }
  return HandOut(DevModeWideToAnsi(devMode), pDevModeOutput, fMode);
}
