// The tree of the settings-information dialog as prfhost reads it back from the dialog's tree
// view, and its text and JSON forms.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace prfhost {

struct InfoTreeNode {
  std::string text;  // UTF-8
  bool expanded = false;
  std::vector<InfoTreeNode> children;
};

// The nodes of the dialog's tree (control 1894), in order.
std::vector<InfoTreeNode> ReadInfoTree(HWND dialog);
// Expands every node of the dialog's tree, so that a picture shows them all.
void ExpandInfoTree(HWND dialog);

// One node a line, indented by two blanks per level.
void PrintInfoTree(std::ostream &out, const std::vector<InfoTreeNode> &nodes, int depth = 0);
// An array of {"text", "expanded", "children"} objects.
void PrintInfoTreeJson(std::ostream &out, const std::vector<InfoTreeNode> &nodes, int depth);

}  // namespace prfhost
