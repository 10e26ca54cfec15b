// The list view's geometry and painting: column headers, then one row per item with its small
// image and its texts; owner-drawn lists have their owner draw each row through WM_DRAWITEM.
#include <algorithm>

#include "controls_listview.h"

namespace winplat::controls::listview {

namespace {

bool HasStyle(HWND list, DWORD style) {
  return (static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE)) & style) != 0;
}

int TotalWidth(HWND list) {
  const State &state = StateOf(list);
  if (state.columns.empty()) {
    RECT client{};
    GetClientRect(list, &client);
    return client.right;
  }
  int width = 0;
  for (const Column &column : state.columns)
    width += column.width;
  return width;
}

UINT AlignmentOf(int format) {
  switch (format & 0x3) {
    case LVCFMT_RIGHT:
      return DT_RIGHT;
    case LVCFMT_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

void PaintHeader(HWND list, HDC dc) {
  const int height = HeaderHeight(list);
  if (height == 0)
    return;
  RECT client{};
  GetClientRect(list, &client);
  FillColor(dc, RECT{0, 0, client.right, height}, COLOR_BTNFACE);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  int left = 0;
  for (const Column &column : StateOf(list).columns) {
    const RECT cell{left, 0, left + column.width, height};
    DrawEdge3D(dc, cell, true);
    RECT text{cell.left + 6, cell.top, cell.right - 6, cell.bottom};
    DrawTextW(dc, column.text.c_str(), static_cast<int>(column.text.size()), &text,
              AlignmentOf(column.format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    left += column.width;
  }
}

void OwnerDrawRow(HWND list, HDC dc, int index, bool focused) {
  const Item &item = StateOf(list).items[static_cast<size_t>(index)];
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_LISTVIEW;
  draw.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
  draw.itemID = static_cast<UINT>(index);
  draw.itemAction = ODA_DRAWENTIRE;
  if ((item.state & LVIS_SELECTED) != 0)
    draw.itemState |= ODS_SELECTED;
  if ((item.state & LVIS_FOCUSED) != 0 && focused)
    draw.itemState |= ODS_FOCUS;
  if (!IsWindowEnabled(list))
    draw.itemState |= ODS_DISABLED;
  draw.hwndItem = list;
  draw.hDC = dc;
  draw.rcItem = RowRect(list, index);
  draw.itemData = static_cast<ULONG_PTR>(item.param);
  const HWND parent = GetParent(list);
  if (parent != nullptr)
    SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

void PaintRow(HWND list, HDC dc, int index, bool focused) {
  const State &state = StateOf(list);
  const Item &item = state.items[static_cast<size_t>(index)];
  const RECT row = RowRect(list, index);
  const bool showSelection =
      (item.state & LVIS_SELECTED) != 0 && (focused || HasStyle(list, LVS_SHOWSELALWAYS));
  const int firstWidth = state.columns.empty() ? row.right : state.columns[0].width;
  const bool fullRow = (state.extendedStyle & LVS_EX_FULLROWSELECT) != 0;
  if (showSelection) {
    const RECT band{row.left, row.top, fullRow ? row.right : row.left + firstWidth, row.bottom};
    FillColor(dc, band, focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  }
  int imageWidth = 0, imageHeight = 0;
  if (state.smallImages != nullptr &&
      ImageList_GetIconSize(state.smallImages, &imageWidth, &imageHeight)) {
    ImageList_Draw(state.smallImages, item.image, dc, row.left + 2,
                   row.top + (row.bottom - row.top - imageHeight) / 2, ILD_TRANSPARENT);
    imageWidth += 2;
  }
  const size_t columns = std::max<size_t>(state.columns.size(), 1);
  int left = row.left;
  for (size_t column = 0; column < columns; ++column) {
    const int width = state.columns.empty() ? row.right - row.left : state.columns[column].width;
    const bool selectedText = showSelection && focused && (column == 0 || fullRow);
    SetTextColor(dc, selectedText ? GetSysColor(COLOR_HIGHLIGHTTEXT) : state.textColor);
    const std::u16string text = TextOf(list, index, static_cast<int>(column));
    RECT cell{left + (column == 0 ? imageWidth : 0) + 4, row.top, left + width - 4, row.bottom};
    const int format = state.columns.empty() ? LVCFMT_LEFT : state.columns[column].format;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
              AlignmentOf(format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    left += width;
  }
  if ((item.state & LVIS_FOCUSED) != 0 && focused) {
    const RECT focus{row.left, row.top, fullRow ? row.right : row.left + firstWidth, row.bottom};
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

int HeaderHeight(HWND list) {
  if (HasStyle(list, LVS_NOCOLUMNHEADER) ||
      (GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT)
    return 0;
  return LineHeight(list) + 6;
}

int RowHeight(HWND list) {
  const State &state = StateOf(list);
  if (state.measuredHeight > 0)
    return state.measuredHeight;
  int imageWidth = 0, imageHeight = 0;
  if (state.smallImages != nullptr)
    ImageList_GetIconSize(state.smallImages, &imageWidth, &imageHeight);
  return std::max(LineHeight(list) + 2, imageHeight + 1);
}

RECT RowRect(HWND list, int index) {
  const int top = HeaderHeight(list) + (index - StateOf(list).topIndex) * RowHeight(list);
  return RECT{0, top, TotalWidth(list), top + RowHeight(list)};
}

int ItemAt(HWND list, POINT point) {
  const State &state = StateOf(list);
  const int header = HeaderHeight(list);
  if (point.y < header || point.x < 0 || point.x >= TotalWidth(list))
    return -1;
  const int index = state.topIndex + (point.y - header) / RowHeight(list);
  return index < static_cast<int>(state.items.size()) ? index : -1;
}

void Paint(HWND list) {
  const PaintScope paint(list);
  if (paint.dc() == nullptr)
    return;
  const State &state = StateOf(list);
  const HDC dc = paint.dc();
  if (state.background != CLR_NONE) {
    const HBRUSH brush = CreateSolidBrush(state.background);
    FillRect(dc, &paint.client(), brush);
    DeleteObject(brush);
  }
  const bool focused = GetFocus() == list;
  const bool ownerDrawn = HasStyle(list, LVS_OWNERDRAWFIXED);
  for (int index = state.topIndex; index < static_cast<int>(state.items.size()); ++index) {
    if (RowRect(list, index).top >= paint.client().bottom)
      break;
    if (ownerDrawn)
      OwnerDrawRow(list, dc, index, focused);
    else
      PaintRow(list, dc, index, focused);
  }
  PaintHeader(list, dc);
}

}  // namespace winplat::controls::listview
