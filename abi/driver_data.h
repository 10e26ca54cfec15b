// The driver's own data that the settings information reads besides the DEVMODE: the printer
// values of its plug-ins and of the virtual mailboxes with their record layouts, the version ini
// file and help files in the host's help directory, and the file name under which the
// prologue/epilogue plug-in registers. The driver's demo models write them and the module reads
// them by these names and layouts.
#pragma once

#include <windows.h>

#include <cstddef>

// Virtual mailboxes: a count, the records (split over two values when one does not hold them
// all) and the time the mailbox list last changed (two 32-bit words, compared high word first).
constexpr char VMB_COUNT_VALUE[] = "VtVMBCount";
constexpr char VMB_DATA_VALUE[] = "VtVMBData";
constexpr char VMB_DATA2_VALUE[] = "VtVMBData2";
constexpr char VMB_TIME_VALUE[] = "VtVMBTime";

// Watermarks and prologue/epilogue entries: a count and the records. The plug-in's own page
// keeps its unsaved edits under the "Temp" names.
constexpr char WATERMARK_COUNT_VALUE[] = "VtWMarkCount";
constexpr char WATERMARK_DATA_VALUE[] = "VtWMarkData";
constexpr char WATERMARK_TEMP_DATA_VALUE[] = "TempVtWMarkData";
constexpr char PROLOG_EPILOG_COUNT_VALUE[] = "VtPrologEpilogCount";
constexpr char PROLOG_EPILOG_DATA_VALUE[] = "VtPrologEpilogData";
constexpr char PROLOG_EPILOG_TEMP_DATA_VALUE[] = "TempVtPrologEpilogData";

// The driver's version ini file in the help directory: a nonzero "IsPreRelease" marks a
// pre-release build.
constexpr char DRIVER_VERSION_INI[] = "DrvVer.ini";
constexpr char DRIVER_VERSION_SECTION[] = "Version Number";
constexpr char DRIVER_PRE_RELEASE_KEY[] = "IsPreRelease";

// The driver's help files in the help directory, English and Japanese.
constexpr char DRIVER_HELP_ENGLISH[] = "DRVHLPEN.HLP";
constexpr char DRIVER_HELP_JAPANESE[] = "DRVHLPJP.HLP";

// The file of the prologue/epilogue plug-in as its registration entry names it.
constexpr char PROLOG_EPILOG_MODULE[] = "PEPMOD32.dll";

#pragma pack(push, 1)

// One virtual mailbox of "VtVMBData" (and "VtVMBData2").
struct VirtualMailboxRecord {
  WCHAR szName[32];  // 0
  char szOwner[34];  // 64
};
static_assert(sizeof(VirtualMailboxRecord) == 98);
static_assert(offsetof(VirtualMailboxRecord, szOwner) == 64);

// One watermark of "VtWMarkData".
struct WatermarkRecord {
  WCHAR szName[32];   // 0
  WCHAR szFont[32];   // 64: face name
  WORD wAngle;        // 128
  WORD wSize;         // 130: points
  COLORREF rgbColor;  // 132
  short sX;           // 136: position across, percent of the page
  short sY;           // 138: position down
  BYTE reserved[4];   // 140
};
static_assert(sizeof(WatermarkRecord) == 144);
static_assert(offsetof(WatermarkRecord, szFont) == 64);
static_assert(offsetof(WatermarkRecord, sX) == 136);

// One entry of "VtPrologEpilogData".
struct PrologEpilogRecord {
  WCHAR szName[32];        // 0
  char szPrologFile[118];  // 64
  char szEpilogFile[118];  // 182
};
static_assert(sizeof(PrologEpilogRecord) == 300);
static_assert(offsetof(PrologEpilogRecord, szPrologFile) == 64);
static_assert(offsetof(PrologEpilogRecord, szEpilogFile) == 182);

#pragma pack(pop)
