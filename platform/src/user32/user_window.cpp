// Creating and destroying windows, the handle table and the relations between windows.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <map>

#include "user_window.h"
#include "winplat/text.h"

namespace {

using winplat::user::Window;
using winplat::user::WindowClass;

// Handles are small even numbers above this base; the desktop takes the first.
constexpr uintptr_t kHandleBase = 0x10000;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

std::map<HWND, std::unique_ptr<Window>> &Windows() {
  static std::map<HWND, std::unique_ptr<Window>> windows;
  return windows;
}

Window &Desktop() {
  static Window desktop = [] {
    Window window;
    window.handle = reinterpret_cast<HWND>(kHandleBase);
    window.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    window.rect = {0, 0, kScreenWidth, kScreenHeight};
    return window;
  }();
  return desktop;
}

HWND NewHandle() {
  static uintptr_t next = kHandleBase;
  next += 4;
  return reinterpret_cast<HWND>(next);
}

// The creation parameters in both text forms: the window procedure gets the one it expects.
struct CreateParams {
  CREATESTRUCTW wide{};
  std::u16string wideName;
  std::u16string wideClass;
  std::string ansiName;
  std::string ansiClass;
};

LRESULT SendCreate(Window &window, UINT msg, CreateParams &params) {
  CREATESTRUCTW &wide = params.wide;
  wide.lpszName = params.wideName.c_str();
  wide.lpszClass = params.wideClass.c_str();
  if (window.unicode)
    return window.proc(window.handle, msg, 0, reinterpret_cast<LPARAM>(&wide));
  CREATESTRUCTA ansi{wide.lpCreateParams,
                     wide.hInstance,
                     wide.hMenu,
                     wide.hwndParent,
                     wide.cy,
                     wide.cx,
                     wide.y,
                     wide.x,
                     wide.style,
                     params.ansiName.c_str(),
                     params.ansiClass.c_str(),
                     wide.dwExStyle};
  return window.proc(window.handle, msg, 0, reinterpret_cast<LPARAM>(&ansi));
}

void Unlink(Window &window) {
  if (window.parent != nullptr && (window.style & WS_CHILD) != 0)
    std::erase(window.parent->children, &window);
}

// WM_DESTROY goes to the window before its children; WM_NCDESTROY to the children first.
// A window's children by handle: a window procedure may destroy some of them meanwhile.
std::vector<HWND> ChildHandles(const Window &window) {
  std::vector<HWND> handles;
  for (const Window *child : window.children)
    handles.push_back(child->handle);
  return handles;
}

// The window behind a handle, including one being destroyed.
Window *Lookup(HWND hwnd) {
  const auto found = Windows().find(hwnd);
  return found != Windows().end() ? found->second.get() : nullptr;
}

void SendDestroy(Window &window) {
  window.destroying = true;
  window.style &= ~WS_VISIBLE;
  winplat::user::Deliver(window, WM_DESTROY, 0, 0, true);
  for (HWND handle : ChildHandles(window)) {
    if (Window *child = Lookup(handle); child != nullptr && !child->destroying)
      SendDestroy(*child);
  }
}

void SendNcDestroy(Window &window) {
  for (HWND handle : ChildHandles(window)) {
    if (Window *child = Lookup(handle))
      SendNcDestroy(*child);
  }
  winplat::user::Deliver(window, WM_NCDESTROY, 0, 0, true);
  winplat::user::ForgetFocus(window.handle);
  winplat::user::ForgetHotKeys(window.handle);
  std::erase_if(winplat::user::Queue(), [&](const MSG &msg) { return msg.hwnd == window.handle; });
  Unlink(window);
  Windows().erase(window.handle);
}

std::vector<HWND> OwnedBy(const Window &owner) {
  std::vector<HWND> owned;
  for (const auto &[handle, window] : Windows()) {
    if ((window->style & WS_CHILD) == 0 && window->parent == &owner)
      owned.push_back(handle);
  }
  return owned;
}

int Clamped(int value, int fallback) {
  return value == CW_USEDEFAULT ? fallback : value;
}

}  // namespace

