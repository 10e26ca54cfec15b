// The settings-information dialog: running it, its dialog procedure and its operations.
#include "describe/settings_info_dialog.h"

#include <stddef.h>

#include "abi/private_blocks.h"
#include "abi/resource_ids.h"
#include "describe/settings_info_driver.h"
#include "describe/settings_info_language.h"
#include "describe/settings_info_pages.h"
#include "describe/settings_info_sources.h"
#include "describe/settings_info_tree.h"

namespace {

// The dialog being constructed: the dialog procedure attaches it to a window that has none yet.
SettingsInfoDialog *g_pConstructingDialog = nullptr;

constexpr DWORD kHelpAvailable = 1u << 0;  // capabilities word 198

}  // namespace

SettingsInfoDialog::SettingsInfoDialog()
    : m_pManager(nullptr),
      m_pMainBlock(nullptr),
      m_pModel(nullptr),
      m_pCaps(nullptr),
      m_pDevMode(nullptr),
      m_pPrologue(nullptr),
      m_pWatermark(nullptr),
      m_hParent(nullptr),
      m_hResources(nullptr),
      m_wOpenedFrom(0) {
  g_pConstructingDialog = this;
}

SettingsInfoDialog::~SettingsInfoDialog() {
  if (g_pConstructingDialog == this)
    g_pConstructingDialog = nullptr;
}

void SettingsInfoDialog::CaptureHostRecords() {
  m_pModel = m_pManager->GetModelInfo();
  m_pCaps = m_pManager->GetModelCapabilities();
}

INT_PTR SettingsInfoDialog::RunSettingsInfo(HWND parent, const ProfilePageContext &page,
                                            WORD pageNumber) {
  m_pManager = page.GetUIManager();
  if (m_pManager == nullptr)
    return -1;
  m_hParent = parent;
  m_pMainBlock = page.GetDriverSettings();
  m_wOpenedFrom = pageNumber;
  CaptureHostRecords();
  m_pDevMode = m_pManager->GetCurrentDevMode();
  m_pPrologue = m_pManager->GetPrivateData(PRIVATE_DATA_ID_PROLOGEPILOG, 0);
  m_pWatermark = m_pManager->GetPrivateData(PRIVATE_DATA_ID_WATERMARK, 0);
  m_hResources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  const bool modern = IsModernPlatform();
  m_pText = std::make_unique<InfoText>(m_pManager, m_pModel, page.Text().IsAnsi(), modern);
  const int templateId = InfoTemplate(m_pText->Language(), modern);
  return m_pText->RunDialog(m_hResources, templateId, parent, DialogProc);
}

INT_PTR CALLBACK SettingsInfoDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto *dialog = reinterpret_cast<SettingsInfoDialog *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (dialog == nullptr) {
    dialog = g_pConstructingDialog;
    if (dialog == nullptr)
      return 0;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
  }
  switch (message) {
    case WM_INITDIALOG:
      return dialog->OnInitDialog(window, wParam, lParam);
    case WM_COMMAND:
      return dialog->OnCommand(window, wParam, lParam);
    case WM_DESTROY:
      return dialog->OnDestroy(window, wParam, lParam);
    case WM_HELP: {
      const auto *help = reinterpret_cast<const HELPINFO *>(lParam);
      dialog->ShowInfoHelp(help != nullptr ? static_cast<HWND>(help->hItemHandle) : nullptr);
      return 1;
    }
    case WM_CONTEXTMENU:
      dialog->ShowInfoHelp(reinterpret_cast<HWND>(wParam));
      return 1;
    default:
      return 0;
  }
}

INT_PTR SettingsInfoDialog::OnInitDialog(HWND window, WPARAM, LPARAM) {
  m_pText->ChooseCodePage();
  m_pText->SetText(window, m_pText->HostText(IDS_SETTINGS_INFO_TITLE));
  m_pText->SetText(GetDlgItem(window, IDOK), m_pText->HostText(IDS_OK_CAPTION));
  CaptureHostRecords();

  InfoSources sources;
  sources.manager = m_pManager;
  sources.main = PrivateBlockBytes(m_pMainBlock);
  sources.devMode = DevModeBytes(m_pDevMode);
  sources.model = InfoBytes(m_pModel, sizeof(ModelInfoRecord));
  sources.caps = InfoBytes(m_pCaps, sizeof(ModelCapabilitiesRecord));
  sources.prologue = PrivateBlockBytes(m_pPrologue);
  sources.watermark = PrivateBlockBytes(m_pWatermark);
  sources.opener = m_hParent;
  sources.openedFrom = m_wOpenedFrom;
  InfoTree tree(GetDlgItem(window, IDC_SETTINGS_TREE), *m_pText, sources);
  BuildSettingsTree(tree);

  m_pManager->FinishInfoDialog();
  return 1;
}

INT_PTR SettingsInfoDialog::OnDestroy(HWND, WPARAM, LPARAM) {
  return 1;
}

INT_PTR SettingsInfoDialog::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int command = LOWORD(wParam);
  if (command == IDOK && HIWORD(wParam) == 0) {
    OnOK();
    EndDialog(window, IDOK);
    return 0;
  }
  if (command == IDCANCEL) {
    EndDialog(window, IDCANCEL);
    return 0;
  }
  return 1;
}

void SettingsInfoDialog::OnOK() {}

// Context help for the tree from the driver's help file, on models whose help the host offers.
void SettingsInfoDialog::ShowInfoHelp(HWND window) const {
  const std::optional<DWORD> layout = InfoBytes(m_pCaps, sizeof(ModelCapabilitiesRecord))
                                          .Get<DWORD>(offsetof(ModelCapabilitiesRecord, dwLayout));
  if (!layout || (*layout & kHelpAvailable) == 0)
    return;
  const std::string file = InfoHelpFile(m_pManager);
  if (file.empty())
    return;
  static const DWORD kHelpIds[] = {IDC_SETTINGS_TREE, SETTINGS_TREE_HELP_ID, 0, 0};
  WinHelpA(window, file.c_str(), HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(kHelpIds));
}
