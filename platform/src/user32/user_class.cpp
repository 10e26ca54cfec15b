// Window classes: RegisterClassA/W/ExW, UnregisterClassW and the lookup by name or atom.
#include <winbase.h>
#include <winnls.h>

#include <list>

#include "user_window.h"
#include "winplat/text.h"

namespace {

using winplat::user::WindowClass;

// Atoms of registered classes start here, as on Windows.
constexpr ATOM kFirstAtom = 0xC000;

// A list keeps every class at a fixed address: windows point to theirs.
std::list<WindowClass> &Classes() {
  static std::list<WindowClass> classes;
  return classes;
}

char16_t FoldAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i]))
      return false;
  }
  return true;
}

ATOM Add(WindowClass windowClass) {
  static ATOM nextAtom = kFirstAtom;
  windowClass.atom = nextAtom++;
  Classes().push_back(std::move(windowClass));
  return Classes().back().atom;
}

ATOM Register(WindowClass windowClass) {
  winplat::user::RegisterSystemClasses();
  if (windowClass.proc == nullptr || windowClass.name.empty() || windowClass.windowExtra < 0 ||
      windowClass.classExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (winplat::user::FindClass(windowClass.name) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  return Add(std::move(windowClass));
}

std::u16string NameOfW(LPCWSTR name) {
  if (name == nullptr)
    return {};
  if (IS_INTRESOURCE(name))
    return u"#" + std::u16string(1, static_cast<char16_t>(LOWORD(name)));
  return name;
}

}  // namespace

namespace winplat::user {

const WindowClass *FindClass(std::u16string_view name) {
  for (const WindowClass &windowClass : Classes()) {
    if (SameName(windowClass.name, name))
      return &windowClass;
  }
  return nullptr;
}

// A class given as an atom (MAKEINTATOM) or a name.
const WindowClass *FindClassW(LPCWSTR name) {
  RegisterSystemClasses();
  if (name == nullptr)
    return nullptr;
  if (IS_INTRESOURCE(name)) {
    for (const WindowClass &windowClass : Classes()) {
      if (windowClass.atom == LOWORD(name))
        return &windowClass;
    }
    return nullptr;
  }
  return FindClass(name);
}

ATOM RegisterSystemClass(WindowClass windowClass) {
  return Add(std::move(windowClass));
}

}  // namespace winplat::user

extern "C" ATOM WINAPI RegisterClassExW(const WNDCLASSEXW *lpWndClass) {
  if (lpWndClass == nullptr || lpWndClass->cbSize != sizeof(WNDCLASSEXW)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowClass windowClass;
  windowClass.name = NameOfW(lpWndClass->lpszClassName);
  windowClass.proc = lpWndClass->lpfnWndProc;
  windowClass.style = lpWndClass->style;
  windowClass.classExtra = lpWndClass->cbClsExtra;
  windowClass.windowExtra = lpWndClass->cbWndExtra;
  windowClass.instance = lpWndClass->hInstance;
  windowClass.background = lpWndClass->hbrBackground;
  return Register(std::move(windowClass));
}

extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW *lpWndClass) {
  if (lpWndClass == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const WNDCLASSEXW ex{sizeof(WNDCLASSEXW),       lpWndClass->style,
                       lpWndClass->lpfnWndProc,   lpWndClass->cbClsExtra,
                       lpWndClass->cbWndExtra,    lpWndClass->hInstance,
                       lpWndClass->hIcon,         lpWndClass->hCursor,
                       lpWndClass->hbrBackground, nullptr,
                       lpWndClass->lpszClassName, nullptr};
  return RegisterClassExW(&ex);
}

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass) {
  if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr ||
      IS_INTRESOURCE(lpWndClass->lpszClassName)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowClass windowClass;
  windowClass.name = winplat::WideFromMultiByte(CP_ACP, lpWndClass->lpszClassName);
  windowClass.proc = lpWndClass->lpfnWndProc;
  windowClass.unicode = false;
  windowClass.style = lpWndClass->style;
  windowClass.classExtra = lpWndClass->cbClsExtra;
  windowClass.windowExtra = lpWndClass->cbWndExtra;
  windowClass.instance = lpWndClass->hInstance;
  windowClass.background = lpWndClass->hbrBackground;
  return Register(std::move(windowClass));
}

extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE) {
  const WindowClass *found = winplat::user::FindClassW(lpClassName);
  if (found == nullptr) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (winplat::user::ClassInUse(found)) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  Classes().remove_if([found](const WindowClass &windowClass) { return &windowClass == found; });
  return TRUE;
}
