// One profile file open for reading or for writing. Writing appends whole profiles (entry and
// four sections) from the content a store gathers; reading lists, finds and reads profiles,
// every entry checked by the file reader to lie with its sections inside the file before it is
// used. A file named in ANSI is opened with the A calls, one named in wide characters with the
// W calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "abi/profile_records.h"
#include "abi/wide.h"
#include "profilefile/jzp_file_handle.h"
#include "profilefile/jzp_format.h"
#include "profilefile/jzp_reader.h"

// One registry value of Section 3.
struct JzpRegValue {
  std::string name;
  DWORD type;
  std::vector<BYTE> data;
};

// What a profile carries into a file.
struct JzpProfileContent {
  const ProfileHeader *header;
  // The profile's stored DEVMODE, and the writer's factory default it is encoded against.
  const BYTE *devMode;
  DWORD devModeSize;
  const BYTE *defaultDevMode;
  DWORD defaultDevModeSize;
  std::vector<JzpRegValue> values;  // Section 3, in this order
  std::vector<BYTE> setup;          // Section 4: the "_Setup" value, empty when none
  LPCSTR model;                     // the writer's driver name
};

class JzpFile {
 public:
  // Modes: JZP_MODE_READ; JZP_MODE_WRITE appends to an existing file, keeping its header; with
  // JZP_MODE_REPLACE an existing file is deleted first. A new file gets `newHead` (count 0). A
  // file already open is closed first, without its header being written.
  bool Open(LPCSTR fileName, DWORD mode, const JzpHead &newHead);
  bool Open(LPCWSTR fileName, DWORD mode, const JzpHead &newHead);
  // In a write mode the header, with its count, is written at offset 0 first.
  void Close();
  bool IsOpen() const { return m_hFile.IsOpen(); }
  bool IsWriting() const { return IsOpen() && (m_dwMode & JZP_MODE_WRITE); }
  const JzpHead &Head() const { return m_Head; }

  // Appends the profile's entry and sections; the header's count grows by one.
  void WriteProfile(const JzpProfileContent &content);
  // Sections 1 and 2 of the entry being written, encoded against the default DEVMODE; their
  // sizes go into the entry.
  void WriteDevModeSections(const BYTE *devMode, DWORD devModeSize, const BYTE *defaultDevMode,
                            DWORD defaultDevModeSize);

  // The number of profiles whose entries and sections lie inside the file (a damaged file lists
  // those before the damage; a negative count lists none); -1 without an open file, 0 on a
  // wrong magic. Copies up to `capacity` names (32-byte slots) and descriptions (512-byte
  // slots) into the arrays that are given.
  int ListProfiles(char (*names)[32], char (*descriptions)[512], DWORD capacity);
  // The first entry whose name equals `profileName` without regard to case.
  bool FindEntry(LPCSTR profileName, JzpProfileEntry *entry);
  // Reads Sections 1 and 2 of that entry; false when a buffer is smaller than its section.
  bool ReadSections(LPCSTR profileName, BYTE *section1, DWORD section1Size, BYTE *section2,
                    DWORD section2Size);
  // Section k (0 to 3) of that entry; false when the file has no such entry.
  bool ReadSection(LPCSTR profileName, int section, std::vector<BYTE> *bytes);
  // Leaves the file at the first byte of section k (0 to 3) of that entry.
  bool SeekSection(LPCSTR profileName, int section);
  // Reads at the current position; the bytes read.
  DWORD Read(BYTE *buffer, DWORD size);

 private:
  bool FindEntryInfo(JzpFileReader &reader, LPCSTR profileName, JzpEntryInfo *info);
  // Finds the profile's entry in the open file and hands the reader and the entry to `use`;
  // false when the file is not open or holds no such profile.
  template <typename Use>
  bool WithEntry(LPCSTR profileName, Use &&use);
  DWORD Write(const void *data, DWORD size);
  DWORD WriteRegItem(LPCSTR valueName, DWORD type, const BYTE *data, DWORD size);

  bool OpenNamed(DWORD mode, const JzpHead &newHead);
  HANDLE OpenFile(DWORD access, DWORD share, DWORD disposition) const;
  bool DeleteNamedFile() const;

  std::string m_AnsiName;  // the name when the A calls open the file
  WideString m_WideName;   // the name when the W calls do
  JzpFileHandle m_hFile;
  DWORD m_dwMode = 0;
  JzpHead m_Head{};
  JzpProfileEntry m_Entry{};  // the entry being written, or the one last found
  DWORD m_dwProfileOffset = 0;
};
