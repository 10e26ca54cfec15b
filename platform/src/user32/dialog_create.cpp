// Creating dialogs from templates: dialog base units from the dialog font, the dialog window,
// its controls, WM_SETFONT and WM_INITDIALOG; the Create/DialogBox entry points.
#include <winbase.h>
#include <winnls.h>
#include <winuser.h>

#include <memory>
#include <utility>

#include "dialog_manager.h"
#include "winplat/text.h"

namespace {

using winplat::dialog::DialogState;
using winplat::dialog::DialogTemplate;
using winplat::dialog::ItemTemplate;

// Base units by the documented rule: the average width of the 52 letters and the font height.
void MeasureFont(DialogState &state, HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr)
    return;
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  SIZE extent{};
  constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  if (GetTextMetricsW(dc, &metrics) && GetTextExtentPoint32W(dc, kLetters, 52, &extent) &&
      extent.cx > 0 && metrics.tmHeight > 0) {
    state.baseX = static_cast<int>((extent.cx / 26 + 1) / 2);
    state.baseY = static_cast<int>(metrics.tmHeight);
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
}

void ApplyFont(DialogState &state, const DialogTemplate &dialogTemplate) {
  if (!dialogTemplate.hasFont)
    return;
  const int weight = dialogTemplate.weight != 0 ? dialogTemplate.weight : FW_NORMAL;
  state.font =
      CreateFontW(-MulDiv(dialogTemplate.pointSize, 96, 72), 0, 0, 0, weight, dialogTemplate.italic,
                  0, 0, dialogTemplate.charset, 0, 0, 0, 0, dialogTemplate.face.c_str());
  state.ownsFont = state.font != nullptr;
  if (state.font != nullptr)
    MeasureFont(state, state.font);
}

RECT ToPixels(const DialogState &state, short x, short y, short cx, short cy) {
  return RECT{MulDiv(x, state.baseX, 4), MulDiv(y, state.baseY, 8), MulDiv(cx, state.baseX, 4),
              MulDiv(cy, state.baseY, 8)};
}

std::u16string ClassOf(const ItemTemplate &item) {
  return item.windowClass.IsOrdinal()
             ? winplat::dialog::PredefinedClassName(item.windowClass.ordinal)
             : item.windowClass.name;
}

// The dialog window (hidden) with its state and procedure; its size is that of its client area
// plus the frame.
HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate &dialogTemplate, HWND owner,
                        const std::shared_ptr<DialogState> &state) {
  const RECT client =
      ToPixels(*state, dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
  const DWORD style = dialogTemplate.style & ~WS_VISIBLE;
  const RECT insets = winplat::user::NonClientInsets(style, dialogTemplate.exStyle);
  const int width = client.right + insets.left + insets.right;
  const int height = client.bottom + insets.top + insets.bottom;
  POINT position{client.left, client.top};
  if ((style & DS_CENTER) != 0) {
    position = POINT{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
  } else if (owner != nullptr && (style & WS_CHILD) == 0 && (style & DS_ABSALIGN) == 0) {
    ClientToScreen(owner, &position);
  }
  const std::u16string className =
      dialogTemplate.windowClass.name.empty() ? u"#32770" : dialogTemplate.windowClass.name;
  const HWND dialog = CreateWindowExW(dialogTemplate.exStyle, className.c_str(),
                                      dialogTemplate.title.c_str(), style, position.x, position.y,
                                      width, height, owner, nullptr, instance, nullptr);
  if (dialog != nullptr)
    winplat::user::Find(dialog)->state = state;
  return dialog;
}

bool CreateControls(HWND dialog, HINSTANCE instance, const DialogTemplate &dialogTemplate,
                    DialogState &state) {
  for (const ItemTemplate &item : dialogTemplate.items) {
    const std::u16string className = ClassOf(item);
    const std::u16string title = item.title.IsOrdinal() ? u"" : item.title.name;
    const RECT rect = ToPixels(state, item.x, item.y, item.cx, item.cy);
    const HWND control = CreateWindowExW(
        item.exStyle | WS_EX_NOPARENTNOTIFY, className.c_str(), title.c_str(),
        item.style | WS_CHILD, rect.left, rect.top, rect.right, rect.bottom, dialog,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
        item.creationData.empty() ? nullptr : const_cast<BYTE *>(item.creationData.data()));
    if (control == nullptr) {
      if ((dialogTemplate.style & DS_NOFAILCREATE) != 0)
        continue;
      return false;
    }
    if (state.font != nullptr)
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    if (!state.hasDefault && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
      state.hasDefault = true;
      state.defaultId = static_cast<WORD>(item.id);
    }
  }
  return true;
}

HWND FirstTabStop(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && (style & WS_DISABLED) == 0)
      return child;
  }
  return nullptr;
}

std::u16string NameOf(LPCWSTR name) {
  return IS_INTRESOURCE(name) ? std::u16string() : std::u16string(name);
}

WORD IdOf(LPCWSTR name) {
  return IS_INTRESOURCE(name) ? LOWORD(name) : 0;
}

// Set by the A functions for the dialog they are about to create.
thread_local bool creatingAnsiDialog = false;

struct AnsiDialogScope {
  AnsiDialogScope() { creatingAnsiDialog = true; }
  ~AnsiDialogScope() { creatingAnsiDialog = false; }
  AnsiDialogScope(const AnsiDialogScope &) = delete;
  AnsiDialogScope &operator=(const AnsiDialogScope &) = delete;
};

