// The summary of a profile: groups, basic settings, plug-in features and the print size. The
// changes from the default settings are in summary_changes.cpp.
#include "describe/profile_summary.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include <optional>

#include "abi/record_text.h"
#include "abi/resource_ids.h"
#include "describe/setting_string_ids.h"
#include "describe/summary_builder.h"
#include "describe/summary_sizes.h"
#include "store/page_store.h"

namespace {

enum : UINT {
  IDS_PAGE_POSTER = 12,
  IDS_ON = 917,
  IDS_OFF = 918,
  IDS_BASIC_GROUP = 1942,
  IDS_CHANGES_GROUP = 1943,
  IDS_NO_CHANGES = 1944,
  IDS_SECURITY_WATERMARK_JAPANESE = 1956,
  IDS_WATERMARK_JAPANESE = 1957,
  IDS_POSTER_JAPANESE = 1958,
  IDS_UNKNOWN = 2124,
  IDS_SECURITY_WATERMARK = 8000,
};

// A poster block too short for its layout word shows no poster.
constexpr size_t kPosterLayoutEnd = offsetof(PosterBlock, dwLayout) + sizeof(DWORD);

}  // namespace

bool SummarySettings::Locate() {
  located = false;
  const DevModeView settings(buffer);
  if (buffer.size() < sizeof(DEVMODEW) || !settings.IsComplete())
    return false;
  const std::optional<PrivateBlock> block = settings.FindBlock(PRIVATE_DATA_ID_MAIN);
  if (!block || block->header.dwSize < sizeof(pdMain))
    return false;
  devMode = settings.PublicFields();
  main = settings.ReadBlock<pdMain>(*block);
  mainBlock = *block;
  located = true;
  return true;
}

SummaryBuilder::SummaryBuilder(ProfilePageContext &page, SummaryRowStore &rows)
    : m_Page(page),
      m_Rows(rows),
      m_pManager(page.GetUIManager()),
      m_Labels(page.GetUIManager(), page.GetLanguage(), page.IsRightToLeft(), page.Text()),
      m_nChanges(0),
      m_bColor(true),
      m_bOutBinUnmatched(false) {}

bool SummaryBuilder::Build(const ProfileHeader &header) {
  m_Rows.Reset();
  ReadDefaults();
  AddProfileGroup(header);
  AddSummaryRow(m_Labels.Heading(IDS_BASIC_GROUP), "");
  if (!ReadSettings(header))
    return false;
  AddBasicRows();
  AddPlugInRows();
  AddSummaryRow("", "");
  AddSummaryRow(m_Labels.Heading(IDS_CHANGES_GROUP), "");
  AddChangeRows();
  if (m_nChanges == 0)
    AddSummaryRow(m_Labels.Text(IDS_NO_CHANGES), "");
  return true;
}

void SummaryBuilder::AddProfileGroup(const ProfileHeader &header) {
  // The heading is the title of the properties dialog's information frame.
  AddSummaryRow(m_Labels.Heading(IDS_PROPERTIES_INFO_FRAME), "");
  AddSummaryRow(FieldText(header.strProfileInfo), "");
  AddSummaryRow("", "");
}

void SummaryBuilder::ReadDefaults() {
  m_Default.buffer = m_Page.ReadDefaultDevMode();
  m_Default.Locate();
}

// The stored DEVMODE is restored onto the current printer in a buffer at least the size of the
// current DEVMODE. Without default settings the profile is compared with itself.
bool SummaryBuilder::ReadSettings(const ProfileHeader &header) {
  m_Profile.buffer = GetProfileDevModeFromRegW(m_Page, header.strProfileName, header.nProfRegNum,
                                               PROFILE_DEVMODE_VALUE);
  if (!m_Profile.Locate())
    return false;
  const size_t currentSize = CompleteDevModeBytes(m_Page.GetCurrentDevMode()).size();
  if (m_Profile.buffer.size() < currentSize)
    m_Profile.buffer.resize(currentSize, 0);
  m_Page.RestoreDevMode(DevModeOf(m_Profile.buffer), header.nProfRegNum, false);
  if (!m_Profile.Locate())
    return false;
  if (!m_Default.located) {
    m_Default.buffer = m_Profile.buffer;
    m_Default.Locate();
  }
  return true;
}

void SummaryBuilder::AddBasicRows() {
  const pdMain &m = m_Profile.main;
  std::string paper = PaperName(m_Profile.devMode.dmPaperSize);
  if (paper.empty())
    paper = FieldText(m.szCustomName);
  AddSummaryRow(m_Labels.Label(IDS_PAPER_SIZE, LabelStyle::N), paper);

  const std::string quality = (m.dwQualityMode & 1) != 0
                                  ? m_Labels.Text(IDS_CUSTOM_QUALITY)
                                  : Format("%-i dpi", static_cast<int>(m.dwPrintQuaResolution));
  AddSummaryRow(m_Labels.Label(IDS_PRINT_QUALITY, LabelStyle::L), quality);
}

