// List positions of the main block become identifiers for storage.
#include "apply/convert_settings.h"

#include "apply/feature_lists.h"
#include "apply/settings_view.h"
#include "apply/stored_index.h"

void ConvertPrintSize(UIManager *manager, pdMain *main) {
  const WORD position = main->wScaleSizeIdx;
  if (IsStoredIndex(position))
    return;
  const int count = manager->GetFeatureCount(FEATURE_PAPER_SIZE);
  WORD id;
  if (position >= count)
    main->wScaleSizeIdx = static_cast<WORD>(position - count + kBeyondListBase);
  else if (GetFeatureItemId(manager, FEATURE_PAPER_SIZE, position, &id))
    main->wScaleSizeIdx = static_cast<WORD>(id + kConvertedBase);
}

void ConvertOutputBin(UIManager *manager, pdMain *main) {
  const WORD position = main->wOutBinIdx;
  if (IsStoredIndex(position))
    return;
  const int count = manager->GetFeatureCount(FEATURE_OUTPUT_BIN);
  WORD id;
  if (position < count && GetFeatureItemId(manager, FEATURE_OUTPUT_BIN, position, &id))
    main->wOutBinIdx = static_cast<WORD>(id + kConvertedBase);
}

bool ConvertDevMode(const ProfilePageContext &page, BYTE *devMode, size_t size) {
  UIManager *manager = page.GetUIManager();
  SettingsView view;
  if (manager == nullptr || devMode == nullptr || !ReadSettingsView({devMode, size}, &view))
    return false;
  ConvertPrintSize(manager, &view.main);
  ConvertOutputBin(manager, &view.main);
  WriteSettingsView(view, {devMode, size});
  return true;
}
