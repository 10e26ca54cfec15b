// The changes group of the summary: every setting in which the profile differs from the
// default settings, in the order the summary shows them, and the few rows shown without a
// comparison. In each function m is the profile's main block and dm the default's, d and dd
// their public DEVMODEs; the value shown is always the profile's.
#include <string.h>

#include "abi/resource_ids.h"
#include "describe/setting_string_ids.h"
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

enum : UINT {
  IDS_TRUETYPE_FONTS = 100,
  IDS_NEGATIVE_IMAGE = 123,
  IDS_PRINT_POSITION_SHIFT = 273,
  IDS_REPRODUCTION_OFFICE_DOCUMENTS = 1167,
  IDS_REPRODUCTION_WEB_PAGES = 1168,
  IDS_FOLD_JAPANESE = 1959,
  IDS_PROOF_AND_HOLD_JAPANESE = 1960,
  IDS_GLOSS = 4256,
  IDS_GLOSS_LOW = 4257,
  IDS_GLOSS_HIGH = 4258,
  IDS_GLOSS_MEDIUM = 4259,
  IDS_PRINT_JOB_LOG = 6122,
};

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
  const DEVMODEW &d = m_Profile.devMode;
  const DEVMODEW &dd = m_Default.devMode;
  if (!IsSet(m_Profile.main.dwScaleFlags, PDMAIN_SIZE_NOT_FOUND))
    AddChange(IDS_PRINT_SIZE, LabelStyle::N, PrintSizeValue());
  if (d.dmDefaultSource != dd.dmDefaultSource)
    AddChange(IDS_PAPER_SOURCE, LabelStyle::N,
              FeatureName(FindFeature(FEATURE_PAPER_SOURCE, static_cast<WORD>(d.dmDefaultSource))));
  if (d.dmMediaType != dd.dmMediaType)
    AddChange(IDS_MEDIA_TYPE, LabelStyle::N,
              FeatureName(FindFeature(FEATURE_MEDIA_TYPE, d.dmMediaType)));
  if (d.dmOrientation != dd.dmOrientation)
    AddChange(IDS_ORIENTATION, LabelStyle::N,
              m_Labels.Text(d.dmOrientation == DMORIENT_PORTRAIT ? IDS_PORTRAIT : IDS_LANDSCAPE));
}

// Mirror, pages per sheet, scaling, two-sided printing, booklet and image shift.
void SummaryBuilder::AddLayoutChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_MIRROR))
    AddOnOffChange(IDS_ROTATE_180_DEGREES, LabelStyle::L, IsSet(m.dwOptions, PDMAIN_OPT_MIRROR));
  if (m.wFitToPage != dm.wFitToPage)
    AddChange(IDS_PAGES_PER_SHEET, LabelStyle::N, Format("%i", m.wFitToPage));
  if (m.wScalePercent != dm.wScalePercent)
    AddChange(IDS_SCALING, LabelStyle::N, Format("%d%%", m.wScalePercent));
  if (Differs(m.wDuplexOptions, dm.wDuplexOptions, Bit(0)))
    AddOnOffChange(IDS_TWO_SIDED_PRINTING, LabelStyle::N, IsSet(m.wDuplexOptions, Bit(0)));
  if (Differs(m.wDuplexOptions, dm.wDuplexOptions, Bit(1)))
    AddOnOffChange(IDS_MANUAL_TWO_SIDED_PRINTING, LabelStyle::N, IsSet(m.wDuplexOptions, Bit(1)));

  const bool booklet = IsSet(m.wBookletOptions, Bit(0));
  if (Differs(m.wBookletOptions, dm.wBookletOptions, Bit(0))) {
    const UINT binding = (m.wBookletOptions >> 2 & 3) == 1 ? IDS_RIGHT_BINDING : IDS_LEFT_BINDING;
    AddChange(IDS_BOOKLET, LabelStyle::N,
              booklet ? m_Labels.Text(binding) : m_Labels.Label(IDS_BOOKLET, LabelStyle::N));
  }
  if (booklet)
    return;
  const WideString shift = m_Labels.Load(IDS_PRINT_POSITION_SHIFT);
  const WCHAR blank = static_cast<WCHAR>(' ');
  if (Differs(m.dImageShiftX, dm.dImageShiftX))
    AddChange(m_Labels.Shape(shift + WideString{blank, static_cast<WCHAR>('X')}, LabelStyle::K),
              FormatImageShift(m.dImageShiftX, DisplayUnit()));
  if (Differs(m.dImageShiftY, dm.dImageShiftY))
    AddChange(m_Labels.Shape(shift + WideString{blank, static_cast<WCHAR>('Y')}, LabelStyle::K),
              FormatImageShift(m.dImageShiftY, DisplayUnit()));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE))
    AddOnOffChange(IDS_CLIP_TO_PRINTABLE_AREA, LabelStyle::L,
                   !IsSet(m.dwOptions, PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE));
}

