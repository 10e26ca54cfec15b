// WM_INITDIALOG of the page: captions, subclassed buttons, the profile list with its font and
// icons, the host records, the printer's names, the user's rights, the stored profiles (or the
// built-in one), the state of the buttons and the settings-summary list.
#include <string.h>

#include <memory>
#include <optional>
#include <string>

#include "page/command_buttons.h"
#include "abi/resource_ids.h"
#include "page/page_language.h"
#include "page/profile_list_draw.h"
#include "page/profile_page.h"
#include "page/settings_button.h"
#include "store/profile_list.h"
#include "store/vtprofjzp.h"

namespace {

constexpr int kCaptionChars = 400;
constexpr int kReservedRows = 10;
// Byte 193 of the model record: 4 is a model whose settings nobody may change; 0 to 3 allow
// editing profiles.
constexpr BYTE kRestrictionNoRights = 4;
constexpr BYTE kRestrictionLastEditable = 3;
constexpr DWORD kSettingsInfoAvailable = 1u << 7;
// Buttons 110, 108, 107, 109 and 111 grow for the longer captions of Bulgarian and Russian:
// each moves 10 pixels left and becomes 20 pixels wider, so it grows evenly on both sides.
constexpr int kWideButtonShift = 10;
constexpr int kWideButtonGrowth = 20;

struct ControlCaption {
  int controlId;
  UINT stringId;
};

const ControlCaption kCaptions[] = {
    {IDC_PROFILE_LIST_TITLE, IDS_PROFILE_LIST_TITLE},
    {IDC_PROFILE_ADD, IDS_ADD_CAPTION},
    {IDC_PROFILE_DELETE, IDS_DELETE_CAPTION},
    {IDC_PROFILE_EDIT, IDS_EDIT_CAPTION},
    {IDC_PROFILE_APPLY, IDS_APPLY_CAPTION},
    {IDC_PROFILE_IMPORT, IDS_IMPORT_CAPTION},
    {IDC_PROFILE_EXPORT, IDS_EXPORT_CAPTION},
    {IDC_DESCRIPTION_LABEL, IDS_DESCRIPTION_LABEL},
    {IDC_SETTINGS_INFO, IDS_SETTINGS_INFO_CAPTION},
    {IDOK, IDS_OK_CAPTION},
    {IDCANCEL, IDS_CANCEL_CAPTION},
};

const int kCommandButtons[] = {IDC_PROFILE_ADD,   IDC_PROFILE_EDIT,   IDC_PROFILE_DELETE,
                               IDC_PROFILE_APPLY, IDC_PROFILE_IMPORT, IDC_PROFILE_EXPORT};

const int kWideButtons[] = {IDC_PROFILE_APPLY, IDC_PROFILE_EDIT, IDC_PROFILE_DELETE,
                            IDC_PROFILE_IMPORT, IDC_PROFILE_EXPORT};

// `prefix` is lower-case ASCII.
bool StartsWithNoCase(LPCSTR text, LPCSTR prefix) {
  for (; *prefix != 0; ++text, ++prefix) {
    const char c = (*text >= 'A' && *text <= 'Z') ? static_cast<char>(*text - 'A' + 'a') : *text;
    if (c != *prefix)
      return false;
  }
  return true;
}

// Ports of shared and internet printers: "\\server\share", "http..." and "ipp...".
bool IsNetworkPortName(LPCSTR port) {
  return strncmp(port, "\\\\", 2) == 0 || StartsWithNoCase(port, "http") ||
         StartsWithNoCase(port, "ipp");
}

// The port of the printer as PRINTER_INFO_2 gives it; nothing when the printer cannot be opened
// or read.
std::optional<std::string> ReadPortName(const TextPolicy &text, const DualText &printerName) {
  const ScopedPrinter printer = text.OpenPrinterByName(printerName, 0);
  if (!printer)
    return std::nullopt;
  const std::optional<PrinterPortAndDriver> info = text.ReadPrinterInfo(printer.get());
  if (!info)
    return std::nullopt;
  return info->port.text;
}

bool IsWindows2000(int platform) {
  if (platform != HOST_PLATFORM_NT5)
    return false;
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwMajorVersion == 5 && version.dwMinorVersion == 0;
}

}  // namespace

