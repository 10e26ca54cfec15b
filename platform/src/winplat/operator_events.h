// What the operator's drivers share: the installed operator, the logs they append to, and the
// text that describes a dialog step in the log. A driver is the code that puts the user interface
// in front of the operator: the platform's own MessageBox and DialogBox, or on Windows a hook on
// the system's dialogs.
#pragma once

#include <string>

#include "winplat/operator.h"

namespace winplat {

// Keeps the operator CurrentOperator returns; each driver's SetOperator calls it.
void StoreOperator(Operator *op);

void LogMessageBox(const MessageBoxCall &call);
void LogModalEvent(ModalEvent::Kind kind, const ModalDialogCall &call, std::u16string detail,
                   INT_PTR result);

// "Click 2", "SetText 1152 \"Draft\"", "Send 1149 0x1008 0 5"...
std::u16string DescribeDialogStep(const DialogStep &step);

// Takes the step on the dialog with the Win32 calls a user's action makes; every driver's
// PerformDialogStep logs it, calls this and handles what the step queued.
void TakeDialogStep(HWND dialog, const DialogStep &step);

}  // namespace winplat
