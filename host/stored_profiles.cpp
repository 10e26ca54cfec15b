// Reading a printer's stored profiles through the spooler and the driver directory.
#include "host/stored_profiles.h"

#include <algorithm>
#include <cstdio>

#include "abi/wide.h"
#include "host/system_version.h"
#include "host/text_convert.h"
#include "abi/byte_reader.h"
#include "abi/mbcs_text.h"
#include "abi/profile_records.h"
#include "abi/storage_names.h"

namespace host {
namespace {

// The value's bytes; none when the printer has no such value.
std::optional<std::vector<BYTE>> ReadPrinterValue(HANDLE printer, const std::string &name) {
  WideString wide = WideFromAnsi(name, CP_ACP);
  DWORD type = 0, needed = 0;
  DWORD status = GetPrinterDataW(printer, wide.data(), &type, nullptr, 0, &needed);
  if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
    return std::nullopt;
  std::vector<BYTE> data(needed);
  if (GetPrinterDataW(printer, wide.data(), &type, data.data(), needed, &needed) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(needed);
  return data;
}

std::string Utf8FromAnsi(const char *text) {
  return Utf8FromUtf16(WideFromAnsi(text, CP_ACP));
}

// The folder of the driver's file for the ANSI platform, else the system folder.
std::string AnsiDriverDirectory(HANDLE printer) {
  DWORD needed = 0;
  GetPrinterDriverW(printer, const_cast<LPWSTR>(WSTR("Windows 4.0")), 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  if (needed > 0 && GetPrinterDriverW(printer, const_cast<LPWSTR>(WSTR("Windows 4.0")), 2,
                                      info.data(), needed, &needed)) {
    const auto *driver = reinterpret_cast<const DRIVER_INFO_2W *>(info.data());
    std::string path = driver->pDriverPath ? AnsiFromWide(driver->pDriverPath, CP_ACP) : "";
    if (path.size() > 3 && path.find('\\') != std::string::npos)
      path.erase(path.rfind('\\'));
    if (!path.empty())
      return path;
  }
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  return system;
}

std::optional<std::vector<BYTE>> ReadFileData(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  std::vector<BYTE> data(GetFileSize(file, nullptr));
  DWORD read = 0;
  const bool whole = ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr) &&
                     read == data.size();
  CloseHandle(file);
  if (!whole)
    return std::nullopt;
  return data;
}

std::optional<DWORD> FileSize(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  DWORD size = GetFileSize(file, nullptr);
  CloseHandle(file);
  return size;
}

}  // namespace

std::vector<StoredProfile> ReadStoredProfiles(HANDLE printer) {
  std::vector<StoredProfile> profiles;
  std::optional<std::vector<BYTE>> count = ReadPrinterValue(printer, PROFILE_COUNT_VALUE);
  std::optional<std::vector<BYTE>> data = ReadPrinterValue(printer, PROFILE_DATA_VALUE);
  if (!count || count->empty() || count->size() > sizeof(DWORD) || !data)
    return profiles;
  BYTE countBytes[sizeof(DWORD)] = {};
  std::copy(count->begin(), count->end(), countBytes);
  DWORD counted = 0;
  ByteReader(countBytes, sizeof countBytes).Read(&counted);
  for (const ProfileHeader &header : ReadProfileHeaders(*data, counted))
    profiles.push_back({Utf8FromAnsi(header.strProfileName), Utf8FromAnsi(header.strProfileInfo),
                        header.nProfileIcon, header.rgbIconColor, header.nProfRegNum});
  return profiles;
}

std::vector<StoredProfileValue> ReadStoredProfileValues(HANDLE printer,
                                                        const WideString &printerName,
                                                        LONG regNum) {
  const std::string indexName = ProfileIndexName(regNum);
  std::vector<StoredProfileValue> values;
  std::optional<std::vector<BYTE>> index = ReadPrinterValue(printer, indexName);
  if (!index)
    return values;

  const bool sideFiles = IsAnsiPlatform() && regNum != 0;
  const std::string directory = sideFiles ? AnsiDriverDirectory(printer) : "";
  for (const ProfileValueEntry &entry : ReadProfileValueIndex(*index)) {
    StoredProfileValue value;
    value.name = Utf8FromAnsi(entry.szValueName);
    value.type = entry.dwType;
    value.sideFile = sideFiles;
    const std::string dataName = ProfileDataName(regNum, entry.szValueName);
    if (sideFiles) {
      char path[MAX_PATH];
      if (!ProfileSideFilePath(directory.c_str(), AnsiFromWide(printerName, CP_ACP).c_str(),
                               dataName.c_str(), path, sizeof path))
        continue;
      value.location = Utf8FromAnsi(path);
      value.size = FileSize(path);
    } else {
      value.location = Utf8FromAnsi(dataName.c_str());
      std::optional<std::vector<BYTE>> data = ReadPrinterValue(printer, dataName);
      if (data)
        value.size = static_cast<DWORD>(data->size());
    }
    values.push_back(value);
  }
  return values;
}

std::optional<std::vector<BYTE>> ReadStoredProfileValueData(HANDLE printer,
                                                            const StoredProfileValue &value) {
  const std::string location = AnsiFromWide(Utf16FromUtf8(value.location), CP_ACP);
  return value.sideFile ? ReadFileData(location) : ReadPrinterValue(printer, location);
}

const StoredProfile *FindStoredProfile(const std::vector<StoredProfile> &profiles,
                                       const std::string &name) {
  const std::string wanted = AnsiFromWide(Utf16FromUtf8(name), CP_ACP);
  for (const StoredProfile &profile : profiles) {
    const std::string stored = AnsiFromWide(Utf16FromUtf8(profile.name), CP_ACP);
    if (SameMbcsText(stored.c_str(), wanted.c_str()))
      return &profile;
  }
  return nullptr;
}

}  // namespace host
