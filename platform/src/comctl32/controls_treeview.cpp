// The tree view's nodes, their insertion, deletion, reading and navigation, and its window
// procedure.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>

#include "controls_treeview.h"
#include "winplat/text.h"

namespace winplat::controls::treeview {

State &StateOf(HWND tree) {
  return controls::StateOf<State>(tree);
}

HTREEITEM HandleOf(const Node *node) {
  return reinterpret_cast<HTREEITEM>(const_cast<Node *>(node));
}

Node *NodeOf(HWND tree, HTREEITEM item) {
  const State &state = StateOf(tree);
  const auto found = state.nodes.find(item);
  return found != state.nodes.end() ? found->second.get() : nullptr;
}

std::vector<Node *> VisibleNodes(HWND tree) {
  std::vector<Node *> shown;
  std::vector<Node *> pending(StateOf(tree).roots.rbegin(), StateOf(tree).roots.rend());
  while (!pending.empty()) {
    Node *node = pending.back();
    pending.pop_back();
    shown.push_back(node);
    if ((node->state & TVIS_EXPANDED) != 0)
      pending.insert(pending.end(), node->kids.rbegin(), node->kids.rend());
  }
  return shown;
}

int Depth(const Node *node) {
  int depth = 0;
  for (const Node *up = node->parent; up != nullptr; up = up->parent)
    ++depth;
  return depth;
}

bool HasButton(const Node *node) {
  return !node->kids.empty() || node->children != 0;
}

namespace {

std::vector<Node *> &SiblingsOf(State &state, Node *parent) {
  return parent != nullptr ? parent->kids : state.roots;
}

template <typename TreeItem>
void NotifyTree(HWND tree, UINT code, UINT action, const Node *oldNode, const Node *newNode,
                LRESULT &answer) {
  TreeItem info{};
  info.action = action;
  auto describe = [](auto &item, const Node *node) {
    if (node == nullptr)
      return;
    item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    item.hItem = HandleOf(node);
    item.state = node->state;
    item.lParam = node->param;
  };
  describe(info.itemOld, oldNode);
  describe(info.itemNew, newNode);
  info.hdr.hwndFrom = tree;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tree));
  info.hdr.code = code;
  const HWND parent = GetParent(tree);
  answer = parent != nullptr
               ? SendMessageW(parent, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info))
               : 0;
}

// An NMTREEVIEW notification, its code chosen by the parent's text format; the answer.
LRESULT Notify(HWND tree, UINT ansiCode, UINT wideCode, UINT action, const Node *oldNode,
               const Node *newNode) {
  LRESULT answer = 0;
  if (StateOf(tree).ansiNotifications)
    NotifyTree<NMTREEVIEWA>(tree, ansiCode, action, oldNode, newNode, answer);
  else
    NotifyTree<NMTREEVIEWW>(tree, wideCode, action, oldNode, newNode, answer);
  return answer;
}

std::u16string TextArgument(LPCWSTR text) {
  return text != nullptr && text != LPSTR_TEXTCALLBACKW ? std::u16string(text) : std::u16string();
}

std::u16string TextArgument(LPCSTR text) {
  return text != nullptr && text != LPSTR_TEXTCALLBACKA ? WideFromMultiByte(CP_ACP, text)
                                                        : std::u16string();
}

template <typename Item>
void Apply(Node &node, const Item &item) {
  if ((item.mask & TVIF_TEXT) != 0)
    node.text = TextArgument(item.pszText);
  if ((item.mask & TVIF_IMAGE) != 0)
    node.image = item.iImage;
  if ((item.mask & TVIF_SELECTEDIMAGE) != 0)
    node.selectedImage = item.iSelectedImage;
  if ((item.mask & TVIF_PARAM) != 0)
    node.param = item.lParam;
  if ((item.mask & TVIF_STATE) != 0)
    node.state = (node.state & ~item.stateMask) | (item.state & item.stateMask);
  if ((item.mask & TVIF_CHILDREN) != 0)
    node.children = item.cChildren;
}

// Where among its siblings a node goes: first, last, sorted by text, or after a sibling.
size_t InsertPosition(const std::vector<Node *> &siblings, HTREEITEM after, const Node &node) {
  if (after == TVI_FIRST)
    return 0;
  if (after == TVI_SORT) {
    const auto found = std::find_if(siblings.begin(), siblings.end(), [&](const Node *other) {
      return lstrcmpiW(node.text.c_str(), other->text.c_str()) < 0;
    });
    return static_cast<size_t>(found - siblings.begin());
  }
  const auto found = std::find(siblings.begin(), siblings.end(), reinterpret_cast<Node *>(after));
  return found != siblings.end() ? static_cast<size_t>(found - siblings.begin()) + 1
                                 : siblings.size();
}

