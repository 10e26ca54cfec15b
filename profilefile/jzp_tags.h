// The item tags of a profile file and the DEVMODE field each one carries. One table per
// section, read alike by the encoder, the decoder and jzpdump. Public offsets are those of
// DEVMODEW; private offsets count from the start of the driver's main private block (pdMain).
#pragma once

#include <windows.h>

#include <span>

enum JzpTag : DWORD {
  PFDM_SPEC_VERSION = 1,
  PFDM_DRIVER_VERSION = 2,
  PFDM_SIZE = 3,
  PFDM_DRIVER_EXTRA = 4,
  PFDM_FIELDS = 5,
  PFDM_ORIENTATION = 6,
  PFDM_PAPERSIZE = 7,
  PFDM_PAPERLENGTH = 8,
  PFDM_PAPERWIDTH = 9,
  PFDM_SCALE = 10,
  PFDM_COPIES = 11,
  PFDM_DEFAULTSOURCE = 12,
  PFDM_PRINTQUALITY = 13,
  PFDM_COLOR = 14,
  PFDM_DUPLEX = 15,
  PFDM_YRESOLUTION = 16,
  PFDM_TTOPTION = 17,
  PFDM_COLLATE = 18,
  PFDM_FORMNAME = 19,
  PFDM_ICMMETHOD = 20,
  PFDM_ICMINTENT = 21,
  PFDM_MEDIATYPE = 22,
  PFDM_DITHERTYPE = 23,
  PFPD_OPTIONS = 31,
  PFPD_NOCOPY = 32,
  PFPD_STAMPAREA = 33,
  PFPD_HEADERFOOTER = 34,
  PFPD_LAYOUTBMPID = 35,
  PFPD_DUPLEXOPTIONS = 36,
  PFPD_BOOKLET = 37,
  PFPD_FRONTCOVER = 38,
  PFPD_BACKCOVER = 39,
  PFPD_INSERTSHEET = 40,
  PFPD_MEDIAOPTIONS = 41,
  PFPD_SEPARATORPAGE = 42,
  PFPD_TRANSPARENCY = 43,
  PFPD_STAPLING = 51,
  PFPD_HOLEPUNCH = 52,
  PFPD_FOLD = 53,
  PFPD_MARGINS = 54,
  PFPD_CUSTOMSIZE = 61,
  PFPD_OUTPUTSIZE = 62,
  PFPD_MEDIASOURCEIDX = 63,
  PFPD_MEDIATYPEIDX = 64,
  PFPD_MEDIASIZEIDX = 65,
  PFPD_SCALESIZE = 66,
  PFPD_NUP = 67,
  PFPD_SIZEMODE = 68,
  PFPD_PAGEORDER = 69,
  PFPD_OUTBINIDX = 70,
  PFPD_RESIDX = 71,
  PFPD_COLORMODE = 72,
  PFPD_COLORFLAGS = 73,
  PFPD_QUALITYFLAGS = 74,
  PFPD_FINISHING = 81,
  PFPD_FINISHING2 = 82,
  PFPD_JOBOPTIONS = 83,
  PFPD_MAILBOXES = 84,
  PFPD_ISVMBSAVE = 85,
  PFPD_ISVMBSELECT = 86,
  PFPD_VMBOPTIONS = 87,
  PFPD_HALFTONE = 88,
  PFPD_BRIGHTNESS = 89,
  PFPD_CONTRAST = 90,
  PFPD_SCREENING = 91,
  PFPD_SCALINGMODE = 92,
  PFPD_FITTOPAGE = 93,
  PFPD_GRAPHICS = 94,
  PFPD_QUALITYMODE = 95,
  PFPD_PRINTQUARESOLUTION = 96,
  PFPD_CUSQUARESOLUTION = 97,
  PFPD_PRINTQUATYPEID = 98,
  PFPD_CUSQUAPDL = 99,
  PFPD_CUSQUAFAST = 100,
  PFPD_CUSQUAZIR = 101,
  PFPD_CUSQUALTE = 102,
  PFPD_COLORADJUST = 103,
  PFPD_COLOADJCUSTOMID = 104,
  PFPD_COLORBALANCE = 105,
  PFPD_GUTTERPOSITION = 106,
  PFPD_FONTOPTIONS = 107,
  PFPD_LINEOPTIONS = 108,
  PFPD_GUTTER = 109,
  PFPD_PDLID = 110,
  PFPD_COLORREPRODUCTION = 111,
  PFPD_DEVICEOPTIONS = 112,
  PFPD_IMAGESHIFTX = 113,
  PFPD_IMAGESHIFTY = 114,
  PFPD_EMFSPOOLING = 115,
  PFPD_PLUGIN = 201,  // one whole plug-in private-data block
};

// How a Section 1 field is compared, extended to 32 bits and read back.
enum class JzpFieldKind {
  Word,      // unsigned 16 bits: zero-extended, low 16 bits read back
  Short,     // signed 16 bits: sign-extended, low 16 bits read back
  Dword,     // 32 bits as they are
  ByteFlag,  // a byte: zero-extended, read back as 1 when non-zero
  LowBits4,  // the low 4 bits of a DWORD; the other bits of the target stay
  Bit27,     // bit 27 of a DWORD as 0 or 1; the other bits of the target stay
};

enum class JzpFieldPlace { Public, Private };

struct JzpDwordTag {
  JzpTag tag;
  const char *name;
  JzpFieldPlace place;
  DWORD offset;  // in DEVMODEW, or from the start of the main private block
  JzpFieldKind kind;
  bool readBack;  // false for the size and version fields: written, never applied
};

struct JzpBufferTag {
  JzpTag tag;
  const char *name;
  JzpFieldPlace place;
  DWORD offset;
  DWORD size;  // the field's width; the form name's is its largest size
};

// Section 1 and Section 2 tables, in ascending tag order. The Section 2 table holds the form
// name and the private ranges; plug-in blocks (PFPD_PLUGIN) are not a field.
std::span<const JzpDwordTag> JzpDwordTags();
std::span<const JzpBufferTag> JzpBufferTags();

const JzpDwordTag *FindJzpDwordTag(DWORD tag);
const JzpBufferTag *FindJzpBufferTag(DWORD tag);

// Bytes the field of a Section 1 tag occupies in the DEVMODE.
DWORD JzpFieldWidth(JzpFieldKind kind);
