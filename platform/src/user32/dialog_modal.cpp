// Modal dialogs: the loop of DialogBox, the operator that answers it, the steps it takes and the
// log of every modal event.
#include "dialog_manager.h"
#include "winplat/operator_events.h"

namespace {

bool Ended(HWND dialog) {
  const winplat::dialog::DialogState *state = winplat::dialog::StateOf(dialog);
  return state == nullptr || state->ended;
}

// Handles queued messages until none is left or the dialog has ended; false when the dialog is
// still open with nothing left to handle.
bool Pump(HWND dialog) {
  MSG msg;
  while (!Ended(dialog)) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      return false;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

}  // namespace

namespace winplat {

void PerformDialogStep(const ModalDialogCall &call, const DialogStep &step) {
  LogModalEvent(ModalEvent::Kind::Step, call, DescribeDialogStep(step), 0);
  TakeDialogStep(call.dialog, step);
  Pump(call.dialog);
}

}  // namespace winplat

namespace winplat::dialog {

INT_PTR RunModal(HWND dialog, HWND owner, WORD templateId, const std::u16string &templateName) {
  ModalDialogCall call;
  call.dialog = dialog;
  call.templateId = templateId;
  call.templateName = templateName;
  const int length = GetWindowTextLengthW(dialog);
  call.caption.assign(static_cast<size_t>(length) + 1, u'\0');
  GetWindowTextW(dialog, call.caption.data(), length + 1);
  call.caption.resize(static_cast<size_t>(length));

  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner)
    EnableWindow(owner, FALSE);
  if (!Ended(dialog)) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    LogModalEvent(ModalEvent::Kind::Shown, call, u"", 0);
    if (!Pump(dialog) && !winplat::CurrentOperator().OperateDialog(call)) {
      LogModalEvent(ModalEvent::Kind::Unanswered, call, u"", 0);
      EndDialog(dialog, IDCANCEL);
    }
    if (!Pump(dialog)) {
      LogModalEvent(ModalEvent::Kind::RanDry, call, u"", 0);
      EndDialog(dialog, -1);
    }
  }
  const DialogState *state = StateOf(dialog);
  const INT_PTR result = state != nullptr ? state->result : -1;
  if (disableOwner)
    EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  LogModalEvent(ModalEvent::Kind::Ended, call, u"", result);
  return result;
}

}  // namespace winplat::dialog
