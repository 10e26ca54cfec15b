// The list box: one column or several (LBS_MULTICOLUMN), single or multiple selection, plain
// or owner-drawn with a fixed item height.
#include <algorithm>

#include "controls_listbox.h"

namespace {

using namespace winplat::controls;
using lists::Items;

struct ListBoxState {
  Items items;
  int current = -1;  // the selected item of a single-selection list box
  int caret = -1;    // the item with the focus rectangle
  int top = 0;
  int itemHeight = 0;
  int columnWidth = 0;
  int horizontalExtent = 0;
};

ListBoxState &ListOf(HWND list) {
  return winplat::controls::StateOf<ListBoxState>(list);
}

DWORD StyleOf(HWND list) {
  return static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
}

bool IsOwnerDrawn(HWND list) {
  return (StyleOf(list) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsMultiple(HWND list) {
  return (StyleOf(list) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

bool IsMultiColumn(HWND list) {
  return (StyleOf(list) & LBS_MULTICOLUMN) != 0;
}

bool IsSelected(HWND list, int index) {
  const ListBoxState &state = ListOf(list);
  if (IsMultiple(list))
    return state.items.entries[static_cast<size_t>(index)].selected;
  return index == state.current;
}

// Items per column: as many as fit in the client area, at least one.
int RowsPerColumn(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  return std::max(1, static_cast<int>(client.bottom) / std::max(1, ListOf(list).itemHeight));
}

RECT ItemRect(HWND list, int index) {
  const ListBoxState &state = ListOf(list);
  RECT client{};
  GetClientRect(list, &client);
  const int height = state.itemHeight;
  if (IsMultiColumn(list)) {
    const int rows = RowsPerColumn(list);
    const int column = index / rows - state.top / rows;
    const int left = column * state.columnWidth;
    const int top = (index % rows) * height;
    return RECT{left, top, left + state.columnWidth, top + height};
  }
  const bool scrolls = (StyleOf(list) & WS_HSCROLL) != 0;
  const int right = scrolls ? std::max<int>(client.right, state.horizontalExtent) : client.right;
  const int top = (index - state.top) * height;
  return RECT{0, top, right, top + height};
}

int ItemAt(HWND list, POINT point) {
  const int count = static_cast<int>(ListOf(list).items.entries.size());
  for (int i = ListOf(list).top; i < count; ++i) {
    const RECT rect = ItemRect(list, i);
    if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
        point.y < rect.bottom)
      return i;
  }
  return -1;
}

void Notify(HWND list, WORD code) {
  if ((StyleOf(list) & LBS_NOTIFY) != 0)
    winplat::user::NotifyParent(list, code);
}

LRESULT SetCurrent(HWND list, WPARAM index) {
  ListBoxState &state = ListOf(list);
  if (IsMultiple(list))
    return LB_ERR;
  const bool valid = state.items.Valid(index);
  state.current = valid ? static_cast<int>(index) : -1;
  if (valid)
    state.caret = state.current;
  InvalidateRect(list, nullptr, TRUE);
  return valid ? static_cast<LRESULT>(index) : LB_ERR;
}

LRESULT SetSelection(HWND list, bool select, LPARAM index) {
  ListBoxState &state = ListOf(list);
  if (!IsMultiple(list))
    return LB_ERR;
  if (index == -1) {
    for (lists::Entry &entry : state.items.entries)
      entry.selected = select;
  } else if (state.items.Valid(static_cast<WPARAM>(index))) {
    state.items.entries[static_cast<size_t>(index)].selected = select;
  } else {
    return LB_ERR;
  }
  InvalidateRect(list, nullptr, TRUE);
  return LB_OKAY;
}

// The current and caret items keep their items when one is inserted before them.
LRESULT Inserted(HWND list, int index) {
  ListBoxState &state = ListOf(list);
  if (index < 0)
    return LB_ERR;
  for (int *position : {&state.current, &state.caret}) {
    if (*position >= index)
      ++*position;
  }
  InvalidateRect(list, nullptr, TRUE);
  return index;
}

void DeleteAt(HWND list, size_t index) {
  ListBoxState &state = ListOf(list);
  const ULONG_PTR data = state.items.entries[index].data;
  state.items.entries.erase(state.items.entries.begin() + static_cast<std::ptrdiff_t>(index));
  const int deleted = static_cast<int>(index);
  for (int *position : {&state.current, &state.caret}) {
    if (*position == deleted)
      *position = -1;
    else if (*position > deleted)
      --*position;
  }
  state.top = std::clamp(state.top, 0, std::max<int>(0, state.items.entries.size() - 1));
  lists::NoteDeleted(list, ODT_LISTBOX, IsOwnerDrawn(list), static_cast<UINT>(index), data);
}

void ResetContent(HWND list) {
  ListBoxState &state = ListOf(list);
  while (!state.items.entries.empty())
    DeleteAt(list, state.items.entries.size() - 1);
  state.current = state.caret = -1;
  state.top = 0;
}

LRESULT GetItemRect(HWND list, WPARAM index, LPARAM lParam) {
  auto *rect = reinterpret_cast<RECT *>(lParam);
  if (rect == nullptr || !ListOf(list).items.Valid(index))
    return LB_ERR;
  *rect = ItemRect(list, static_cast<int>(index));
  return LB_OKAY;
}

using Query = lists::Items::Query;
const lists::QueryMessage kItemQueries[] = {
    {LB_GETCOUNT, Query::Count},
    {LB_GETTEXT, Query::Text},
    {LB_GETTEXTLEN, Query::TextLength},
    {LB_FINDSTRING, Query::Find},
    {LB_FINDSTRINGEXACT, Query::FindExact},
    {LB_GETITEMDATA, Query::GetData},
    {LB_SETITEMDATA, Query::SetData},
};

LRESULT ItemMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  ListBoxState &state = ListOf(list);
  handled = true;
  switch (msg) {
    case LB_ADDSTRING:
      return Inserted(list, state.items.Add(lParam));
    case LB_INSERTSTRING:
      return Inserted(list, state.items.Insert(static_cast<int>(wParam), lParam));
    case LB_DELETESTRING:
      if (!state.items.Valid(wParam))
        return LB_ERR;
      DeleteAt(list, wParam);
      InvalidateRect(list, nullptr, TRUE);
      return static_cast<LRESULT>(state.items.entries.size());
    case LB_RESETCONTENT:
      ResetContent(list);
      InvalidateRect(list, nullptr, TRUE);
      return 0;
    default:
      if (const lists::Items::Query *query = lists::QueryOf(kItemQueries, msg))
        return state.items.Answer(*query, wParam, lParam);
      handled = false;
      return 0;
  }
}

LRESULT SelectionMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  ListBoxState &state = ListOf(list);
  handled = true;
  switch (msg) {
    case LB_SETCURSEL:
      return SetCurrent(list, wParam);
    case LB_GETCURSEL:
      return IsMultiple(list) ? state.caret : state.current;
    case LB_SETSEL:
      return SetSelection(list, wParam != FALSE, lParam);
    case LB_GETSEL:
      return state.items.Valid(wParam) ? (IsSelected(list, static_cast<int>(wParam)) ? 1 : 0)
                                       : LB_ERR;
    case LB_GETSELCOUNT:
      if (!IsMultiple(list))
        return LB_ERR;
      return std::count_if(state.items.entries.begin(), state.items.entries.end(),
                           [](const lists::Entry &entry) { return entry.selected; });
    case LB_SETCARETINDEX:
      if (!state.items.Valid(wParam))
        return LB_ERR;
      state.caret = static_cast<int>(wParam);
      InvalidateRect(list, nullptr, TRUE);
      return LB_OKAY;
    case LB_GETCARETINDEX:
      return state.caret;
    default:
      handled = false;
      return 0;
  }
}

LRESULT GeometryMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  ListBoxState &state = ListOf(list);
  handled = true;
  switch (msg) {
    case LB_SETITEMHEIGHT:
      if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255)
        return LB_ERR;
      state.itemHeight = LOWORD(lParam);
      InvalidateRect(list, nullptr, TRUE);
      return LB_OKAY;
    case LB_GETITEMHEIGHT:
      return state.itemHeight;
    case LB_GETITEMRECT:
      return GetItemRect(list, wParam, lParam);
    case LB_SETCOLUMNWIDTH:
      state.columnWidth = static_cast<int>(wParam);
      InvalidateRect(list, nullptr, TRUE);
      return 0;
    case LB_SETHORIZONTALEXTENT:
      state.horizontalExtent = static_cast<int>(wParam);
      InvalidateRect(list, nullptr, TRUE);
      return 0;
    case LB_GETHORIZONTALEXTENT:
      return state.horizontalExtent;
    case LB_GETTOPINDEX:
      return state.top;
    case LB_SETTOPINDEX:
      if (!state.items.Valid(wParam))
        return LB_ERR;
      state.top = static_cast<int>(wParam);
      InvalidateRect(list, nullptr, TRUE);
      return LB_OKAY;
    default:
      handled = false;
      return 0;
  }
}

