// The bounds-checked reader of foreign bytes.
#include "abi/byte_reader.h"

const ReadError &ByteReader::Error() const {
  static const ReadError kNone;
  return m_Error ? *m_Error : kNone;
}

bool ByteReader::Refuse(std::string_view what, std::string needed) {
  return Fail(std::string(what) + " " + needed + ", " + m_pszName + " has " +
              std::to_string(Remaining()) + " left");
}

bool ByteReader::Fail(std::string reason) {
  if (!m_Error)
    m_Error = ReadError{AbsoluteOffset(), std::move(reason)};
  return false;
}

bool ByteReader::Take(size_t size, std::span<const BYTE> *bytes, std::string_view what,
                      Length length) {
  if (Failed())
    return false;
  if (size > Remaining())
    return Refuse(what, length == Length::Needed ? "needs " + std::to_string(size) + " bytes"
                                                 : "is " + std::to_string(size) + " bytes long");
  *bytes = m_Bytes.subspan(m_nOffset, size);
  m_nOffset += size;
  return true;
}

bool ByteReader::ReadBytes(size_t size, std::span<const BYTE> *bytes, std::string_view what) {
  return Take(size, bytes, what, Length::Declared);
}

bool ByteReader::ReadView(size_t size, ByteReader *view, std::string_view what, const char *name) {
  const size_t start = AbsoluteOffset();
  std::span<const BYTE> bytes;
  if (!Take(size, &bytes, what, Length::Declared))
    return false;
  *view = ByteReader(bytes, name);
  view->m_nBase = start;
  return true;
}

bool ByteReader::Skip(size_t size, std::string_view what) {
  std::span<const BYTE> bytes;
  return Take(size, &bytes, what, Length::Declared);
}

bool ByteReader::ViewAt(size_t offset, size_t size, ByteReader *view, const char *name) const {
  if (offset > m_Bytes.size() || size > m_Bytes.size() - offset)
    return false;
  *view = ByteReader(m_Bytes.subspan(offset, size), name);
  view->m_nBase = m_nBase + offset;
  return true;
}
