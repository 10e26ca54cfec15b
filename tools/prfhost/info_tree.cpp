// Reading and printing the settings-information tree.
#include "info_tree.h"

#include <commctrl.h>

#include "host/text_convert.h"
#include "json_text.h"

namespace prfhost {
namespace {

constexpr int kSettingsTree = 1894;
constexpr int kTextChars = 512;

HTREEITEM NextItem(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::vector<InfoTreeNode> ReadLevel(HWND tree, HTREEITEM first) {
  std::vector<InfoTreeNode> nodes;
  for (HTREEITEM item = first; item != nullptr; item = NextItem(tree, item, TVGN_NEXT)) {
    WCHAR text[kTextChars] = {};
    TVITEMW read{};
    read.mask = TVIF_TEXT | TVIF_STATE;
    read.hItem = item;
    read.stateMask = TVIS_EXPANDED;
    read.pszText = text;
    read.cchTextMax = kTextChars;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read));
    nodes.push_back({host::Utf8FromUtf16(text), (read.state & TVIS_EXPANDED) != 0,
                     ReadLevel(tree, NextItem(tree, item, TVGN_CHILD))});
  }
  return nodes;
}

void ExpandLevel(HWND tree, HTREEITEM first) {
  for (HTREEITEM item = first; item != nullptr; item = NextItem(tree, item, TVGN_NEXT)) {
    HTREEITEM child = NextItem(tree, item, TVGN_CHILD);
    if (child == nullptr)
      continue;
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    ExpandLevel(tree, child);
  }
}

}  // namespace

std::vector<InfoTreeNode> ReadInfoTree(HWND dialog) {
  HWND tree = GetDlgItem(dialog, kSettingsTree);
  return ReadLevel(tree, NextItem(tree, nullptr, TVGN_ROOT));
}

void ExpandInfoTree(HWND dialog) {
  HWND tree = GetDlgItem(dialog, kSettingsTree);
  ExpandLevel(tree, NextItem(tree, nullptr, TVGN_ROOT));
}

void PrintInfoTree(std::ostream &out, const std::vector<InfoTreeNode> &nodes, int depth) {
  for (const InfoTreeNode &node : nodes) {
    out << std::string(2 * depth, ' ') << node.text << "\n";
    PrintInfoTree(out, node.children, depth + 1);
  }
}

void PrintInfoTreeJson(std::ostream &out, const std::vector<InfoTreeNode> &nodes, int depth) {
  const std::string indent(2 * depth, ' ');
  out << "[";
  for (size_t i = 0; i < nodes.size(); ++i) {
    const InfoTreeNode &node = nodes[i];
    out << (i == 0 ? "\n" : ",\n") << indent << "  {\"text\": " << JsonString(node.text)
        << ", \"expanded\": " << (node.expanded ? "true" : "false") << ", \"children\": ";
    PrintInfoTreeJson(out, node.children, depth + 2);
    out << "}";
  }
  out << (nodes.empty() ? "]" : "\n" + indent + "]");
}

}  // namespace prfhost
