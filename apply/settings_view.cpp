// Checking a DEVMODE buffer before its fields are touched.
#include "apply/settings_view.h"

#include <string.h>

#include "abi/plugin_walk.h"

size_t CompleteDevModeSize(const BYTE *data, size_t size) {
  if (data == nullptr || size < offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD))
    return 0;
  WORD publicSize, extra;
  memcpy(&publicSize, data + offsetof(DEVMODEW, dmSize), sizeof publicSize);
  memcpy(&extra, data + offsetof(DEVMODEW, dmDriverExtra), sizeof extra);
  const size_t complete = size_t{publicSize} + extra;
  return complete <= size ? complete : 0;
}

bool ViewSettings(BYTE *data, size_t size, SettingsView *view) {
  if (CompleteDevModeSize(data, size) == 0)
    return false;
  auto *devMode = reinterpret_cast<DEVMODEW *>(data);
  if (devMode->dmSize < kPublicReach)
    return false;
  PrivateDataBlockHeader *main = GetPlugInAddr(devMode, PRIVATE_DATA_ID_MAIN);
  if (main == nullptr || main->dwSize < kMainBlockReach)
    return false;
  view->devMode = devMode;
  view->main = reinterpret_cast<pdMain *>(main);
  return true;
}
