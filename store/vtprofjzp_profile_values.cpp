// A profile's stored values: the index "JZP_%04d" listing them and the data values
// "JZP_%04d_%s". Data values are printer data, except the values of user profiles on the ANSI
// platform, which are side files in the driver directory.
#include <stdio.h>
#include <string.h>

#include <utility>

#include "abi/mbcs_text.h"
#include "abi/profile_records.h"
#include "abi/storage_names.h"
#include "abi/byte_reader.h"
#include "store/vtprofjzp.h"

namespace {

// A side file larger than this is not a value the store wrote; it is not read.
constexpr DWORD kMaxSideFileSize = 16u << 20;

}  // namespace

int VTPROFJZP::ResolveRegNum(LPCSTR profileName, int regNum) {
  return regNum == PROFILE_REGNUM_BY_NAME ? GetProfRegNum(profileName) : regNum;
}

// The index as stored; empty when it is missing or cannot be read.
std::vector<BYTE> VTPROFJZP::ReadIndex(int regNum) {
  const std::string indexName = ProfileIndexName(regNum);
  const DWORD size = GetRegValueSize(indexName.c_str());
  if (size == 0)
    return {};
  std::vector<BYTE> index(size);
  index.resize(GetRegValue(indexName.c_str(), index.data(), size));
  return index;
}

// Saving a value again updates its index entry's size (the type stays as first recorded); a new
// name is appended. Only whole entries of a stored index count, so an index with a trailing
// fragment is written back without it. On the ANSI platform a value whose side-file path does
// not fit is refused before its index entry is written.
void VTPROFJZP::SaveProfileRegValue(LPCSTR profileName, int regNum, LPCSTR valueName,
                                    const BYTE *data, DWORD size, DWORD type) {
  if (!IsStorableValueName(valueName) || (data == nullptr && size != 0))
    return;
  regNum = ResolveRegNum(profileName, regNum);
  const std::string indexName = ProfileIndexName(regNum);
  const std::string dataName = ProfileDataName(regNum, valueName);
  char path[MAX_PATH];
  if (UsesSideFile(regNum) && !SideFilePath(dataName.c_str(), path, sizeof path))
    return;

  std::vector<ProfileValueEntry> entries;
  if (GetRegValueSize(indexName.c_str()) != 0) {
    const std::vector<BYTE> stored = ReadIndex(regNum);
    if (stored.empty())
      return;  // an index that exists but cannot be read is not replaced
    entries = ReadProfileValueIndex(stored);
  }
  bool matched = false;
  for (ProfileValueEntry &entry : entries) {
    if (SameMbcsText(entry.szValueName, valueName)) {
      entry.dwSize = size;
      matched = true;
    }
  }
  if (!matched) {
    ProfileValueEntry entry;
    memset(&entry, 0, sizeof entry);
    strcpy(entry.szValueName, valueName);
    entry.dwType = type;
    entry.dwSize = size;
    entries.push_back(entry);
  }
  const std::span<const BYTE> index = BytesOf(entries);
  SetRegValue(indexName.c_str(), index.data(), static_cast<DWORD>(index.size()), REG_BINARY);

  if (UsesSideFile(regNum))
    WriteSideFile(dataName.c_str(), data, size);
  else
    SetRegValue(dataName.c_str(), data, size, type);
}

std::optional<ProfileValue> VTPROFJZP::ReadProfileValue(LPCSTR profileName, int regNum,
                                                        LPCSTR valueName) {
  if (valueName == nullptr)
    return std::nullopt;
  regNum = ResolveRegNum(profileName, regNum);
  const std::string dataName = ProfileDataName(regNum, valueName);
  ProfileValue value{{}, REG_BINARY};
  if (UsesSideFile(regNum)) {
    std::optional<std::vector<BYTE>> file = ReadSideFile(dataName.c_str());
    if (!file)
      return std::nullopt;
    value.data = std::move(*file);
  } else if (!ReadPrinterData(dataName.c_str(), &value.data, &value.type)) {
    return std::nullopt;
  }
  return value;
}

