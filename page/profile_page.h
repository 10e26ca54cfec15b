// The object behind the "Profile" property page: what the host asks of a page (title, dialog
// ID, sizes, host values), its owner, and the host objects it caches from the owner's
// UIManager. The page asks its owner for the UIManager whenever it needs it, so a new manager
// handed to slot 22 needs nothing more.
#pragma once

#include <windows.h>

#include "module/host_interfaces.h"
#include "module/host_records.h"
#include "page/api_control_set_profil.h"

class ProfilePage : public ApiControlSetProfil {
 public:
  ProfilePage();
  ~ProfilePage() override;  // 0
  ProfilePage(const ProfilePage &) = delete;
  ProfilePage &operator=(const ProfilePage &) = delete;

  int Unnamed1() override { return 2; }                                 // 1
  int GetDialogId() override { return m_nDialogId; }                    // 2
  int Unnamed3() override { return 11; }                                // 3
  int Unnamed4() override { return 0; }                                 // 4
  LPCWSTR GetTitle() override;                                          // 5
  SIZE *CreatePageWindow(SIZE *size) override;                          // 6
  SIZE *GetDesignSize(SIZE *size) override;                             // 7
  void SetHostValues8(DWORD first, DWORD second) override;              // 8
  void SetHostValues9(DWORD first, DWORD second) override;              // 9
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

  // The instance that holds the page's dialog templates, icon and bitmaps.
  HINSTANCE GetResourceInstance() const { return m_hInstance; }
  void SetResourceInstance(HINSTANCE instance) { m_hInstance = instance; }

  // Caches the current DEVMODE, the driver settings record, the model record and the printer
  // handle from the owner's UIManager; false when there is no manager or one of them is
  // missing, and the page cannot work.
  bool CacheHostObjects();
  // Takes the platform from the owner's DriverContext; platform 3 puts the page in ANSI mode.
  void ReadPlatform();

 private:
  CControlSet *m_pOwner;
  DEVMODEW *m_pDevMode;
  BYTE *m_pDriverSettings;
  ModelInfoRecord *m_pModelInfo;
  HANDLE m_hPrinter;
  HINSTANCE m_hInstance;
  DWORD m_adwHostValues8[2];
  DWORD m_adwHostValues9[2];
  BYTE m_bHostByte;
  int m_nDialogId;
  SIZE m_DesignSize;
  UINT m_uCodePage;
  bool m_bAnsi;
  int m_nPlatform;
};
