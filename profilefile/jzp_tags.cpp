// The tag tables of Sections 1 and 2.
#include "profilefile/jzp_tags.h"

#include <stddef.h>

#include <algorithm>

#include "abi/private_blocks.h"

namespace {

using enum JzpFieldKind;
constexpr JzpFieldPlace kPublic = JzpFieldPlace::Public;
constexpr JzpFieldPlace kPrivate = JzpFieldPlace::Private;

#define PUBLIC_FIELD(field) kPublic, offsetof(DEVMODEW, field)
#define PRIVATE_FIELD(field) kPrivate, offsetof(pdMain, field)

constexpr JzpDwordTag kDwordTags[] = {
    {PFDM_SPEC_VERSION, "PFDM_SPEC_VERSION", PUBLIC_FIELD(dmSpecVersion), Word, false},
    {PFDM_DRIVER_VERSION, "PFDM_DRIVER_VERSION", PUBLIC_FIELD(dmDriverVersion), Word, false},
    {PFDM_SIZE, "PFDM_SIZE", PUBLIC_FIELD(dmSize), Word, false},
    {PFDM_DRIVER_EXTRA, "PFDM_DRIVER_EXTRA", PUBLIC_FIELD(dmDriverExtra), Word, false},
    {PFDM_FIELDS, "PFDM_FIELDS", PUBLIC_FIELD(dmFields), Dword, false},
    {PFDM_ORIENTATION, "PFDM_ORIENTATION", PUBLIC_FIELD(dmOrientation), Short, true},
    {PFDM_PAPERSIZE, "PFDM_PAPERSIZE", PUBLIC_FIELD(dmPaperSize), Short, true},
    {PFDM_PAPERLENGTH, "PFDM_PAPERLENGTH", PUBLIC_FIELD(dmPaperLength), Short, true},
    {PFDM_PAPERWIDTH, "PFDM_PAPERWIDTH", PUBLIC_FIELD(dmPaperWidth), Short, true},
    {PFDM_SCALE, "PFDM_SCALE", PUBLIC_FIELD(dmScale), Short, true},
    {PFDM_COPIES, "PFDM_COPIES", PUBLIC_FIELD(dmCopies), Short, true},
    {PFDM_DEFAULTSOURCE, "PFDM_DEFAULTSOURCE", PUBLIC_FIELD(dmDefaultSource), Short, true},
    {PFDM_PRINTQUALITY, "PFDM_PRINTQUALITY", PUBLIC_FIELD(dmPrintQuality), Short, true},
    {PFDM_COLOR, "PFDM_COLOR", PUBLIC_FIELD(dmColor), Short, true},
    {PFDM_DUPLEX, "PFDM_DUPLEX", PUBLIC_FIELD(dmDuplex), Short, true},
    {PFDM_YRESOLUTION, "PFDM_YRESOLUTION", PUBLIC_FIELD(dmYResolution), Short, true},
    {PFDM_TTOPTION, "PFDM_TTOPTION", PUBLIC_FIELD(dmTTOption), Short, true},
    {PFDM_COLLATE, "PFDM_COLLATE", PUBLIC_FIELD(dmCollate), Short, true},
    {PFDM_ICMMETHOD, "PFDM_ICMMETHOD", PUBLIC_FIELD(dmICMMethod), Dword, true},
    {PFDM_ICMINTENT, "PFDM_ICMINTENT", PUBLIC_FIELD(dmICMIntent), Dword, true},
    {PFDM_MEDIATYPE, "PFDM_MEDIATYPE", PUBLIC_FIELD(dmMediaType), Dword, true},
    {PFDM_DITHERTYPE, "PFDM_DITHERTYPE", PUBLIC_FIELD(dmDitherType), Dword, true},
    {PFPD_NOCOPY, "PFPD_NOCOPY", PRIVATE_FIELD(bNoCopy), ByteFlag, true},
    {PFPD_LAYOUTBMPID, "PFPD_LAYOUTBMPID", PRIVATE_FIELD(wLayoutBmpId), Word, true},
    {PFPD_MEDIASOURCEIDX, "PFPD_MEDIASOURCEIDX", PRIVATE_FIELD(wMediaSourceIdx), Word, true},
    {PFPD_MEDIATYPEIDX, "PFPD_MEDIATYPEIDX", PRIVATE_FIELD(wMediaTypeIdx), Word, true},
    {PFPD_MEDIASIZEIDX, "PFPD_MEDIASIZEIDX", PRIVATE_FIELD(wMediaSizeIdx), Word, true},
    {PFPD_SIZEMODE, "PFPD_SIZEMODE", PRIVATE_FIELD(wSizeMode), Word, true},
    {PFPD_OUTBINIDX, "PFPD_OUTBINIDX", PRIVATE_FIELD(wOutBinIdx), Word, true},
    {PFPD_RESIDX, "PFPD_RESIDX", PRIVATE_FIELD(wResIdx), Word, true},
    {PFPD_ISVMBSAVE, "PFPD_ISVMBSAVE", PRIVATE_FIELD(bIsVmbSave), ByteFlag, true},
    {PFPD_ISVMBSELECT, "PFPD_ISVMBSELECT", PRIVATE_FIELD(bIsVmbSelect), ByteFlag, true},
    {PFPD_HALFTONE, "PFPD_HALFTONE", PRIVATE_FIELD(wHalftone), Word, true},
    {PFPD_BRIGHTNESS, "PFPD_BRIGHTNESS", PRIVATE_FIELD(sBrightness), Short, true},
    {PFPD_CONTRAST, "PFPD_CONTRAST", PRIVATE_FIELD(sContrast), Short, true},
    {PFPD_SCALINGMODE, "PFPD_SCALINGMODE", PRIVATE_FIELD(wScalingMode), Word, true},
    {PFPD_PRINTQUARESOLUTION, "PFPD_PRINTQUARESOLUTION", PRIVATE_FIELD(dwPrintQuaResolution), Dword,
     true},
    {PFPD_CUSQUARESOLUTION, "PFPD_CUSQUARESOLUTION", PRIVATE_FIELD(dwCusQuaResolution), Dword,
     true},
    {PFPD_PRINTQUATYPEID, "PFPD_PRINTQUATYPEID", PRIVATE_FIELD(dwPrintQuaTypeId), Dword, true},
    {PFPD_CUSQUAPDL, "PFPD_CUSQUAPDL", PRIVATE_FIELD(dwCusQuaPdl), Dword, true},
    {PFPD_CUSQUAFAST, "PFPD_CUSQUAFAST", PRIVATE_FIELD(bCusQuaFast), ByteFlag, true},
    {PFPD_CUSQUAZIR, "PFPD_CUSQUAZIR", PRIVATE_FIELD(bCusQuaZir), ByteFlag, true},
    {PFPD_CUSQUALTE, "PFPD_CUSQUALTE", PRIVATE_FIELD(bCusQuaLte), ByteFlag, true},
    {PFPD_COLOADJCUSTOMID, "PFPD_COLOADJCUSTOMID", PRIVATE_FIELD(dwColoAdjCustomID), Dword, true},
    {PFPD_GUTTERPOSITION, "PFPD_GUTTERPOSITION", PRIVATE_FIELD(dwGutterPosition), LowBits4, true},
    {PFPD_PDLID, "PFPD_PDLID", PRIVATE_FIELD(wPdlId), Word, true},
    {PFPD_COLORREPRODUCTION, "PFPD_COLORREPRODUCTION", PRIVATE_FIELD(wColorReproduction), Word,
     true},
    {PFPD_EMFSPOOLING, "PFPD_EMFSPOOLING", PRIVATE_FIELD(dwOptions), Bit27, true},
};

constexpr JzpBufferTag kBufferTags[] = {
    {PFDM_FORMNAME, "PFDM_FORMNAME", kPublic, offsetof(DEVMODEW, dmFormName), 64},
    {PFPD_OPTIONS, "PFPD_OPTIONS", kPrivate, 16, 4},
    {PFPD_STAMPAREA, "PFPD_STAMPAREA", kPrivate, 22, 20},
    {PFPD_HEADERFOOTER, "PFPD_HEADERFOOTER", kPrivate, 42, 20},
    {PFPD_DUPLEXOPTIONS, "PFPD_DUPLEXOPTIONS", kPrivate, 64, 4},
    {PFPD_BOOKLET, "PFPD_BOOKLET", kPrivate, 68, 8},
    {PFPD_FRONTCOVER, "PFPD_FRONTCOVER", kPrivate, 76, 12},
    {PFPD_BACKCOVER, "PFPD_BACKCOVER", kPrivate, 88, 20},
    {PFPD_INSERTSHEET, "PFPD_INSERTSHEET", kPrivate, 108, 8},
    {PFPD_MEDIAOPTIONS, "PFPD_MEDIAOPTIONS", kPrivate, 116, 12},
    {PFPD_SEPARATORPAGE, "PFPD_SEPARATORPAGE", kPrivate, 128, 20},
    {PFPD_TRANSPARENCY, "PFPD_TRANSPARENCY", kPrivate, 148, 8},
    {PFPD_STAPLING, "PFPD_STAPLING", kPrivate, 156, 84},
    {PFPD_HOLEPUNCH, "PFPD_HOLEPUNCH", kPrivate, 240, 12},
    {PFPD_FOLD, "PFPD_FOLD", kPrivate, 252, 4},
    {PFPD_MARGINS, "PFPD_MARGINS", kPrivate, 256, 16},
    {PFPD_CUSTOMSIZE, "PFPD_CUSTOMSIZE", kPrivate, 272, 48},
    {PFPD_OUTPUTSIZE, "PFPD_OUTPUTSIZE", kPrivate, 320, 48},
    {PFPD_SCALESIZE, "PFPD_SCALESIZE", kPrivate, 376, 12},
    {PFPD_NUP, "PFPD_NUP", kPrivate, 392, 8},
    {PFPD_PAGEORDER, "PFPD_PAGEORDER", kPrivate, 402, 2},
    {PFPD_COLORMODE, "PFPD_COLORMODE", kPrivate, 408, 2},
    {PFPD_COLORFLAGS, "PFPD_COLORFLAGS", kPrivate, 412, 16},
    {PFPD_QUALITYFLAGS, "PFPD_QUALITYFLAGS", kPrivate, 428, 2},
    {PFPD_FINISHING, "PFPD_FINISHING", kPrivate, 430, 2},
    {PFPD_FINISHING2, "PFPD_FINISHING2", kPrivate, 432, 2},
    {PFPD_JOBOPTIONS, "PFPD_JOBOPTIONS", kPrivate, 436, 8},
    {PFPD_MAILBOXES, "PFPD_MAILBOXES", kPrivate, 444, 32},
    {PFPD_VMBOPTIONS, "PFPD_VMBOPTIONS", kPrivate, 480, 4},
    {PFPD_SCREENING, "PFPD_SCREENING", kPrivate, 492, 4},
    {PFPD_FITTOPAGE, "PFPD_FITTOPAGE", kPrivate, 500, 12},
    {PFPD_GRAPHICS, "PFPD_GRAPHICS", kPrivate, 512, 12},
    {PFPD_QUALITYMODE, "PFPD_QUALITYMODE", kPrivate, 524, 8},
    {PFPD_COLORADJUST, "PFPD_COLORADJUST", kPrivate, 552, 60},
    {PFPD_COLORBALANCE, "PFPD_COLORBALANCE", kPrivate, 616, 32},
    {PFPD_FONTOPTIONS, "PFPD_FONTOPTIONS", kPrivate, 648, 2},
    {PFPD_LINEOPTIONS, "PFPD_LINEOPTIONS", kPrivate, 652, 20},
    {PFPD_GUTTER, "PFPD_GUTTER", kPrivate, 672, 4},
    {PFPD_DEVICEOPTIONS, "PFPD_DEVICEOPTIONS", kPrivate, 680, 144},
    {PFPD_IMAGESHIFTX, "PFPD_IMAGESHIFTX", kPrivate, 824, 8},
    {PFPD_IMAGESHIFTY, "PFPD_IMAGESHIFTY", kPrivate, 832, 8},
};

static_assert(sizeof(DEVMODEW::dmFormName) == 64);

template <typename Entry, size_t N>
constexpr bool AscendingTags(const Entry (&table)[N]) {
  for (size_t i = 1; i < N; ++i)
    if (table[i - 1].tag >= table[i].tag)
      return false;
  return true;
}
static_assert(AscendingTags(kDwordTags));
static_assert(AscendingTags(kBufferTags));

template <typename Entry, size_t N>
const Entry *FindTag(const Entry (&table)[N], DWORD tag) {
  const Entry *found =
      std::lower_bound(std::begin(table), std::end(table), tag,
                       [](const Entry &entry, DWORD wanted) { return entry.tag < wanted; });
  return found != std::end(table) && found->tag == tag ? found : nullptr;
}

}  // namespace

std::span<const JzpDwordTag> JzpDwordTags() {
  return kDwordTags;
}
std::span<const JzpBufferTag> JzpBufferTags() {
  return kBufferTags;
}

const JzpDwordTag *FindJzpDwordTag(DWORD tag) {
  return FindTag(kDwordTags, tag);
}
const JzpBufferTag *FindJzpBufferTag(DWORD tag) {
  return FindTag(kBufferTags, tag);
}

DWORD JzpFieldWidth(JzpFieldKind kind) {
  switch (kind) {
    case Word:
    case Short:
      return 2;
    case ByteFlag:
      return 1;
    case Dword:
    case LowBits4:
    case Bit27:
      break;
  }
  return 4;
}
