// The private part of the driver's DEVMODE: a chain of blocks, each starting with a 16-byte
// header, the driver's main block first and one block per plug-in behind it, this module's own
// among them. The driver, its plug-ins and this module share these definitions; offsets are from
// the start of each block.
#pragma once

#include <windows.h>

#include <cstddef>

// "VtPd" as a multi-character constant: the bytes in memory read d, P, t, V.
constexpr DWORD PRIVATE_DATA_SIGNATURE = 0x56745064;

enum : WORD {
  PRIVATE_DATA_ID_MAIN = 1,
  PRIVATE_DATA_ID_PROLOGEPILOG = 10000,
  PRIVATE_DATA_ID_WATERMARK = 20000,
  PRIVATE_DATA_ID_OVERLAY = 30000,
  PRIVATE_DATA_ID_PROFIL = 40000,
  PRIVATE_DATA_ID_POSTER = 50000,
  PRIVATE_DATA_ID_SECURITYWMARK = 60000,
};

// What a block of the chain holds, in a word or two, for tools that list blocks; null for an
// identifier the driver does not define.
constexpr const char *PrivateBlockName(WORD id) {
  switch (id) {
    case PRIVATE_DATA_ID_MAIN:
      return "main";
    case PRIVATE_DATA_ID_PROLOGEPILOG:
      return "prologue/epilogue";
    case PRIVATE_DATA_ID_WATERMARK:
      return "watermark";
    case PRIVATE_DATA_ID_OVERLAY:
      return "overlay";
    case PRIVATE_DATA_ID_PROFIL:
      return "profiles";
    case PRIVATE_DATA_ID_POSTER:
      return "poster";
    case PRIVATE_DATA_ID_SECURITYWMARK:
      return "security watermark";
    default:
      return nullptr;
  }
}

#pragma pack(push, 1)

struct PrivateDataBlockHeader {
  DWORD dwSignature;  // PRIVATE_DATA_SIGNATURE
  WORD wBlockId;      // PRIVATE_DATA_ID_*
  WORD wReserved1;
  WORD wVersion;
  WORD wReserved2;
  DWORD dwSize;  // whole block, header included
};
static_assert(sizeof(PrivateDataBlockHeader) == 16);
static_assert(offsetof(PrivateDataBlockHeader, wBlockId) == 4);
static_assert(offsetof(PrivateDataBlockHeader, wVersion) == 8);
static_assert(offsetof(PrivateDataBlockHeader, dwSize) == 12);

// Bits of pdMain::dwOptions.
enum : DWORD {
  PDMAIN_OPT_MIRROR = 1u << 2,
  PDMAIN_OPT_OUTBIN_OFFSET = 1u << 3,
  PDMAIN_OPT_TONER_SAVE = 1u << 4,
  PDMAIN_OPT_SKIP_BLANK = 1u << 6,
  PDMAIN_OPT_SPOOL_RAW = 1u << 7,
  PDMAIN_OPT_OUTBIN_SORT = 1u << 10,
  PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE = 1u << 17,
  PDMAIN_OPT_LITEPRINT_MASK = 0xFu << 20,
  PDMAIN_OPT_MAILBOX_LOCKED = 1u << 26,
  PDMAIN_OPT_EMF_SPOOLING = 1u << 27,
};

constexpr int PDMAIN_OPT_LITEPRINT_SHIFT = 20;
constexpr DWORD PDMAIN_SIZE_NOT_FOUND = 0x80000000u;  // pdMain::dwScaleFlags

