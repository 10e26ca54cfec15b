// prfhost export and import: the profile page's export and import commands, driven through the
// page as a person uses them. The file chooser the page opens is answered with the file, the
// page's questions as for the other commands. After an import, each profile of the file is
// compared with what the page stored of it, to tell what the import adapted on this printer.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include <winplat/operator.h>

#include "abi/wide.h"
#include "abi/resource_ids.h"
#include "cli.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "import_file.h"
#include "import_outcome.h"
#include "page_buttons.h"
#include "page_host.h"

namespace prfhost {
namespace {

std::string Quoted(const std::string &text) {
  return "\"" + text + "\"";
}

// The words of the command line; --yes answers the page's questions with yes, the flags named
// are set.
bool ParseWords(Context &context, const std::vector<std::string> &args,
                const std::vector<std::string> &flagNames, std::vector<std::string> *words,
                std::vector<std::string> *flags) {
  for (const std::string &arg : args) {
    if (arg == "--yes")
      context.answerer().AnswerYes();
    else if (std::find(flagNames.begin(), flagNames.end(), arg) != flagNames.end())
      flags->push_back(arg);
    else if (arg.rfind("--", 0) == 0)
      return false;
    else
      words->push_back(arg);
  }
  return true;
}

bool Has(const std::vector<std::string> &flags, const char *flag) {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

// The save chooser gives a name typed without an extension the profile files' one.
WideString WrittenPath(const std::string &path) {
  const size_t name = path.find_last_of("/\\");
  const bool hasExtension =
      path.find('.', name == std::string::npos ? 0 : name + 1) != std::string::npos;
  return host::Utf16FromUtf8(hasExtension ? path : path + ".jzp");
}

std::string NameList(const std::vector<std::string> &names) {
  std::string list;
  for (const std::string &name : names)
    list += (list.empty() ? "" : ", ") + Quoted(name);
  return list;
}

// Selects the rows of every profile but the built-in one and presses Export.
DialogStepFunction ExportAll(host::PrinterSession &session) {
  return [&session](HWND page, std::string *error) {
    std::vector<std::string> names = ProfileRows(page);
    std::erase(names, BuiltInName(session));
    if (names.empty()) {
      *error = "the page holds no profile but the built-in one";
      return false;
    }
    return PressButton(session, IDC_PROFILE_EXPORT, names)(page, error);
  };
}

}  // namespace

int RunExport(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] = "usage: prfhost export FILE PROFILE... | --all [--yes]";
  std::vector<std::string> words, flags;
  if (!ParseWords(context, args, {"--all"}, &words, &flags) || words.empty() ||
      (Has(flags, "--all") ? words.size() != 1 : words.size() < 2))
    return Fail(kUsage, kExitUsage);
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  const std::vector<std::string> names(words.begin() + 1, words.end());

  PageScript script;
  script.page =
      Has(flags, "--all") ? ExportAll(*session) : PressButton(*session, IDC_PROFILE_EXPORT, names);
  script.file = host::Utf16FromUtf8(words[0]);
  PageRun run;
  if (!RunAndSave(context, script, &run, &error))
    return Fail(error);
  if (!run.fileChooserShown)
    return Fail("the page opened no save chooser");
  ImportFile file;
  if (!ReadImportFile(WrittenPath(words[0]), &file, &error))
    return Fail("the page wrote no profile file " + words[0] + ": " + error);
  std::vector<std::string> exported;
  for (const ImportFileProfile &profile : file.profiles)
    exported.push_back(AnsiToUtf8(profile.name));
  std::cout << "Exported from " << run.printer << " to "
            << host::Utf8FromUtf16(WrittenPath(words[0])) << ": " << exported.size()
            << (exported.size() == 1 ? " profile" : " profiles") << (exported.empty() ? "" : ", ")
            << NameList(exported) << ".\n";
  return 0;
}

int RunImport(Context &context, const std::vector<std::string> &args) {
  std::vector<std::string> words, flags;
  if (!ParseWords(context, args, {"--json"}, &words, &flags) || words.size() != 1)
    return Fail("usage: prfhost import FILE [--yes] [--json]", kExitUsage);
  const std::string &path = words[0];
  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  ImportFile file;
  if (!ReadImportFile(host::Utf16FromUtf8(path), &file, &error))
    return Fail("cannot import " + path + ": " + error);
  const std::vector<host::StoredProfile> before =
      host::ReadStoredProfiles(session->printerHandle());
  const PrinterFacts facts = ReadPrinterFacts(*session);

  PageScript script;
  script.page = PressButton(*session, IDC_PROFILE_IMPORT, {});
  script.file = host::Utf16FromUtf8(path);
  const size_t refusedBefore = context.answerer().refused().size();
  winplat::ClearMessageBoxLog();
  PageRun run;
  if (!RunProfilePage(context, 0, script, &run, &error))
    return Fail(error);
  if (!run.fileChooserShown)
    return Fail("the page opened no open chooser");
  const ImportQuestions questions(*session, context.answerer(), refusedBefore);
  if (const winplat::MessageBoxCall *model = questions.OtherModel();
      model && model->answer != IDYES)
    return Fail(questions.Refusal(*model) + "; nothing was imported");

  const std::vector<host::StoredProfile> after = host::ReadStoredProfiles(session->printerHandle());
  std::vector<ImportOutcome> outcomes;
  size_t imported = 0;
  for (const ImportFileProfile &profile : file.profiles) {
    outcomes.push_back(FindOutcome(*session, profile, questions, before, after, facts));
    imported += outcomes.back().stored ? 1 : 0;
  }
  if (imported > 0 && !context.Save(&error))
    return Fail(error);
  if (Has(flags, "--json"))
    PrintImportJson(outcomes, run.printer, path, imported);
  else
    PrintImportText(outcomes, run.printer, path, imported);
  if (!file.damage.empty())
    return Fail("the file is damaged, " + file.damage + "; the profiles behind are left out");
  if (imported < outcomes.size())
    return Fail(std::to_string(outcomes.size() - imported) + " of " +
                std::to_string(outcomes.size()) + " profiles were not imported");
  return 0;
}

}  // namespace prfhost