INT_PTR ProfilePage::OnInitDialog(WPARAM, LPARAM) {
  ReadPlatform();
  InitCaptions();
  if (!CacheHostRecords())
    return 0;
  CachePrinterHandle();
  ReadRights();
  ReadRegistryName();
  // A stale default makes the host reload its settings, which may move the records the page
  // and its profile list point at: the check comes before the list is made.
  RemoveStaleDefault();
  m_pProfileList =
      std::make_unique<ProfileList>(m_pOwner, m_Text, Manager(), m_pDriverSettings, m_pDevMode);
  m_pProfileList->Load();
  m_nProfileCount = m_pProfileList->Count();
  m_pModelCaps = Manager()->GetModelCapabilities();
  if (m_Text.IsAnsi())
    CheckStoredPrinterName();
  if (m_nProfileCount == 0)
    CreateDefaultProfile();
  InitPageState();
  if (m_pModelCaps == nullptr || (m_pModelCaps->dwUserInterface & kSettingsInfoAvailable) == 0)
    ShowWindow(GetDlgItem(m_hWnd, IDC_SETTINGS_INFO), SW_HIDE);
  m_bInitialized = true;
  WidenButtonsForLanguage();
  if (DriverContext *context = GetDriverContext())
    context->RefreshSettings();
  InitSummaryList();
  EnableWindow(GetDlgItem(m_hWnd, IDC_PROFILE_DESCRIPTION), FALSE);
  EnableWindow(GetDlgItem(m_hWnd, IDC_DESCRIPTION_LABEL), FALSE);
  return 0;
}

// Title and captions are set before anything else, so a page whose host records are missing
// still shows them.
void ProfilePage::InitCaptions() {
  UIManager *manager = Manager();
  m_Text.SetText(m_hWnd, m_Text.LoadHostString(manager, IDS_PAGE_TITLE, kCaptionChars));
  for (int id : kCommandButtons)
    SubclassCommandButton(GetDlgItem(m_hWnd, id), m_Text);
  SubclassSettingsButton(GetDlgItem(m_hWnd, IDC_SETTINGS_INFO), m_Text);
  InitProfileListView();
  for (const ControlCaption &caption : kCaptions)
    m_Text.SetItemText(m_hWnd, caption.controlId,
                       m_Text.LoadHostString(manager, caption.stringId, kCaptionChars));
}

