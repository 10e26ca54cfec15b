// The language rules of the settings-information dialog: which language it speaks, the dialog
// template for it and the code page of its texts on the modern (Windows 2000 and later) and the
// older platforms.
#pragma once

#include <windows.h>

#include "abi/host_records.h"

// The host's language, or the model record's override language when its override byte is set.
WORD InfoLanguage(WORD hostLanguage, const ModelInfoRecord *model);

// The language for the code page: Japanese, Korean, the two Chinese and Hebrew interfaces never
// take the model's override, and their override byte is cleared in the record.
WORD InfoCodePageLanguage(WORD hostLanguage, ModelInfoRecord *model);

// The dialog template of a language.
int InfoTemplate(WORD language, bool modernPlatform);

// The code page of a language. On the older platforms it is the system's ANSI code page
// `systemCodePage` when that is one of the far-eastern, Arabic or Cyrillic ones, else 0.
UINT InfoCodePage(WORD language, bool modernPlatform, UINT systemCodePage);

// Windows 2000 and later (major version 5 or more).
bool IsModernPlatform();
