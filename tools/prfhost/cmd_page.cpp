// prfhost page: the profile page as the driver's user interface shows it stand-alone, through
// the module's RunProfile under the host's own window, written as a picture; optionally with a
// profile selected, so that the picture shows its summary.
#include <iostream>
#include <string>
#include <vector>

#include <winplat/operator.h>
#include <winplat/render.h>

#include "cli.h"
#include "page_host.h"

namespace prfhost {

int RunPage(Context &context, const std::vector<std::string> &args) {
  std::string png;
  std::string select;
  WORD language = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string &option = args[i];
    if ((option != "--png" && option != "--lang" && option != "--select") || i + 1 >= args.size())
      return Fail("usage: prfhost page --png FILE [--lang CODE] [--select PROFILE]", kExitUsage);
    const std::string &value = args[++i];
    if (option == "--png")
      png = value;
    else if (option == "--select")
      select = value;
    else if (!ParseLanguage(value, &language))
      return Fail("unknown language code \"" + value + "\" (en, ja or a number such as 0x0401)",
                  kExitUsage);
  }
  if (png.empty())
    return Fail("page needs --png FILE", kExitUsage);

  auto picture = [&](HWND dialog, std::string *error) {
    if (!select.empty() && !SelectProfileRow(dialog, select)) {
      *error = "the page lists no profile \"" + select + "\"";
      return false;
    }
    if (!winplat::RenderWindowPng(dialog, png)) {
      *error = "cannot write " + png;
      return false;
    }
    return true;
  };
  PageRun run;
  std::string error;
  if (!RunProfilePageWith(context, language, picture, &run, &error))
    return Fail(error);
  std::cout << "Profile page of " << run.printer << " (template " << run.templateId << ", language "
            << Hex(run.language) << ") written to " << png << ".\n";
  return 0;
}

}  // namespace prfhost