// The driver's own private settings (block PRIVATE_DATA_ID_MAIN). Fields not named here are
// carried as opaque bytes.
struct pdMain {
  PrivateDataBlockHeader header;   // 0
  DWORD dwOptions;                 // 16: option flags (PDMAIN_OPT_*)
  BYTE bNoCopy;                    // 20: PFPD_NOCOPY
  BYTE reserved21;                 // 21
  BYTE abStampArea[20];            // 22
  BYTE abHeaderFooter[20];         // 42
  WORD wLayoutBmpId;               // 62: PFPD_LAYOUTBMPID
  WORD wDuplexOptions;             // 64: bit 0 wDuplexValue applies, bit 1 duplex skip
  WORD wDuplexValue;               // 66: low 14 bits: the dmDuplex value
  WORD wBookletOptions;            // 68: bit 0 booklet, bits 2-3 booklet kind
  BYTE abBooklet[6];               // 70
  DWORD dwFrontCover;              // 76: bit 0 front cover
  BYTE abFrontCover[8];            // 80
  DWORD dwBackCover;               // 88: bit 0 back cover
  BYTE abBackCover[16];            // 92
  DWORD dwInsertSheet;             // 108: bit 0 insert sheet
  BYTE abInsertSheet[4];           // 112
  DWORD dwMediaOptions;            // 116: bit 0 cover mode
  WORD wMediaSourceFlags;          // 120
  WORD wMediaSourceOption;         // 122
  BYTE abMediaSource[4];           // 124
  DWORD dwSeparatorPage;           // 128: bit 0 separator pages
  BYTE abSeparatorPage[16];        // 132
  DWORD dwTransparencyInterleave;  // 148: bit 0 interleave sheets
  BYTE abTransparency[4];          // 152
  BYTE abStapling[84];             // 156
  DWORD dwHolePunch;               // 240: bit 20 set: low 20 bits are the punch mode
  BYTE abHolePunch[8];             // 244
  DWORD dwFold;                    // 252
  BYTE abMargins[16];              // 256
  DWORD dwCustomWidth;             // 272: custom document size, unit in dwCustomUnit
  DWORD dwCustomLength;            // 276
  DWORD dwCustomReserved;          // 280
  DWORD dwCustomUnit;              // 284: low 4 bits: 0 thousandths of an inch, else 0.1 mm
  char szCustomName[32];           // 288
  DWORD dwOutputWidth;             // 320: custom output size
  DWORD dwOutputLength;            // 324
  DWORD dwOutputReserved;          // 328
  DWORD dwOutputUnit;              // 332
  char szOutputName[32];           // 336
  WORD wMediaSourceIdx;            // 368: PFPD_MEDIASOURCEIDX
  WORD wMediaTypeIdx;              // 370: PFPD_MEDIATYPEIDX
  WORD wMediaSizeIdx;              // 372: PFPD_MEDIASIZEIDX
  WORD reserved374;                // 374
  WORD wScaleSizeIdx;              // 376: Scale.wScaleSizeIdx, print (output) size index
  WORD reserved378;                // 378
  DWORD dwScaleFlags;              // 380: bit 31 the stored print size was not found
  WORD wScaleZoom;                 // 384: zoom of the print size, percent
  WORD wScalePercent;              // 386: manual scaling, percent
  BYTE abScale[4];                 // 388
  BYTE abNup[8];                   // 392
  WORD wSizeMode;                  // 400: PFPD_SIZEMODE
  WORD wPageOrder;                 // 402
  WORD wOutBinIdx;                 // 404: PFPD_OUTBINIDX
  WORD wResIdx;                    // 406: PFPD_RESIDX
  WORD wColorMode;                 // 408: bits 0-2 colour mode
  WORD reserved410;                // 410
  DWORD dwColorFlags;              // 412
  DWORD dwColorFlags2;             // 416
  DWORD dwColorMatching;           // 420
  DWORD dwColorReserved;           // 424
  WORD wQualityFlags;              // 428: bit 6 grey-scale black
  WORD wFinishing;                 // 430: bit 9 output-bin finishing
  WORD wFinishing2;                // 432: bit 15 output-bin finishing
  WORD reserved434;                // 434
  BYTE abJobOptions[8];            // 436
  DWORD adwMailboxes[8];           // 444: one bit per virtual mailbox
  BYTE bIsVmbSave;                 // 476: PFPD_ISVMBSAVE
  BYTE bIsVmbSelect;               // 477: PFPD_ISVMBSELECT
  WORD reserved478;                // 478
  DWORD dwVmbOptions;              // 480
  WORD wHalftone;                  // 484: PFPD_HALFTONE
  short sBrightness;               // 486: PFPD_BRIGHTNESS
  short sContrast;                 // 488: PFPD_CONTRAST
  WORD reserved490;                // 490
  DWORD dwScreening;               // 492
  WORD wScalingMode;               // 496: PFPD_SCALINGMODE
  WORD reserved498;                // 498
  WORD wFitToPage;                 // 500
  WORD reserved502;                // 502
  WORD wReduceEnlarge;             // 504
  WORD reserved506;                // 506
  WORD wPosterize;                 // 508
  WORD reserved510;                // 510
  BYTE abGraphics[12];             // 512
  DWORD dwQualityReserved;         // 524
  DWORD dwQualityMode;             // 528: bit 0 device-selected quality
  DWORD dwPrintQuaResolution;      // 532: PFPD_PRINTQUARESOLUTION
  DWORD dwCusQuaResolution;        // 536: PFPD_CUSQUARESOLUTION
  DWORD dwPrintQuaTypeId;          // 540: PFPD_PRINTQUATYPEID
  DWORD dwCusQuaPdl;               // 544: PFPD_CUSQUAPDL
  BYTE bCusQuaFast;                // 548: PFPD_CUSQUAFAST
  BYTE bCusQuaZir;                 // 549: PFPD_CUSQUAZIR
  BYTE bCusQuaLte;                 // 550: PFPD_CUSQUALTE
  BYTE reserved551;                // 551
  BYTE abColorAdjust[60];          // 552
  DWORD dwColoAdjCustomID;         // 612: PFPD_COLOADJCUSTOMID
  BYTE abColorBalance[32];         // 616
  WORD wFontOptions;               // 648: bits 0-13 font and graphics options
  WORD reserved650;                // 650
  WORD wLineOptions;               // 652
  WORD reserved654;                // 654
  WORD wLineWidthMin;              // 656: tenths
  WORD wLineWidthMax;              // 658: tenths
  BYTE abLines[12];                // 660
  DWORD dwGutterPosition;          // 672: low 4 bits PFPD_GUTTERPOSITION
  WORD wPdlId;                     // 676: PFPD_PDLID
  WORD wColorReproduction;         // 678: PFPD_COLORREPRODUCTION
  BYTE abDeviceOptions[144];       // 680
  double dImageShiftX;             // 824: inches, relative to 0.2 inch
  double dImageShiftY;             // 832
  DWORD adwSettingsTime[2];        // 840: time stamp of the settings
  BYTE reserved848[176];           // 848
};
static_assert(sizeof(pdMain) == 1024);
static_assert(offsetof(pdMain, dwOptions) == 16);
static_assert(offsetof(pdMain, bNoCopy) == 20);
static_assert(offsetof(pdMain, wLayoutBmpId) == 62);
static_assert(offsetof(pdMain, wDuplexOptions) == 64);
static_assert(offsetof(pdMain, wDuplexValue) == 66);
static_assert(offsetof(pdMain, wBookletOptions) == 68);
static_assert(offsetof(pdMain, dwFrontCover) == 76);
static_assert(offsetof(pdMain, dwBackCover) == 88);
static_assert(offsetof(pdMain, dwInsertSheet) == 108);
static_assert(offsetof(pdMain, dwMediaOptions) == 116);
static_assert(offsetof(pdMain, wMediaSourceFlags) == 120);
static_assert(offsetof(pdMain, wMediaSourceOption) == 122);
static_assert(offsetof(pdMain, dwSeparatorPage) == 128);
static_assert(offsetof(pdMain, dwTransparencyInterleave) == 148);
static_assert(offsetof(pdMain, abStapling) == 156);
static_assert(offsetof(pdMain, dwHolePunch) == 240);
static_assert(offsetof(pdMain, dwCustomWidth) == 272);
static_assert(offsetof(pdMain, dwCustomLength) == 276);
static_assert(offsetof(pdMain, dwCustomUnit) == 284);
static_assert(offsetof(pdMain, szCustomName) == 288);
static_assert(offsetof(pdMain, dwOutputWidth) == 320);
static_assert(offsetof(pdMain, dwOutputLength) == 324);
static_assert(offsetof(pdMain, dwOutputUnit) == 332);
static_assert(offsetof(pdMain, szOutputName) == 336);
static_assert(offsetof(pdMain, wMediaSourceIdx) == 368);
static_assert(offsetof(pdMain, wMediaTypeIdx) == 370);
static_assert(offsetof(pdMain, wMediaSizeIdx) == 372);
static_assert(offsetof(pdMain, wScaleSizeIdx) == 376);
static_assert(offsetof(pdMain, dwScaleFlags) == 380);
static_assert(offsetof(pdMain, wScaleZoom) == 384);
static_assert(offsetof(pdMain, wScalePercent) == 386);
static_assert(offsetof(pdMain, wSizeMode) == 400);
static_assert(offsetof(pdMain, wOutBinIdx) == 404);
static_assert(offsetof(pdMain, wResIdx) == 406);
static_assert(offsetof(pdMain, wColorMode) == 408);
static_assert(offsetof(pdMain, dwColorFlags) == 412);
static_assert(offsetof(pdMain, dwColorMatching) == 420);
static_assert(offsetof(pdMain, wQualityFlags) == 428);
static_assert(offsetof(pdMain, wFinishing) == 430);
static_assert(offsetof(pdMain, wFinishing2) == 432);
static_assert(offsetof(pdMain, adwMailboxes) == 444);
static_assert(offsetof(pdMain, bIsVmbSave) == 476);
static_assert(offsetof(pdMain, bIsVmbSelect) == 477);
static_assert(offsetof(pdMain, wHalftone) == 484);
static_assert(offsetof(pdMain, sBrightness) == 486);
static_assert(offsetof(pdMain, sContrast) == 488);
static_assert(offsetof(pdMain, wScalingMode) == 496);
static_assert(offsetof(pdMain, wFitToPage) == 500);
static_assert(offsetof(pdMain, wReduceEnlarge) == 504);
static_assert(offsetof(pdMain, wPosterize) == 508);
static_assert(offsetof(pdMain, dwQualityMode) == 528);
static_assert(offsetof(pdMain, dwPrintQuaResolution) == 532);
static_assert(offsetof(pdMain, dwCusQuaResolution) == 536);
static_assert(offsetof(pdMain, dwPrintQuaTypeId) == 540);
static_assert(offsetof(pdMain, dwCusQuaPdl) == 544);
static_assert(offsetof(pdMain, bCusQuaFast) == 548);
static_assert(offsetof(pdMain, bCusQuaZir) == 549);
static_assert(offsetof(pdMain, bCusQuaLte) == 550);
static_assert(offsetof(pdMain, dwColoAdjCustomID) == 612);
static_assert(offsetof(pdMain, wFontOptions) == 648);
static_assert(offsetof(pdMain, wLineOptions) == 652);
static_assert(offsetof(pdMain, wLineWidthMin) == 656);
static_assert(offsetof(pdMain, wLineWidthMax) == 658);
static_assert(offsetof(pdMain, dwGutterPosition) == 672);
static_assert(offsetof(pdMain, wPdlId) == 676);
static_assert(offsetof(pdMain, wColorReproduction) == 678);
static_assert(offsetof(pdMain, dImageShiftX) == 824);
static_assert(offsetof(pdMain, dImageShiftY) == 832);
static_assert(offsetof(pdMain, adwSettingsTime) == 840);