void ProfilePage::InitProfileListView() {
  m_hProfileList = GetDlgItem(m_hWnd, IDC_PROFILE_LIST);
  if (m_hProfileList == nullptr)
    return;
  SendMessageW(m_hProfileList, LVM_SETITEMCOUNT, kReservedRows, 0);
  LVCOLUMNA column;
  memset(&column, 0, sizeof column);
  column.mask = LVCF_WIDTH;
  column.cx = kListColumnWidth;
  SendMessageA(m_hProfileList, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  PageFontDescription font;
  DescribePageFont(m_wLanguage, m_Text.IsAnsi(), &font);
  if (m_hListFont == nullptr)
    m_hListFont = CreateFontA(FontHeightForPoints(font.wPointSize), 0, 0, 0, FW_NORMAL, FALSE,
                              FALSE, FALSE, font.bCharSet, OUT_TT_PRECIS, CLIP_EMBEDDED,
                              PROOF_QUALITY, DEFAULT_PITCH, font.szFaceName);
  SendMessageW(m_hProfileList, WM_SETFONT, reinterpret_cast<WPARAM>(m_hListFont), TRUE);
  CreateProfileImageList(ListLook().hResources, m_hProfileList);
}

void ProfilePage::ReadRights() {
  UIManager *manager = Manager();
  m_bNoRights = !manager->CanChangeSettings() || m_pModelInfo->bRestriction == kRestrictionNoRights;
  m_bClient = manager->IsClientMode();
  m_bNetworkPort = false;
}

// A printer shared from another machine ("\\server\name") behind a network or internet port is
// used from here as a local printer: not in client mode, with a name that fits a registry key.
// A printer that cannot be opened keeps the client-mode answer of the host.
void ProfilePage::ReadRegistryName() {
  lstrcpynA(m_tszRegistryName, m_tszPrinterName, MAX_PATH);
  lstrcpynW(m_wszRegistryName, m_wszPrinterName, MAX_PATH);
  if (m_wszPrinterName[0] != L'\\' || m_wszPrinterName[1] != L'\\')
    return;
  const std::optional<std::string> port =
      ReadPortName(m_Text, {m_tszPrinterName, m_wszPrinterName});
  if (!port || !IsNetworkPortName(port->c_str()))
    return;
  m_bClient = false;
  m_bNetworkPort = true;
  for (char *c = m_tszRegistryName; *c != 0; ++c)
    if (*c == '\\')
      *c = ',';
  for (WCHAR *c = m_wszRegistryName; *c != 0; ++c)
    if (*c == L'\\')
      *c = L',';
}

void ProfilePage::CheckStoredPrinterName() {
  char local[MAX_PATH] = {};
  BYTE *buffer = Manager()->GetPrinterNameBuffer(local);
  if (buffer == nullptr)
    return;
  VTPROFJZP store(m_hWnd, GetPrinterIdentity(), m_hPrinter);
  if (store.GetRegValue(PRINTER_NAME_VALUE, buffer, MAX_PATH) == 0)
    WritePrinterName();
  else
    MoveRenamedPrinterFiles();
}

// A stored default DEVMODE of another size than the driver's was written by another driver
// version: it goes, and the host reloads the current settings.
void ProfilePage::RemoveStaleDefault() {
  VTPROFJZP store(m_hWnd, GetPrinterIdentity(), m_hPrinter);
  const DWORD expected = DWORD{m_pDevMode->dmSize} + m_pDevMode->dmDriverExtra;
  if (store.GetRegValueSize(DEFAULT_PROFILE_DEVMODE_VALUE) == expected)
    return;
  store.RemoveProfileRegValue(FACTORY_DEFAULT_PROFILE, 0);
  UIManager *manager = Manager();
  manager->ReloadDevMode(1);
  if (DEVMODEW *reloaded = manager->GetCurrentDevMode())
    m_pDevMode = reloaded;
  if (BYTE *settings = manager->GetDriverSettings())
    m_pDriverSettings = settings;
}

void ProfilePage::CreateDefaultProfile() {
  ProfileHeader header;
  memset(&header, 0, sizeof header);
  m_Text.CopyWholeChars(header.strProfileName, sizeof header.strProfileName,
                        LoadPageText(IDS_DEFAULT_PROFILE_NAME).text.c_str());
  m_Text.CopyWholeChars(header.strProfileInfo, sizeof header.strProfileInfo,
                        LoadPageText(IDS_DEFAULT_PROFILE_INFO).text.c_str());
  InsertListItem(header.strProfileName, 0);
  SetFocus(m_hProfileList);
  SelectRow(0);
  UpdateButtons();
  m_pProfileList->Insert(&header);
  m_nProfileCount = m_pProfileList->Count();
  ShowProfileSummary();
}

void ProfilePage::InitPageState() {
  EnableWindow(GetDlgItem(m_hWnd, IDC_SUMMARY_SEPARATOR), FALSE);
  DriverContext *context = GetDriverContext();
  m_bAdministrator = (context != nullptr && context->IsAdministrator()) ||
                     Manager()->CanChangeSettings() || IsWindows2000(m_nPlatform);
  if (m_nProfileCount > 0) {
    RefreshList();
    ShowProfileSummary();
  }
  UpdateButtons();
  const bool editable = m_pModelInfo->bRestriction <= kRestrictionLastEditable &&
                        (m_Text.IsAnsi() || m_bAdministrator);
  if (m_nProfileCount == 0 || !editable)
    for (int id : {IDC_PROFILE_EDIT, IDC_PROFILE_DELETE, IDC_PROFILE_EXPORT})
      EnableWindow(GetDlgItem(m_hWnd, id), FALSE);
}

void ProfilePage::WidenButtonsForLanguage() {
  const BYTE language = LanguageByte(m_wLanguage);
  if (language != LANG_BYTE_BULGARIAN && language != LANG_BYTE_RUSSIAN)
    return;
  for (int id : kWideButtons) {
    HWND button = GetDlgItem(m_hWnd, id);
    if (button == nullptr)
      continue;
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT *>(&rect), 2);
    MoveWindow(button, rect.left - kWideButtonShift, rect.top,
               rect.right - rect.left + kWideButtonGrowth, rect.bottom - rect.top, TRUE);
  }
}

void ProfilePage::InitSummaryList() {
  HWND summary = GetDlgItem(m_hWnd, IDC_SETTINGS_SUMMARY);
  if (summary == nullptr)
    return;
  // The labels take three fifths of the list, the values the rest.
  RECT client = {0, 0, 0, 0};
  GetClientRect(summary, &client);
  const int labelWidth = (client.right - client.left) * 3 / 5;
  const int widths[] = {labelWidth, client.right - client.left - labelWidth};
  const UINT titles[] = {IDS_SUMMARY_LABEL_COLUMN, IDS_SUMMARY_VALUE_COLUMN};
  for (int i = 0; i < 2; ++i)
    m_Text.InsertListColumn(summary, i, widths[i], LoadPageText(titles[i]));
  const COLORREF background = GetSysColor(COLOR_MENU);
  SendMessageW(summary, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageW(summary, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
}
