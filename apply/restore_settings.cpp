// Stored identifiers of the main block become positions in the current lists again.
#include "apply/restore_settings.h"

#include "apply/feature_lists.h"
#include "apply/restore_plugins.h"
#include "apply/stored_index.h"

namespace {

constexpr DWORD kCoverMode = 0x1;                    // pdMain::dwMediaOptions
constexpr WORD kMediaSourceFallbackFlags = 0x3;      // pdMain::wMediaSourceFlags
constexpr WORD kDuplexValueApplies = 0x1;            // pdMain::wDuplexOptions
constexpr WORD kDuplexValueMask = 0x3FFF;            // pdMain::wDuplexValue
constexpr WORD kFinishingOutputBin = 1u << 9;        // pdMain::wFinishing
constexpr WORD kFinishing2OutputBin = 1u << 15;      // pdMain::wFinishing2
constexpr DWORD kQualityLitePrintLevel2 = 1u << 22;  // ModelCapabilitiesRecord::dwQuality

// Models whose record says 1 or 2 here fix the cover mode: it follows the printer's settings.
bool CoverModeFixed(const ModelInfoRecord *info) {
  return info != nullptr && (info->bRestriction == 1 || info->bRestriction == 2);
}

void SetLitePrint(pdMain *main, BYTE level) {
  main->dwOptions =
      (main->dwOptions & ~PDMAIN_OPT_LITEPRINT_MASK) | (DWORD{level} << PDMAIN_OPT_LITEPRINT_SHIFT);
  main->bCusQuaLte = level;
}

}  // namespace

void RestorePrintSize(UIManager *manager, SettingsView &settings) {
  pdMain *main = &settings.main;
  WORD stored = main->wScaleSizeIdx;
  if (!IsStoredIndex(stored))
    return;
  stored -= kConvertedBase;
  const int count = manager->GetFeatureCount(FEATURE_PAPER_SIZE);
  if (stored >= kConvertedBase) {
    main->wScaleSizeIdx = static_cast<WORD>(stored - kConvertedBase + count);
    return;
  }
  const WORD paperSize = static_cast<WORD>(settings.devMode.dmPaperSize);
  int matchingPaper = 0;
  for (int position = 0; position < count; ++position) {
    WORD id;
    if (!GetFeatureItemId(manager, FEATURE_PAPER_SIZE, position, &id))
      continue;
    if (id == stored) {
      main->wScaleSizeIdx = static_cast<WORD>(position);
      return;
    }
    if (id == paperSize)
      matchingPaper = position;
  }
  main->dwScaleFlags |= PDMAIN_SIZE_NOT_FOUND;
  main->wScaleSizeIdx = static_cast<WORD>(matchingPaper);
}

void RestoreMediaSource(const ProfilePageContext &page, SettingsView &settings) {
  pdMain *main = &settings.main;
  DEVMODEW *devMode = &settings.devMode;
  const pdMain *driverSettings = page.GetDriverSettings();
  if (CoverModeFixed(page.GetModelInfo()) && driverSettings != nullptr)
    main->dwMediaOptions =
        (main->dwMediaOptions & ~kCoverMode) | (driverSettings->dwMediaOptions & kCoverMode);

  // With an empty source list there is nothing to fall back to: the source stays as stored.
  UIManager *manager = page.GetUIManager();
  WORD first;
  if (GetFeatureItemId(manager, FEATURE_PAPER_SOURCE, 0, &first) &&
      FindFeatureItem(manager, FEATURE_PAPER_SOURCE, static_cast<WORD>(devMode->dmDefaultSource)) <
          0) {
    devMode->dmDefaultSource = static_cast<short>(first);
    main->wMediaSourceOption &= 0x1;
    main->wMediaSourceFlags = kMediaSourceFallbackFlags;
  }

  if ((main->wDuplexOptions & kDuplexValueApplies) != 0 && devMode->dmDuplex == DMDUP_SIMPLEX)
    devMode->dmDuplex = static_cast<short>(main->wDuplexValue & kDuplexValueMask);
}

void RestoreOutputBin(UIManager *manager, DriverContext *driver, SettingsView &settings) {
  pdMain *main = &settings.main;
  if (!IsStoredIndex(main->wOutBinIdx))
    return;
  const WORD id = static_cast<WORD>(main->wOutBinIdx - kConvertedBase);
  const int position = FindFeatureItem(manager, FEATURE_OUTPUT_BIN, id);
  if (position < 0) {
    main->wOutBinIdx = 0;
    main->dwOptions &= ~(PDMAIN_OPT_OUTBIN_OFFSET | PDMAIN_OPT_OUTBIN_SORT);
    main->wFinishing &= static_cast<WORD>(~kFinishingOutputBin);
    main->wFinishing2 &= static_cast<WORD>(~kFinishing2OutputBin);
    return;
  }
  main->wOutBinIdx = static_cast<WORD>(position);
  DWORD mapped = id;
  if (driver != nullptr && driver->QueryDriver(QUERY_OUTPUT_BIN, &mapped, QUERY_OUTPUT_BIN_MAP) > 0)
    main->wOutBinIdx = static_cast<WORD>(mapped);
}

void RestoreLitePrint(const ModelCapabilitiesRecord *capabilities, pdMain *main) {
  if (capabilities == nullptr)
    return;
  const DWORD level = (main->dwOptions & PDMAIN_OPT_LITEPRINT_MASK) >> PDMAIN_OPT_LITEPRINT_SHIFT;
  if ((capabilities->dwQuality & kQualityLitePrintLevel2) != 0) {
    if (level == 1)
      SetLitePrint(main, 2);
  } else if (level != 0) {
    SetLitePrint(main, 1);
  }
}

void RestorePaperSize(UIManager *manager, DEVMODEW *devMode) {
  WORD first;
  if (FindFeatureItem(manager, FEATURE_PAPER_SOURCE, static_cast<WORD>(devMode->dmDefaultSource)) <
          0 &&
      GetFeatureItemId(manager, FEATURE_PAPER_SOURCE, 0, &first))
    devMode->dmDefaultSource = static_cast<short>(first);
}

bool RestoreDevMode(const ProfilePageContext &page, std::vector<BYTE> &devMode, int regNum,
                    bool restoreMedia) {
  UIManager *manager = page.GetUIManager();
  SettingsView settings;
  if (manager == nullptr || page.GetCurrentDevMode() == nullptr ||
      !ReadSettingsView(devMode, &settings))
    return false;
  RestorePrintSize(manager, settings);
  if (restoreMedia) {
    RestoreMediaSource(page, settings);
    RestoreOutputBin(manager, page.GetDriverContext(), settings);
  }
  RestoreLitePrint(page.GetModelCapabilities(), &settings.main);
  RestorePaperSize(manager, &settings.devMode);
  WriteSettingsView(settings, devMode);
  RestorePlugIns(page, devMode, regNum);
  return true;
}
