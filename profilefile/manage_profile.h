// The reader of profile files for one printer: opens a file, lists and finds its profiles,
// loads a profile's Sections 1 to 3, walks its registry values, fits its settings to the
// printer (paper size, resolution, custom paper size) and rebuilds them onto the printer's own
// factory default DEVMODE, which the printer's store hands it with the header a new file gets.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "abi/byte_reader.h"
#include "profilefile/jzp_file.h"
#include "profilefile/jzp_format.h"
#include "profilefile/jzp_import_rules.h"

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
  // Reads Sections 1, 2 and 3 of the entry's profile into this object.
  bool LoadProfile(const JzpProfileEntry &entry);

  // The walk over the registry values of Section 3. A head whose data would run past the
  // section ends the walk: the values before it are all the section holds.
  void StartProfileRegistry();
  bool IsProfileRegistry() const { return m_dwRegistryConsumed < m_Section3.size(); }
  // The next value's head; its dwSize never exceeds what the section holds behind it.
  bool LoadProfileRegHeader(JzpRegItemHeader *header);
  // Up to `size` bytes of the value's data; the bytes copied.
  DWORD LoadProfileRegBody(BYTE *buffer, DWORD size);

  // Section 1 items: the value of the last item with the tag (0 when none), and a value for
  // every item with the tag.
  DWORD GetItemValue(DWORD tag) const;
  void SetItemValue(DWORD tag, DWORD value);

  // Fits the paper size and the resolutions of Section 1 to the printer.
  void VerifySection1(const JzpImportTarget &target);
  // The number of whole items of Section 2.
  DWORD VerifySection2() const;
  // Merges the profile's custom paper size (entry value of tag 7 - 296 of the imported table)
  // into the printer's table and points tag 7 at it. Nullopt, changing nothing, when the
  // profile uses no custom size, the printer holds no table or the imported table lacks the
  // entry.
  std::optional<CustomPaperSizeMerge> VerifyProfileCPSData(
      std::optional<std::vector<CustomPaperSize>> printerTable, std::span<const BYTE> imported);
  // The profile's settings fitted to the printer and applied onto its factory default, in
  // `target` (`targetSize` bytes). False, leaving the target alone, when the default does not
  // fit it.
  bool LoadProfileDevMode(const JzpImportTarget &target, BYTE *devMode, DWORD devModeSize);
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
  std::vector<BYTE> m_Section3;
  DWORD m_dwRegistryConsumed = 0;
  DWORD m_adwSectionSize[JZP_SECTION_COUNT] = {};
  DWORD m_dwItemCount = 0;
  JzpFile m_File;
};