// An ANSI template name as the wide name (or the same ordinal) for the W functions.
struct WideName {
  explicit WideName(LPCSTR name)
      : text(name != nullptr && !IS_INTRESOURCE(name) ? winplat::WideFromMultiByte(CP_ACP, name)
                                                      : u""),
        pointer(name != nullptr && !IS_INTRESOURCE(name) ? text.c_str()
                                                         : reinterpret_cast<LPCWSTR>(name)) {}
  std::u16string text;
  LPCWSTR pointer;
};

}  // namespace

namespace winplat::dialog {

HWND CreateFromTemplate(HINSTANCE instance, const DialogTemplate &dialogTemplate, HWND owner,
                        DLGPROC proc, LPARAM param, bool modal) {
  auto state = std::make_shared<DialogState>();
  state->modal = modal;
  state->ansi = std::exchange(creatingAnsiDialog, false);
  ApplyFont(*state, dialogTemplate);
  const HWND dialog = CreateDialogWindow(instance, dialogTemplate, owner, state);
  if (dialog == nullptr)
    return nullptr;
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  if (state->font != nullptr)
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
  if (!CreateControls(dialog, instance, dialogTemplate, *state)) {
    DestroyWindow(dialog);
    return nullptr;
  }
  const HWND first = FirstTabStop(dialog);
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) != FALSE &&
      IsWindow(dialog) && first != nullptr) {
    SetFocus(first);
    if (SendMessageW(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
      SendMessageW(first, EM_SETSEL, 0, -1);
  }
  if (!IsWindow(dialog))
    return nullptr;
  state->savedFocus = IsChild(dialog, GetFocus()) ? GetFocus() : first;
  if (!modal && (dialogTemplate.style & WS_VISIBLE) != 0 && !state->ended)
    ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

std::optional<DialogTemplate> LoadTemplate(HINSTANCE instance, LPCWSTR name) {
  const HRSRC resource = FindResourceW(instance, name, reinterpret_cast<LPCWSTR>(RT_DIALOG));
  if (resource == nullptr)
    return std::nullopt;
  const HGLOBAL loaded = LoadResource(instance, resource);
  const void *data = loaded != nullptr ? LockResource(loaded) : nullptr;
  std::optional<DialogTemplate> parsed =
      ParseTemplate(data, data != nullptr ? SizeofResource(instance, resource) : 0);
  if (!parsed)
    SetLastError(ERROR_INVALID_DATA);
  return parsed;
}

}  // namespace winplat::dialog

extern "C" HWND WINAPI CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate,
                                                  HWND hWndParent, DLGPROC lpDialogFunc,
                                                  LPARAM dwInitParam) {
  const auto parsed = winplat::dialog::ParseTemplate(lpTemplate, SIZE_MAX);
  if (!parsed) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return winplat::dialog::CreateFromTemplate(hInstance, *parsed, hWndParent, lpDialogFunc,
                                             dwInitParam, false);
}

extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName,
                                          HWND hWndParent, DLGPROC lpDialogFunc,
                                          LPARAM dwInitParam) {
  const auto parsed = winplat::dialog::LoadTemplate(hInstance, lpTemplateName);
  if (!parsed)
    return nullptr;
  return winplat::dialog::CreateFromTemplate(hInstance, *parsed, hWndParent, lpDialogFunc,
                                             dwInitParam, false);
}

extern "C" HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName,
                                          HWND hWndParent, DLGPROC lpDialogFunc,
                                          LPARAM dwInitParam) {
  const WideName name(lpTemplateName);
  const AnsiDialogScope ansi;
  return CreateDialogParamW(hInstance, name.pointer, hWndParent, lpDialogFunc, dwInitParam);
}

extern "C" INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE hInstance,
                                                  LPCDLGTEMPLATEW hDialogTemplate, HWND hWndParent,
                                                  DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  const auto parsed = winplat::dialog::ParseTemplate(hDialogTemplate, SIZE_MAX);
  if (!parsed) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  const HWND dialog = winplat::dialog::CreateFromTemplate(hInstance, *parsed, hWndParent,
                                                          lpDialogFunc, dwInitParam, true);
  if (dialog == nullptr)
    return -1;
  return winplat::dialog::RunModal(dialog, hWndParent, 0, u"");
}

extern "C" INT_PTR WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName,
                                          HWND hWndParent, DLGPROC lpDialogFunc,
                                          LPARAM dwInitParam) {
  const auto parsed = winplat::dialog::LoadTemplate(hInstance, lpTemplateName);
  if (!parsed)
    return -1;
  const HWND dialog = winplat::dialog::CreateFromTemplate(hInstance, *parsed, hWndParent,
                                                          lpDialogFunc, dwInitParam, true);
  if (dialog == nullptr)
    return -1;
  return winplat::dialog::RunModal(dialog, hWndParent, IdOf(lpTemplateName),
                                   NameOf(lpTemplateName));
}

extern "C" INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName,
                                          HWND hWndParent, DLGPROC lpDialogFunc,
                                          LPARAM dwInitParam) {
  const WideName name(lpTemplateName);
  const AnsiDialogScope ansi;
  return DialogBoxParamW(hInstance, name.pointer, hWndParent, lpDialogFunc, dwInitParam);
}
