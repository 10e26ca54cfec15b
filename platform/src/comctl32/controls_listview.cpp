// The list view's items, columns, states and colours, and its window procedure.
#include <winnls.h>
#include <winuser.h>

#include <algorithm>
#include <cstring>

#include "controls_listview.h"
#include "winplat/text.h"

namespace winplat::controls::listview {

State &StateOf(HWND list) {
  return controls::StateOf<State>(list);
}

LRESULT Notify(HWND list, NMHDR &header, UINT code) {
  header.hwndFrom = list;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  header.code = code;
  const HWND parent = GetParent(list);
  return parent != nullptr
             ? SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header))
             : 0;
}

LRESULT NotifyItem(HWND list, UINT code, int index, UINT changed, UINT oldState, UINT newState) {
  const State &state = StateOf(list);
  NMLISTVIEW info{};
  info.iItem = index;
  info.uChanged = changed;
  info.uOldState = oldState;
  info.uNewState = newState;
  if (index >= 0 && static_cast<size_t>(index) < state.items.size())
    info.lParam = state.items[static_cast<size_t>(index)].param;
  return Notify(list, info.hdr, code);
}

namespace {

constexpr int kTextLimit = 260;  // what one LVN_GETDISPINFO request asks for

std::u16string AskParentWide(HWND list, int index, int subItem, LPARAM param) {
  char16_t buffer[kTextLimit] = {};
  NMLVDISPINFOW info{};
  info.item.mask = LVIF_TEXT;
  info.item.iItem = index;
  info.item.iSubItem = subItem;
  info.item.pszText = buffer;
  info.item.cchTextMax = kTextLimit;
  info.item.lParam = param;
  Notify(list, info.hdr, LVN_GETDISPINFOW);
  if (info.item.pszText == nullptr || info.item.pszText == LPSTR_TEXTCALLBACKW)
    return {};
  // The parent may point pszText at its own text instead of filling the buffer.
  const LPCWSTR text = info.item.pszText;
  size_t length = 0;
  const size_t limit = text == buffer ? kTextLimit - 1 : SIZE_MAX;
  while (length < limit && text[length] != u'\0')
    ++length;
  return std::u16string(text, length);
}

std::u16string AskParentAnsi(HWND list, int index, int subItem, LPARAM param) {
  char buffer[kTextLimit] = {};
  NMLVDISPINFOA info{};
  info.item.mask = LVIF_TEXT;
  info.item.iItem = index;
  info.item.iSubItem = subItem;
  info.item.pszText = buffer;
  info.item.cchTextMax = kTextLimit;
  info.item.lParam = param;
  Notify(list, info.hdr, LVN_GETDISPINFOA);
  if (info.item.pszText == nullptr || info.item.pszText == LPSTR_TEXTCALLBACKA)
    return {};
  const LPCSTR text = info.item.pszText;
  const std::string_view view = text == buffer
                                    ? std::string_view(text, strnlen(text, kTextLimit - 1))
                                    : std::string_view(text);
  return WideFromMultiByte(CP_ACP, view);
}

Item *ItemAtIndex(State &state, WPARAM index) {
  return index < state.items.size() ? &state.items[index] : nullptr;
}

std::optional<std::u16string> TextArgument(LPCWSTR text) {
  if (text == LPSTR_TEXTCALLBACKW)
    return std::nullopt;
  return std::u16string(text != nullptr ? text : u"");
}

std::optional<std::u16string> TextArgument(LPCSTR text) {
  if (text == LPSTR_TEXTCALLBACKA)
    return std::nullopt;
  return WideFromMultiByte(CP_ACP, text != nullptr ? text : "");
}

void SetText(Item &item, int subItem, std::optional<std::u16string> text) {
  const size_t column = static_cast<size_t>(subItem);
  if (item.texts.size() <= column)
    item.texts.resize(column + 1);
  item.texts[column] = std::move(text);
}

// LVM_SETITEM and LVM_INSERTITEM's fields other than the state.
template <typename ItemStruct>
void Apply(Item &item, const ItemStruct &source) {
  if ((source.mask & LVIF_TEXT) != 0)
    SetText(item, source.iSubItem, TextArgument(source.pszText));
  if (source.iSubItem != 0)
    return;
  if ((source.mask & LVIF_IMAGE) != 0)
    item.image = source.iImage;
  if ((source.mask & LVIF_PARAM) != 0)
    item.param = source.lParam;
  if ((source.mask & LVIF_INDENT) != 0)
    item.indent = source.iIndent;
}

template <typename ItemStruct>
LRESULT InsertItem(HWND list, const ItemStruct *source) {
  State &state = StateOf(list);
  if (source == nullptr || source->iItem < 0 || source->iSubItem != 0)
    return -1;
  const size_t index = std::min(static_cast<size_t>(source->iItem), state.items.size());
  Item item;
  item.texts.assign(1, std::u16string());
  Apply(item, *source);
  if ((source->mask & LVIF_STATE) != 0)
    item.state = source->state & source->stateMask;
  state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
  if (state.editedItem >= static_cast<int>(index))
    ++state.editedItem;
  NotifyItem(list, LVN_INSERTITEM, static_cast<int>(index), 0, 0, 0);
  InvalidateRect(list, nullptr, TRUE);
  return static_cast<LRESULT>(index);
}

template <typename ItemStruct>
LRESULT SetItem(HWND list, const ItemStruct *source) {
  State &state = StateOf(list);
  if (source == nullptr || source->iItem < 0)
    return FALSE;
  Item *item = ItemAtIndex(state, static_cast<WPARAM>(source->iItem));
  if (item == nullptr || source->iSubItem < 0)
    return FALSE;
  Apply(*item, *source);
  InvalidateRect(list, nullptr, TRUE);
  if ((source->mask & LVIF_STATE) != 0 && source->iSubItem == 0)
    SetItemState(list, source->iItem, source->state, source->stateMask);
  return TRUE;
}

template <typename ItemStruct>
LRESULT GetItem(HWND list, ItemStruct *target) {
  State &state = StateOf(list);
  if (target == nullptr || target->iItem < 0)
    return FALSE;
  const Item *item = ItemAtIndex(state, static_cast<WPARAM>(target->iItem));
  if (item == nullptr || target->iSubItem < 0)
    return FALSE;
  if ((target->mask & LVIF_TEXT) != 0)
    CopyOut(TextOf(list, target->iItem, target->iSubItem), target->pszText, target->cchTextMax);
  if ((target->mask & LVIF_IMAGE) != 0)
    target->iImage = item->image;
  if ((target->mask & LVIF_PARAM) != 0)
    target->lParam = item->param;
  if ((target->mask & LVIF_STATE) != 0)
    target->state = item->state & target->stateMask;
  if ((target->mask & LVIF_INDENT) != 0)
    target->iIndent = item->indent;
  return TRUE;
}

template <typename ItemStruct>
LRESULT GetItemText(HWND list, WPARAM index, ItemStruct *target) {
  if (target == nullptr || ItemAtIndex(StateOf(list), index) == nullptr || target->iSubItem < 0)
    return 0;
  const std::u16string text = TextOf(list, static_cast<int>(index), target->iSubItem);
  return static_cast<LRESULT>(CopyOut(text, target->pszText, target->cchTextMax));
}

template <typename ItemStruct>
LRESULT SetItemText(HWND list, WPARAM index, const ItemStruct *source) {
  Item *item = ItemAtIndex(StateOf(list), index);
  if (source == nullptr || item == nullptr || source->iSubItem < 0)
    return FALSE;
  SetText(*item, source->iSubItem, TextArgument(source->pszText));
  InvalidateRect(list, nullptr, TRUE);
  return TRUE;
}

bool DeleteItem(HWND list, WPARAM index) {
  State &state = StateOf(list);
  if (ItemAtIndex(state, index) == nullptr)
    return false;
  const int deleted = static_cast<int>(index);
  if (state.editedItem == deleted)
    EndLabelEdit(list, false);
  NotifyItem(list, LVN_DELETEITEM, deleted, 0, 0, 0);
  state.items.erase(state.items.begin() + static_cast<std::ptrdiff_t>(index));
  if (state.editedItem > deleted)
    --state.editedItem;
  state.topIndex = std::clamp(state.topIndex, 0, std::max<int>(0, state.items.size() - 1));
  InvalidateRect(list, nullptr, TRUE);
  return true;
}

// LVN_DELETEALLITEMS first; unless the parent answers TRUE, LVN_DELETEITEM for every item.
void DeleteAllItems(HWND list) {
  State &state = StateOf(list);
  EndLabelEdit(list, false);
  NMLISTVIEW info{};
  info.iItem = -1;
  const bool quiet = Notify(list, info.hdr, LVN_DELETEALLITEMS) != FALSE;
  if (!quiet) {
    for (size_t i = 0; i < state.items.size(); ++i)
      NotifyItem(list, LVN_DELETEITEM, static_cast<int>(i), 0, 0, 0);
  }
  state.items.clear();
  state.topIndex = 0;
  InvalidateRect(list, nullptr, TRUE);
}

bool Matches(const Item &item, UINT flags) {
  const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
  return (item.state & wanted) == wanted;
}

// In report view LVNI_ABOVE searches upwards; every other direction, or none, downwards.
LRESULT NextItem(State &state, int start, UINT flags) {
  const int count = static_cast<int>(state.items.size());
  const int step = (flags & LVNI_ABOVE) != 0 ? -1 : 1;
  for (int i = start < 0 ? (step > 0 ? 0 : count - 1) : start + step; i >= 0 && i < count;
       i += step) {
    if (Matches(state.items[static_cast<size_t>(i)], flags))
      return i;
  }
  return -1;
}

template <typename FindStruct>
LRESULT FindItem(HWND list, int start, const FindStruct *find) {
  State &state = StateOf(list);
  if (find == nullptr)
    return -1;
  std::u16string wanted;
  if ((find->flags & (LVFI_STRING | LVFI_PARTIAL)) != 0) {
    const auto text = TextArgument(find->psz);
    wanted = text.value_or(std::u16string());
    CharUpperW(wanted.data());
  }
  const int count = static_cast<int>(state.items.size());
  const int first = start < 0 ? 0 : start + 1;
  const int tries = (find->flags & LVFI_WRAP) != 0 ? count : count - first;
  for (int n = 0; n < tries; ++n) {
    const int i = (first + n) % std::max(count, 1);
    if ((find->flags & (LVFI_STRING | LVFI_PARTIAL)) != 0) {
      std::u16string text = TextOf(list, i, 0);
      CharUpperW(text.data());
      const bool hit =
          (find->flags & LVFI_PARTIAL) != 0 ? text.starts_with(wanted) : text == wanted;
      if (hit)
        return i;
    } else if ((find->flags & LVFI_PARAM) != 0 &&
               state.items[static_cast<size_t>(i)].param == find->lParam) {
      return i;
    }
  }
  return -1;
}

template <typename ColumnStruct>
LRESULT InsertColumn(HWND list, WPARAM index, const ColumnStruct *source) {
  State &state = StateOf(list);
  if (source == nullptr)
    return -1;
  const size_t at = std::min<size_t>(index, state.columns.size());
  Column column;
  if ((source->mask & LVCF_WIDTH) != 0)
    column.width = source->cx;
  if ((source->mask & LVCF_FMT) != 0)
    column.format = source->fmt;
  if ((source->mask & LVCF_TEXT) != 0)
    column.text = TextArgument(source->pszText).value_or(std::u16string());
  // Items keep their texts by subitem number: a new column shows whatever subitem its position
  // names, as a column inserted without LVCF_SUBITEM does.
  state.columns.insert(state.columns.begin() + static_cast<std::ptrdiff_t>(at), std::move(column));
  InvalidateRect(list, nullptr, TRUE);
  return static_cast<LRESULT>(at);
}

template <typename ColumnStruct>
LRESULT GetColumn(HWND list, WPARAM index, ColumnStruct *target) {
  const State &state = StateOf(list);
  if (target == nullptr || index >= state.columns.size())
    return FALSE;
  const Column &column = state.columns[index];
  if ((target->mask & LVCF_WIDTH) != 0)
    target->cx = column.width;
  if ((target->mask & LVCF_FMT) != 0)
    target->fmt = column.format;
  if ((target->mask & LVCF_TEXT) != 0)
    CopyOut(column.text, target->pszText, target->cchTextMax);
  if ((target->mask & LVCF_SUBITEM) != 0)
    target->iSubItem = static_cast<int>(index);
  return TRUE;
}

// LVSCW_AUTOSIZE fits the widest text of the column (and the small image in column 0);
// LVSCW_AUTOSIZE_USEHEADER also fits the column's title.
int AutoWidth(HWND list, size_t column, bool header) {
  State &state = StateOf(list);
  const HDC dc = GetDC(list);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(
      dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  auto widthOf = [&](const std::u16string &text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx) + 12;
  };
  int width = header ? widthOf(state.columns[column].text) : 0;
  int imageWidth = 0, imageHeight = 0;
  if (column == 0 && state.smallImages != nullptr)
    ImageList_GetIconSize(state.smallImages, &imageWidth, &imageHeight);
  for (size_t i = 0; i < state.items.size(); ++i)
    width = std::max(
        width, widthOf(TextOf(list, static_cast<int>(i), static_cast<int>(column))) + imageWidth);
  SelectObject(dc, previous);
  ReleaseDC(list, dc);
  return width;
}

LRESULT SetColumnWidth(HWND list, WPARAM index, LPARAM lParam) {
  State &state = StateOf(list);
  if (index >= state.columns.size())
    return FALSE;
  const int requested = static_cast<SHORT>(LOWORD(lParam));
  state.columns[index].width = requested == LVSCW_AUTOSIZE || requested == LVSCW_AUTOSIZE_USEHEADER
                                   ? AutoWidth(list, index, requested == LVSCW_AUTOSIZE_USEHEADER)
                                   : requested;
  InvalidateRect(list, nullptr, TRUE);
  return TRUE;
}

LRESULT SetImageList(HWND list, WPARAM which, HIMAGELIST images) {
  State &state = StateOf(list);
  HIMAGELIST *slot = which == LVSIL_NORMAL  ? &state.normalImages
                     : which == LVSIL_SMALL ? &state.smallImages
                     : which == LVSIL_STATE ? &state.stateImages
                                            : nullptr;
  if (slot == nullptr)
    return 0;
  const HIMAGELIST previous = *slot;
  *slot = images;
  InvalidateRect(list, nullptr, TRUE);
  return reinterpret_cast<LRESULT>(previous);
}

HIMAGELIST ImageListOf(const State &state, WPARAM which) {
  switch (which) {
    case LVSIL_NORMAL:
      return state.normalImages;
    case LVSIL_SMALL:
      return state.smallImages;
    case LVSIL_STATE:
      return state.stateImages;
    default:
      return nullptr;
  }
}

LRESULT SetColor(HWND list, COLORREF &slot, LPARAM color) {
  slot = static_cast<COLORREF>(color);
  InvalidateRect(list, nullptr, TRUE);
  return TRUE;
}

// The owner tells the row height of an owner-drawn list through WM_MEASUREITEM; asked when the
// list is created and whenever its font changes.
void MeasureRows(HWND list) {
  if ((GetWindowLongPtrW(list, GWL_STYLE) & LVS_OWNERDRAWFIXED) == 0)
    return;
  State &state = StateOf(list);
  state.measuredHeight = 0;
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_LISTVIEW;
  measure.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
  measure.itemHeight = static_cast<UINT>(RowHeight(list));
  const HWND parent = GetParent(list);
  if (parent != nullptr)
    SendMessageW(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
  state.measuredHeight = static_cast<int>(measure.itemHeight);
}

// The parent's list of images goes with the list unless it is shared.
void DestroyImageLists(HWND list) {
  State &state = StateOf(list);
  if ((GetWindowLongPtrW(list, GWL_STYLE) & LVS_SHAREIMAGELISTS) != 0)
    return;
  for (HIMAGELIST images : {state.normalImages, state.smallImages, state.stateImages}) {
    if (images != nullptr)
      ImageList_Destroy(images);
  }
  state.normalImages = state.smallImages = state.stateImages = nullptr;
}

LRESULT ItemMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  State &state = StateOf(list);
  handled = true;
  switch (msg) {
    case LVM_INSERTITEMA:
      return InsertItem(list, reinterpret_cast<const LVITEMA *>(lParam));
    case LVM_INSERTITEMW:
      return InsertItem(list, reinterpret_cast<const LVITEMW *>(lParam));
    case LVM_SETITEMA:
      return SetItem(list, reinterpret_cast<const LVITEMA *>(lParam));
    case LVM_SETITEMW:
      return SetItem(list, reinterpret_cast<const LVITEMW *>(lParam));
    case LVM_GETITEMA:
      return GetItem(list, reinterpret_cast<LVITEMA *>(lParam));
    case LVM_GETITEMW:
      return GetItem(list, reinterpret_cast<LVITEMW *>(lParam));
    case LVM_GETITEMTEXTA:
      return GetItemText(list, wParam, reinterpret_cast<LVITEMA *>(lParam));
    case LVM_GETITEMTEXTW:
      return GetItemText(list, wParam, reinterpret_cast<LVITEMW *>(lParam));
    case LVM_SETITEMTEXTA:
      return SetItemText(list, wParam, reinterpret_cast<const LVITEMA *>(lParam));
    case LVM_SETITEMTEXTW:
      return SetItemText(list, wParam, reinterpret_cast<const LVITEMW *>(lParam));
    case LVM_DELETEITEM:
      return DeleteItem(list, wParam) ? TRUE : FALSE;
    case LVM_DELETEALLITEMS:
      DeleteAllItems(list);
      return TRUE;
    case LVM_GETITEMCOUNT:
      return static_cast<LRESULT>(state.items.size());
    case LVM_SETITEMCOUNT:
      state.items.reserve(wParam);  // room for that many items; the count itself is unchanged
      return TRUE;
    case LVM_SETITEMSTATE: {
      const auto *item = reinterpret_cast<const LVITEMW *>(lParam);
      return item != nullptr &&
                     SetItemState(list, static_cast<int>(wParam), item->state, item->stateMask)
                 ? TRUE
                 : FALSE;
    }
    case LVM_GETITEMSTATE: {
      const Item *item = ItemAtIndex(state, wParam);
      return item != nullptr ? static_cast<LRESULT>(item->state & static_cast<UINT>(lParam)) : 0;
    }
    case LVM_GETNEXTITEM:
      return NextItem(state, static_cast<int>(wParam), LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT:
      return std::count_if(state.items.begin(), state.items.end(),
                           [](const Item &item) { return (item.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEMA:
      return FindItem(list, static_cast<int>(wParam),
                      reinterpret_cast<const LVFINDINFOA *>(lParam));
    case LVM_FINDITEMW:
      return FindItem(list, static_cast<int>(wParam),
                      reinterpret_cast<const LVFINDINFOW *>(lParam));
    default:
      handled = false;
      return 0;
  }
}

LRESULT ViewMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  State &state = StateOf(list);
  handled = true;
  switch (msg) {
    case LVM_INSERTCOLUMNA:
      return InsertColumn(list, wParam, reinterpret_cast<const LVCOLUMNA *>(lParam));
    case LVM_INSERTCOLUMNW:
      return InsertColumn(list, wParam, reinterpret_cast<const LVCOLUMNW *>(lParam));
    case LVM_GETCOLUMNA:
      return GetColumn(list, wParam, reinterpret_cast<LVCOLUMNA *>(lParam));
    case LVM_GETCOLUMNW:
      return GetColumn(list, wParam, reinterpret_cast<LVCOLUMNW *>(lParam));
    case LVM_DELETECOLUMN:
      if (wParam >= state.columns.size())
        return FALSE;
      state.columns.erase(state.columns.begin() + static_cast<std::ptrdiff_t>(wParam));
      InvalidateRect(list, nullptr, TRUE);
      return TRUE;
    case LVM_GETCOLUMNWIDTH:
      return wParam < state.columns.size() ? state.columns[wParam].width : 0;
    case LVM_SETCOLUMNWIDTH:
      return SetColumnWidth(list, wParam, lParam);
    case LVM_GETBKCOLOR:
      return state.background;
    case LVM_SETBKCOLOR:
      return SetColor(list, state.background, lParam);
    case LVM_GETTEXTBKCOLOR:
      return state.textBackground;
    case LVM_SETTEXTBKCOLOR:
      return SetColor(list, state.textBackground, lParam);
    case LVM_GETTEXTCOLOR:
      return state.textColor;
    case LVM_SETTEXTCOLOR:
      return SetColor(list, state.textColor, lParam);
    case LVM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(ImageListOf(state, wParam));
    case LVM_SETIMAGELIST:
      return SetImageList(list, wParam, reinterpret_cast<HIMAGELIST>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
      return state.extendedStyle;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
      const DWORD previous = state.extendedStyle;
      const DWORD mask = wParam != 0 ? static_cast<DWORD>(wParam) : 0xFFFFFFFF;
      state.extendedStyle = (previous & ~mask) | (static_cast<DWORD>(lParam) & mask);
      InvalidateRect(list, nullptr, TRUE);
      return previous;
    }
    default:
      handled = false;
      return 0;
  }
}

// Rows that fit below the header, at least one.
int VisibleRows(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  return std::max(1, static_cast<int>(client.bottom - HeaderHeight(list)) / RowHeight(list));
}

LRESULT ScrollMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  State &state = StateOf(list);
  handled = true;
  switch (msg) {
    case LVM_GETTOPINDEX:
      return state.topIndex;
    case LVM_ENSUREVISIBLE: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || static_cast<size_t>(index) >= state.items.size())
        return FALSE;
      if (index < state.topIndex)
        state.topIndex = index;
      else if (index >= state.topIndex + VisibleRows(list))
        state.topIndex = index - VisibleRows(list) + 1;
      InvalidateRect(list, nullptr, TRUE);
      return TRUE;
    }
    case LVM_GETITEMRECT: {
      auto *rect = reinterpret_cast<RECT *>(lParam);
      if (rect == nullptr || wParam >= state.items.size())
        return FALSE;
      *rect = RowRect(list, static_cast<int>(wParam));
      return TRUE;
    }
    case LVM_EDITLABELA:
    case LVM_EDITLABELW:
      return reinterpret_cast<LRESULT>(BeginLabelEdit(list, static_cast<int>(wParam)));
    case LVM_GETEDITCONTROL:
      return reinterpret_cast<LRESULT>(state.editor);
    default:
      handled = false;
      return 0;
  }
}

}  // namespace

