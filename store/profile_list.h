// The page's profile list: the printer's stored profile headers as a chain of nodes sorted by
// name (case ignored), read and written through the host's UIManager as "JzProfileCount" and
// "JzProfileData".
#pragma once

#include <windows.h>

#include "abi/host_interfaces.h"
#include "abi/profile_records.h"
#include "abi/resource_ids.h"
#include "store/text_policy.h"

// One header of the list and the link to the next.
struct ProfileNode {
  ProfileHeader header;
  ProfileNode *pNext;
};

class ProfileList {
 public:
  // The control set gives the host's strings (it may be null); the page's text policy converts
  // them.
  ProfileList(CControlSet *controlSet, const TextPolicy &text, UIManager *manager,
              BYTE *driverSettings, DEVMODEW *devMode);
  virtual ~ProfileList();
  ProfileList(const ProfileList &) = delete;
  ProfileList &operator=(const ProfileList &) = delete;

  // Replaces the nodes with the stored headers; false when no list is stored.
  bool Load();
  // Writes the nodes in order; false when there are none or the host refuses the values.
  bool Save();
  // Adds a copy of the header in sorted position. A user profile that carries the default
  // profile's localized name is renamed "<name> (k)" with the first k whose name is free; the
  // new name is written into the caller's header too. Null when the header is null.
  ProfileNode *Insert(ProfileHeader *header);
  // Find, IndexOf and Remove compare names exactly (case counts).
  bool Remove(LPCSTR name);
  ProfileNode *Find(LPCSTR name) const;
  int IndexOf(LPCSTR name) const;
  void Clear();
  // The stored count, 0 when it cannot be read.
  DWORD ReadCount();
  // The lowest registry number from 1 that no node uses.
  int GetAvailableRegNum() const;

  ProfileNode *First() const { return m_Head.pNext; }
  int Count() const { return m_nCount; }
  // The node made from the first stored header, or null.
  ProfileNode *DefaultNode() const { return m_pDefault; }
  UIManager *GetUIManager() const { return m_pUIManager; }
  BYTE *GetDriverSettings() const { return m_pDriverSettings; }
  DEVMODEW *GetDevMode() const { return m_pDevMode; }

 private:
  void RenameDefaultNamedProfile(ProfileHeader *header) const;

  CControlSet *m_pControlSet;
  TextPolicy m_Text;
  UIManager *m_pUIManager;
  int m_nCount;
  ProfileNode *m_pDefault;
  ProfileNode m_Head;  // sentinel: the list runs from its pNext
  BYTE *m_pDriverSettings;
  DEVMODEW *m_pDevMode;
};
