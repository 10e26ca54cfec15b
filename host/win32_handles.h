// Owning wrappers for the Win32 handles the host holds: registry keys and printers.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include "abi/wide.h"

namespace host {

class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(HKEY key) : key_(key) {}
  RegKey(RegKey &&other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegKey &operator=(RegKey &&other) noexcept {
    std::swap(key_, other.key_);
    return *this;
  }
  ~RegKey() {
    if (key_)
      RegCloseKey(key_);
  }

  static RegKey Open(HKEY root, const WideString &path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
      return RegKey();
    return RegKey(key);
  }
  static RegKey Create(HKEY root, const WideString &path, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
      return RegKey();
    return RegKey(key);
  }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

class PrinterHandle {
 public:
  PrinterHandle() = default;
  explicit PrinterHandle(HANDLE handle) : handle_(handle) {}
  PrinterHandle(PrinterHandle &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  PrinterHandle &operator=(PrinterHandle &&other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~PrinterHandle() {
    if (handle_)
      ClosePrinter(handle_);
  }

  static PrinterHandle Open(const WideString &name, ACCESS_MASK access) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
    HANDLE handle = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &handle, &defaults))
      return PrinterHandle();
    return PrinterHandle(handle);
  }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace host
