// The keyboard behaviour of the page's six command buttons (106 to 111): while the focus has
// just arrived a button takes every key; Tab hands the focus on as a fresh key press, Enter
// clicks, and the letters A, D, E, I, U and X move the focus between the buttons or, pressed on
// the button they name, click it.
#pragma once

#include <windows.h>

#include "store/text_policy.h"

// Replaces the button's window procedure by one of the page's form, keeping the previous one in
// the button's user data.
void SubclassCommandButton(HWND button, const TextPolicy &page);

// The button a letter names, 0 for any other key.
int CommandButtonForKey(WPARAM key);

// The module-wide "focus just arrived" flag the procedure answers WM_GETDLGCODE with.
bool CommandButtonWantsAllKeys();