DWORD VTPROFJZP::LoadProfileRegValue(LPCSTR profileName, int regNum, LPCSTR valueName, BYTE *buffer,
                                     DWORD bufferSize, DWORD *size, DWORD *type) {
  const std::optional<ProfileValue> value = ReadProfileValue(profileName, regNum, valueName);
  if (!value)
    return 0;
  const DWORD valueSize = static_cast<DWORD>(value->data.size());
  if (valueSize == 0 || (buffer != nullptr && bufferSize < valueSize))
    return 0;
  if (buffer != nullptr)
    memcpy(buffer, value->data.data(), valueSize);
  if (size != nullptr)
    *size = valueSize;
  if (type != nullptr)
    *type = value->type;
  return valueSize;
}

DWORD VTPROFJZP::LoadProfileRegValue(LPCSTR profileName, LPCSTR valueName, BYTE *buffer,
                                     DWORD bufferSize, DWORD *size, DWORD *type) {
  return LoadProfileRegValue(profileName, PROFILE_REGNUM_BY_NAME, valueName, buffer, bufferSize,
                             size, type);
}

DWORD VTPROFJZP::GetProfileRegValueSize(LPCSTR profileName, LPCSTR valueName) {
  DWORD size = 0, type = 0;
  return LoadProfileRegValue(profileName, PROFILE_REGNUM_BY_NAME, valueName, nullptr, 0, &size,
                             &type);
}

// Each value's size is its size now, not the one its index entry recorded.
std::vector<ProfileValueInfo> VTPROFJZP::EnumProfileRegValue(LPCSTR profileName, int regNum) {
  regNum = ResolveRegNum(profileName, regNum);
  std::vector<ProfileValueInfo> values;
  for (const ProfileValueEntry &entry : ReadProfileValueIndex(ReadIndex(regNum))) {
    DWORD size = 0, type = 0;
    LoadProfileRegValue(profileName, regNum, entry.szValueName, nullptr, 0, &size, &type);
    values.push_back({entry.szValueName, size});
  }
  return values;
}

void VTPROFJZP::RemoveProfileRegValue(LPCSTR profileName, int regNum) {
  regNum = ResolveRegNum(profileName, regNum);
  for (const ProfileValueInfo &value : EnumProfileRegValue(profileName, regNum)) {
    const std::string dataName = ProfileDataName(regNum, value.name.c_str());
    char path[MAX_PATH];
    if (!UsesSideFile(regNum))
      RemoveRegValue(PRINTER_DATA_KEY, dataName.c_str());
    else if (SideFilePath(dataName.c_str(), path, sizeof path))
      DeleteFileA(path);
  }
  RemoveRegValue(PRINTER_DATA_KEY, ProfileIndexName(regNum).c_str());
}

bool VTPROFJZP::SideFilePath(LPCSTR dataName, char *path, size_t size) const {
  return ProfileSideFilePath(GetDriverDirectory(), GetPrinterNameA(), dataName, path, size);
}

// A file that cannot be written whole is removed again, so that no cut value is read later.
void VTPROFJZP::WriteSideFile(LPCSTR dataName, const BYTE *data, DWORD size) {
  char path[MAX_PATH];
  if (!SideFilePath(dataName, path, sizeof path))
    return;
  bool written;
  {
    ScopedFile file(CreateFileA(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
      return;
    DWORD done = 0;
    written = size == 0 || (WriteFile(file.get(), data, size, &done, nullptr) && done == size);
  }
  if (!written)
    DeleteFileA(path);
}

// An empty file is an empty value; a missing or unreadable one is no value.
std::optional<std::vector<BYTE>> VTPROFJZP::ReadSideFile(LPCSTR dataName) {
  char path[MAX_PATH];
  if (!SideFilePath(dataName, path, sizeof path))
    return std::nullopt;
  ScopedFile file(
      CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen())
    return std::nullopt;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size > kMaxSideFileSize)
    return std::nullopt;
  std::vector<BYTE> data(size);
  DWORD done = 0;
  if (size != 0 && (!ReadFile(file.get(), data.data(), size, &done, nullptr) || done != size))
    return std::nullopt;
  return data;
}
