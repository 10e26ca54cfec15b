// prfstore, a helper of the prfhost end-to-end tests: stores a profile of the first printer of
// a state folder the way the profile page stores one, from the printer's current settings with
// some fields changed and its data sets, some of them replaced.
//
//   prfstore STATE NAME NUMBER [FIELD=VALUE...] [@DATASET=TEXT...]
//
// NAME is added to (or replaces its entry in) the printer's profile list with registry number
// NUMBER; FIELD=VALUE changes a setting as "prfhost settings set" does before the settings are
// stored; @DATASET=TEXT stores TEXT's bytes as the profile's data set of that name.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "abi/profile_records.h"
#include "abi/storage_names.h"
#include "host/demo_state.h"
#include "host/machine.h"
#include "host/printer_session.h"
#include "host/profile_values_writer.h"
#include "host/settings_diff.h"
#include "host/settings_fields.h"
#include "host/text_convert.h"

namespace {

bool WriteValue(HANDLE printer, const std::string &name, DWORD type, const void *data,
                size_t size) {
  WideString wide = host::Utf16FromUtf8(name);
  return SetPrinterDataW(printer, wide.data(), type, static_cast<BYTE *>(const_cast<void *>(data)),
                         static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

std::vector<BYTE> ReadValue(HANDLE printer, const char *name) {
  WideString wide = host::Utf16FromUtf8(name);
  DWORD type = 0, needed = 0;
  GetPrinterDataW(printer, wide.data(), &type, nullptr, 0, &needed);
  std::vector<BYTE> data(needed);
  if (needed == 0 ||
      GetPrinterDataW(printer, wide.data(), &type, data.data(), needed, &needed) != ERROR_SUCCESS)
    return {};
  return data;
}

// The list with the profile's header in place of one of the same name, or added at its end.
bool StoreHeader(HANDLE printer, const std::string &name, LONG number) {
  const std::vector<BYTE> data = ReadValue(printer, PROFILE_DATA_VALUE);
  std::vector<ProfileHeader> headers;
  for (const ProfileHeader &stored : ReadProfileHeaders(data, data.size()))
    if (name != stored.strProfileName)
      headers.push_back(stored);
  ProfileHeader header{};
  std::strncpy(header.strProfileName, name.c_str(), sizeof header.strProfileName - 1);
  header.nProfRegNum = number;
  headers.push_back(header);
  const DWORD count = static_cast<DWORD>(headers.size());
  return WriteValue(printer, PROFILE_COUNT_VALUE, REG_DWORD, &count, sizeof count) &&
         WriteValue(printer, PROFILE_DATA_VALUE, REG_BINARY, headers.data(),
                    headers.size() * sizeof(ProfileHeader));
}

int Fail(const std::string &message) {
  std::cerr << "prfstore: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 4)
    return Fail("usage: prfstore STATE NAME NUMBER [FIELD=VALUE...] [@DATASET=TEXT...]");
  host::Machine machine;
  host::MachineOptions options;
  options.stateFolder = argv[1];
  std::string error;
  if (!machine.Start(options, &error))
    return Fail(error);
  std::unique_ptr<host::PrinterSession> session =
      host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
  if (!session)
    return Fail(error);
  const std::string name = argv[2];
  const LONG number = std::atoi(argv[3]);

  std::vector<std::pair<std::string, std::string>> dataSets;
  for (int i = 4; i < argc; ++i) {
    const std::string change = argv[i];
    const size_t equals = change.find('=');
    if (equals == std::string::npos)
      return Fail("\"" + change + "\" is no FIELD=VALUE");
    if (change[0] == '@') {
      dataSets.emplace_back(change.substr(1, equals - 1), change.substr(equals + 1));
      continue;
    }
    const host::SettingField *field = host::FindSettingField(change.substr(0, equals));
    if (field == nullptr || !host::SetSetting(*session, *field, change.substr(equals + 1), &error))
      return Fail(field == nullptr ? "no field " + change.substr(0, equals) : error);
  }
  host::SettingsSnapshot snapshot = host::CurrentSnapshot(*session);
  for (const auto &[set, text] : dataSets)
    snapshot.dataSets[set].assign(text.begin(), text.end());
  if (!StoreHeader(session->printerHandle(), name, number) ||
      !host::WriteProfileValues(session->printerHandle(), number, snapshot))
    return Fail("cannot store the profile \"" + name + "\"");
  session.reset();
  return machine.Save(&error) ? 0 : Fail(error);
}
