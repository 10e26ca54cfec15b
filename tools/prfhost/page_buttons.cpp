// Pressing the profile page's buttons.
#include "abi/wide.h"
#include "page_buttons.h"

#include <winplat/operator.h>

#include "abi/resource_ids.h"
#include "answerer.h"
#include "host/text_convert.h"

namespace prfhost {
namespace {

// The page's limit: the built-in profile and 25 of the user's.
constexpr size_t kMaxRows = 26;
// The model's restriction byte for settings the administrator has locked.
constexpr BYTE kSettingsLocked = 4;

std::string Quoted(const std::string &text) {
  return "\"" + text + "\"";
}

// Why the page keeps a button disabled, from what the host knows of the user, the printer and
// the rows.
std::string DisabledReason(host::PrinterSession &session, int button,
                           const std::vector<std::string> &rows,
                           const std::vector<std::string> &selected) {
  if (!session.canChangeSettings())
    return "this user may not change the printer's settings";
  if (session.model().info.bRestriction == kSettingsLocked)
    return "the administrator has locked the printer's settings";
  if (session.isClientSide() && button != IDC_PROFILE_APPLY)
    return "the printer's profiles cannot be changed from this computer";
  if ((button == IDC_PROFILE_ADD || button == IDC_PROFILE_IMPORT) && rows.size() >= kMaxRows)
    return "the page holds " + std::to_string(rows.size()) + " profiles, the most it takes";
  if (button == IDC_PROFILE_EXPORT && rows.size() <= 1)
    return "the page holds no profile but the built-in one";
  if (selected.size() == 1 && selected[0] == BuiltInName(session))
    return Quoted(selected[0]) + " is the built-in profile";
  return "the page keeps it disabled";
}

const char *ButtonName(int button) {
  switch (button) {
    case IDC_PROFILE_ADD:
      return "Add";
    case IDC_PROFILE_DELETE:
      return "Delete";
    case IDC_PROFILE_EDIT:
      return "Edit";
    case IDC_PROFILE_IMPORT:
      return "Import";
    case IDC_PROFILE_EXPORT:
      return "Export";
    default:
      return "Apply";
  }
}

}  // namespace

std::string BuiltInName(host::PrinterSession &session) {
  const WideString *name = session.strings().Find(IDS_DEFAULT_PROFILE_NAME);
  return name ? host::Utf8FromUtf16(*name) : std::string();
}

DialogStepFunction PressButton(host::PrinterSession &session, int button,
                               std::vector<std::string> selected) {
  return [&session, button, selected](HWND page, std::string *error) {
    if (!selected.empty() && !SelectProfileRows(page, selected, error))
      return false;
    HWND control = GetDlgItem(page, button);
    if (!IsWindowEnabled(control)) {
      *error = std::string("the page's ") + ButtonName(button) + " button is disabled: " +
               DisabledReason(session, button, ProfileRows(page), selected);
      return false;
    }
    SendMessageW(control, BM_CLICK, 0, 0);
    return true;
  };
}

// Runs the page with the script; then a question nobody answered, or one answered other than
// yes, fails the command with nothing stored. Otherwise the machine's state is saved.
bool RunAndSave(Context &context, const PageScript &script, PageRun *run, std::string *error) {
  const size_t refusedBefore = context.answerer().refused().size();
  winplat::ClearMessageBoxLog();
  if (!RunProfilePage(context, 0, script, run, error))
    return false;
  if (context.answerer().refused().size() > refusedBefore) {
    *error = RefusedQuestionMessage(context.answerer().refused()[refusedBefore]);
    return false;
  }
  for (const winplat::MessageBoxCall &box : winplat::MessageBoxLog()) {
    if (winplat::MessageBoxButtons(box.style).size() > 1 && box.answer != IDYES) {
      *error = "the page asked \"" + winplat::Utf8FromUtf16(box.text) +
               "\" and the answer was no; nothing was changed";
      return false;
    }
  }
  return context.Save(error);
}

}  // namespace prfhost
