// The profile page hosted stand-alone for prfhost's page commands.
#include "page_host.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include <winplat/operator.h>

#include "host/module_library.h"
#include "host/owner_window.h"
#include "host/property_sheet.h"
#include "host/text_convert.h"

namespace prfhost {
namespace {

constexpr int kProfileList = 1149;
constexpr int kSettingsSummary = 1074;
constexpr int kSettingsInfoButton = 1895;
constexpr int kTextChars = 260;

// Runs the page's step on the first dialog it is shown and closes it with the page's own Cancel
// button; the inner step runs on a dialog the page opens meanwhile. Message boxes and file
// choosers go to the operator that was there before; a colour chooser gets the script's colour
// when it has one, and a file chooser the script's path.
class StepOperator : public winplat::Operator {
 public:
  StepOperator(winplat::Operator &previous, const PageScript &script)
      : previous_(previous), script_(script) {}

  int AnswerMessageBox(const winplat::MessageBoxCall &call) override {
    return previous_.AnswerMessageBox(call);
  }
  std::optional<winplat::FileChoice> AnswerFileChooser(
      const winplat::FileChooserCall &call) override {
    if (!script_.file)
      return previous_.AnswerFileChooser(call);
    fileChooserShown_ = true;
    winplat::FileChoice choice;
    choice.chosen = true;
    choice.path.assign(script_.file->begin(), script_.file->end());  // WCHAR to UTF-16
    choice.filterIndex = call.filterIndex;
    return choice;
  }
  std::optional<winplat::ColorChoice> AnswerColorChooser(
      const winplat::ColorChooserCall &call) override {
    if (!script_.colour)
      return previous_.AnswerColorChooser(call);
    winplat::ColorChoice choice;
    choice.chosen = true;
    choice.color = *script_.colour;
    return choice;
  }
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    if (!shown_) {
      shown_ = true;
      templateId_ = call.templateId;
      done_ = script_.page(call.dialog, &error_);
      winplat::PerformDialogStep(call, winplat::DialogStep::Click(IDCANCEL));
      return true;
    }
    if (!script_.inner || innerShown_)
      return false;
    innerShown_ = true;
    innerTemplateId_ = call.templateId;
    innerDone_ = script_.inner(call.dialog, &error_);
    winplat::PerformDialogStep(
        call, winplat::DialogStep::Click(innerDone_ ? script_.innerClose : IDCANCEL));
    return true;
  }

  bool shown() const { return shown_; }
  bool done() const { return done_ && (!script_.inner || innerDone_); }
  bool innerShown() const { return innerShown_; }
  bool fileChooserShown() const { return fileChooserShown_; }
  const std::string &error() const { return error_; }
  WORD templateId() const { return templateId_; }
  WORD innerTemplateId() const { return innerTemplateId_; }

