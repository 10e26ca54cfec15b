// The profile-properties dialog: its modal run, its controls and what the user's choices do.
#include "page/profile_properties_dialog.h"

#include <commdlg.h>

#include "abi/languages.h"
#include "abi/resource_ids.h"
#include "page/profile_properties_draw.h"
#include "store/profile_list.h"

namespace {

// The dialog being run: its window takes it on the first message it receives.
ProfilePropertiesDialog *g_pRunningDialog = nullptr;

constexpr int kNameLimit = 31;
constexpr int kDescriptionLimit = 255;
// On the wide platform a double-byte code page gives each character two bytes of the header.
constexpr int kDoubleByteNameLimit = 15;
constexpr int kDoubleByteDescriptionLimit = 127;
// What OK reads of each edit; the header takes what fits of it.
constexpr int kReadChars = 1024;
constexpr int kBulgarianColorBoxWidening = 70;

const DlgControlText kControlTexts[] = {
    {IDOK, IDS_OK_CAPTION},
    {IDCANCEL, IDS_CANCEL_CAPTION},
    {IDC_PROPERTIES_NAME_LABEL, IDS_PROPERTIES_NAME_LABEL},
    {IDC_PROPERTIES_DESCRIPTION_LABEL, IDS_PROPERTIES_DESCRIPTION_LABEL},
    {IDC_PROPERTIES_ICON_LABEL, IDS_PROPERTIES_ICON_LABEL},
    {IDC_PROPERTIES_INFO_FRAME, IDS_PROPERTIES_INFO_FRAME},
    {IDC_PROPERTIES_COLOR_LABEL, IDS_PROPERTIES_COLOR_LABEL},
    {IDC_PROPERTIES_ICON_FRAME, IDS_PROPERTIES_ICON_LABEL},
};

bool IsDoubleByteCodePage(UINT codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

}  // namespace

const ProfilePropertiesDialog::MessageRoute ProfilePropertiesDialog::kMessageRoutes[] = {
    {WM_INITDIALOG, &ProfilePropertiesDialog::OnInitDialog},
    {WM_COMMAND, &ProfilePropertiesDialog::OnCommand},
    {WM_MEASUREITEM, &ProfilePropertiesDialog::OnMeasureItem},
    {WM_DRAWITEM, &ProfilePropertiesDialog::OnDrawItem},
    {WM_DESTROY, &ProfilePropertiesDialog::OnDestroy},
    {WM_HELP, &ProfilePropertiesDialog::OnHelp},
    {WM_CONTEXTMENU, &ProfilePropertiesDialog::OnContextMenu},
};

ProfilePropertiesDialog::ProfilePropertiesDialog()
    : m_pHeader(nullptr),
      m_pList(nullptr),
      m_HeaderText(TextPolicy::ForPage(false, CP_ACP)),
      m_nIcon(0),
      m_rgbColor(0),
      m_nResult(0),
      m_wszTitle{} {}

INT_PTR ProfilePropertiesDialog::DoModal(HWND parent, CControlSet *owner, ProfileHeader *header,
                                         UINT codePage, const ProfileList *list) {
  if (header == nullptr)
    return 0;
  m_pHeader = header;
  m_pList = list;
  Attach(IDD_PROFILE_PROPERTIES, nullptr, owner);
  m_HeaderText = TextPolicy::ForPage(Platform() == HOST_PLATFORM_ANSI, codePage);
  m_nIcon = static_cast<int>(header->nProfileIcon);
  m_nResult = 0;
  ProfilePropertiesDialog *outer = g_pRunningDialog;
  g_pRunningDialog = this;
  m_HeaderText.RunModal(m_hResModule, IDD_PROFILE_PROPERTIES, parent, DialogProc);
  g_pRunningDialog = outer;
  return m_nResult;
}

INT_PTR CALLBACK ProfilePropertiesDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  auto *dialog =
      reinterpret_cast<ProfilePropertiesDialog *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (dialog == nullptr) {
    dialog = g_pRunningDialog;
    if (dialog == nullptr)
      return FALSE;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
    dialog->m_hWnd = window;
  }
  for (const MessageRoute &route : kMessageRoutes)
    if (route.message == message)
      return (dialog->*route.handler)(wParam, lParam);
  return FALSE;
}

INT_PTR ProfilePropertiesDialog::OnInitDialog(WPARAM, LPARAM) {
  InitControls();
  ShowHeader();
  FillColorBox();
  SetTitle();
  WidenColorBoxForBulgarian();
  SetFocus(Item(IDC_PROPERTIES_NAME));
  return FALSE;
}

