// Keyboard input: keybd_event feeds key messages to the focus window through the queue, hotkeys
// turn matching key presses into WM_HOTKEY, TranslateMessage makes characters of key presses.
#include <winbase.h>

#include <algorithm>
#include <array>
#include <vector>

#include "user_window.h"
#include "winplat/config.h"

namespace {

using winplat::user::Find;

struct HotKey {
  HWND window;
  int id;
  UINT modifiers;
  UINT vk;
};

std::vector<HotKey> hotKeys;

// The keys as keybd_event leaves them (what hotkeys see), and as of the last key message taken
// from the queue (what GetKeyState and TranslateMessage see), as on Windows.
using KeyState = std::array<bool, 256>;
KeyState asyncKeys{};
KeyState queueKeys{};

bool AltDown(const KeyState &keys) {
  return keys[VK_MENU] || keys[VK_LMENU] || keys[VK_RMENU];
}
bool ControlDown(const KeyState &keys) {
  return keys[VK_CONTROL] || keys[VK_LCONTROL] || keys[VK_RCONTROL];
}
bool ShiftDown(const KeyState &keys) {
  return keys[VK_SHIFT] || keys[VK_LSHIFT] || keys[VK_RSHIFT];
}

UINT Modifiers() {
  return (AltDown(asyncKeys) ? MOD_ALT : 0) | (ControlDown(asyncKeys) ? MOD_CONTROL : 0) |
         (ShiftDown(asyncKeys) ? MOD_SHIFT : 0);
}

// A key press that matches a hotkey (its modifiers exactly) posts WM_HOTKEY.
bool PostHotKey(BYTE vk) {
  const UINT modifiers = Modifiers();
  for (const HotKey &hotKey : hotKeys) {
    if (hotKey.vk == vk && (hotKey.modifiers & ~MOD_NOREPEAT) == modifiers) {
      winplat::user::Post(MSG{hotKey.window,
                              WM_HOTKEY,
                              static_cast<WPARAM>(hotKey.id),
                              MAKELONG(modifiers, vk),
                              0,
                              {0, 0}});
      return true;
    }
  }
  return false;
}

// The key message's lParam: repeat count 1, scan code, extended flag, context (Alt) and
// transition bits.
LPARAM KeyData(BYTE scan, DWORD flags, bool up) {
  DWORD data = 1 | (static_cast<DWORD>(scan) << 16);
  if ((flags & KEYEVENTF_EXTENDEDKEY) != 0)
    data |= 1u << 24;
  if (AltDown(asyncKeys))
    data |= 1u << 29;
  if (up)
    data |= (1u << 30) | (1u << 31);
  return static_cast<LPARAM>(data);
}

// The character a key makes on a US keyboard, 0 for none.
WCHAR CharacterOf(WPARAM vk) {
  constexpr char16_t kShiftedDigits[] = u")!@#$%^&*(";
  if (vk >= 'A' && vk <= 'Z') {
    if (ControlDown(queueKeys) && !AltDown(queueKeys))
      return static_cast<WCHAR>(vk - 'A' + 1);
    return static_cast<WCHAR>(ShiftDown(queueKeys) ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9')
    return ShiftDown(queueKeys) ? kShiftedDigits[vk - '0'] : static_cast<WCHAR>(vk);
  switch (vk) {
    case VK_SPACE:
      return u' ';
    case VK_RETURN:
      return u'\r';
    case VK_BACK:
      return 0x08;
    case VK_TAB:
      return u'\t';
    case VK_ESCAPE:
      return 0x1B;
    default:
      return 0;
  }
}

}  // namespace

namespace winplat::user {

void TrackKeyState(const MSG &msg) {
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if ((down || up) && msg.wParam < queueKeys.size())
    queueKeys[msg.wParam] = down;
}

void ForgetHotKeys(HWND hwnd) {
  std::erase_if(hotKeys, [hwnd](const HotKey &hotKey) { return hotKey.window == hwnd; });
}

}  // namespace winplat::user

extern "C" BOOL WINAPI RegisterHotKey(HWND hWnd, int id, UINT fsModifiers, UINT vk) {
  if (hWnd != nullptr && Find(hWnd) == nullptr)
    return FALSE;
  // A keystroke belongs to one hot key. A window and id already registered keep their hot key
  // beside the new one, except on Windows Server 2003, where the new one replaces it.
  const bool taken = std::any_of(hotKeys.begin(), hotKeys.end(), [&](const HotKey &hotKey) {
    return hotKey.vk == vk && ((hotKey.modifiers ^ fsModifiers) & ~MOD_NOREPEAT) == 0;
  });
  if (taken) {
    SetLastError(ERROR_HOTKEY_ALREADY_REGISTERED);
    return FALSE;
  }
  if (winplat::GetWindowsVersion() == winplat::WindowsVersion::Server2003)
    std::erase_if(hotKeys,
                  [&](const HotKey &hotKey) { return hotKey.window == hWnd && hotKey.id == id; });
  hotKeys.push_back(HotKey{hWnd, id, fsModifiers, vk});
  return TRUE;
}

extern "C" BOOL WINAPI UnregisterHotKey(HWND hWnd, int id) {
  const auto erased = std::erase_if(
      hotKeys, [&](const HotKey &hotKey) { return hotKey.window == hWnd && hotKey.id == id; });
  if (erased == 0) {
    SetLastError(ERROR_HOTKEY_NOT_REGISTERED);
    return FALSE;
  }
  return TRUE;
}

extern "C" void WINAPI keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR) {
  const bool up = (dwFlags & KEYEVENTF_KEYUP) != 0;
  const bool system = AltDown(asyncKeys) && !ControlDown(asyncKeys);
  const LPARAM data = KeyData(bScan, dwFlags, up);
  asyncKeys[bVk] = !up;
  if (!up && PostHotKey(bVk))
    return;
  const bool altKey = bVk == VK_MENU || bVk == VK_LMENU || bVk == VK_RMENU;
  const bool systemKey = system || (altKey && !ControlDown(asyncKeys));
  UINT message = up ? WM_KEYUP : WM_KEYDOWN;
  if (systemKey)
    message = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
  winplat::user::Post(MSG{GetFocus(), message, bVk, data, 0, {0, 0}});
}

extern "C" SHORT WINAPI GetKeyState(int nVirtKey) {
  if (nVirtKey < 0 || nVirtKey > 255)
    return 0;
  return queueKeys[static_cast<size_t>(nVirtKey)] ? static_cast<SHORT>(0x8000) : 0;
}

extern "C" BOOL WINAPI TranslateMessage(const MSG *lpMsg) {
  if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
    return FALSE;
  const WCHAR character = CharacterOf(lpMsg->wParam);
  if (character == 0)
    return FALSE;
  const UINT message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  winplat::user::Queue().push_front(
      MSG{lpMsg->hwnd, message, character, lpMsg->lParam, lpMsg->time, lpMsg->pt});
  return TRUE;
}