#pragma pack(pop)

// The plug-ins' blocks, as the driver lays them out. The module carries them whole and reads
// only the fields named here.
#pragma pack(push, 1)

struct PrologEpilogBlock {
  PrivateDataBlockHeader header;
  DWORD dwEnabled;    // 16
  DWORD dwSelection;  // 20: index into the printer's prologue/epilogue table
  DWORD dwPages;      // 24: 0 all, 1 first, 2 odd, 3 even pages
  BYTE reserved[36];  // 28
};
static_assert(sizeof(PrologEpilogBlock) == 64);
static_assert(offsetof(PrologEpilogBlock, dwEnabled) == 16);
static_assert(offsetof(PrologEpilogBlock, dwSelection) == 20);
static_assert(offsetof(PrologEpilogBlock, dwPages) == 24);

struct WatermarkBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;      // 16: WATERMARK_* below
  DWORD dwEnabled;    // 20
  WCHAR szName[32];   // 24
  WORD wAngle;        // 88
  WORD wFontSize;     // 90
  COLORREF rgbColor;  // 92
  WORD wFontStyle;    // 96: 0 regular, 1 bold, 2 italic, 3 bold italic
  WORD wDensity;      // 98: percent
  WORD wPattern;      // 100: 0 solid, 1 outline, 2 halftone, 3 shadow, 4 opaque
  BYTE reserved[18];  // 102
};
static_assert(sizeof(WatermarkBlock) == 120);
static_assert(offsetof(WatermarkBlock, dwFlags) == 16);
static_assert(offsetof(WatermarkBlock, dwEnabled) == 20);
static_assert(offsetof(WatermarkBlock, szName) == 24);
static_assert(offsetof(WatermarkBlock, wAngle) == 88);
static_assert(offsetof(WatermarkBlock, rgbColor) == 92);
static_assert(offsetof(WatermarkBlock, wFontStyle) == 96);
static_assert(offsetof(WatermarkBlock, wDensity) == 98);
static_assert(offsetof(WatermarkBlock, wPattern) == 100);

