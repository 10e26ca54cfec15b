// Which template a system dialog was made from: the dialog templates of the registered modules,
// read once, are matched against the dialog's controls. A template matches when each of its
// control ids is among the dialog's; the one with the most controls wins, and among those the
// one whose controls the dialog shows most often with their template's texts and at their
// template's places and with its dialog styles (templates of one layout in several languages
// differ in their texts, a right-to-left template from its left-to-right twin in its places,
// the shell-font template from its older twin in its styles).
#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "operator_driver.h"
#include "user32/dialog_template.h"
#include "winplat/operator.h"

namespace winplat::windows {
namespace {

const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);  // RT_DIALOG

struct Control {
  WORD id = 0;
  std::u16string text;
  RECT place{};  // in dialog units in a template, in client pixels in a dialog
};

struct RegisteredTemplate {
  WORD ordinal = 0;
  DWORD dialogStyles = 0;  // the DS_ bits: DS_SHELLFONT tells a template from its DS_SETFONT twin
  std::vector<Control> controls;
};

DWORD DialogStyles(DWORD style) {
  return style & 0xFFFF;
}

std::mutex templatesMutex;
std::vector<RegisteredTemplate> registeredTemplates;

// Control ids compare as WORDs: a DIALOGEX's -1 is 0xFFFFFFFF, the window's id 0xFFFF.
std::vector<Control> ControlsOf(const dialog::DialogTemplate &parsed) {
  std::vector<Control> controls;
  for (const dialog::ItemTemplate &item : parsed.items)
    controls.push_back(Control{LOWORD(item.id), item.title.name,
                               RECT{item.x, item.y, item.x + item.cx, item.y + item.cy}});
  return controls;
}

std::vector<Control> ControlsOf(HWND dialog) {
  std::vector<Control> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&place), 2);
    controls.push_back(Control{LOWORD(GetDlgCtrlID(child)), WindowText(child), place});
  }
  return controls;
}

void Register(HMODULE module, LPCWSTR name, WORD language) {
  const HRSRC resource = FindResourceExW(module, kDialogType, name, language);
  const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void *data = loaded ? LockResource(loaded) : nullptr;
  if (data == nullptr)
    return;
  const std::optional<dialog::DialogTemplate> parsed =
      dialog::ParseTemplate(data, SizeofResource(module, resource));
  if (!parsed)
    return;
  std::lock_guard<std::mutex> guard(templatesMutex);
  registeredTemplates.push_back(
      RegisteredTemplate{static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)),
                         DialogStyles(parsed->style), ControlsOf(*parsed)});
}

BOOL CALLBACK OnLanguage(HMODULE module, LPCWSTR, LPCWSTR name, WORD language, LONG_PTR) {
  Register(module, name, language);
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR) {
  if (IS_INTRESOURCE(name))
    EnumResourceLanguagesW(module, type, name, OnLanguage, 0);
  return TRUE;
}

// Whether a control stands where its template puts it, a pixel of rounding either way.
bool AtPlace(HWND dialog, RECT templatePlace, const RECT &shown) {
  MapDialogRect(dialog, &templatePlace);
  return std::abs(templatePlace.left - shown.left) <= 1 &&
         std::abs(templatePlace.top - shown.top) <= 1;
}

// -1 when a control of the template is missing from the dialog.
int Score(HWND dialog, const RegisteredTemplate &candidate, const std::vector<Control> &shown) {
  int likeness = 0;
  for (const Control &control : candidate.controls) {
    const auto found = std::find_if(shown.begin(), shown.end(),
                                    [&](const Control &c) { return c.id == control.id; });
    if (found == shown.end())
      return -1;
    likeness += !control.text.empty() && found->text == control.text;
    likeness += AtPlace(dialog, control.place, found->place);
  }
  likeness += candidate.dialogStyles ==
              DialogStyles(static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)));
  return static_cast<int>(candidate.controls.size()) * 1000 + likeness;
}

}  // namespace

WORD MatchDialogTemplate(HWND dialog) {
  const std::vector<Control> shown = ControlsOf(dialog);
  std::lock_guard<std::mutex> guard(templatesMutex);
  WORD best = 0;
  int bestScore = -1;
  for (const RegisteredTemplate &candidate : registeredTemplates) {
    const int score = Score(dialog, candidate, shown);
    if (score > bestScore) {
      best = candidate.ordinal;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace winplat::windows

namespace winplat {

void RegisterDialogTemplates(HMODULE module) {
  EnumResourceNamesW(module, windows::kDialogType, windows::OnName, 0);
}

}  // namespace winplat