namespace winplat::user {

Window *Find(HWND hwnd) {
  if (hwnd == Desktop().handle)
    return &Desktop();
  const auto found = Windows().find(hwnd);
  if (found == Windows().end()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return found->second.get();
}

bool ClassInUse(const WindowClass *windowClass) {
  return std::any_of(Windows().begin(), Windows().end(),
                     [&](const auto &entry) { return entry.second->windowClass == windowClass; });
}

POINT ClientOrigin(const Window &window) {
  POINT origin{window.rect.left, window.rect.top};
  const RECT insets = NonClientInsets(window.style, window.exStyle);
  origin.x += insets.left;
  origin.y += insets.top;
  if (window.parent != nullptr && (window.style & WS_CHILD) != 0) {
    const POINT parentOrigin = ClientOrigin(*window.parent);
    origin.x += parentOrigin.x;
    origin.y += parentOrigin.y;
  }
  return origin;
}

LPARAM ClientPosition(const Window &window) {
  const RECT insets = NonClientInsets(window.style, window.exStyle);
  return MAKELONG(window.rect.left + insets.left, window.rect.top + insets.top);
}

RECT NonClientInsets(DWORD style, DWORD exStyle) {
  int edge = 0;
  if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_DLGFRAME) != 0 ||
      (exStyle & WS_EX_DLGMODALFRAME) != 0)
    edge = GetSystemMetrics(SM_CXDLGFRAME);
  else if ((style & WS_BORDER) != 0)
    edge = GetSystemMetrics(SM_CXBORDER);
  if ((exStyle & WS_EX_CLIENTEDGE) != 0)
    edge += 2;
  const int caption = (style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
  return RECT{edge, edge + caption, edge, edge};
}

HWND Create(DWORD exStyle, LPCWSTR className, std::u16string name, std::string ansiName,
            DWORD style, RECT bounds, HWND parentHandle, HMENU menu, HINSTANCE instance,
            LPVOID param) {
  const WindowClass *windowClass = FindClassW(className);
  if (windowClass == nullptr) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window *parent = parentHandle != nullptr ? Find(parentHandle) : nullptr;
  if (parentHandle != nullptr && parent == nullptr)
    return nullptr;
  if ((style & WS_CHILD) != 0 && parent == nullptr) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  auto owned = std::make_unique<Window>();
  Window &window = *owned;
  window.handle = NewHandle();
  window.windowClass = windowClass;
  window.parent = parent == &Desktop() ? nullptr : parent;
  window.proc = windowClass->proc;
  window.unicode = windowClass->unicode;
  window.style = style & ~WS_VISIBLE;
  window.exStyle = exStyle;
  window.instance = instance;
  window.id = (style & WS_CHILD) != 0 ? reinterpret_cast<LONG_PTR>(menu) : 0;
  window.extra.assign(static_cast<size_t>(windowClass->windowExtra), 0);
  const int x = Clamped(bounds.left, 0);
  const int y = Clamped(bounds.top, 0);
  window.rect = {x, y, x + Clamped(bounds.right, kDefaultWidth),
                 y + Clamped(bounds.bottom, kDefaultHeight)};
  Windows().emplace(window.handle, std::move(owned));
  if (window.parent != nullptr && (style & WS_CHILD) != 0)
    window.parent->children.push_back(&window);

  CreateParams params;
  params.wide = CREATESTRUCTW{param,
                              instance,
                              menu,
                              parentHandle,
                              static_cast<int>(window.rect.bottom - window.rect.top),
                              static_cast<int>(window.rect.right - window.rect.left),
                              static_cast<int>(window.rect.top),
                              static_cast<int>(window.rect.left),
                              static_cast<LONG>(style),
                              nullptr,
                              nullptr,
                              exStyle};
  params.wideName = std::move(name);
  params.wideClass = windowClass->name;
  params.ansiName = std::move(ansiName);
  params.ansiClass = MultiByteFromWide(CP_ACP, windowClass->name);
  const HWND handle = window.handle;
  if (SendCreate(window, WM_NCCREATE, params) == FALSE) {
    SendNcDestroy(window);
    return nullptr;
  }
  if (Find(handle) == nullptr)
    return nullptr;
  if (SendCreate(window, WM_CREATE, params) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (Find(handle) == nullptr)
    return nullptr;
  RECT client;
  GetClientRect(handle, &client);
  Send(handle, WM_SIZE, SIZE_RESTORED, MAKELONG(client.right, client.bottom));
  if (const Window *sized = Find(handle))
    Send(handle, WM_MOVE, 0, ClientPosition(*sized));
  if ((style & WS_VISIBLE) != 0 && Find(handle) != nullptr)
    ShowWindow(handle, SW_SHOW);
  return Find(handle) != nullptr ? handle : nullptr;
}

}  // namespace winplat::user

using winplat::user::Find;

extern "C" HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                                       DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                                       HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                                       LPVOID lpParam) {
  std::u16string name = lpWindowName != nullptr ? lpWindowName : u"";
  std::string ansiName = winplat::MultiByteFromWide(CP_ACP, name);
  return winplat::user::Create(dwExStyle, lpClassName, std::move(name), std::move(ansiName),
                               dwStyle, RECT{X, Y, nWidth, nHeight}, hWndParent, hMenu, hInstance,
                               lpParam);
}

