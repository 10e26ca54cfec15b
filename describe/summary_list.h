// The summary list view of the Profile page: its rows come from a SummaryRowStore, each item's
// parameter pointing at its row and its texts asked for through the display-information
// notification.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "describe/summary_rows.h"

// Empties the list and inserts every row of the store at its end, with LPSTR_TEXTCALLBACK as
// text and the row as item parameter. Returns the number of rows the list accepted.
int FillSummaryList(HWND list, const SummaryRowStore &rows);

// The text of column 0 or 1 of the row an item parameter points at; null for any other column
// and for an item without a row.
LPCSTR SummaryRowText(LPARAM itemParam, int column);