std::u16string TextOf(HWND list, int index, int subItem) {
  State &state = StateOf(list);
  if (index < 0 || static_cast<size_t>(index) >= state.items.size() || subItem < 0)
    return {};
  const Item &item = state.items[static_cast<size_t>(index)];
  const size_t column = static_cast<size_t>(subItem);
  if (column < item.texts.size() && item.texts[column].has_value())
    return *item.texts[column];
  return state.ansiNotifications ? AskParentAnsi(list, index, subItem, item.param)
                                 : AskParentWide(list, index, subItem, item.param);
}

bool SetItemState(HWND list, int index, UINT newBits, UINT mask) {
  State &state = StateOf(list);
  if (index < -1 || index >= static_cast<int>(state.items.size()))
    return false;
  const bool single = (GetWindowLongPtrW(list, GWL_STYLE) & LVS_SINGLESEL) != 0;
  // Taking the focus (or, in a single-selection list, the selection) clears it elsewhere.
  UINT exclusive = 0;
  if (index >= 0 && (mask & newBits & LVIS_FOCUSED) != 0)
    exclusive |= LVIS_FOCUSED;
  if (index >= 0 && single && (mask & newBits & LVIS_SELECTED) != 0)
    exclusive |= LVIS_SELECTED;
  std::vector<std::pair<int, UINT>> changes;  // index, old state
  for (size_t i = 0; i < state.items.size(); ++i) {
    Item &item = state.items[i];
    const UINT old = item.state;
    if (index == -1 || static_cast<int>(i) == index)
      item.state = (item.state & ~mask) | (newBits & mask);
    else
      item.state &= ~exclusive;
    if (item.state != old)
      changes.emplace_back(static_cast<int>(i), old);
  }
  for (const auto &[changed, old] : changes) {
    if (static_cast<size_t>(changed) < state.items.size())
      NotifyItem(list, LVN_ITEMCHANGED, changed, LVIF_STATE, old,
                 state.items[static_cast<size_t>(changed)].state);
  }
  if (!changes.empty())
    InvalidateRect(list, nullptr, TRUE);
  return true;
}