extern "C" HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                                       DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                                       HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                                       LPVOID lpParam) {
  std::u16string className;
  LPCWSTR classArgument = reinterpret_cast<LPCWSTR>(lpClassName);
  if (lpClassName != nullptr && !IS_INTRESOURCE(lpClassName)) {
    className = winplat::WideFromMultiByte(CP_ACP, lpClassName);
    classArgument = className.c_str();
  }
  std::string ansiName = lpWindowName != nullptr ? lpWindowName : "";
  std::u16string name = winplat::WideFromMultiByte(CP_ACP, ansiName);
  return winplat::user::Create(dwExStyle, classArgument, std::move(name), std::move(ansiName),
                               dwStyle, RECT{X, Y, nWidth, nHeight}, hWndParent, hMenu, hInstance,
                               lpParam);
}

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window *window = Find(hWnd);
  if (window == nullptr || hWnd == GetDesktopWindow()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (window->destroying)
    return TRUE;
  for (HWND owned : OwnedBy(*window))
    DestroyWindow(owned);
  SendDestroy(*window);
  SendNcDestroy(*window);
  return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND hWnd) {
  return Find(hWnd) != nullptr;
}

extern "C" HWND WINAPI GetDesktopWindow(void) {
  return Desktop().handle;
}

extern "C" HWND WINAPI GetParent(HWND hWnd) {
  const Window *window = Find(hWnd);
  if (window == nullptr || window->parent == nullptr)
    return nullptr;
  if ((window->style & (WS_CHILD | WS_POPUP)) == 0)
    return nullptr;
  return window->parent->handle;
}

extern "C" BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  for (const Window *window = Find(hWnd); window != nullptr && (window->style & WS_CHILD) != 0;
       window = window->parent) {
    if (window->parent != nullptr && window->parent->handle == hWndParent)
      return TRUE;
  }
  return FALSE;
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  const Window *window = Find(hWnd);
  if (window == nullptr)
    return nullptr;
  if (uCmd == GW_CHILD)
    return window->children.empty() ? nullptr : window->children.front()->handle;
  if (uCmd == GW_OWNER)
    return (window->style & WS_CHILD) == 0 && window->parent != nullptr ? window->parent->handle
                                                                        : nullptr;
  if ((window->style & WS_CHILD) == 0 || window->parent == nullptr)
    return nullptr;
  const std::vector<Window *> &siblings = window->parent->children;
  const auto at = std::find(siblings.begin(), siblings.end(), window);
  switch (uCmd) {
    case GW_HWNDFIRST:
      return siblings.front()->handle;
    case GW_HWNDLAST:
      return siblings.back()->handle;
    case GW_HWNDNEXT:
      return at + 1 == siblings.end() ? nullptr : (*(at + 1))->handle;
    case GW_HWNDPREV:
      return at == siblings.begin() ? nullptr : (*(at - 1))->handle;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" int WINAPI GetDlgCtrlID(HWND hWnd) {
  const Window *window = Find(hWnd);
  return window != nullptr && (window->style & WS_CHILD) != 0 ? static_cast<int>(window->id) : 0;
}
