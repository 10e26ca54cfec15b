// What the page's subclassed buttons share: the previous window procedure kept in the button's
// own user data, the A or W functions chosen by platform, and the Tab press they synthesize.
#pragma once

#include <windows.h>

typedef LRESULT(WINAPI *CallPreviousProc)(WNDPROC, HWND, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI *PostMessageProc)(HWND, UINT, WPARAM, LPARAM);

// Puts `procA` or `procW` in place of the button's procedure and keeps the previous one in the
// button's user data. Does nothing without a button.
void SubclassButton(HWND button, bool ansi, WNDPROC procA, WNDPROC procW);

// The procedure SubclassButton replaced, read with the A or W function.
WNDPROC PreviousButtonProc(HWND button, bool ansi);

// A Tab press and release as the keyboard would send it (scan code 0x45, extended key).
void SynthesizeTab();
