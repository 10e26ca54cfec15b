// Reading a profile file: the header, then the profile entries in order, each checked to lie
// with its four sections inside the file before anything of it is handed out. The reader stops
// at the first damage and says where (a byte offset in the file) and why.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "profilefile/jzp_format.h"

// Where the bytes come from: an open file, or memory.
class JzpByteSource {
 public:
  virtual ~JzpByteSource() = default;
  virtual DWORD Size() const = 0;
  // True when all `size` bytes at `offset` were read.
  virtual bool ReadAt(DWORD offset, void *buffer, DWORD size) = 0;
};

// An open file; reading moves its file pointer.
class JzpFileSource : public JzpByteSource {
 public:
  explicit JzpFileSource(HANDLE file);
  DWORD Size() const override { return m_dwSize; }
  bool ReadAt(DWORD offset, void *buffer, DWORD size) override;

 private:
  HANDLE m_hFile;
  DWORD m_dwSize = 0;
};

class JzpMemorySource : public JzpByteSource {
 public:
  JzpMemorySource(const BYTE *data, DWORD size) : m_pData(data), m_dwSize(size) {}
  DWORD Size() const override { return m_dwSize; }
  bool ReadAt(DWORD offset, void *buffer, DWORD size) override;

 private:
  const BYTE *m_pData;
  DWORD m_dwSize;
};

// One profile entry as found in the file, with the offsets of its sections.
struct JzpEntryInfo {
  int index;  // from 0, in file order
  DWORD entryOffset;
  JzpProfileEntry entry;  // text fields terminated inside their fields
  DWORD sectionOffset[JZP_SECTION_COUNT];
};

class JzpFileReader {
 public:
  explicit JzpFileReader(JzpByteSource &source) : m_Source(source) {}

  // Reads the header at offset 0 and checks its magic (the first three bytes). The number of
  // entries to visit is nProfCount; a negative count lists none.
  bool ReadHead(JzpHead *head);
  // The next entry; false after the last one and at damage (see Damaged and Stop). When the
  // entry itself could be read but one of its sections runs past the file, `info` holds the
  // entry with the index it has; otherwise its index is -1.
  bool NextEntry(JzpEntryInfo *info);
  // Reads section k of an entry that NextEntry returned (its size was checked there).
  bool ReadSection(const JzpEntryInfo &info, int section, std::vector<BYTE> *bytes);

  bool Damaged() const { return !m_Reason.empty(); }
  DWORD StopOffset() const { return m_dwStopOffset; }
  const std::string &StopReason() const { return m_Reason; }

 private:
  bool Fail(DWORD offset, std::string reason);

  JzpByteSource &m_Source;
  int m_nCount = 0;
  int m_nNext = 0;
  DWORD m_dwOffset = sizeof(JzpHead);
  DWORD m_dwStopOffset = 0;
  std::string m_Reason;
};

// The header's magic: "JZP" in the first three bytes; the fourth is not looked at.
bool IsJzpMagic(const JzpHead &head);
