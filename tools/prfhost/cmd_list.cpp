// prfhost list: the printer's profiles as the profile page lists them, read back from the
// page's list after the page has opened.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "json_text.h"
#include "page_host.h"

namespace prfhost {

int RunList(Context &context, const std::vector<std::string> &args) {
  WORD language = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
      continue;
    }
    if (args[i] != "--lang" || i + 1 >= args.size())
      return Fail("usage: prfhost list [--lang CODE] [--json]", kExitUsage);
    if (!ParseLanguage(args[++i], &language))
      return Fail("unknown language code \"" + args[i] + "\"", kExitUsage);
  }
  std::vector<std::string> rows;
  auto read = [&rows](HWND dialog, std::string *) {
    rows = ProfileRows(dialog);
    return true;
  };
  PageRun run;
  std::string error;
  if (!RunProfilePageWith(context, language, read, &run, &error))
    return Fail(error);
  if (json) {
    std::vector<std::string> items;
    for (const std::string &row : rows)
      items.push_back(JsonString(row));
    PrintJsonWithList(std::cout,
                      JsonObject().Text("printer", run.printer).Text("language", Hex(run.language)),
                      "profiles", items);
    return 0;
  }
  std::cout << "Profiles of " << run.printer << " (language " << Hex(run.language) << "):\n";
  for (size_t row = 0; row < rows.size(); ++row)
    std::cout << "  " << row << "  " << rows[row] << "\n";
  return 0;
}

}  // namespace prfhost