// The item a navigation key moves the caret to; -1 for other keys. In several columns Left and
// Right move by a column.
int KeyTarget(HWND list, WPARAM key) {
  const ListBoxState &state = ListOf(list);
  const int count = static_cast<int>(state.items.entries.size());
  if (count == 0)
    return -1;
  const int from = std::max(state.caret, 0);
  const int sideways = IsMultiColumn(list) ? RowsPerColumn(list) : 1;
  switch (key) {
    case VK_UP:
      return state.caret < 0 ? 0 : std::max(from - 1, 0);
    case VK_DOWN:
      return state.caret < 0 ? 0 : std::min(from + 1, count - 1);
    case VK_LEFT:
      return state.caret < 0 ? 0 : std::max(from - sideways, 0);
    case VK_RIGHT:
      return state.caret < 0 ? 0 : std::min(from + sideways, count - 1);
    case VK_HOME:
      return 0;
    case VK_END:
      return count - 1;
    default:
      return -1;
  }
}

// A click or a key chose an item: select it (toggle it in a multiple-selection list box).
void Choose(HWND list, int index, bool toggle) {
  ListBoxState &state = ListOf(list);
  if (index < 0)
    return;
  state.caret = index;
  if (IsMultiple(list)) {
    if (toggle)
      state.items.entries[static_cast<size_t>(index)].selected ^= true;
  } else {
    state.current = index;
  }
  InvalidateRect(list, nullptr, TRUE);
  Notify(list, LBN_SELCHANGE);
}