// LitePrint, smoothing, colour reproduction and image adjustment.
void SummaryBuilder::AddQualityChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_LITEPRINT_MASK)) {
    const DWORD level = (m.dwOptions & PDMAIN_OPT_LITEPRINT_MASK) >> PDMAIN_OPT_LITEPRINT_SHIFT;
    const std::string value = level == 1   ? OnOff(true)
                              : level == 2 ? std::string("75%")
                              : level == 3 ? std::string("50%")
                                           : OnOff(false);
    AddChange(IDS_TONER_SAVE, LabelStyle::L, value);
  }
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_TONER_SAVE))
    AddOnOffChange(IDS_SMOOTHING, LabelStyle::L, IsSet(m.dwOptions, PDMAIN_OPT_TONER_SAVE));

  // A reproduction outside the table counts as a change but shows no row.
  static const ValueText reproductions[] = {{0, IDS_REPRODUCTION_AUTOMATIC},
                                            {1, IDS_REPRODUCTION_PHOTOGRAPHS},
                                            {2, IDS_REPRODUCTION_PRESENTATIONS},
                                            {3, IDS_REPRODUCTION_TEXT_AND_GRAPHICS},
                                            {10, IDS_REPRODUCTION_VIVID},
                                            {11, IDS_REPRODUCTION_NATURAL},
                                            {12, IDS_REPRODUCTION_MONITOR_MATCHING},
                                            {20, IDS_REPRODUCTION_OFFICE_DOCUMENTS},
                                            {21, IDS_REPRODUCTION_WEB_PAGES}};
  if (m.wColorReproduction != dm.wColorReproduction) {
    const UINT id = Lookup(reproductions, m.wColorReproduction);
    if (id == IDS_LABEL)
      ++m_nChanges;
    else
      AddChange(IDS_COLOR_REPRODUCTION, LabelStyle::L, m_Labels.Text(id));
  }

  // Image adjustment is not shown for a colour model printing in automatic or colour mode, or
  // in custom mode without grey-scale black.
  const DWORD mode = m.wColorMode & 7;
  const bool suppressed =
      IsColorModel() && (mode == 0 || mode == 1 || (mode == 3 && !IsSet(m.wQualityFlags, Bit(6))));
  if ((m.sBrightness != dm.sBrightness || m.sContrast != dm.sContrast) && !suppressed) {
    AddChange(IDS_IMAGE_ADJUSTMENT, LabelStyle::K, "");
    AddChange(IDS_BRIGHTNESS, LabelStyle::I, Format("%d", m.sBrightness));
    AddChange(IDS_CONTRAST, LabelStyle::I, Format("%d", m.sContrast));
  }
}

// TrueType fonts and the font and graphics options.
void SummaryBuilder::AddGraphicsChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  static const ValueText fonts[] = {{1, IDS_PRINT_AS_GRAPHICS},
                                    {2, IDS_DOWNLOAD_AS_SOFT_FONTS},
                                    {3, IDS_SUBSTITUTE_DEVICE_FONTS},
                                    {257, IDS_DOWNLOAD_AS_OUTLINE_FONTS}};
  if (m_Profile.devMode.dmTTOption != m_Default.devMode.dmTTOption) {
    const UINT id = Lookup(fonts, static_cast<WORD>(m_Profile.devMode.dmTTOption));
    AddChange(
        IDS_TRUETYPE_FONTS, LabelStyle::N,
        id == IDS_LABEL ? m_Labels.Label(IDS_TRUETYPE_FONTS, LabelStyle::N) : m_Labels.Text(id));
  }
  static const ValueText graphics[] = {{0, IDS_VECTOR}, {1, IDS_RASTER}};
  if (Differs(m.wFontOptions, dm.wFontOptions, 0xFu << 6)) {
    const UINT id = Lookup(graphics, m.wFontOptions >> 6 & 0xF);
    AddChange(
        IDS_GRAPHICS_MODE, LabelStyle::P,
        id == IDS_LABEL ? m_Labels.Label(IDS_GRAPHICS_MODE, LabelStyle::P) : m_Labels.Text(id));
  }
  struct {
    int bit;
    UINT label;
    LabelStyle style;
  } static const options[] = {{0, IDS_THIN_LINE_ENHANCEMENT, LabelStyle::A},
                              {10, IDS_PRINT_ALL_TEXT_IN_BLACK, LabelStyle::A},
                              {2, IDS_PRINT_WHITE_TEXT, LabelStyle::A},
                              {3, IDS_NEGATIVE_IMAGE, LabelStyle::N},
                              {1, IDS_MIRROR_IMAGE, LabelStyle::A}};
  for (const auto &option : options)
    if (Differs(m.wFontOptions, dm.wFontOptions, Bit(option.bit)))
      AddOnOffChange(option.label, option.style, IsSet(m.wFontOptions, Bit(option.bit)));
}

