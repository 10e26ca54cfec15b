// Sending messages (with ANSI/wide text conversion), the default window procedure and the queue.
#include <winbase.h>
#include <winnls.h>

#include <algorithm>
#include <cstring>

#include "controls_listbox.h"
#include "user_window.h"
#include "winplat/text.h"

namespace {

using winplat::user::Find;
using winplat::user::Window;

bool quitPending = false;
int quitCode = 0;

LRESULT CopyText(std::u16string_view text, WPARAM capacity, LPWSTR buffer) {
  if (capacity == 0 || buffer == nullptr)
    return 0;
  const size_t count = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = u'\0';
  return static_cast<LRESULT>(count);
}

LRESULT CopyText(std::string_view text, WPARAM capacity, LPSTR buffer) {
  if (capacity == 0 || buffer == nullptr)
    return 0;
  const size_t count = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), count, buffer);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

// The full text of a window procedure that takes the other kind of text than its caller.
std::u16string WideTextOf(Window &window, WNDPROC proc) {
  const LRESULT length = proc(window.handle, WM_GETTEXTLENGTH, 0, 0);
  std::string ansi(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  const LRESULT copied =
      proc(window.handle, WM_GETTEXT, ansi.size(), reinterpret_cast<LPARAM>(ansi.data()));
  ansi.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  return winplat::WideFromMultiByte(CP_ACP, ansi);
}

std::string AnsiTextOf(Window &window, WNDPROC proc) {
  const LRESULT length = proc(window.handle, WM_GETTEXTLENGTH, 0, 0);
  std::u16string wide(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, u'\0');
  const LRESULT copied =
      proc(window.handle, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  return winplat::MultiByteFromWide(CP_ACP, wide);
}

// A wide caller's message to an ANSI procedure.
LRESULT WideToAnsi(Window &window, WNDPROC proc, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT:
    case EM_REPLACESEL: {
      if (lParam == 0)
        return proc(window.handle, msg, wParam, 0);
      const std::string text =
          winplat::MultiByteFromWide(CP_ACP, reinterpret_cast<LPCWSTR>(lParam));
      return proc(window.handle, msg, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT:
      return CopyText(WideTextOf(window, proc), wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(WideTextOf(window, proc).size());
    default:
      return proc(window.handle, msg, wParam, lParam);
  }
}

// An ANSI caller's message to a wide procedure.
LRESULT AnsiToWide(Window &window, WNDPROC proc, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT:
    case EM_REPLACESEL: {
      if (lParam == 0)
        return proc(window.handle, msg, wParam, 0);
      const std::u16string text =
          winplat::WideFromMultiByte(CP_ACP, reinterpret_cast<LPCSTR>(lParam));
      return proc(window.handle, msg, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT:
      return CopyText(AnsiTextOf(window, proc), wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(AnsiTextOf(window, proc).size());
    default: {
      LRESULT result = 0;
      if (winplat::controls::ListTextFromAnsi(window, msg, wParam, lParam, result))
        return result;
      return proc(window.handle, msg, wParam, lParam);
    }
  }
}

bool Matches(const MSG &msg, HWND hwnd, UINT first, UINT last) {
  if (hwnd != nullptr && msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd))
    return false;
  if (first == 0 && last == 0)
    return true;
  return msg.message >= first && msg.message <= last;
}

BOOL Peek(LPMSG lpMsg, HWND hWnd, UINT first, UINT last, UINT remove) {
  std::deque<MSG> &queue = winplat::user::Queue();
  const auto found = std::find_if(queue.begin(), queue.end(),
                                  [&](const MSG &msg) { return Matches(msg, hWnd, first, last); });
  if (found != queue.end()) {
    *lpMsg = *found;
    if ((remove & PM_REMOVE) != 0) {
      queue.erase(found);
      winplat::user::TrackKeyState(*lpMsg);
    }
    return TRUE;
  }
  if (quitPending) {
    *lpMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0, 0, {0, 0}};
    if ((remove & PM_REMOVE) != 0)
      quitPending = false;
    return TRUE;
  }
  return FALSE;
}

BOOL Get(LPMSG lpMsg, HWND hWnd, UINT first, UINT last) {
  if (lpMsg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (Peek(lpMsg, hWnd, first, last, PM_REMOVE))
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
  *lpMsg = MSG{nullptr, WM_QUIT, 0, 0, 0, {0, 0}};
  SetLastError(ERROR_NO_MORE_ITEMS);
  return FALSE;
}

LRESULT Dispatch(const MSG *lpMsg, bool unicode) {
  if (lpMsg == nullptr || lpMsg->hwnd == nullptr)
    return 0;
  Window *window = Find(lpMsg->hwnd);
  if (window == nullptr)
    return 0;
  return winplat::user::Deliver(*window, lpMsg->message, lpMsg->wParam, lpMsg->lParam, unicode);
}

DWORD Now() {
  static DWORD ticks = 0;
  return ++ticks;
}

}  // namespace

namespace winplat::user {

LRESULT Deliver(Window &window, UINT msg, WPARAM wParam, LPARAM lParam, bool fromUnicode) {
  WNDPROC proc = window.proc;
  if (fromUnicode == window.unicode)
    return proc(window.handle, msg, wParam, lParam);
  return fromUnicode ? WideToAnsi(window, proc, msg, wParam, lParam)
                     : AnsiToWide(window, proc, msg, wParam, lParam);
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(hwnd, msg, wParam, lParam);
}

std::deque<MSG> &Queue() {
  static std::deque<MSG> queue;
  return queue;
}

void Post(const MSG &msg) {
  MSG queued = msg;
  queued.time = Now();
  Queue().push_back(queued);
}

void NotifyParent(HWND control, WORD code) {
  const HWND parent = GetParent(control);
  if (parent != nullptr)
    SendMessageW(parent, WM_COMMAND, MAKELONG(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace winplat::user

extern "C" LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window *window = Find(hWnd);
  return window != nullptr ? winplat::user::Deliver(*window, Msg, wParam, lParam, true) : 0;
}

extern "C" LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window *window = Find(hWnd);
  return window != nullptr ? winplat::user::Deliver(*window, Msg, wParam, lParam, false) : 0;
}

// A subclassing procedure hands its messages on to the class's procedure; when that one takes
// the other kind of text, the texts are translated as a sent message's would be.
extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                                          LPARAM lParam) {
  if (lpPrevWndFunc == nullptr)
    return 0;
  Window *window = Find(hWnd);
  if (window != nullptr && window->windowClass != nullptr &&
      window->windowClass->proc == lpPrevWndFunc && !window->windowClass->unicode)
    return WideToAnsi(*window, lpPrevWndFunc, Msg, wParam, lParam);
  return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                                          LPARAM lParam) {
  if (lpPrevWndFunc == nullptr)
    return 0;
  Window *window = Find(hWnd);
  if (window != nullptr && window->windowClass != nullptr &&
      window->windowClass->proc == lpPrevWndFunc && window->windowClass->unicode)
    return AnsiToWide(*window, lpPrevWndFunc, Msg, wParam, lParam);
  return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

extern "C" LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return 0;
  switch (Msg) {
    case WM_NCCREATE: {
      const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
      if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName))
        window->text = create->lpszName;
      return TRUE;
    }
    case WM_SETTEXT:
      window->text = lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      return TRUE;
    case WM_GETTEXT:
      return CopyText(window->text, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_ERASEBKGND:
      return winplat::user::EraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      return winplat::user::ValidateByPainting(hWnd);
    case WM_NOTIFYFORMAT:
      if (lParam != NF_QUERY)
        return 0;
      return window->unicode ? NFR_UNICODE : NFR_ANSI;
    default:
      return 0;
  }
}

extern "C" LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return 0;
  switch (Msg) {
    case WM_NCCREATE: {
      const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
      if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName))
        window->text = winplat::WideFromMultiByte(CP_ACP, create->lpszName);
      return TRUE;
    }
    case WM_SETTEXT:
      window->text =
          lParam != 0 ? winplat::WideFromMultiByte(CP_ACP, reinterpret_cast<LPCSTR>(lParam)) : u"";
      return TRUE;
    case WM_GETTEXT:
      return CopyText(winplat::MultiByteFromWide(CP_ACP, window->text), wParam,
                      reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(winplat::MultiByteFromWide(CP_ACP, window->text).size());
    default:
      return DefWindowProcW(hWnd, Msg, wParam, lParam);
  }
}

extern "C" BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd != nullptr && Find(hWnd) == nullptr)
    return FALSE;
  winplat::user::Post(MSG{hWnd, Msg, wParam, lParam, 0, {0, 0}});
  return TRUE;
}

extern "C" BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return PostMessageW(hWnd, Msg, wParam, lParam);
}

extern "C" void WINAPI PostQuitMessage(int nExitCode) {
  quitPending = true;
  quitCode = nExitCode;
}

extern "C" BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                                    UINT wRemoveMsg) {
  return lpMsg != nullptr && Peek(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}

extern "C" BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                                    UINT wRemoveMsg) {
  return PeekMessageW(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}

extern "C" BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  return Get(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
}

extern "C" BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  return Get(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
}

extern "C" LRESULT WINAPI DispatchMessageW(const MSG *lpMsg) {
  return Dispatch(lpMsg, true);
}

extern "C" LRESULT WINAPI DispatchMessageA(const MSG *lpMsg) {
  return Dispatch(lpMsg, false);
}