// The blocks behind the main block, in their stored order, each adding at most one row.
void SummaryBuilder::AddPlugInRows() {
  const DevModeView settings(m_Profile.buffer);
  for (const PrivateBlock &block : settings.BlocksBehind(m_Profile.mainBlock))
    AddPlugInRow(settings, block);
}

// Each block is read by its layout; a field the block does not reach reads as zero.
void SummaryBuilder::AddPlugInRow(const DevModeView &settings, const PrivateBlock &block) {
  switch (block.header.wBlockId) {
    case PRIVATE_DATA_ID_PROLOGEPILOG:
      if (settings.ReadBlock<PrologEpilogBlock>(block).dwEnabled != 0)
        AddSummaryRow(m_Labels.Label(IDS_PAGE_PROLOG_EPILOG, LabelStyle::L), m_Labels.Text(IDS_ON));
      break;
    case PRIVATE_DATA_ID_WATERMARK: {
      const WatermarkBlock watermark = settings.ReadBlock<WatermarkBlock>(block);
      if (watermark.dwEnabled != 0)
        AddSummaryRow(
            m_Labels.Label(IsJapanese() ? UINT{IDS_WATERMARK_JAPANESE} : UINT{IDS_PAGE_WATERMARK},
                           LabelStyle::L),
            m_Labels.Policy().ToText(FieldText(watermark.szName).c_str()));
      break;
    }
    case PRIVATE_DATA_ID_SECURITYWMARK: {
      const SecurityWatermarkBlock watermark = settings.ReadBlock<SecurityWatermarkBlock>(block);
      if (watermark.dwEnabled != 0)
        AddSummaryRow(
            m_Labels.Label(IsJapanese() ? IDS_SECURITY_WATERMARK_JAPANESE : IDS_SECURITY_WATERMARK,
                           LabelStyle::L),
            m_Labels.Policy().ToText(FieldText(watermark.szName).c_str()));
      break;
    }
    case PRIVATE_DATA_ID_POSTER: {
      const DWORD layout = block.header.dwSize >= kPosterLayoutEnd
                               ? settings.ReadBlock<PosterBlock>(block).dwLayout
                               : POSTER_LAYOUT_OFF;
      if (layout != POSTER_LAYOUT_OFF) {
        const std::string label =
            m_Labels.Label(IsJapanese() ? IDS_POSTER_JAPANESE : IDS_PAGE_POSTER, LabelStyle::N);
        AddSummaryRow(label, PosterValue(layout, label));
      }
      break;
    }
    default:
      break;
  }
}

std::string SummaryBuilder::PosterValue(DWORD layout, const std::string &label) const {
  int count = 0;
  switch (layout) {
    case 0x00020002:
      count = 2;
      break;
    case 0x00030003:
      count = 3;
      break;
    case 0x00040004:
      count = 4;
      break;
    case 0x00050005:
      count = 5;
      break;
    default:
      return label;
  }
  return FormatPosterSize(count, count, PosterTileWidth(m_Page, count),
                          PosterTileLength(m_Page, count), DisplayUnit());
}

// The print size: the output paper (a list entry or the custom output size) and its zoom
// against the document paper.
std::string SummaryBuilder::PrintSizeValue() const {
  const pdMain &m = m_Profile.main;
  const int count = m_pManager->GetFeatureCount(FEATURE_PAPER_SIZE);
  const PaperSizeEntry *document = nullptr;
  for (int i = 0; i < count && i <= 0xFFFF && document == nullptr; ++i) {
    const auto *entry = static_cast<const PaperSizeEntry *>(
        m_pManager->GetFeatureItem(FEATURE_PAPER_SIZE, static_cast<WORD>(i)));
    if (entry != nullptr && entry->wPaperCode == static_cast<WORD>(m_Profile.devMode.dmPaperSize))
      document = entry;
  }
  const bool customOutput = m.wScaleSizeIdx >= count;
  const auto *output = customOutput
                           ? nullptr
                           : static_cast<const PaperSizeEntry *>(
                                 m_pManager->GetFeatureItem(FEATURE_PAPER_SIZE, m.wScaleSizeIdx));

  double documentWidth = 1, documentLength = 1, outputWidth = 1, outputLength = 1;
  std::string name;
  if (document == nullptr || customOutput) {
    documentWidth =
        document ? document->wWidth : CustomSizeToTenthsMm(m.dwCustomWidth, m.dwCustomUnit);
    documentLength =
        document ? document->wLength : CustomSizeToTenthsMm(m.dwCustomLength, m.dwCustomUnit);
    if (customOutput) {
      outputWidth = CustomSizeToTenthsMm(m.dwOutputWidth, m.dwOutputUnit);
      outputLength = CustomSizeToTenthsMm(m.dwOutputLength, m.dwOutputUnit);
      name = FieldText(m.szOutputName);
    } else if (output != nullptr) {
      outputWidth = output->wWidth;
      outputLength = output->wLength;
      name = m_Labels.Text(output->wNameId);
    }
  } else {
    const DEVMODEW *current = m_Page.GetCurrentDevMode();
    const bool portrait = current == nullptr || current->dmOrientation == DMORIENT_PORTRAIT;
    documentWidth = portrait ? document->wWidth : document->wLength;
    documentLength = portrait ? document->wLength : document->wWidth;
    if (output != nullptr) {
      outputWidth = portrait ? output->wWidth : output->wLength;
      outputLength = portrait ? output->wLength : output->wWidth;
      name = m_Labels.Text(output->wNameId);
    }
  }
  if (m_Labels.IsRightToLeft())
    return name;
  char zoom[32];
  snprintf(zoom, sizeof zoom, " [%d%%]",
           PrintSizeZoom(documentWidth, documentLength, outputWidth, outputLength));
  return name + zoom;
}

