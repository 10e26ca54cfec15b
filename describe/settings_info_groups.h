// The groups of the settings-information tree and how each shows its settings. Where the driver
// fixes a group exactly (paper, image shift, virtual mailboxes, watermark font names) the group
// is written out in code (settings_info_paper_layout.cpp,
// settings_info_mailboxes.cpp, settings_info_plugins.cpp); every other group is a table of
// settings_info_groups.cpp. The choices this dialog makes for them, in one place:
//
// - A node of a label and a value is the label with its colon (EnsureColon), one blank and the
//   value. A group node is its label without a colon (StripInfoColon). A list entry the host
//   does not return gives the label with its colon and no value.
// - On/Off settings show 2701/2702, Yes/No settings 2703/2704, Enabled/Disabled settings
//   561/562. An enumerated value outside its table leaves the node out, unless the table names
//   a text for every other value.
// - The details of a feature (a cover's source, the job storage's options, the custom colour
//   adjustment) are nodes under the feature's own node, shown only while the feature is on; a
//   node with nodes under it is expanded.
// - Fields the driver keeps inside the main block's byte areas are read as the tables say:
//   covers, separators, inserts and interleaves (main 76 to 155) keep their switch in bit 0 of
//   their word and their source and media type as 16-bit codes at the start of their area;
//   paper handling switches are bits 1 to 7 of main 116; the job options, accounting, form and
//   e-mail settings are words at main 156, 240 to 268 and 480; the colour balance area at main
//   616 holds the red, green and blue gamma and the luminance in tenths (616 to 623) and the
//   red, green, blue, white and black points as pairs in thousandths (624 to 643); the custom
//   colour adjustment area holds 16-bit signed values from main 552 and hundredths from 560.
// - Page 1's further options: the print-position node tells whether the print position can be
//   shifted (No in booklet mode); mixed paper sizes, tray switching and mismatch stop only when
//   bit 0 of the model's paper-handling word (model 232) is set; EMF spooling only when bit 24
//   of capabilities word 206 is set.
// - The printer language of a custom print quality is shown as the PDL identifier, for the host
//   has no string for it.
// - Prologue/epilogue and watermark records come from the plug-in's "Temp" printer values only
//   when the dialog was opened from that plug-in's own page (8, 9), which keeps its unsaved
//   edits there, and from the plain values otherwise or when there is no "Temp" value.
// - Virtual mailboxes: a count above the 256 mailboxes the settings can select, or values larger
//   together than count x 98 bytes, list nothing.
// - The print-size zoom is always shown behind the output name, whatever the reading order.
// - The page nodes are inserted in the order 1, 2, 3, 5, 4, 8, 9, 15, 19.
#pragma once

#include "describe/settings_info_rows.h"

// Page 1: paper.
extern const InfoGroup kPaperCopiesGroup;
extern const InfoGroup kOrientationGroup;
extern const InfoGroup kSourceGroup;
extern const InfoGroup kMediaTypeGroup;
extern const InfoGroup kFurtherPaperOptionsGroup;
// Page 2: layout (the image shift group is in code).
extern const InfoGroup kLayoutSwitchesGroup;
extern const InfoGroup kPercentageGroup;
extern const InfoGroup kDuplexGroup;
extern const InfoGroup kBookletGroup;
// Page 3: quality.
extern const InfoGroup kResolutionGroup;
extern const InfoGroup kImageAdjustmentGroup;
extern const InfoGroup kTrueTypeGroup;
extern const InfoGroup kGraphicsGroup;
// Page 4: colour.
extern const InfoGroup kColorModeGroup;
extern const InfoGroup kColorMatchingGroup;
extern const InfoGroup kColorAdjustmentGroup;
extern const InfoGroup kColorReproductionGroup;
// Page 5: output (the job group's condition and its mailboxes are in code).
extern const InfoGroup kOutputBinGroup;
extern const InfoGroup kOutputCopiesGroup;
extern const InfoGroup kFinishingGroup;
extern const InfoGroup kJobGroup;
// Page 15: device options.
extern const InfoGroup kDeviceOptionsGroup;
