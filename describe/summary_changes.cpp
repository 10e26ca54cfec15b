// The changes group of the summary: every setting in which the profile differs from the
// default settings, in the order the summary shows them, and the few rows shown without a
// comparison. In each function m is the profile's main block and dm the default's, d and dd
// their public DEVMODEs; the value shown is always the profile's.
#include <string.h>

#include "describe/summary_builder.h"
#include "describe/summary_sizes.h"

namespace {

// True when the bits of `mask` differ between the two words.
bool Differs(DWORD profile, DWORD defaults, DWORD mask) {
  return ((profile ^ defaults) & mask) != 0;
}

// Doubles compare exactly; two equal bit patterns (a stored NaN included) are the same value.
bool Differs(double profile, double defaults) {
  return profile != defaults && memcmp(&profile, &defaults, sizeof profile) != 0;
}

bool IsSet(DWORD word, DWORD mask) {
  return (word & mask) != 0;
}

constexpr DWORD Bit(int n) {
  return 1u << n;
}

// A value table's "otherwise": the value repeats the label.
constexpr UINT IDS_LABEL = 0;

// One entry of a value table: a field's value and the string that names it.
struct ValueText {
  DWORD value;
  UINT id;
};

// The string for `value`, or IDS_LABEL when the table has none.
template <size_t N>
UINT Lookup(const ValueText (&table)[N], DWORD value) {
  for (const ValueText &entry : table)
    if (entry.value == value)
      return entry.id;
  return IDS_LABEL;
}

}  // namespace

void SummaryBuilder::AddChangeRows() {
  AddPageChanges();
  AddLayoutChanges();
  AddQualityChanges();
  AddGraphicsChanges();
  AddColorChanges();
  AddOutputChanges();
  AddFinishingChanges();
}

// Print size, paper source, media type and orientation.
void SummaryBuilder::AddPageChanges() {
  const DEVMODEW &d = *m_Profile.devMode;
  const DEVMODEW &dd = *m_Default.devMode;
  if (!IsSet(m_Profile.main->dwScaleFlags, PDMAIN_SIZE_NOT_FOUND))
    AddChange(112, LabelStyle::N, PrintSizeValue());
  if (d.dmDefaultSource != dd.dmDefaultSource)
    AddChange(114, LabelStyle::N,
              FeatureName(FindFeature(FEATURE_PAPER_SOURCE, static_cast<WORD>(d.dmDefaultSource))));
  if (d.dmMediaType != dd.dmMediaType)
    AddChange(115, LabelStyle::N, FeatureName(FindFeature(FEATURE_MEDIA_TYPE, d.dmMediaType)));
  if (d.dmOrientation != dd.dmOrientation)
    AddChange(487, LabelStyle::N, m_Labels.Text(d.dmOrientation == DMORIENT_PORTRAIT ? 116 : 117));
}

// Mirror, pages per sheet, scaling, two-sided printing, booklet and image shift.
void SummaryBuilder::AddLayoutChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_MIRROR))
    AddOnOffChange(118, LabelStyle::L, IsSet(m.dwOptions, PDMAIN_OPT_MIRROR));
  if (m.wFitToPage != dm.wFitToPage)
    AddChange(196, LabelStyle::N, Format("%i", m.wFitToPage));
  if (m.wScalePercent != dm.wScalePercent)
    AddChange(207, LabelStyle::N, Format("%d%%", m.wScalePercent));
  if (Differs(m.wDuplexOptions, dm.wDuplexOptions, Bit(0)))
    AddOnOffChange(199, LabelStyle::N, IsSet(m.wDuplexOptions, Bit(0)));
  if (Differs(m.wDuplexOptions, dm.wDuplexOptions, Bit(1)))
    AddOnOffChange(208, LabelStyle::N, IsSet(m.wDuplexOptions, Bit(1)));

  const bool booklet = IsSet(m.wBookletOptions, Bit(0));
  if (Differs(m.wBookletOptions, dm.wBookletOptions, Bit(0))) {
    const UINT binding = (m.wBookletOptions >> 2 & 3) == 1 ? 204 : 203;
    AddChange(202, LabelStyle::N,
              booklet ? m_Labels.Text(binding) : m_Labels.Label(202, LabelStyle::N));
  }
  if (booklet)
    return;
  const WideString shift = m_Labels.Load(273);
  const WCHAR blank = static_cast<WCHAR>(' ');
  if (Differs(m.dImageShiftX, dm.dImageShiftX))
    AddChange(m_Labels.Shape(shift + WideString{blank, static_cast<WCHAR>('X')}, LabelStyle::K),
              FormatImageShift(m.dImageShiftX, DisplayUnit()));
  if (Differs(m.dImageShiftY, dm.dImageShiftY))
    AddChange(m_Labels.Shape(shift + WideString{blank, static_cast<WCHAR>('Y')}, LabelStyle::K),
              FormatImageShift(m.dImageShiftY, DisplayUnit()));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE))
    AddOnOffChange(277, LabelStyle::L, !IsSet(m.dwOptions, PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE));
}

