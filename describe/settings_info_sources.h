// What the settings-information dialog reads: the host, the current settings and the host's
// records, each as bytes of a known extent, so that a field outside a record (a short block, a
// DEVMODE of an older layout) reads as missing instead of past its end.
#pragma once

#include <windows.h>

#include <string.h>

#include <optional>
#include <string>

#include "abi/host_interfaces.h"
#include "store/text_policy.h"

// Bytes of one record; reads outside them give nothing.
class InfoBytes {
 public:
  InfoBytes() = default;
  InfoBytes(const void *data, size_t size)
      : m_pData(static_cast<const BYTE *>(data)), m_nSize(data != nullptr ? size : 0) {}

  explicit operator bool() const { return m_pData != nullptr; }
  bool Holds(size_t offset, size_t size) const {
    return m_pData != nullptr && offset <= m_nSize && size <= m_nSize - offset;
  }
  template <typename T>
  std::optional<T> Get(size_t offset) const {
    if (!Holds(offset, sizeof(T)))
      return std::nullopt;
    T value;
    memcpy(&value, m_pData + offset, sizeof value);
    return value;
  }
  // The NUL-terminated ANSI text of a field of `size` bytes; empty outside the record.
  std::string Text(size_t offset, size_t size) const;
  // The NUL-terminated UTF-16 text of a field of `chars` characters.
  WideString WideText(size_t offset, size_t chars) const;

 private:
  const BYTE *m_pData = nullptr;
  size_t m_nSize = 0;
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
