// Modal dialogs: the loop of DialogBox, the operator that answers it, the steps it takes and the
// log of every modal event.
#include <winnls.h>

#include <cstdio>

#include "dialog_manager.h"
#include "winplat/operator.h"

namespace {

using winplat::ModalDialogCall;
using winplat::ModalEvent;

std::vector<ModalEvent> modalLog;

void Log(ModalEvent::Kind kind, const ModalDialogCall &call, std::u16string detail,
         INT_PTR result) {
  modalLog.push_back(ModalEvent{kind, call.templateId, call.templateName, call.caption,
                                std::move(detail), result});
}

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

std::u16string Describe(const winplat::DialogStep &step) {
  using Kind = winplat::DialogStep::Kind;
  char buffer[96];
  switch (step.kind) {
    case Kind::SetText:
      std::snprintf(buffer, sizeof(buffer), "SetText %d ", step.controlId);
      return winplat::Utf16FromUtf8(buffer) + u"\"" + step.text + u"\"";
    case Kind::Send:
      std::snprintf(buffer, sizeof(buffer), "Send %d 0x%04X %llu %lld", step.controlId,
                    step.message, static_cast<unsigned long long>(step.wParam),
                    static_cast<long long>(step.lParam));
      break;
    case Kind::Key:
      std::snprintf(buffer, sizeof(buffer), "Key 0x%02X", step.key);
      break;
    case Kind::Click:
      std::snprintf(buffer, sizeof(buffer), "Click %d", step.controlId);
      break;
    case Kind::End:
      std::snprintf(buffer, sizeof(buffer), "End %lld", static_cast<long long>(step.result));
      break;
  }
  return winplat::Utf16FromUtf8(buffer);
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

DialogStep DialogStep::SetText(int controlId, std::u16string text) {
  DialogStep step;
  step.kind = Kind::SetText;
  step.controlId = controlId;
  step.text = std::move(text);
  return step;
}

DialogStep DialogStep::Send(int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogStep step;
  step.kind = Kind::Send;
  step.controlId = controlId;
  step.message = message;
  step.wParam = wParam;
  step.lParam = lParam;
  return step;
}

DialogStep DialogStep::Key(BYTE virtualKey) {
  DialogStep step;
  step.kind = Kind::Key;
  step.key = virtualKey;
  return step;
}

DialogStep DialogStep::Click(int controlId) {
  DialogStep step;
  step.kind = Kind::Click;
  step.controlId = controlId;
  return step;
}

DialogStep DialogStep::End(INT_PTR result) {
  DialogStep step;
  step.kind = Kind::End;
  step.result = result;
  return step;
}

void PerformDialogStep(const ModalDialogCall &call, const DialogStep &step) {
  Log(ModalEvent::Kind::Step, call, Describe(step), 0);
  Perform(call.dialog, step);
  Pump(call.dialog);
}

const std::vector<ModalEvent> &ModalDialogLog() {
  return modalLog;
}

void ClearModalDialogLog() {
  modalLog.clear();
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
    Log(ModalEvent::Kind::Shown, call, u"", 0);
    if (!Pump(dialog) && !winplat::CurrentOperator().OperateDialog(call)) {
      Log(ModalEvent::Kind::Unanswered, call, u"", 0);
      EndDialog(dialog, IDCANCEL);
    }
    if (!Pump(dialog)) {
      Log(ModalEvent::Kind::RanDry, call, u"", 0);
      EndDialog(dialog, -1);
    }
  }
  const DialogState *state = StateOf(dialog);
  const INT_PTR result = state != nullptr ? state->result : -1;
  if (disableOwner)
    EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  Log(ModalEvent::Kind::Ended, call, u"", result);
  return result;
}

}  // namespace winplat::dialog
