// A profile's values written as printer data.
#include "host/profile_values_writer.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "abi/wide.h"
#include "abi/profile_records.h"
#include "abi/storage_names.h"
#include "host/text_convert.h"

namespace host {
namespace {

bool WriteBinary(HANDLE printer, const std::string &name, const void *data, size_t size) {
  WideString wide = Utf16FromUtf8(name);
  return SetPrinterDataW(printer, wide.data(), REG_BINARY,
                         static_cast<BYTE *>(const_cast<void *>(data)),
                         static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace

bool WriteProfileValues(HANDLE printer, LONG regNum, const SettingsSnapshot &snapshot) {
  std::vector<std::pair<std::string, const std::vector<BYTE> *>> values = {
      {PROFILE_DEVMODE_VALUE, &snapshot.devMode}};
  for (const auto &[name, data] : snapshot.dataSets)
    values.emplace_back(name, &data);
  std::vector<ProfileValueEntry> index;
  for (const auto &[name, data] : values) {
    ProfileValueEntry entry{};
    std::strncpy(entry.szValueName, name.c_str(), sizeof entry.szValueName - 1);
    entry.dwType = REG_BINARY;
    entry.dwSize = static_cast<DWORD>(data->size());
    index.push_back(entry);
    if (!WriteBinary(printer, ProfileDataName(regNum, name.c_str()), data->data(), data->size()))
      return false;
  }
  return WriteBinary(printer, ProfileIndexName(regNum), index.data(),
                     index.size() * sizeof(ProfileValueEntry));
}

}  // namespace host
