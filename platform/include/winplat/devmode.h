// DEVMODEA/DEVMODEW with the exact Windows layout and the DM_* constants.
#pragma once

#include "winplat/types.h"

#define CCHDEVICENAME 32
#define CCHFORMNAME 32
#define DM_SPECVERSION 0x0401

#define DM_ORIENTATION 0x00000001L
#define DM_PAPERSIZE 0x00000002L
#define DM_PAPERLENGTH 0x00000004L
#define DM_PAPERWIDTH 0x00000008L
#define DM_SCALE 0x00000010L
#define DM_COPIES 0x00000100L
#define DM_DEFAULTSOURCE 0x00000200L
#define DM_PRINTQUALITY 0x00000400L
#define DM_COLOR 0x00000800L
#define DM_DUPLEX 0x00001000L
#define DM_YRESOLUTION 0x00002000L
#define DM_TTOPTION 0x00004000L
#define DM_COLLATE 0x00008000L
#define DM_FORMNAME 0x00010000L
#define DM_ICMMETHOD 0x00800000L
#define DM_ICMINTENT 0x01000000L
#define DM_MEDIATYPE 0x02000000L
#define DM_DITHERTYPE 0x04000000L

#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2

#define DMPAPER_LETTER 1
#define DMPAPER_LEGAL 5
#define DMPAPER_EXECUTIVE 7
#define DMPAPER_A3 8
#define DMPAPER_A4 9
#define DMPAPER_A5 11
#define DMPAPER_B4 12
#define DMPAPER_B5 13
#define DMPAPER_FOLIO 14
#define DMPAPER_LEDGER 4
#define DMPAPER_STATEMENT 6
#define DMPAPER_ENV_10 20
#define DMPAPER_ENV_DL 27
#define DMPAPER_ENV_C5 28
#define DMPAPER_ENV_C4 30
#define DMPAPER_ENV_B5 34
#define DMPAPER_ENV_MONARCH 37
#define DMPAPER_JAPANESE_POSTCARD 43
#define DMPAPER_A6 70
#define DMPAPER_JENV_CHOU3 73
#define DMPAPER_A4_ROTATED 77
#define DMPAPER_B6_JIS 88
#define DMPAPER_12X18 90
#define DMPAPER_P16K 93
#define DMPAPER_USER 256

#define DMBIN_UPPER 1
#define DMBIN_ONLYONE 1
#define DMBIN_LOWER 2
#define DMBIN_MIDDLE 3
#define DMBIN_MANUAL 4
#define DMBIN_ENVELOPE 5
#define DMBIN_ENVMANUAL 6
#define DMBIN_AUTO 7
#define DMBIN_TRACTOR 8
#define DMBIN_SMALLFMT 9
#define DMBIN_LARGEFMT 10
#define DMBIN_LARGECAPACITY 11
#define DMBIN_CASSETTE 14
#define DMBIN_FORMSOURCE 15
#define DMBIN_USER 256

#define DMRES_DRAFT (-1)
#define DMRES_LOW (-2)
#define DMRES_MEDIUM (-3)
#define DMRES_HIGH (-4)

#define DMCOLOR_MONOCHROME 1
#define DMCOLOR_COLOR 2
#define DMDUP_SIMPLEX 1
#define DMDUP_VERTICAL 2
#define DMDUP_HORIZONTAL 3
#define DMTT_BITMAP 1
#define DMTT_DOWNLOAD 2
#define DMTT_SUBDEV 3
#define DMTT_DOWNLOAD_OUTLINE 4
#define DMCOLLATE_FALSE 0
#define DMCOLLATE_TRUE 1
#define DMMEDIA_STANDARD 1
#define DMMEDIA_TRANSPARENCY 2
#define DMMEDIA_GLOSSY 3
#define DMMEDIA_USER 256
#define DMICMMETHOD_NONE 1
#define DMICMMETHOD_SYSTEM 2
#define DMICMMETHOD_DRIVER 3
#define DMICMMETHOD_DEVICE 4
#define DMICM_SATURATE 1
#define DMICM_CONTRAST 2
#define DMICM_COLORIMETRIC 3
#define DMICM_ABS_COLORIMETRIC 4
#define DMDITHER_NONE 1
#define DMDITHER_COARSE 2
#define DMDITHER_FINE 3
#define DMDITHER_LINEART 4
#define DMDITHER_ERRORDIFFUSION 5
#define DMDITHER_GRAYSCALE 10

#define DM_UPDATE 1
#define DM_COPY 2
#define DM_PROMPT 4
#define DM_MODIFY 8
#define DM_IN_BUFFER DM_MODIFY
#define DM_IN_PROMPT DM_PROMPT
#define DM_OUT_BUFFER DM_COPY
#define DM_OUT_DEFAULT DM_UPDATE

