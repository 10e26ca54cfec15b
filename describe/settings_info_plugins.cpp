// The prologue/epilogue and watermark groups of the settings information.
#include "describe/settings_info_plugins.h"

#include <stddef.h>
#include <stdio.h>

#include <algorithm>
#include <iterator>
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
  IDS_HORIZONTAL = 1822,
  IDS_VERTICAL = 1823,
  IDS_DIAGONAL_UP = 1824,
  IDS_DIAGONAL_DOWN = 1825,
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
  IDS_MS_PGOTHIC = 1885,
  IDS_SIMSUN = 1886,
  IDS_MINGLIU = 1887,
  IDS_GULIM = 1888,
  IDS_TEXT = 2707,
  IDS_FONT = 910,
  IDS_SIZE = 913,
};

constexpr WORD kPrologEpilogPage = 8;
constexpr WORD kWatermarkPage = 9;

constexpr DWORD kFirstPageOnly = 1u << 0;
constexpr DWORD kOutlineOnly = 1u << 1;
constexpr DWORD kForeground = 1u << 2;
constexpr DWORD kBorder = 1u << 3;
constexpr DWORD kTransparent = 1u << 4;
constexpr int kPageChoices = 4;
constexpr int kPatterns = 5;
constexpr int kFontStyles = 4;
constexpr short kCentered = 50;

