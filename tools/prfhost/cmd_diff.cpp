// prfhost diff: the settings in which two stored profiles, or a profile and the printer's
// current settings, differ, field by field with both values, and the data sets that differ.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "host/settings_diff.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "json_text.h"
#include "text_table.h"

namespace prfhost {
namespace {

constexpr char kUsage[] = "usage: prfhost diff PROFILE (PROFILE | --current) [--json]";
constexpr char kCurrent[] = "current";

std::string JsonValue(const std::optional<std::string> &value) {
  return value ? JsonString(*value) : "null";
}

void PrintJson(const std::string &printer, const std::string &first, const std::string *second,
               const std::vector<host::SettingDifference> &differences) {
  std::cout << "{\"printer\": " << JsonString(printer) << ", \"first\": " << JsonString(first)
            << ", \"second\": " << (second != nullptr ? JsonString(*second) : "null")
            << ",\n \"differences\": [";
  for (size_t i = 0; i < differences.size(); ++i)
    std::cout << (i == 0 ? "\n" : ",\n") << "  {\"setting\": " << JsonString(differences[i].setting)
              << ", \"first\": " << JsonValue(differences[i].first)
              << ", \"second\": " << JsonValue(differences[i].second) << "}";
  std::cout << (differences.empty() ? "]}\n" : "\n ]}\n");
}

void PrintText(const std::string &printer, const std::string &first, const std::string *second,
               const std::vector<host::SettingDifference> &differences) {
  std::cout << "Differences between \"" << first << "\" and "
            << (second != nullptr ? "\"" + *second + "\"" : std::string("the current settings"))
            << " on " << printer << ": " << differences.size() << "\n";
  std::vector<std::vector<std::string>> rows = {
      {"Setting", first, second != nullptr ? *second : kCurrent}};
  for (const host::SettingDifference &difference : differences)
    rows.push_back(
        {difference.setting, difference.first.value_or("-"), difference.second.value_or("-")});
  PrintTable(rows);
}

}  // namespace

int RunDiff(Context &context, const std::vector<std::string> &args) {
  std::vector<std::string> names;
  bool current = false;
  bool json = false;
  for (const std::string &arg : args) {
    if (arg == "--current")
      current = true;
    else if (arg == "--json")
      json = true;
    else if (arg.rfind("--", 0) == 0)
      return Fail(kUsage, kExitUsage);
    else
      names.push_back(arg);
  }
  if (names.size() != (current ? 1u : 2u))
    return Fail(kUsage, kExitUsage);

  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  const std::string printer = host::Utf8FromUtf16(session->printerName());
  const std::vector<host::StoredProfile> profiles =
      host::ReadStoredProfiles(session->printerHandle());
  std::vector<host::SettingsSnapshot> snapshots;
  std::vector<std::string> stored;
  for (const std::string &name : names) {
    const host::StoredProfile *profile = host::FindStoredProfile(profiles, name);
    if (profile == nullptr)
      return Fail("no profile \"" + name + "\" is stored for \"" + printer + "\"");
    host::SettingsSnapshot snapshot;
    if (!host::ReadProfileSnapshot(session->printerHandle(), session->printerName(), *profile,
                                   &snapshot, &error))
      return Fail(error);
    snapshots.push_back(std::move(snapshot));
    stored.push_back(profile->name);
  }
  if (current)
    snapshots.push_back(host::CurrentSnapshot(*session));

  const std::vector<host::SettingDifference> differences =
      host::DiffSettings(session->model(), snapshots[0], snapshots[1]);
  const std::string *second = current ? nullptr : &stored[1];
  if (json)
    PrintJson(printer, stored[0], second, differences);
  else if (!differences.empty())
    PrintText(printer, stored[0], second, differences);
  return 0;
}

}  // namespace prfhost
