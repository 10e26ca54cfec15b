// The base of the module's dialogs: the code page of their text, the font of their language,
// control texts from the host's string table, small layout operations and help from the host's
// resource module.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "store/text_policy.h"

// A control and the host string that becomes its text.
struct DlgControlText {
  WORD wControlId;
  WORD wStringId;
};

// A host string and the buffer (400 characters) that receives it for the window's title.
struct DlgTitleText {
  WORD wStringId;
  LPWSTR pBuffer;
};

constexpr int DLG_STRING_CHARS = 400;

class BaseDlg {
 public:
  BaseDlg();
  virtual ~BaseDlg() = 0;
  BaseDlg(const BaseDlg &) = delete;
  BaseDlg &operator=(const BaseDlg &) = delete;

  // False when a buffer is missing; otherwise the host string (at most 260 characters) in the
  // wide buffer and, converted with the dialog's code page, in the ANSI buffer of MAX_PATH
  // bytes.
  virtual bool LoadDlgString(UINT stringId, LPWSTR wide, LPSTR ansi);

  void Attach(int dialogResourceId, HWND window, CControlSet *owner);
  // Face, size and character set for the interface language.
  void SelectFont();
  void Localize(HWND window, const DlgControlText *controls, int controlCount,
                const DlgTitleText *titles, int titleCount);

  // Moves the control's right edge by dx and its bottom edge by dy.
  void MoveControl(HWND window, int controlId, int dx, int dy) const;
  RECT ControlRect(HWND window, int controlId) const;
  void EnableControl(HWND window, int controlId, bool enable) const;
  void ShowControl(HWND window, int controlId, bool show) const;

  bool CallSmallHelp(HWND control, int dialogResourceId);
  bool CallBigHelp(const HELPINFO *help, int dialogResourceId);

  // The dialog's platform and code page, for its texts and every A/W call.
  const TextPolicy &Text() const { return m_Text; }
  UINT CodePage() const { return m_Text.CodePage(); }
  WORD PointSize() const { return m_wPointSize; }
  LPCSTR FaceNameA() const { return m_szFaceName; }
  LPCWSTR FaceNameW() const { return m_wszFaceName; }
  BYTE CharSet() const { return m_bCharSet; }
  bool IsAnsi() const { return m_Text.IsAnsi(); }
  WORD Language() const { return m_wLanguage; }
  HFONT Font() const { return m_hFont; }

 protected:
  UIManager *Manager() const;
  int Platform() const;

  HINSTANCE m_hResModule;
  int m_nDialogId;
  CControlSet *m_pOwner;
  HWND m_hWnd;
  ModelInfoRecord *m_pModelInfo;
  TextPolicy m_Text;
  WORD m_wPointSize;
  char m_szFaceName[MAX_PATH];
  WCHAR m_wszFaceName[MAX_PATH];
  BYTE m_bCharSet;
  HFONT m_hFont;
  WORD m_wLanguage;

 private:
  void SetFace(LPCWSTR wide, LPCSTR ansi);
  void CreateDialogFont();
};
