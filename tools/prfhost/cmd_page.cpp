// prfhost page: the profile page as the driver's user interface shows it stand-alone, through
// the module's RunProfile under the host's own window, written as a picture; optionally with a
// profile selected, so that the picture shows its summary, the page's settings information
// with every node of its tree expanded, or the profile-properties dialog of a profile or of a
// new one.
#include <iostream>
#include <string>
#include <vector>

#include "abi/resource_ids.h"
#include "cli.h"
#include "info_tree.h"
#include "page_buttons.h"
#include "page_host.h"
#include "window_picture.h"

namespace prfhost {

int RunPage(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] =
      "usage: prfhost page --png FILE [--lang CODE] "
      "[--select PROFILE | --info | --properties PROFILE | --new]";
  std::string png;
  std::string select;
  std::string properties;
  WORD language = 0;
  bool info = false;
  bool fresh = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string &option = args[i];
    if (option == "--info" || option == "--new") {
      (option == "--info" ? info : fresh) = true;
      continue;
    }
    if ((option != "--png" && option != "--lang" && option != "--select" &&
         option != "--properties") ||
        i + 1 >= args.size())
      return Fail(kUsage, kExitUsage);
    const std::string &value = args[++i];
    if (option == "--png")
      png = value;
    else if (option == "--select")
      select = value;
    else if (option == "--properties")
      properties = value;
    else if (!ParseLanguage(value, &language))
      return Fail("unknown language code \"" + value + "\" (en, ja or a number such as 0x0401)",
                  kExitUsage);
  }
  if (png.empty())
    return Fail("page needs --png FILE", kExitUsage);
  if (info + fresh + !select.empty() + !properties.empty() > 1)
    return Fail("page takes one of --select, --info, --properties and --new", kExitUsage);

  auto write = [&png](HWND dialog, std::string *error) {
    if (!WriteWindowPicture(dialog, png)) {
      *error = "cannot write " + png;
      return false;
    }
    return true;
  };
  PageRun run;
  std::string error;
  if (info) {
    auto picture = [&write](HWND dialog, std::string *error) {
      ExpandInfoTree(dialog);
      return write(dialog, error);
    };
    if (!RunSettingsInfoWith(context, language, picture, &run, &error))
      return Fail(error);
    std::cout << "Settings information of " << run.printer << " (template " << run.innerTemplateId
              << ", language " << Hex(run.language) << ") written to " << png << ".\n";
    return 0;
  }
  if (fresh || !properties.empty()) {
    PageScript script;
    host::PrinterSession *session = context.Session(&error);
    if (!session)
      return Fail(error);
    script.page = fresh ? PressButton(*session, IDC_PROFILE_ADD, {})
                        : PressButton(*session, IDC_PROFILE_EDIT, {properties});
    script.inner = write;
    script.innerName = "profile properties";
    script.innerClose = IDCANCEL;
    if (!RunProfilePage(context, language, script, &run, &error))
      return Fail(error);
    std::cout << "Profile properties" << (fresh ? "" : " of \"" + properties + "\"") << " on "
              << run.printer << " (template " << run.innerTemplateId << ", language "
              << Hex(run.language) << ") written to " << png << ".\n";
    return 0;
  }
  auto picture = [&](HWND dialog, std::string *error) {
    if (!select.empty() && !SelectProfileRow(dialog, select)) {
      *error = "the page lists no profile \"" + select + "\"";
      return false;
    }
    return write(dialog, error);
  };
  if (!RunProfilePageWith(context, language, picture, &run, &error))
    return Fail(error);
  std::cout << "Profile page of " << run.printer << " (template " << run.templateId << ", language "
            << Hex(run.language) << ") written to " << png << ".\n";
  return 0;
}

}  // namespace prfhost
