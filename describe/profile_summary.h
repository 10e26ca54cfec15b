// The summary of a profile's settings that the Profile page shows beside its list: the
// profile's description, its basic settings, the plug-in features it switches on, and every
// other setting in which it differs from the driver's default settings.
#pragma once

#include <windows.h>

#include "store/page_context.h"
#include "describe/summary_rows.h"
#include "abi/profile_records.h"

// Rebuilds the summary of the profile into `rows`, which starts again at row 0. False when the
// profile's DEVMODE cannot be read: the build stops and the rows added so far stay. True when
// the build ran to its end.
bool BuildProfileSummary(ProfilePageContext &page, const ProfileHeader &header,
                         SummaryRowStore &rows);
