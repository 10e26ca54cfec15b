// The writing counterpart of ByteReader, for bytes the module changes in place: the fields and
// private blocks of a DEVMODE. A view of mutable bytes that refuses a write that does not lie
// wholly inside it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "abi/byte_reader.h"

class ByteWriter {
 public:
  ByteWriter() = default;
  explicit ByteWriter(std::span<BYTE> bytes) : m_Bytes(bytes) {}

  size_t Size() const { return m_Bytes.size(); }
  // What the view holds now, to be read before it is changed.
  ByteReader Reader(const char *name = "the data") const { return ByteReader(m_Bytes, name); }

  // Writes the bytes at `offset`; false, writing nothing, when they do not fit. The bytes may
  // overlap the view.
  bool WriteAt(size_t offset, std::span<const BYTE> bytes);
  template <typename Value>
  bool WriteAt(size_t offset, const Value &value) {
    return WriteAt(offset, BytesOf(value));
  }
  // The `size` bytes at `offset` as a writer of their own; false when they do not fit.
  bool ViewAt(size_t offset, size_t size, ByteWriter *view) const;

 private:
  std::span<BYTE> m_Bytes;
};
