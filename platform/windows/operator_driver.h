// The pieces of the Windows operator driver: each kind of system dialog is recognised by its
// controls and put before the current operator. Wide text is wchar_t here and char16_t in the
// operator's calls; both are UTF-16.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace winplat::windows {

std::u16string FromWide(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);
std::u16string WindowText(HWND window);

// The style a message box was made with, rebuilt from its buttons (in any order) and its default
// button; nullopt when the buttons are no box style's.
std::optional<UINT> MessageBoxStyleOf(const std::vector<int> &buttons, int defaultButton);

// Each answers the dialog when it is of its kind; false when it is not.
bool AnswerIfMessageBox(HWND dialog);
bool AnswerIfFileChooser(HWND dialog);
bool AnswerIfColorChooser(HWND dialog);

// The ordinal of the registered template the dialog was made from; 0 when none matches.
WORD MatchDialogTemplate(HWND dialog);

// Sends the dialog WM_COMMAND for a button as its click does.
void ClickButton(HWND dialog, int id);
// True while the dialog is shown: EndDialog hides it before its loop destroys it.
bool StillOpen(HWND dialog);

}  // namespace winplat::windows
