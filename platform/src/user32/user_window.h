// The window table shared by the USER32 files: classes, windows and their data, the message
// queue and the keyboard focus. Everything runs on the user-interface thread.
#pragma once

#include <winuser.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace winplat::user {

struct WindowClass {
  ATOM atom = 0;
  std::u16string name;  // compared case-insensitively (ASCII), as Windows does
  WNDPROC proc = nullptr;
  bool unicode = true;  // registered through a W function
  UINT style = 0;
  int classExtra = 0;
  int windowExtra = 0;
  HINSTANCE instance = nullptr;
  HBRUSH background = nullptr;
};

struct Window {
  HWND handle = nullptr;
  const WindowClass *windowClass = nullptr;
  Window *parent = nullptr;        // the parent of a child, the owner of a top-level window
  std::vector<Window *> children;  // z-order, top first
  WNDPROC proc = nullptr;
  bool unicode = true;  // the window procedure takes wide text
  DWORD style = 0;
  DWORD exStyle = 0;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<unsigned char> extra;  // cbWndExtra bytes
  std::u16string text;
  RECT rect{};  // in the parent's client coordinates (screen coordinates for top-level windows)
  HFONT font = nullptr;
  bool destroying = false;
  bool needsPaint = true;
  bool needsErase = true;
  std::shared_ptr<void> state;  // a control's or a dialog's own data
};

// The live window behind a handle, or nullptr (and ERROR_INVALID_WINDOW_HANDLE).
Window *Find(HWND hwnd);
const WindowClass *FindClass(std::u16string_view name);
const WindowClass *FindClassW(LPCWSTR nameOrAtom);
bool ClassInUse(const WindowClass *windowClass);
// Registers "Button", "Static", "Edit", "#32770" (dialogs), "ListBox", "ComboBox",
// "SysListView32" and "SysTreeView32" once.
void RegisterSystemClasses();
ATOM RegisterSystemClass(WindowClass windowClass);

// Calls the window procedure with a message written for a wide (or ANSI) caller, converting the
// text of WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH when the procedure expects the other kind.
LRESULT Deliver(Window &window, UINT msg, WPARAM wParam, LPARAM lParam, bool fromUnicode);
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The queue shared by every window.
void Post(const MSG &msg);
std::deque<MSG> &Queue();

// Notifies a control's parent: WM_COMMAND with MAKEWPARAM(id, code) and the control's handle.
void NotifyParent(HWND control, WORD code);

// The frame and caption around the client area of a window with these styles.
RECT NonClientInsets(DWORD style, DWORD exStyle);

// WM_MOVE's lParam: the client area's top-left corner in the parent's client coordinates.
LPARAM ClientPosition(const Window &window);

// CreateWindowEx with the name in both forms; bounds holds x, y, width and height.
HWND Create(DWORD exStyle, LPCWSTR className, std::u16string name, std::string ansiName,
            DWORD style, RECT bounds, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);

// The top-left corner of a window's client area in screen coordinates.
POINT ClientOrigin(const Window &window);

// DefWindowProc's WM_ERASEBKGND (the class brush) and WM_PAINT (validates the window).
LRESULT EraseBackground(Window &window, HDC dc);
LRESULT ValidateByPainting(HWND hwnd);

// Follows the key messages taken from the queue, for GetKeyState and TranslateMessage.
void TrackKeyState(const MSG &msg);

// Drops a window (and its children) from the focus and from hotkeys once it is destroyed.
void ForgetFocus(HWND hwnd);
void ForgetHotKeys(HWND hwnd);

}  // namespace winplat::user
