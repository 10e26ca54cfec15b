// Fitting an imported profile's paper size, resolution and custom paper size to the printer.
#include "profilefile/jzp_import_rules.h"

#include <string.h>

#include <algorithm>
#include <utility>

#include "abi/byte_reader.h"

namespace {

// Resolutions of this many dots per inch and above are not offered by restricted models.
constexpr LONG kRestrictedResolution = 1200;
constexpr LONG kLowestCeiling = 300;
// The entry counter of the merge is 16 bits wide.
constexpr DWORD kMaxCustomPaperSizes = 0xFFFF;

bool SameName(const CustomPaperSize &a, const CustomPaperSize &b) {
  return strncmp(a.szName, b.szName, sizeof a.szName) == 0;
}

bool SameDimensions(const CustomPaperSize &a, const CustomPaperSize &b) {
  return a.dwWidth == b.dwWidth && a.dwLength == b.dwLength;
}

// A name that fills its field is cut so that the suffix and the terminator still fit.
void AppendClashSuffix(CustomPaperSize &size) {
  constexpr char kSuffix[] = "_0";
  size_t length = strnlen(size.szName, sizeof size.szName - 1);
  length = std::min(length, sizeof size.szName - sizeof kSuffix);
  memcpy(size.szName + length, kSuffix, sizeof kSuffix);
}

bool NameBefore(const CustomPaperSize &a, const CustomPaperSize &b) {
  return strncmp(a.szName, b.szName, sizeof a.szName) < 0;
}

}  // namespace

LONG FitPaperSize(const JzpImportTarget &target, LONG paperSize) {
  if (paperSize == 0 || paperSize >= kFirstCustomPaperSize)
    return paperSize;
  if (std::find(target.paperSizes.begin(), target.paperSizes.end(), paperSize) !=
      target.paperSizes.end())
    return paperSize;
  return target.language == kUsEnglish ? kLetter : kA4;
}

LONG ResolutionCeiling(const JzpImportTarget &target) {
  const bool restricted = target.restriction == 1 || target.restriction == 2;
  LONG ceiling = kLowestCeiling;
  for (WORD dpi : target.resolutions)
    if (dpi > ceiling && !(restricted && dpi >= kRestrictedResolution))
      ceiling = dpi;
  return ceiling;
}

std::optional<std::vector<CustomPaperSize>> ReadCustomPaperSizes(std::span<const BYTE> data,
                                                                 DWORD count) {
  if (count == 0 || data.empty() || count > kMaxCustomPaperSizes)
    return std::nullopt;
  std::vector<CustomPaperSize> table;
  ByteReader(data, "the printer's table")
      .ReadArray(std::min<size_t>(count, data.size() / sizeof(CustomPaperSize)), &table);
  table.resize(count, CustomPaperSize{});
  return table;
}

std::optional<CustomPaperSizeMerge> MergeCustomPaperSize(std::vector<CustomPaperSize> printer,
                                                         std::span<const BYTE> imported,
                                                         DWORD index) {
  ByteReader reader(imported, "the imported table");
  CustomPaperSize size;
  if (index >= imported.size() / sizeof size || !reader.Skip(size_t{index} * sizeof size) ||
      !reader.Read(&size))
    return std::nullopt;
  for (size_t j = 0; j < printer.size(); ++j) {
    if (!SameName(printer[j], size))
      continue;
    if (SameDimensions(printer[j], size))
      return CustomPaperSizeMerge{std::move(printer), static_cast<DWORD>(j)};
    AppendClashSuffix(size);
  }
  printer.push_back(size);
  for (size_t i = 0; i < printer.size(); ++i)
    for (size_t j = i + 1; j < printer.size(); ++j)
      if (NameBefore(printer[j], printer[i]))
        std::swap(printer[i], printer[j]);
  const auto added =
      std::find_if(printer.begin(), printer.end(),
                   [&](const CustomPaperSize &entry) { return SameName(entry, size); });
  const DWORD at = static_cast<DWORD>(added - printer.begin());
  return CustomPaperSizeMerge{std::move(printer), at};
}
