// Bounds-checked writes into bytes the module changes in place.
#include "abi/byte_writer.h"

#include <string.h>

bool ByteWriter::WriteAt(size_t offset, std::span<const BYTE> bytes) {
  if (offset > m_Bytes.size() || bytes.size() > m_Bytes.size() - offset)
    return false;
  if (!bytes.empty())
    memmove(m_Bytes.data() + offset, bytes.data(), bytes.size());
  return true;
}

bool ByteWriter::ViewAt(size_t offset, size_t size, ByteWriter *view) const {
  if (offset > m_Bytes.size() || size > m_Bytes.size() - offset)
    return false;
  *view = ByteWriter(m_Bytes.subspan(offset, size));
  return true;
}