struct OverlayBlock {
  PrivateDataBlockHeader header;
  DWORD dwEnabled;   // 16
  WCHAR szForm[30];  // 20
};
static_assert(sizeof(OverlayBlock) == 80);

struct PosterBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;      // 16: bit 0 cut marks
  DWORD dwOverlap;    // 20: tenths of a millimetre
  DWORD dwReserved;   // 24
  DWORD dwLayout;     // 28: pages across in the high word, down in the low word
  BYTE reserved[16];  // 32
};
static_assert(sizeof(PosterBlock) == 48);
static_assert(offsetof(PosterBlock, dwLayout) == 28);
constexpr DWORD POSTER_LAYOUT_OFF = 0x00010001;

struct SecurityWatermarkBlock {
  PrivateDataBlockHeader header;
  DWORD dwFlags;      // 16
  DWORD dwEnabled;    // 20
  WCHAR szName[32];   // 24
  DWORD dwPattern;    // 88
  BYTE reserved[12];  // 92
};
static_assert(sizeof(SecurityWatermarkBlock) == 104);
static_assert(offsetof(SecurityWatermarkBlock, szName) == 24);

// The module's block in the private part of the DEVMODE (ID PRIVATE_DATA_ID_PROFIL). It carries
// no data beyond its header.
struct ProfilePrivateData {
  DWORD dwSignature;  // 0: PRIVATE_DATA_SIGNATURE
  WORD wBlockId;      // 4: PRIVATE_DATA_ID_PROFIL
  WORD wReserved;     // 6: 0
  WORD wVersion;      // 8: PROFILE_PRIVATE_DATA_VERSION
  WORD wUnused;       // 10: not interpreted
  DWORD dwSize;       // 12: sizeof(ProfilePrivateData)
};
static_assert(sizeof(ProfilePrivateData) == 16);
static_assert(offsetof(ProfilePrivateData, wBlockId) == 4);
static_assert(offsetof(ProfilePrivateData, wReserved) == 6);
static_assert(offsetof(ProfilePrivateData, wVersion) == 8);
static_assert(offsetof(ProfilePrivateData, dwSize) == 12);

#pragma pack(pop)

constexpr WORD PROFILE_PRIVATE_DATA_VERSION = 256;
