// The road from a stored profile to the host's current settings.
#include "apply/apply_profile.h"

#include <string.h>

#include <memory>
#include <vector>

#include "abi/devmode_view.h"
#include "apply/restore_settings.h"
#include "store/page_store.h"
#include "store/profile_list.h"

namespace {

// The profile's stored DEVMODE, read at the size its index reports; empty when it has none.
std::vector<BYTE> LoadStoredDevMode(VTPROFJZP &store, LPCSTR profileName, int regNum) {
  for (const ProfileValueInfo &value : store.EnumProfileRegValue(profileName, regNum)) {
    if (_stricmp(value.name.c_str(), PROFILE_DEVMODE_VALUE) != 0)
      continue;
    std::vector<BYTE> devMode(value.size);
    DWORD size = 0, type = 0;
    if (value.size == 0 || store.LoadProfileRegValue(profileName, regNum, value.name.c_str(),
                                                     devMode.data(), value.size, &size, &type) == 0)
      return {};
    devMode.resize(size);
    return devMode;
  }
  return {};
}

}  // namespace

bool ApplyProfileDevMode(const ProfilePageContext &page, LPCSTR profileName) {
  ProfileList *list = page.GetProfileList();
  const ProfileNode *node = list != nullptr ? list->Find(profileName) : nullptr;
  UIManager *manager = page.GetUIManager();
  if (node == nullptr || manager == nullptr)
    return false;
  const int regNum = node->header.nProfRegNum;

  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (!store)
    return false;
  std::vector<BYTE> devMode = LoadStoredDevMode(*store, profileName, regNum);
  store.reset();
  if (devMode.empty() || !RestoreDevMode(page, devMode, regNum, true))
    return false;
  manager->SetCurrentDevMode(DevModeOf(devMode));
  return true;
}
