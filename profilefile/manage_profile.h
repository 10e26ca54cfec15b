// The reader of profile files for one printer: opens a file, lists and finds its profiles,
// loads a profile's Sections 1 and 2 and rebuilds its settings onto the printer's own factory
// default DEVMODE.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "profilefile/jzp_format.h"
#include "store/vtprofjzp.h"

class ManageProfile {
 public:
  ManageProfile(LPCSTR printerName, HANDLE printer, CControlSet *controlSet);
  ManageProfile(LPCWSTR printerName, HANDLE printer, CControlSet *controlSet);
  virtual ~ManageProfile();
  ManageProfile(const ManageProfile &) = delete;
  ManageProfile &operator=(const ManageProfile &) = delete;

  // 0 on success, -1 on failure. JZP_MODE_READ reads; any other mode creates a new file.
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
  void LoadDefaultDevMode();

  std::vector<BYTE> m_DefaultDevMode;
  std::vector<BYTE> m_Section1;
  std::vector<BYTE> m_Section2;
  DWORD m_adwSectionSize[JZP_SECTION_COUNT] = {};
  DWORD m_dwItemCount = 0;
  std::unique_ptr<VTPROFJZP> m_pStore;
};
