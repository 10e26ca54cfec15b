// The module's UI class as the host obtains it with GetClass("CProfil"): a thin object that takes
// the host's UIClassHost and builds a profile list bound to the host's UIManager.
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"

class ProfileList;

// A UI module that answers which kind of user interface it supports; the rest is left to the
// concrete class.
class CUIModuleImpl : public CUIModule {
 public:
  bool SupportsType(DWORD kind) override;  // 6

 protected:
  ~CUIModuleImpl() = default;
};

class CProfil final : public CUIModuleImpl {
 public:
  CProfil();
  ~CProfil();
  CProfil(const CProfil &) = delete;
  CProfil &operator=(const CProfil &) = delete;

  void *DeletingDestructor(UINT flags) override;  // 0
  void SetHost(UIClassHost *host) override;       // 1
  void Unnamed2() override;                       // 2
  void SetHostValue(DWORD value) override;        // 3
  DWORD GetHostValue() override;                  // 4
  int Unnamed5() override;                        // 5

  // The list built by SetHost, or null before a host was given.
  ProfileList *GetProfileList() const { return m_pProfileList; }

 private:
  ProfileList *m_pProfileList;
  UIClassHost *m_pHost;
  DWORD m_dwHostValue;
};