// The localized texts come first: they create the dialog font that the edits take.
void ProfilePropertiesDialog::InitControls() {
  Localize(m_hWnd, kControlTexts, static_cast<int>(std::size(kControlTexts)), nullptr, 0);
  const SIZE icon = IconBitmapSize(m_hResModule);
  HWND icons = Item(IDC_PROPERTIES_ICONS);
  SendMessageW(icons, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(icon.cx), 0);
  SendMessageW(icons, LB_SETITEMHEIGHT, 0, MAKELPARAM(icon.cy, 0));
  SendMessageW(icons, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(PROFILE_ICON_COUNT * icon.cx), 0);
  for (int control : {IDC_PROPERTIES_NAME, IDC_PROPERTIES_DESCRIPTION})
    SendMessageW(Item(control), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  const bool doubleByte = !m_HeaderText.IsAnsi() && IsDoubleByteCodePage(m_HeaderText.CodePage());
  SendMessageW(Item(IDC_PROPERTIES_NAME), EM_LIMITTEXT,
               static_cast<WPARAM>(doubleByte ? kDoubleByteNameLimit : kNameLimit), 0);
  SendMessageW(Item(IDC_PROPERTIES_DESCRIPTION), EM_LIMITTEXT,
               static_cast<WPARAM>(doubleByte ? kDoubleByteDescriptionLimit : kDescriptionLimit),
               0);
  HWND colors = Item(IDC_PROPERTIES_COLOR);
  SendMessageW(colors, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), COLOR_ITEM_HEIGHT);
  SendMessageW(colors, CB_SETITEMHEIGHT, 0, COLOR_ITEM_HEIGHT);
  EnableWindow(Item(IDOK), FALSE);
  for (int i = 0; i < PROFILE_ICON_COUNT; ++i)
    SendMessageW(icons, LB_ADDSTRING, 0, 0);
}

// Setting the name notifies the name edit's handler, which enables OK for a name it accepts.
void ProfilePropertiesDialog::ShowHeader() {
  m_HeaderText.SetItemText(m_hWnd, IDC_PROPERTIES_NAME,
                           m_HeaderText.FromText(m_pHeader->strProfileName));
  m_HeaderText.SetItemText(m_hWnd, IDC_PROPERTIES_DESCRIPTION,
                           m_HeaderText.FromText(m_pHeader->strProfileInfo));
  SendMessageW(Item(IDC_PROPERTIES_ICONS), LB_SETCURSEL, m_pHeader->nProfileIcon, 0);
  m_rgbColor = m_pHeader->rgbIconColor;
}

// A colour the table lacks becomes the custom entry's.
void ProfilePropertiesDialog::FillColorBox() {
  HWND box = Item(IDC_PROPERTIES_COLOR);
  UIManager *manager = Manager();
  for (int i = 0; i < PROFILE_COLOR_COUNT; ++i) {
    m_ColorNames[static_cast<size_t>(i)] =
        m_Text.LoadHostString(manager, IDS_PROFILE_COLOR_FIRST + i, MAX_PATH);
    const int index = m_Text.AddComboString(box, m_ColorNames[static_cast<size_t>(i)]);
    SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(ProfileColorTable()[static_cast<size_t>(i)]));
  }
  int selected = FindProfileColor(m_rgbColor);
  if (selected < 0) {
    selected = PROFILE_CUSTOM_COLOR_ENTRY;
    SendMessageW(box, CB_SETITEMDATA, PROFILE_CUSTOM_COLOR_ENTRY, static_cast<LPARAM>(m_rgbColor));
  }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void ProfilePropertiesDialog::SetTitle() {
  const bool unnamed = m_HeaderText.ItemText(m_hWnd, IDC_PROPERTIES_NAME, kReadChars).text.empty();
  const DlgTitleText title = {
      static_cast<WORD>(unnamed ? IDS_NEW_PROFILE_TITLE : IDS_PROFILE_PROPERTIES_TITLE),
      m_wszTitle};
  Localize(m_hWnd, nullptr, 0, &title, 1);
}

// Bulgarian colour names are longer than the box the template gives them.
void ProfilePropertiesDialog::WidenColorBoxForBulgarian() {
  if (LanguageByte(Language()) == LANG_BYTE_BULGARIAN)
    MoveControl(m_hWnd, IDC_PROPERTIES_COLOR, kBulgarianColorBoxWidening, 0);
}

INT_PTR ProfilePropertiesDialog::OnCommand(WPARAM wParam, LPARAM) {
  const int controlId = LOWORD(wParam);
  const WORD notification = HIWORD(wParam);
  switch (controlId) {
    case IDC_PROPERTIES_NAME:
      OnNameChanged();
      break;
    case IDC_PROPERTIES_COLOR:
      if (notification == CBN_SELCHANGE && SendMessageW(Item(IDC_PROPERTIES_COLOR), CB_GETCURSEL, 0,
                                                        0) == PROFILE_CUSTOM_COLOR_ENTRY)
        ChooseCustomColor();
      break;
    case IDC_PROPERTIES_ICONS:
      if (notification == LBN_SELCHANGE) {
        InvalidateRect(Item(IDC_PROPERTIES_ICONS), nullptr, TRUE);
        UpdateWindow(Item(IDC_PROPERTIES_ICONS));
      }
      break;
    case IDOK:
      OnOk();
      break;
    case IDCANCEL:
      OnCancel();
      break;
    default:
      break;
  }
  return FALSE;
}