// The records of a data value, as many whole ones as it holds and the count allows. The
// plug-in's own page keeps its unsaved edits under the "Temp" name, so the dialog opened from
// there reads it first.
template <typename Record>
std::vector<Record> ReadRecords(const InfoSources &sources, LPCSTR dataName, LPCSTR tempDataName,
                                WORD ownPage, DWORD count) {
  UIManager *manager = sources.manager;
  for (LPCSTR name : {sources.openedFrom == ownPage ? tempDataName : dataName, dataName}) {
    DWORD size = 0;
    if (!manager->ReadPrinterValue(name, nullptr, &size) || size == 0)
      continue;
    std::vector<BYTE> bytes(size, 0);
    if (!manager->ReadPrinterValue(name, bytes.data(), &size))
      return {};
    ByteReader value(bytes, "the data set");
    std::vector<Record> records;
    value.ReadArray(std::min<size_t>(count, size / sizeof(Record)), &records, "the records");
    return records;
  }
  return {};
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

std::string SystemText(InfoTree &tree, const std::string &text) {
  return tree.Text().SystemNameText(text);
}

// The selected entry's prologue and epilogue files in one node.
void AddPrologEpilogFiles(InfoTree &tree, HTREEITEM page, const PrologEpilogRecord &entry) {
  const bool ownPage = tree.Sources().openedFrom == kPrologEpilogPage;
  std::string text = tree.Label(ownPage ? IDS_PROLOGUE_DATA : IDS_PROLOGUE);
  JoinLabelValue(text, SystemText(tree, FieldText(entry.szPrologFile)));
  text += " ->";
  JoinLabelValue(text, tree.Label(ownPage ? IDS_EPILOGUE_DATA : IDS_EPILOGUE));
  JoinLabelValue(text, SystemText(tree, FieldText(entry.szEpilogFile)));
  tree.Add(page, text);
}

void AddWatermarkLook(InfoTree &tree, HTREEITEM group, const InfoBytes &block) {
  const DWORD flags = block.Get<DWORD>(offsetof(WatermarkBlock, dwFlags)).value_or(0);
  tree.AddValue(group, IDS_PAGES,
                (flags & kFirstPageOnly) != 0 ? IDS_FIRST_PAGE_ONLY : IDS_ALL_PAGES);
  tree.AddValue(group, IDS_PRINT_WATERMARK,
                (flags & kForeground) != 0 ? IDS_FOREGROUND : IDS_BACKGROUND);
  tree.AddValue(group, IDS_BORDER, (flags & kBorder) != 0 ? IDS_INFO_ON : IDS_INFO_OFF);
  tree.AddValue(group, IDS_TRANSPARENT, (flags & kTransparent) != 0 ? IDS_INFO_ON : IDS_INFO_OFF);
  tree.AddValue(group, IDS_STYLE, (flags & kOutlineOnly) != 0 ? IDS_OUTLINE_ONLY : IDS_SOLID);
  if (const std::optional<WORD> pattern = block.Get<WORD>(offsetof(WatermarkBlock, wPattern));
      pattern && *pattern < kPatterns)
    tree.AddValue(group, IDS_PATTERN, IDS_SOLID + *pattern);
  if (const std::optional<COLORREF> color =
          block.Get<COLORREF>(offsetof(WatermarkBlock, rgbColor))) {
    char text[48];
    snprintf(text, sizeof text, "%d, %d, %d", GetRValue(*color), GetGValue(*color),
             GetBValue(*color));
    tree.AddValue(group, IDS_COLOR, text);
  }
  if (const std::optional<WORD> density = block.Get<WORD>(offsetof(WatermarkBlock, wDensity)))
    tree.AddValue(group, IDS_DENSITY, Format("%d%%", *density));
  if (const std::optional<WORD> angle = block.Get<WORD>(offsetof(WatermarkBlock, wAngle))) {
    struct Direction {
      WORD angle;
      UINT text;
    } constexpr kDirections[] = {
        {0, IDS_HORIZONTAL}, {90, IDS_VERTICAL}, {45, IDS_DIAGONAL_UP}, {315, IDS_DIAGONAL_DOWN}};
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
                      const WatermarkRecord &record) {
  HTREEITEM text = tree.AddGroup(group, IDS_TEXT);
  tree.AddValue(text, IDS_NAME, tree.Text().NameText(FieldText(record.szName)));
  const WideString face = FieldText(record.szFont);
  const std::string localized = LocalizedFontName(tree, face);
  tree.AddValue(text, IDS_FONT, localized.empty() ? tree.Text().NameText(face) : localized);
  if (const std::optional<WORD> style = block.Get<WORD>(offsetof(WatermarkBlock, wFontStyle));
      style && *style < kFontStyles)
    tree.AddValue(text, IDS_FONT_STYLE, IDS_REGULAR + *style);
  tree.AddValue(text, IDS_SIZE, Format("%d", record.wSize));
  const short x = record.sX, y = record.sY;
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
  if (block.Get<DWORD>(offsetof(PrologEpilogBlock, dwEnabled)).value_or(0) == 0)
    return;
  const DWORD count = sources.openedFrom == kPrologEpilogPage
                          ? static_cast<DWORD>(tree.Text().SendControl(
                                sources.opener, IDC_PROLOG_EPILOG_LIST, LB_GETCOUNT, 0, 0))
                          : PrinterCount(sources.manager, PROLOG_EPILOG_COUNT_VALUE);
  const std::vector<PrologEpilogRecord> records = ReadRecords<PrologEpilogRecord>(
      sources, PROLOG_EPILOG_DATA_VALUE, PROLOG_EPILOG_TEMP_DATA_VALUE, kPrologEpilogPage, count);
  const DWORD selection = block.Get<DWORD>(offsetof(PrologEpilogBlock, dwSelection)).value_or(0);
  const PrologEpilogRecord *entry = selection < records.size() ? &records[selection] : nullptr;
  if (entry != nullptr)
    tree.AddValue(page, IDS_NAME, tree.Text().NameText(FieldText(entry->szName)));
  if (const std::optional<DWORD> pages = block.Get<DWORD>(offsetof(PrologEpilogBlock, dwPages));
      pages && *pages < kPageChoices)
    tree.AddValue(page, IDS_PAGES, IDS_PAGE_CHOICES + *pages);
  if (entry != nullptr)
    AddPrologEpilogFiles(tree, page, *entry);
}

void AddWatermarkGroup(InfoTree &tree, HTREEITEM page) {
  const InfoSources &sources = tree.Sources();
  const InfoBytes &block = sources.watermark;
  if (block.Get<DWORD>(offsetof(WatermarkBlock, dwEnabled)).value_or(0) == 0)
    return;
  const WideString name =
      block.WideText(offsetof(WatermarkBlock, szName), std::size(WatermarkBlock{}.szName));
  HTREEITEM group = tree.AddValue(page, IDS_WATERMARK, tree.Text().NameText(name));
  AddWatermarkLook(tree, group, block);
  const std::vector<WatermarkRecord> records = ReadRecords<WatermarkRecord>(
      sources, WATERMARK_DATA_VALUE, WATERMARK_TEMP_DATA_VALUE, kWatermarkPage,
      PrinterCount(sources.manager, WATERMARK_COUNT_VALUE));
  for (const WatermarkRecord &record : records) {
    if (FieldText(record.szName) == name) {
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
      {LANG_BYTE_JAPANESE, WSTR("MS PGothic"), IDS_MS_PGOTHIC},
      {LANG_BYTE_KOREAN, WSTR("Gulim"), IDS_GULIM},
      {LANG_BYTE_SIMPLIFIED_CHINESE, WSTR("SimSun"), IDS_SIMSUN},
      {LANG_BYTE_TRADITIONAL_CHINESE, WSTR("MingLiU"), IDS_MINGLIU},
  };
  const BYTE language = LanguageByte(tree.Text().Language());
  for (const LocalFace &local : kLocalFaces)
    if (local.language == language)
      return face == local.face ? tree.String(local.localName) : std::string();
  return face == WSTR("ARIAL") ? std::string("Arial") : std::string();
}
