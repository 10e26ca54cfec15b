// Packs spooler structures into the caller's buffer the way GetPrinter, EnumPrinters and
// GetPrinterDriver return them: the structures first, then the strings and DEVMODEs they point
// to. A first pass measures, a second writes when the buffer is big enough.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "advapi32/registry_text.h"
#include "spooler_devmode.h"
#include "spooler_store.h"

namespace winplat::spooler {

// The ANSI and wide forms of the structures, picked by character type.
template <typename Char>
struct CharTypes;
template <>
struct CharTypes<char> {
  using PrinterInfo2 = PRINTER_INFO_2A;
  using PrinterInfo4 = PRINTER_INFO_4A;
  using DriverInfo2 = DRIVER_INFO_2A;
  using DevMode = DEVMODEA;
  static std::vector<BYTE> DevModeBytes(const std::vector<BYTE> &wide) {
    return DevModeWideToAnsi(wide);
  }
};
template <>
struct CharTypes<WCHAR> {
  using PrinterInfo2 = PRINTER_INFO_2W;
  using PrinterInfo4 = PRINTER_INFO_4W;
  using DriverInfo2 = DRIVER_INFO_2W;
  using DevMode = DEVMODEW;
  static std::vector<BYTE> DevModeBytes(const std::vector<BYTE> &wide) { return wide; }
};

template <typename Char>
class Packer {
 public:
  // Measures only when buffer is null; variable data starts after fixedSize bytes.
  Packer(LPBYTE buffer, size_t fixedSize) : buffer_(buffer), used_(fixedSize) {}

  size_t Used() const { return used_; }

  template <typename Info>
  void Place(size_t index, const Info &info) {
    if (buffer_) {
      std::memcpy(buffer_ + index * sizeof(Info), &info, sizeof(Info));
    }
  }

  Char *String(std::u16string_view text) {
    if constexpr (sizeof(Char) == 1) {
      const std::string ansi = registry::WideToAnsi(text);
      return static_cast<Char *>(Append(ansi.c_str(), ansi.size() + 1, 1));
    } else {
      const std::u16string wide(text);
      return static_cast<Char *>(Append(wide.c_str(), (wide.size() + 1) * sizeof(Char), 2));
    }
  }
  Char *OptionalString(const std::optional<std::u16string> &text) {
    return text ? String(*text) : nullptr;
  }

  // Copies bytes that hold a structure (a DEVMODE), aligned for it; null for no bytes.
  void *Bytes(const std::vector<BYTE> &bytes, size_t alignment) {
    return bytes.empty() ? nullptr : Append(bytes.data(), bytes.size(), alignment);
  }

 private:
  void *Append(const void *data, size_t size, size_t alignment) {
    used_ = (used_ + alignment - 1) / alignment * alignment;
    void *placed = buffer_ ? buffer_ + used_ : nullptr;
    if (placed) {
      std::memcpy(placed, data, size);
    }
    used_ += size;
    return placed;
  }

  LPBYTE buffer_;
  size_t used_;
};

// Runs fill(Packer&) once to measure, and again into the buffer when it is big enough: the
// GetPrinter contract, with ERROR_INSUFFICIENT_BUFFER and *pcbNeeded otherwise.
template <typename Char, typename Fill>
BOOL PackIntoBuffer(size_t fixedSize, LPBYTE buffer, DWORD cbBuf, LPDWORD pcbNeeded, Fill fill) {
  if (!pcbNeeded) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Packer<Char> measure(nullptr, fixedSize);
  fill(measure);
  *pcbNeeded = static_cast<DWORD>(measure.Used());
  if (measure.Used() > 0 && (!buffer || cbBuf < measure.Used())) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  Packer<Char> write(buffer, fixedSize);
  fill(write);
  return TRUE;
}

}  // namespace winplat::spooler
