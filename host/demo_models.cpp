// The two demo printer models: a colour PostScript laser with finisher and mailboxes, and a
// smaller monochrome PCL laser with fewer paper sizes and at most 300 dpi, whose settings the
// administrator has locked.
#include <cstring>
#include <string_view>

#include "abi/wide.h"
#include "abi/driver_data.h"
#include "abi/private_blocks.h"
#include "host/printer_model.h"
#include "host/text_convert.h"

namespace host {
namespace {

struct PaperDef {
  const char *keyword;
  WORD nameId;
  WORD code;
  WORD width;  // tenths of a millimetre
  WORD length;
};

// Windows has no paper code for 12 x 18 in; the driver family gives it code 90, which Windows
// names DMPAPER_12X11.
constexpr WORD kPaper12x18 = 90;

// Every paper size the driver family knows, with its Windows paper code.
constexpr PaperDef kPapers[] = {
    {"Letter", 9000, DMPAPER_LETTER, 2159, 2794},
    {"Legal", 9001, DMPAPER_LEGAL, 2159, 3556},
    {"Executive", 9002, DMPAPER_EXECUTIVE, 1842, 2667},
    {"Statement", 9003, DMPAPER_STATEMENT, 1397, 2159},
    {"Tabloid", 9004, 3, 2794, 4318},
    {"A3", 9005, DMPAPER_A3, 2970, 4200},
    {"A4", 9006, DMPAPER_A4, 2100, 2970},
    {"A5", 9007, DMPAPER_A5, 1480, 2100},
    {"A6", 9008, DMPAPER_A6, 1050, 1480},
    {"B4", 9009, DMPAPER_B4, 2570, 3640},
    {"B5", 9010, DMPAPER_B5, 1820, 2570},
    {"Folio", 9011, DMPAPER_FOLIO, 2159, 3302},
    {"Env10", 9012, DMPAPER_ENV_10, 1048, 2413},
    {"EnvDL", 9013, DMPAPER_ENV_DL, 1100, 2200},
    {"EnvC5", 9014, DMPAPER_ENV_C5, 1620, 2290},
    {"EnvC4", 9015, DMPAPER_ENV_C4, 2290, 3240},
    {"EnvB5", 9016, DMPAPER_ENV_B5, 1760, 2500},
    {"EnvMonarch", 9017, DMPAPER_ENV_MONARCH, 984, 1905},
    {"Postcard", 9018, DMPAPER_JAPANESE_POSTCARD, 1000, 1480},
    {"B6", 9019, DMPAPER_B6_JIS, 1280, 1820},
    {"12x18", 9020, kPaper12x18, 3048, 4572},
    {"16K", 9021, DMPAPER_P16K, 1460, 2150},
    {"EnvChou3", 9022, DMPAPER_JENV_CHOU3, 1200, 2350},
};

struct FeatureDef {
  const char *keyword;
  WORD nameId;
  WORD code;
  DWORD flags;
};

PaperSizeEntry MakePaper(const PaperDef &def) {
  PaperSizeEntry entry{};
  std::strncpy(entry.szKeyword, def.keyword, sizeof entry.szKeyword - 1);
  entry.wNameId = def.nameId;
  entry.wPaperCode = def.code;
  entry.wWidth = def.width;
  entry.wLength = def.length;
  for (WORD &margin : entry.wMargins)
    margin = 42;  // 4.2 mm unprintable edge
  return entry;
}

std::vector<PaperSizeEntry> PapersByKeyword(std::initializer_list<std::string_view> keywords) {
  std::vector<PaperSizeEntry> papers;
  for (std::string_view keyword : keywords)
    for (const PaperDef &def : kPapers)
      if (keyword == def.keyword)
        papers.push_back(MakePaper(def));
  return papers;
}

std::vector<FeatureEntry> MakeFeatures(std::initializer_list<FeatureDef> defs) {
  std::vector<FeatureEntry> entries;
  for (const FeatureDef &def : defs) {
    FeatureEntry entry{};
    std::strncpy(entry.szKeyword, def.keyword, sizeof entry.szKeyword - 1);
    entry.wNameId = def.nameId;
    entry.wCode = def.code;
    entry.dwFlags = def.flags;
    entries.push_back(entry);
  }
  return entries;
}

PrivateDataBlockHeader BlockHeader(WORD id, WORD version, DWORD size) {
  return PrivateDataBlockHeader{PRIVATE_DATA_SIGNATURE, id, 0, version, 0, size};
}

template <typename Block>
std::vector<BYTE> BlockBytes(const Block &block) {
  const BYTE *bytes = reinterpret_cast<const BYTE *>(&block);
  return std::vector<BYTE>(bytes, bytes + sizeof(Block));
}

std::vector<BYTE> PrologEpilogDefaults() {
  PrologEpilogBlock block{};
  block.header = BlockHeader(PRIVATE_DATA_ID_PROLOGEPILOG, 0x0100, sizeof block);
  return BlockBytes(block);
}

std::vector<BYTE> WatermarkDefaults() {
  WatermarkBlock block{};
  block.header = BlockHeader(PRIVATE_DATA_ID_WATERMARK, 0x0200, sizeof block);
  CopyToField(block.szName, 32, WSTR("CONFIDENTIAL"));
  block.wAngle = 45;
  block.wFontSize = 72;
  block.rgbColor = RGB(192, 192, 192);
  return BlockBytes(block);
}

std::vector<BYTE> OverlayDefaults() {
  OverlayBlock block{};
  block.header = BlockHeader(PRIVATE_DATA_ID_OVERLAY, 0x0100, sizeof block);
  return BlockBytes(block);
}

std::vector<BYTE> ProfileBlockDefaults() {
  PrivateDataBlockHeader header = BlockHeader(PRIVATE_DATA_ID_PROFIL, 256, 16);
  return BlockBytes(header);
}

std::vector<BYTE> PosterDefaults() {
  PosterBlock block{};
  block.header = BlockHeader(PRIVATE_DATA_ID_POSTER, 0x0100, sizeof block);
  block.dwOverlap = 100;
  block.dwLayout = POSTER_LAYOUT_OFF;
  return BlockBytes(block);
}

std::vector<BYTE> SecurityWatermarkDefaults() {
  SecurityWatermarkBlock block{};
  block.header = BlockHeader(PRIVATE_DATA_ID_SECURITYWMARK, 0x0100, sizeof block);
  CopyToField(block.szName, 32, WSTR("COPY PROHIBITED"));
  block.dwPattern = 2;
  return BlockBytes(block);
}

struct MainDefaults {
  WORD paperIndex;
  WORD resolutionIndex;
  DWORD dpi;
  WORD pdl;
  DWORD options;
  DWORD mailboxes;  // the virtual mailboxes the settings select, one bit each
  bool colour;
};

// The colour balance of a colour model's settings: red, green and blue gamma 2.2 and a
// luminance of 80.0 (tenths), then the red, green, blue, white and black points of sRGB
// (thousandths).
constexpr WORD kColorBalance[16] = {22,  22, 22,  800, 640, 330, 300, 600,
                                    150, 60, 313, 329, 0,   0,   0,   0};
constexpr DWORD kStandardColorAdjustment = 1;

std::vector<BYTE> MainBlockDefaults(const MainDefaults &d) {
  pdMain main{};
  main.header = BlockHeader(PRIVATE_DATA_ID_MAIN, 0x0300, sizeof main);
  main.dwOptions = d.options;
  main.wDuplexOptions = 1;
  main.wDuplexValue = DMDUP_SIMPLEX;
  main.wMediaSizeIdx = d.paperIndex;
  main.wScaleSizeIdx = d.paperIndex;
  main.wScaleZoom = 100;
  main.wScalePercent = 100;
  main.dwCustomWidth = 8500;  // thousandths of an inch
  main.dwCustomLength = 11000;
  std::strcpy(main.szCustomName, "Custom");
  main.dwOutputWidth = 8500;
  main.dwOutputLength = 11000;
  std::strcpy(main.szOutputName, "Custom");
  main.wResIdx = d.resolutionIndex;
  main.wHalftone = 1;
  main.dwPrintQuaResolution = d.dpi;
  main.dwCusQuaResolution = d.dpi;
  main.dwPrintQuaTypeId = 1;
  main.dwCusQuaPdl = d.pdl;
  main.wPdlId = d.pdl;
  main.adwMailboxes[0] = d.mailboxes;
  if (d.colour) {
    main.dwColoAdjCustomID = kStandardColorAdjustment;
    std::memcpy(main.abColorBalance, kColorBalance, sizeof kColorBalance);
  }
  main.wLineWidthMin = 1;
  main.wLineWidthMax = 20;
  main.adwSettingsTime[0] = 0x01DB3A00;  // a FILETIME in 2024
  main.adwSettingsTime[1] = 0x4C2B0000;
  return BlockBytes(main);
}

DEVMODEW PublicDefaults(WideStringView deviceName, WORD driverVersion, short paper,
                        const PaperDef &size, short dpi, bool colour) {
  DEVMODEW dm{};
  CopyToField(dm.dmDeviceName, CCHDEVICENAME, deviceName);
  dm.dmSpecVersion = DM_SPECVERSION;
  dm.dmDriverVersion = driverVersion;
  dm.dmSize = sizeof(DEVMODEW);
  dm.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_SCALE |
                DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX |
                DM_YRESOLUTION | DM_TTOPTION | DM_COLLATE | DM_FORMNAME | DM_MEDIATYPE |
                (colour ? DM_ICMMETHOD | DM_ICMINTENT | DM_DITHERTYPE : 0);
  dm.dmOrientation = DMORIENT_PORTRAIT;
  dm.dmPaperSize = paper;
  dm.dmPaperWidth = static_cast<short>(size.width);
  dm.dmPaperLength = static_cast<short>(size.length);
  dm.dmScale = 100;
  dm.dmCopies = 1;
  dm.dmDefaultSource = DMBIN_AUTO;
  dm.dmPrintQuality = dpi;
  dm.dmYResolution = dpi;
  dm.dmColor = colour ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
  dm.dmDuplex = DMDUP_SIMPLEX;
  dm.dmTTOption = DMTT_DOWNLOAD;
  dm.dmCollate = DMCOLLATE_TRUE;
  CopyToField(dm.dmFormName, CCHFORMNAME, Utf16FromUtf8(size.keyword));
  dm.dmMediaType = DMMEDIA_STANDARD;
  if (colour) {
    dm.dmICMMethod = DMICMMETHOD_SYSTEM;
    dm.dmICMIntent = DMICM_CONTRAST;
    dm.dmDitherType = DMDITHER_FINE;
  }
  return dm;
}

template <typename T>
std::vector<BYTE> RecordBytes(const T *records, size_t count) {
  const BYTE *bytes = reinterpret_cast<const BYTE *>(records);
  return std::vector<BYTE>(bytes, bytes + sizeof(T) * count);
}

std::vector<BYTE> DwordBytes(DWORD value) {
  return RecordBytes(&value, 1);
}

#pragma pack(push, 1)
struct CustomPaperSize {  // a "VtCPSData" entry: 48 bytes, sizes in tenths of a millimetre
  char szName[32];
  DWORD dwWidth;
  DWORD dwLength;
  DWORD dwMargins;
  DWORD dwFlags;
};
static_assert(sizeof(CustomPaperSize) == 48);

#pragma pack(pop)

CustomPaperSize CustomSize(const char *name, DWORD width, DWORD length) {
  CustomPaperSize size{};
  std::strncpy(size.szName, name, sizeof size.szName - 1);
  size.dwWidth = width;
  size.dwLength = length;
  return size;
}

WatermarkRecord Watermark(WideStringView name, WideStringView font, WORD angle) {
  WatermarkRecord mark{};
  CopyToField(mark.szName, 32, name);
  CopyToField(mark.szFont, 32, font);
  mark.wAngle = angle;
  mark.wSize = 72;
  mark.rgbColor = RGB(192, 192, 192);
  mark.sX = 50;
  mark.sY = 50;
  return mark;
}

std::vector<PrinterValue> WatermarkValues(std::initializer_list<WatermarkRecord> marks) {
  std::vector<WatermarkRecord> list(marks);
  return {{"VtWMarkCount", REG_DWORD, DwordBytes(static_cast<DWORD>(list.size()))},
          {"VtWMarkData", REG_BINARY, RecordBytes(list.data(), list.size())}};
}

std::vector<PrinterValue> CustomSizeValues(std::initializer_list<CustomPaperSize> sizes) {
  std::vector<CustomPaperSize> list(sizes);
  return {{"VtCPSCount", REG_DWORD, DwordBytes(static_cast<DWORD>(list.size()))},
          {"VtCPSData", REG_BINARY, RecordBytes(list.data(), list.size())}};
}

VirtualMailboxRecord Mailbox(WideStringView name, const char *owner) {
  VirtualMailboxRecord mailbox{};
  CopyToField(mailbox.szName, 32, name);
  std::strncpy(mailbox.szOwner, owner, sizeof mailbox.szOwner - 1);
  return mailbox;
}

// Three mailboxes, the third in the second data value, as the driver splits a list that has
// grown; the list last changed before the factory settings were made.
std::vector<PrinterValue> MailboxValues() {
  const VirtualMailboxRecord first[] = {Mailbox(WSTR("Accounting"), "j.smith"),
                                        Mailbox(WSTR("Design"), "a.tanaka")};
  const VirtualMailboxRecord second[] = {Mailbox(WSTR("Sales"), "m.garcia")};
  const DWORD changed[2] = {0x01DB3A00, 0x4C2A0000};
  return {{VMB_COUNT_VALUE, REG_DWORD, DwordBytes(3)},
          {VMB_DATA_VALUE, REG_BINARY, RecordBytes(first, 2)},
          {VMB_DATA2_VALUE, REG_BINARY, RecordBytes(second, 1)},
          {VMB_TIME_VALUE, REG_BINARY, RecordBytes(changed, 2)}};
}

std::vector<BYTE> FontSubstitutionTable() {
  // Pairs of TrueType face and device font, NUL-separated, ending with an empty pair.
  static const char table[] =
      "Arial\0Helvetica\0Times New Roman\0Times-Roman\0Courier New\0Courier\0\0";
  return std::vector<BYTE>(table, table + sizeof table);
}

void Append(std::vector<PrinterValue> &to, std::vector<PrinterValue> values) {
  to.insert(to.end(), values.begin(), values.end());
}

PrinterModel BuildColorLaser() {
  PrinterModel m;
  m.driverName = WSTR("JZ Color 5300 PS");
  m.driverVersion = 0x0340;
  m.driverFile = WSTR("JZ53PS.DLL");
  m.configFile = WSTR("JZ53UI.DLL");
  m.dataFile = WSTR("JZ53PS.PPD");
  m.helpFile = WSTR("JZ53UI.HLP");
  m.paperSizes.reserve(std::size(kPapers));
  for (const PaperDef &def : kPapers)
    m.paperSizes.push_back(MakePaper(def));
  m.mediaTypes = MakeFeatures({{"Plain", 9100, DMMEDIA_STANDARD, 0},
                               {"Transparency", 9101, DMMEDIA_TRANSPARENCY, 0},
                               {"Glossy", 9102, DMMEDIA_GLOSSY, 0},
                               {"Heavy", 9103, 257, 0},
                               {"Labels", 9104, 258, 0},
                               {"Envelope", 9105, 259, 0},
                               {"Recycled", 9106, 260, 0},
                               {"Thick", 9107, 261, 0}});
  m.paperSources = MakeFeatures({{"Auto", 9200, DMBIN_AUTO, 0},
                                 {"MPTray", 9201, DMBIN_MANUAL, 0},
                                 {"Tray1", 9202, DMBIN_UPPER, 0},
                                 {"Tray2", 9203, DMBIN_LOWER, 0},
                                 {"Tray3", 9204, DMBIN_MIDDLE, 0},
                                 {"EnvFeeder", 9205, DMBIN_ENVELOPE, 0},
                                 {"HCF", 9206, DMBIN_LARGECAPACITY, 0}});
  // The mailboxes are virtual: their jobs leave through the stacker (position 2).
  m.outputBins = MakeFeatures({{"Top", 9300, 1, 0},
                               {"Rear", 9301, 2, 0},
                               {"Stacker", 9302, 3, 0},
                               {"Mailbox1", 9303, 20, MAKELONG(BIN_FLAG_VIRTUAL, 2)},
                               {"Mailbox2", 9304, 21, MAKELONG(BIN_FLAG_VIRTUAL, 2)}});
  m.resolutions = MakeFeatures(
      {{"300dpi", 9401, 300, 0}, {"600dpi", 9402, 600, 0}, {"1200dpi", 9403, 1200, 0}});

  std::strcpy(m.modelEntry.szKeyword, "JZC5300");
  m.modelEntry.wNameId = 9500;
  m.modelEntry.wModelCode = 5300;
  std::strcpy(m.modelEntry.szDeviceName, "JZ Color 5300 PS");
  m.modelEntry.dwCapabilities = 0x1;  // colour device

  m.info.dwSize = sizeof m.info;
  m.info.dwModelCode = 5300;
  m.info.dwOptions = 0x2 | 0x4;  // mailbox unit and finisher installed
  std::strcpy(m.info.szModelKey, "JZC5300");
  m.info.dwInstalledFeeder = 1;
  m.info.dwInstalledOutput = 2;
  m.info.dwInstalledMemory = 3;
  m.info.wPaperHandling = 0x1;  // mixed paper sizes and tray switching
  m.info.wUnit = 0;             // inches

  m.capabilities.dwSize = sizeof m.capabilities;
  m.capabilities.dwFinishing = 0x7;
  m.capabilities.dwDevice = (1u << 0) | (1u << 3) | (1u << 17);
  m.capabilities.dwPaper = 1u << 20;
  m.capabilities.dwLayout = (1u << 0) | (1u << 25);
  m.capabilities.dwQuality = 1u << 22;
  m.capabilities.dwUserInterface = (1u << 7) | (1u << 24);

  m.publicDefaults =
      PublicDefaults(m.driverName, m.driverVersion, DMPAPER_LETTER, kPapers[0], 600, true);
  m.mainDefaults =
      MainBlockDefaults({0, 1, 600, PDL_POSTSCRIPT, PDMAIN_OPT_EMF_SPOOLING, 0x5, true});
  m.pluginDefaults = {PrologEpilogDefaults(), WatermarkDefaults(),         ProfileBlockDefaults(),
                      PosterDefaults(),       SecurityWatermarkDefaults(), OverlayDefaults()};

  Append(m.driverData, CustomSizeValues({CustomSize("Photo 4x6", 1016, 1524),
                                         CustomSize("Banner 8.5x36", 2159, 9144)}));
  Append(m.driverData, WatermarkValues({Watermark(WSTR("CONFIDENTIAL"), WSTR("ARIAL"), 45),
                                        Watermark(WSTR("DRAFT"), WSTR("ARIAL"), 45),
                                        Watermark(WSTR("COPY"), WSTR("Times New Roman"), 0)}));
  m.driverData.push_back({"VtFontSub", REG_BINARY, FontSubstitutionTable()});
  m.driverData.push_back({"VtSecurityWmark", REG_BINARY, std::vector<BYTE>(64, 0x11)});
  PrologEpilogRecord banner{};
  CopyToField(banner.szName, 32, WSTR("Job banner"));
  std::strcpy(banner.szPrologFile, "C:\\JZPS\\BANNER.PS");
  std::strcpy(banner.szEpilogFile, "C:\\JZPS\\TRAILER.PS");
  Append(m.driverData, {{PROLOG_EPILOG_COUNT_VALUE, REG_DWORD, DwordBytes(1)},
                        {PROLOG_EPILOG_DATA_VALUE, REG_BINARY, RecordBytes(&banner, 1)}});
  Append(m.driverData, MailboxValues());
  m.driverData.push_back(
      {"Setup", REG_BINARY, std::vector<BYTE>{0x53, 0x01, 0x02, 0x03, 0x00, 0x02, 0x00, 0x01}});
  return m;
}

PrinterModel BuildMonoLaser() {
  PrinterModel m;
  m.driverName = WSTR("JZ Mono 2100");
  m.driverVersion = 0x0210;
  m.driverFile = WSTR("JZ21PCL.DLL");
  m.configFile = WSTR("JZ21UI.DLL");
  m.dataFile = WSTR("JZ21PCL.GPD");
  m.helpFile = WSTR("JZ21UI.HLP");
  m.paperSizes = PapersByKeyword(
      {"A4", "Letter", "Legal", "Executive", "A5", "B5", "Env10", "EnvDL", "EnvC5", "EnvMonarch"});
  m.mediaTypes = MakeFeatures({{"Plain", 9100, DMMEDIA_STANDARD, 0},
                               {"Transparency", 9101, DMMEDIA_TRANSPARENCY, 0},
                               {"Heavy", 9103, 257, 0},
                               {"Labels", 9104, 258, 0},
                               {"Envelope", 9105, 259, 0}});
  m.paperSources = MakeFeatures({{"Auto", 9200, DMBIN_AUTO, 0},
                                 {"MPTray", 9201, DMBIN_MANUAL, 0},
                                 {"Tray1", 9202, DMBIN_UPPER, 0},
                                 {"Tray2", 9203, DMBIN_LOWER, 0}});
  m.outputBins = MakeFeatures({{"Top", 9300, 1, 0}, {"Rear", 9301, 2, 0}});
  m.resolutions = MakeFeatures({{"150dpi", 9400, 150, 0}, {"300dpi", 9401, 300, 0}});

  std::strcpy(m.modelEntry.szKeyword, "JZM2100");
  m.modelEntry.wNameId = 9501;
  m.modelEntry.wModelCode = 2100;
  std::strcpy(m.modelEntry.szDeviceName, "JZ Mono 2100");

  m.info.dwSize = sizeof m.info;
  m.info.dwModelCode = 2100;
  std::strcpy(m.info.szModelKey, "JZM2100");
  m.info.bRestriction = 4;  // settings locked by the administrator
  m.info.wUnit = 1;         // millimetres

  m.capabilities.dwSize = sizeof m.capabilities;
  m.capabilities.dwDevice = 1u << 3;
  m.capabilities.dwLayout = 1u << 0;
  m.capabilities.dwUserInterface = 1u << 7;

  m.publicDefaults =
      PublicDefaults(m.driverName, m.driverVersion, DMPAPER_A4, kPapers[6], 300, false);
  m.mainDefaults = MainBlockDefaults({0, 1, 300, PDL_PCLXL, 0, 0, false});
  m.pluginDefaults = {WatermarkDefaults(), ProfileBlockDefaults(), SecurityWatermarkDefaults()};

  Append(m.driverData, CustomSizeValues({CustomSize("Index Card 5x8", 1270, 2032)}));
  Append(m.driverData, WatermarkValues({Watermark(WSTR("CONFIDENTIAL"), WSTR("ARIAL"), 45),
                                        Watermark(WSTR("SAMPLE"), WSTR("ARIAL"), 30)}));
  m.driverData.push_back({"VtFontSub", REG_BINARY, FontSubstitutionTable()});
  m.driverData.push_back({"Setup", REG_BINARY, std::vector<BYTE>{0x21, 0x00, 0x01, 0x00}});
  return m;
}

}  // namespace

const PrinterModel &ColorLaserModel() {
  static const PrinterModel model = BuildColorLaser();
  return model;
}

const PrinterModel &MonoLaserModel() {
  static const PrinterModel model = BuildMonoLaser();
  return model;
}

}  // namespace host
