// The page's profile list view (1149), the enable rules of its buttons, its notifications, the
// settings summary of the selected profile (1074 and 1037) and the refresh the host asks for.
#include <string.h>

#include "apply/apply_profile.h"
#include "apply/convert_settings.h"
#include "apply/restore_settings.h"
#include "describe/profile_summary.h"
#include "describe/summary_list.h"
#include "abi/devmode_view.h"
#include "abi/wide.h"
#include "abi/resource_ids.h"
#include "page/profile_page.h"
#include "store/profile_list.h"

namespace {

constexpr int kNarrowColumnWidth = 230;  // from 7 rows on, room for the scroll bar
constexpr int kNarrowFromRows = 7;
// wParam of the host's refresh request, sent as WM_KEYDOWN.
constexpr WPARAM kRefreshProfiles = 7;

}  // namespace

DriverContext *ProfilePage::GetDriverContext() const {
  return m_pOwner != nullptr ? m_pOwner->GetDriverContext() : nullptr;
}

bool ProfilePage::ConvertDevMode(BYTE *devMode, size_t size) {
  return ::ConvertDevMode(*this, devMode, size);
}

// The restoration works on a copy the size of the larger of the stored and the current
// DEVMODE; the result has the current DEVMODE's size, which the caller's buffer holds.
void ProfilePage::RestoreDevMode(DEVMODEW *devMode, int regNum, bool restoreMedia) {
  if (devMode == nullptr || m_pDevMode == nullptr)
    return;
  const BYTE *own = CompleteDevModeBytes(devMode).data();
  const size_t ownSize = CompleteDevModeBytes(devMode).size();
  const size_t current = CompleteDevModeBytes(m_pDevMode).size();
  std::vector<BYTE> work(own, own + (ownSize > current ? ownSize : current));
  if (!::RestoreDevMode(*this, work, regNum, restoreMedia))
    return;
  memcpy(devMode, work.data(), work.size() < current ? work.size() : current);
}

bool ProfilePage::ApplyProfileDevMode(LPCSTR profileName) {
  return ::ApplyProfileDevMode(*this, profileName);
}

int ProfilePage::InsertListItem(LPCSTR profileName, int image) {
  if (m_hProfileList == nullptr || profileName == nullptr)
    return -1;
  ProfileNode *node = m_pProfileList != nullptr ? m_pProfileList->Find(profileName) : nullptr;
  if (node != nullptr && node->header.nProfRegNum == 0) {
    m_Text.CopyWholeChars(node->header.strProfileName, sizeof node->header.strProfileName,
                          LoadPageText(IDS_DEFAULT_PROFILE_NAME).text.c_str());
    m_Text.CopyWholeChars(node->header.strProfileInfo, sizeof node->header.strProfileInfo,
                          LoadPageText(IDS_DEFAULT_PROFILE_INFO).text.c_str());
    return m_Text.InsertListItem(m_hProfileList, 0, m_Text.FromText(node->header.strProfileName),
                                 image);
  }
  const int rows = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETITEMCOUNT, 0, 0));
  return m_Text.InsertListItem(m_hProfileList, rows, m_Text.FromText(profileName), image);
}

void ProfilePage::RefreshList() {
  if (m_hProfileList == nullptr || m_pProfileList == nullptr)
    return;
  const bool hadSelection = SendMessageW(m_hProfileList, LVM_GETSELECTEDCOUNT, 0, 0) != 0;
  SendMessageW(m_hProfileList, LVM_DELETEALLITEMS, 0, 0);
  for (ProfileNode *node = m_pProfileList->First(); node != nullptr; node = node->pNext)
    InsertListItem(node->header.strProfileName, static_cast<int>(node->header.nProfileIcon));
  if (ProfileNode *first = m_pProfileList->First())
    m_Text.SetItemText(m_hWnd, IDC_PROFILE_DESCRIPTION,
                       m_Text.FromText(first->header.strProfileInfo));
  FitListColumn();
  if (!hadSelection)
    SelectRow(0);
}

void ProfilePage::FitListColumn() const {
  const int rows = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETITEMCOUNT, 0, 0));
  SendMessageW(m_hProfileList, LVM_SETCOLUMNWIDTH, 0,
               rows >= kNarrowFromRows ? kNarrowColumnWidth : kListColumnWidth);
}

void ProfilePage::SelectRow(int row) const {
  LVITEMW item;
  memset(&item, 0, sizeof item);
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(m_hProfileList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
}

int ProfilePage::FocusedSelectedRow() const {
  return static_cast<int>(SendMessageW(m_hProfileList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)));
}

ProfileNode *ProfilePage::NodeOfRow(int row) const {
  if (row < 0 || m_pProfileList == nullptr)
    return nullptr;
  return m_pProfileList->Find(m_Text.ListItemText(m_hProfileList, row).text.c_str());
}

