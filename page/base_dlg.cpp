// The dialog base: code page, font, localization, layout and help.
#include "page/base_dlg.h"

#include <string.h>

#include "abi/wide.h"
#include "page/dialog_help.h"
#include "page/page_language.h"

namespace {

void CopyWideText(LPWSTR target, LPCWSTR source, int capacity) {
  int i = 0;
  for (; source[i] != 0 && i < capacity - 1; ++i)
    target[i] = source[i];
  target[i] = 0;
}

}  // namespace

BaseDlg::BaseDlg()
    : m_hResModule(nullptr),
      m_nDialogId(0),
      m_pOwner(nullptr),
      m_hWnd(nullptr),
      m_pModelInfo(nullptr),
      m_Text(TextPolicy::ForDialogs(false)),
      m_wPointSize(8),
      m_szFaceName{},
      m_wszFaceName{},
      m_bCharSet(DEFAULT_CHARSET),
      m_hFont(nullptr),
      m_wLanguage(LANG_BYTE_ENGLISH) {}

BaseDlg::~BaseDlg() {
  if (m_hFont != nullptr)
    DeleteObject(m_hFont);
}

bool BaseDlg::LoadDlgString(UINT stringId, LPWSTR wide, LPSTR ansi) {
  if (wide == nullptr || ansi == nullptr)
    return false;
  wide[0] = 0;
  if (UIManager *manager = Manager())
    manager->LoadResString(stringId, wide, MAX_PATH, 0, 0, 0);
  wide[MAX_PATH - 1] = 0;
  m_Text.ToText(ansi, MAX_PATH, wide);
  return true;
}

void BaseDlg::Attach(int dialogResourceId, HWND window, CControlSet *owner) {
  m_nDialogId = dialogResourceId;
  m_hWnd = window;
  m_pOwner = owner;
  UIManager *manager = Manager();
  m_pModelInfo = manager != nullptr ? manager->GetModelInfo() : nullptr;
  m_hResModule = manager != nullptr ? manager->GetResourceInstance() : nullptr;
}

UIManager *BaseDlg::Manager() const {
  return m_pOwner != nullptr ? m_pOwner->GetUIManager() : nullptr;
}

int BaseDlg::Platform() const {
  DriverContext *context = m_pOwner != nullptr ? m_pOwner->GetDriverContext() : nullptr;
  return context != nullptr ? context->GetPlatform() : 0;
}

void BaseDlg::SetFace(LPCWSTR wide, LPCSTR ansi) {
  CopyWideText(m_wszFaceName, wide, MAX_PATH);
  if (ansi != nullptr)
    lstrcpynA(m_szFaceName, ansi, MAX_PATH);
  else
    m_Text.ToText(m_szFaceName, MAX_PATH, m_wszFaceName);
}

void BaseDlg::SelectFont() {
  UIManager *manager = Manager();
  m_wLanguage =
      ResolveLanguage(manager != nullptr ? manager->GetLanguage() : m_wLanguage, m_pModelInfo);
  const int platform = Platform();
  m_Text = TextPolicy::ForDialogs(platform == HOST_PLATFORM_ANSI);
  // The ANSI platform knows the default face as "Sans Serif"; the other names are the wide
  // names in the dialog's code page.
  LPCSTR defaultAnsiFace = m_Text.IsAnsi() ? "Sans Serif" : nullptr;
  switch (LanguageByte(m_wLanguage)) {
    case LANG_BYTE_JAPANESE:
      m_bCharSet = SHIFTJIS_CHARSET;
      m_wPointSize = 9;
      SetFace(WSTR("Ms UI Gothic"), nullptr);
      break;
    case LANG_BYTE_KOREAN:
      m_bCharSet = HANGUL_CHARSET;
      m_wPointSize = 9;
      SetFace(WSTR("Gulim"), nullptr);
      break;
    case LANG_BYTE_SIMPLIFIED_CHINESE:
      m_bCharSet = GB2312_CHARSET;
      m_wPointSize = 9;
      SetFace(WSTR("Simsun"), nullptr);
      break;
    case LANG_BYTE_TRADITIONAL_CHINESE:
      m_bCharSet = CHINESEBIG5_CHARSET;
      m_wPointSize = 9;
      SetFace(WSTR("PMingliu"), nullptr);
      break;
    case LANG_BYTE_ENGLISH:
      m_bCharSet = DEFAULT_CHARSET;
      m_wPointSize = 8;
      SetFace(platform == HOST_PLATFORM_NT4 ? WSTR("MS Sans Serif") : WSTR("Microsoft Sans Serif"),
              defaultAnsiFace);
      break;
    default:
      m_bCharSet = DEFAULT_CHARSET;
      m_wPointSize = 8;
      SetFace(WSTR("Microsoft Sans Serif"), defaultAnsiFace);
      break;
  }
}

void BaseDlg::CreateDialogFont() {
  if (m_hFont != nullptr)
    return;
  m_hFont =
      m_Text.NewFont(FontHeightForPoints(m_wPointSize), m_bCharSet, {m_szFaceName, m_wszFaceName});
}

void BaseDlg::Localize(HWND window, const DlgControlText *controls, int controlCount,
                       const DlgTitleText *titles, int titleCount) {
  SelectFont();
  UIManager *manager = Manager();
  for (int i = 0; i < controlCount; ++i) {
    const DualText text = m_Text.LoadHostString(manager, controls[i].wStringId, DLG_STRING_CHARS);
    if (m_wPointSize == 9)
      MoveControl(window, controls[i].wControlId, 0, 2);
    CreateDialogFont();
    HWND control = GetDlgItem(window, controls[i].wControlId);
    if (control == nullptr)
      continue;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
    m_Text.SetText(control, text);
  }
  for (int i = 0; i < titleCount; ++i) {
    if (titles[i].pBuffer == nullptr)
      continue;
    titles[i].pBuffer[0] = 0;
    if (manager != nullptr)
      manager->LoadResString(titles[i].wStringId, titles[i].pBuffer, DLG_STRING_CHARS, 0, 0, 0);
    titles[i].pBuffer[DLG_STRING_CHARS - 1] = 0;
    CreateDialogFont();
    m_Text.SetText(window, m_Text.FromWide(titles[i].pBuffer));
  }
}

void BaseDlg::MoveControl(HWND window, int controlId, int dx, int dy) const {
  HWND control = GetDlgItem(window, controlId);
  if (control == nullptr)
    return;
  RECT rect = ControlRect(window, controlId);
  MoveWindow(control, rect.left, rect.top, rect.right - rect.left + dx, rect.bottom - rect.top + dy,
             TRUE);
}

RECT BaseDlg::ControlRect(HWND window, int controlId) const {
  RECT rect = {0, 0, 0, 0};
  HWND control = GetDlgItem(window, controlId);
  if (control == nullptr)
    return rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

void BaseDlg::EnableControl(HWND window, int controlId, bool enable) const {
  if (HWND control = GetDlgItem(window, controlId))
    EnableWindow(control, enable ? TRUE : FALSE);
}

void BaseDlg::ShowControl(HWND window, int controlId, bool show) const {
  if (HWND control = GetDlgItem(window, controlId))
    ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

bool BaseDlg::CallSmallHelp(HWND control, int dialogResourceId) {
  return ::CallSmallHelp(m_hResModule, control, dialogResourceId, m_pOwner);
}

bool BaseDlg::CallBigHelp(const HELPINFO *help, int dialogResourceId) {
  return ::CallBigHelp(m_hResModule, help, dialogResourceId, m_pOwner,
                       Platform() == HOST_PLATFORM_ANSI);
}
