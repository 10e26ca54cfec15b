// prfhost info: the printer's current settings as the settings-information dialog shows them,
// opened through the profile page's information button and read back from the dialog's tree.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "info_tree.h"
#include "json_text.h"
#include "page_host.h"

namespace prfhost {

int RunInfo(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] = "usage: prfhost info [--lang CODE] [--json]";
  WORD language = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--lang" && i + 1 < args.size()) {
      if (!ParseLanguage(args[++i], &language))
        return Fail("unknown language code \"" + args[i] + "\"", kExitUsage);
    } else {
      return Fail(kUsage, kExitUsage);
    }
  }
  std::vector<InfoTreeNode> tree;
  auto read = [&tree](HWND dialog, std::string *) {
    tree = ReadInfoTree(dialog);
    return true;
  };
  PageRun run;
  std::string error;
  if (!RunSettingsInfoWith(context, language, read, &run, &error))
    return Fail(error);
  if (json) {
    std::cout << "{\"printer\": " << JsonString(run.printer) << ", \"language\": \""
              << Hex(run.language) << "\", \"template\": " << run.innerTemplateId
              << ",\n \"tree\": ";
    PrintInfoTreeJson(std::cout, tree, 0);
    std::cout << "}\n";
    return 0;
  }
  std::cout << "Settings information of " << run.printer << " (template " << run.innerTemplateId
            << ", language " << Hex(run.language) << "):\n";
  PrintInfoTree(std::cout, tree);
  return 0;
}

}  // namespace prfhost