// The name of the last paper-size entry with the paper code; empty when there is none.
std::string SummaryBuilder::PaperName(short paperCode) const {
  const int count = m_pManager->GetFeatureCount(FEATURE_PAPER_SIZE);
  const PaperSizeEntry *found = nullptr;
  for (int i = 0; i < count && i <= 0xFFFF; ++i) {
    const auto *entry = static_cast<const PaperSizeEntry *>(
        m_pManager->GetFeatureItem(FEATURE_PAPER_SIZE, static_cast<WORD>(i)));
    if (entry != nullptr && entry->wPaperCode == static_cast<WORD>(paperCode))
      found = entry;
  }
  return found != nullptr ? m_Labels.Text(found->wNameId) : std::string();
}

const FeatureEntry *SummaryBuilder::FindFeature(int list, DWORD code) const {
  const int count = m_pManager->GetFeatureCount(list);
  for (int i = 0; i < count && i <= 0xFFFF; ++i) {
    const auto *entry =
        static_cast<const FeatureEntry *>(m_pManager->GetFeatureItem(list, static_cast<WORD>(i)));
    if (entry != nullptr && entry->wCode == code)
      return entry;
  }
  return nullptr;
}

std::string SummaryBuilder::FeatureName(const FeatureEntry *entry) const {
  return m_Labels.Text(entry != nullptr ? UINT{entry->wNameId} : UINT{IDS_UNKNOWN});
}

std::string SummaryBuilder::OnOff(bool on) const {
  return m_Labels.Text(on ? IDS_ON : IDS_OFF);
}

std::string SummaryBuilder::Format(const char *format, int value) const {
  char text[32];
  snprintf(text, sizeof text, format, value);
  return text;
}

WORD SummaryBuilder::DisplayUnit() const {
  const ModelInfoRecord *model = m_Page.GetModelInfo();
  return model != nullptr ? model->wUnit : 0;
}

bool SummaryBuilder::IsColorModel() const {
  const auto *entry = static_cast<const ModelEntry *>(m_pManager->GetFeatureItem(FEATURE_MODEL, 0));
  return entry != nullptr && (entry->dwCapabilities & 1) != 0;
}

// Both texts lose their mnemonic; a right-to-left page shows the value first.
bool SummaryBuilder::AddSummaryRow(const std::string &label, const std::string &value) {
  std::string first = m_Labels.IsRightToLeft() ? value : label;
  std::string second = m_Labels.IsRightToLeft() ? label : value;
  m_Labels.StripMnemonic(first.data());
  m_Labels.StripMnemonic(second.data());
  return m_Rows.Add(first.c_str(), second.c_str(), m_Labels.Policy()) != nullptr;
}

void SummaryBuilder::AddChange(const std::string &label, const std::string &value) {
  ++m_nChanges;
  AddSummaryRow(label, value);
}

void SummaryBuilder::AddChange(UINT labelId, LabelStyle style, const std::string &value) {
  AddChange(m_Labels.Label(labelId, style), value);
}

void SummaryBuilder::AddOnOffChange(UINT labelId, LabelStyle style, bool on) {
  AddChange(labelId, style, OnOff(on));
}

bool BuildProfileSummary(ProfilePageContext &page, const ProfileHeader &header,
                         SummaryRowStore &rows) {
  if (page.GetUIManager() == nullptr) {
    rows.Reset();
    return false;
  }
  SummaryBuilder builder(page, rows);
  return builder.Build(header);
}
