// prfhost values: the profiles a printer has stored, and one profile's stored values.
#include <cstdio>
#include <iostream>
#include <vector>

#include "cli.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "text_table.h"

namespace prfhost {
namespace {

std::string ColorText(COLORREF color) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return text;
}

std::string TypeName(DWORD type) {
  switch (type) {
    case REG_BINARY:
      return "REG_BINARY";
    case REG_DWORD:
      return "REG_DWORD";
    case REG_SZ:
      return "REG_SZ";
    default:
      return "type " + std::to_string(type);
  }
}

int ListProfiles(const std::vector<host::StoredProfile> &profiles, const std::string &printer) {
  if (profiles.empty()) {
    std::cout << "No profiles are stored for " << printer << ".\n";
    return 0;
  }
  std::cout << "Profiles stored for " << printer << ": " << profiles.size() << "\n";
  std::vector<std::vector<std::string>> rows = {{"No.", "Name", "Icon", "Colour", "Description"}};
  for (const host::StoredProfile &profile : profiles)
    rows.push_back({std::to_string(profile.regNum), profile.name, std::to_string(profile.icon),
                    ColorText(profile.color), profile.description});
  PrintTable(rows);
  return 0;
}

int ListValues(host::PrinterSession &session, const host::StoredProfile &profile,
               const std::string &printer) {
  std::vector<host::StoredProfileValue> values =
      host::ReadStoredProfileValues(session.printerHandle(), session.printerName(), profile.regNum);
  std::cout << "Profile \"" << profile.name << "\" (registry number " << profile.regNum << ") of "
            << printer;
  if (values.empty()) {
    std::cout << " has no stored values.\n";
    return 0;
  }
  std::cout << ": " << values.size() << (values.size() == 1 ? " value\n" : " values\n");
  std::vector<std::vector<std::string>> rows = {{"Name", "Type", "Size", "Stored in"}};
  for (const host::StoredProfileValue &value : values)
    rows.push_back({value.name, TypeName(value.type),
                    value.size ? std::to_string(*value.size) : "missing",
                    (value.sideFile ? "side file " : "printer data ") + value.location});
  PrintTable(rows);
  return 0;
}

}  // namespace

int RunValues(Context &context, const std::vector<std::string> &args) {
  if (args.size() > 1)
    return Fail("values takes at most one profile name", kExitUsage);
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  const std::string printer = host::Utf8FromUtf16(session->printerName());
  std::vector<host::StoredProfile> profiles = host::ReadStoredProfiles(session->printerHandle());
  if (args.empty())
    return ListProfiles(profiles, printer);

  if (const host::StoredProfile *profile = host::FindStoredProfile(profiles, args[0]))
    return ListValues(*session, *profile, printer);
  return Fail("no profile \"" + args[0] + "\" is stored for \"" + printer + "\"");
}

}  // namespace prfhost
