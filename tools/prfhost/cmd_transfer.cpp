// prfhost export and import: the profile page's export and import commands, driven through the
// page as a person uses them. The file chooser the page opens is answered with the file, the
// page's questions as for the other commands. After an import, each profile of the file is
// compared with what the page stored of it, to tell what the import adapted on this printer.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include <winplat/operator.h>

#include "abi/devmode_view.h"
#include "abi/resource_ids.h"
#include "cli.h"
#include "host/stored_profiles.h"
#include "host/text_convert.h"
#include "import_file.h"
#include "import_report.h"
#include "json_text.h"
#include "page_buttons.h"
#include "page_host.h"

namespace prfhost {
namespace {

// The question an import asks before a file made by another model or driver version.
constexpr UINT kOtherModelQuestion = 1945;

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
std::u16string WrittenPath(const std::string &path) {
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

std::string AnsiToUtf8(const std::string &ansi) {
  return host::Utf8FromUtf16(host::WideFromAnsi(ansi, GetACP()));
}

std::vector<BYTE> PrinterValue(HANDLE printer, const char16_t *name) {
  DWORD type = 0, needed = 0;
  GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, nullptr, 0, &needed);
  std::vector<BYTE> data(needed);
  if (needed == 0 || GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, data.data(), needed,
                                     &needed) != ERROR_SUCCESS)
    return {};
  return data;
}

PrinterFacts ReadPrinterFacts(host::PrinterSession &session) {
  PrinterFacts facts;
  facts.codePage = GetACP();
  facts.customSizes = ReadCustomSizes(PrinterValue(session.printerHandle(), u"VtCPSData"));
  const std::vector<BYTE> count = PrinterValue(session.printerHandle(), u"VtCPSCount");
  DWORD entries = 0;
  if (count.size() >= sizeof entries)
    std::memcpy(&entries, count.data(), sizeof entries);
  if (facts.customSizes.size() > entries)
    facts.customSizes.resize(entries);
  for (const PrivateBlock &block : DevModeView(session.devModeBytes()).Blocks())
    facts.blockIds.push_back(block.header.wBlockId);
  return facts;
}

StoredImport ReadStoredImport(host::PrinterSession &session, LONG regNum) {
  StoredImport stored;
  for (const host::StoredProfileValue &value :
       host::ReadStoredProfileValues(session.printerHandle(), session.printerName(), regNum)) {
    std::vector<BYTE> data = host::ReadStoredProfileValueData(session.printerHandle(), value)
                                 .value_or(std::vector<BYTE>());
    if (value.name == "Default DevMode")
      stored.settings = DevModeView(data).PublicFields();
    stored.values.push_back({value.name, std::move(data)});
  }
  return stored;
}

// What became of one profile of the file.
struct ImportOutcome {
  std::string name;  // UTF-8
  const host::StoredProfile *stored = nullptr;
  std::string reason;  // why it was not imported
  std::vector<Adaptation> adapted;
};

std::string Formatted(const std::u16string *format, const std::string &argument) {
  std::string text = format ? host::Utf8FromUtf16(*format) : std::string();
  if (const size_t at = text.find("%s"); at != std::string::npos)
    text.replace(at, 2, argument);
  return text;
}

// The page's questions and notices of the import, as the message-box log kept them.
class ImportQuestions {
 public:
  ImportQuestions(host::PrinterSession &session, const Answerer &answerer, size_t refusedBefore)
      : session_(session),
        refused_(answerer.refused().begin() + static_cast<long>(refusedBefore),
                 answerer.refused().end()),
        boxes_(winplat::MessageBoxLog()) {}

  // The question of text `text`; null when the page did not ask it.
  const winplat::MessageBoxCall *Find(const std::string &text) const {
    for (const winplat::MessageBoxCall &box : boxes_)
      if (host::Utf8FromUtf16(box.text) == text)
        return &box;
    return nullptr;
  }
  const winplat::MessageBoxCall *OtherModel() const {
    const std::u16string *text = session_.strings().Find(kOtherModelQuestion);
    return text ? Find(host::Utf8FromUtf16(*text)) : nullptr;
  }
  const winplat::MessageBoxCall *Clash(const std::string &name) const {
    return Find(Formatted(session_.strings().Find(IDS_PROFILE_EXISTS), name));
  }
  // The notice that the printer holds the most profiles it takes: the page's one box without a
  // choice.
  bool ProfilesCapped() const {
    return std::any_of(boxes_.begin(), boxes_.end(), [](const winplat::MessageBoxCall &box) {
      return winplat::MessageBoxButtons(box.style).size() <= 1;
    });
  }
  // Why the question was not answered yes.
  std::string Refusal(const winplat::MessageBoxCall &box) const {
    const std::string text = host::Utf8FromUtf16(box.text);
    const bool unanswered = std::find(refused_.begin(), refused_.end(), text) != refused_.end();
    return "the page asked " + Quoted(text) +
           (unanswered ? " and nobody was there to answer (give --yes, --answers LIST or run at a "
                         "terminal)"
                       : " and the answer was no");
  }

