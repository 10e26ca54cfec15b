// The combo box as a drop-down list (CBS_DROPDOWNLIST): a selection field showing the selected
// item, plain or owner-drawn, and a drop-down button. The dropped list is not drawn: choosing is
// done with the keys (or messages), which send CBN_SELCHANGE as a choice in the list would.
#include <algorithm>

#include "controls_listbox.h"

namespace {

using namespace winplat::controls;
using lists::Items;

struct ComboBoxState {
  Items items;
  int current = -1;
  int fieldHeight = 0;  // the selection field, without the control's 3-pixel frame
  int itemHeight = 0;   // the items of the list
  bool dropped = false;
};

constexpr int kFrame = 3;

ComboBoxState &ComboOf(HWND combo) {
  return winplat::controls::StateOf<ComboBoxState>(combo);
}

DWORD StyleOf(HWND combo) {
  return static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE));
}

bool IsOwnerDrawn(HWND combo) {
  return (StyleOf(combo) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

// The control is as high as its selection field and frame; the dropped list hangs below it.
void FitHeight(HWND combo) {
  RECT rect{};
  GetWindowRect(combo, &rect);
  SetWindowPos(combo, nullptr, 0, 0, rect.right - rect.left,
               ComboOf(combo).fieldHeight + 2 * kFrame, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Select(HWND combo, int index, bool notify) {
  ComboBoxState &state = ComboOf(combo);
  if (index < 0 || index == state.current)
    return;
  state.current = index;
  InvalidateRect(combo, nullptr, TRUE);
  if (notify)
    winplat::user::NotifyParent(combo, CBN_SELCHANGE);
}

void ShowList(HWND combo, bool show) {
  ComboBoxState &state = ComboOf(combo);
  if (state.dropped == show)
    return;
  if (show)
    winplat::user::NotifyParent(combo, CBN_DROPDOWN);
  state.dropped = show;
  if (!show)
    winplat::user::NotifyParent(combo, CBN_CLOSEUP);
}

void DeleteAt(HWND combo, size_t index) {
  ComboBoxState &state = ComboOf(combo);
  const ULONG_PTR data = state.items.entries[index].data;
  state.items.entries.erase(state.items.entries.begin() + static_cast<std::ptrdiff_t>(index));
  if (state.current == static_cast<int>(index))
    state.current = -1;
  else if (state.current > static_cast<int>(index))
    --state.current;
  lists::NoteDeleted(combo, ODT_COMBOBOX, IsOwnerDrawn(combo), static_cast<UINT>(index), data);
}

LRESULT Inserted(HWND combo, int index) {
  ComboBoxState &state = ComboOf(combo);
  if (index < 0)
    return CB_ERR;
  if (state.current >= index)
    ++state.current;
  InvalidateRect(combo, nullptr, TRUE);
  return index;
}

LRESULT SetItemHeight(HWND combo, WPARAM which, LPARAM height) {
  ComboBoxState &state = ComboOf(combo);
  if (height <= 0 || height > 255)
    return CB_ERR;
  if (static_cast<int>(which) == -1) {
    state.fieldHeight = static_cast<int>(height);
    FitHeight(combo);
  } else {
    state.itemHeight = static_cast<int>(height);
  }
  InvalidateRect(combo, nullptr, TRUE);
  return 0;
}

using Query = lists::Items::Query;
const lists::QueryMessage kItemQueries[] = {
    {CB_GETCOUNT, Query::Count},
    {CB_GETLBTEXT, Query::Text},
    {CB_GETLBTEXTLEN, Query::TextLength},
    {CB_FINDSTRING, Query::Find},
    {CB_FINDSTRINGEXACT, Query::FindExact},
    {CB_GETITEMDATA, Query::GetData},
};

LRESULT ItemMessage(HWND combo, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  ComboBoxState &state = ComboOf(combo);
  handled = true;
  switch (msg) {
    case CB_ADDSTRING:
      return Inserted(combo, state.items.Add(lParam));
    case CB_INSERTSTRING:
      return Inserted(combo, state.items.Insert(static_cast<int>(wParam), lParam));
    case CB_DELETESTRING:
      if (!state.items.Valid(wParam))
        return CB_ERR;
      DeleteAt(combo, wParam);
      InvalidateRect(combo, nullptr, TRUE);
      return static_cast<LRESULT>(state.items.entries.size());
    case CB_RESETCONTENT:
      while (!state.items.entries.empty())
        DeleteAt(combo, state.items.entries.size() - 1);
      InvalidateRect(combo, nullptr, TRUE);
      return CB_OKAY;
    case CB_SETITEMDATA:
      // The field may show the item: it is drawn again.
      InvalidateRect(combo, nullptr, TRUE);
      return state.items.Answer(lists::Items::Query::SetData, wParam, lParam);
    default:
      if (const lists::Items::Query *query = lists::QueryOf(kItemQueries, msg))
        return state.items.Answer(*query, wParam, lParam);
      handled = false;
      return 0;
  }
}

LRESULT SelectionMessage(HWND combo, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  ComboBoxState &state = ComboOf(combo);
  handled = true;
  switch (msg) {
    case CB_GETCURSEL:
      return state.current;
    case CB_SETCURSEL:
      state.current = state.items.Valid(wParam) ? static_cast<int>(wParam) : -1;
      InvalidateRect(combo, nullptr, TRUE);
      return state.current >= 0 ? state.current : CB_ERR;
    case CB_SELECTSTRING: {
      const int found = state.items.Find(static_cast<int>(wParam), lParam, false);
      if (found < 0)
        return CB_ERR;
      state.current = found;
      InvalidateRect(combo, nullptr, TRUE);
      return found;
    }
    case CB_SETITEMHEIGHT:
      return SetItemHeight(combo, wParam, lParam);
    case CB_GETITEMHEIGHT:
      return static_cast<int>(wParam) == -1 ? state.fieldHeight : state.itemHeight;
    case CB_SHOWDROPDOWN:
      ShowList(combo, wParam != FALSE);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return state.dropped ? TRUE : FALSE;
    default:
      handled = false;
      return 0;
  }
}

int KeyTarget(HWND combo, WPARAM key) {
  const ComboBoxState &state = ComboOf(combo);
  const int count = static_cast<int>(state.items.entries.size());
  if (count == 0)
    return -1;
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      return state.current < 0 ? 0 : std::max(state.current - 1, 0);
    case VK_DOWN:
    case VK_RIGHT:
      return state.current < 0 ? 0 : std::min(state.current + 1, count - 1);
    case VK_HOME:
      return 0;
    case VK_END:
      return count - 1;
    default:
      return -1;
  }
}

LRESULT InputMessage(HWND combo, UINT msg, WPARAM wParam, LPARAM, bool &handled) {
  handled = true;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      Select(combo, KeyTarget(combo, wParam), true);
      return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != combo)
        SetFocus(combo);
      ShowList(combo, !ComboOf(combo).dropped);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (msg == WM_KILLFOCUS)
        ShowList(combo, false);
      InvalidateRect(combo, nullptr, TRUE);
      winplat::user::NotifyParent(combo, msg == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
      return 0;
    default:
      handled = false;
      return 0;
  }
}

void PaintButton(HDC dc, const RECT &button) {
  FillColor(dc, button, COLOR_BTNFACE);
  DrawEdge3D(dc, button, true);
  const LONG middle = (button.left + button.right) / 2;
  const LONG top = (button.top + button.bottom) / 2 - 2;
  for (LONG row = 0; row < 4; ++row)
    FillColor(dc, RECT{middle - 3 + row, top + row, middle + 4 - row, top + row + 1},
              COLOR_BTNTEXT);
}

void Paint(HWND combo) {
  const PaintScope paint(combo);
  if (paint.dc() == nullptr)
    return;
  const ComboBoxState &state = ComboOf(combo);
  const RECT &client = paint.client();
  FillColor(paint.dc(), client, COLOR_WINDOW);
  DrawEdge3D(paint.dc(), client, false);
  const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
  PaintButton(paint.dc(), RECT{client.right - 2 - buttonWidth, client.top + 2, client.right - 2,
                               client.bottom - 2});
  const RECT field{client.left + kFrame, client.top + kFrame, client.right - 2 - buttonWidth - 1,
                   client.bottom - kFrame};
  const bool focused = GetFocus() == combo;
  const bool has = state.current >= 0;
  if (IsOwnerDrawn(combo)) {
    const UINT itemState = ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0);
    lists::DrawItem(combo, ODT_COMBOBOX, paint.dc(),
                    has ? static_cast<UINT>(state.current) : static_cast<UINT>(-1), ODA_DRAWENTIRE,
                    itemState, field,
                    has ? state.items.entries[static_cast<size_t>(state.current)].data : 0);
    return;
  }
  lists::PaintPlainItem(paint.dc(), field,
                        has ? state.items.entries[static_cast<size_t>(state.current)].text : u"",
                        focused, focused);
}

// Heights: the font's, or for an owner-drawn combo box the owner's answers to WM_MEASUREITEM
// for the selection field (item -1) and for the list's items (item 0).
void Create(HWND combo) {
  ComboBoxState &state = ComboOf(combo);
  const DWORD style = StyleOf(combo);
  state.items.hasStrings =
      lists::HasStrings(style, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS);
  state.items.sorted = (style & CBS_SORT) != 0;
  state.fieldHeight = state.itemHeight = LineHeight(combo) + 2;
  if (IsOwnerDrawn(combo)) {
    state.fieldHeight =
        lists::MeasureItem(combo, ODT_COMBOBOX, static_cast<UINT>(-1), state.fieldHeight, 0);
    state.itemHeight = lists::MeasureItem(combo, ODT_COMBOBOX, 0, state.itemHeight, 0);
  }
  FitHeight(combo);
}

}  // namespace

namespace winplat::controls {

LRESULT CALLBACK ComboBoxProc(HWND combo, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(combo, msg, wParam, lParam, result)) {
    if (msg == WM_SETFONT && !IsOwnerDrawn(combo)) {
      ComboOf(combo).fieldHeight = ComboOf(combo).itemHeight = LineHeight(combo) + 2;
      FitHeight(combo);
    }
    return result;
  }
  bool handled = false;
  for (auto handler : {ItemMessage, SelectionMessage, InputMessage}) {
    result = handler(combo, msg, wParam, lParam, handled);
    if (handled)
      return result;
  }
  switch (msg) {
    case WM_CREATE:
      Create(combo);
      return 0;
    case WM_DESTROY:
      while (!ComboOf(combo).items.entries.empty())
        DeleteAt(combo, ComboOf(combo).items.entries.size() - 1);
      return 0;
    default:
      return CommonControlMessage(combo, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls
