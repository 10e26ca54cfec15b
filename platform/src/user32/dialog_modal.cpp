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

void Perform(HWND dialog, const winplat::DialogStep &step) {
  using Kind = winplat::DialogStep::Kind;
  switch (step.kind) {
    case Kind::SetText:
      SetDlgItemTextW(dialog, step.controlId, step.text.c_str());
      break;
    case Kind::Send:
      SendDlgItemMessageW(dialog, step.controlId, step.message, step.wParam, step.lParam);
      break;
    case Kind::Key:
      keybd_event(step.key, 0, 0, 0);
      keybd_event(step.key, 0, KEYEVENTF_KEYUP, 0);
      break;
    case Kind::Click:
      if (const HWND control = GetDlgItem(dialog, step.controlId))
        SendMessageW(control, BM_CLICK, 0, 0);
      else
        SendMessageW(dialog, WM_COMMAND, MAKELONG(step.controlId, BN_CLICKED), 0);
      break;
    case Kind::End:
      EndDialog(dialog, step.result);
      break;
  }
}

}  // namespace

namespace winplat {

void PerformDialogStep(const ModalDialogCall &call, const DialogStep &step) {
  LogModalEvent(ModalEvent::Kind::Step, call, DescribeDialogStep(step), 0);
  Perform(call.dialog, step);
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
