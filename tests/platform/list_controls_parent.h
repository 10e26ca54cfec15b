// A parent window for the list, combo, list view and tree view tests: it records what its
// controls send it and answers their questions as the test configures.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace listtest {

struct Notice {
  UINT code = 0;
  int item = -1;
  UINT changed = 0;
  UINT oldState = 0;
  UINT newState = 0;
  LPARAM param = 0;
  WORD key = 0;
  std::u16string text;  // a label edit's text; u"<null>" for a cancelled edit
};

struct Parent {
  std::vector<Notice> notices;                // WM_NOTIFY, in order
  std::vector<std::pair<int, int>> commands;  // WM_COMMAND: control ID, code
  std::vector<MEASUREITEMSTRUCT> measures;    // WM_MEASUREITEM as received
  std::vector<DRAWITEMSTRUCT> draws;          // WM_DRAWITEM as received
  UINT measuredHeight = 0;                    // the answer to WM_MEASUREITEM (0: leave it)
  LRESULT notifyFormat = 0;                   // the answer to WM_NOTIFYFORMAT (0: default)
  BOOL refuseLabelEdit = FALSE;               // the answer to LVN_BEGINLABELEDIT
  BOOL keepLabel = FALSE;                     // the answer to LVN_ENDLABELEDIT
  HWND window = nullptr;

  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const Notice &notice : notices)
      codes.push_back(notice.code);
    return codes;
  }
};

inline Parent *current = nullptr;

// Owner-drawn rows: selected ones red, the others green, focused ones with a blue left column.
inline void Draw(const DRAWITEMSTRUCT &draw) {
  const COLORREF fill = (draw.itemState & ODS_SELECTED) != 0 ? RGB(255, 0, 0) : RGB(0, 255, 0);
  const HBRUSH brush = CreateSolidBrush(fill);
  FillRect(draw.hDC, &draw.rcItem, brush);
  DeleteObject(brush);
  if ((draw.itemState & ODS_FOCUS) != 0) {
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    const RECT column{draw.rcItem.left, draw.rcItem.top, draw.rcItem.left + 2, draw.rcItem.bottom};
    FillRect(draw.hDC, &column, blue);
    DeleteObject(blue);
  }
}

template <typename Info, typename Char>
void AnswerDispInfo(Info &info, const Char *prefix) {
  // "cb<item>.<subitem>" in the caller's buffer.
  std::basic_string<Char> text(prefix);
  text += static_cast<Char>('0' + info.item.iItem);
  text += static_cast<Char>('.');
  text += static_cast<Char>('0' + info.item.iSubItem);
  const size_t count = std::min<size_t>(text.size(), info.item.cchTextMax - 1);
  std::copy_n(text.c_str(), count, info.item.pszText);
  info.item.pszText[count] = 0;
}

inline LRESULT Notify(Parent &parent, NMHDR *header) {
  Notice notice;
  notice.code = header->code;
  switch (header->code) {
    case LVN_ITEMCHANGED:
    case LVN_DELETEITEM:
    case LVN_INSERTITEM: {
      const auto *info = reinterpret_cast<NMLISTVIEW *>(header);
      notice.item = info->iItem;
      notice.changed = info->uChanged;
      notice.oldState = info->uOldState;
      notice.newState = info->uNewState;
      notice.param = info->lParam;
      break;
    }
    case NM_CLICK:
    case NM_DBLCLK: {
      const auto *info = reinterpret_cast<NMITEMACTIVATE *>(header);
      notice.item = info->iItem;
      notice.param = info->lParam;
      break;
    }
    case LVN_KEYDOWN:
      notice.key = reinterpret_cast<NMLVKEYDOWN *>(header)->wVKey;
      break;
    case LVN_GETDISPINFOW:
      AnswerDispInfo(*reinterpret_cast<NMLVDISPINFOW *>(header), u"cb");
      break;
    case LVN_GETDISPINFOA:
      AnswerDispInfo(*reinterpret_cast<NMLVDISPINFOA *>(header), "ab");
      break;
    case LVN_BEGINLABELEDITW:
    case LVN_ENDLABELEDITW: {
      const auto *info = reinterpret_cast<NMLVDISPINFOW *>(header);
      notice.item = info->item.iItem;
      notice.text = info->item.pszText != nullptr ? info->item.pszText : u"<null>";
      parent.notices.push_back(notice);
      return header->code == LVN_BEGINLABELEDITW ? parent.refuseLabelEdit : parent.keepLabel;
    }
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGINGW:
    case TVN_DELETEITEMW:
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDINGW: {
      const auto *info = reinterpret_cast<NMTREEVIEWW *>(header);
      notice.param = info->itemNew.lParam != 0 ? info->itemNew.lParam : info->itemOld.lParam;
      notice.changed = info->action;
      break;
    }
    default:
      break;
  }
  parent.notices.push_back(notice);
  return 0;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (current == nullptr)
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  Parent &parent = *current;
  switch (msg) {
    case WM_NOTIFY:
      return Notify(parent, reinterpret_cast<NMHDR *>(lParam));
    case WM_NOTIFYFORMAT:
      return parent.notifyFormat;
    case WM_COMMAND:
      parent.commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_MEASUREITEM: {
      auto *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
      parent.measures.push_back(*measure);
      if (parent.measuredHeight != 0)
        measure->itemHeight = parent.measuredHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto *draw = reinterpret_cast<DRAWITEMSTRUCT *>(lParam);
      parent.draws.push_back(*draw);
      Draw(*draw);
      return TRUE;
    }
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

// Creates the parent window (a visible top-level window at the screen's origin) and makes it
// the one ParentProc records for.
inline HWND CreateParent(Parent &parent) {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.lpszClassName = u"ListControlsTestParent";
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    return RegisterClassW(&windowClass) != 0;
  }();
  EXPECT_TRUE(registered);
  current = &parent;
  parent.window = CreateWindowExW(0, u"ListControlsTestParent", u"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  400, 300, nullptr, nullptr, nullptr, nullptr);
  return parent.window;
}

inline HWND CreateChild(const Parent &parent, const char16_t *className, DWORD style, int id,
                        RECT bounds) {
  return CreateWindowExW(0, className, u"", WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, parent.window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline void Press(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  Pump();
}

// The colour of one pixel of a window's rendering, in the window's own coordinates.
inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  const COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return color;
}

}  // namespace listtest
