// prfhost page: the profile page as the driver's user interface shows it stand-alone, through
// the module's RunProfile under the host's own window, written as a picture; optionally with a
// profile selected, so that the picture shows its summary, or the page's settings information
// with every node of its tree expanded.
#include <iostream>
#include <string>
#include <vector>

#include <winplat/operator.h>

#include "cli.h"
#include "info_tree.h"
#include "page_host.h"

namespace prfhost {

int RunPage(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] =
      "usage: prfhost page --png FILE [--lang CODE] [--select PROFILE] [--info]";
  std::string png;
  std::string select;
  WORD language = 0;
  bool info = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string &option = args[i];
    if (option == "--info") {
      info = true;
      continue;
    }
    if ((option != "--png" && option != "--lang" && option != "--select") || i + 1 >= args.size())
      return Fail(kUsage, kExitUsage);
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
  if (info && !select.empty())
    return Fail("page takes either --select or --info", kExitUsage);

  auto write = [&png](HWND dialog, std::string *error) {
    if (!winplat::RenderWindowPng(dialog, png)) {
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
