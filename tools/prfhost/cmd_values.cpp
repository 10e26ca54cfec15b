// prfhost values: the profiles a printer has stored, and one profile's stored values.
#include <algorithm>
#include <iostream>
#include <vector>

#include "cli.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "json_text.h"
#include "properties_form.h"
#include "text_table.h"

namespace prfhost {
namespace {

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

int ListProfilesJson(const std::vector<host::StoredProfile> &profiles, const std::string &printer) {
  std::vector<std::string> items;
  for (const host::StoredProfile &profile : profiles)
    items.push_back(JsonObject()
                        .Number("number", profile.regNum)
                        .Text("name", profile.name)
                        .Number("icon", profile.icon)
                        .Text("colour", ColourCode(profile.color))
                        .Text("description", profile.description)
                        .str());
  PrintJsonWithList(std::cout, JsonObject().Text("printer", printer), "profiles", items);
  return 0;
}

int ListValuesJson(const std::vector<host::StoredProfileValue> &values,
                   const host::StoredProfile &profile, const std::string &printer) {
  std::vector<std::string> items;
  for (const host::StoredProfileValue &value : values)
    items.push_back(JsonObject()
                        .Text("name", value.name)
                        .Text("type", TypeName(value.type))
                        .Json("size", value.size ? std::to_string(*value.size) : "null")
                        .Text("storedIn", value.sideFile ? "side file" : "printer data")
                        .Text("location", value.location)
                        .str());
  JsonObject head;
  head.Text("printer", printer).Text("profile", profile.name).Number("number", profile.regNum);
  PrintJsonWithList(std::cout, head, "values", items);
  return 0;
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
                    ColourCode(profile.color), profile.description});
  PrintTable(rows);
  return 0;
}

int ListValues(host::PrinterSession &session, const host::StoredProfile &profile,
               const std::string &printer, bool json) {
  std::vector<host::StoredProfileValue> values =
      host::ReadStoredProfileValues(session.printerHandle(), session.printerName(), profile.regNum);
  if (json)
    return ListValuesJson(values, profile, printer);
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

int RunValues(Context &context, const std::vector<std::string> &arguments) {
  std::vector<std::string> args = arguments;
  auto jsonOption = std::find(args.begin(), args.end(), "--json");
  const bool json = jsonOption != args.end();
  if (json)
    args.erase(jsonOption);
  if (args.size() > 1)
    return Fail("usage: prfhost values [PROFILE] [--json]", kExitUsage);
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  const std::string printer = host::Utf8FromUtf16(session->printerName());
  std::vector<host::StoredProfile> profiles = host::ReadStoredProfiles(session->printerHandle());
  if (args.empty())
    return json ? ListProfilesJson(profiles, printer) : ListProfiles(profiles, printer);

  if (const host::StoredProfile *profile = host::FindStoredProfile(profiles, args[0]))
    return ListValues(*session, *profile, printer, json);
  return Fail("no profile \"" + args[0] + "\" is stored for \"" + printer + "\"");
}

}  // namespace prfhost
