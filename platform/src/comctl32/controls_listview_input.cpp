// The list view's keyboard, mouse and focus handling, and label editing.
#include <winnls.h>

#include <algorithm>

#include "controls_listview.h"
#include "winplat/text.h"

namespace winplat::controls::listview {

namespace {

// Selects and focuses one item alone, as a click or an arrow key does.
void SelectOnly(HWND list, int index) {
  State &state = StateOf(list);
  for (size_t i = 0; i < state.items.size(); ++i) {
    if (static_cast<int>(i) != index && (state.items[i].state & LVIS_SELECTED) != 0)
      SetItemState(list, static_cast<int>(i), 0, LVIS_SELECTED);
  }
  if (index >= 0)
    SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// The item an arrow, Home or End key moves to from the focused one; -1 for other keys.
int KeyTarget(HWND list, WPARAM key) {
  const int count = static_cast<int>(StateOf(list).items.size());
  if (count == 0)
    return -1;
  const int focused = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  switch (key) {
    case VK_DOWN:
      return focused < 0 ? 0 : std::min(focused + 1, count - 1);
    case VK_UP:
      return focused < 0 ? 0 : std::max(focused - 1, 0);
    case VK_HOME:
      return 0;
    case VK_END:
      return count - 1;
    default:
      return -1;
  }
}

void KeyDown(HWND list, WPARAM key) {
  NMLVKEYDOWN info{};
  info.wVKey = static_cast<WORD>(key);
  Notify(list, info.hdr, LVN_KEYDOWN);
  if (!IsWindow(list))
    return;
  const int target = KeyTarget(list, key);
  if (target < 0)
    return;
  SelectOnly(list, target);
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(target), FALSE);
}

UINT KeyFlags() {
  UINT flags = 0;
  if (GetKeyState(VK_MENU) < 0)
    flags |= LVKF_ALT;
  if (GetKeyState(VK_CONTROL) < 0)
    flags |= LVKF_CONTROL;
  if (GetKeyState(VK_SHIFT) < 0)
    flags |= LVKF_SHIFT;
  return flags;
}

void Click(HWND list, LPARAM lParam, UINT code) {
  if (GetFocus() != list)
    SetFocus(list);
  const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  const int index = ItemAt(list, point);
  SelectOnly(list, index);
  NMITEMACTIVATE info{};
  info.iItem = index;
  info.ptAction = point;
  info.uKeyFlags = KeyFlags();
  const State &state = StateOf(list);
  if (index >= 0)
    info.lParam = state.items[static_cast<size_t>(index)].param;
  Notify(list, info.hdr, code);
}

template <typename DispInfo, typename Char>
LRESULT NotifyLabel(HWND list, UINT code, int index, Char *text) {
  DispInfo info{};
  info.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  info.item.iItem = index;
  info.item.pszText = text;
  info.item.cchTextMax =
      text != nullptr ? static_cast<int>(std::char_traits<Char>::length(text)) : 0;
  const Item &item = StateOf(list).items[static_cast<size_t>(index)];
  info.item.lParam = item.param;
  info.item.state = item.state;
  return Notify(list, info.hdr, code);
}

// LVN_BEGINLABELEDIT or LVN_ENDLABELEDIT in the parent's text format; a null text ends an edit
// that was cancelled.
LRESULT NotifyLabelEdit(HWND list, bool begin, int index, const std::u16string *text) {
  if (StateOf(list).ansiNotifications) {
    std::string ansi = text != nullptr ? MultiByteFromWide(CP_ACP, *text) : std::string();
    return NotifyLabel<NMLVDISPINFOA>(list, begin ? LVN_BEGINLABELEDITA : LVN_ENDLABELEDITA, index,
                                      text != nullptr ? ansi.data() : nullptr);
  }
  std::u16string wide = text != nullptr ? *text : std::u16string();
  return NotifyLabel<NMLVDISPINFOW>(list, begin ? LVN_BEGINLABELEDITW : LVN_ENDLABELEDITW, index,
                                    text != nullptr ? wide.data() : nullptr);
}

// The label editor: an edit control whose previous procedure is kept in its user data.
LRESULT CALLBACK EditorProc(HWND editor, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(editor, GWLP_USERDATA));
  const HWND list = GetParent(editor);
  const bool editing = list != nullptr && StateOf(list).editor == editor;
  if (editing && msg == WM_GETDLGCODE)
    return DLGC_WANTALLKEYS;
  if (editing && msg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    EndLabelEdit(list, wParam == VK_RETURN);
    return 0;
  }
  if (editing && msg == WM_KILLFOCUS) {
    CallWindowProcW(previous, editor, msg, wParam, lParam);
    EndLabelEdit(list, true);
    return 0;
  }
  return CallWindowProcW(previous, editor, msg, wParam, lParam);
}

}  // namespace

HWND BeginLabelEdit(HWND list, int index) {
  State &state = StateOf(list);
  EndLabelEdit(list, index >= 0);
  if (index < 0 || static_cast<size_t>(index) >= state.items.size())
    return nullptr;
  if (GetFocus() != list)
    SetFocus(list);
  const std::u16string text = TextOf(list, index, 0);
  if (NotifyLabelEdit(list, true, index, &text) != FALSE)
    return nullptr;
  RECT row = RowRect(list, index);
  const int width = state.columns.empty() ? row.right - row.left : state.columns[0].width;
  const HWND editor = CreateWindowExW(
      0, u"Edit", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, row.left,
      row.top, width, row.bottom - row.top, list, nullptr, nullptr, nullptr);
  if (editor == nullptr)
    return nullptr;
  SendMessageW(editor, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
  SetWindowLongPtrW(
      editor, GWLP_USERDATA,
      SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorProc)));
  state.editor = editor;
  state.editedItem = index;
  SetFocus(editor);
  SendMessageW(editor, EM_SETSEL, 0, -1);
  return editor;
}

void EndLabelEdit(HWND list, bool keep) {
  State &state = StateOf(list);
  const HWND editor = state.editor;
  if (editor == nullptr)
    return;
  const int index = state.editedItem;
  state.editor = nullptr;
  state.editedItem = -1;
  const int length = GetWindowTextLengthW(editor);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(editor, text.data(), length + 1)));
  const bool hadFocus = GetFocus() == editor;
  DestroyWindow(editor);
  if (hadFocus)
    SetFocus(list);
  if (index < 0 || static_cast<size_t>(index) >= state.items.size())
    return;
  // The parent keeps the new label by answering TRUE.
  if (NotifyLabelEdit(list, false, index, keep ? &text : nullptr) != FALSE && keep) {
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  }
}

LRESULT HandleInput(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, bool &handled) {
  handled = true;
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      KeyDown(list, wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      NMHDR header{};
      Notify(list, header, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
      InvalidateRect(list, nullptr, TRUE);
      return 0;
    }
    case WM_LBUTTONDOWN:
      Click(list, lParam, NM_CLICK);
      return 0;
    case WM_LBUTTONDBLCLK:
      Click(list, lParam, NM_DBLCLK);
      return 0;
    default:
      handled = false;
      return 0;
  }
}

}  // namespace winplat::controls::listview
