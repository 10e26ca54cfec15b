// The prologue/epilogue and watermark groups of the settings information.
#include "describe/settings_info_plugins.h"

#include <stddef.h>
#include <stdio.h>

#include <algorithm>
#include <vector>

#include "abi/driver_data.h"
#include "abi/languages.h"
#include "abi/private_blocks.h"
#include "abi/resource_ids.h"
#include "abi/wide.h"

namespace {

enum : UINT {
  IDS_NAME = 1701,
  IDS_PAGES = 1704,
  IDS_ALL_PAGES = 1705,
  IDS_PAGE_CHOICES = 1705,  // 1705 to 1708: all, first, odd, even pages
  IDS_PROLOGUE = 1722,
  IDS_EPILOGUE = 1723,
  IDS_PROLOGUE_DATA = 1724,
  IDS_EPILOGUE_DATA = 1725,
  IDS_WATERMARK = 1805,
  IDS_PRINT_WATERMARK = 1806,
  IDS_FIRST_PAGE_ONLY = 1807,
  IDS_BACKGROUND = 1808,
  IDS_FOREGROUND = 1809,
  IDS_BORDER = 1811,
  IDS_TRANSPARENT = 1814,
  IDS_ANGLE = 1821,
  IDS_CUSTOM_ANGLE = 1826,
  IDS_POSITION = 1827,
  IDS_CENTERED = 1828,
  IDS_COLOR = 1829,
  IDS_DENSITY = 1830,
  IDS_STYLE = 1831,
  IDS_OUTLINE_ONLY = 1832,
  IDS_PATTERN = 1852,
  IDS_SOLID = 1853,
  IDS_FONT_STYLE = 1880,
  IDS_REGULAR = 1881,
  IDS_TEXT = 2707,
  IDS_FONT = 910,
  IDS_SIZE = 913,
};

constexpr WORD kPrologEpilogPage = 8;
constexpr WORD kWatermarkPage = 9;

// Offsets in the plug-in blocks, behind their 16-byte headers.
constexpr size_t kPrologEnabled = 16;
constexpr size_t kPrologSelection = 20;
constexpr size_t kPrologPages = 24;  // 0 all, 1 first, 2 odd, 3 even pages
constexpr size_t kWatermarkFlags = 16;
constexpr size_t kWatermarkEnabled = 20;
constexpr size_t kWatermarkName = 24;
constexpr size_t kWatermarkAngle = 88;
constexpr size_t kWatermarkColor = 92;
constexpr size_t kWatermarkFontStyle = 96;  // 0 regular, 1 bold, 2 italic, 3 bold italic
constexpr size_t kWatermarkDensity = 98;    // percent
constexpr size_t kWatermarkPattern = 100;   // 0 solid, 1 outline, 2 halftone, 3 shadow, 4 opaque
constexpr DWORD kFirstPageOnly = 1u << 0;
constexpr DWORD kOutlineOnly = 1u << 1;
constexpr DWORD kForeground = 1u << 2;
constexpr DWORD kBorder = 1u << 3;
constexpr DWORD kTransparent = 1u << 4;
constexpr int kPageChoices = 4;
constexpr int kPatterns = 5;
constexpr int kFontStyles = 4;
constexpr short kCentered = 50;

struct RecordSet {
  std::vector<BYTE> bytes;
  size_t count = 0;
};

// The records of a data value, as many as it holds and the count allows. The plug-in's own page
// keeps its unsaved edits under the "Temp" name, so the dialog opened from there reads it first.
RecordSet ReadRecords(const InfoSources &sources, LPCSTR dataName, LPCSTR tempDataName,
                      WORD ownPage, size_t recordSize, DWORD count) {
  UIManager *manager = sources.manager;
  RecordSet set;
  for (LPCSTR name : {sources.openedFrom == ownPage ? tempDataName : dataName, dataName}) {
    DWORD size = 0;
    if (!manager->ReadPrinterValue(name, nullptr, &size) || size == 0)
      continue;
    set.bytes.assign(size, 0);
    if (!manager->ReadPrinterValue(name, set.bytes.data(), &size))
      return RecordSet();
    set.count = std::min<size_t>(count, size / recordSize);
    return set;
  }
  return set;
}

DWORD PrinterCount(UIManager *manager, LPCSTR name) {
  DWORD count = 0;
  DWORD size = sizeof count;
  return manager->ReadPrinterValue(name, &count, &size) ? count : 0;
}

std::string Format(const char *format, int value) {
  char text[64];
  snprintf(text, sizeof text, format, value);
  return text;
}

std::string SystemText(InfoTree &tree, const InfoBytes &bytes, size_t offset, size_t size) {
  const std::string text = bytes.Text(offset, size);
  return tree.Text().SystemNameText(text);
}

// The selected entry's prologue and epilogue files in one node.
void AddPrologEpilogFiles(InfoTree &tree, HTREEITEM page, const InfoBytes &entry) {
  const bool ownPage = tree.Sources().openedFrom == kPrologEpilogPage;
  std::string text = tree.Label(ownPage ? IDS_PROLOGUE_DATA : IDS_PROLOGUE);
  JoinLabelValue(text, SystemText(tree, entry, offsetof(PrologEpilogRecord, szPrologFile),
                                  sizeof(PrologEpilogRecord::szPrologFile)));
  text += " ->";
  JoinLabelValue(text, tree.Label(ownPage ? IDS_EPILOGUE_DATA : IDS_EPILOGUE));
  JoinLabelValue(text, SystemText(tree, entry, offsetof(PrologEpilogRecord, szEpilogFile),
                                  sizeof(PrologEpilogRecord::szEpilogFile)));
  tree.Add(page, text);
}

void AddWatermarkLook(InfoTree &tree, HTREEITEM group, const InfoBytes &block) {
  const DWORD flags = block.Get<DWORD>(kWatermarkFlags).value_or(0);
  tree.AddValue(group, IDS_PAGES,
                (flags & kFirstPageOnly) != 0 ? IDS_FIRST_PAGE_ONLY : IDS_ALL_PAGES);
  tree.AddValue(group, IDS_PRINT_WATERMARK,
                (flags & kForeground) != 0 ? IDS_FOREGROUND : IDS_BACKGROUND);
  tree.AddValue(group, IDS_BORDER, (flags & kBorder) != 0 ? IDS_INFO_ON : IDS_INFO_OFF);
  tree.AddValue(group, IDS_TRANSPARENT, (flags & kTransparent) != 0 ? IDS_INFO_ON : IDS_INFO_OFF);
  tree.AddValue(group, IDS_STYLE, (flags & kOutlineOnly) != 0 ? IDS_OUTLINE_ONLY : IDS_SOLID);
  if (const std::optional<WORD> pattern = block.Get<WORD>(kWatermarkPattern);
      pattern && *pattern < kPatterns)
    tree.AddValue(group, IDS_PATTERN, IDS_SOLID + *pattern);
  if (const std::optional<COLORREF> color = block.Get<COLORREF>(kWatermarkColor)) {
    char text[48];
    snprintf(text, sizeof text, "%d, %d, %d", GetRValue(*color), GetGValue(*color),
             GetBValue(*color));
    tree.AddValue(group, IDS_COLOR, text);
  }
  if (const std::optional<WORD> density = block.Get<WORD>(kWatermarkDensity))
    tree.AddValue(group, IDS_DENSITY, Format("%d%%", *density));
  if (const std::optional<WORD> angle = block.Get<WORD>(kWatermarkAngle)) {
    struct Direction {
      WORD angle;
      UINT text;
    } constexpr kDirections[] = {{0, 1822}, {90, 1823}, {45, 1824}, {315, 1825}};
    std::string value = tree.String(IDS_CUSTOM_ANGLE);
    JoinLabelValue(value, Format("%d", *angle));
    for (const Direction &direction : kDirections)
      if (direction.angle == *angle)
        value = tree.String(direction.text);
    tree.AddValue(group, IDS_ANGLE, value);
  }
}

// The watermark's text as the printer's record of that name describes it.
void AddWatermarkText(InfoTree &tree, HTREEITEM group, const InfoBytes &block,
                      const InfoBytes &record) {
  HTREEITEM text = tree.AddGroup(group, IDS_TEXT);
  tree.AddValue(text, IDS_NAME,
                tree.Text().NameText(record.WideText(offsetof(WatermarkRecord, szName), 32)));
  const WideString face = record.WideText(offsetof(WatermarkRecord, szFont), 32);
  const std::string localized = LocalizedFontName(tree, face);
  tree.AddValue(text, IDS_FONT, localized.empty() ? tree.Text().NameText(face) : localized);
  if (const std::optional<WORD> style = block.Get<WORD>(kWatermarkFontStyle);
      style && *style < kFontStyles)
    tree.AddValue(text, IDS_FONT_STYLE, IDS_REGULAR + *style);
  tree.AddValue(text, IDS_SIZE,
                Format("%d", record.Get<WORD>(offsetof(WatermarkRecord, wSize)).value_or(0)));
  const short x = record.Get<short>(offsetof(WatermarkRecord, sX)).value_or(kCentered);
  const short y = record.Get<short>(offsetof(WatermarkRecord, sY)).value_or(kCentered);
  if (x == kCentered && y == kCentered) {
    tree.AddValue(text, IDS_POSITION, IDS_CENTERED);
  } else {
    HTREEITEM position = tree.AddGroup(text, IDS_POSITION);
    tree.Add(position, Format("x(%%) %d", x));
    tree.Add(position, Format("y(%%) %d", y));
    tree.Expand(position);
  }
  tree.Expand(text);
}

}  // namespace