LRESULT CALLBACK ListViewProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = false;
  if (HandleFont(list, msg, wParam, lParam, result)) {
    if (msg == WM_SETFONT)
      MeasureRows(list);
    return result;
  }
  for (auto handler : {ItemMessage, ViewMessage, ScrollMessage, HandleInput}) {
    result = handler(list, msg, wParam, lParam, handled);
    if (handled)
      return result;
  }
  switch (msg) {
    case WM_CREATE: {
      const HWND parent = GetParent(list);
      StateOf(list).ansiNotifications =
          parent != nullptr && SendMessageW(parent, WM_NOTIFYFORMAT, reinterpret_cast<WPARAM>(list),
                                            NF_QUERY) == NFR_ANSI;
      MeasureRows(list);
      return 0;
    }
    case WM_DESTROY:
      EndLabelEdit(list, false);
      for (size_t i = 0; i < StateOf(list).items.size(); ++i)
        NotifyItem(list, LVN_DELETEITEM, static_cast<int>(i), 0, 0, 0);
      StateOf(list).items.clear();
      DestroyImageLists(list);
      return 0;
    default:
      return CommonControlMessage(list, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls::listview

// The list view and tree view classes are registered with the system's own classes, so these
// only make sure that has happened.
extern "C" void WINAPI InitCommonControls(void) {
  winplat::user::RegisterSystemClasses();
}

extern "C" BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX *picce) {
  if (picce == nullptr || picce->dwSize != sizeof(INITCOMMONCONTROLSEX))
    return FALSE;
  winplat::user::RegisterSystemClasses();
  return TRUE;
}
