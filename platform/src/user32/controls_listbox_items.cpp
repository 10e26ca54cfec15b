// The items shared by the list box and the combo box, owner drawing, and ANSI item texts.
#include <winbase.h>
#include <winnls.h>
#include <winuser.h>

#include <algorithm>
#include <cstring>

#include "controls_listbox.h"
#include "winplat/text.h"

namespace winplat::controls::lists {

namespace {

std::u16string Upper(std::u16string text) {
  CharUpperW(text.data());
  return text;
}

}  // namespace

int Items::Add(LPARAM lParam) {
  Entry entry;
  if (hasStrings)
    entry.text =
        reinterpret_cast<LPCWSTR>(lParam) != nullptr ? reinterpret_cast<LPCWSTR>(lParam) : u"";
  else
    entry.data = static_cast<ULONG_PTR>(lParam);
  auto at = entries.end();
  if (sorted && hasStrings) {
    at = std::find_if(entries.begin(), entries.end(), [&](const Entry &other) {
      return lstrcmpiW(entry.text.c_str(), other.text.c_str()) < 0;
    });
  }
  const auto index = at - entries.begin();
  entries.insert(at, std::move(entry));
  return static_cast<int>(index);
}

int Items::Insert(int index, LPARAM lParam) {
  if (index < -1 || index > static_cast<int>(entries.size()))
    return -1;
  Entry entry;
  if (hasStrings)
    entry.text =
        reinterpret_cast<LPCWSTR>(lParam) != nullptr ? reinterpret_cast<LPCWSTR>(lParam) : u"";
  else
    entry.data = static_cast<ULONG_PTR>(lParam);
  const size_t at = index == -1 ? entries.size() : static_cast<size_t>(index);
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
  return static_cast<int>(at);
}

int Items::Find(int start, LPARAM lParam, bool exact) const {
  const int count = static_cast<int>(entries.size());
  const std::u16string wanted =
      hasStrings && lParam != 0 ? Upper(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
  const int first = start < 0 || start >= count ? 0 : start + 1;
  for (int n = 0; n < count; ++n) {
    const int i = (first + n) % count;
    const Entry &entry = entries[static_cast<size_t>(i)];
    if (!hasStrings) {
      if (entry.data == static_cast<ULONG_PTR>(lParam))
        return i;
      continue;
    }
    const std::u16string text = Upper(entry.text);
    if (exact ? text == wanted : text.starts_with(wanted))
      return i;
  }
  return -1;
}

LRESULT Items::CopyText(WPARAM index, LPARAM buffer) const {
  if (!Valid(index) || buffer == 0)
    return -1;
  const Entry &entry = entries[index];
  if (!hasStrings) {
    std::memcpy(reinterpret_cast<void *>(buffer), &entry.data, sizeof(entry.data));
    return sizeof(entry.data);
  }
  auto *out = reinterpret_cast<LPWSTR>(buffer);
  std::copy(entry.text.begin(), entry.text.end(), out);
  out[entry.text.size()] = u'\0';
  return static_cast<LRESULT>(entry.text.size());
}

LRESULT Items::Answer(Query query, WPARAM wParam, LPARAM lParam) {
  switch (query) {
    case Query::Count:
      return static_cast<LRESULT>(entries.size());
    case Query::Text:
      return CopyText(wParam, lParam);
    case Query::TextLength:
      return TextLength(wParam);
    case Query::Find:
    case Query::FindExact:
      return Find(static_cast<int>(wParam), lParam, query == Query::FindExact);
    case Query::GetData:
      return Valid(wParam) ? static_cast<LRESULT>(entries[wParam].data) : -1;
    case Query::SetData:
      if (!Valid(wParam))
        return -1;
      entries[wParam].data = static_cast<ULONG_PTR>(lParam);
      return TRUE;
  }
  return -1;
}

LRESULT Items::TextLength(WPARAM index) const {
  if (!Valid(index))
    return -1;
  return hasStrings ? static_cast<LRESULT>(entries[index].text.size()) : sizeof(ULONG_PTR);
}

bool HasStrings(DWORD style, DWORD ownerDrawStyles, DWORD hasStringsStyle) {
  return (style & ownerDrawStyles) == 0 || (style & hasStringsStyle) != 0;
}

int MeasureItem(HWND control, UINT type, UINT itemId, int height, ULONG_PTR data) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = type;
  measure.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  measure.itemID = itemId;
  measure.itemHeight = static_cast<UINT>(height);
  measure.itemData = data;
  const HWND parent = GetParent(control);
  if (parent != nullptr)
    SendMessageW(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
  return static_cast<int>(measure.itemHeight);
}

void DrawItem(HWND control, UINT type, HDC dc, UINT itemId, UINT action, UINT state,
              const RECT &rect, ULONG_PTR data) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = type;
  draw.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  draw.itemID = itemId;
  draw.itemAction = action;
  draw.itemState = state | (IsWindowEnabled(control) ? 0 : ODS_DISABLED);
  draw.hwndItem = control;
  draw.hDC = dc;
  draw.rcItem = rect;
  draw.itemData = data;
  const HWND parent = GetParent(control);
  if (parent != nullptr)
    SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

void NoteDeleted(HWND control, UINT type, bool ownerDrawn, UINT itemId, ULONG_PTR data) {
  if (!ownerDrawn && data == 0)
    return;
  DELETEITEMSTRUCT note{};
  note.CtlType = type;
  note.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  note.itemID = itemId;
  note.hwndItem = control;
  note.itemData = data;
  const HWND parent = GetParent(control);
  if (parent != nullptr)
    SendMessageW(parent, WM_DELETEITEM, note.CtlID, reinterpret_cast<LPARAM>(&note));
}

void PaintPlainItem(HDC dc, const RECT &rect, const std::u16string &text, bool selected,
                    bool focused) {
  FillColor(dc, rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT area{rect.left + 2, rect.top, rect.right, rect.bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (focused)
    DrawFocusRect(dc, &rect);
}

}  // namespace winplat::controls::lists

namespace winplat::controls {

namespace {

enum class TextUse { None, In, Out, Length };

TextUse UseOf(bool listBox, UINT msg) {
  if (listBox) {
    switch (msg) {
      case LB_ADDSTRING:
      case LB_INSERTSTRING:
      case LB_FINDSTRING:
      case LB_FINDSTRINGEXACT:
        return TextUse::In;
      case LB_GETTEXT:
        return TextUse::Out;
      case LB_GETTEXTLEN:
        return TextUse::Length;
      default:
        return TextUse::None;
    }
  }
  switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING:
      return TextUse::In;
    case CB_GETLBTEXT:
      return TextUse::Out;
    case CB_GETLBTEXTLEN:
      return TextUse::Length;
    default:
      return TextUse::None;
  }
}

// The item's text through the wide procedure, in the ANSI code page.
std::string AnsiItemText(user::Window &window, bool listBox, WPARAM index) {
  const LRESULT length =
      window.proc(window.handle, listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0);
  if (length < 0)
    return {};
  std::u16string wide(static_cast<size_t>(length) + 1, u'\0');
  const LRESULT copied = window.proc(window.handle, listBox ? LB_GETTEXT : CB_GETLBTEXT, index,
                                     reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  return MultiByteFromWide(CP_ACP, wide);
}

}  // namespace

bool ListTextFromAnsi(user::Window &window, UINT msg, WPARAM wParam, LPARAM lParam,
                      LRESULT &result) {
  const std::u16string &name = window.windowClass->name;
  const bool listBox = lstrcmpiW(name.c_str(), u"ListBox") == 0;
  const bool comboBox = lstrcmpiW(name.c_str(), u"ComboBox") == 0;
  if (!listBox && !comboBox)
    return false;
  const bool strings =
      listBox ? lists::HasStrings(window.style, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE,
                                  LBS_HASSTRINGS)
              : lists::HasStrings(window.style, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE,
                                  CBS_HASSTRINGS);
  const TextUse use = UseOf(listBox, msg);
  if (!strings || use == TextUse::None)
    return false;
  switch (use) {
    case TextUse::In: {
      const std::u16string wide =
          lParam != 0 ? WideFromMultiByte(CP_ACP, reinterpret_cast<LPCSTR>(lParam)) : u"";
      result = window.proc(window.handle, msg, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
      return true;
    }
    case TextUse::Out: {
      const LRESULT valid =
          window.proc(window.handle, listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, wParam, 0);
      if (valid < 0 || lParam == 0) {
        result = -1;
        return true;
      }
      // The caller sized its buffer with the ANSI length (LB_GETTEXTLEN / CB_GETLBTEXTLEN).
      const std::string text = AnsiItemText(window, listBox, wParam);
      std::memcpy(reinterpret_cast<char *>(lParam), text.c_str(), text.size() + 1);
      result = static_cast<LRESULT>(text.size());
      return true;
    }
    default: {
      const LRESULT valid = window.proc(window.handle, msg, wParam, 0);
      result =
          valid < 0 ? valid : static_cast<LRESULT>(AnsiItemText(window, listBox, wParam).size());
      return true;
    }
  }
}

}  // namespace winplat::controls
