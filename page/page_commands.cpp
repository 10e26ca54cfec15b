// The page's commands on its profiles: add, edit and delete, the list's own command
// notifications, and what they share (the question boxes, the properties dialog, removing and
// storing a profile).
#include <string.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "abi/resource_ids.h"
#include "page/page_command_rules.h"
#include "page/profile_page.h"
#include "page/profile_properties_dialog.h"
#include "store/page_store.h"
#include "store/profile_list.h"

namespace {

// The list's command notifications.
constexpr WORD kListSelectionChanged = 1;
constexpr WORD kListDoubleClicked = 2;

const int kCommandButtons[] = {IDC_PROFILE_ADD,    IDC_PROFILE_DELETE, IDC_PROFILE_EDIT,
                               IDC_PROFILE_IMPORT, IDC_PROFILE_APPLY,  IDC_PROFILE_EXPORT};

}  // namespace

void ProfilePage::DisableCommandButtons() const {
  for (int button : kCommandButtons)
    if (HWND control = GetDlgItem(m_hWnd, button))
      EnableWindow(control, FALSE);
}

void ProfilePage::RefreshCurrentDevMode() {
  if (UIManager *manager = Manager())
    m_pDevMode = manager->GetCurrentDevMode();
}

INT_PTR ProfilePage::RunPropertiesDialog(ProfileHeader *header) {
  ProfilePropertiesDialog dialog;
  return dialog.DoModal(m_hWnd, m_pOwner, header, m_Text.CodePage(), m_pProfileList.get());
}

int ProfilePage::AskQuestion(UINT textId, UINT captionId, LPCSTR profileName) const {
  DualText text = LoadPageText(textId);
  if (profileName != nullptr)
    text = m_Text.FromText(FormatHostText(text.text, "%s", profileName).c_str());
  return m_Text.ShowMessageBox(m_hWnd, text, LoadPageText(captionId), kQuestionStyle);
}

int ProfilePage::RowOfProfile(LPCSTR profileName) const {
  const int rows = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row)
    if (m_Text.ListItemText(m_hProfileList, row).text == profileName)
      return row;
  return -1;
}

int ProfilePage::FocusedRow() const {
  return static_cast<int>(SendMessageW(m_hProfileList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_FOCUSED, 0)));
}

void ProfilePage::SelectOnlyRow(int row) const {
  LVITEMW item;
  memset(&item, 0, sizeof item);
  item.stateMask = LVIS_SELECTED;
  SendMessageW(m_hProfileList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&item));
  if (row >= 0)
    SelectRow(row);
}