// The built-in profile's name stays its own; a user profile's name may be taken again (the
// page then asks whether to replace that profile).
void ProfilePropertiesDialog::OnNameChanged() {
  const std::string name = m_HeaderText.ItemText(m_hWnd, IDC_PROPERTIES_NAME, kReadChars).text;
  const ProfileNode *named = m_pList != nullptr ? m_pList->Find(name.c_str()) : nullptr;
  const bool acceptable = !name.empty() && (named == nullptr || named->header.nProfRegNum != 0);
  EnableWindow(Item(IDOK), acceptable ? TRUE : FALSE);
}

// The chooser's custom colours are the printer's; they are stored again only when the user
// confirms a colour, and stay stored whatever becomes of the dialog.
void ProfilePropertiesDialog::ChooseCustomColor() {
  UIManager *manager = Manager();
  HANDLE printer = manager != nullptr ? manager->GetPrinterHandle() : nullptr;
  CustomColors custom = ReadCustomColors(m_Text, printer);
  CHOOSECOLORA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = m_hWnd;
  choose.rgbResult = m_rgbColor;
  choose.lpCustColors = custom.data();
  choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!ChooseColorA(&choose))
    return;
  SendMessageW(Item(IDC_PROPERTIES_COLOR), CB_SETITEMDATA, PROFILE_CUSTOM_COLOR_ENTRY,
               static_cast<LPARAM>(choose.rgbResult));
  InvalidateRect(m_hWnd, nullptr, TRUE);
  UpdateWindow(m_hWnd);
  WriteCustomColors(m_Text, printer, custom);
}

// The icon is the one the list shows selected: the selected item is drawn before the user can
// press OK, and OK takes the list's selection as well.
void ProfilePropertiesDialog::OnOk() {
  m_strName = m_HeaderText.ItemText(m_hWnd, IDC_PROPERTIES_NAME, kReadChars).text;
  m_strDescription = m_HeaderText.ItemText(m_hWnd, IDC_PROPERTIES_DESCRIPTION, kReadChars).text;
  HWND box = Item(IDC_PROPERTIES_COLOR);
  const LRESULT color = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (color >= 0)
    m_rgbColor = static_cast<COLORREF>(SendMessageW(box, CB_GETITEMDATA, color, 0));
  const LRESULT icon = SendMessageW(Item(IDC_PROPERTIES_ICONS), LB_GETCURSEL, 0, 0);
  if (icon >= 0)
    m_nIcon = static_cast<int>(icon);
  m_nResult = 1;
  EndDialog(m_hWnd, 1);
}

void ProfilePropertiesDialog::OnCancel() {
  m_nResult = 0;
  EndDialog(m_hWnd, 0);
}

// Only OK changes the header. Typed texts may be longer than its fields: each keeps the whole
// characters that fit.
INT_PTR ProfilePropertiesDialog::OnDestroy(WPARAM, LPARAM) {
  if (m_nResult != 1)
    return FALSE;
  m_HeaderText.CopyWholeChars(m_pHeader->strProfileName, sizeof m_pHeader->strProfileName,
                              m_strName.c_str());
  m_HeaderText.CopyWholeChars(m_pHeader->strProfileInfo, sizeof m_pHeader->strProfileInfo,
                              m_strDescription.c_str());
  m_pHeader->nProfileIcon = static_cast<DWORD>(m_nIcon);
  m_pHeader->rgbIconColor = m_rgbColor;
  return FALSE;
}

INT_PTR ProfilePropertiesDialog::OnMeasureItem(WPARAM, LPARAM lParam) {
  auto *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
  if (measure == nullptr)
    return FALSE;
  if (measure->CtlID == IDC_PROPERTIES_COLOR)
    measure->itemHeight = COLOR_ITEM_HEIGHT;
  else if (measure->CtlID == IDC_PROPERTIES_ICONS)
    measure->itemHeight = static_cast<UINT>(IconBitmapSize(m_hResModule).cy);
  return TRUE;
}

INT_PTR ProfilePropertiesDialog::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
  if (item == nullptr || (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0)
    return TRUE;
  if (item->CtlID == IDC_PROPERTIES_COLOR && item->itemID < PROFILE_COLOR_COUNT)
    DrawColorItem(*item, m_ColorNames[item->itemID], m_Text);
  if (item->CtlID != IDC_PROPERTIES_ICONS || item->itemID >= PROFILE_ICON_COUNT)
    return TRUE;
  DrawIconItem(m_hResModule, *item);
  if ((item->itemState & ODS_SELECTED) != 0) {
    DrawFocusRect(item->hDC, &item->rcItem);
    m_nIcon = static_cast<int>(SendMessageW(item->hwndItem, LB_GETCURSEL, 0, 0));
  }
  return TRUE;
}

INT_PTR ProfilePropertiesDialog::OnHelp(WPARAM, LPARAM lParam) {
  CallBigHelp(reinterpret_cast<const HELPINFO *>(lParam), IDD_PROFILE_PROPERTIES);
  return TRUE;
}

INT_PTR ProfilePropertiesDialog::OnContextMenu(WPARAM wParam, LPARAM) {
  CallSmallHelp(reinterpret_cast<HWND>(wParam), IDD_PROFILE_PROPERTIES);
  return TRUE;
}