 private:
  host::PrinterSession &session_;
  std::vector<std::string> refused_;
  std::vector<winplat::MessageBoxCall> boxes_;
};

ImportOutcome Outcome(host::PrinterSession &session, const ImportFileProfile &profile,
                      const ImportQuestions &questions,
                      const std::vector<host::StoredProfile> &before,
                      const std::vector<host::StoredProfile> &after, const PrinterFacts &facts) {
  ImportOutcome outcome;
  outcome.name = AnsiToUtf8(profile.name);
  const winplat::MessageBoxCall *clash = questions.Clash(outcome.name);
  const host::StoredProfile *stored = host::FindStoredProfile(after, outcome.name);
  if (outcome.name == BuiltInName(session)) {
    outcome.reason = "it has the built-in profile's name";
  } else if (clash && clash->answer != IDYES) {
    outcome.reason = questions.Refusal(*clash);
  } else if (stored && (clash || !host::FindStoredProfile(before, outcome.name))) {
    outcome.stored = stored;
    outcome.adapted = CompareImport(profile, ReadStoredImport(session, stored->regNum), facts);
  } else if (questions.ProfilesCapped()) {
    outcome.reason = "the printer holds the most profiles it takes";
  } else {
    outcome.reason = "the page did not store it";
  }
  return outcome;
}

void PrintText(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
               const std::string &path, size_t imported) {
  std::cout << "Imported into " << printer << " from " << path << ": " << imported << " of "
            << outcomes.size() << " profiles.\n";
  for (const ImportOutcome &outcome : outcomes) {
    std::cout << "Profile " << Quoted(outcome.name);
    if (!outcome.stored) {
      std::cout << " not imported: " << outcome.reason << ".\n";
      continue;
    }
    std::cout << " (registry number " << outcome.stored->regNum << ")"
              << (outcome.adapted.empty() ? ": nothing adapted.\n" : ":\n");
    for (const Adaptation &adaptation : outcome.adapted)
      std::cout << "  " << adaptation.text << "\n";
  }
}

void PrintJson(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
               const std::string &path, size_t imported) {
  std::vector<std::string> items;
  for (const ImportOutcome &outcome : outcomes) {
    JsonObject item;
    item.Text("name", outcome.name).Bool("imported", outcome.stored != nullptr);
    if (!outcome.stored) {
      items.push_back(item.Text("reason", outcome.reason).str());
      continue;
    }
    std::string adapted;
    for (const Adaptation &adaptation : outcome.adapted)
      adapted += (adapted.empty() ? "" : ", ") + JsonObject()
                                                     .Text("kind", adaptation.kind)
                                                     .Text("text", adaptation.text)
                                                     .Json("details", adaptation.json)
                                                     .str();
    items.push_back(
        item.Number("number", outcome.stored->regNum).Json("adapted", "[" + adapted + "]").str());
  }
  PrintJsonWithList(std::cout,
                    JsonObject()
                        .Text("printer", printer)
                        .Text("file", path)
                        .Number("imported", static_cast<long long>(imported)),
                    "profiles", items);
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
    outcomes.push_back(Outcome(*session, profile, questions, before, after, facts));
    imported += outcomes.back().stored ? 1 : 0;
  }
  if (imported > 0 && !context.Save(&error))
    return Fail(error);
  if (Has(flags, "--json"))
    PrintJson(outcomes, run.printer, path, imported);
  else
    PrintText(outcomes, run.printer, path, imported);
  if (!file.damage.empty())
    return Fail("the file is damaged, " + file.damage + "; the profiles behind are left out");
  if (imported < outcomes.size())
    return Fail(std::to_string(outcomes.size() - imported) + " of " +
                std::to_string(outcomes.size()) + " profiles were not imported");
  return 0;
}

}  // namespace prfhost