// The values go first: the store finds them by the profile's entry in the list.
void ProfilePage::RemoveProfile(LPCSTR profileName) {
  const std::string name = profileName;
  const int row = RowOfProfile(name.c_str());
  if (row >= 0)
    SendMessageW(m_hProfileList, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
  DeleteProfilePrinterRegData(*this, name.c_str());
  m_pProfileList->Remove(name.c_str());
  m_pProfileList->Save();
  m_nProfileCount = m_pProfileList->Count();
}

// A copy that cannot be made is no reason to lose the profile: the current settings are then
// stored as they are, unconverted.
void ProfilePage::StoreCurrentSettings(LPCSTR profileName, int regNum) {
  if (m_pDevMode == nullptr)
    return;
  const size_t size = size_t{m_pDevMode->dmSize} + m_pDevMode->dmDriverExtra;
  const BYTE *stored = reinterpret_cast<const BYTE *>(m_pDevMode);
  std::unique_ptr<BYTE[]> copy(new (std::nothrow) BYTE[size]);
  if (copy != nullptr) {
    memcpy(copy.get(), stored, size);
    ConvertDevMode(copy.get(), size);
    stored = copy.get();
  }
  if (std::unique_ptr<VTPROFJZP> store = MakePageStore(*this))
    store->SaveProfileRegValue(profileName, regNum, PROFILE_DEVMODE_VALUE, stored,
                               static_cast<DWORD>(size), REG_BINARY);
  SaveProfilePrinterRegData(*this, HKEY_LOCAL_MACHINE, profileName);
}

// The header takes the lowest free registry number and its sorted place, its row is selected
// and the list saved. A name already in the list is replaced only when the user agrees.
bool ProfilePage::InsertNewProfile(ProfileHeader *header) {
  if (m_pProfileList->Find(header->strProfileName) != nullptr) {
    if (AskQuestion(IDS_PROFILE_EXISTS, IDS_PROFILE_EXISTS_CAPTION, header->strProfileName) !=
        IDYES)
      return false;
    RemoveProfile(header->strProfileName);
  }
  header->nProfRegNum = m_pProfileList->GetAvailableRegNum();
  if (m_pProfileList->Insert(header) == nullptr)
    return false;
  m_nProfileCount = m_pProfileList->Count();
  SelectOnlyRow(InsertListItem(header->strProfileName, static_cast<int>(header->nProfileIcon)));
  m_Text.SetItemText(m_hWnd, IDC_PROFILE_DESCRIPTION, m_Text.FromText(header->strProfileInfo));
  m_pProfileList->Save();
  return true;
}

void ProfilePage::AddProfile() {
  if (m_pProfileList == nullptr || m_nProfileCount > kProfileLimit)
    return;
  ProfileHeader header{};
  if (RunPropertiesDialog(&header) != 1 || !InsertNewProfile(&header))
    return;
  StoreCurrentSettings(header.strProfileName, header.nProfRegNum);
  FitListColumn();
  ShowProfileSummary();
}

// The dialog edits a copy; the profile takes it unless its new name is another profile's and
// the user would not replace that one. A name that differs only in case is the profile's own.
void ProfilePage::EditFocusedProfile() {
  ProfileNode *node = NodeOfRow(FocusedRow());
  if (node == nullptr)
    return;
  ProfileHeader copy = node->header;
  RunPropertiesDialog(&copy);
  bool takeCopy = _stricmp(copy.strProfileName, node->header.strProfileName) == 0 ||
                  m_pProfileList->Find(copy.strProfileName) == nullptr;
  if (!takeCopy &&
      AskQuestion(IDS_PROFILE_EXISTS, IDS_PROFILE_EXISTS_CAPTION, copy.strProfileName) == IDYES) {
    RemoveProfile(copy.strProfileName);
    takeCopy = true;
  }
  if (takeCopy)
    node->header = copy;
  m_pProfileList->Save();
  RefreshList();
  SelectOnlyRow(RowOfProfile(node->header.strProfileName));
}

// The built-in profile's row, which shows host string 1940, is never deleted.
void ProfilePage::DeleteSelectedProfiles() {
  if (m_pProfileList == nullptr ||
      AskQuestion(IDS_CONFIRM_DELETE, IDS_PAGE_TITLE, nullptr) != IDYES)
    return;
  const int defaultRow = RowOfProfile(LoadPageText(IDS_DEFAULT_PROFILE_NAME).text.c_str());
  std::vector<std::string> names;
  for (int row = -1;;) {
    row = static_cast<int>(SendMessageW(m_hProfileList, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                        MAKELPARAM(LVNI_SELECTED, 0)));
    if (row < 0)
      break;
    if (row != defaultRow)
      names.push_back(m_Text.ListItemText(m_hProfileList, row).text);
  }
  for (const std::string &name : names) {
    DeleteProfilePrinterRegData(*this, name.c_str());
    m_pProfileList->Remove(name.c_str());
    m_pProfileList->Save();
    m_nProfileCount = m_pProfileList->Count();
  }
  RefreshList();
}

void ProfilePage::OnProfileListCommand(WORD notification) {
  if (notification == kListSelectionChanged)
    ShowProfileSummary();
  else if (notification == kListDoubleClicked)
    EditOnDoubleClick();
}

// A double click edits as the edit button does, and only while that button is enabled.
void ProfilePage::EditOnDoubleClick() {
  HWND edit = GetDlgItem(m_hWnd, IDC_PROFILE_EDIT);
  if (edit == nullptr || !IsWindowEnabled(edit))
    return;
  DisableCommandButtons();
  EditFocusedProfile();
  ShowProfileSummary();
  UpdateButtons();
}
