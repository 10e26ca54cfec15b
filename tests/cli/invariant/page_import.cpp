// Driving the profile page's import for the import invariant.
#include "abi/wide.h"
#include "page_import.h"

#include <windows.h>

#include <algorithm>

#include <winplat/operator.h>

#include "abi/resource_ids.h"
#include "host/module_library.h"
#include "host/owner_window.h"
#include "host/printer_session.h"
#include "host/property_sheet.h"

namespace invariant {
namespace {

class YesOperator : public winplat::Operator {
 public:
  explicit YesOperator(const WideString &file) : file_(file) {}

  int AnswerMessageBox(const winplat::MessageBoxCall &call) override {
    const std::vector<int> buttons = winplat::MessageBoxButtons(call.style);
    return std::find(buttons.begin(), buttons.end(), IDYES) != buttons.end()
               ? IDYES
               : winplat::MessageBoxDefaultButton(call.style);
  }
  std::optional<winplat::FileChoice> AnswerFileChooser(
      const winplat::FileChooserCall &call) override {
    if (call.save)
      return std::nullopt;
    winplat::FileChoice choice;
    choice.chosen = true;
    choice.path = file_;
    choice.filterIndex = call.filterIndex;
    return choice;
  }
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    if (shown_)
      return false;
    shown_ = true;
    if (!file_.empty()) {
      HWND import = GetDlgItem(call.dialog, IDC_PROFILE_IMPORT);
      enabled_ = IsWindowEnabled(import);
      SendMessageW(import, BM_CLICK, 0, 0);
    }
    winplat::PerformDialogStep(call, winplat::DialogStep::Click(IDCANCEL));
    return true;
  }

  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }

 private:
  WideString file_;
  bool shown_ = false;
  bool enabled_ = true;
};

}  // namespace

bool RunPageImport(const WideString &printer, const WideString &file, std::string *error) {
  std::unique_ptr<host::PrinterSession> session = host::PrinterSession::Open(printer, {}, error);
  if (!session)
    return false;
  std::unique_ptr<host::ModuleLibrary> library =
      host::ModuleLibrary::Load(host::kModuleFileName, error);
  if (!library)
    return false;
  CControlSet *controlSet = host::CreateControlSet(library->getClass, "CControlSetProfil");
  if (!controlSet) {
    *error = "the module offers no control set";
    return false;
  }
  host::PropertySheet sheet(*session, controlSet);
  host::OwnerWindow owner(*session);
  YesOperator operate(file);
  winplat::SetOperator(&operate);
  library->runProfile(owner.handle(), controlSet, 0);
  winplat::SetOperator(nullptr);
  if (!operate.shown())
    *error = "the module showed no profile page";
  else if (!operate.enabled())
    *error = "the page's Import button is disabled";
  return operate.shown() && operate.enabled();
}

}  // namespace invariant
