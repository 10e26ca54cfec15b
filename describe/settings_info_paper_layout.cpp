// The paper group (page 1) and the image shift group (page 2) of the settings information.
#include "describe/settings_info_paper_layout.h"

#include <stddef.h>
#include <stdio.h>

#include "abi/host_records.h"
#include "abi/private_blocks.h"
#include "abi/resource_ids.h"
#include "describe/setting_string_ids.h"
#include "describe/summary_sizes.h"

namespace {

enum : UINT {
  IDS_SAME_AS_PAPER = 413,
  IDS_ADJUSTMENT = 272,
  IDS_VERTICAL_SHIFT = 316,
  IDS_VERTICAL_SHIFT_LANDSCAPE = 317,
  IDS_HORIZONTAL_SHIFT = 318,
  IDS_HORIZONTAL_SHIFT_LANDSCAPE = 319,
};

constexpr WORD kPaperPage = 1;

const PaperSizeEntry *PaperEntry(UIManager *manager, int index) {
  if (index < 0 || index > 0xFFFF || index >= manager->GetFeatureCount(FEATURE_PAPER_SIZE))
    return nullptr;
  return static_cast<const PaperSizeEntry *>(
      manager->GetFeatureItem(FEATURE_PAPER_SIZE, static_cast<WORD>(index)));
}

// The first paper-size entry with the paper code, or null.
const PaperSizeEntry *DocumentPaper(const InfoSources &sources) {
  const std::optional<short> code = sources.devMode.Get<short>(offsetof(DEVMODEW, dmPaperSize));
  if (!code)
    return nullptr;
  const int count = sources.manager->GetFeatureCount(FEATURE_PAPER_SIZE);
  for (int i = 0; i < count && i <= 0xFFFF; ++i) {
    const PaperSizeEntry *entry = PaperEntry(sources.manager, i);
    if (entry != nullptr && entry->wPaperCode == static_cast<WORD>(*code))
      return entry;
  }
  return nullptr;
}

std::string ZoomText(int zoom) {
  char text[32];
  snprintf(text, sizeof text, " [%d%%]", zoom);
  return text;
}

// A text of the settings in the system's code page, as node text.
std::string SettingsText(InfoTree &tree, size_t offset, size_t size) {
  const std::string text = tree.Sources().main.Text(offset, size);
  return tree.Text().SystemNameText(text);
}

DWORD MainDword(const InfoSources &sources, size_t offset) {
  return sources.main.Get<DWORD>(offset).value_or(0);
}

// The output name and the zoom computed from the sizes, as the summary computes them: custom
// sizes converted from their unit, entries' sizes in the page's orientation, the smaller of the
// truncated ratios.
std::string ComputedPrintSize(InfoTree &tree, const PaperSizeEntry *document) {
  const InfoSources &sources = tree.Sources();
  const int count = sources.manager->GetFeatureCount(FEATURE_PAPER_SIZE);
  const WORD index = sources.main.Get<WORD>(offsetof(pdMain, wScaleSizeIdx)).value_or(0);
  const bool customOutput = index >= count;
  const PaperSizeEntry *output = customOutput ? nullptr : PaperEntry(sources.manager, index);

  double documentWidth = 1, documentLength = 1, outputWidth = 1, outputLength = 1;
  std::string name;
  if (document == nullptr || customOutput) {
    const DWORD unit = MainDword(sources, offsetof(pdMain, dwCustomUnit));
    documentWidth =
        document != nullptr
            ? document->wWidth
            : CustomSizeToTenthsMm(MainDword(sources, offsetof(pdMain, dwCustomWidth)), unit);
    documentLength =
        document != nullptr
            ? document->wLength
            : CustomSizeToTenthsMm(MainDword(sources, offsetof(pdMain, dwCustomLength)), unit);
    if (customOutput) {
      const DWORD outputUnit = MainDword(sources, offsetof(pdMain, dwOutputUnit));
      outputWidth =
          CustomSizeToTenthsMm(MainDword(sources, offsetof(pdMain, dwOutputWidth)), outputUnit);
      outputLength =
          CustomSizeToTenthsMm(MainDword(sources, offsetof(pdMain, dwOutputLength)), outputUnit);
      name = SettingsText(tree, offsetof(pdMain, szOutputName), sizeof(pdMain::szOutputName));
    } else if (output != nullptr) {
      outputWidth = output->wWidth;
      outputLength = output->wLength;
      name = tree.String(output->wNameId);
    }
  } else {
    const std::optional<short> orientation =
        sources.devMode.Get<short>(offsetof(DEVMODEW, dmOrientation));
    const bool portrait = !orientation || *orientation == DMORIENT_PORTRAIT;
    documentWidth = portrait ? document->wWidth : document->wLength;
    documentLength = portrait ? document->wLength : document->wWidth;
    if (output != nullptr) {
      outputWidth = portrait ? output->wWidth : output->wLength;
      outputLength = portrait ? output->wLength : output->wWidth;
      name = tree.String(output->wNameId);
    }
  }
  return name + ZoomText(PrintSizeZoom(documentWidth, documentLength, outputWidth, outputLength));
}

std::string PrintSizeText(InfoTree &tree, const PaperSizeEntry *document) {
  const InfoSources &sources = tree.Sources();
  if (sources.openedFrom == kPaperPage)
    return tree.Text().ControlText(sources.opener, IDC_PAPER_PRINT_SIZE);
  if ((MainDword(sources, offsetof(pdMain, dwScaleFlags)) & PDMAIN_SIZE_NOT_FOUND) != 0)
    return tree.String(IDS_SAME_AS_PAPER);
  const WORD index = sources.main.Get<WORD>(offsetof(pdMain, wScaleSizeIdx)).value_or(0);
  const PaperSizeEntry *output = PaperEntry(sources.manager, index);
  if (document != nullptr && output != nullptr) {
    const WORD zoom = sources.main.Get<WORD>(offsetof(pdMain, wScaleZoom)).value_or(0);
    return tree.String(output->wNameId) + ZoomText(zoom);
  }
  return ComputedPrintSize(tree, document);
}

std::string ShiftText(const InfoSources &sources, size_t offset) {
  const double shift = sources.main.Get<double>(offset).value_or(0.0);
  return FormatImageShift(shift,
                          sources.model.Get<WORD>(offsetof(ModelInfoRecord, wUnit)).value_or(0));
}

}  // namespace

