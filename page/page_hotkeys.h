// The page's keyboard shortcuts: Alt plus a letter for each of its seven buttons, registered on
// the page window while the page is active. German interfaces have letters of their own.
#pragma once

#include <windows.h>

struct PageHotkey {
  int controlId;
  int hotkeyId;
  UINT virtualKey;
};

constexpr int PAGE_HOTKEY_COUNT = 7;

// The table for a language byte, in command order.
const PageHotkey *PageHotkeyTable(BYTE languageByte);

void RegisterPageHotkeys(HWND page, BYTE languageByte);
void UnregisterPageHotkeys(HWND page, BYTE languageByte);

// The control a hotkey ID stands for in the language's table; 0 when it is not one of them.
int PageHotkeyControl(BYTE languageByte, int hotkeyId);
