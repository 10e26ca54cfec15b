// What the settings-information dialog reads: the host, the current settings and the host's
// records, each as bytes of a known extent, so that a field outside a record (a short block, a
// DEVMODE of an older layout) reads as missing instead of past its end.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>

#include "abi/byte_reader.h"
#include "abi/host_interfaces.h"
#include "abi/record_text.h"
#include "store/text_policy.h"

// Bytes of one record, read through the reader; reads outside them give nothing.
class InfoBytes {
 public:
  InfoBytes() = default;
  explicit InfoBytes(std::span<const BYTE> bytes) : m_Bytes(bytes, "the record") {}
  // A record of the host's that it vouches is `size` bytes long; nothing for null.
  InfoBytes(const void *data, size_t size)
      : InfoBytes(data != nullptr ? std::span<const BYTE>(static_cast<const BYTE *>(data), size)
                                  : std::span<const BYTE>()) {}

  explicit operator bool() const { return m_Bytes.Size() != 0; }
  bool Holds(size_t offset, size_t size) const {
    ByteReader field;
    return m_Bytes.ViewAt(offset, size, &field);
  }
  template <typename T>
  std::optional<T> Get(size_t offset) const {
    ByteReader field;
    T value{};
    if (!m_Bytes.ViewAt(offset, sizeof(T), &field) || !field.Read(&value))
      return std::nullopt;
    return value;
  }
  // The NUL-terminated ANSI text of a field of `size` bytes; empty outside the record.
  std::string Text(size_t offset, size_t size) const;
  // The NUL-terminated UTF-16 text of a field of `chars` characters.
  WideString WideText(size_t offset, size_t chars) const;

 private:
  ByteReader m_Bytes;
};

// A private block of the current settings, as far as its header's size reaches. Nothing when
// there is no block, or its header is damaged or smaller than itself.
InfoBytes PrivateBlockBytes(const void *block);
// The public part of a DEVMODE, as far as its dmSize reaches.
InfoBytes DevModeBytes(const DEVMODEW *devMode);

struct InfoSources {
  UIManager *manager = nullptr;
  InfoBytes main;       // the current main block (pdMain)
  InfoBytes devMode;    // the current public DEVMODE
  InfoBytes model;      // ModelInfoRecord
  InfoBytes caps;       // ModelCapabilitiesRecord
  InfoBytes prologue;   // the current prologue/epilogue block
  InfoBytes watermark;  // the current watermark block
  HWND opener = nullptr;
  WORD openedFrom = 0;  // the number of the page that opened the dialog

  // A flag of a 32-bit word of the capabilities or the model record; false when it is missing.
  bool CapsBit(size_t offset, int bit) const;
  bool ModelBit(size_t offset, int bit) const;
  bool IsColorDevice() const;
  WORD PdlId() const;
};