void AddPaperGroup(InfoTree &tree, HTREEITEM page) {
  const PaperSizeEntry *document = DocumentPaper(tree.Sources());
  std::string text = tree.String(IDS_PAPER_SIZE);
  JoinLabelValue(text, document != nullptr ? tree.String(document->wNameId)
                                           : SettingsText(tree, offsetof(pdMain, szCustomName),
                                                          sizeof(pdMain::szCustomName)));
  text += " -> ";
  text += tree.String(IDS_PRINT_SIZE);
  JoinLabelValue(text, PrintSizeText(tree, document));
  tree.Add(page, text);
}

void AddImageShiftGroup(InfoTree &tree, HTREEITEM page) {
  const InfoSources &sources = tree.Sources();
  const std::optional<WORD> booklet = sources.main.Get<WORD>(offsetof(pdMain, wBookletOptions));
  if (!booklet || (*booklet & 1) != 0)
    return;
  std::string heading = tree.String(IDS_PRINT_POSITION);
  JoinLabelValue(heading, tree.String(IDS_ADJUSTMENT));
  HTREEITEM group = tree.Add(page, heading);

  const std::optional<short> orientation =
      sources.devMode.Get<short>(offsetof(DEVMODEW, dmOrientation));
  const bool portrait = orientation && *orientation == DMORIENT_PORTRAIT;
  tree.AddValue(group, portrait ? IDS_HORIZONTAL_SHIFT : IDS_HORIZONTAL_SHIFT_LANDSCAPE,
                ShiftText(sources, offsetof(pdMain, dImageShiftX)));
  tree.AddValue(group, portrait ? IDS_VERTICAL_SHIFT : IDS_VERTICAL_SHIFT_LANDSCAPE,
                ShiftText(sources, offsetof(pdMain, dImageShiftY)));
  const bool edge =
      (MainDword(sources, offsetof(pdMain, dwOptions)) & PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE) != 0;
  tree.AddValue(group, IDS_CLIP_TO_PRINTABLE_AREA, edge ? IDS_INFO_DISABLED : IDS_INFO_ENABLED);
  tree.Expand(group);
}
