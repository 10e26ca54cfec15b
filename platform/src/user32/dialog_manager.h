// The dialog manager's state of one dialog and the functions the dialog files share.
#pragma once

#include <optional>
#include <string>

#include "dialog_template.h"
#include "user_window.h"

namespace winplat::dialog {

struct DialogState {
  int baseX = 8;  // dialog base units: pixels per 4 horizontal, 8 vertical dialog units
  int baseY = 16;
  WORD defaultId = 0;
  bool hasDefault = false;
  bool modal = false;
  bool ended = false;
  INT_PTR result = 0;
  HFONT font = nullptr;
  bool ownsFont = false;
  bool ansi = false;  // created by an A function: its controls notify it with ANSI text
  // The control the dialog hands the focus on to when it gets the focus itself: the one focused
  // when WM_INITDIALOG has run. Windows saves it again when the dialog is deactivated; this
  // platform sends no activation messages, so it stays that control.
  HWND savedFocus = nullptr;
  ~DialogState();
};

// The state of a dialog created by the dialog manager; nullptr for another window.
DialogState *StateOf(HWND dialog);

// Creates the dialog and its controls and sends WM_INITDIALOG; the dialog is shown when its
// template says WS_VISIBLE (modal dialogs are shown by their loop).
HWND CreateFromTemplate(HINSTANCE instance, const DialogTemplate &dialogTemplate, HWND owner,
                        DLGPROC proc, LPARAM param, bool modal);

// The template of a module's RT_DIALOG resource; nullopt (with the error set) when missing or
// damaged.
std::optional<DialogTemplate> LoadTemplate(HINSTANCE instance, LPCWSTR name);

// Runs a modal dialog to its end and returns its result.
INT_PTR RunModal(HWND dialog, HWND owner, WORD templateId, const std::u16string &templateName);

}  // namespace winplat::dialog
