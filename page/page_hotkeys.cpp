// Hotkey tables and their registration.
#include "page/page_hotkeys.h"

#include "abi/resource_ids.h"
#include "page/page_language.h"

namespace {

const PageHotkey kGermanHotkeys[PAGE_HOTKEY_COUNT] = {
    {IDC_PROFILE_ADD, 0xC072, 'H'},    {IDC_PROFILE_EDIT, 0xC066, 'B'},
    {IDC_PROFILE_DELETE, 0x004C, 'L'}, {IDC_PROFILE_APPLY, 0xC05A, 'Z'},
    {IDC_PROFILE_IMPORT, 0xC073, 'I'}, {IDC_PROFILE_EXPORT, 0xC069, 'E'},
    {IDC_SETTINGS_INFO, 0xC078, 'N'},
};

const PageHotkey kHotkeys[PAGE_HOTKEY_COUNT] = {
    {IDC_PROFILE_ADD, 0xC065, 'A'},    {IDC_PROFILE_EDIT, 0xC069, 'E'},
    {IDC_PROFILE_DELETE, 0xC068, 'D'}, {IDC_PROFILE_APPLY, 0xC085, 'U'},
    {IDC_PROFILE_IMPORT, 0xC073, 'I'}, {IDC_PROFILE_EXPORT, 0xC088, 'X'},
    {IDC_SETTINGS_INFO, 0xC078, 'N'},
};

}  // namespace

const PageHotkey *PageHotkeyTable(BYTE languageByte) {
  return languageByte == LANG_BYTE_GERMAN ? kGermanHotkeys : kHotkeys;
}

void RegisterPageHotkeys(HWND page, BYTE languageByte) {
  const PageHotkey *table = PageHotkeyTable(languageByte);
  for (int i = 0; i < PAGE_HOTKEY_COUNT; ++i)
    RegisterHotKey(page, table[i].hotkeyId, MOD_ALT, table[i].virtualKey);
}

void UnregisterPageHotkeys(HWND page, BYTE languageByte) {
  const PageHotkey *table = PageHotkeyTable(languageByte);
  for (int i = 0; i < PAGE_HOTKEY_COUNT; ++i)
    UnregisterHotKey(page, table[i].hotkeyId);
}

int PageHotkeyControl(BYTE languageByte, int hotkeyId) {
  const PageHotkey *table = PageHotkeyTable(languageByte);
  for (int i = 0; i < PAGE_HOTKEY_COUNT; ++i)
    if (table[i].hotkeyId == hotkeyId)
      return table[i].controlId;
  return 0;
}
