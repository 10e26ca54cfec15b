// The reader of profile files for one printer: opens a file, lists and finds its profiles,
// loads a profile's Sections 1 and 2 and rebuilds its settings onto the printer's own factory
// default DEVMODE, which the printer's store hands it with the header a new file gets.
#pragma once

#include <windows.h>

#include <vector>

#include "profilefile/jzp_format.h"
#include "profilefile/jzp_file.h"

class ManageProfile {
 public:
  ManageProfile(std::vector<BYTE> defaultDevMode, const JzpHead &newHead);
  virtual ~ManageProfile();
  ManageProfile(const ManageProfile &) = delete;
  ManageProfile &operator=(const ManageProfile &) = delete;

  // 0 on success, -1 on failure. JZP_MODE_READ reads; any other mode creates a new file. An
  // ANSI name is opened with the A calls, a wide one with the W calls.
  int OpenProfile(LPCSTR fileName, DWORD mode);
  int OpenProfile(LPCWSTR fileName, DWORD mode);
  int CloseProfile();
  // The file's header; false when no file is open.
  bool LoadProfileHeader(JzpHead *head) const;
  int GetProfileDataFromJZP(char (*names)[32], char (*descriptions)[512], DWORD capacity);
  bool FindProfileEntry(LPCSTR profileName, JzpProfileEntry *entry);
  // Reads Sections 1 and 2 of the entry's profile into this object.
  bool LoadProfile(const JzpProfileEntry &entry);
  // The printer's factory default DEVMODE with the sections applied, in `target` (`targetSize`
  // bytes). False, leaving the target alone, when the default does not fit it.
  bool CopyProfileToDevModeW(BYTE *target, DWORD targetSize, const BYTE *section1,
                             DWORD section1Size, const BYTE *section2, DWORD section2Size) const;

  DWORD GetSectionSize(int section) const { return m_adwSectionSize[section]; }
  DWORD GetItemCount() const { return m_dwItemCount; }
  const std::vector<BYTE> &GetSection1() const { return m_Section1; }
  const std::vector<BYTE> &GetSection2() const { return m_Section2; }
  const std::vector<BYTE> &GetDefaultDevMode() const { return m_DefaultDevMode; }

 private:
  std::vector<BYTE> m_DefaultDevMode;
  JzpHead m_NewHead;
  std::vector<BYTE> m_Section1;
  std::vector<BYTE> m_Section2;
  DWORD m_adwSectionSize[JZP_SECTION_COUNT] = {};
  DWORD m_dwItemCount = 0;
  JzpFile m_File;
};
