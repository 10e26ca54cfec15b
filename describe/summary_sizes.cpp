// The summary's size arithmetic.
#include "describe/summary_sizes.h"

#include <stdio.h>

namespace {

// A ratio in percent, truncated. A zero or negative document side cannot be scaled and counts
// as 100%; a ratio beyond any real paper is held at 99999% so the conversion stays defined.
int TruncatedPercent(double output, double document) {
  if (!(document > 0.0))
    return 100;
  const double percent = output / document * 100.0;
  if (!(percent < 99999.0))
    return 99999;
  return percent > 0.0 ? static_cast<int>(percent) : 0;
}

// The custom size of the current settings in the display unit. Combinations that the table
// does not name are shown unconverted.
double CustomToDisplayUnit(DWORD value, DWORD customUnit, WORD displayUnit) {
  if (displayUnit == 0 && customUnit == 0)
    return value / 1000.0;
  if (displayUnit == 2 && customUnit == 2)
    return value / 10.0;
  if (displayUnit == 0 && customUnit == 2)
    return value / 254.0;
  if (displayUnit == 2 && customUnit == 0)
    return value / 100.0 * 2.54;
  return value;
}

WORD DisplayUnit(const ProfilePageContext &page) {
  const ModelInfoRecord *model = page.GetModelInfo();
  return model != nullptr ? model->wUnit : 0;
}

// One page side of the current document paper in the display unit. `across` asks for the side
// that runs across the page as it is oriented. Without current settings the side is 0; a
// paper entry that the host does not return counts as 0 as well.
double CurrentPaperSide(const ProfilePageContext &page, bool across) {
  const pdMain *settings = page.GetDriverSettings();
  UIManager *manager = page.GetUIManager();
  if (settings == nullptr || manager == nullptr)
    return 0.0;
  const DEVMODEW *current = page.GetCurrentDevMode();
  const bool portrait = current == nullptr || current->dmOrientation == DMORIENT_PORTRAIT;
  const bool width = across == portrait;
  const WORD displayUnit = DisplayUnit(page);

  const int count = manager->GetFeatureCount(FEATURE_PAPER_SIZE);
  const WORD index = settings->wMediaSizeIdx;
  if (index >= count)
    return CustomToDisplayUnit(width ? settings->dwCustomWidth : settings->dwCustomLength,
                               settings->dwCustomUnit & 0xF, displayUnit);
  const auto *entry =
      static_cast<const PaperSizeEntry *>(manager->GetFeatureItem(FEATURE_PAPER_SIZE, index));
  if (entry == nullptr)
    return 0.0;
  const WORD side = width ? entry->wWidth : entry->wLength;
  return displayUnit != 0 ? side / 10.0 : side / 254.0;
}

// The one-page side is held in single precision, as the driver holds it.
double PosterSide(const ProfilePageContext &page, int count, bool across) {
  const float one = static_cast<float>(CurrentPaperSide(page, across));
  return count * static_cast<double>(one);
}

}  // namespace

DWORD CustomSizeToTenthsMm(DWORD value, DWORD unitWord) {
  if ((unitWord & 0xF) != 0)
    return value;
  return static_cast<DWORD>(value / 100.0 * 25.4 + 0.5);
}

int PrintSizeZoom(double documentWidth, double documentLength, double outputWidth,
                  double outputLength) {
  const int across = TruncatedPercent(outputWidth, documentWidth);
  const int down = TruncatedPercent(outputLength, documentLength);
  return across < down ? across : down;
}

std::string FormatImageShift(double stored, WORD displayUnit) {
  char text[64];
  if (displayUnit == 0)
    snprintf(text, sizeof text, "%.2f in", stored + 0.2);
  else
    snprintf(text, sizeof text, "%.1f mm", stored * 25.4 + 5.0);
  return text;
}

double PosterTileWidth(const ProfilePageContext &page, int count) {
  return PosterSide(page, count, true);
}

double PosterTileLength(const ProfilePageContext &page, int count) {
  return PosterSide(page, count, false);
}

std::string FormatPosterSize(int across, int down, double width, double length, WORD displayUnit) {
  char text[128];
  snprintf(text, sizeof text, "%d x %d (%.2f x %.2f %s)", across, down, width + 0.005,
           length + 0.005, displayUnit == 0 ? "in." : "mm.");
  return text;
}