void AddPrologEpilogGroup(InfoTree &tree, HTREEITEM page) {
  const InfoSources &sources = tree.Sources();
  const InfoBytes &block = sources.prologue;
  if (block.Get<DWORD>(kPrologEnabled).value_or(0) == 0)
    return;
  const DWORD count = sources.openedFrom == kPrologEpilogPage
                          ? static_cast<DWORD>(tree.Text().SendControl(
                                sources.opener, IDC_PROLOG_EPILOG_LIST, LB_GETCOUNT, 0, 0))
                          : PrinterCount(sources.manager, PROLOG_EPILOG_COUNT_VALUE);
  const RecordSet records =
      ReadRecords(sources, PROLOG_EPILOG_DATA_VALUE, PROLOG_EPILOG_TEMP_DATA_VALUE,
                  kPrologEpilogPage, sizeof(PrologEpilogRecord), count);
  const DWORD selection = block.Get<DWORD>(kPrologSelection).value_or(0);
  const InfoBytes entry =
      selection < records.count
          ? InfoBytes(records.bytes.data() + selection * sizeof(PrologEpilogRecord),
                      sizeof(PrologEpilogRecord))
          : InfoBytes();
  if (entry)
    tree.AddValue(page, IDS_NAME,
                  tree.Text().NameText(entry.WideText(offsetof(PrologEpilogRecord, szName), 32)));
  if (const std::optional<DWORD> pages = block.Get<DWORD>(kPrologPages);
      pages && *pages < kPageChoices)
    tree.AddValue(page, IDS_PAGES, IDS_PAGE_CHOICES + *pages);
  if (entry)
    AddPrologEpilogFiles(tree, page, entry);
}