// LitePrint, smoothing, colour reproduction and image adjustment.
void SummaryBuilder::AddQualityChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_LITEPRINT_MASK)) {
    const DWORD level = (m.dwOptions & PDMAIN_OPT_LITEPRINT_MASK) >> PDMAIN_OPT_LITEPRINT_SHIFT;
    const std::string value = level == 1   ? OnOff(true)
                              : level == 2 ? std::string("75%")
                              : level == 3 ? std::string("50%")
                                           : OnOff(false);
    AddChange(21, LabelStyle::L, value);
  }
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_TONER_SAVE))
    AddOnOffChange(22, LabelStyle::L, IsSet(m.dwOptions, PDMAIN_OPT_TONER_SAVE));

  // A reproduction outside the table counts as a change but shows no row.
  static const ValueText reproductions[] = {{0, 1160},  {1, 1161},  {2, 1162},
                                            {3, 1163},  {10, 1164}, {11, 1165},
                                            {12, 1166}, {20, 1167}, {21, 1168}};
  if (m.wColorReproduction != dm.wColorReproduction) {
    const UINT id = Lookup(reproductions, m.wColorReproduction);
    if (id == IDS_LABEL)
      ++m_nChanges;
    else
      AddChange(1151, LabelStyle::L, m_Labels.Text(id));
  }

  // Image adjustment is not shown for a colour model printing in automatic or colour mode, or
  // in custom mode without grey-scale black.
  const DWORD mode = m.wColorMode & 7;
  const bool suppressed =
      IsColorModel() && (mode == 0 || mode == 1 || (mode == 3 && !IsSet(m.wQualityFlags, Bit(6))));
  if ((m.sBrightness != dm.sBrightness || m.sContrast != dm.sContrast) && !suppressed) {
    AddChange(28, LabelStyle::K, "");
    AddChange(29, LabelStyle::I, Format("%d", m.sBrightness));
    AddChange(30, LabelStyle::I, Format("%d", m.sContrast));
  }
}

// TrueType fonts and the font and graphics options.
void SummaryBuilder::AddGraphicsChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  static const ValueText fonts[] = {{1, 101}, {2, 102}, {3, 103}, {257, 1550}};
  if (m_Profile.devMode->dmTTOption != m_Default.devMode->dmTTOption) {
    const UINT id = Lookup(fonts, static_cast<WORD>(m_Profile.devMode->dmTTOption));
    AddChange(100, LabelStyle::N,
              id == IDS_LABEL ? m_Labels.Label(100, LabelStyle::N) : m_Labels.Text(id));
  }
  static const ValueText graphics[] = {{0, 131}, {1, 132}};
  if (Differs(m.wFontOptions, dm.wFontOptions, 0xFu << 6)) {
    const UINT id = Lookup(graphics, m.wFontOptions >> 6 & 0xF);
    AddChange(130, LabelStyle::P,
              id == IDS_LABEL ? m_Labels.Label(130, LabelStyle::P) : m_Labels.Text(id));
  }
  struct {
    int bit;
    UINT label;
    LabelStyle style;
  } static const options[] = {{0, 129, LabelStyle::A},
                              {10, 833, LabelStyle::A},
                              {2, 121, LabelStyle::A},
                              {3, 123, LabelStyle::N},
                              {1, 120, LabelStyle::A}};
  for (const auto &option : options)
    if (Differs(m.wFontOptions, dm.wFontOptions, Bit(option.bit)))
      AddOnOffChange(option.label, option.style, IsSet(m.wFontOptions, Bit(option.bit)));
}

// Colour mode, colour matching and colour adjustment. The colour mode decides whether the
// colour matching rows apply (flag F).
void SummaryBuilder::AddColorChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  static const ValueText modes[] = {{0, 140}, {1, 141}, {2, 142}, {3, 398}};
  if (Differs(m.wColorMode, dm.wColorMode, 7)) {
    const DWORD mode = m.wColorMode & 7;
    const UINT id = Lookup(modes, mode);
    AddChange(700, LabelStyle::N,
              id == IDS_LABEL ? m_Labels.Label(700, LabelStyle::N) : m_Labels.Text(id));
    if (mode == 2)
      m_bColor = false;
    else if (mode == 3)
      m_bColor = !IsSet(m.wQualityFlags, Bit(6));
  }
  if (m_bColor && !IsSet(m.dwColorFlags, Bit(0))) {
    // The last method that applies names the matching; two of its strings end in a colon.
    WideString value = m_Labels.Load(701);
    auto withoutLast = [this](UINT id) {
      WideString text = m_Labels.Load(id);
      if (!text.empty())
        text.pop_back();
      return text;
    };
    if (IsSet(m.dwColorFlags, Bit(3)))
      value = m_Labels.Load(149);
    if (IsSet(m.dwColorFlags, Bit(1)))
      value = m_Labels.Load(703);
    if (IsSet(m.dwColorMatching, Bit(0)))
      value = withoutLast(705);
    if (IsSet(m.dwColorFlags, Bit(2)))
      value = withoutLast(704);
    AddChange(701, LabelStyle::N, m_Labels.Policy().ToText(value.c_str()));
  }
  static const ValueText adjustments[] = {{1, 306}, {2, 307}, {3, 308}};
  if (m_bColor && m.dwColoAdjCustomID != dm.dwColoAdjCustomID) {
    const UINT id = Lookup(adjustments, m.dwColoAdjCustomID);
    AddChange(706, LabelStyle::N,
              id == IDS_LABEL ? m_Labels.Label(706, LabelStyle::N) : m_Labels.Text(id));
  }
}

