// The module's control set: the object the host obtains with GetClass("CControlSetProfil"). It
// owns the profile page, passes the host's DriverContext and UIManager on to it, and keeps the
// module's own block in the driver's private settings valid.
#pragma once

#include <windows.h>

#include "abi/private_blocks.h"
#include "abi/host_interfaces.h"

class ProfilePage;

class CControlSetProfil final : public CControlSet {
 public:
  // `hSetModule` is the instance that holds the page's dialog templates.
  explicit CControlSetProfil(HINSTANCE hSetModule);
  ~CControlSetProfil();
  CControlSetProfil(const CControlSetProfil &) = delete;
  CControlSetProfil &operator=(const CControlSetProfil &) = delete;

  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }  // 0
  void SetHostValue(DWORD value) override { m_dwHostValue = value; }                            // 1
  DWORD GetHostValue() override { return m_dwHostValue; }                                       // 2
  int GetPageCount(DWORD mask) override;                                                        // 3
  void SetDriverContext(DriverContext *context) override { m_pDriverContext = context; }        // 4
  CPage *GetPage(int index, DWORD mask) override;                                               // 5
  DriverContext *GetDriverContext() override { return m_pDriverContext; }                       // 6
  void SetUIManager(UIManager *manager) override;                                               // 7
  UIManager *GetUIManager() override { return m_pUIManager; }                                   // 8
  void CheckPrivateData(UIManager *manager) override;                                           // 9
  void VerifyPrivateData(DWORD) override {}          // 10
  void Unnamed11(DWORD) override {}                  // 11
  void DevModeChanged(UIManager *manager) override;  // 12
  void PrivateDataChanged(DWORD) override {}         // 13
  void InvalidateDevMode() override;                 // 14
  void Unnamed15() override {}                       // 15
  void Unnamed16(DWORD) override {}                  // 16
  void Unnamed17(DWORD, DWORD, DWORD) override {}    // 17
  void Unnamed18() override {}                       // 18

  // The module's block inside the host's current settings, or null; never owned.
  const ProfilePrivateData *GetCurrentBlock() const { return m_pPrivateData; }
  // The copy of the block that DevModeChanged took, with its header made valid.
  const ProfilePrivateData &GetOwnCopy() const { return m_OwnCopy; }
  ProfilePage *GetProfilePage() const { return m_pPage; }

 private:
  ProfilePrivateData *m_pPrivateData;
  ProfilePrivateData m_OwnCopy;
  DWORD m_dwHostValue;
  ProfilePage *m_pPage;
  DriverContext *m_pDriverContext;
  UIManager *m_pUIManager;
  bool m_bRemoving;  // set only while the host is asked to remove an invalid block
};
