// Fixed-size records read out of stored bytes (a registry value, a file). Only whole records
// are visible: a trailing fragment shorter than a record is ignored. Each record is copied into
// a local struct and its text fields are terminated, so no caller reads past the stored bytes
// or past a field.
#pragma once

#include <windows.h>

#include <string.h>

template <typename Record>
class StoredRecords {
 public:
  StoredRecords(const BYTE *data, size_t size)
      : m_pData(data), m_nCount(data != nullptr ? size / sizeof(Record) : 0) {}

  size_t Count() const { return m_nCount; }

  // False, leaving *record alone, when index is not one of the whole records.
  bool Get(size_t index, Record *record) const {
    if (index >= m_nCount)
      return false;
    memcpy(record, m_pData + index * sizeof(Record), sizeof(Record));
    TerminateTextFields(*record);
    return true;
  }

 private:
  const BYTE *m_pData;
  size_t m_nCount;
};
