// The list view ("SysListView32") in report view: its state and what its files share.
#pragma once

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "user32/controls_common.h"

namespace winplat::controls::listview {

struct Column {
  int width = 0;
  int format = LVCFMT_LEFT;
  std::u16string text;
};

struct Item {
  // One text per column; nullopt for LPSTR_TEXTCALLBACK. The parent supplies callback texts on
  // request, and those of subitems never set, as Windows asks for them too.
  std::vector<std::optional<std::u16string>> texts;
  int image = 0;
  LPARAM param = 0;
  UINT state = 0;
  int indent = 0;
};

struct State {
  std::vector<Column> columns;
  std::vector<Item> items;
  COLORREF background = GetSysColor(COLOR_WINDOW);
  COLORREF textBackground = GetSysColor(COLOR_WINDOW);
  COLORREF textColor = GetSysColor(COLOR_WINDOWTEXT);
  HIMAGELIST normalImages = nullptr;
  HIMAGELIST smallImages = nullptr;
  HIMAGELIST stateImages = nullptr;
  DWORD extendedStyle = 0;
  bool ansiNotifications = false;  // the parent answered WM_NOTIFYFORMAT with NFR_ANSI
  int measuredHeight = 0;          // the owner's answer to WM_MEASUREITEM (owner-drawn lists)
  int topIndex = 0;
  HWND editor = nullptr;  // the label editor while a label is edited
  int editedItem = -1;
};

State &StateOf(HWND list);

// WM_NOTIFY to the parent with the control's handle and ID filled in; the parent's answer.
LRESULT Notify(HWND list, NMHDR &header, UINT code);
// LVN_ITEMCHANGED (or another NMLISTVIEW notification) for one item.
LRESULT NotifyItem(HWND list, UINT code, int index, UINT changed, UINT oldState, UINT newState);

// The text of an item's column, asking the parent through LVN_GETDISPINFO for callback text.
std::u16string TextOf(HWND list, int index, int subItem);

// Sets the state bits of `mask` to those of `state` on one item (-1: every item), keeping a
// single focused item (and a single selected one with LVS_SINGLESEL), and notifies each change.
bool SetItemState(HWND list, int index, UINT state, UINT mask);

// Geometry of the report view, in client coordinates.
int HeaderHeight(HWND list);
int RowHeight(HWND list);
RECT RowRect(HWND list, int index);
int ItemAt(HWND list, POINT point);  // -1 when no row is there

LRESULT HandleInput(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled);
void Paint(HWND list);

// Label editing: LVM_EDITLABEL (index -1 cancels the edit in progress); the edit ends with
// Enter or the loss of the focus (kept) or Escape (cancelled).
HWND BeginLabelEdit(HWND list, int index);
void EndLabelEdit(HWND list, bool keep);

}  // namespace winplat::controls::listview
