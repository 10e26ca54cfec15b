// prfhost add, edit, delete and apply: the profile page's own commands, driven through the page
// as a person uses it. The rows are selected, the page's button is pressed, the properties dialog
// is filled and the page's questions are answered; what is stored is what the module stores.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <winplat/operator.h>

#include "abi/resource_ids.h"
#include "cli.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "page_buttons.h"
#include "page_host.h"
#include "properties_form.h"

namespace prfhost {
namespace {

// A command line of positional words and options that take a value; --yes answers the page's
// questions with yes.
struct ProfileArgs {
  std::vector<std::string> words;
  std::map<std::string, std::string> options;
};

bool ParseArgs(Context &context, const std::vector<std::string> &args,
               const std::vector<std::string> &valueOptions, ProfileArgs *parsed) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--yes") {
      context.answerer().AnswerYes();
    } else if (std::find(valueOptions.begin(), valueOptions.end(), args[i]) != valueOptions.end() &&
               i + 1 < args.size()) {
      parsed->options[args[i]] = args[i + 1];
      ++i;
    } else if (args[i].rfind("--", 0) == 0) {
      return false;
    } else {
      parsed->words.push_back(args[i]);
    }
  }
  return true;
}

bool ParseInput(const ProfileArgs &args, PropertiesInput *input, std::string *error) {
  auto option = [&args](const char *name) -> std::optional<std::string> {
    auto found = args.options.find(name);
    if (found == args.options.end())
      return std::nullopt;
    return found->second;
  };
  input->description = option("--description");
  input->colour = option("--colour");
  if (std::optional<std::string> icon = option("--icon")) {
    char *end = nullptr;
    const long number = std::strtol(icon->c_str(), &end, 10);
    if (icon->empty() || *end != '\0' || number < 0 || number > std::numeric_limits<int>::max()) {
      *error = "--icon takes the icon's number, not \"" + *icon + "\"";
      return false;
    }
    input->icon = static_cast<int>(number);
  }
  return true;
}

std::string Quoted(const std::string &text) {
  return "\"" + text + "\"";
}

const host::StoredProfile *Stored(host::PrinterSession &session,
                                  std::vector<host::StoredProfile> &profiles,
                                  const std::string &name) {
  profiles = host::ReadStoredProfiles(session.printerHandle());
  return host::FindStoredProfile(profiles, name);
}

void PrintProfile(const std::string &what, const host::StoredProfile &profile,
                  const std::string &printer) {
  std::cout << "Profile " << Quoted(profile.name) << " " << what << " " << printer
            << " (registry number " << profile.regNum << ", icon " << profile.icon << ", colour "
            << ColourCode(profile.color) << ").\n";
}

}  // namespace

int RunAdd(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] =
      "usage: prfhost add NAME [--description TEXT] [--icon N] [--colour NAME|#RRGGBB] [--yes]";
  ProfileArgs parsed;
  PropertiesInput input;
  std::string error;
  if (!ParseArgs(context, args, {"--description", "--icon", "--colour"}, &parsed) ||
      parsed.words.size() != 1)
    return Fail(kUsage, kExitUsage);
  if (!ParseInput(parsed, &input, &error))
    return Fail(error, kExitUsage);
  input.name = parsed.words[0];
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);

  PageScript script;
  script.page = PressButton(*session, IDC_PROFILE_ADD, {});
  script.inner = [&input](HWND dialog, std::string *error) {
    return FillProperties(dialog, input, error);
  };
  script.innerName = "profile properties";
  if (input.colour)
    script.colour = ParseColourCode(*input.colour);
  PageRun run;
  if (!RunAndSave(context, script, &run, &error))
    return Fail(error);
  std::vector<host::StoredProfile> profiles;
  const host::StoredProfile *added = Stored(*session, profiles, *input.name);
  if (!added)
    return Fail("the page stored no profile " + Quoted(*input.name));
  PrintProfile("added to", *added, run.printer);
  return 0;
}

int RunEdit(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] =
      "usage: prfhost edit PROFILE [--name NEW] [--description TEXT] [--icon N] "
      "[--colour NAME|#RRGGBB] [--yes]";
  ProfileArgs parsed;
  PropertiesInput input;
  std::string error;
  if (!ParseArgs(context, args, {"--name", "--description", "--icon", "--colour"}, &parsed) ||
      parsed.words.size() != 1 || parsed.options.empty())
    return Fail(kUsage, kExitUsage);
  if (!ParseInput(parsed, &input, &error))
    return Fail(error, kExitUsage);
  if (auto name = parsed.options.find("--name"); name != parsed.options.end())
    input.name = name->second;
  const std::string profile = parsed.words[0];
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);

  PageScript script;
  script.page = PressButton(*session, IDC_PROFILE_EDIT, {profile});
  script.inner = [&input](HWND dialog, std::string *error) {
    return FillProperties(dialog, input, error);
  };
  script.innerName = "profile properties";
  if (input.colour)
    script.colour = ParseColourCode(*input.colour);
  PageRun run;
  if (!RunAndSave(context, script, &run, &error))
    return Fail(error);
  std::vector<host::StoredProfile> profiles;
  const host::StoredProfile *edited = Stored(*session, profiles, input.name.value_or(profile));
  if (!edited)
    return Fail("the page stored no profile " + Quoted(input.name.value_or(profile)));
  PrintProfile("of", *edited, run.printer);
  return 0;
}

int RunDelete(Context &context, const std::vector<std::string> &args) {
  ProfileArgs parsed;
  if (!ParseArgs(context, args, {}, &parsed) || parsed.words.empty())
    return Fail("usage: prfhost delete PROFILE... [--yes]", kExitUsage);
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);

  PageScript script;
  script.page = PressButton(*session, IDC_PROFILE_DELETE, parsed.words);
  PageRun run;
  if (!RunAndSave(context, script, &run, &error))
    return Fail(error);
  const std::vector<host::StoredProfile> profiles =
      host::ReadStoredProfiles(session->printerHandle());
  std::string deleted, kept;
  for (const std::string &name : parsed.words) {
    std::string &list = host::FindStoredProfile(profiles, name) ? kept : deleted;
    list += (list.empty() ? "" : ", ") + Quoted(name);
  }
  if (!deleted.empty())
    std::cout << "Deleted from " << run.printer << ": " << deleted << ".\n";
  if (kept.empty())
    return 0;
  return Fail("the page kept " + kept + " (the built-in profile is never deleted)");
}

int RunApply(Context &context, const std::vector<std::string> &args) {
  ProfileArgs parsed;
  if (!ParseArgs(context, args, {}, &parsed) || parsed.words.size() != 1)
    return Fail("usage: prfhost apply PROFILE", kExitUsage);
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);

  const int appliedBefore = session->events().settingsApplied;
  PageScript script;
  script.page = PressButton(*session, IDC_PROFILE_APPLY, parsed.words);
  PageRun run;
  if (!RunAndSave(context, script, &run, &error))
    return Fail(error);
  if (session->events().settingsApplied == appliedBefore)
    return Fail("the page did not apply " + Quoted(parsed.words[0]));
  std::cout << "Profile " << Quoted(parsed.words[0]) << " applied to " << run.printer
            << ": its settings are the printer's current settings.\n";
  return 0;
}

}  // namespace prfhost