// Colour mode, colour matching and colour adjustment. The colour mode decides whether the
// colour matching rows apply (flag F).
void SummaryBuilder::AddColorChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  static const ValueText modes[] = {{0, IDS_COLOR_MODE_AUTOMATIC},
                                    {1, IDS_FULL_COLOR},
                                    {2, IDS_GRAYSCALE},
                                    {3, IDS_COLOR_MODE_CUSTOM}};
  if (Differs(m.wColorMode, dm.wColorMode, 7)) {
    const DWORD mode = m.wColorMode & 7;
    const UINT id = Lookup(modes, mode);
    AddChange(IDS_COLOR_MODE, LabelStyle::N,
              id == IDS_LABEL ? m_Labels.Label(IDS_COLOR_MODE, LabelStyle::N) : m_Labels.Text(id));
    if (mode == 2)
      m_bColor = false;
    else if (mode == 3)
      m_bColor = !IsSet(m.wQualityFlags, Bit(6));
  }
  if (m_bColor && !IsSet(m.dwColorFlags, Bit(0))) {
    // The last method that applies names the matching; two of its strings end in a colon.
    WideString value = m_Labels.Load(IDS_COLOR_MATCHING);
    auto withoutLast = [this](UINT id) {
      WideString text = m_Labels.Load(id);
      if (!text.empty())
        text.pop_back();
      return text;
    };
    if (IsSet(m.dwColorFlags, Bit(3)))
      value = m_Labels.Load(IDS_PRINTER_COLOR_MATCHING);
    if (IsSet(m.dwColorFlags, Bit(1)))
      value = m_Labels.Load(IDS_SYSTEM_COLOR_MATCHING);
    if (IsSet(m.dwColorMatching, Bit(0)))
      value = withoutLast(IDS_SIMULATION);
    if (IsSet(m.dwColorFlags, Bit(2)))
      value = withoutLast(IDS_COLOR_PROFILE);
    AddChange(IDS_COLOR_MATCHING, LabelStyle::N, m_Labels.Policy().ToText(value.c_str()));
  }
  static const ValueText adjustments[] = {{1, IDS_COLOR_ADJUSTMENT_STANDARD},
                                          {2, IDS_COLOR_ADJUSTMENT_VIVID},
                                          {3, IDS_COLOR_ADJUSTMENT_CUSTOM}};
  if (m_bColor && m.dwColoAdjCustomID != dm.dwColoAdjCustomID) {
    const UINT id = Lookup(adjustments, m.dwColoAdjCustomID);
    AddChange(
        IDS_COLOR_ADJUSTMENT, LabelStyle::N,
        id == IDS_LABEL ? m_Labels.Label(IDS_COLOR_ADJUSTMENT, LabelStyle::N) : m_Labels.Text(id));
  }
}

