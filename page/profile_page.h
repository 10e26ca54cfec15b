// The object behind the "Profile" property page: what the host asks of a page (title, dialog
// ID, sizes, icon, host values), its owner, the host objects it caches from the owner's
// UIManager, its window, its language and the keyboard shortcuts it registers while active.
// The page asks its owner for the UIManager whenever it needs it, so a new manager handed to
// slot 22 needs nothing more.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "page/api_control_set_profil.h"
#include "page/button_rules.h"
#include "profilefile/jzp_import_rules.h"
#include "profilefile/manage_profile.h"
#include "store/page_context.h"
#include "store/text_policy.h"
#include "abi/profile_records.h"

class ProfileList;
struct ProfileNode;
class SummaryRowStore;
struct ProfileListLook;

// CPage comes first among the bases: the host reaches slots 0 to 30 through it.
class ProfilePage final : public ApiControlSetProfil, public ProfilePageContext {
 public:
  ProfilePage();
  ~ProfilePage();
  ProfilePage(const ProfilePage &) = delete;
  ProfilePage &operator=(const ProfilePage &) = delete;

  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }  // 0
  int Unnamed1() override { return 2; }                                                         // 1
  int GetDialogId() override { return m_nDialogId; }                                            // 2
  int Unnamed3() override { return 11; }                                                        // 3
  int Unnamed4() override { return 0; }                                                         // 4
  LPCWSTR GetTitle() override;                                                                  // 5
  SIZE *CreatePageWindow(SIZE *size) override;                                                  // 6
  SIZE *GetDesignSize(SIZE *size) override;                                                     // 7
  void SetHostValues8(DWORD first, DWORD second) override;                                      // 8
  void SetHostValues9(DWORD first, DWORD second) override;                                      // 9
  DWORD GetHostValue9First() override { return m_adwHostValues9[0]; }   // 10
  DWORD GetHostValue9Second() override { return m_adwHostValues9[1]; }  // 11
  HICON GetIcon(int *loaded) override;                                  // 12
  bool Unnamed13(DWORD) override { return false; }                      // 13
  bool Unnamed14(DWORD) override { return true; }                       // 14
  bool Unnamed15(DWORD) override { return false; }                      // 15
  void Activate() override;                                             // 16
  bool Deactivate() override;                                           // 17
  bool Unnamed18() override { return true; }                            // 18
  bool Unnamed19() override { return true; }                            // 19
  void SetOwner(CControlSet *owner) override { m_pOwner = owner; }      // 20
  CControlSet *GetOwner() override { return m_pOwner; }                 // 21
  void UIManagerChanged(UIManager *) override {}                        // 22
  void Unnamed23(DWORD) override {}                                     // 23
  bool Unnamed24() override { return true; }                            // 24
  void SetHostByte(BYTE value) override { m_bHostByte = value; }        // 25
  BYTE GetHostByte() override { return m_bHostByte; }                   // 26
  int Unnamed27(DWORD, DWORD, DWORD) override { return -1; }            // 27
  int Unnamed28(DWORD, DWORD, DWORD) override { return -1; }            // 28
  bool Unnamed29() override { return true; }                            // 29
  // The wide buffer holds MAX_PATH characters and the text buffer MAX_PATH bytes.
  bool LoadPageString(UINT stringId, LPWSTR wide, LPSTR text) override;  // 30

  // The instance the page was given for its dialog templates, icon and bitmaps.
  HINSTANCE GetResourceInstance() const { return m_hInstance; }
  void SetResourceInstance(HINSTANCE instance) { m_hInstance = instance; }
  // Where the page loads its templates, icon and bitmaps from: the host's resource module,
  // which holds them, or the instance the page was given when the host has none.
  HINSTANCE PageResources() const;

  // Caches the current DEVMODE, the driver settings record, the model record and the printer
  // handle from the owner's UIManager; false when there is no manager or one of them is
  // missing, and the page cannot work.
  bool CacheHostObjects();
  // Takes the platform from the owner's DriverContext; platform 3 puts the page in ANSI mode.
  void ReadPlatform();

  // The page's language from the host and the model record; the template for it; the code page
  // and reading order it implies. Also reads the platform.
  int ChooseTemplate();

  // 1 when the process's program is Explorer, 2 when it is Excel, 0 otherwise.
  static int GetHostProcessKind();
  static bool IsWindowsNT4();

  HWND GetPageWindow() const { return m_hWnd; }
  WORD GetLanguage() const override { return m_wLanguage; }
  bool IsRightToLeft() const override { return m_bRightToLeft; }
  // The page's platform and the code page of its language, for every text and A/W call.
  const TextPolicy &Text() const override { return m_Text; }

  LPCSTR GetPrinterNameA() const { return m_tszPrinterName; }
  LPCWSTR GetPrinterNameW() const { return m_wszPrinterName; }

  // ProfilePageContext.
  HANDLE GetPrinterHandle() const override { return m_hPrinter; }
  CControlSet *GetControlSet() const override { return m_pOwner; }
  ProfileList *GetProfileList() const override { return m_pProfileList.get(); }
  bool IsClientMode() const override { return m_bClient; }
  const DEVMODEW *GetCurrentDevMode() const override { return m_pDevMode; }
  // Read on first use from the page's printer name (in the platform's form), handle and owner;
  // read again after the printer's name has changed.
  PrinterIdentity &GetPrinterIdentity() const override;

  UIManager *GetUIManager() const override { return Manager(); }
  DriverContext *GetDriverContext() const override;
  const ModelInfoRecord *GetModelInfo() const override { return m_pModelInfo; }
  const pdMain *GetDriverSettings() const override {
    return reinterpret_cast<const pdMain *>(m_pDriverSettings);
  }
  const ModelCapabilitiesRecord *GetModelCapabilities() const override { return m_pModelCaps; }

  // Settings conversion for storage, restoration onto the current printer (the buffer holds at
  // least the current DEVMODE's size) and applying a stored profile.
  bool ConvertDevMode(BYTE *devMode, size_t size);
  void RestoreDevMode(DEVMODEW *devMode, int regNum, bool restoreMedia) override;
  bool ApplyProfileDevMode(LPCSTR profileName);

  // The profile list view 1149: a row for a stored profile (the default profile, registry
  // number 0, under its localized name at row 0); the index of the new row, -1 when refused.
  int InsertListItem(LPCSTR profileName, int image);
  // Every profile of the ProfileList again, in its order; row 0 selected when none was.
  void RefreshList();
  // Enables the page's buttons by the rights, the mode, the rows and the selection.
  void UpdateButtons();
  // Rebuilds the summary list 1074 for the selected profile.
  void ShowProfileSummary();
  // Runs the settings-information dialog over `window` as opened from the page `pageNumber`,
  // with the page's hotkeys off while it runs.
  void ShowSettingsInformation(HWND window, WORD pageNumber);
  int GetProfileCount() const { return m_nProfileCount; }
  bool HasNoRights() const { return m_bNoRights; }
  bool IsNetworkPort() const { return m_bNetworkPort; }
  bool IsAdministrator() const { return m_bAdministrator; }
  bool IsInitialized() const { return m_bInitialized; }
  LPCSTR GetRegistryNameA() const { return m_tszRegistryName; }
  LPCWSTR GetRegistryNameW() const { return m_wszRegistryName; }

  // The dialog procedure of the page window, modeless or modal, A or W.
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct MessageRoute {
    UINT message;
    INT_PTR (ProfilePage::*handler)(WPARAM wParam, LPARAM lParam);
  };
  static const MessageRoute kMessageRoutes[];
  // The page's commands by button.
  struct CommandRoute {
    int controlId;
    void (ProfilePage::*handler)();
  };
  static const std::array<CommandRoute, 9> kCommandRoutes;

  UIManager *Manager() const;
  // The three records the page needs to work, the capabilities record and the printer name;
  // false when one of the three is missing.
  bool CacheHostRecords();
  void ReadPrinterName();
  // The printer handle the store operations use: the host's in Explorer, otherwise none, so
  // that each store opens the printer itself.
  void CachePrinterHandle();
  void MoveRenamedPrinterFiles();
  DualText LoadPageText(UINT stringId) const;
  void WritePrinterName();
  ProfileListLook ListLook() const;

  // Steps of WM_INITDIALOG.
  void InitCaptions();
  void InitProfileListView();
  void ReadRights();
  void ReadRegistryName();
  void CheckStoredPrinterName();
  void RemoveStaleDefault();
  void CreateDefaultProfile();
  void InitPageState();
  void WidenButtonsForLanguage();
  void InitSummaryList();

  // The state the enable rules read from the dialog and the page.
  ButtonRuleInput ReadButtonRuleInput() const;
  void SelectRow(int row) const;
  int FocusedSelectedRow() const;
  ProfileNode *NodeOfRow(int row) const;
  bool AnswerSummaryText(NMHDR *header) const;
  INT_PTR OnProfileListNotify(NMHDR *header);

  // OK and Cancel of the stand-alone page: both end it with 1.
  void EndStandAloneDialog();
  // The commands on the profiles (page_commands.cpp, page_apply_command.cpp).
  void AddProfile();
  void EditFocusedProfile();
  void DeleteSelectedProfiles();
  void ApplySelectedProfile();
  void ExportSelectedProfiles();
  void ImportProfiles();
  // The list's own command notifications: a selection change, a double click.
  void OnProfileListCommand(WORD notification);
  void EditOnDoubleClick();
  void DisableCommandButtons() const;
  // The host's current DEVMODE again: the host may have replaced it since the page took it.
  void RefreshCurrentDevMode();
  // The properties dialog over the page for `header`; 1 after OK.
  INT_PTR RunPropertiesDialog(ProfileHeader *header);
  // A question box of host strings; the text may name a profile in place of its "%s".
  int AskQuestion(UINT textId, UINT captionId, LPCSTR profileName) const;
  // Adds the header as a new profile, asking before it replaces one of the same name; false
  // when the profile was not added.
  bool InsertNewProfile(ProfileHeader *header);
  // The chooser's filters of profile files and of all files.
  DualText ProfileFileFilter() const;
  // Writes the named profiles into a new profile file.
  void ExportProfiles(const DualText &file, const std::vector<std::string> &names);
  // Adds every profile of the file to the page, fitted to this printer.
  void ImportProfileFile(const DualText &file);
  bool ConfirmImportFrom(const JzpHead &head) const;
  JzpImportTarget ReadImportTarget() const;
  std::optional<std::vector<CustomPaperSize>> ReadPrinterCustomPaperSizes() const;
  // One profile of the file, its values and its settings; false when the page refused it.
  bool ImportProfile(ManageProfile &reader, const JzpImportTarget &target, LPCSTR profileName);
  void ImportProfileValues(ManageProfile &reader, LPCSTR profileName);
  // The profile's row, list entry and stored values and data sets, the list saved.
  void RemoveProfile(LPCSTR profileName);
  // The current settings, converted, as the profile's "Default DevMode", and the printer's
  // driver data sets with them.
  void StoreCurrentSettings(LPCSTR profileName, int regNum);
  int RowOfProfile(LPCSTR profileName) const;
  int FocusedRow() const;
  // Selects and focuses the row alone; -1 leaves no row selected.
  void SelectOnlyRow(int row) const;
  void FitListColumn() const;
  // The information button: the settings-information dialog, on models that offer it.
  void OpenSettingsInformation();

  INT_PTR OnInitDialog(WPARAM wParam, LPARAM lParam);
  INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
  INT_PTR OnNotify(WPARAM wParam, LPARAM lParam);
  INT_PTR OnRefreshMessage(WPARAM wParam, LPARAM lParam);
  INT_PTR OnMeasureItem(WPARAM wParam, LPARAM lParam);
  INT_PTR OnDrawItem(WPARAM wParam, LPARAM lParam);
  INT_PTR OnPaint(WPARAM wParam, LPARAM lParam);
  INT_PTR OnHelp(WPARAM wParam, LPARAM lParam);
  INT_PTR OnContextMenu(WPARAM wParam, LPARAM lParam);
  INT_PTR OnHotKey(WPARAM wParam, LPARAM lParam);
  INT_PTR OnDestroy(WPARAM wParam, LPARAM lParam);

  CControlSet *m_pOwner;
  HWND m_hWnd;
  DEVMODEW *m_pDevMode;
  BYTE *m_pDriverSettings;
  ModelInfoRecord *m_pModelInfo;
  ModelCapabilitiesRecord *m_pModelCaps;
  HANDLE m_hPrinter;
  HINSTANCE m_hInstance;
  DWORD m_adwHostValues8[2];
  DWORD m_adwHostValues9[2];
  BYTE m_bHostByte;
  int m_nDialogId;
  SIZE m_DesignSize;
  SIZE m_WindowSize;
  WORD m_wLanguage;
  TextPolicy m_Text;
  bool m_bRightToLeft;
  int m_nPlatform;
  std::unique_ptr<ProfileList> m_pProfileList;
  HICON m_hIcon;
  bool m_bNoRights;
  bool m_bClient;
  bool m_bHotkeysRegistered;
  bool m_bNetworkPort;
  bool m_bAdministrator;
  bool m_bInitialized;
  int m_nProfileCount;
  HWND m_hProfileList;
  HFONT m_hListFont;
  std::unique_ptr<SummaryRowStore> m_pSummaryRows;
  // The identity the page's stores share; const operations build stores too.
  mutable std::unique_ptr<PrinterIdentity> m_pPrinterIdentity;
  char m_tszPrinterName[MAX_PATH];
  WCHAR m_wszPrinterName[MAX_PATH];
  // The printer name as a registry key may hold it: a network printer's backslashes become
  // commas.
  char m_tszRegistryName[MAX_PATH];
  WCHAR m_wszRegistryName[MAX_PATH];
};
