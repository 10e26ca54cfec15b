// Page nodes and the groups of each page of the settings information.
#include "describe/settings_info_pages.h"

#include <stddef.h>

#include <array>
#include <vector>

#include "abi/driver_data.h"
#include "abi/host_records.h"
#include "abi/private_blocks.h"
#include "abi/resource_ids.h"
#include "describe/setting_string_ids.h"
#include "describe/settings_info_driver.h"
#include "describe/settings_info_groups.h"
#include "describe/settings_info_mailboxes.h"
#include "describe/settings_info_paper_layout.h"
#include "describe/settings_info_plugins.h"

namespace {

constexpr WORD kPclXl = 4;
constexpr BYTE kSettingsLocked = 4;

struct PageNode {
  WORD page;
  HTREEITEM node;
};

class PageNodes {
 public:
  void Add(WORD page, HTREEITEM node) { m_Nodes.push_back({page, node}); }
  HTREEITEM Find(WORD page) const {
    for (const PageNode &entry : m_Nodes)
      if (entry.page == page)
        return entry.node;
    return nullptr;
  }

 private:
  std::vector<PageNode> m_Nodes;
};

BYTE Restriction(const InfoSources &sources) {
  return sources.model.Get<BYTE>(offsetof(ModelInfoRecord, bRestriction)).value_or(0);
}

UINT YesNo(bool yes) {
  return yes ? IDS_INFO_YES : IDS_INFO_NO;
}

PageNodes CreatePageNodes(InfoTree &tree) {
  const InfoSources &sources = tree.Sources();
  PageNodes nodes;
  for (WORD page : {IDS_PAGE_PAPER, IDS_PAGE_LAYOUT, IDS_PAGE_QUALITY, IDS_PAGE_OUTPUT})
    nodes.Add(page, tree.Add(TVI_ROOT, tree.String(page)));
  if (sources.IsColorDevice())
    nodes.Add(IDS_PAGE_COLOR, tree.Add(TVI_ROOT, tree.String(IDS_PAGE_COLOR)));
  if (IsFeatureSetInstalled(sources.manager, PROLOG_EPILOG_MODULE) && sources.prologue &&
      sources.PdlId() != kPclXl) {
    const bool on =
        sources.prologue.Get<DWORD>(offsetof(PrologEpilogBlock, dwEnabled)).value_or(0) != 0;
    nodes.Add(IDS_PAGE_PROLOG_EPILOG, tree.AddValue(TVI_ROOT, IDS_PAGE_PROLOG_EPILOG, YesNo(on)));
  }
  if (sources.watermark && Restriction(sources) != kSettingsLocked) {
    const bool on =
        sources.watermark.Get<DWORD>(offsetof(WatermarkBlock, dwEnabled)).value_or(0) != 0;
    nodes.Add(IDS_PAGE_WATERMARK, tree.AddValue(TVI_ROOT, IDS_PAGE_WATERMARK, YesNo(on)));
  }
  if (sources.openedFrom != PROFILE_PAGE_NUMBER)
    nodes.Add(IDS_PAGE_DEVICE_OPTIONS, tree.Add(TVI_ROOT, tree.String(IDS_PAGE_DEVICE_OPTIONS)));
  tree.AddValue(TVI_ROOT, IDS_PAGE_DRIVER_BUILD,
                IsPreReleaseBuild(sources.manager) ? IDS_BUILD_PRE_RELEASE : IDS_BUILD_RELEASE);
  return nodes;
}

void FillPaperPage(InfoTree &tree, HTREEITEM page) {
  AddPaperGroup(tree, page);
  AddInfoGroup(tree, page, kPaperCopiesGroup);
  AddInfoGroup(tree, page, kOrientationGroup);
  AddInfoGroup(tree, page, kSourceGroup);
  AddInfoGroup(tree, page, kMediaTypeGroup);
  AddInfoGroup(tree, page, kFurtherPaperOptionsGroup);
}

void FillLayoutPage(InfoTree &tree, HTREEITEM page) {
  AddInfoGroup(tree, page, kLayoutSwitchesGroup);
  AddInfoGroup(tree, page, kPercentageGroup);
  AddInfoGroup(tree, page, kDuplexGroup);
  AddInfoGroup(tree, page, kBookletGroup);
  AddImageShiftGroup(tree, page);
}

void FillQualityPage(InfoTree &tree, HTREEITEM page) {
  AddInfoGroup(tree, page, kResolutionGroup);
  AddInfoGroup(tree, page, kImageAdjustmentGroup);
  AddInfoGroup(tree, page, kTrueTypeGroup);
  AddInfoGroup(tree, page, kGraphicsGroup);
}

void FillColorPage(InfoTree &tree, HTREEITEM page) {
  AddInfoGroup(tree, page, kColorModeGroup);
  AddInfoGroup(tree, page, kColorMatchingGroup);
  AddInfoGroup(tree, page, kColorAdjustmentGroup);
  AddInfoGroup(tree, page, kColorReproductionGroup);
}

// The job, storage and mailbox settings belong to models with a finisher or a mailbox unit.
bool HasJobSettings(const InfoSources &sources) {
  const size_t options = offsetof(ModelInfoRecord, dwOptions);
  const bool finisher = sources.ModelBit(options, 2) &&
                        sources.CapsBit(offsetof(ModelCapabilitiesRecord, dwLayout), 25);
  return finisher || sources.ModelBit(options, 1) ||
         sources.CapsBit(offsetof(ModelCapabilitiesRecord, dwDevice), 17);
}

void FillOutputPage(InfoTree &tree, HTREEITEM page) {
  AddInfoGroup(tree, page, kOutputBinGroup);
  AddInfoGroup(tree, page, kOutputCopiesGroup);
  AddInfoGroup(tree, page, kFinishingGroup);
  if (!HasJobSettings(tree.Sources()))
    return;
  const InfoRowNodes jobNodes = AddInfoGroup(tree, page, kJobGroup);
  if (HTREEITEM mailboxes = jobNodes.Find(IDS_VIRTUAL_MAILBOX)) {
    AddVirtualMailboxes(tree, mailboxes);
    tree.Expand(mailboxes);
  }
}

void FillDeviceOptionsPage(InfoTree &tree, HTREEITEM page) {
  AddInfoGroup(tree, page, kDeviceOptionsGroup);
}

struct PageFill {
  WORD page;
  void (*fill)(InfoTree &tree, HTREEITEM page);
  bool (*applies)(const InfoSources &sources);
};

bool Always(const InfoSources &) {
  return true;
}
bool IsColor(const InfoSources &sources) {
  return sources.IsColorDevice();
}
bool IsNotPclXl(const InfoSources &sources) {
  return sources.PdlId() != kPclXl;
}
bool IsUnlocked(const InfoSources &sources) {
  return Restriction(sources) != kSettingsLocked;
}

constexpr std::array<PageFill, 8> kPageFills = {{
    {IDS_PAGE_PAPER, FillPaperPage, Always},
    {IDS_PAGE_LAYOUT, FillLayoutPage, Always},
    {IDS_PAGE_QUALITY, FillQualityPage, Always},
    {IDS_PAGE_COLOR, FillColorPage, IsColor},
    {IDS_PAGE_OUTPUT, FillOutputPage, Always},
    {IDS_PAGE_PROLOG_EPILOG, AddPrologEpilogGroup, IsNotPclXl},
    {IDS_PAGE_WATERMARK, AddWatermarkGroup, IsUnlocked},
    {IDS_PAGE_DEVICE_OPTIONS, FillDeviceOptionsPage, Always},
}};

}  // namespace

void BuildSettingsTree(InfoTree &tree) {
  const PageNodes nodes = CreatePageNodes(tree);
  for (const PageFill &fill : kPageFills) {
    HTREEITEM page = nodes.Find(fill.page);
    if (page == nullptr || !fill.applies(tree.Sources()))
      continue;
    fill.fill(tree, page);
    if (tree.Sources().openedFrom == fill.page)
      tree.Expand(page);
  }
}