// Copies, output bin, covers, separator pages, EMF spooling, job log and banner page.
void SummaryBuilder::AddOutputChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  if (m_Profile.devMode.dmCopies != m_Default.devMode.dmCopies)
    AddChange(IDS_COPIES, LabelStyle::N, Format("%-i", m_Profile.devMode.dmCopies));

  // A stored output bin is the bin's code plus 1000; a bin that no entry names is unmatched.
  const int bin = m.wOutBinIdx;
  if (bin != dm.wOutBinIdx && bin != dm.wOutBinIdx + 1000) {
    const FeatureEntry *entry =
        bin >= 1000 ? FindFeature(FEATURE_OUTPUT_BIN, static_cast<DWORD>(bin - 1000)) : nullptr;
    m_bOutBinUnmatched = entry == nullptr;
    AddChange(IDS_OUTPUT_BIN, LabelStyle::N, FeatureName(entry));
  }

  static const struct {
    UINT label;
    DWORD pdMain::*first;
    DWORD pdMain::*second;
  } sheets[] = {{IDS_FRONT_COVER, &pdMain::dwFrontCover, &pdMain::dwMediaOptions},
                {IDS_BACK_COVER, &pdMain::dwBackCover, &pdMain::dwSeparatorPage},
                {IDS_SEPARATOR_PAGES, &pdMain::dwInsertSheet, &pdMain::dwTransparencyInterleave}};
  for (const auto &sheet : sheets)
    if (Differs(m.*sheet.first, dm.*sheet.first, Bit(0)) ||
        Differs(m.*sheet.second, dm.*sheet.second, Bit(0)))
      AddOnOffChange(sheet.label, LabelStyle::A,
                     IsSet(m.*sheet.first, Bit(0)) || IsSet(m.*sheet.second, Bit(0)));

  const ModelCapabilitiesRecord *capabilities = m_Page.GetModelCapabilities();
  if (!m_Page.Text().IsAnsi() && capabilities != nullptr &&
      IsSet(capabilities->dwUserInterface, Bit(24)) && IsJapanese() &&
      Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_EMF_SPOOLING))
    AddChange(IDS_EMF_SPOOLING, LabelStyle::A,
              IsSet(m.dwOptions, PDMAIN_OPT_EMF_SPOOLING)
                  ? m_Labels.Text(IDS_INFO_ENABLED)
                  : m_Labels.Label(IDS_EMF_SPOOLING, LabelStyle::A));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_SPOOL_RAW))
    AddOnOffChange(IDS_PRINT_JOB_LOG, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_SPOOL_RAW));
  if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_SKIP_BLANK))
    AddOnOffChange(IDS_BANNER_PAGE, LabelStyle::A, IsSet(m.dwOptions, PDMAIN_OPT_SKIP_BLANK));
}

// Output-bin options and finishing, which only a matched output bin shows, then hole punch
// mode and gloss, shown without a comparison.
void SummaryBuilder::AddFinishingChanges() {
  const pdMain &m = m_Profile.main;
  const pdMain &dm = m_Default.main;
  if (!m_bOutBinUnmatched) {
    if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_OUTBIN_OFFSET))
      AddOnOffChange(IDS_OFFSET_STACKING, LabelStyle::A,
                     IsSet(m.dwOptions, PDMAIN_OPT_OUTBIN_OFFSET));
    if (Differs(m.dwOptions, dm.dwOptions, PDMAIN_OPT_OUTBIN_SORT))
      AddOnOffChange(IDS_REVERSE_OUTPUT_ORDER, LabelStyle::A,
                     IsSet(m.dwOptions, PDMAIN_OPT_OUTBIN_SORT));
    if (Differs(m.wFinishing, dm.wFinishing, Bit(9)))
      AddOnOffChange(IsJapanese() ? UINT{IDS_FOLD_JAPANESE} : UINT{IDS_FOLD}, LabelStyle::A,
                     IsSet(m.wFinishing, Bit(9)));
    if (Differs(m.wFinishing2, dm.wFinishing2, Bit(15)))
      AddOnOffChange(IDS_SADDLE_STITCH, LabelStyle::A, IsSet(m.wFinishing2, Bit(15)));
  }

  static const ValueText punchModes[] = {{1, IDS_PRIVATE_JOB},     {2, IDS_QUICK_COPY},
                                         {3, IDS_STORED_JOB},      {5, IDS_SAVE_TO_HARD_DISK},
                                         {6, IDS_SCHEDULED_PRINT}, {7, IDS_SECURE_PRINT}};
  if (IsSet(m.dwHolePunch, Bit(20))) {
    const DWORD mode = m.dwHolePunch & 0xFFFFF;
    const UINT id =
        mode == 0 ? (IsJapanese() ? UINT{IDS_PROOF_AND_HOLD_JAPANESE} : UINT{IDS_PROOF_AND_HOLD})
                  : Lookup(punchModes, mode);
    if (id != IDS_LABEL)
      AddOnOffChange(id, LabelStyle::A, true);
  }

  static const ValueText glossLevels[] = {
      {1, IDS_GLOSS_LOW}, {2, IDS_GLOSS_MEDIUM}, {3, IDS_GLOSS_HIGH}};
  const UINT gloss = Lookup(glossLevels, m.wFontOptions >> 11 & 7);
  if (gloss != IDS_LABEL)
    AddChange(IDS_GLOSS, LabelStyle::N, m_Labels.Text(gloss));
}
