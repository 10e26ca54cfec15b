// Reading the fields a conversion or restoration changes, and writing them back.
#include "apply/settings_view.h"

#include <optional>

#include "abi/devmode_view.h"

bool ReadSettingsView(std::span<const BYTE> devMode, SettingsView *view) {
  const DevModeView settings(devMode);
  if (!settings.IsComplete() || settings.PublicSize() < kPublicReach)
    return false;
  const std::optional<PrivateBlock> main = settings.FindBlock(PRIVATE_DATA_ID_MAIN);
  if (!main || main->header.dwSize < kMainBlockReach)
    return false;
  view->devMode = settings.PublicFields();
  view->main = settings.ReadBlock<pdMain>(*main);
  return true;
}

void WriteSettingsView(const SettingsView &view, std::span<BYTE> devMode) {
  DevModeEditor settings(devMode);
  const std::optional<PrivateBlock> main = settings.FindBlock(PRIVATE_DATA_ID_MAIN);
  settings.WritePublicFields(view.devMode);
  if (main)
    settings.WriteBlock(*main, view.main);
}
