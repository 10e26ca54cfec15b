// The virtual mailboxes of the settings information: the mailboxes the current settings select,
// by name and owner, from the printer's mailbox values; or, when the printer's mailbox list has
// changed since the settings were made or is locked, one notice instead.
#pragma once

#include "describe/settings_info_tree.h"

void AddVirtualMailboxes(InfoTree &tree, HTREEITEM parent);
