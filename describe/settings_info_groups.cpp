// The table-driven groups of the settings-information tree, page by page. Offsets are those of
// the current main block (pdMain), the public DEVMODE and the host's records.
#include "describe/settings_info_groups.h"

#include <stddef.h>

#include "abi/host_records.h"
#include "abi/resource_ids.h"
#include "describe/setting_string_ids.h"

namespace {

using F = InfoForm;

enum : UINT {
  IDS_DRAFT = 31,
  IDS_STANDARD_QUALITY = 32,
  IDS_HIGH_QUALITY = 33,
  IDS_QUALITY_MODE = 40,
  IDS_RESOLUTION = 47,
  IDS_PRINTER_LANGUAGE = 48,
  IDS_HALFTONE_SCREEN = 49,
  IDS_INPUT_OPTIONS = 90,
  IDS_ENVELOPE_FEEDER = 91,
  IDS_DUPLEX_UNIT = 92,
  IDS_HARD_DISK = 93,
  IDS_OUTPUT_OPTIONS = 94,
  IDS_FINISHER = 95,
  IDS_PRINTER_MEMORY = 96,
  IDS_SATURATION_GRAPHICS = 144,
  IDS_CONTRAST_PHOTOGRAPHS = 145,
  IDS_COLORIMETRIC_PROOFING = 146,
  IDS_ABSOLUTE_COLORIMETRIC = 147,
  IDS_DRIVER_COLOR_MATCHING = 148,
  IDS_SKIP_BLANK_PAGES = 177,
  IDS_COLLATE = 191,
  IDS_PRINT_PAGE_BORDERS = 197,
  IDS_REVERSE_PAGE_ORDER = 198,
  IDS_FLIP_ON_SHORT_EDGE = 200,
  IDS_BINDING_MARGIN = 201,
  IDS_FORM_OVERLAY = 242,
  IDS_OVERLAY_ON_ALL_PAGES = 247,
  IDS_OVERLAY_ON_FIRST_PAGE_ONLY = 248,
  IDS_STORE_FORM_ON_PRINTER = 251,
  IDS_FORM_NUMBER = 252,
  IDS_FORM_NAME = 253,
  IDS_DELETE_FORM_AFTER_PRINTING = 254,
  IDS_GAMMA = 294,
  IDS_RED_POINT = 295,
  IDS_GREEN_POINT = 296,
  IDS_BLUE_POINT = 297,
  IDS_WHITE_POINT = 298,
  IDS_BLACK_POINT = 299,
  IDS_INPUT_PROFILE = 311,
  IDS_OUTPUT_PROFILE = 312,
  IDS_SIMULATION_TARGET = 313,
  IDS_PAPER_WHITE = 314,
  IDS_JOB_ACCOUNTING = 440,
  IDS_ACCOUNT_NAME = 441,
  IDS_DEPARTMENT_CODE = 442,
  IDS_ACCOUNT_PASSWORD = 443,
  IDS_COUNT_PAGES_BY_USER = 444,
  IDS_PROMPT_FOR_ACCOUNT_WHEN_PRINTING = 445,
  IDS_FINISHING = 446,
  IDS_STAPLE = 447,
  IDS_HOLE_PUNCH = 448,
  IDS_STAPLE_POSITION = 453,
  IDS_PUNCH_POSITION = 454,
  IDS_FOLD_TYPE = 457,
  IDS_TRIM_EDGES = 458,
  IDS_NUMBER_OF_STAPLES = 459,
  IDS_NUMBER_OF_HOLES = 460,
  IDS_ROTATE_COLLATED_SETS = 461,
  IDS_SEPARATE_JOBS = 462,
  IDS_JOB_STORAGE = 463,
  IDS_DELETE_AFTER_PRINTING = 468,
  IDS_HOLD_UNTIL_RELEASED = 469,
  IDS_MAILBOX_NUMBER = 475,
  IDS_SAVE_TO_MAILBOX = 476,
  IDS_PRINT_FROM_MAILBOX = 477,
  IDS_MAILBOX_PASSWORD = 478,
  IDS_BIN_SELECTION = 479,
  IDS_AUTO_ROTATE = 486,
  IDS_PIN = 499,
  IDS_FRONT_COVER_SOURCE = 501,
  IDS_FRONT_COVER_MEDIA_TYPE = 502,
  IDS_PRINT_ON_FRONT_COVER = 503,
  IDS_PRINT_ON_BOTH_SIDES_OF_FRONT_COVER = 504,
  IDS_BACK_COVER_SOURCE = 506,
  IDS_BACK_COVER_MEDIA_TYPE = 507,
  IDS_PRINT_ON_BACK_COVER = 508,
  IDS_SEPARATOR_SOURCE = 510,
  IDS_SEPARATOR_MEDIA_TYPE = 511,
  IDS_PRINT_ON_SEPARATORS = 512,
  IDS_TRANSPARENCY_INTERLEAVING = 513,
  IDS_INTERLEAF_SOURCE = 514,
  IDS_INSERT_SHEETS = 517,
  IDS_INSERT_SHEET_SOURCE = 518,
  IDS_BLACK_OVERPRINT = 533,
  IDS_PURE_BLACK_TEXT = 534,
  IDS_PURE_BLACK_GRAPHICS = 535,
  IDS_COMPOSITE_BLACK = 536,
  IDS_TONER_LIMIT = 537,
  IDS_LIGHTNESS = 543,
  IDS_SATURATION = 544,
  IDS_HUE = 545,
  IDS_SHARPNESS = 546,
  IDS_CYAN_DENSITY = 547,
  IDS_MAGENTA_DENSITY = 548,
  IDS_YELLOW_DENSITY = 549,
  IDS_BLACK_DENSITY = 550,
  IDS_RED_GAMMA = 551,
  IDS_GREEN_GAMMA = 552,
  IDS_BLUE_GAMMA = 553,
  IDS_HIGHLIGHTS = 554,
  IDS_MIDTONES = 555,
  IDS_SHADOWS = 556,
  IDS_COLOR_BALANCE = 557,
  IDS_GRAY_BALANCE = 558,
  IDS_MIXED_PAPER_SIZES = 580,
  IDS_AUTOMATIC_TRAY_SWITCHING = 581,
  IDS_STOP_ON_PAPER_MISMATCH = 582,
  IDS_OFFSET_MODE = 661,
  IDS_OFFSET_NONE = 663,
  IDS_OFFSET_EACH_JOB = 664,
  IDS_OFFSET_EACH_COPY = 665,
  IDS_OFFSET_EACH_SET = 666,
  IDS_OFFSET_EACH_PAGE = 667,
  IDS_RENDERING_INTENT = 702,
  IDS_FONTS = 800,
  IDS_GRAPHICS = 801,
  IDS_FONT_SUBSTITUTION = 805,
  IDS_USE_PRINTER_FONTS = 806,
  IDS_LINE_WIDTH = 811,
  IDS_ADJUST_LINE_WIDTH = 812,
  IDS_MINIMUM_LINE_WIDTH = 814,
  IDS_LINE_WIDTH_INCREASE = 815,
  IDS_LINE_JOIN = 816,
  IDS_SCALE_LINE_WIDTHS = 817,
  IDS_MITER = 820,
  IDS_ROUND = 821,
  IDS_BEVEL = 822,
  IDS_JOB_NAME = 948,
  IDS_USER_NAME = 949,
  IDS_EMAIL_NOTIFICATION = 985,
  IDS_EMAIL_ADDRESS = 986,
  IDS_NOTIFY_WHEN_JOB_IS_COMPLETE = 987,
  IDS_FAST_PRINTING = 1500,
  IDS_IMAGE_REFINEMENT = 1501,
  IDS_MONITOR_PROFILE = 1607,
  IDS_MONITOR_RED_POINT = 1608,
  IDS_MONITOR_GREEN_POINT = 1609,
  IDS_MONITOR_BLUE_POINT = 1610,
  IDS_MONITOR_WHITE_POINT = 1611,
  IDS_MONITOR_GAMMA_RED = 1612,
  IDS_MONITOR_GAMMA_GREEN = 1613,
  IDS_MONITOR_GAMMA_BLUE = 1614,
  IDS_MONITOR_LUMINANCE = 1615,
  IDS_SIMULATION_PROFILE = 1616,
  IDS_SIMULATION_RED_POINT = 1617,
  IDS_SIMULATION_GREEN_POINT = 1618,
  IDS_SIMULATION_BLUE_POINT = 1619,
  IDS_SIMULATION_WHITE_POINT = 1620,
  IDS_SIMULATION_GAMMA_RED = 1621,
  IDS_SIMULATION_GAMMA_GREEN = 1622,
  IDS_SIMULATION_GAMMA_BLUE = 1623,
  IDS_SIMULATE_PAPER_WHITE = 1624,
  IDS_LONG_EDGE_FEED = 1767,
  IDS_MANUAL_FEED = 1768,
  IDS_PAPER_WEIGHT = 1769,
  IDS_PAPER_COLOR = 1770,
  IDS_SWITCH_BINS_WHEN_FULL = 2705,
  IDS_NOTIFY_WHEN_BIN_IS_FULL = 2706,
};

constexpr InfoField kPaperCopies = CapsBit(offsetof(ModelCapabilitiesRecord, dwPaper), 20);
constexpr InfoField kMediaTypes = CapsBit(offsetof(ModelCapabilitiesRecord, dwDevice), 3);
constexpr InfoField kColorDevice = CapsBit(offsetof(ModelCapabilitiesRecord, dwDevice), 0);
constexpr InfoField kEmfSpooling = CapsBit(offsetof(ModelCapabilitiesRecord, dwUserInterface), 24);
constexpr InfoField kMailboxUnit = CapsBit(offsetof(ModelCapabilitiesRecord, dwDevice), 17);
constexpr InfoField kFinishingUnit = {
    InfoSource::Caps, offsetof(ModelCapabilitiesRecord, dwFinishing), 4, 0xFFFFFFFF};
constexpr InfoField kPaperHandling = {InfoSource::Model, offsetof(ModelInfoRecord, wPaperHandling),
                                      2, 0x1};
constexpr InfoField kColorMode = MainWord(408, 0x7);
constexpr DWORD kGrayscale = 2;
constexpr DWORD kCustomColorAdjustment = 3;

// ---- Page 1: paper -------------------------------------------------------------------------

constexpr InfoChoice kOrientations[] = {{DMORIENT_PORTRAIT, IDS_PORTRAIT}};
constexpr InfoChoice kUnrotated[] = {{0, IDS_PORTRAIT}};

constexpr InfoRow kPaperCopiesRows[] = {
    Numeral(0, IDS_COPIES, DevModeShort(offsetof(DEVMODEW, dmCopies)), "%d"),
};

constexpr InfoRow kOrientationRows[] = {
    Pick(0, IDS_ORIENTATION, DevModeShort(offsetof(DEVMODEW, dmOrientation)), kOrientations,
         IDS_LANDSCAPE),
    Node(0, IDS_ROTATE_180_DEGREES, F::OnOff, MainDword(16, 1u << 2)),
};

constexpr InfoRow kSourceRows[] = {
    Node(0, IDS_PAPER_SOURCE, F::SourceName, DevModeShort(offsetof(DEVMODEW, dmDefaultSource))),
};

constexpr InfoRow kMediaTypeRows[] = {
    Node(0, IDS_MEDIA_TYPE, F::MediaName, DevModeDword(offsetof(DEVMODEW, dmMediaType))),
};

constexpr InfoChoice kPrintPositionShift[] = {{0, IDS_INFO_YES}};
constexpr InfoCondition kFrontCover = WhenSet(MainDword(76, 0x1));
constexpr InfoCondition kBackCover = WhenSet(MainDword(88, 0x1));
constexpr InfoCondition kSeparators = WhenSet(MainDword(128, 0x1));
constexpr InfoCondition kInterleaves = WhenSet(MainDword(148, 0x1));
constexpr InfoCondition kInserts = WhenSet(MainDword(108, 0x1));
constexpr InfoCondition kMixedPaper = WhenSet(kPaperHandling);

constexpr InfoRow kFurtherPaperOptionRows[] = {
    Pick(0, IDS_PRINT_POSITION, MainWord(68, 0x1), kPrintPositionShift, IDS_INFO_NO),
    Node(0, IDS_FRONT_COVER, F::OnOff, MainDword(76, 0x1)),
    Node(1, IDS_FRONT_COVER_SOURCE, F::SourceName, MainWord(80), kFrontCover),
    Node(1, IDS_FRONT_COVER_MEDIA_TYPE, F::MediaName, MainWord(82), kFrontCover),
    Node(1, IDS_PRINT_ON_FRONT_COVER, F::OnOff, MainDword(76, 0x2), kFrontCover),
    Node(1, IDS_PRINT_ON_BOTH_SIDES_OF_FRONT_COVER, F::OnOff, MainDword(76, 0x4), kFrontCover),
    Node(0, IDS_BACK_COVER, F::OnOff, MainDword(88, 0x1)),
    Node(1, IDS_BACK_COVER_SOURCE, F::SourceName, MainWord(92), kBackCover),
    Node(1, IDS_BACK_COVER_MEDIA_TYPE, F::MediaName, MainWord(94), kBackCover),
    Node(1, IDS_PRINT_ON_BACK_COVER, F::OnOff, MainDword(88, 0x2), kBackCover),
    Node(0, IDS_SEPARATOR_PAGES, F::OnOff, MainDword(128, 0x1)),
    Node(1, IDS_SEPARATOR_SOURCE, F::SourceName, MainWord(132), kSeparators),
    Node(1, IDS_SEPARATOR_MEDIA_TYPE, F::MediaName, MainWord(134), kSeparators),
    Node(1, IDS_PRINT_ON_SEPARATORS, F::OnOff, MainDword(128, 0x2), kSeparators),
    Node(0, IDS_TRANSPARENCY_INTERLEAVING, F::OnOff, MainDword(148, 0x1)),
    Node(1, IDS_INTERLEAF_SOURCE, F::SourceName, MainWord(152), kInterleaves),
    Node(0, IDS_INSERT_SHEETS, F::OnOff, MainDword(108, 0x1)),
    Node(1, IDS_INSERT_SHEET_SOURCE, F::SourceName, MainWord(112), kInserts),
    Node(0, IDS_MIXED_PAPER_SIZES, F::OnOff, MainDword(116, 1u << 1), kMixedPaper),
    Node(0, IDS_AUTOMATIC_TRAY_SWITCHING, F::OnOff, MainDword(116, 1u << 2), kMixedPaper),
    Node(0, IDS_STOP_ON_PAPER_MISMATCH, F::OnOff, MainDword(116, 1u << 3), kMixedPaper),
    Node(0, IDS_LONG_EDGE_FEED, F::OnOff, MainDword(116, 1u << 4)),
    Node(0, IDS_MANUAL_FEED, F::OnOff, MainDword(116, 1u << 5)),
    Node(0, IDS_PAPER_WEIGHT, F::YesNo, MainDword(116, 1u << 6)),
    Node(0, IDS_PAPER_COLOR, F::YesNo, MainDword(116, 1u << 7)),
    Node(0, IDS_EMF_SPOOLING, F::Enabled, MainDword(16, 1u << 27), WhenSet(kEmfSpooling)),
};

// ---- Page 2: layout ------------------------------------------------------------------------

constexpr InfoRow kLayoutSwitchRows[] = {
    Node(0, IDS_PAGES_PER_SHEET, F::OnOff, MainWord(500)),
    Node(0, IDS_PRINT_PAGE_BORDERS, F::OnOff, MainWord(504)),
    Node(0, IDS_REVERSE_PAGE_ORDER, F::OnOff, MainWord(508)),
};

constexpr InfoRow kPercentageRows[] = {
    Numeral(0, IDS_SCALING, MainWord(386), "%d%%"),
};

constexpr InfoChoice kShortEdge[] = {{DMDUP_HORIZONTAL, IDS_INFO_ON}};
constexpr InfoCondition kDuplex = WhenSet(MainWord(64, 0x1));

constexpr InfoRow kDuplexRows[] = {
    Node(0, IDS_MANUAL_TWO_SIDED_PRINTING, F::OnOff, MainWord(64, 0x2)),
    Node(0, IDS_TWO_SIDED_PRINTING, F::OnOff, MainWord(64, 0x1)),
    Pick(1, IDS_FLIP_ON_SHORT_EDGE, MainWord(66, 0x3FFF), kShortEdge, IDS_INFO_OFF, kDuplex),
    Node(1, IDS_BINDING_MARGIN, F::OnOff, MainWord(64, 0x4), kDuplex),
    Node(0, IDS_SKIP_BLANK_PAGES, F::OnOff, MainWord(64, 0x8)),
};

// Bit 0 of main 68 is the booklet; bits 2 and 3 its binding, 1 for the right side.
constexpr InfoChoice kBookletBindings[] = {{0x1, IDS_LEFT_BINDING},
                                           {0x5, IDS_RIGHT_BINDING},
                                           {0x9, IDS_LEFT_BINDING},
                                           {0xD, IDS_LEFT_BINDING}};

constexpr InfoRow kBookletRows[] = {
    Pick(0, IDS_BOOKLET, MainWord(68, 0xD), kBookletBindings, IDS_INFO_OFF),
};

// ---- Page 3: quality -----------------------------------------------------------------------

constexpr InfoChoice kQualityTypes[] = {
    {0, IDS_DRAFT}, {1, IDS_STANDARD_QUALITY}, {2, IDS_HIGH_QUALITY}};
constexpr DWORD kCustomQualityType = 3;

constexpr InfoRow kResolutionRows[] = {
    Pick(0, IDS_PRINT_QUALITY, MainDword(540), kQualityTypes, IDS_CUSTOM_QUALITY),
    Pick(0, IDS_QUALITY_MODE, MainDword(540), {}, 398,
         WhenAtLeast(MainDword(540), kCustomQualityType)),
    Numeral(1, IDS_RESOLUTION, MainDword(536), "%d dpi"),
    Numeral(1, IDS_PRINTER_LANGUAGE, MainWord(676), "%d"),
    Node(1, IDS_FAST_PRINTING, F::Enabled, MainByte(548)),
    Node(1, IDS_IMAGE_REFINEMENT, F::Enabled, MainByte(549)),
    Node(0, IDS_HALFTONE_SCREEN, F::Enabled, MainWord(428, 0x2)),
    Node(0, IDS_SMOOTHING, F::OnOff, MainWord(428, 0x1)),
    Node(0, IDS_TONER_SAVE, F::OnOff, MainByte(550)),
};

constexpr InfoRow kImageAdjustmentRows[] = {
    Group(0, IDS_IMAGE_ADJUSTMENT),
    Numeral(1, IDS_BRIGHTNESS, MainShort(486), "%d"),
    Numeral(1, IDS_CONTRAST, MainShort(488), "%d"),
};

constexpr InfoChoice kTrueTypeOptions[] = {{1, IDS_PRINT_AS_GRAPHICS},
                                           {2, IDS_DOWNLOAD_AS_SOFT_FONTS},
                                           {3, IDS_SUBSTITUTE_DEVICE_FONTS},
                                           {257, IDS_DOWNLOAD_AS_OUTLINE_FONTS}};

constexpr InfoRow kTrueTypeRows[] = {
    Group(0, IDS_FONTS),
    Pick(1, IDS_FONT_SUBSTITUTION, DevModeShort(offsetof(DEVMODEW, dmTTOption)), kTrueTypeOptions),
    Node(1, IDS_USE_PRINTER_FONTS, F::YesNo, MainDword(16, 1u << 5)),
};

constexpr InfoChoice kGraphicsModes[] = {{0, IDS_VECTOR}};
constexpr InfoChoice kLineJoins[] = {{0, IDS_ROUND}, {1, IDS_MITER}, {2, IDS_BEVEL}};

constexpr InfoRow kGraphicsRows[] = {
    Group(0, IDS_GRAPHICS),
    Pick(1, IDS_GRAPHICS_MODE, MainWord(648, 0x3C0), kGraphicsModes, IDS_RASTER),
    Node(1, IDS_THIN_LINE_ENHANCEMENT, F::OnOff, MainWord(648, 1u << 0)),
    Node(1, IDS_PRINT_ALL_TEXT_IN_BLACK, F::OnOff, MainWord(648, 1u << 10), WhenSet(kColorDevice)),
    Node(1, IDS_MIRROR_IMAGE, F::OnOff, MainWord(648, 1u << 1)),
    Node(1, IDS_PRINT_WHITE_TEXT, F::OnOff, MainWord(648, 1u << 2)),
    Group(1, IDS_LINE_WIDTH),
    Node(2, IDS_ADJUST_LINE_WIDTH, F::OnOff, MainWord(652, 0x1)),
    Node(2, IDS_MINIMUM_LINE_WIDTH, F::LineWidth, MainWord(656)),
    Node(2, IDS_LINE_WIDTH_INCREASE, F::LineWidth, MainWord(658)),
    Pick(1, IDS_LINE_JOIN, MainWord(652, 0xF0), kLineJoins),
    Node(1, IDS_SCALE_LINE_WIDTHS, F::YesNo, MainWord(652, 0x2)),
};

// ---- Page 4: colour ------------------------------------------------------------------------

constexpr InfoChoice kColorModes[] = {{0, IDS_COLOR_MODE_AUTOMATIC},
                                      {1, IDS_FULL_COLOR},
                                      {2, IDS_GRAYSCALE},
                                      {3, IDS_COLOR_MODE_CUSTOM}};

constexpr InfoRow kColorModeRows[] = {
    Pick(0, IDS_COLOR_MODE, kColorMode, kColorModes),
    Node(0, IDS_BLACK_OVERPRINT, F::OnOff, MainWord(428, 1u << 8)),
    Node(0, IDS_PURE_BLACK_TEXT, F::OnOff, MainWord(428, 1u << 9)),
    Node(0, IDS_PURE_BLACK_GRAPHICS, F::OnOff, MainWord(428, 1u << 10)),
    Node(0, IDS_COMPOSITE_BLACK, F::OnOff, MainWord(428, 1u << 11)),
    Node(0, IDS_TONER_LIMIT, F::OnOff, MainWord(428, 1u << 12)),
};

// Bit 3 of main 412: printer colour matching; bit 1: the system's (ICM); neither: the driver's.
constexpr InfoChoice kColorMatchings[] = {{0x0, IDS_DRIVER_COLOR_MATCHING},
                                          {0x2, IDS_SYSTEM_COLOR_MATCHING},
                                          {0x8, IDS_PRINTER_COLOR_MATCHING},
                                          {0xA, IDS_PRINTER_COLOR_MATCHING}};
constexpr InfoChoice kRenderingIntents[] = {{DMICM_SATURATE, IDS_SATURATION_GRAPHICS},
                                            {DMICM_CONTRAST, IDS_CONTRAST_PHOTOGRAPHS},
                                            {DMICM_COLORIMETRIC, IDS_COLORIMETRIC_PROOFING},
                                            {DMICM_ABS_COLORIMETRIC, IDS_ABSOLUTE_COLORIMETRIC}};
constexpr InfoField kMatching = MainDword(412, 0xA);
constexpr InfoCondition kDriverMatching = WhenIs(kMatching, 0x0);

constexpr InfoRow kColorMatchingRows[] = {
    Pick(0, IDS_COLOR_MATCHING, kMatching, kColorMatchings),
    Pick(1, IDS_RENDERING_INTENT, DevModeDword(offsetof(DEVMODEW, dmICMIntent)), kRenderingIntents),
    Node(1, IDS_COLOR_PROFILE, F::OnOff, MainDword(412, 0x4)),
    Node(1, IDS_SIMULATION, F::OnOff, MainDword(420, 0x1)),
    Node(1, IDS_GAMMA, F::Tenths, MainWord(616), kDriverMatching),
    Node(1, IDS_RED_POINT, F::PointPair, MainWord(624), kDriverMatching),
    Node(1, IDS_GREEN_POINT, F::PointPair, MainWord(628), kDriverMatching),
    Node(1, IDS_BLUE_POINT, F::PointPair, MainWord(632), kDriverMatching),
    Node(1, IDS_WHITE_POINT, F::PointPair, MainWord(636), kDriverMatching),
    Node(1, IDS_BLACK_POINT, F::PointPair, MainWord(640), kDriverMatching),
    Node(1, IDS_INPUT_PROFILE, F::OnOff, MainDword(416, 0x1)),
    Node(1, IDS_OUTPUT_PROFILE, F::OnOff, MainDword(416, 0x2)),
    Node(1, IDS_SIMULATION_TARGET, F::OnOff, MainDword(416, 0x4)),
    Node(1, IDS_PAPER_WHITE, F::OnOff, MainDword(416, 0x8)),
    Group(1, IDS_MONITOR_PROFILE, WhenIs(kMatching, 0x2)),
    Node(2, IDS_MONITOR_RED_POINT, F::PointPair, MainWord(624)),
    Node(2, IDS_MONITOR_GREEN_POINT, F::PointPair, MainWord(628)),
    Node(2, IDS_MONITOR_BLUE_POINT, F::PointPair, MainWord(632)),
    Node(2, IDS_MONITOR_WHITE_POINT, F::PointPair, MainWord(636)),
    Node(2, IDS_MONITOR_GAMMA_RED, F::Tenths, MainWord(616)),
    Node(2, IDS_MONITOR_GAMMA_GREEN, F::Tenths, MainWord(618)),
    Node(2, IDS_MONITOR_GAMMA_BLUE, F::Tenths, MainWord(620)),
    Node(2, IDS_MONITOR_LUMINANCE, F::Tenths, MainWord(622)),
    Group(1, IDS_SIMULATION_PROFILE, WhenSet(MainDword(420, 0x1))),
    Node(2, IDS_SIMULATION_RED_POINT, F::PointPair, MainWord(624)),
    Node(2, IDS_SIMULATION_GREEN_POINT, F::PointPair, MainWord(628)),
    Node(2, IDS_SIMULATION_BLUE_POINT, F::PointPair, MainWord(632)),
    Node(2, IDS_SIMULATION_WHITE_POINT, F::PointPair, MainWord(636)),
    Node(2, IDS_SIMULATION_GAMMA_RED, F::Tenths, MainWord(616)),
    Node(2, IDS_SIMULATION_GAMMA_GREEN, F::Tenths, MainWord(618)),
    Node(2, IDS_SIMULATION_GAMMA_BLUE, F::Tenths, MainWord(620)),
    Node(2, IDS_SIMULATE_PAPER_WHITE, F::OnOff, MainDword(416, 0x8)),
};

constexpr InfoChoice kColorAdjustments[] = {{1, IDS_COLOR_ADJUSTMENT_STANDARD},
                                            {2, IDS_COLOR_ADJUSTMENT_VIVID},
                                            {3, IDS_COLOR_ADJUSTMENT_CUSTOM}};
constexpr InfoCondition kCustom = WhenIs(MainDword(612), kCustomColorAdjustment);

constexpr InfoRow kColorAdjustmentRows[] = {
    Pick(0, IDS_COLOR_ADJUSTMENT, MainDword(612), kColorAdjustments),
    Numeral(1, IDS_LIGHTNESS, MainShort(552), "%d", kCustom),
    Numeral(1, IDS_SATURATION, MainShort(554), "%d", kCustom),
    Numeral(1, IDS_HUE, MainShort(556), "%d", kCustom),
    Numeral(1, IDS_SHARPNESS, MainShort(558), "%d", kCustom),
    Node(1, IDS_CYAN_DENSITY, F::Hundredths, MainWord(560), kCustom),
    Node(1, IDS_MAGENTA_DENSITY, F::Hundredths, MainWord(562), kCustom),
    Node(1, IDS_YELLOW_DENSITY, F::Hundredths, MainWord(564), kCustom),
    Node(1, IDS_BLACK_DENSITY, F::Hundredths, MainWord(566), kCustom),
    Node(1, IDS_RED_GAMMA, F::Hundredths, MainWord(568), kCustom),
    Node(1, IDS_GREEN_GAMMA, F::Hundredths, MainWord(570), kCustom),
    Node(1, IDS_BLUE_GAMMA, F::Hundredths, MainWord(572), kCustom),
    Node(1, IDS_HIGHLIGHTS, F::Hundredths, MainWord(574), kCustom),
    Node(1, IDS_MIDTONES, F::Hundredths, MainWord(576), kCustom),
    Node(1, IDS_SHADOWS, F::Hundredths, MainWord(578), kCustom),
    Node(1, IDS_COLOR_BALANCE, F::Hundredths, MainWord(580), kCustom),
    Node(1, IDS_GRAY_BALANCE, F::Hundredths, MainWord(582), kCustom),
    Node(1, IDS_GAMMA, F::Hundredths, MainWord(584), kCustom),
    Node(1, IDS_CONTRAST, F::Hundredths, MainWord(586), kCustom),
};

constexpr InfoChoice kColorReproductions[] = {
    {0, IDS_REPRODUCTION_AUTOMATIC},        {1, IDS_REPRODUCTION_PHOTOGRAPHS},
    {2, IDS_REPRODUCTION_PRESENTATIONS},    {3, IDS_REPRODUCTION_TEXT_AND_GRAPHICS},
    {10, IDS_REPRODUCTION_VIVID},           {11, IDS_REPRODUCTION_NATURAL},
    {12, IDS_REPRODUCTION_MONITOR_MATCHING}};

constexpr InfoRow kColorReproductionRows[] = {
    Pick(0, IDS_COLOR_REPRODUCTION, MainWord(678), kColorReproductions),
};

// ---- Page 5: output ------------------------------------------------------------------------

constexpr InfoRow kOutputBinRows[] = {
    Node(0, IDS_OUTPUT_BIN, F::BinName, MainWord(404)),
};

constexpr InfoChoice kOffsetModes[] = {{0, IDS_OFFSET_NONE},
                                       {1, IDS_OFFSET_EACH_JOB},
                                       {2, IDS_OFFSET_EACH_COPY},
                                       {3, IDS_OFFSET_EACH_SET},
                                       {4, IDS_OFFSET_EACH_PAGE}};
constexpr InfoCondition kStaple = WhenSet(MainWord(430, 0x1));
constexpr InfoCondition kPunch = WhenSet(MainWord(432, 0x1));
constexpr InfoCondition kFold = WhenSet(MainWord(430, 1u << 9));

constexpr InfoRow kFinishingRows[] = {
    Node(0, IDS_COLLATE, F::OnOff, DevModeShort(offsetof(DEVMODEW, dmCollate))),
    Group(0, IDS_FINISHING, WhenSet(kFinishingUnit)),
    Node(1, IDS_STAPLE, F::OnOff, MainWord(430, 0x1)),
    Numeral(2, IDS_STAPLE_POSITION, MainWord(430, 0xE), "%d", kStaple),
    Numeral(2, IDS_NUMBER_OF_STAPLES, MainWord(430, 0x30), "%d", kStaple),
    Node(1, IDS_HOLE_PUNCH, F::OnOff, MainWord(432, 0x1)),
    Numeral(2, IDS_PUNCH_POSITION, MainWord(432, 0xE), "%d", kPunch),
    Numeral(2, IDS_NUMBER_OF_HOLES, MainWord(432, 0x70), "%d", kPunch),
    Node(1, IDS_REVERSE_OUTPUT_ORDER, F::OnOff, MainDword(16, 1u << 10)),
    Node(1, IDS_OFFSET_STACKING, F::OnOff, MainDword(16, 1u << 3)),
    Node(1, IDS_FOLD, F::OnOff, MainWord(430, 1u << 9)),
    Numeral(2, IDS_FOLD_TYPE, MainWord(430, 0xC00), "%d", kFold),
    Node(1, IDS_SADDLE_STITCH, F::OnOff, MainWord(432, 1u << 15)),
    Node(1, IDS_TRIM_EDGES, F::OnOff, MainWord(432, 1u << 7)),
    Node(1, IDS_ROTATE_COLLATED_SETS, F::OnOff, MainWord(432, 1u << 8)),
    Node(1, IDS_SEPARATE_JOBS, F::OnOff, MainWord(432, 1u << 9)),
    Group(0, IDS_BIN_SELECTION),
    Node(1, IDS_SWITCH_BINS_WHEN_FULL, F::OnOff, MainWord(402, 0x1)),
    Node(1, IDS_NOTIFY_WHEN_BIN_IS_FULL, F::OnOff, MainWord(402, 0x2)),
    Pick(0, IDS_OFFSET_MODE, MainWord(402, 0x70), kOffsetModes),
    Node(0, IDS_BANNER_PAGE, F::OnOff, MainDword(16, 1u << 6)),
};

// Bit 20 of main 240 turns job storage on; its low 20 bits are the mode.
constexpr InfoChoice kJobStorageModes[] = {
    {0x100000, IDS_PROOF_AND_HOLD},    {0x100001, IDS_PRIVATE_JOB},
    {0x100002, IDS_QUICK_COPY},        {0x100003, IDS_STORED_JOB},
    {0x100005, IDS_SAVE_TO_HARD_DISK}, {0x100006, IDS_SCHEDULED_PRINT},
    {0x100007, IDS_SECURE_PRINT}};
constexpr InfoCondition kJobStorage = WhenSet(MainDword(240, 1u << 20));
constexpr InfoCondition kAccounting = WhenSet(MainDword(156, 0x1));
constexpr InfoCondition kStoredForm = WhenSet(MainDword(252, 0x1));
constexpr InfoCondition kMailNotice = WhenSet(MainDword(480, 1u << 16));
constexpr InfoChoice kOverlayPages[] = {{1, IDS_OVERLAY_ON_ALL_PAGES},
                                        {3, IDS_OVERLAY_ON_FIRST_PAGE_ONLY}};

constexpr InfoRow kJobRows[] = {
    Pick(0, IDS_JOB_STORAGE, MainDword(240, 0x1FFFFF), kJobStorageModes, IDS_INFO_OFF),
    Node(1, IDS_DELETE_AFTER_PRINTING, F::OnOff, MainDword(244, 0x1), kJobStorage),
    Node(1, IDS_HOLD_UNTIL_RELEASED, F::OnOff, MainDword(244, 0x2), kJobStorage),
    Node(1, IDS_JOB_NAME, F::YesNo, MainDword(244, 0x4), kJobStorage),
    Node(1, IDS_USER_NAME, F::YesNo, MainDword(244, 0x8), kJobStorage),
    Node(1, IDS_PIN, F::YesNo, MainDword(244, 0x10), kJobStorage),
    Group(0, IDS_VIRTUAL_MAILBOX, WhenSet(kMailboxUnit)),  // the mailboxes follow
    Numeral(1, IDS_MAILBOX_NUMBER, MainDword(480, 0xFF00), "%d"),
    Node(1, IDS_SAVE_TO_MAILBOX, F::OnOff, MainByte(476)),
    Node(1, IDS_PRINT_FROM_MAILBOX, F::OnOff, MainByte(477)),
    Node(1, IDS_MAILBOX_PASSWORD, F::YesNo, MainDword(480, 0x1)),
    Node(0, IDS_AUTO_ROTATE, F::OnOff, MainDword(480, 0x2)),
    Pick(0, IDS_ORIENTATION, MainDword(480, 0x4), kUnrotated, IDS_LANDSCAPE),
    Node(0, IDS_JOB_ACCOUNTING, F::OnOff, MainDword(156, 0x1)),
    Node(1, IDS_ACCOUNT_NAME, F::Text, MainText(160, 16), kAccounting),
    Numeral(1, IDS_DEPARTMENT_CODE, MainDword(176), "%d", kAccounting),
    Node(1, IDS_ACCOUNT_PASSWORD, F::YesNo, MainDword(156, 0x2), kAccounting),
    Node(1, IDS_COUNT_PAGES_BY_USER, F::OnOff, MainDword(156, 0x4), kAccounting),
    Node(1, IDS_PROMPT_FOR_ACCOUNT_WHEN_PRINTING, F::OnOff, MainDword(156, 0x8), kAccounting),
    Node(0, IDS_STORE_FORM_ON_PRINTER, F::Enabled, MainDword(252, 0x1)),
    Numeral(1, IDS_FORM_NUMBER, MainDword(252, 0xFF00), "%d", kStoredForm),
    Node(1, IDS_FORM_NAME, F::Text, MainText(256, 12), kStoredForm),
    Node(1, IDS_DELETE_FORM_AFTER_PRINTING, F::OnOff, MainDword(252, 0x2), kStoredForm),
    Pick(0, IDS_FORM_OVERLAY, MainDword(268, 0x3), kOverlayPages, IDS_INFO_OFF),
    Node(0, IDS_EMAIL_NOTIFICATION, F::OnOff, MainDword(480, 1u << 16)),
    Node(1, IDS_EMAIL_ADDRESS, F::YesNo, MainDword(480, 1u << 17), kMailNotice),
    Node(1, IDS_NOTIFY_WHEN_JOB_IS_COMPLETE, F::OnOff, MainDword(480, 1u << 18), kMailNotice),
};

// ---- Page 15: device options ---------------------------------------------------------------

constexpr InfoChoice kInputOptions[] = {{1, IDS_ENVELOPE_FEEDER}, {2, IDS_DUPLEX_UNIT}};
constexpr InfoChoice kOutputOptions[] = {{1, IDS_HARD_DISK}, {2, IDS_FINISHER}};

constexpr InfoRow kDeviceOptionRows[] = {
    Pick(0, IDS_INPUT_OPTIONS, ModelDword(offsetof(ModelInfoRecord, dwInstalledFeeder)),
         kInputOptions),
    Pick(0, IDS_OUTPUT_OPTIONS, ModelDword(offsetof(ModelInfoRecord, dwInstalledOutput)),
         kOutputOptions),
    Numeral(0, IDS_PRINTER_MEMORY, ModelDword(offsetof(ModelInfoRecord, dwInstalledMemory)), "%d"),
};

constexpr InfoCondition kAlways{};

}  // namespace

