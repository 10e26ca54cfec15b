// What became of each profile of a file the page imported: the page's questions and notices
// as the message-box log kept them, and for a stored profile what the import adapted, found by
// comparing the file's profile with what the page stored of it.
#pragma once

#include <string>
#include <vector>

#include <winplat/operator.h>

#include "answerer.h"
#include "host/printer_session.h"
#include "host/stored_profiles.h"
#include "import_file.h"
#include "import_report.h"

namespace prfhost {

// ANSI text of this machine as UTF-8.
std::string AnsiToUtf8(const std::string &ansi);

// The printer as it is before the import.
PrinterFacts ReadPrinterFacts(host::PrinterSession &session);

// The page's questions and notices of the import, as the message-box log kept them.
class ImportQuestions {
 public:
  ImportQuestions(host::PrinterSession &session, const Answerer &answerer, size_t refusedBefore);

  // The question before a file made by another model or driver version; null when the page did
  // not ask it.
  const winplat::MessageBoxCall *OtherModel() const;
  // The question before a profile of that name replaces another; null when the page did not ask.
  const winplat::MessageBoxCall *Clash(const std::string &name) const;
  // Whether the page told that the printer holds the most profiles it takes: its one box
  // without a choice.
  bool ProfilesCapped() const;
  // Why the question was not answered yes.
  std::string Refusal(const winplat::MessageBoxCall &box) const;

 private:
  const winplat::MessageBoxCall *Find(const std::string &text) const;

  host::PrinterSession &session_;
  std::vector<std::string> refused_;
  std::vector<winplat::MessageBoxCall> boxes_;
};

// What became of one profile of the file.
struct ImportOutcome {
  std::string name;  // UTF-8
  const host::StoredProfile *stored = nullptr;
  std::string reason;  // why it was not imported
  std::vector<Adaptation> adapted;
};

ImportOutcome FindOutcome(host::PrinterSession &session, const ImportFileProfile &profile,
                          const ImportQuestions &questions,
                          const std::vector<host::StoredProfile> &before,
                          const std::vector<host::StoredProfile> &after, const PrinterFacts &facts);

void PrintImportText(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
                     const std::string &path, size_t imported);
void PrintImportJson(const std::vector<ImportOutcome> &outcomes, const std::string &printer,
                     const std::string &path, size_t imported);

}  // namespace prfhost
