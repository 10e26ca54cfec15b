// The settings-information dialog: a modal dialog over the page that opened it, listing the
// driver's current settings as a tree, one node per page of the driver with a node per setting
// under it, and the driver's build. It reads the host and the current settings and changes
// nothing.
#pragma once

#include <windows.h>

#include <memory>

#include "abi/host_interfaces.h"
#include "abi/private_blocks.h"
#include "abi/host_records.h"
#include "describe/settings_info_text.h"
#include "store/page_context.h"

class SettingsInfoDialog {
 public:
  // Becomes the dialog that the dialog procedure attaches to a window without one.
  SettingsInfoDialog();
  virtual ~SettingsInfoDialog();  // 0
  SettingsInfoDialog(const SettingsInfoDialog &) = delete;
  SettingsInfoDialog &operator=(const SettingsInfoDialog &) = delete;

  virtual INT_PTR OnInitDialog(HWND window, WPARAM wParam, LPARAM lParam);  // 1
  virtual INT_PTR OnDestroy(HWND window, WPARAM wParam, LPARAM lParam);     // 2
  virtual INT_PTR OnCommand(HWND window, WPARAM wParam, LPARAM lParam);     // 3
  virtual void OnOK();                                                      // 4

  // Shows the dialog over `parent` (whose instance holds the dialog templates) for the page's
  // current main block, on the page's platform; the dialog asks the page's UIManager for the
  // rest. `pageNumber` is the opening page's number. The dialog's result: 1 for OK, 2 for
  // Cancel, -1 when it could not be shown.
  INT_PTR RunSettingsInfo(HWND parent, const ProfilePageContext &page, WORD pageNumber);

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CaptureHostRecords();
  void ShowInfoHelp(HWND window) const;

  UIManager *m_pManager;
  const pdMain *m_pMainBlock;
  ModelInfoRecord *m_pModel;
  ModelCapabilitiesRecord *m_pCaps;
  const DEVMODEW *m_pDevMode;
  const void *m_pPrologue;
  const void *m_pWatermark;
  HWND m_hParent;
  HINSTANCE m_hResources;
  WORD m_wOpenedFrom;
  std::unique_ptr<InfoText> m_pText;
};
