// The per-printer profile store: one object per printer and task. It holds a printer handle and
// the printer's identity (its own, or the one a profile page lends it), reads and writes the
// printer's data in its PrinterDriverData key, and keeps each profile's stored values: printer
// data, or on the ANSI platform side files in the driver directory for user profiles.
//
// Every operation calls the ANSI or the wide Win32 function through the store's text policy:
// the platform's form, with the system's code page for names.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "abi/private_blocks.h"
#include "abi/storage_names.h"
#include "abi/host_interfaces.h"
#include "profilefile/jzp_file.h"
#include "abi/profile_records.h"
#include "store/printer_identity.h"
#include "store/text_policy.h"
#include "store/win_handles.h"

// The registry key that every printer-data operation addresses.
constexpr char PRINTER_DATA_KEY[] = "PrinterDriverData";
// Registry number that asks the value operations to look the profile up by its name.
constexpr int PROFILE_REGNUM_BY_NAME = -1;

// One of a profile's stored values as its index lists it, with the size it has now.
struct ProfileValueInfo {
  std::string name;
  DWORD size;
};

// The bytes and registry type of one of a profile's stored values.
struct ProfileValue {
  std::vector<BYTE> data;
  DWORD type;
};

class VTPROFJZP {
 public:
  // A store on its own reads its printer's identity (PrinterIdentity) from the name, given in
  // either form, the handle and the control set. A printer handle of null or
  // INVALID_HANDLE_VALUE means none: the store then opens the printer itself.
  VTPROFJZP(HWND owner, LPCSTR printerName, HANDLE printer, CControlSet *controlSet);
  VTPROFJZP(HWND owner, LPCWSTR printerName, HANDLE printer, CControlSet *controlSet);
  // A store of a profile page borrows the identity the page read, which outlives the store, and
  // leaves in it what it learns for the page's next stores: the driver's DEVMODE size and the
  // default DEVMODE.
  VTPROFJZP(HWND owner, PrinterIdentity &identity, HANDLE printer);
  ~VTPROFJZP();
  VTPROFJZP(const VTPROFJZP &) = delete;
  VTPROFJZP &operator=(const VTPROFJZP &) = delete;

  // Printer data: values of the printer's PrinterDriverData key, which the spooler calls address
  // by themselves.
  DWORD GetRegValueSize(LPCSTR valueName);
  // Bytes the value holds; 0 on any failure, including a buffer smaller than the value.
  DWORD GetRegValue(LPCSTR valueName, BYTE *buffer, DWORD bufferSize);
  void SetRegValue(LPCSTR valueName, const BYTE *data, DWORD size, DWORD type);
  // Deletes the value through the registry, from the printer's key `key` (PRINTER_DATA_KEY) or,
  // with a null key, from the printer's own key. True when the key could be opened; whether the
  // value existed is not reported.
  bool RemoveRegValue(LPCSTR key, LPCSTR valueName);

  // The driver's DEVMODE size (the stored default profile's, else the driver's); 0 on failure.
  // With a page's identity, the driver's answer is the one the page's stores got first, and a
  // retry that gave up answers the fallback size.
  DWORD GetDefaultDevModeSize();
  // GetDefaultDevModeSize with up to five attempts a second apart; never 0.
  DWORD RetryDefaultDevModeSize();
  // Copies the default DEVMODE into the buffer; returns the bytes copied.
  DWORD GetDefaultDevMode(BYTE *buffer, DWORD bufferSize);
  // The profile's stored DEVMODE; empty when it has none.
  std::vector<BYTE> GetProfileDevModeFromReg(LPCSTR profileName);

  // Reads the printer's driver name into the cached driver name.
  void GetDriverName();
  // Registry number of the stored profile with this name (case ignored); 0 when none.
  int GetProfRegNum(LPCSTR profileName);
  // Number of stored headers; copies up to `capacity` names (32-byte slots) and descriptions
  // (512-byte slots) into the arrays that are given.
  DWORD GetProfileDataFromModel(char (*names)[32], char (*descriptions)[512], DWORD capacity);
  // The last stored header with this name (case ignored), or null.
  const ProfileHeader *GetProfileDataModel(LPCSTR profileName);