// Copies, output bin, covers, separator pages, EMF spooling, job log and banner page.
void SummaryBuilder::AddOutputChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  if (m_Profile.devMode->dmCopies != m_Default.devMode->dmCopies)
    AddChange(451, LabelStyle::N, Format("%-i", m_Profile.devMode->dmCopies));

  // A stored output bin is the bin's code plus 1000; a bin that no entry names is unmatched.
  const int bin = m.wOutBinIdx;
  if (bin != dm.wOutBinIdx && bin != dm.wOutBinIdx + 1000) {
    const FeatureEntry *entry =
        bin >= 1000 ? FindFeature(FEATURE_OUTPUT_BIN, static_cast<DWORD>(bin - 1000)) : nullptr;
    m_bOutBinUnmatched = entry == nullptr;
    AddChange(450, LabelStyle::N, FeatureName(entry));
  }

  static const struct {
    UINT label;
    DWORD pdMain::*first;
    DWORD pdMain::*second;
  } sheets[] = {{500, &pdMain::dwFrontCover, &pdMain::dwMediaOptions},
                {505, &pdMain::dwBackCover, &pdMain::dwSeparatorPage},
                {509, &pdMain::dwInsertSheet, &pdMain::dwTransparencyInterleave}};
  for (const auto &sheet : sheets)
    if (Differs(m.*sheet.first, dm.*sheet.first, Bit(0)) ||
        Differs(m.*sheet.second, dm.*sheet.second, Bit(0)))
      AddOnOffChange(sheet.label, LabelStyle::A,
                     IsSet(m.*sheet.first, Bit(0)) || IsSet(m.*sheet.second, Bit(0)));

  const ModelCapabilitiesRecord *capabilities = m_Page.GetModelCapabilities();
  if (!m_Page.Text().IsAnsi() && capabilities != nullptr &&
      IsSet(capabilities->dwUserInterface, Bit(24)) && IsJapanese() &&
      Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_EMF_SPOOLING))
    AddChange(1773, LabelStyle::A,
              IsSet(m.dwOptions, PDMAIN_OPT_EMF_SPOOLING) ? m_Labels.Text(561)
                                                          : m_Labels.Label(1773, LabelStyle::A));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_SPOOL_RAW))
    AddOnOffChange(6122, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_SPOOL_RAW));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_SKIP_BLANK))
    AddOnOffChange(1050, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_SKIP_BLANK));
}

// Output-bin options and finishing, which only a matched output bin shows, then hole punch
// mode and gloss, shown without a comparison.
void SummaryBuilder::AddFinishingChanges() {
  const pdMain &m = *m_Profile.main;
  const pdMain &dm = *m_Default.main;
  if (!m_bOutBinUnmatched) {
    if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_OUTBIN_OFFSET))
      AddOnOffChange(452, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_OUTBIN_OFFSET));
    if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_OUTBIN_SORT))
      AddOnOffChange(449, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_OUTBIN_SORT));
    if (Differs(m.wFinishing, dm.wFinishing, Bit(9)))
      AddOnOffChange(IsJapanese() ? 1959 : 455, LabelStyle::A, IsSet(m.wFinishing, Bit(9)));
    if (Differs(m.wFinishing2, dm.wFinishing2, Bit(15)))
      AddOnOffChange(456, LabelStyle::A, IsSet(m.wFinishing2, Bit(15)));
  }

  static const ValueText punchModes[] = {{1, 465}, {2, 467}, {3, 466},
                                         {5, 470}, {6, 471}, {7, 1104}};
  if (IsSet(m.dwHolePunch, Bit(20))) {
    const DWORD mode = m.dwHolePunch & 0xFFFFF;
    const UINT id = mode == 0 ? (IsJapanese() ? 1960 : 464) : Lookup(punchModes, mode);
    if (id != IDS_LABEL)
      AddOnOffChange(id, LabelStyle::A, true);
  }

  static const ValueText glossLevels[] = {{1, 4257}, {2, 4259}, {3, 4258}};
  const UINT gloss = Lookup(glossLevels, m.wFontOptions >> 11 & 7);
  if (gloss != IDS_LABEL)
    AddChange(4256, LabelStyle::N, m_Labels.Text(gloss));
}
