// The table-driven groups of the settings-information tree, page by page. Offsets are those of
// the current main block (pdMain), the public DEVMODE and the host's records; the comment after
// a label number is the host's English text.
#include "describe/settings_info_groups.h"

#include <stddef.h>

#include "abi/host_records.h"
#include "abi/resource_ids.h"

namespace {

using F = InfoForm;

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

constexpr InfoChoice kOrientations[] = {{DMORIENT_PORTRAIT, 116}};  // Portrait
constexpr InfoChoice kUnrotated[] = {{0, 116}};                     // Portrait

constexpr InfoRow kPaperCopiesRows[] = {
    Numeral(0, 451, DevModeShort(offsetof(DEVMODEW, dmCopies)), "%d"),  // Copies
};

constexpr InfoRow kOrientationRows[] = {
    Pick(0, 487, DevModeShort(offsetof(DEVMODEW, dmOrientation)), kOrientations, 117),
    Node(0, 118, F::OnOff, MainDword(16, 1u << 2)),  // Rotate 180 Degrees
};

constexpr InfoRow kSourceRows[] = {
    Node(0, 114, F::SourceName, DevModeShort(offsetof(DEVMODEW, dmDefaultSource))),
};

constexpr InfoRow kMediaTypeRows[] = {
    Node(0, 115, F::MediaName, DevModeDword(offsetof(DEVMODEW, dmMediaType))),
};

constexpr InfoChoice kPrintPositionShift[] = {{0, IDS_INFO_YES}};
constexpr InfoCondition kFrontCover = WhenSet(MainDword(76, 0x1));
constexpr InfoCondition kBackCover = WhenSet(MainDword(88, 0x1));
constexpr InfoCondition kSeparators = WhenSet(MainDword(128, 0x1));
constexpr InfoCondition kInterleaves = WhenSet(MainDword(148, 0x1));
constexpr InfoCondition kInserts = WhenSet(MainDword(108, 0x1));
constexpr InfoCondition kMixedPaper = WhenSet(kPaperHandling);

constexpr InfoRow kFurtherPaperOptionRows[] = {
    Pick(0, 473, MainWord(68, 0x1), kPrintPositionShift, IDS_INFO_NO),  // Print Position
    Node(0, 500, F::OnOff, MainDword(76, 0x1)),                         // Front Cover
    Node(1, 501, F::SourceName, MainWord(80), kFrontCover),             // its source
    Node(1, 502, F::MediaName, MainWord(82), kFrontCover),              // its media type
    Node(1, 503, F::OnOff, MainDword(76, 0x2), kFrontCover),            // printed on
    Node(1, 504, F::OnOff, MainDword(76, 0x4), kFrontCover),            // on both sides
    Node(0, 505, F::OnOff, MainDword(88, 0x1)),                         // Back Cover
    Node(1, 506, F::SourceName, MainWord(92), kBackCover),
    Node(1, 507, F::MediaName, MainWord(94), kBackCover),
    Node(1, 508, F::OnOff, MainDword(88, 0x2), kBackCover),
    Node(0, 509, F::OnOff, MainDword(128, 0x1)),  // Separator Pages
    Node(1, 510, F::SourceName, MainWord(132), kSeparators),
    Node(1, 511, F::MediaName, MainWord(134), kSeparators),
    Node(1, 512, F::OnOff, MainDword(128, 0x2), kSeparators),
    Node(0, 513, F::OnOff, MainDword(148, 0x1)),  // Transparency Interleaving
    Node(1, 514, F::SourceName, MainWord(152), kInterleaves),
    Node(0, 517, F::OnOff, MainDword(108, 0x1)),  // Insert Sheets
    Node(1, 518, F::SourceName, MainWord(112), kInserts),
    Node(0, 580, F::OnOff, MainDword(116, 1u << 1), kMixedPaper),  // Mixed Paper Sizes
    Node(0, 581, F::OnOff, MainDword(116, 1u << 2), kMixedPaper),  // Automatic Tray Switching
    Node(0, 582, F::OnOff, MainDword(116, 1u << 3), kMixedPaper),  // Stop on Paper Mismatch
    Node(0, 1767, F::OnOff, MainDword(116, 1u << 4)),              // Long-Edge Feed
    Node(0, 1768, F::OnOff, MainDword(116, 1u << 5)),              // Manual Feed
    Node(0, 1769, F::YesNo, MainDword(116, 1u << 6)),              // Paper Weight
    Node(0, 1770, F::YesNo, MainDword(116, 1u << 7)),              // Paper Color
    Node(0, 1773, F::Enabled, MainDword(16, 1u << 27), WhenSet(kEmfSpooling)),  // EMF Spooling
};

// ---- Page 2: layout ------------------------------------------------------------------------

constexpr InfoRow kLayoutSwitchRows[] = {
    Node(0, 196, F::OnOff, MainWord(500)),  // Pages per Sheet
    Node(0, 197, F::OnOff, MainWord(504)),  // Print Page Borders
    Node(0, 198, F::OnOff, MainWord(508)),  // Reverse Page Order
};

constexpr InfoRow kPercentageRows[] = {
    Numeral(0, 207, MainWord(386), "%d%%"),  // Scaling
};

constexpr InfoChoice kShortEdge[] = {{DMDUP_HORIZONTAL, IDS_INFO_ON}};
constexpr InfoCondition kDuplex = WhenSet(MainWord(64, 0x1));

constexpr InfoRow kDuplexRows[] = {
    Node(0, 208, F::OnOff, MainWord(64, 0x2)),                              // Manual 2-Sided
    Node(0, 199, F::OnOff, MainWord(64, 0x1)),                              // 2-Sided Printing
    Pick(1, 200, MainWord(66, 0x3FFF), kShortEdge, IDS_INFO_OFF, kDuplex),  // Flip on Short Edge
    Node(1, 201, F::OnOff, MainWord(64, 0x4), kDuplex),                     // Binding Margin
    Node(0, 177, F::OnOff, MainWord(64, 0x8)),                              // Skip Blank Pages
};

// Bit 0 of main 68 is the booklet; bits 2 and 3 its binding, 1 for the right side.
constexpr InfoChoice kBookletBindings[] = {{0x1, 203}, {0x5, 204}, {0x9, 203}, {0xD, 203}};

constexpr InfoRow kBookletRows[] = {
    Pick(0, 202, MainWord(68, 0xD), kBookletBindings, IDS_INFO_OFF),  // Booklet
};

// ---- Page 3: quality -----------------------------------------------------------------------

constexpr InfoChoice kQualityTypes[] = {{0, 31}, {1, 32}, {2, 33}};  // Draft, Standard, High
constexpr DWORD kCustomQualityType = 3;

constexpr InfoRow kResolutionRows[] = {
    Pick(0, 39, MainDword(540), kQualityTypes, 34),  // Print Quality, else Custom Quality
    Pick(0, 40, MainDword(540), {}, 398, WhenAtLeast(MainDword(540), kCustomQualityType)),
    Numeral(1, 47, MainDword(536), "%d dpi"),     // Resolution
    Numeral(1, 48, MainWord(676), "%d"),          // Printer Language
    Node(1, 1500, F::Enabled, MainByte(548)),     // Fast Printing
    Node(1, 1501, F::Enabled, MainByte(549)),     // Image Refinement
    Node(0, 49, F::Enabled, MainWord(428, 0x2)),  // Halftone Screen
    Node(0, 22, F::OnOff, MainWord(428, 0x1)),    // Smoothing
    Node(0, 21, F::OnOff, MainByte(550)),         // Toner Save
};

constexpr InfoRow kImageAdjustmentRows[] = {
    Group(0, 28),                          // Image Adjustment
    Numeral(1, 29, MainShort(486), "%d"),  // Brightness
    Numeral(1, 30, MainShort(488), "%d"),  // Contrast
};

constexpr InfoChoice kTrueTypeOptions[] = {{1, 101}, {2, 102}, {3, 103}, {257, 1550}};

constexpr InfoRow kTrueTypeRows[] = {
    Group(0, 800),  // Fonts
    Pick(1, 805, DevModeShort(offsetof(DEVMODEW, dmTTOption)), kTrueTypeOptions),
    Node(1, 806, F::YesNo, MainDword(16, 1u << 5)),  // Use Printer Fonts
};

constexpr InfoChoice kGraphicsModes[] = {{0, 131}};                  // Vector, else Raster
constexpr InfoChoice kLineJoins[] = {{0, 821}, {1, 820}, {2, 822}};  // Round, Miter, Bevel

constexpr InfoRow kGraphicsRows[] = {
    Group(0, 801),                                                           // Graphics
    Pick(1, 130, MainWord(648, 0x3C0), kGraphicsModes, 132),                 // Graphics Mode
    Node(1, 129, F::OnOff, MainWord(648, 1u << 0)),                          // Thin Lines
    Node(1, 833, F::OnOff, MainWord(648, 1u << 10), WhenSet(kColorDevice)),  // Text in Black
    Node(1, 120, F::OnOff, MainWord(648, 1u << 1)),                          // Mirror Image
    Node(1, 121, F::OnOff, MainWord(648, 1u << 2)),                          // White Text
    Group(1, 811),                                                           // Line Width
    Node(2, 812, F::OnOff, MainWord(652, 0x1)),                              // Adjust Line Width
    Node(2, 814, F::LineWidth, MainWord(656)),                               // Minimum
    Node(2, 815, F::LineWidth, MainWord(658)),                               // Increase
    Pick(1, 816, MainWord(652, 0xF0), kLineJoins),                           // Line Join
    Node(1, 817, F::YesNo, MainWord(652, 0x2)),                              // Scale Line Widths
};

// ---- Page 4: colour ------------------------------------------------------------------------

constexpr InfoChoice kColorModes[] = {{0, 140}, {1, 141}, {2, 142}, {3, 398}};

constexpr InfoRow kColorModeRows[] = {
    Pick(0, 700, kColorMode, kColorModes),            // Color Mode
    Node(0, 533, F::OnOff, MainWord(428, 1u << 8)),   // Black Overprint
    Node(0, 534, F::OnOff, MainWord(428, 1u << 9)),   // Pure Black Text
    Node(0, 535, F::OnOff, MainWord(428, 1u << 10)),  // Pure Black Graphics
    Node(0, 536, F::OnOff, MainWord(428, 1u << 11)),  // Composite Black
    Node(0, 537, F::OnOff, MainWord(428, 1u << 12)),  // Toner Limit
};

// Bit 3 of main 412: printer colour matching; bit 1: the system's (ICM); neither: the driver's.
constexpr InfoChoice kColorMatchings[] = {{0x0, 148}, {0x2, 703}, {0x8, 149}, {0xA, 149}};
constexpr InfoChoice kRenderingIntents[] = {{DMICM_SATURATE, 144},
                                            {DMICM_CONTRAST, 145},
                                            {DMICM_COLORIMETRIC, 146},
                                            {DMICM_ABS_COLORIMETRIC, 147}};
constexpr InfoField kMatching = MainDword(412, 0xA);
constexpr InfoCondition kDriverMatching = WhenIs(kMatching, 0x0);

constexpr InfoRow kColorMatchingRows[] = {
    Pick(0, 701, kMatching, kColorMatchings),  // Color Matching
    Pick(1, 702, DevModeDword(offsetof(DEVMODEW, dmICMIntent)), kRenderingIntents),
    Node(1, 704, F::OnOff, MainDword(412, 0x4)),                 // Color Profile
    Node(1, 705, F::OnOff, MainDword(420, 0x1)),                 // Simulation
    Node(1, 294, F::Tenths, MainWord(616), kDriverMatching),     // Gamma
    Node(1, 295, F::PointPair, MainWord(624), kDriverMatching),  // Red Point
    Node(1, 296, F::PointPair, MainWord(628), kDriverMatching),  // Green Point
    Node(1, 297, F::PointPair, MainWord(632), kDriverMatching),  // Blue Point
    Node(1, 298, F::PointPair, MainWord(636), kDriverMatching),  // White Point
    Node(1, 299, F::PointPair, MainWord(640), kDriverMatching),  // Black Point
    Node(1, 311, F::OnOff, MainDword(416, 0x1)),                 // Input Profile
    Node(1, 312, F::OnOff, MainDword(416, 0x2)),                 // Output Profile
    Node(1, 313, F::OnOff, MainDword(416, 0x4)),                 // Simulation Target
    Node(1, 314, F::OnOff, MainDword(416, 0x8)),                 // Paper White
    Group(1, 1607, WhenIs(kMatching, 0x2)),                      // Monitor Profile
    Node(2, 1608, F::PointPair, MainWord(624)),
    Node(2, 1609, F::PointPair, MainWord(628)),
    Node(2, 1610, F::PointPair, MainWord(632)),
    Node(2, 1611, F::PointPair, MainWord(636)),
    Node(2, 1612, F::Tenths, MainWord(616)),
    Node(2, 1613, F::Tenths, MainWord(618)),
    Node(2, 1614, F::Tenths, MainWord(620)),
    Node(2, 1615, F::Tenths, MainWord(622)),
    Group(1, 1616, WhenSet(MainDword(420, 0x1))),  // Simulation Profile
    Node(2, 1617, F::PointPair, MainWord(624)),
    Node(2, 1618, F::PointPair, MainWord(628)),
    Node(2, 1619, F::PointPair, MainWord(632)),
    Node(2, 1620, F::PointPair, MainWord(636)),
    Node(2, 1621, F::Tenths, MainWord(616)),
    Node(2, 1622, F::Tenths, MainWord(618)),
    Node(2, 1623, F::Tenths, MainWord(620)),
    Node(2, 1624, F::OnOff, MainDword(416, 0x8)),
};

constexpr InfoChoice kColorAdjustments[] = {{1, 306}, {2, 307}, {3, 308}};  // Standard...Custom
constexpr InfoCondition kCustom = WhenIs(MainDword(612), kCustomColorAdjustment);

constexpr InfoRow kColorAdjustmentRows[] = {
    Pick(0, 706, MainDword(612), kColorAdjustments),      // Color Adjustment
    Numeral(1, 543, MainShort(552), "%d", kCustom),       // Lightness
    Numeral(1, 544, MainShort(554), "%d", kCustom),       // Saturation
    Numeral(1, 545, MainShort(556), "%d", kCustom),       // Hue
    Numeral(1, 546, MainShort(558), "%d", kCustom),       // Sharpness
    Node(1, 547, F::Hundredths, MainWord(560), kCustom),  // Cyan to Black Density
    Node(1, 548, F::Hundredths, MainWord(562), kCustom),
    Node(1, 549, F::Hundredths, MainWord(564), kCustom),
    Node(1, 550, F::Hundredths, MainWord(566), kCustom),
    Node(1, 551, F::Hundredths, MainWord(568), kCustom),  // Red to Blue Gamma
    Node(1, 552, F::Hundredths, MainWord(570), kCustom),
    Node(1, 553, F::Hundredths, MainWord(572), kCustom),
    Node(1, 554, F::Hundredths, MainWord(574), kCustom),  // Highlights, Midtones, Shadows
    Node(1, 555, F::Hundredths, MainWord(576), kCustom),
    Node(1, 556, F::Hundredths, MainWord(578), kCustom),
    Node(1, 557, F::Hundredths, MainWord(580), kCustom),  // Color Balance
    Node(1, 558, F::Hundredths, MainWord(582), kCustom),  // Gray Balance
    Node(1, 294, F::Hundredths, MainWord(584), kCustom),  // Gamma
    Node(1, 30, F::Hundredths, MainWord(586), kCustom),   // Contrast
};

constexpr InfoChoice kColorReproductions[] = {{0, 1160},  {1, 1161},  {2, 1162}, {3, 1163},
                                              {10, 1164}, {11, 1165}, {12, 1166}};

constexpr InfoRow kColorReproductionRows[] = {
    Pick(0, 1151, MainWord(678), kColorReproductions),  // Color Reproduction
};

// ---- Page 5: output ------------------------------------------------------------------------

constexpr InfoRow kOutputBinRows[] = {
    Node(0, 450, F::BinName, MainWord(404)),  // Output Bin
};

constexpr InfoChoice kOffsetModes[] = {{0, 663}, {1, 664}, {2, 665}, {3, 666}, {4, 667}};
constexpr InfoCondition kStaple = WhenSet(MainWord(430, 0x1));
constexpr InfoCondition kPunch = WhenSet(MainWord(432, 0x1));
constexpr InfoCondition kFold = WhenSet(MainWord(430, 1u << 9));

constexpr InfoRow kFinishingRows[] = {
    Node(0, 191, F::OnOff, DevModeShort(offsetof(DEVMODEW, dmCollate))),  // Collate
    Group(0, 446, WhenSet(kFinishingUnit)),                               // Finishing
    Node(1, 447, F::OnOff, MainWord(430, 0x1)),                           // Staple
    Numeral(2, 453, MainWord(430, 0xE), "%d", kStaple),                   // its position
    Numeral(2, 459, MainWord(430, 0x30), "%d", kStaple),                  // staples
    Node(1, 448, F::OnOff, MainWord(432, 0x1)),                           // Hole Punch
    Numeral(2, 454, MainWord(432, 0xE), "%d", kPunch),                    // its position
    Numeral(2, 460, MainWord(432, 0x70), "%d", kPunch),                   // holes
    Node(1, 449, F::OnOff, MainDword(16, 1u << 10)),                      // Reverse Order
    Node(1, 452, F::OnOff, MainDword(16, 1u << 3)),                       // Offset Stacking
    Node(1, 455, F::OnOff, MainWord(430, 1u << 9)),                       // Fold
    Numeral(2, 457, MainWord(430, 0xC00), "%d", kFold),                   // Fold Type
    Node(1, 456, F::OnOff, MainWord(432, 1u << 15)),                      // Saddle Stitch
    Node(1, 458, F::OnOff, MainWord(432, 1u << 7)),                       // Trim Edges
    Node(1, 461, F::OnOff, MainWord(432, 1u << 8)),                       // Rotate Sets
    Node(1, 462, F::OnOff, MainWord(432, 1u << 9)),                       // Separate Jobs
    Group(0, 479),                                                        // Bin Selection
    Node(1, 2705, F::OnOff, MainWord(402, 0x1)),                          // Switch When Full
    Node(1, 2706, F::OnOff, MainWord(402, 0x2)),                          // Notify When Full
    Pick(0, 661, MainWord(402, 0x70), kOffsetModes),                      // Offset Mode
    Node(0, 1050, F::OnOff, MainDword(16, 1u << 6)),                      // Banner Page
};

// Bit 20 of main 240 turns job storage on; its low 20 bits are the mode.
constexpr InfoChoice kJobStorageModes[] = {{0x100000, 464}, {0x100001, 465}, {0x100002, 467},
                                           {0x100003, 466}, {0x100005, 470}, {0x100006, 471},
                                           {0x100007, 1104}};
constexpr InfoCondition kJobStorage = WhenSet(MainDword(240, 1u << 20));
constexpr InfoCondition kAccounting = WhenSet(MainDword(156, 0x1));
constexpr InfoCondition kStoredForm = WhenSet(MainDword(252, 0x1));
constexpr InfoCondition kMailNotice = WhenSet(MainDword(480, 1u << 16));
constexpr InfoChoice kOverlayPages[] = {{1, 247}, {3, 248}};  // All Pages, First Page Only

constexpr InfoRow kJobRows[] = {
    Pick(0, 463, MainDword(240, 0x1FFFFF), kJobStorageModes, IDS_INFO_OFF),  // Job Storage
    Node(1, 468, F::OnOff, MainDword(244, 0x1), kJobStorage),   // Delete After Printing
    Node(1, 469, F::OnOff, MainDword(244, 0x2), kJobStorage),   // Hold Until Released
    Node(1, 948, F::YesNo, MainDword(244, 0x4), kJobStorage),   // Job Name
    Node(1, 949, F::YesNo, MainDword(244, 0x8), kJobStorage),   // User Name
    Node(1, 499, F::YesNo, MainDword(244, 0x10), kJobStorage),  // PIN
    Group(0, 474, WhenSet(kMailboxUnit)),                   // Virtual Mailbox; the mailboxes follow
    Numeral(1, 475, MainDword(480, 0xFF00), "%d"),          // Mailbox Number
    Node(1, 476, F::OnOff, MainByte(476)),                  // Save to Mailbox
    Node(1, 477, F::OnOff, MainByte(477)),                  // Print from Mailbox
    Node(1, 478, F::YesNo, MainDword(480, 0x1)),            // Mailbox Password
    Node(0, 486, F::OnOff, MainDword(480, 0x2)),            // Auto Rotate
    Pick(0, 487, MainDword(480, 0x4), kUnrotated, 117),     // Orientation
    Node(0, 440, F::OnOff, MainDword(156, 0x1)),            // Job Accounting
    Node(1, 441, F::Text, MainText(160, 16), kAccounting),  // Account Name
    Numeral(1, 442, MainDword(176), "%d", kAccounting),     // Department Code
    Node(1, 443, F::YesNo, MainDword(156, 0x2), kAccounting),        // Account Password
    Node(1, 444, F::OnOff, MainDword(156, 0x4), kAccounting),        // Count Pages by User
    Node(1, 445, F::OnOff, MainDword(156, 0x8), kAccounting),        // Prompt for Account
    Node(0, 251, F::Enabled, MainDword(252, 0x1)),                   // Store Form on Printer
    Numeral(1, 252, MainDword(252, 0xFF00), "%d", kStoredForm),      // Form Number
    Node(1, 253, F::Text, MainText(256, 12), kStoredForm),           // Form Name
    Node(1, 254, F::OnOff, MainDword(252, 0x2), kStoredForm),        // Delete Form After Printing
    Pick(0, 242, MainDword(268, 0x3), kOverlayPages, IDS_INFO_OFF),  // Form Overlay
    Node(0, 985, F::OnOff, MainDword(480, 1u << 16)),                // E-mail Notification
    Node(1, 986, F::YesNo, MainDword(480, 1u << 17), kMailNotice),   // E-mail Address
    Node(1, 987, F::OnOff, MainDword(480, 1u << 18), kMailNotice),   // Notify When Complete
};

// ---- Page 15: device options ---------------------------------------------------------------

constexpr InfoChoice kInputOptions[] = {{1, 91}, {2, 92}};   // Envelope Feeder, Duplex Unit
constexpr InfoChoice kOutputOptions[] = {{1, 93}, {2, 95}};  // Hard Disk, Finisher

constexpr InfoRow kDeviceOptionRows[] = {
    Pick(0, 90, ModelDword(offsetof(ModelInfoRecord, dwInstalledFeeder)), kInputOptions),
    Pick(0, 94, ModelDword(offsetof(ModelInfoRecord, dwInstalledOutput)), kOutputOptions),
    Numeral(0, 96, ModelDword(offsetof(ModelInfoRecord, dwInstalledMemory)), "%d"),
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
