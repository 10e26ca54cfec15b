// What the list box and the combo box share: their items (text and item data), the owner's
// WM_MEASUREITEM and WM_DRAWITEM, and the conversion of ANSI callers' item texts.
#pragma once

#include <string>
#include <vector>

#include "controls_common.h"

namespace winplat::controls::lists {

struct Entry {
  std::u16string text;
  ULONG_PTR data = 0;
  bool selected = false;  // multiple-selection list boxes only
};

// The items of a list box or of a combo box's list. Without strings (an owner-drawn style
// without LBS_HASSTRINGS / CBS_HASSTRINGS) an item's lParam is its item data, not a text.
struct Items {
  std::vector<Entry> entries;
  bool hasStrings = true;
  bool sorted = false;

  // LB_ADDSTRING: at the end, or at its sorted place; the index.
  int Add(LPARAM lParam);
  // LB_INSERTSTRING: at `index` (-1: the end); the index or -1.
  int Insert(int index, LPARAM lParam);
  bool Valid(WPARAM index) const { return index < entries.size(); }
  // LB_FINDSTRING (prefix) / LB_FINDSTRINGEXACT, case-insensitive, from after `start`, wrapping;
  // compares item data when the items have no strings. -1 when none matches.
  int Find(int start, LPARAM lParam, bool exact) const;
  // LB_GETTEXT: the text (or, without strings, the item data's bytes); the length or -1.
  LRESULT CopyText(WPARAM index, LPARAM buffer) const;
  LRESULT TextLength(WPARAM index) const;

  // The item messages answered from the items alone, which the list box and the combo box share
  // under their own numbers (LB_GETCOUNT, CB_GETCOUNT...).
  enum class Query { Count, Text, TextLength, Find, FindExact, GetData, SetData };
  // The answer; -1 (LB_ERR, CB_ERR) for an index out of range.
  LRESULT Answer(Query query, WPARAM wParam, LPARAM lParam);
};

// A control's message number for each query.
struct QueryMessage {
  UINT message;
  Items::Query query;
};

// The query a message asks, if it is one of the table's.
template <size_t N>
const Items::Query *QueryOf(const QueryMessage (&table)[N], UINT message) {
  for (const QueryMessage &entry : table) {
    if (entry.message == message)
      return &entry.query;
  }
  return nullptr;
}

// Whether a control of this style keeps strings.
bool HasStrings(DWORD style, DWORD ownerDrawStyles, DWORD hasStringsStyle);

// WM_MEASUREITEM to the parent; the height it answers (`height` when it leaves it).
int MeasureItem(HWND control, UINT type, UINT itemId, int height, ULONG_PTR data);
// WM_DRAWITEM to the parent.
void DrawItem(HWND control, UINT type, HDC dc, UINT itemId, UINT action, UINT state,
              const RECT &rect, ULONG_PTR data);

// WM_DELETEITEM to the parent for an item of an owner-drawn control or one with item data.
void NoteDeleted(HWND control, UINT type, bool ownerDrawn, UINT itemId, ULONG_PTR data);

// A plain (not owner-drawn) item: its text on the window colour, or highlighted when selected.
void PaintPlainItem(HDC dc, const RECT &rect, const std::u16string &text, bool selected,
                    bool focused);

}  // namespace winplat::controls::lists

namespace winplat::controls {

// A list box's or combo box's item-text message from an ANSI caller, its text converted; false
// for any other message or control.
bool ListTextFromAnsi(user::Window &window, UINT msg, WPARAM wParam, LPARAM lParam,
                      LRESULT &result);

}  // namespace winplat::controls
