// The edit control: single- and multi-line text typed through WM_CHAR, a selection, a text limit
// that binds typing and EM_REPLACESEL but not WM_SETTEXT, and EN_* notifications to the parent.
#include <algorithm>

#include "controls_common.h"

namespace {

using namespace winplat::controls;

// The limit of a new edit control, as EM_GETLIMITTEXT reports it before any EM_LIMITTEXT.
constexpr size_t kInitialLimit = 30000;
constexpr size_t kSingleLineMaximum = 0x7FFFFFFE;
constexpr size_t kMultiLineMaximum = 0xFFFFFFFF;
// MessageBeep's "simple beep" (the speaker, not a sound), which has no MB_ name.
constexpr UINT kSimpleBeep = 0xFFFFFFFF;

struct EditState {
  size_t limit = kInitialLimit;
  size_t selStart = 0;
  size_t selEnd = 0;
};

DWORD StyleOf(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

bool IsMultiLine(HWND hwnd) {
  return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

std::u16string &TextOf(HWND hwnd) {
  return winplat::user::Find(hwnd)->text;
}

void Changed(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  winplat::user::NotifyParent(hwnd, EN_UPDATE);
  winplat::user::NotifyParent(hwnd, EN_CHANGE);
}

// Replaces the selection with as much of `insert` as the limit allows; EN_MAXTEXT when cut.
void ReplaceSelection(HWND hwnd, std::u16string_view insert) {
  EditState &state = StateOf<EditState>(hwnd);
  std::u16string &text = TextOf(hwnd);
  const size_t kept = text.size() - (state.selEnd - state.selStart);
  const size_t room = state.limit > kept ? state.limit - kept : 0;
  if (insert.size() > room) {
    insert = insert.substr(0, room);
    winplat::user::NotifyParent(hwnd, EN_MAXTEXT);
    if (insert.empty())
      return;
  }
  text.replace(state.selStart, state.selEnd - state.selStart, insert);
  state.selStart += insert.size();
  state.selEnd = state.selStart;
  Changed(hwnd);
}

void DeleteAround(HWND hwnd, bool before) {
  EditState &state = StateOf<EditState>(hwnd);
  std::u16string &text = TextOf(hwnd);
  if (state.selStart == state.selEnd) {
    if (before && state.selStart > 0)
      --state.selStart;
    else if (!before && state.selEnd < text.size())
      ++state.selEnd;
    else
      return;
  }
  text.erase(state.selStart, state.selEnd - state.selStart);
  state.selEnd = state.selStart;
  Changed(hwnd);
}

char16_t Cased(HWND hwnd, char16_t c) {
  const DWORD style = StyleOf(hwnd);
  if ((style & ES_UPPERCASE) != 0 && c >= u'a' && c <= u'z')
    return static_cast<char16_t>(c - u'a' + u'A');
  if ((style & ES_LOWERCASE) != 0 && c >= u'A' && c <= u'Z')
    return static_cast<char16_t>(c - u'A' + u'a');
  return c;
}

void Type(HWND hwnd, WPARAM character) {
  if ((StyleOf(hwnd) & ES_READONLY) != 0)
    return;
  const auto c = static_cast<char16_t>(character);
  if (c == 0x08) {
    DeleteAround(hwnd, true);
  } else if (c == u'\r') {
    if (IsMultiLine(hwnd))
      ReplaceSelection(hwnd, u"\r\n");
  } else if (c >= 0x20) {
    if ((StyleOf(hwnd) & ES_NUMBER) != 0 && (c < u'0' || c > u'9')) {
      MessageBeep(kSimpleBeep);
      return;
    }
    const char16_t typed = Cased(hwnd, c);
    ReplaceSelection(hwnd, std::u16string_view(&typed, 1));
  }
}

void MoveCaret(HWND hwnd, WPARAM key) {
  EditState &state = StateOf<EditState>(hwnd);
  const size_t size = TextOf(hwnd).size();
  size_t caret = state.selEnd;
  if (key == VK_LEFT)
    caret = state.selStart == state.selEnd && caret > 0 ? caret - 1 : state.selStart;
  else if (key == VK_RIGHT)
    caret = state.selStart == state.selEnd && caret < size ? caret + 1 : state.selEnd;
  else if (key == VK_HOME)
    caret = 0;
  else if (key == VK_END)
    caret = size;
  state.selStart = state.selEnd = caret;
}

void KeyDown(HWND hwnd, WPARAM key) {
  if (key == VK_DELETE && (StyleOf(hwnd) & ES_READONLY) == 0)
    DeleteAround(hwnd, false);
  else
    MoveCaret(hwnd, key);
}

// EM_SETSEL: a start of -1 removes the selection, an end of -1 (or past the text) means its end.
void SetSelection(HWND hwnd, WPARAM start, LPARAM end) {
  EditState &state = StateOf<EditState>(hwnd);
  const size_t size = TextOf(hwnd).size();
  if (static_cast<INT_PTR>(start) == -1) {
    state.selStart = state.selEnd;
    return;
  }
  const size_t from = std::min<size_t>(start, size);
  const size_t to = end < 0 ? size : std::min<size_t>(static_cast<size_t>(end), size);
  state.selStart = std::min(from, to);
  state.selEnd = std::max(from, to);
}

LRESULT GetSelection(HWND hwnd, WPARAM start, LPARAM end) {
  const EditState &state = StateOf<EditState>(hwnd);
  if (start != 0)
    *reinterpret_cast<DWORD *>(start) = static_cast<DWORD>(state.selStart);
  if (end != 0)
    *reinterpret_cast<DWORD *>(end) = static_cast<DWORD>(state.selEnd);
  return MAKELONG(std::min<size_t>(state.selStart, 0xFFFF), std::min<size_t>(state.selEnd, 0xFFFF));
}

void SetLimit(HWND hwnd, WPARAM limit) {
  const size_t maximum = IsMultiLine(hwnd) ? kMultiLineMaximum : kSingleLineMaximum;
  StateOf<EditState>(hwnd).limit = limit == 0 ? maximum : std::min<size_t>(limit, maximum);
}

LRESULT SetText(HWND hwnd, LPARAM lParam) {
  DefWindowProcW(hwnd, WM_SETTEXT, 0, lParam);
  EditState &state = StateOf<EditState>(hwnd);
  state.selStart = state.selEnd = 0;
  InvalidateRect(hwnd, nullptr, TRUE);
  if (!IsMultiLine(hwnd)) {
    winplat::user::NotifyParent(hwnd, EN_UPDATE);
    winplat::user::NotifyParent(hwnd, EN_CHANGE);
  }
  return TRUE;
}

void Paint(HWND hwnd) {
  const PaintScope paint(hwnd);
  if (paint.dc() == nullptr)
    return;
  const DWORD style = StyleOf(hwnd);
  const bool grey = !IsWindowEnabled(hwnd) || (style & ES_READONLY) != 0;
  FillColor(paint.dc(), paint.client(), grey ? COLOR_BTNFACE : COLOR_WINDOW);
  SetTextColor(paint.dc(), GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  std::u16string text = TextOf(hwnd);
  if ((style & ES_PASSWORD) != 0)
    text.assign(text.size(), u'*');
  RECT area{paint.client().left + 1, paint.client().top + 1, paint.client().right - 1,
            paint.client().bottom};
  const UINT format = DT_NOPREFIX | (IsMultiLine(hwnd) ? 0 : DT_SINGLELINE);
  DrawTextW(paint.dc(), text.c_str(), static_cast<int>(text.size()), &area, format);
}

LRESULT DialogCode(HWND hwnd) {
  const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  return IsMultiLine(hwnd) ? code | DLGC_WANTALLKEYS : code;
}

}  // namespace

namespace winplat::controls {

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFont(hwnd, msg, wParam, lParam, result))
    return result;
  switch (msg) {
    case WM_CHAR:
      Type(hwnd, wParam);
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, wParam);
      return 0;
    case WM_SETTEXT:
      return SetText(hwnd, lParam);
    case EM_REPLACESEL:
      ReplaceSelection(hwnd, lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : u"");
      return 0;
    case EM_SETSEL:
      SetSelection(hwnd, wParam, lParam);
      return 0;
    case EM_GETSEL:
      return GetSelection(hwnd, wParam, lParam);
    case EM_LIMITTEXT:
      SetLimit(hwnd, wParam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(StateOf<EditState>(hwnd).limit);
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_SETFOCUS:
      winplat::user::NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      winplat::user::NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    default:
      return CommonControlMessage(hwnd, msg, wParam, lParam, Paint);
  }
}

}  // namespace winplat::controls
