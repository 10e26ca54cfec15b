// The rules by which an imported profile's settings are fitted to the printer that reads them:
// a paper size the printer does not offer, a resolution above its best one, and a custom paper
// size merged into the printer's own table. Decisions only: the caller gathers what the printer
// offers and stores what the rules give back.
#pragma once

#include <windows.h>

#include <stddef.h>

#include <optional>
#include <span>
#include <vector>

// What the reading printer offers, as its host's feature lists and model record say.
struct JzpImportTarget {
  std::vector<WORD> paperSizes;   // paper size numbers of feature list 3
  std::vector<WORD> resolutions;  // dots per inch of feature list 7
  WORD language = 0;              // the host's language code
  BYTE restriction = 0;           // byte 193 of the model record
};

// The first custom paper size: a DEVMODE selects entry i of the table with 296 + i.
constexpr LONG kFirstCustomPaperSize = 296;
constexpr WORD kUsEnglish = 0x0409;
constexpr LONG kLetter = 1;
constexpr LONG kA4 = 9;

// The paper size the printer takes for `paperSize`: 0 and custom sizes as they are, a size the
// printer offers as it is, any other Letter for US English and A4 for every other language.
LONG FitPaperSize(const JzpImportTarget &target, LONG paperSize);
// The best resolution the printer offers an imported profile: at least 300, and never 1200 or
// more on a model whose restriction byte is 1 or 2.
LONG ResolutionCeiling(const JzpImportTarget &target);

// One entry of the custom paper size table "VtCPSData".
#pragma pack(push, 1)
struct CustomPaperSize {
  char szName[32];
  DWORD dwWidth;
  DWORD dwLength;
  BYTE reserved[8];
};
#pragma pack(pop)
static_assert(sizeof(CustomPaperSize) == 48);
static_assert(offsetof(CustomPaperSize, dwWidth) == 32);
static_assert(offsetof(CustomPaperSize, dwLength) == 36);
inline void TerminateTextFields(CustomPaperSize &size) {
  size.szName[sizeof size.szName - 1] = '\0';
}

// What a merge gives the imported profile: the table it stores, and the entry its paper size
// selects.
struct CustomPaperSizeMerge {
  std::vector<CustomPaperSize> table;
  DWORD index;
};

// The printer's table as it stores it: `count` entries read from `data`, entries the data lacks
// zeroed. Nullopt when the printer holds no table (count 0, or no data).
std::optional<std::vector<CustomPaperSize>> ReadCustomPaperSizes(std::span<const BYTE> data,
                                                                 DWORD count);
// Merges entry `index` of the imported table into the printer's: an entry of the same name and
// dimensions is reused; a name already taken with other dimensions gets "_0" appended, again
// for each later entry that has the longer name, and the entry is added to the table, which is
// then sorted by name. Nullopt when the imported table has no such entry.
std::optional<CustomPaperSizeMerge> MergeCustomPaperSize(std::vector<CustomPaperSize> printer,
                                                         std::span<const BYTE> imported,
                                                         DWORD index);
