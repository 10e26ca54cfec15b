// The profile-properties dialog (template 108): the name, description, icon and icon colour of
// one profile. It edits a profile header the caller owns and writes into it only when the user
// ends the dialog with OK.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "abi/host_interfaces.h"
#include "abi/profile_records.h"
#include "page/base_dlg.h"
#include "page/profile_colors.h"
#include "store/text_policy.h"

class ProfileList;

class ProfilePropertiesDialog final : public BaseDlg {
 public:
  ProfilePropertiesDialog();
  ~ProfilePropertiesDialog() override = default;

  // Runs the dialog over `parent` for `header`, whose texts are in `codePage`; `list` is the
  // page's, whose built-in profile's name cannot be taken. 1 after OK, 0 otherwise.
  INT_PTR DoModal(HWND parent, CControlSet *owner, ProfileHeader *header, UINT codePage,
                  const ProfileList *list);

 private:
  struct MessageRoute {
    UINT message;
    INT_PTR (ProfilePropertiesDialog::*handler)(WPARAM wParam, LPARAM lParam);
  };
  static const MessageRoute kMessageRoutes[];
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  INT_PTR OnInitDialog(WPARAM wParam, LPARAM lParam);
  INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
  INT_PTR OnMeasureItem(WPARAM wParam, LPARAM lParam);
  INT_PTR OnDrawItem(WPARAM wParam, LPARAM lParam);
  INT_PTR OnDestroy(WPARAM wParam, LPARAM lParam);
  INT_PTR OnHelp(WPARAM wParam, LPARAM lParam);
  INT_PTR OnContextMenu(WPARAM wParam, LPARAM lParam);

  // Steps of WM_INITDIALOG.
  void InitControls();
  void ShowHeader();
  void FillColorBox();
  void SetTitle();
  void WidenColorBoxForBulgarian();

  void OnNameChanged();
  void ChooseCustomColor();
  void OnOk();
  void OnCancel();
  HWND Item(int controlId) const { return GetDlgItem(m_hWnd, controlId); }

  ProfileHeader *m_pHeader;
  const ProfileList *m_pList;
  // The caller's code page, for the header's name and description.
  TextPolicy m_HeaderText;
  std::string m_strName;
  std::string m_strDescription;
  int m_nIcon;
  COLORREF m_rgbColor;
  std::array<DualText, PROFILE_COLOR_COUNT> m_ColorNames;
  INT_PTR m_nResult;
  WCHAR m_wszTitle[DLG_STRING_CHARS];
};
