// Printing text tables.
#include "text_table.h"

#include <algorithm>
#include <iostream>

namespace prfhost {
namespace {

size_t Width(const std::string &text) {
  size_t width = 0;
  for (unsigned char c : text)
    width += (c & 0xC0) != 0x80;
  return width;
}

}  // namespace

void PrintTable(const std::vector<std::vector<std::string>> &rows) {
  std::vector<size_t> widths;
  for (const auto &row : rows)
    for (size_t i = 0; i < row.size(); ++i) {
      if (widths.size() <= i)
        widths.push_back(0);
      widths[i] = std::max(widths[i], Width(row[i]));
    }
  for (const auto &row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i)
      line +=
          i + 1 < row.size() ? row[i] + std::string(widths[i] + 2 - Width(row[i]), ' ') : row[i];
    std::cout << line << "\n";
  }
}

}  // namespace prfhost