  static PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId);

  // A profile's stored values. regNum PROFILE_REGNUM_BY_NAME looks the number up by name.
  // Value names must not contain "JZP_" and must fit an index entry.
  void SaveProfileRegValue(LPCSTR profileName, int regNum, LPCSTR valueName, const BYTE *data,
                           DWORD size, DWORD type);
  // Size of the value, 0 when it is missing, unreadable or empty (ReadProfileValue tells these
  // apart). A buffer, when given, must hold the whole value: a smaller one is refused (0) and
  // left untouched, as are size and type.
  DWORD LoadProfileRegValue(LPCSTR profileName, int regNum, LPCSTR valueName, BYTE *buffer,
                            DWORD bufferSize, DWORD *size, DWORD *type);
  DWORD LoadProfileRegValue(LPCSTR profileName, LPCSTR valueName, BYTE *buffer, DWORD bufferSize,
                            DWORD *size, DWORD *type);
  DWORD GetProfileRegValueSize(LPCSTR profileName, LPCSTR valueName);
  // The value as stored, an empty one included; nullopt when it is missing or unreadable.
  std::optional<ProfileValue> ReadProfileValue(LPCSTR profileName, int regNum, LPCSTR valueName);
  std::vector<ProfileValueInfo> EnumProfileRegValue(LPCSTR profileName, int regNum);
  // Deletes every value the profile's index names, then the index.
  void RemoveProfileRegValue(LPCSTR profileName, int regNum);

  // Profile files (one open at a time). The name is converted to the platform's form. Modes:
  // JZP_MODE_READ; JZP_MODE_WRITE appends to an existing file, keeping its header; with
  // JZP_MODE_REPLACE an existing file is deleted first. A new file gets a fresh header.
  bool OpenJzpFile(LPCSTR fileName, DWORD mode);
  bool OpenJzpFile(LPCWSTR fileName, DWORD mode);
  // In a write mode the header, with its count, is written at offset 0 first.
  void CloseJzpFile();
  // The header a new file gets: the factory default's driver version, the store's language and
  // the printer's driver name.
  JzpHead NewJzpHead();
  bool IsJzpFileOpen() const { return m_JzpFile.IsOpen(); }
  const JzpHead &GetJzpHead() const { return m_JzpFile.Head(); }

  // Appends the profile's entry and sections: 0 when done or when the profile is unknown; -1
  // when nothing can be written (no default DEVMODE to compare with, no file open to write).
  int SaveProfileToJZP(LPCSTR profileName);
  // Sections 1 and 2 of the entry being written, their sizes stored in the entry.
  void SaveProfileDevmodeToJzp(const BYTE *devMode, DWORD size);
  // The section encoders against the held default DEVMODE: the bytes the section needs; with
  // a null buffer they only count.
  DWORD ConvertDevModeToItems(const BYTE *devMode, DWORD size, BYTE *out, DWORD outSize);
  DWORD ConvertDevModeToBuffers(const BYTE *devMode, DWORD size, BYTE *out, DWORD outSize);
  // SaveProfileToJZP for each name of the list, in order; nothing with a null list. Returns 0.
  int ExportProfilesToJZP(const char (*names)[32], DWORD count);

  // Reading a file opened with JZP_MODE_READ. The number of profiles whose entries and
  // sections lie inside the file (a damaged file lists those before the damage; a negative
  // count lists none); -1 without an open file, 0 on a wrong magic. Copies up to `capacity`
  // names (32-byte slots) and descriptions (512-byte slots) into the arrays that are given.
  int GetProfileDataFromJZP(char (*names)[32], char (*descriptions)[512], DWORD capacity);
  // The first entry whose name equals `profileName` without regard to case.
  bool FindProfileEntry(LPCSTR profileName, JzpProfileEntry *entry);
  // Reads Sections 1 and 2 of that entry; false when a buffer is smaller than its section.
  bool ReadProfileSections(LPCSTR profileName, BYTE *section1, DWORD section1Size, BYTE *section2,
                           DWORD section2Size);
  // Leaves the file at the first byte of section k (0 to 3) of that entry.
  bool SeekProfileSection(LPCSTR profileName, int section);
  // Reads at the current position; the bytes read.
  DWORD ReadProfileData(BYTE *buffer, DWORD size);

  const PrinterIdentity &Identity() const { return *m_pIdentity; }
  const TextPolicy &Text() const { return m_pIdentity->Text(); }
  bool IsAnsiPlatform() const { return Text().IsAnsi(); }
  bool IsClientMode() const { return m_pIdentity->IsClientMode(); }
  bool IsNetworkPort() const { return m_pIdentity->IsNetworkPort(); }
  DWORD GetOsVersionCode() const { return m_pIdentity->GetOsVersionCode(); }
  DWORD GetLanguageCode() const { return m_pIdentity->GetLanguageCode(); }
  HANDLE GetPrinterHandle() const { return m_Printer.get(); }
  LPCSTR GetPrinterNameA() const { return m_pIdentity->GetPrinterNameA(); }
  LPCWSTR GetPrinterNameW() const { return m_pIdentity->GetPrinterNameW(); }
  LPCSTR GetRegistryNameA() const { return m_pIdentity->GetRegistryNameA(); }
  LPCWSTR GetRegistryNameW() const { return m_pIdentity->GetRegistryNameW(); }
  LPCSTR GetDriverDirectory() const { return m_pIdentity->GetDriverDirectory(); }
  LPCSTR GetCachedDriverName() const { return m_pIdentity->GetDriverName(); }
  // The default DEVMODE: the identity's when a store has read it, else read now (the stored
  // default profile's DEVMODE, else the printer's default, in RetryDefaultDevModeSize bytes).
  DWORD GetDefaultDevModeBufferSize();
  const BYTE *GetDefaultDevModeBuffer();

 private:
  VTPROFJZP(HWND owner, std::unique_ptr<PrinterIdentity> identity, HANDLE printer);
  void OpenOwnPrinter(HANDLE printer);
  const std::vector<BYTE> &DefaultDevMode();

  // The held handle, or the printer opened by name (with `access`, 0 for none) for the call.
  ScopedPrinter UsePrinter(ACCESS_MASK access);
  // GetPrinterData of the value into the buffer (none to ask only its size); the status.
  DWORD QueryRegValue(LPCSTR valueName, BYTE *buffer, DWORD bufferSize, DWORD *needed);
  DWORD DriverDevModeSize();
  bool CacheHeaders();

  // Per-profile values: where a data value lives and how it is named.
  bool UsesSideFile(int regNum) const { return IsAnsiPlatform() && regNum != 0; }
  bool SideFilePath(LPCSTR dataName, char *path, size_t size) const;
  void WriteSideFile(LPCSTR dataName, const BYTE *data, DWORD size);
  std::optional<std::vector<BYTE>> ReadSideFile(LPCSTR dataName);
  bool ReadPrinterData(LPCSTR valueName, std::vector<BYTE> *data, DWORD *type);
  std::vector<BYTE> ReadIndex(int regNum);
  int ResolveRegNum(LPCSTR profileName, int regNum);

  // Profile files.
  bool OpenJzpFile(const DualText &fileName, DWORD mode);
  std::vector<JzpRegValue> ProfileValuesForJzp(LPCSTR profileName);
  std::vector<BYTE> SetupValueForJzp(LPCSTR profileName);

  HWND m_hOwner;
  std::unique_ptr<PrinterIdentity> m_pOwnIdentity;  // null when the store borrows one
  PrinterIdentity *m_pIdentity;
  // Where the driver's DEVMODE size is kept between stores: the borrowed identity; a store on
  // its own asks the driver each time.
  DriverDevModeSizeCache *m_pDriverSizeCache;
  ScopedPrinter m_Printer;  // the given handle, or one the store opened and closes
  std::vector<ProfileHeader> m_Headers;
  bool m_bHeadersCached;
  JzpFile m_JzpFile;
};