const InfoGroup kPaperCopiesGroup = {WhenSet(kPaperCopies), kPaperCopiesRows};
const InfoGroup kOrientationGroup = {kAlways, kOrientationRows};
const InfoGroup kSourceGroup = {kAlways, kSourceRows};
const InfoGroup kMediaTypeGroup = {WhenSet(kMediaTypes), kMediaTypeRows};
const InfoGroup kFurtherPaperOptionsGroup = {kAlways, kFurtherPaperOptionRows};

const InfoGroup kLayoutSwitchesGroup = {kAlways, kLayoutSwitchRows};
const InfoGroup kPercentageGroup = {WhenIs(MainWord(500), 1), kPercentageRows};
const InfoGroup kDuplexGroup = {kAlways, kDuplexRows};
const InfoGroup kBookletGroup = {kAlways, kBookletRows};

const InfoGroup kResolutionGroup = {kAlways, kResolutionRows};
const InfoGroup kImageAdjustmentGroup = {kAlways, kImageAdjustmentRows};
const InfoGroup kTrueTypeGroup = {kAlways, kTrueTypeRows};
const InfoGroup kGraphicsGroup = {kAlways, kGraphicsRows};

const InfoGroup kColorModeGroup = {kAlways, kColorModeRows};
const InfoGroup kColorMatchingGroup = {WhenNot(kColorMode, kGrayscale), kColorMatchingRows};
const InfoGroup kColorAdjustmentGroup = {WhenNot(kColorMode, kGrayscale), kColorAdjustmentRows};
const InfoGroup kColorReproductionGroup = {WhenNot(kColorMode, kGrayscale), kColorReproductionRows};

const InfoGroup kOutputBinGroup = {kAlways, kOutputBinRows};
const InfoGroup kOutputCopiesGroup = {WhenClear(kPaperCopies), kPaperCopiesRows};
const InfoGroup kFinishingGroup = {kAlways, kFinishingRows};
const InfoGroup kJobGroup = {kAlways, kJobRows};

const InfoGroup kDeviceOptionsGroup = {kAlways, kDeviceOptionRows};
