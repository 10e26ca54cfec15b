// The tree view ("SysTreeView32"): its nodes and what its files share.
#pragma once

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "user32/controls_common.h"

namespace winplat::controls::treeview {

struct Node {
  std::u16string text;
  int image = 0;
  int selectedImage = 0;
  LPARAM param = 0;
  UINT state = 0;
  int children = 0;  // cChildren: whether to show a button before any child is inserted
  Node *parent = nullptr;
  std::vector<Node *> kids;
};

struct State {
  std::vector<Node *> roots;
  std::map<HTREEITEM, std::unique_ptr<Node>> nodes;  // every live node by its handle
  Node *caret = nullptr;
  bool ansiNotifications = false;  // the parent answered WM_NOTIFYFORMAT with NFR_ANSI
};

State &StateOf(HWND tree);
HTREEITEM HandleOf(const Node *node);
// The node behind a handle of this tree, or nullptr.
Node *NodeOf(HWND tree, HTREEITEM item);

// The nodes shown, top to bottom: the roots and the children of expanded nodes.
std::vector<Node *> VisibleNodes(HWND tree);
int Depth(const Node *node);
bool HasButton(const Node *node);

// Pixel geometry.
constexpr int kIndent = 19;
constexpr int kButton = 9;
int RowHeight(HWND tree);
// The left edge of a node's button column: one indent per level, plus one with TVS_LINESATROOT.
int LevelLeft(HWND tree, const Node *node);

// Selection and expansion, as the keyboard, the mouse and TVM_SELECTITEM / TVM_EXPAND do them.
bool Select(HWND tree, Node *node, UINT action);
bool Expand(HWND tree, Node *node, UINT code);

LRESULT HandleInput(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled);
void Paint(HWND tree);

}  // namespace winplat::controls::treeview