LRESULT InputMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  handled = true;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      Choose(list, KeyTarget(list, wParam), false);
      return 0;
    case WM_LBUTTONDOWN: {
      if (GetFocus() != list)
        SetFocus(list);
      const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
      Choose(list, ItemAt(list, point), true);
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      Notify(list, LBN_DBLCLK);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(list, nullptr, TRUE);
      Notify(list, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
      return 0;
    default:
      handled = false;
      return 0;
  }
}

void Paint(HWND list) {
  const PaintScope paint(list);
  if (paint.dc() == nullptr)
    return;
  const ListBoxState &state = ListOf(list);
  FillColor(paint.dc(), paint.client(), COLOR_WINDOW);
  const bool focused = GetFocus() == list;
  const int count = static_cast<int>(state.items.entries.size());
  if (count == 0 && focused && IsOwnerDrawn(list)) {
    lists::DrawItem(list, ODT_LISTBOX, paint.dc(), static_cast<UINT>(-1), ODA_FOCUS, ODS_FOCUS,
                    ItemRect(list, 0), 0);
    return;
  }
  for (int i = state.top; i < count; ++i) {
    const RECT rect = ItemRect(list, i);
    if (rect.left >= paint.client().right || rect.top >= paint.client().bottom) {
      if (!IsMultiColumn(list) || rect.left >= paint.client().right)
        break;
      continue;
    }
    const bool selected = IsSelected(list, i);
    const bool hasFocus = focused && i == state.caret;
    const lists::Entry &entry = state.items.entries[static_cast<size_t>(i)];
    if (IsOwnerDrawn(list)) {
      const UINT itemState = (selected ? ODS_SELECTED : 0) | (hasFocus ? ODS_FOCUS : 0);
      lists::DrawItem(list, ODT_LISTBOX, paint.dc(), static_cast<UINT>(i), ODA_DRAWENTIRE,
                      itemState, rect, entry.data);
    } else {
      lists::PaintPlainItem(paint.dc(), rect, entry.text, selected, hasFocus);
    }
  }
}

// Without LBS_NOINTEGRALHEIGHT the list box shows whole items only: it is made shorter to a
// multiple of the item height.
void FitIntegralHeight(HWND list) {
  const int height = ListOf(list).itemHeight;
  RECT client{}, window{};
  GetClientRect(list, &client);
  if ((StyleOf(list) & LBS_NOINTEGRALHEIGHT) != 0 || height <= 0 || client.bottom <= height)
    return;
  GetWindowRect(list, &window);
  SetWindowPos(list, nullptr, 0, 0, window.right - window.left,
               window.bottom - window.top - client.bottom % height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The item height: the font's, or the owner's answer for an owner-drawn list box. Multiple
// columns are 15 average characters of the dialog font wide until LB_SETCOLUMNWIDTH says.
void Create(HWND list) {
  ListBoxState &state = ListOf(list);
  const DWORD style = StyleOf(list);
  state.items.hasStrings =
      lists::HasStrings(style, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS);
  state.items.sorted = (style & LBS_SORT) != 0;
  state.itemHeight = LineHeight(list);
  if (IsOwnerDrawn(list))
    state.itemHeight = lists::MeasureItem(list, ODT_LISTBOX, 0, state.itemHeight, 0);
  state.columnWidth = 15 * LOWORD(GetDialogBaseUnits());
  FitIntegralHeight(list);
}

}  // namespace

namespace winplat::controls {

LRESULT CALLBACK ListBoxProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(list, msg, wParam, lParam, result)) {
    if (msg == WM_SETFONT && !IsOwnerDrawn(list)) {
      ListOf(list).itemHeight = LineHeight(list);
      FitIntegralHeight(list);
    }
    return result;
  }
  bool handled = false;
  for (auto handler : {ItemMessage, SelectionMessage, GeometryMessage, InputMessage}) {
    result = handler(list, msg, wParam, lParam, handled);
    if (handled)
      return result;
  }
  switch (msg) {
    case WM_CREATE:
      Create(list);
      return 0;
    case WM_DESTROY:
      ResetContent(list);
      return 0;
    default:
      return CommonControlMessage(list, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls
