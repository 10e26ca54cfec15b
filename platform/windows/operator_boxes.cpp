// The system's message boxes: a dialog with the text in a static of id 0xFFFF and push buttons
// IDOK..IDCONTINUE only. Its style is rebuilt from the buttons, the default button and the
// icon, the operator answers it, and the box is logged as the platform logs its own.
#include <algorithm>

#include "operator_driver.h"
#include "winplat/operator_events.h"

namespace winplat::windows {
namespace {

constexpr int kTextId = 0xFFFF;

// The system icons a box shows (IDI_HAND...), by ordinal.
struct StandardIcon {
  WORD resource;
  UINT style;
};

constexpr StandardIcon kIcons[] = {{32513, MB_ICONHAND},
                                   {32514, MB_ICONQUESTION},
                                   {32515, MB_ICONEXCLAMATION},
                                   {32516, MB_ICONASTERISK}};

bool IsClass(HWND window, const wchar_t *name) {
  wchar_t found[32] = {};
  GetClassNameW(window, found, 32);
  return lstrcmpiW(found, name) == 0;
}

bool HasStyle(HWND window, DWORD style) {
  return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & style) == style;
}

// The box's buttons in creation order; nullopt when a shown child is neither a static nor a
// button of a box.
std::optional<std::vector<int>> BoxButtons(HWND dialog) {
  std::vector<int> buttons;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!HasStyle(child, WS_VISIBLE) || IsClass(child, L"Static"))
      continue;
    const int id = GetDlgCtrlID(child);
    if (!IsClass(child, L"Button") || id < IDOK || id > IDCONTINUE)
      return std::nullopt;
    buttons.push_back(id);
  }
  return buttons;
}

UINT IconStyle(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsClass(child, L"Static"))
      continue;
    const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    for (const StandardIcon &standard : kIcons)
      if (icon != nullptr && icon == LoadIconW(nullptr, MAKEINTRESOURCEW(standard.resource)))
        return standard.style;
  }
  return 0;
}

// The box marks its default button with the default push-button style; the dialog's default id
// can still be the template's first button.
int DefaultButton(HWND dialog, const std::vector<int> &buttons) {
  for (const int id : buttons)
    if ((GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return id;
  const LRESULT found = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(found) == DC_HASDEFID ? LOWORD(found) : 0;
}

}  // namespace

std::optional<UINT> MessageBoxStyleOf(const std::vector<int> &buttons, int defaultButton) {
  std::vector<int> sorted = buttons;
  std::sort(sorted.begin(), sorted.end());
  for (UINT type = MB_OK; type <= MB_CANCELTRYCONTINUE; ++type) {
    std::vector<int> ofType = MessageBoxButtons(type);
    const auto position = std::find(ofType.begin(), ofType.end(), defaultButton);
    const UINT index = position == ofType.end() ? 0 : static_cast<UINT>(position - ofType.begin());
    std::sort(ofType.begin(), ofType.end());
    if (ofType == sorted)
      return type | (index << 8);
  }
  return std::nullopt;
}

bool AnswerIfMessageBox(HWND dialog) {
  const HWND text = GetDlgItem(dialog, kTextId);
  if (text == nullptr || !IsClass(text, L"Static"))
    return false;
  const std::optional<std::vector<int>> buttons = BoxButtons(dialog);
  if (!buttons || buttons->empty())
    return false;
  const std::optional<UINT> style = MessageBoxStyleOf(*buttons, DefaultButton(dialog, *buttons));
  if (!style)
    return false;

  MessageBoxCall call;
  call.owner = GetWindow(dialog, GW_OWNER);
  call.text = WindowText(text);
  call.caption = WindowText(dialog);
  call.style = *style | IconStyle(dialog);
  call.answer = CurrentOperator().AnswerMessageBox(call);
  const bool known = std::find(buttons->begin(), buttons->end(), call.answer) != buttons->end();
  if (!known)
    call.answer = 0;
  LogMessageBox(call);
  // An answer that is none of the box's buttons makes the box fail, as the platform's does.
  if (known)
    ClickButton(dialog, call.answer);
  else
    EndDialog(dialog, 0);
  return true;
}

}  // namespace winplat::windows
