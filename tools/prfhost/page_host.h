// Runs the module's profile page stand-alone, as the driver's user interface does, and lets a
// command act on the open dialog (read its controls, select a row, take its picture) before
// the page is closed with its own Cancel button. The page is reached only through the module's
// exports and the dialog's controls.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "cli.h"

namespace prfhost {

struct PageRun {
  std::string printer;  // UTF-8
  WORD language = 0;
  WORD templateId = 0;
  WORD innerTemplateId = 0;  // the settings information's, when it was shown
  bool fileChooserShown = false;
};

// A step on an open dialog; false fails the command with the message in `error`.
using DialogStepFunction = std::function<bool(HWND dialog, std::string *error)>;

// What a command does on the open page, and on a dialog the page opens while `page` runs (the
// properties dialog after the Add button, the settings information...).
struct PageScript {
  DialogStepFunction page;   // the page is closed with its Cancel button afterwards
  DialogStepFunction inner;  // none: the page is expected to open no dialog
  std::string innerName;     // what the inner dialog is, for the message when none opened
  int innerClose = IDOK;     // the button that closes the inner dialog when `inner` succeeded;
                             // a failed `inner` closes it with Cancel
  std::optional<COLORREF> colour;  // the answer to a colour chooser the inner dialog opens
  std::optional<WideString> file;  // the path that answers a file chooser the page opens
};

// False with a message when the page cannot be shown, a step fails, the inner dialog does not
// open, or the page does not close with its Cancel button.
bool RunProfilePage(Context &context, WORD language, const PageScript &script, PageRun *run,
                    std::string *error);

// The same with `step` as the page's only step.
bool RunProfilePageWith(Context &context, WORD language, const DialogStepFunction &step,
                        PageRun *run, std::string *error);
// The same with the page's settings information opened through its information button: `step`
// runs on the settings-information dialog, which is then closed with OK.
bool RunSettingsInfoWith(Context &context, WORD language, const DialogStepFunction &step,
                         PageRun *run, std::string *error);

// "en", "ja" or a language code in decimal or 0x hex.
bool ParseLanguage(const std::string &text, WORD *code);
std::string Hex(WORD value);

// The rows of the profile list (1149) in UTF-8.
std::vector<std::string> ProfileRows(HWND dialog);
// Selects and focuses the row whose text is `name` and nothing else; false when no row has it.
bool SelectProfileRow(HWND dialog, const std::string &name);
// Selects the rows whose texts are `names`, focusing the first, and nothing else; false with a
// message naming a profile the page does not list.
bool SelectProfileRows(HWND dialog, const std::vector<std::string> &names, std::string *error);
// The two texts of each row of the settings summary (1074) in UTF-8.
std::vector<std::pair<std::string, std::string>> SummaryRows(HWND dialog);

}  // namespace prfhost