#define DEVMODE_PRINTER_FIELDS                                                                     \
  union {                                                                                          \
    struct {                                                                                       \
      short dmOrientation;                                                                         \
      short dmPaperSize;                                                                           \
      short dmPaperLength;                                                                         \
      short dmPaperWidth;                                                                          \
      short dmScale;                                                                               \
      short dmCopies;                                                                              \
      short dmDefaultSource;                                                                       \
      short dmPrintQuality;                                                                        \
    };                                                                                             \
    struct {                                                                                       \
      POINTL dmPosition;                                                                           \
      DWORD dmDisplayOrientation;                                                                  \
      DWORD dmDisplayFixedOutput;                                                                  \
    };                                                                                             \
  };                                                                                               \
  short dmColor;                                                                                   \
  short dmDuplex;                                                                                  \
  short dmYResolution;                                                                             \
  short dmTTOption;                                                                                \
  short dmCollate;

#define DEVMODE_DISPLAY_FIELDS                                                                     \
  WORD dmLogPixels;                                                                                \
  DWORD dmBitsPerPel;                                                                              \
  DWORD dmPelsWidth;                                                                               \
  DWORD dmPelsHeight;                                                                              \
  union {                                                                                          \
    DWORD dmDisplayFlags;                                                                          \
    DWORD dmNup;                                                                                   \
  };                                                                                               \
  DWORD dmDisplayFrequency;                                                                        \
  DWORD dmICMMethod;                                                                               \
  DWORD dmICMIntent;                                                                               \
  DWORD dmMediaType;                                                                               \
  DWORD dmDitherType;                                                                              \
  DWORD dmReserved1;                                                                               \
  DWORD dmReserved2;                                                                               \
  DWORD dmPanningWidth;                                                                            \
  DWORD dmPanningHeight;

typedef struct _devicemodeA {
  BYTE dmDeviceName[CCHDEVICENAME];
  WORD dmSpecVersion;
  WORD dmDriverVersion;
  WORD dmSize;
  WORD dmDriverExtra;
  DWORD dmFields;
  DEVMODE_PRINTER_FIELDS
  BYTE dmFormName[CCHFORMNAME];
  DEVMODE_DISPLAY_FIELDS
} DEVMODEA, *PDEVMODEA, *LPDEVMODEA;

typedef struct _devicemodeW {
  WCHAR dmDeviceName[CCHDEVICENAME];
  WORD dmSpecVersion;
  WORD dmDriverVersion;
  WORD dmSize;
  WORD dmDriverExtra;
  DWORD dmFields;
  DEVMODE_PRINTER_FIELDS
  WCHAR dmFormName[CCHFORMNAME];
  DEVMODE_DISPLAY_FIELDS
} DEVMODEW, *PDEVMODEW, *LPDEVMODEW;

#undef DEVMODE_PRINTER_FIELDS
#undef DEVMODE_DISPLAY_FIELDS

static_assert(sizeof(DEVMODEA) == 156, "DEVMODEA layout");
static_assert(sizeof(DEVMODEW) == 220, "DEVMODEW layout");
static_assert(offsetof(DEVMODEW, dmSpecVersion) == 64);
static_assert(offsetof(DEVMODEW, dmDriverVersion) == 66);
static_assert(offsetof(DEVMODEW, dmSize) == 68);
static_assert(offsetof(DEVMODEW, dmDriverExtra) == 70);
static_assert(offsetof(DEVMODEW, dmFields) == 72);
static_assert(offsetof(DEVMODEW, dmOrientation) == 76);
static_assert(offsetof(DEVMODEW, dmPaperSize) == 78);
static_assert(offsetof(DEVMODEW, dmPaperLength) == 80);
static_assert(offsetof(DEVMODEW, dmPaperWidth) == 82);
static_assert(offsetof(DEVMODEW, dmScale) == 84);
static_assert(offsetof(DEVMODEW, dmCopies) == 86);
static_assert(offsetof(DEVMODEW, dmDefaultSource) == 88);
static_assert(offsetof(DEVMODEW, dmPrintQuality) == 90);
static_assert(offsetof(DEVMODEW, dmColor) == 92);
static_assert(offsetof(DEVMODEW, dmDuplex) == 94);
static_assert(offsetof(DEVMODEW, dmYResolution) == 96);
static_assert(offsetof(DEVMODEW, dmTTOption) == 98);
static_assert(offsetof(DEVMODEW, dmCollate) == 100);
static_assert(offsetof(DEVMODEW, dmFormName) == 102);
static_assert(offsetof(DEVMODEW, dmICMMethod) == 188);
static_assert(offsetof(DEVMODEW, dmICMIntent) == 192);
static_assert(offsetof(DEVMODEW, dmMediaType) == 196);
static_assert(offsetof(DEVMODEW, dmDitherType) == 200);
static_assert(offsetof(DEVMODEA, dmFormName) == 70);
