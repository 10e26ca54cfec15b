// Records the host hands to the module: the model and capabilities records and the entries of
// the feature lists. The host owns their layout; the fields named here are those the module
// reads, at fixed offsets, and everything else is the host's own.
#pragma once

#include <windows.h>

#include <cstddef>

// Feature lists of GetFeatureCount/GetFeatureItem.
enum : int {
  FEATURE_MODEL = 1,
  FEATURE_PAPER_SIZE = 3,
  FEATURE_MEDIA_TYPE = 4,
  FEATURE_PAPER_SOURCE = 5,
  FEATURE_OUTPUT_BIN = 6,
  FEATURE_RESOLUTION = 7,
};

#pragma pack(push, 1)

// Entry of the media-type, paper-source, output-bin and resolution lists.
struct FeatureEntry {
  char szKeyword[12];  // the host's keyword, e.g. "Tray2"
  WORD wNameId;        // 12: string identifier of the display name
  WORD wCode;          // 14: DEVMODE code (dmMediaType, dmDefaultSource, bin id, dpi)
  DWORD dwFlags;       // 16
};
static_assert(sizeof(FeatureEntry) == 20);
static_assert(offsetof(FeatureEntry, wNameId) == 12);
static_assert(offsetof(FeatureEntry, wCode) == 14);

// Entry of the paper-size list; sizes in tenths of a millimetre.
struct PaperSizeEntry {
  char szKeyword[12];  // 0
  WORD wNameId;        // 12
  WORD wFlags;         // 14
  WORD wPaperCode;     // 16: dmPaperSize
  WORD wReserved;      // 18
  DWORD dwReserved;    // 20
  WORD wWidth;         // 24
  WORD wLength;        // 26
  WORD wMargins[4];    // 28: left, top, right, bottom
};
static_assert(sizeof(PaperSizeEntry) == 36);
static_assert(offsetof(PaperSizeEntry, wNameId) == 12);
static_assert(offsetof(PaperSizeEntry, wPaperCode) == 16);
static_assert(offsetof(PaperSizeEntry, wWidth) == 24);
static_assert(offsetof(PaperSizeEntry, wLength) == 26);

// The one entry of the model list.
struct ModelEntry {
  char szKeyword[12];     // 0
  WORD wNameId;           // 12
  WORD wModelCode;        // 14
  char szDeviceName[64];  // 16
  BYTE reserved[110];     // 80
  DWORD dwCapabilities;   // 190: bit 0 colour device
};
static_assert(sizeof(ModelEntry) == 194);
static_assert(offsetof(ModelEntry, dwCapabilities) == 190);

// GetModelInfo.
struct ModelInfoRecord {
  DWORD dwSize;             // 0
  DWORD dwModelCode;        // 4
  DWORD dwOptions;          // 8: bit 1 mailbox unit, bit 2 finisher
  char szModelKey[24];      // 12
  DWORD dwInstalledFeeder;  // 36: index of the installed paper feeder option
  DWORD dwInstalledOutput;  // 40: index of the installed output option
  DWORD dwInstalledMemory;  // 44: index of the installed memory option
  BYTE reserved48[145];     // 48
  BYTE bRestriction;        // 193: 0 none; 1, 2 fixed cover mode and resolutions below 1200;
                            //      3 restricted editing; 4 settings locked by the administrator
  BYTE reserved194[38];     // 194
  WORD wPaperHandling;      // 232
  WORD wUnit;               // 234: 0 inches, else millimetres
  BYTE reserved236[16];     // 236
  BYTE bLanguageOverride;   // 252
  BYTE reserved253[3];      // 253
  WORD wOverrideLanguage;   // 256
  BYTE reserved258[62];     // 258
};
static_assert(sizeof(ModelInfoRecord) == 320);
static_assert(offsetof(ModelInfoRecord, dwOptions) == 8);
static_assert(offsetof(ModelInfoRecord, dwInstalledFeeder) == 36);
static_assert(offsetof(ModelInfoRecord, dwInstalledOutput) == 40);
static_assert(offsetof(ModelInfoRecord, dwInstalledMemory) == 44);
static_assert(offsetof(ModelInfoRecord, bRestriction) == 193);
static_assert(offsetof(ModelInfoRecord, wPaperHandling) == 232);
static_assert(offsetof(ModelInfoRecord, wUnit) == 234);
static_assert(offsetof(ModelInfoRecord, bLanguageOverride) == 252);
static_assert(offsetof(ModelInfoRecord, wOverrideLanguage) == 256);

// GetModelCapabilities: feature bits of the model.
struct ModelCapabilitiesRecord {
  DWORD dwSize;           // 0
  BYTE reserved4[180];    // 4
  DWORD dwFinishing;      // 184
  BYTE reserved188[2];    // 188
  DWORD dwDevice;         // 190: bit 0 colour, bit 3 media types, bit 17 mailbox,
                          //      bit 27 no decoration
  DWORD dwPaper;          // 194: bit 20 copies on the paper page
  DWORD dwLayout;         // 198: bit 0 help, bit 25 finisher
  DWORD dwQuality;        // 202: bit 22 LitePrint level 2
  DWORD dwUserInterface;  // 206: bit 7 settings information, bit 24 EMF spooling
  BYTE reserved210[46];   // 210
};
static_assert(sizeof(ModelCapabilitiesRecord) == 256);
static_assert(offsetof(ModelCapabilitiesRecord, dwFinishing) == 184);
static_assert(offsetof(ModelCapabilitiesRecord, dwDevice) == 190);
static_assert(offsetof(ModelCapabilitiesRecord, dwPaper) == 194);
static_assert(offsetof(ModelCapabilitiesRecord, dwLayout) == 198);
static_assert(offsetof(ModelCapabilitiesRecord, dwQuality) == 202);
static_assert(offsetof(ModelCapabilitiesRecord, dwUserInterface) == 206);

#pragma pack(pop)