ButtonRuleInput ProfilePage::ReadButtonRuleInput() const {
  ButtonRuleInput input;
  input.bNoRights = m_bNoRights;
  input.bClient = m_bClient;
  input.nRows = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETITEMCOUNT, 0, 0));
  input.nSelected = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETSELECTEDCOUNT, 0, 0));
  const int focused = FocusedSelectedRow();
  input.bFocusSelected = focused >= 0;
  const ProfileNode *node = NodeOfRow(focused);
  input.bFocusIsDefault = node != nullptr && node->header.nProfRegNum == 0;
  return input;
}

void ProfilePage::UpdateButtons() {
  ApplyButtonRules(m_hWnd, ReadButtonRuleInput());
}

void ProfilePage::ShowProfileSummary() {
  HWND summary = GetDlgItem(m_hWnd, IDC_SETTINGS_SUMMARY);
  SendMessageW(summary, LVM_DELETEALLITEMS, 0, 0);
  const int row = FocusedSelectedRow();
  if (row < 0) {
    m_Text.SetItemText(m_hWnd, IDC_PROFILE_DESCRIPTION, LoadPageText(IDS_NO_PROFILE_SELECTED));
    return;
  }
  const ProfileNode *node = NodeOfRow(row);
  if (node == nullptr)
    return;
  if (m_pSummaryRows == nullptr)
    m_pSummaryRows = std::make_unique<SummaryRowStore>();
  const bool built = BuildProfileSummary(*this, node->header, *m_pSummaryRows);
  FillSummaryList(summary, *m_pSummaryRows);
  if (built)
    m_Text.SetItemText(m_hWnd, IDC_PROFILE_DESCRIPTION, DualText());
  InvalidateRect(summary, nullptr, TRUE);
}

// The summary list asks for each text; the answer is copied into its buffer in the form it
// asked for.
bool ProfilePage::AnswerSummaryText(NMHDR *header) const {
  if (header->code == LVN_GETDISPINFOA) {
    LVITEMA &item = reinterpret_cast<NMLVDISPINFOA *>(header)->item;
    LPCSTR text = SummaryRowText(item.lParam, item.iSubItem);
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0)
      m_Text.CopyWholeChars(item.pszText, static_cast<size_t>(item.cchTextMax), text);
    return true;
  }
  if (header->code == LVN_GETDISPINFOW) {
    LVITEMW &item = reinterpret_cast<NMLVDISPINFOW *>(header)->item;
    LPCSTR text = SummaryRowText(item.lParam, item.iSubItem);
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0)
      m_Text.ToWide(item.pszText, static_cast<size_t>(item.cchTextMax), text);
    return true;
  }
  return false;
}

INT_PTR ProfilePage::OnNotify(WPARAM, LPARAM lParam) {
  NMHDR *header = reinterpret_cast<NMHDR *>(lParam);
  if (header == nullptr)
    return 0;
  if (header->idFrom == IDC_SETTINGS_SUMMARY)
    AnswerSummaryText(header);
  else if (header->idFrom == IDC_PROFILE_LIST)
    return OnProfileListNotify(header);
  return 0;
}

// Space applies, Insert adds and Delete deletes, each only through an enabled button. A label
// edit is refused by the 0 the dialog answers. A double click edits.
INT_PTR ProfilePage::OnProfileListNotify(NMHDR *header) {
  switch (header->code) {
    case LVN_KEYDOWN: {
      const WORD key = reinterpret_cast<NMLVKEYDOWN *>(header)->wVKey;
      const int command = key == VK_SPACE    ? IDC_PROFILE_APPLY
                          : key == VK_INSERT ? IDC_PROFILE_ADD
                          : key == VK_DELETE ? IDC_PROFILE_DELETE
                                             : 0;
      HWND button = command != 0 ? GetDlgItem(m_hWnd, command) : nullptr;
      if (button != nullptr && IsWindowEnabled(button))
        m_Text.PostCommand(m_hWnd, command);
      return 0;
    }
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW:
      return FALSE;
    case LVN_ITEMCHANGED:
      ShowProfileSummary();
      UpdateButtons();
      return 0;
    case NM_DBLCLK:
      EditOnDoubleClick();
      return 0;
    default:
      return 0;
  }
}

// The host's refresh stores the list as the page holds it. The host also names a profile whose
// values are to go, but never fills the name in: nothing is removed for it.
INT_PTR ProfilePage::OnRefreshMessage(WPARAM wParam, LPARAM) {
  if (wParam != kRefreshProfiles || m_pProfileList == nullptr)
    return 0;
  m_pProfileList->Save();
  m_nProfileCount = m_pProfileList->Count();
  UpdateButtons();
  return 0;
}
