// prfhost show: the settings summary of one profile as the profile page builds it when the
// profile is selected, read back from the page's summary list.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "json_text.h"
#include "page_host.h"

namespace prfhost {
namespace {

// Characters, not bytes, so that the columns line up for any script.
size_t Width(const std::string &text) {
  size_t width = 0;
  for (unsigned char c : text)
    width += (c & 0xC0) != 0x80;
  return width;
}

}  // namespace

int RunShow(Context &context, const std::vector<std::string> &args) {
  constexpr char kUsage[] = "usage: prfhost show PROFILE [--lang CODE] [--json]";
  WORD language = 0;
  std::string profile;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--lang" && i + 1 < args.size()) {
      if (!ParseLanguage(args[++i], &language))
        return Fail("unknown language code \"" + args[i] + "\"", kExitUsage);
    } else if (profile.empty() && args[i].rfind("--", 0) != 0) {
      profile = args[i];
    } else {
      return Fail(kUsage, kExitUsage);
    }
  }
  if (profile.empty())
    return Fail(kUsage, kExitUsage);
  std::vector<std::pair<std::string, std::string>> rows;
  auto read = [&](HWND dialog, std::string *error) {
    if (!SelectProfileRow(dialog, profile)) {
      *error = "the page lists no profile \"" + profile + "\"";
      return false;
    }
    rows = SummaryRows(dialog);
    return true;
  };
  PageRun run;
  std::string error;
  if (!RunProfilePageWith(context, language, read, &run, &error))
    return Fail(error);
  if (json) {
    std::vector<std::string> items;
    for (const auto &[label, value] : rows)
      items.push_back(JsonObject().Text("label", label).Text("value", value).str());
    JsonObject head;
    head.Text("printer", run.printer).Text("language", Hex(run.language)).Text("profile", profile);
    PrintJsonWithList(std::cout, head, "summary", items);
    return 0;
  }
  size_t width = 0;
  for (const auto &row : rows)
    width = std::max(width, Width(row.first));
  std::cout << "Summary of \"" << profile << "\" on " << run.printer << " (language "
            << Hex(run.language) << "):\n";
  for (const auto &[label, value] : rows) {
    std::cout << "  " << label;
    if (!value.empty())
      std::cout << std::string(width - Width(label) + 2, ' ') << value;
    std::cout << "\n";
  }
  return 0;
}

}  // namespace prfhost