template <typename Insert>
LRESULT InsertItem(HWND tree, const Insert *insert) {
  State &state = StateOf(tree);
  if (insert == nullptr)
    return 0;
  Node *parent = nullptr;
  if (insert->hParent != nullptr && insert->hParent != TVI_ROOT) {
    parent = NodeOf(tree, insert->hParent);
    if (parent == nullptr)
      return 0;
  }
  auto node = std::make_unique<Node>();
  Apply(*node, insert->item);
  node->parent = parent;
  std::vector<Node *> &siblings = SiblingsOf(state, parent);
  const size_t at = InsertPosition(siblings, insert->hInsertAfter, *node);
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), node.get());
  const HTREEITEM handle = HandleOf(node.get());
  state.nodes.emplace(handle, std::move(node));
  InvalidateRect(tree, nullptr, TRUE);
  return reinterpret_cast<LRESULT>(handle);
}

// Children first, each with TVN_DELETEITEM; the caret goes with its node.
void DeleteNode(HWND tree, Node *node) {
  State &state = StateOf(tree);
  while (!node->kids.empty())
    DeleteNode(tree, node->kids.back());
  Notify(tree, TVN_DELETEITEMA, TVN_DELETEITEMW, 0, node, nullptr);
  std::vector<Node *> &siblings = SiblingsOf(state, node->parent);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
  if (state.caret == node)
    state.caret = nullptr;
  state.nodes.erase(HandleOf(node));
}

LRESULT DeleteItem(HWND tree, HTREEITEM item) {
  State &state = StateOf(tree);
  if (item == nullptr || item == TVI_ROOT) {
    while (!state.roots.empty())
      DeleteNode(tree, state.roots.back());
  } else {
    Node *node = NodeOf(tree, item);
    if (node == nullptr)
      return FALSE;
    DeleteNode(tree, node);
  }
  InvalidateRect(tree, nullptr, TRUE);
  return TRUE;
}

template <typename Item>
LRESULT GetItem(HWND tree, Item *item) {
  const Node *node = item != nullptr ? NodeOf(tree, item->hItem) : nullptr;
  if (node == nullptr)
    return FALSE;
  if ((item->mask & TVIF_TEXT) != 0)
    CopyOut(node->text, item->pszText, item->cchTextMax);
  if ((item->mask & TVIF_IMAGE) != 0)
    item->iImage = node->image;
  if ((item->mask & TVIF_SELECTEDIMAGE) != 0)
    item->iSelectedImage = node->selectedImage;
  if ((item->mask & TVIF_PARAM) != 0)
    item->lParam = node->param;
  if ((item->mask & TVIF_STATE) != 0)
    item->state = node->state & item->stateMask;
  if ((item->mask & TVIF_CHILDREN) != 0)
    item->cChildren = node->kids.empty() ? node->children : 1;
  return TRUE;
}

template <typename Item>
LRESULT SetItem(HWND tree, const Item *item) {
  Node *node = item != nullptr ? NodeOf(tree, item->hItem) : nullptr;
  if (node == nullptr)
    return FALSE;
  Apply(*node, *item);
  InvalidateRect(tree, nullptr, TRUE);
  return TRUE;
}

Node *Sibling(State &state, Node *node, int step) {
  const std::vector<Node *> &siblings = SiblingsOf(state, node->parent);
  const auto at = std::find(siblings.begin(), siblings.end(), node) - siblings.begin() + step;
  return at >= 0 && at < static_cast<std::ptrdiff_t>(siblings.size())
             ? siblings[static_cast<size_t>(at)]
             : nullptr;
}

Node *NextVisible(HWND tree, Node *node, int step) {
  const std::vector<Node *> shown = VisibleNodes(tree);
  const auto at = std::find(shown.begin(), shown.end(), node) - shown.begin();
  if (at == static_cast<std::ptrdiff_t>(shown.size()))
    return nullptr;
  const std::ptrdiff_t next = at + step;
  return next >= 0 && next < static_cast<std::ptrdiff_t>(shown.size())
             ? shown[static_cast<size_t>(next)]
             : nullptr;
}

LRESULT NextItem(HWND tree, WPARAM code, HTREEITEM item) {
  State &state = StateOf(tree);
  Node *node = NodeOf(tree, item);
  Node *found = nullptr;
  switch (code) {
    case TVGN_ROOT:
    case TVGN_FIRSTVISIBLE:
      found = state.roots.empty() ? nullptr : state.roots.front();
      break;
    case TVGN_CARET:
      found = state.caret;
      break;
    case TVGN_LASTVISIBLE: {
      const std::vector<Node *> shown = VisibleNodes(tree);
      found = shown.empty() ? nullptr : shown.back();
      break;
    }
    case TVGN_CHILD:
      if (item == nullptr || item == TVI_ROOT)
        found = state.roots.empty() ? nullptr : state.roots.front();
      else if (node != nullptr && !node->kids.empty())
        found = node->kids.front();
      break;
    case TVGN_NEXT:
    case TVGN_PREVIOUS:
      found = node != nullptr ? Sibling(state, node, code == TVGN_NEXT ? 1 : -1) : nullptr;
      break;
    case TVGN_PARENT:
      found = node != nullptr ? node->parent : nullptr;
      break;
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE:
      found =
          node != nullptr ? NextVisible(tree, node, code == TVGN_NEXTVISIBLE ? 1 : -1) : nullptr;
      break;
    default:
      break;
  }
  return reinterpret_cast<LRESULT>(found != nullptr ? HandleOf(found) : nullptr);
}