void AddWatermarkGroup(InfoTree &tree, HTREEITEM page) {
  const InfoSources &sources = tree.Sources();
  const InfoBytes &block = sources.watermark;
  if (block.Get<DWORD>(kWatermarkEnabled).value_or(0) == 0)
    return;
  const WideString name = block.WideText(kWatermarkName, 32);
  HTREEITEM group = tree.AddValue(page, IDS_WATERMARK, tree.Text().NameText(name));
  AddWatermarkLook(tree, group, block);
  const RecordSet records =
      ReadRecords(sources, WATERMARK_DATA_VALUE, WATERMARK_TEMP_DATA_VALUE, kWatermarkPage,
                  sizeof(WatermarkRecord), PrinterCount(sources.manager, WATERMARK_COUNT_VALUE));
  for (size_t i = 0; i < records.count; ++i) {
    const InfoBytes record(records.bytes.data() + i * sizeof(WatermarkRecord),
                           sizeof(WatermarkRecord));
    if (record.WideText(offsetof(WatermarkRecord, szName), 32) == name) {
      AddWatermarkText(tree, group, block, record);
      break;
    }
  }
  tree.Expand(group);
}

std::string LocalizedFontName(InfoTree &tree, const WideString &face) {
  struct LocalFace {
    BYTE language;
    const WCHAR *face;
    UINT localName;
  };
  static const LocalFace kLocalFaces[] = {
      {LANG_BYTE_JAPANESE, WSTR("MS PGothic"), 1885},
      {LANG_BYTE_KOREAN, WSTR("Gulim"), 1888},
      {LANG_BYTE_SIMPLIFIED_CHINESE, WSTR("SimSun"), 1886},
      {LANG_BYTE_TRADITIONAL_CHINESE, WSTR("MingLiU"), 1887},
  };
  const BYTE language = LanguageByte(tree.Text().Language());
  for (const LocalFace &local : kLocalFaces)
    if (local.language == language)
      return face == local.face ? tree.String(local.localName) : std::string();
  return face == WSTR("ARIAL") ? std::string("Arial") : std::string();
}
