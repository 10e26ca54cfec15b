// The tree view's keyboard and mouse handling and its painting: one row per shown node,
// indented by its level, with a +/- button before nodes that have children.
#include <algorithm>

#include "controls_treeview.h"

namespace winplat::controls::treeview {

namespace {

DWORD StyleOf(HWND tree) {
  return static_cast<DWORD>(GetWindowLongPtrW(tree, GWL_STYLE));
}

Node *RowNode(HWND tree, int y) {
  if (y < 0)
    return nullptr;
  const std::vector<Node *> shown = VisibleNodes(tree);
  const size_t row = static_cast<size_t>(y / RowHeight(tree));
  return row < shown.size() ? shown[row] : nullptr;
}

void Notify(HWND tree, UINT code) {
  NMHDR header{tree, static_cast<UINT_PTR>(GetDlgCtrlID(tree)), code};
  const HWND parent = GetParent(tree);
  if (parent != nullptr)
    SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// Up and Down walk the shown nodes; Right expands or enters, Left collapses or climbs.
void KeyDown(HWND tree, WPARAM key) {
  Node *caret = StateOf(tree).caret;
  const std::vector<Node *> shown = VisibleNodes(tree);
  if (shown.empty())
    return;
  if (caret == nullptr) {
    Select(tree, shown.front(), TVC_BYKEYBOARD);
    return;
  }
  const auto at = std::find(shown.begin(), shown.end(), caret) - shown.begin();
  const auto last = static_cast<std::ptrdiff_t>(shown.size()) - 1;
  switch (key) {
    case VK_DOWN:
      Select(tree, shown[static_cast<size_t>(std::min(at + 1, last))], TVC_BYKEYBOARD);
      break;
    case VK_UP:
      Select(tree, shown[static_cast<size_t>(std::max<std::ptrdiff_t>(at - 1, 0))], TVC_BYKEYBOARD);
      break;
    case VK_HOME:
      Select(tree, shown.front(), TVC_BYKEYBOARD);
      break;
    case VK_END:
      Select(tree, shown.back(), TVC_BYKEYBOARD);
      break;
    case VK_RIGHT:
      if ((caret->state & TVIS_EXPANDED) == 0)
        Expand(tree, caret, TVE_EXPAND);
      else if (!caret->kids.empty())
        Select(tree, caret->kids.front(), TVC_BYKEYBOARD);
      break;
    case VK_LEFT:
      if ((caret->state & TVIS_EXPANDED) != 0)
        Expand(tree, caret, TVE_COLLAPSE);
      else if (caret->parent != nullptr)
        Select(tree, caret->parent, TVC_BYKEYBOARD);
      break;
    default:
      break;
  }
}

// A click on a button toggles the node; elsewhere on a row it selects the node.
void Click(HWND tree, LPARAM lParam, bool twice) {
  if (GetFocus() != tree)
    SetFocus(tree);
  const int x = static_cast<SHORT>(LOWORD(lParam));
  Node *node = RowNode(tree, static_cast<SHORT>(HIWORD(lParam)));
  if (node != nullptr) {
    const int left = LevelLeft(tree, node);
    const bool onButton = HasButton(node) && x >= left && x < left + kIndent;
    if (onButton || twice)
      Expand(tree, node, TVE_TOGGLE);
    if (!onButton)
      Select(tree, node, TVC_BYMOUSE);
  }
  Notify(tree, twice ? NM_DBLCLK : NM_CLICK);
}

void PaintButton(HDC dc, int left, int top, int height, bool expanded) {
  const int x = left + (kIndent - kButton) / 2;
  const int y = top + (height - kButton) / 2;
  FillColor(dc, RECT{x, y, x + kButton, y + kButton}, COLOR_BTNSHADOW);
  FillColor(dc, RECT{x + 1, y + 1, x + kButton - 1, y + kButton - 1}, COLOR_WINDOW);
  FillColor(dc, RECT{x + 2, y + 4, x + kButton - 2, y + 5}, COLOR_WINDOWTEXT);
  if (!expanded)
    FillColor(dc, RECT{x + 4, y + 2, x + 5, y + kButton - 2}, COLOR_WINDOWTEXT);
}

}  // namespace

int RowHeight(HWND tree) {
  return LineHeight(tree) + 2;
}

int LevelLeft(HWND tree, const Node *node) {
  const bool atRoot = (StyleOf(tree) & TVS_LINESATROOT) != 0;
  return (Depth(node) + (atRoot ? 1 : 0) - 1) * kIndent;
}

LRESULT HandleInput(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  handled = true;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      KeyDown(tree, wParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Click(tree, lParam, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(tree, nullptr, TRUE);
      Notify(tree, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
      return 0;
    default:
      handled = false;
      return 0;
  }
}

void Paint(HWND tree) {
  const PaintScope paint(tree);
  if (paint.dc() == nullptr)
    return;
  const HDC dc = paint.dc();
  FillColor(dc, paint.client(), COLOR_WINDOW);
  const bool focused = GetFocus() == tree;
  const bool buttons = (StyleOf(tree) & TVS_HASBUTTONS) != 0;
  const int height = RowHeight(tree);
  int top = 0;
  for (const Node *node : VisibleNodes(tree)) {
    if (top >= paint.client().bottom)
      break;
    const int left = LevelLeft(tree, node);
    if (buttons && HasButton(node) && left >= 0)
      PaintButton(dc, left, top, height, (node->state & TVIS_EXPANDED) != 0);
    SIZE size{};
    GetTextExtentPoint32W(dc, node->text.c_str(), static_cast<int>(node->text.size()), &size);
    RECT label{left + kIndent, top, left + kIndent + size.cx + 4, top + height};
    const bool selected =
        (node->state & TVIS_SELECTED) != 0 && (focused || (StyleOf(tree) & TVS_SHOWSELALWAYS) != 0);
    if (selected)
      FillColor(dc, label, focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    SetTextColor(dc, GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text{label.left + 2, label.top, label.right, label.bottom};
    DrawTextW(dc, node->text.c_str(), static_cast<int>(node->text.size()), &text,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    if (selected && focused)
      DrawFocusRect(dc, &label);
    top += height;
  }
}

}  // namespace winplat::controls::treeview