LRESULT TreeMessage(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  handled = true;
  const auto item = reinterpret_cast<HTREEITEM>(lParam);
  switch (msg) {
    case TVM_INSERTITEMA:
      return InsertItem(tree, reinterpret_cast<const TVINSERTSTRUCTA *>(lParam));
    case TVM_INSERTITEMW:
      return InsertItem(tree, reinterpret_cast<const TVINSERTSTRUCTW *>(lParam));
    case TVM_DELETEITEM:
      return DeleteItem(tree, item);
    case TVM_EXPAND: {
      Node *node = NodeOf(tree, item);
      return node != nullptr && Expand(tree, node, static_cast<UINT>(wParam));
    }
    case TVM_GETCOUNT:
      return static_cast<LRESULT>(StateOf(tree).nodes.size());
    case TVM_GETNEXTITEM:
      return NextItem(tree, wParam, item);
    case TVM_SELECTITEM:
      if (wParam != TVGN_CARET)
        return FALSE;
      return Select(tree, NodeOf(tree, item), TVC_UNKNOWN) ? TRUE : FALSE;
    case TVM_GETITEMA:
      return GetItem(tree, reinterpret_cast<TVITEMA *>(lParam));
    case TVM_GETITEMW:
      return GetItem(tree, reinterpret_cast<TVITEMW *>(lParam));
    case TVM_SETITEMA:
      return SetItem(tree, reinterpret_cast<const TVITEMA *>(lParam));
    case TVM_SETITEMW:
      return SetItem(tree, reinterpret_cast<const TVITEMW *>(lParam));
    default:
      handled = false;
      return 0;
  }
}

}  // namespace

// TVN_SELCHANGING may refuse; the parents of the new caret are expanded so that it shows.
bool Select(HWND tree, Node *node, UINT action) {
  State &state = StateOf(tree);
  Node *old = state.caret;
  if (node == old)
    return true;
  if (Notify(tree, TVN_SELCHANGINGA, TVN_SELCHANGINGW, action, old, node) != FALSE)
    return false;
  if (old != nullptr)
    old->state &= ~TVIS_SELECTED;
  state.caret = node;
  if (node != nullptr) {
    node->state |= TVIS_SELECTED;
    for (Node *up = node->parent; up != nullptr; up = up->parent)
      up->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  }
  Notify(tree, TVN_SELCHANGEDA, TVN_SELCHANGEDW, action, old, node);
  InvalidateRect(tree, nullptr, TRUE);
  return true;
}

// Only a node with children expands or collapses; TVN_ITEMEXPANDING may refuse.
bool Expand(HWND tree, Node *node, UINT code) {
  const bool expanded = (node->state & TVIS_EXPANDED) != 0;
  bool expand = expanded;
  switch (code & 0x3) {
    case TVE_EXPAND:
      expand = true;
      break;
    case TVE_COLLAPSE:
      expand = false;
      break;
    case TVE_TOGGLE:
      expand = !expanded;
      break;
    default:
      return false;
  }
  if (node->kids.empty() || expand == expanded)
    return false;
  const UINT direction = expand ? TVE_EXPAND : TVE_COLLAPSE;
  if (Notify(tree, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDINGW, direction, nullptr, node) != FALSE)
    return false;
  if (expand)
    node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  else
    node->state &= ~TVIS_EXPANDED;
  Notify(tree, TVN_ITEMEXPANDEDA, TVN_ITEMEXPANDEDW, direction, nullptr, node);
  InvalidateRect(tree, nullptr, TRUE);
  return true;
}

LRESULT CALLBACK TreeViewProc(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(tree, msg, wParam, lParam, result))
    return result;
  bool handled = false;
  for (auto handler : {TreeMessage, HandleInput}) {
    result = handler(tree, msg, wParam, lParam, handled);
    if (handled)
      return result;
  }
  switch (msg) {
    case WM_CREATE: {
      const HWND parent = GetParent(tree);
      StateOf(tree).ansiNotifications =
          parent != nullptr && SendMessageW(parent, WM_NOTIFYFORMAT, reinterpret_cast<WPARAM>(tree),
                                            NF_QUERY) == NFR_ANSI;
      return 0;
    }
    case WM_DESTROY:
      DeleteItem(tree, TVI_ROOT);
      return 0;
    default:
      return CommonControlMessage(tree, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls::treeview
