// The outcome of an import for each profile of the file, and its report.
#include "abi/wide.h"
#include "import_outcome.h"

#include <algorithm>
#include <cstring>
#include <iostream>

#include "abi/devmode_view.h"
#include "abi/resource_ids.h"
#include "host/text_convert.h"
#include "json_text.h"
#include "page_buttons.h"

namespace prfhost {
namespace {

// The question an import asks before a file made by another model or driver version.
constexpr UINT kOtherModelQuestion = 1945;

std::string Quoted(const std::string &text) {
  return "\"" + text + "\"";
}

std::vector<BYTE> PrinterValue(HANDLE printer, const WCHAR *name) {
  DWORD type = 0, needed = 0;
  GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, nullptr, 0, &needed);
  std::vector<BYTE> data(needed);
  if (needed == 0 || GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, data.data(), needed,
                                     &needed) != ERROR_SUCCESS)
    return {};
  return data;
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

std::string Formatted(const WideString *format, const std::string &argument) {
  std::string text = format ? host::Utf8FromUtf16(*format) : std::string();
  if (const size_t at = text.find("%s"); at != std::string::npos)
    text.replace(at, 2, argument);
  return text;
}

}  // namespace

std::string AnsiToUtf8(const std::string &ansi) {
  return host::Utf8FromUtf16(host::WideFromAnsi(ansi, GetACP()));
}

PrinterFacts ReadPrinterFacts(host::PrinterSession &session) {
  PrinterFacts facts;
  facts.codePage = GetACP();
  facts.customSizes = ReadCustomSizes(PrinterValue(session.printerHandle(), WSTR("VtCPSData")));
  const std::vector<BYTE> count = PrinterValue(session.printerHandle(), WSTR("VtCPSCount"));
  DWORD entries = 0;
  if (count.size() >= sizeof entries)
    std::memcpy(&entries, count.data(), sizeof entries);
  if (facts.customSizes.size() > entries)
    facts.customSizes.resize(entries);
  for (const PrivateBlock &block : DevModeView(session.devModeBytes()).Blocks())
    facts.blockIds.push_back(block.header.wBlockId);
  return facts;
}

ImportOutcome FindOutcome(host::PrinterSession &session, const ImportFileProfile &profile,
                          const ImportQuestions &questions,
                          const std::vector<host::StoredProfile> &before,
                          const std::vector<host::StoredProfile> &after,
                          const PrinterFacts &facts) {
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

void PrintImportText(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
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

void PrintImportJson(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
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

ImportQuestions::ImportQuestions(host::PrinterSession &session, const Answerer &answerer,
                                 size_t refusedBefore)
    : session_(session),
      refused_(answerer.refused().begin() + static_cast<long>(refusedBefore),
               answerer.refused().end()),
      boxes_(winplat::MessageBoxLog()) {}

const winplat::MessageBoxCall *ImportQuestions::Find(const std::string &text) const {
  for (const winplat::MessageBoxCall &box : boxes_)
    if (winplat::Utf8FromUtf16(box.text) == text)
      return &box;
  return nullptr;
}

const winplat::MessageBoxCall *ImportQuestions::OtherModel() const {
  const WideString *text = session_.strings().Find(kOtherModelQuestion);
  return text ? Find(host::Utf8FromUtf16(*text)) : nullptr;
}

const winplat::MessageBoxCall *ImportQuestions::Clash(const std::string &name) const {
  return Find(Formatted(session_.strings().Find(IDS_PROFILE_EXISTS), name));
}

bool ImportQuestions::ProfilesCapped() const {
  return std::any_of(boxes_.begin(), boxes_.end(), [](const winplat::MessageBoxCall &box) {
    return winplat::MessageBoxButtons(box.style).size() <= 1;
  });
}

std::string ImportQuestions::Refusal(const winplat::MessageBoxCall &box) const {
  const std::string text = winplat::Utf8FromUtf16(box.text);
  const bool unanswered = std::find(refused_.begin(), refused_.end(), text) != refused_.end();
  return "the page asked " + Quoted(text) +
         (unanswered ? " and nobody was there to answer (give --yes, --answers LIST or run at a "
                       "terminal)"
                     : " and the answer was no");
}

}  // namespace prfhost
