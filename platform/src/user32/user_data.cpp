// Window data: Get/SetWindowLongPtr and Get/SetWindowLong, and the window text functions.
#include <winbase.h>

#include <cstring>

#include "user_window.h"

namespace {

using winplat::user::Find;
using winplat::user::Window;

// Reads or writes a LONG_PTR (or a LONG) in the window's extra bytes; false when out of range.
template <typename T>
bool ExtraAt(Window &window, int index, T *read, const T *write) {
  if (index < 0 || static_cast<size_t>(index) + sizeof(T) > window.extra.size())
    return false;
  if (read != nullptr)
    std::memcpy(read, window.extra.data() + index, sizeof(T));
  if (write != nullptr)
    std::memcpy(window.extra.data() + index, write, sizeof(T));
  return true;
}

LONG_PTR GetLong(HWND hWnd, int index) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(window->parent != nullptr ? window->parent->handle
                                                                  : nullptr);
    case GWLP_ID:
      return window->id;
    case GWLP_USERDATA:
      return window->userData;
    case GWL_STYLE:
      return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(window->exStyle);
    default: {
      LONG_PTR value = 0;
      if (!ExtraAt<LONG_PTR>(*window, index, &value, nullptr))
        SetLastError(ERROR_INVALID_INDEX);
      return value;
    }
  }
}

LONG_PTR SetLong(HWND hWnd, int index, LONG_PTR value, bool unicode) {
  Window *window = Find(hWnd);
  if (window == nullptr)
    return 0;
  const LONG_PTR previous = GetLong(hWnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      window->proc = reinterpret_cast<WNDPROC>(value);
      window->unicode = unicode;
      break;
    case GWLP_HINSTANCE:
      window->instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_ID:
      window->id = value;
      break;
    case GWLP_USERDATA:
      window->userData = value;
      break;
    case GWL_STYLE:
      window->style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(value);
      break;
    default:
      if (!ExtraAt<LONG_PTR>(*window, index, nullptr, &value)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
      }
  }
  return previous;
}

bool IsPointerIndex(int index) {
  return index == GWL_WNDPROC || index == GWL_HINSTANCE || index == GWL_HWNDPARENT;
}

LONG GetLong32(HWND hWnd, int index) {
  if (IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  if (index >= 0) {
    Window *window = Find(hWnd);
    LONG value = 0;
    if (window != nullptr && !ExtraAt<LONG>(*window, index, &value, nullptr))
      SetLastError(ERROR_INVALID_INDEX);
    return value;
  }
  return static_cast<LONG>(GetLong(hWnd, index));
}

LONG SetLong32(HWND hWnd, int index, LONG value) {
  if (IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  if (index >= 0) {
    Window *window = Find(hWnd);
    LONG previous = 0;
    if (window != nullptr && !ExtraAt<LONG>(*window, index, &previous, &value))
      SetLastError(ERROR_INVALID_INDEX);
    return previous;
  }
  return static_cast<LONG>(SetLong(hWnd, index, value, true));
}

}  // namespace

extern "C" LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex) {
  return GetLong(hWnd, nIndex);
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
  return GetLong(hWnd, nIndex);
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return SetLong(hWnd, nIndex, dwNewLong, true);
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return SetLong(hWnd, nIndex, dwNewLong, false);
}

extern "C" LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) {
  return GetLong32(hWnd, nIndex);
}

extern "C" LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
  return GetLong32(hWnd, nIndex);
}

extern "C" LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
  return SetLong32(hWnd, nIndex, dwNewLong);
}

extern "C" LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  return SetLong32(hWnd, nIndex, dwNewLong);
}

extern "C" BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
  return Find(hWnd) != nullptr &&
         SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != FALSE;
}

extern "C" BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  return Find(hWnd) != nullptr &&
         SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != FALSE;
}

extern "C" int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
  if (lpString != nullptr && nMaxCount > 0)
    lpString[0] = u'\0';
  if (Find(hWnd) == nullptr || nMaxCount <= 0)
    return 0;
  return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                       reinterpret_cast<LPARAM>(lpString)));
}

extern "C" int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (lpString != nullptr && nMaxCount > 0)
    lpString[0] = '\0';
  if (Find(hWnd) == nullptr || nMaxCount <= 0)
    return 0;
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                       reinterpret_cast<LPARAM>(lpString)));
}

extern "C" int WINAPI GetWindowTextLengthW(HWND hWnd) {
  return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hWnd) {
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