 private:
  winplat::Operator &previous_;
  const PageScript &script_;
  bool shown_ = false;
  bool done_ = false;
  bool innerShown_ = false;
  bool innerDone_ = false;
  bool fileChooserShown_ = false;
  std::string error_;
  WORD templateId_ = 0;
  WORD innerTemplateId_ = 0;
};

std::string ItemText(HWND list, int row, int column) {
  WCHAR text[kTextChars] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = kTextChars;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return host::Utf8FromUtf16(text);
}

// The page's run is the last modal run of the log; a page left open by its Cancel button ran its
// loop dry and was ended by the platform.
bool PageClosedItself() {
  const std::vector<winplat::ModalEvent> &log = winplat::ModalDialogLog();
  return log.size() >= 2 && log.back().kind == winplat::ModalEvent::Kind::Ended &&
         log[log.size() - 2].kind != winplat::ModalEvent::Kind::RanDry;
}

int ItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

bool RunProfilePage(Context &context, WORD language, const PageScript &script, PageRun *run,
                    std::string *error) {
  host::PrinterSession *session = context.Session(error);
  if (!session)
    return false;
  if (language != 0)
    session->SetLanguageId(language);
  std::unique_ptr<host::ModuleLibrary> library =
      host::ModuleLibrary::Load(host::kModuleFileName, error);
  if (!library)
    return false;
  if (!library->getClass || !library->runProfile) {
    *error = "the module does not export GetClass and RunProfile";
    return false;
  }
  CControlSet *controlSet = host::CreateControlSet(library->getClass, "CControlSetProfil");
  if (!controlSet) {
    *error = "the module offers no control set";
    return false;
  }
  host::PropertySheet sheet(*session, controlSet);
  host::OwnerWindow owner(*session);

  winplat::Operator &previous = winplat::CurrentOperator();
  StepOperator operate(previous, script);
  winplat::SetOperator(&operate);
  library->runProfile(owner.handle(), controlSet, 0);
  winplat::SetOperator(&previous);

  if (!operate.shown()) {
    *error = "the module showed no profile page";
    return false;
  }
  if (script.inner && !operate.innerShown() && operate.error().empty()) {
    *error = "the profile page opened no " + script.innerName + " for " +
             host::Utf8FromUtf16(session->printerName());
    return false;
  }
  if (!operate.done()) {
    *error = operate.error();
    return false;
  }
  if (!PageClosedItself()) {
    *error = "the profile page did not close with its Cancel button";
    return false;
  }
  run->printer = host::Utf8FromUtf16(session->printerName());
  run->language = session->uiManager()->GetLanguage();
  run->templateId = operate.templateId();
  run->innerTemplateId = operate.innerTemplateId();
  run->fileChooserShown = operate.fileChooserShown();
  return true;
}

bool RunProfilePageWith(Context &context, WORD language, const DialogStepFunction &step,
                        PageRun *run, std::string *error) {
  PageScript script;
  script.page = step;
  return RunProfilePage(context, language, script, run, error);
}

bool RunSettingsInfoWith(Context &context, WORD language, const DialogStepFunction &step,
                         PageRun *run, std::string *error) {
  PageScript script;
  script.page = [](HWND page, std::string *) {
    SendMessageW(page, WM_COMMAND, kSettingsInfoButton, 0);
    return true;
  };
  script.inner = step;
  script.innerName = "settings information";
  return RunProfilePage(context, language, script, run, error);
}

bool ParseLanguage(const std::string &text, WORD *code) {
  if (text == "en") {
    *code = 0x0409;
    return true;
  }
  if (text == "ja") {
    *code = 0x0411;
    return true;
  }
  char *end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 0);
  if (text.empty() || *end != '\0' || value == 0 || value > 0xFFFF)
    return false;
  *code = static_cast<WORD>(value);
  return true;
}

std::string Hex(WORD value) {
  std::ostringstream out;
  out << "0x" << std::hex << std::uppercase;
  out.width(4);
  out.fill('0');
  out << value;
  return out.str();
}

std::vector<std::string> ProfileRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, kProfileList);
  std::vector<std::string> rows;
  for (int row = 0; row < ItemCount(list); ++row)
    rows.push_back(ItemText(list, row, 0));
  return rows;
}

bool SelectProfileRow(HWND dialog, const std::string &name) {
  std::string error;
  return SelectProfileRows(dialog, {name}, &error);
}

bool SelectProfileRows(HWND dialog, const std::vector<std::string> &names, std::string *error) {
  HWND list = GetDlgItem(dialog, kProfileList);
  const std::vector<std::string> rows = ProfileRows(dialog);
  std::vector<size_t> chosen;
  for (const std::string &name : names) {
    auto found = std::find(rows.begin(), rows.end(), name);
    if (found == rows.end()) {
      *error = "the page lists no profile \"" + name + "\"";
      return false;
    }
    chosen.push_back(static_cast<size_t>(found - rows.begin()));
  }
  // The rows are selected before the others are let go, so the page never sees an empty
  // selection on the way; the first named row takes the focus.
  LVITEMW item{};
  for (size_t i = chosen.size(); i-- > 0;) {
    item.stateMask = LVIS_SELECTED | (i == 0 ? LVIS_FOCUSED : 0);
    item.state = item.stateMask;
    SendMessageW(list, LVM_SETITEMSTATE, chosen[i], reinterpret_cast<LPARAM>(&item));
  }
  item.stateMask = LVIS_SELECTED;
  item.state = 0;
  for (size_t other = 0; other < rows.size(); ++other)
    if (std::find(chosen.begin(), chosen.end(), other) == chosen.end())
      SendMessageW(list, LVM_SETITEMSTATE, other, reinterpret_cast<LPARAM>(&item));
  return true;
}

std::vector<std::pair<std::string, std::string>> SummaryRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, kSettingsSummary);
  std::vector<std::pair<std::string, std::string>> rows;
  for (int row = 0; row < ItemCount(list); ++row)
    rows.emplace_back(ItemText(list, row, 0), ItemText(list, row, 1));
  return rows;
}

}  // namespace prfhost
