// The text policy's window, dialog, list-view and drawing calls.
#include <string.h>

#include <windows.h>
#include <commctrl.h>

#include "store/text_policy.h"

bool TextPolicy::SetText(HWND window, const DualText &text) const {
  return (m_bAnsi ? SetWindowTextA(window, text.text.c_str())
                  : SetWindowTextW(window, text.wide.c_str())) != FALSE;
}

bool TextPolicy::SetItemText(HWND dialog, int controlId, const DualText &text) const {
  return (m_bAnsi ? SetDlgItemTextA(dialog, controlId, text.text.c_str())
                  : SetDlgItemTextW(dialog, controlId, text.wide.c_str())) != FALSE;
}

void TextPolicy::PostCommand(HWND window, int controlId) const {
  if (m_bAnsi)
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(controlId), 0);
  else
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(controlId), 0);
}

HWND TextPolicy::CreateModeless(HINSTANCE resources, int templateId, HWND parent,
                                DLGPROC procedure) const {
  if (m_bAnsi)
    return CreateDialogParamA(resources, MAKEINTRESOURCEA(templateId), parent, procedure, 0);
  return CreateDialogParamW(resources, MAKEINTRESOURCEW(templateId), parent, procedure, 0);
}

INT_PTR TextPolicy::RunModal(HINSTANCE resources, int templateId, HWND parent,
                             DLGPROC procedure) const {
  if (m_bAnsi)
    return DialogBoxParamA(resources, MAKEINTRESOURCEA(templateId), parent, procedure, 0);
  return DialogBoxParamW(resources, MAKEINTRESOURCEW(templateId), parent, procedure, 0);
}

void TextPolicy::Subclass(HWND window, WNDPROC ansiProcedure, WNDPROC wideProcedure) const {
  if (window == nullptr)
    return;
  if (m_bAnsi) {
    const LONG_PTR previous =
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ansiProcedure));
    SetWindowLongPtrA(window, GWLP_USERDATA, previous);
  } else {
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wideProcedure));
    SetWindowLongPtrW(window, GWLP_USERDATA, previous);
  }
}

LRESULT TextPolicy::CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (m_bAnsi)
    return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA)),
                           window, message, wParam, lParam);
  return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA)),
                         window, message, wParam, lParam);
}

HFONT TextPolicy::NewFont(int height, BYTE charSet, const DualText &face) const {
  if (m_bAnsi)
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_TT_PRECIS,
                       CLIP_EMBEDDED, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face.text.c_str());
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_TT_PRECIS,
                     CLIP_EMBEDDED, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.wide.c_str());
}

int TextPolicy::InsertListItem(HWND list, int row, const DualText &text, int image) const {
  if (m_bAnsi) {
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<LPSTR>(text.text.c_str());
    item.iImage = image;
    return static_cast<int>(
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  }
  LVITEMW item;
  memset(&item, 0, sizeof item);
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.pszText = const_cast<LPWSTR>(text.wide.c_str());
  item.iImage = image;
  return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

DualText TextPolicy::ListItemText(HWND list, int row) const {
  if (m_bAnsi) {
    char text[MAX_PATH] = {};
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return FromText(text);
  }
  WCHAR wide[MAX_PATH] = {};
  LVITEMW item;
  memset(&item, 0, sizeof item);
  item.pszText = wide;
  item.cchTextMax = MAX_PATH;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return FromWide(wide);
}

void TextPolicy::InsertListColumn(HWND list, int column, int width, const DualText &title) const {
  if (m_bAnsi) {
    LVCOLUMNA entry;
    memset(&entry, 0, sizeof entry);
    entry.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    entry.cx = width;
    entry.pszText = const_cast<LPSTR>(title.text.c_str());
    entry.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&entry));
    return;
  }
  LVCOLUMNW entry;
  memset(&entry, 0, sizeof entry);
  entry.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  entry.cx = width;
  entry.pszText = const_cast<LPWSTR>(title.wide.c_str());
  entry.iSubItem = column;
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(&entry));
}

int TextPolicy::TextHeight(HDC dc) const {
  if (m_bAnsi) {
    TEXTMETRICA metrics;
    return GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : 0;
  }
  TEXTMETRICW metrics;
  return GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
}

void TextPolicy::DrawOpaqueText(HDC dc, int x, int y, const RECT &clip,
                                const DualText &text) const {
  if (m_bAnsi)
    ExtTextOutA(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &clip, text.text.c_str(),
                static_cast<UINT>(text.text.size()), nullptr);
  else
    ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &clip, text.wide.c_str(),
                static_cast<UINT>(text.wide.size()), nullptr);
}

void TextPolicy::DrawTextInRect(HDC dc, const DualText &text, RECT *rect, UINT format) const {
  if (m_bAnsi)
    DrawTextA(dc, text.text.c_str(), -1, rect, format);
  else
    DrawTextW(dc, text.wide.c_str(), -1, rect, format);
}
