// prfhost page: the profile page as the driver's user interface shows it stand-alone, through
// the module's RunProfile under the host's own window, written as a picture.
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <winplat/operator.h>

#include "cli.h"
#include "host/module_library.h"
#include "host/owner_window.h"
#include "host/property_sheet.h"
#include "host/text_convert.h"

namespace prfhost {
namespace {

// Paints the first dialog it is shown into the PNG file and closes it with OK; message boxes
// go to the operator that was there before.
class PictureOperator : public winplat::Operator {
 public:
  PictureOperator(winplat::Operator &previous, std::string path)
      : previous_(previous), path_(std::move(path)) {}

  int AnswerMessageBox(const winplat::MessageBoxCall &call) override {
    return previous_.AnswerMessageBox(call);
  }
  bool OperateDialog(const winplat::ModalDialogCall &call) override {
    if (shown_)
      return false;
    shown_ = true;
    templateId_ = call.templateId;
    written_ = winplat::RenderWindowPng(call.dialog, path_);
    winplat::PerformDialogStep(call, winplat::DialogStep::End(IDOK));
    return true;
  }

  bool shown() const { return shown_; }
  bool written() const { return written_; }
  WORD templateId() const { return templateId_; }

 private:
  winplat::Operator &previous_;
  std::string path_;
  bool shown_ = false;
  bool written_ = false;
  WORD templateId_ = 0;
};

// "en", "ja" or a language code in decimal or 0x hex.
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

}  // namespace

int RunPage(Context &context, const std::vector<std::string> &args) {
  std::string png;
  WORD language = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] != "--png" && args[i] != "--lang") || i + 1 >= args.size())
      return Fail("usage: prfhost page --png FILE [--lang CODE]", kExitUsage);
    const std::string &value = args[++i];
    if (args[i - 1] == "--png")
      png = value;
    else if (!ParseLanguage(value, &language))
      return Fail("unknown language code \"" + value + "\" (en, ja or a number such as 0x0401)",
                  kExitUsage);
  }
  if (png.empty())
    return Fail("page needs --png FILE", kExitUsage);

  std::string error;
  host::PrinterSession *session = context.Session(&error);
  if (!session)
    return Fail(error);
  if (language != 0)
    session->SetLanguageId(language);
  std::unique_ptr<host::ModuleLibrary> library =
      host::ModuleLibrary::Load(host::kModuleFileName, &error);
  if (!library)
    return Fail(error);
  if (!library->getClass || !library->runProfile)
    return Fail("the module does not export GetClass and RunProfile");
  CControlSet *controlSet = host::CreateControlSet(library->getClass, "CControlSetProfil");
  if (!controlSet)
    return Fail("the module offers no control set");
  host::PropertySheet sheet(*session, controlSet);
  host::OwnerWindow owner;

  winplat::Operator &previous = winplat::CurrentOperator();
  PictureOperator picture(previous, png);
  winplat::SetOperator(&picture);
  library->runProfile(owner.handle(), controlSet, 0);
  winplat::SetOperator(&previous);

  if (!picture.shown())
    return Fail("the module showed no profile page");
  if (!picture.written())
    return Fail("cannot write " + png);
  std::cout << "Profile page of " << host::Utf8FromUtf16(session->printerName()) << " (template "
            << picture.templateId() << ", language " << Hex(session->uiManager()->GetLanguage())
            << ") written to " << png << ".\n";
  return 0;
}

}  // namespace prfhost
