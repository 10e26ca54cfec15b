// Reading a profile file: the header, then the profile entries in order, each checked to lie
// with its four sections inside the file before anything of it is handed out. The reader stops
// at the first damage and says where (a byte offset in the file) and why.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "abi/byte_reader.h"
#include "profilefile/jzp_format.h"

// Where the bytes come from: an open file, or memory.
class JzpByteSource {
 public:
  virtual ~JzpByteSource() = default;
  virtual std::span<const BYTE> Bytes() const = 0;
  DWORD Size() const { return static_cast<DWORD>(Bytes().size()); }
};

// An open file, read whole from its start when the source is made; reading moves its file
// pointer. A profile file the module writes holds a few kilobytes per profile, so only its
// first kMaxJzpFileSize bytes are read: a file beyond that reads as cut there.
class JzpFileSource : public JzpByteSource {
 public:
  static constexpr DWORD kMaxJzpFileSize = 64u << 20;

  explicit JzpFileSource(HANDLE file);
  std::span<const BYTE> Bytes() const override { return m_Bytes; }

 private:
  std::vector<BYTE> m_Bytes;
};

class JzpMemorySource : public JzpByteSource {
 public:
  JzpMemorySource(const BYTE *data, DWORD size)
      : m_Bytes(data != nullptr ? std::span<const BYTE>(data, size) : std::span<const BYTE>()) {}
  std::span<const BYTE> Bytes() const override { return m_Bytes; }

 private:
  std::span<const BYTE> m_Bytes;
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
  // The source's bytes must stay as they are while the reader is used.
  explicit JzpFileReader(const JzpByteSource &source) : m_Bytes(source.Bytes()) {}

  // Reads the header at offset 0 and checks its magic (the first three bytes). The number of
  // entries to visit is nProfCount; a negative count lists none.
  bool ReadHead(JzpHead *head);
  // The next entry; false after the last one and at damage (see Damaged and Stop). When the
  // entry itself could be read but one of its sections runs past the file, `info` holds the
  // entry with the index it has; otherwise its index is -1.
  bool NextEntry(JzpEntryInfo *info);
  // Section k of an entry that NextEntry returned, as a reader whose offsets count from the
  // start of the file.
  ByteReader Section(const JzpEntryInfo &info, int section) const;

  bool Damaged() const { return !m_Reason.empty(); }
  DWORD StopOffset() const { return m_dwStopOffset; }
  const std::string &StopReason() const { return m_Reason; }

 private:
  bool Fail(DWORD offset, std::string reason);
  bool Fail(const ReadError &error);

  std::span<const BYTE> m_Bytes;
  ByteReader m_File;
  int m_nCount = 0;
  int m_nNext = 0;
  DWORD m_dwStopOffset = 0;
  std::string m_Reason;
};

// The header's magic: "JZP" in the first three bytes; the fourth is not looked at.
bool IsJzpMagic(const JzpHead &head);
