// The private-data blocks of the driver's plug-ins, as the driver lays them out. Each starts
// with the common block header; the module treats them as opaque apart from a few fields.
#pragma once

#include <cstddef>

#include "apply/private_data.h"

namespace host {

#pragma pack(push, 1)

struct PrologEpilogBlock {
  PrivateDataBlockHeader header;
  DWORD dwEnabled;        // 16
  DWORD dwSelection;      // 20: index into the printer's prologue/epilogue table
  BYTE reserved[40];      // 24
};
static_assert(sizeof(PrologEpilogBlock) == 64);

struct WatermarkBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;          // 16: bit 0 first page only, bit 1 outline
  DWORD dwEnabled;        // 20
  WCHAR szName[32];       // 24
  WORD wAngle;            // 88
  WORD wFontSize;         // 90
  COLORREF rgbColor;      // 92
  BYTE reserved[24];      // 96
};
static_assert(sizeof(WatermarkBlock) == 120);
static_assert(offsetof(WatermarkBlock, dwEnabled) == 20);
static_assert(offsetof(WatermarkBlock, szName) == 24);

struct OverlayBlock {
  PrivateDataBlockHeader header;
  DWORD dwEnabled;        // 16
  WCHAR szForm[30];       // 20
};
static_assert(sizeof(OverlayBlock) == 80);

struct PosterBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;          // 16: bit 0 cut marks
  DWORD dwOverlap;        // 20: tenths of a millimetre
  DWORD dwReserved;       // 24
  DWORD dwLayout;         // 28: pages across in the high word, down in the low word
  BYTE reserved[16];      // 32
};
static_assert(sizeof(PosterBlock) == 48);
static_assert(offsetof(PosterBlock, dwLayout) == 28);
constexpr DWORD POSTER_LAYOUT_OFF = 0x00010001;

struct SecurityWatermarkBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;          // 16
  DWORD dwEnabled;        // 20
  WCHAR szName[32];       // 24
  DWORD dwPattern;        // 88
  BYTE reserved[12];      // 92
};
static_assert(sizeof(SecurityWatermarkBlock) == 104);
static_assert(offsetof(SecurityWatermarkBlock, szName) == 24);

#pragma pack(pop)

}  // namespace host
