// The keyboard behaviour of the page's settings-information button (control 1895): it takes
// every key while the focus has just arrived, clicks on Enter or "N", and hands Tab on as a
// fresh key press so that the focus leaves it.
#pragma once

#include <windows.h>

#include "store/text_policy.h"

// Replaces the button's window procedure by one of the page's form, keeping the previous one in
// the button's user data.
void SubclassSettingsButton(HWND button, const TextPolicy &page);

// The module-wide "focus just arrived" flag the procedure answers WM_GETDLGCODE with.
bool SettingsButtonWantsAllKeys();
void SetSettingsButtonWantsAllKeys(bool wants);
