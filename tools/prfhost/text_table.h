// Tables of left-aligned text columns for prfhost's output.
#pragma once

#include <string>
#include <vector>

namespace prfhost {

// Rows of left-aligned columns, each as wide as its widest cell (in characters, so that any
// script lines up), two blanks apart.
void PrintTable(const std::vector<std::vector<std::string>> &rows);

}  // namespace prfhost
