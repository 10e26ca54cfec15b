// prfhost settings: the printer's current settings, field by field.
#include <algorithm>
#include <iostream>
#include <optional>
#include <vector>

#include "cli.h"
#include "host/devmode_chain.h"
#include "host/settings_fields.h"
#include "host/text_convert.h"
#include "json_text.h"

namespace prfhost {
namespace {

void PrintField(host::PrinterSession &session, const host::SettingField &field) {
  std::string value = host::FormatSetting(session, field);
  if (value.empty())
    return;
  std::string name = field.name;
  std::cout << "  " << name << std::string(name.size() < 32 ? 32 - name.size() : 1, ' ') << value
            << "\n";
}

bool CheckFieldNames(const std::vector<std::string> &names) {
  for (const std::string &name : names)
    if (!host::FindSettingField(name)) {
      Fail("unknown field \"" + name + "\" (see prfhost settings fields)");
      return false;
    }
  return true;
}

int Show(host::PrinterSession &session, const std::vector<std::string> &names) {
  if (!CheckFieldNames(names))
    return kExitFailure;
  if (!names.empty()) {
    for (const std::string &name : names)
      PrintField(session, *host::FindSettingField(name));
    return 0;
  }
  std::cout << "Printer " << host::Utf8FromUtf16(session.printerName()) << " ("
            << host::Utf8FromUtf16(session.model().driverName) << ")\n";
  std::cout << "DEVMODE: " << session.devModeBytes().size() << " bytes\n";
  WORD group = 0xFFFF;
  for (const host::SettingField &field : host::SettingFields()) {
    if (field.block != group) {
      group = field.block;
      std::cout << (group == 0 ? "Public fields:\n"
                               : std::string("Block ") + std::to_string(group) + " (" +
                                     BlockName(group) + "):\n");
    }
    PrintField(session, field);
  }
  std::cout << "Private blocks:\n";
  for (const host::BlockInfo &block : host::PrivateBlocks(session.devModeBytes()))
    std::cout << "  " << block.header.wBlockId << " " << BlockName(block.header.wBlockId)
              << ": offset " << block.offset << ", " << block.header.dwSize << " bytes, version 0x"
              << std::hex << block.header.wVersion << std::dec << "\n";
  return 0;
}

// The fields as a list of {field, block, value}, every field or those named, and the private
// blocks in the head.
int ShowJson(host::PrinterSession &session, const std::vector<std::string> &names) {
  if (!CheckFieldNames(names))
    return kExitFailure;
  std::vector<const host::SettingField *> fields;
  if (names.empty())
    for (const host::SettingField &field : host::SettingFields())
      fields.push_back(&field);
  for (const std::string &name : names)
    fields.push_back(host::FindSettingField(name));
  std::vector<std::string> items;
  for (const host::SettingField *field : fields) {
    std::string value = host::FormatSetting(session, *field);
    if (value.empty())
      continue;
    items.push_back(JsonObject()
                        .Text("field", field->name)
                        .Number("block", field->block)
                        .Text("value", value)
                        .str());
  }
  std::string blocks;
  for (const host::BlockInfo &block : host::PrivateBlocks(session.devModeBytes()))
    blocks +=
        (blocks.empty() ? "" : ", ") + JsonObject()
                                           .Number("id", block.header.wBlockId)
                                           .Text("name", BlockName(block.header.wBlockId))
                                           .Number("offset", static_cast<long long>(block.offset))
                                           .Number("size", block.header.dwSize)
                                           .Number("version", block.header.wVersion)
                                           .str();
  JsonObject head;
  head.Text("printer", host::Utf8FromUtf16(session.printerName()))
      .Text("driver", host::Utf8FromUtf16(session.model().driverName))
      .Number("size", static_cast<long long>(session.devModeBytes().size()))
      .Json("blocks", "[" + blocks + "]");
  PrintJsonWithList(std::cout, head, "settings", items);
  return 0;
}

int Set(Context &context, host::PrinterSession &session,
        const std::vector<std::string> &assignments) {
  if (assignments.empty())
    return Fail("settings set needs FIELD=VALUE", kExitUsage);
  // Every change is tried on a copy first, so that a wrong one leaves the settings as they were.
  std::vector<BYTE> before = session.devModeBytes();
  for (const std::string &assignment : assignments) {
    size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
      session.SetDevMode(before.data(), before.size());
      return Fail("\"" + assignment + "\" is not FIELD=VALUE", kExitUsage);
    }
    std::string name = assignment.substr(0, equals);
    const host::SettingField *field = host::FindSettingField(name);
    std::string error;
    if (!field)
      error = "unknown field \"" + name + "\" (see prfhost settings fields)";
    else if (!host::SetSetting(session, *field, assignment.substr(equals + 1), &error))
      error = name + ": " + error;
    if (!error.empty()) {
      session.SetDevMode(before.data(), before.size());
      return Fail(error + "; nothing was changed");
    }
  }
  std::string error;
  if (!session.SaveSettings() || !context.Save(&error))
    return Fail("cannot store the settings: " + error);
  for (const std::string &assignment : assignments)
    PrintField(session, *host::FindSettingField(assignment.substr(0, assignment.find('='))));
  return 0;
}

int Reset(Context &context, host::PrinterSession &session) {
  std::vector<BYTE> defaults = session.PrinterDefaultDevMode();
  std::string error;
  if (!session.SetDevMode(defaults.data(), defaults.size(), &error) || !session.SaveSettings() ||
      !context.Save(&error))
    return Fail("cannot reset the settings: " + error);
  std::cout << "Settings of " << host::Utf8FromUtf16(session.printerName())
            << " reset to the printer's defaults.\n";
  return 0;
}

int ListFields() {
  for (const host::SettingField &field : host::SettingFields()) {
    std::string name = field.name;
    std::cout << name << std::string(name.size() < 32 ? 32 - name.size() : 1, ' ') << field.size
              << (field.size == 1 ? " byte" : " bytes") << (field.readOnly ? ", read-only" : "")
              << (field.alias ? std::string(", alias ") + field.alias : "") << "\n";
  }
  return 0;
}

}  // namespace

// The name of a private block of the driver's chain.
const char *BlockName(WORD id) {
  const char *name = PrivateBlockName(id);
  return name != nullptr ? name : "unknown";
}

int RunSettings(Context &context, const std::vector<std::string> &args) {
  std::string verb = args.empty() ? "show" : args[0];
  std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  if (verb == "fields")
    return ListFields();
  if (verb != "show" && verb != "set" && verb != "reset") {
    verb = "show";
    rest = args;
  }
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  if (verb == "set")
    return Set(context, *session, rest);
  if (verb == "reset")
    return rest.empty() ? Reset(context, *session)
                        : Fail("settings reset takes no arguments", kExitUsage);
  auto json = std::find(rest.begin(), rest.end(), "--json");
  if (json == rest.end())
    return Show(*session, rest);
  rest.erase(json);
  return ShowJson(*session, rest);
}

}  // namespace prfhost
