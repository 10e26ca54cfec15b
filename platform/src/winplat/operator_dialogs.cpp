// The steps an operator takes on a modal dialog, their descriptions, and the log of every modal
// event.
#include <windows.h>

#include <cstdio>
#include <string>

#include "operator_events.h"

namespace {

std::vector<winplat::ModalEvent> modalLog;

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

std::u16string DescribeDialogStep(const DialogStep &step) {
  using Kind = DialogStep::Kind;
  char buffer[96];
  switch (step.kind) {
    case Kind::SetText:
      std::snprintf(buffer, sizeof(buffer), "SetText %d ", step.controlId);
      return Utf16FromUtf8(buffer) + u"\"" + step.text + u"\"";
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
  return Utf16FromUtf8(buffer);
}

const std::vector<ModalEvent> &ModalDialogLog() {
  return modalLog;
}

void ClearModalDialogLog() {
  modalLog.clear();
}

void LogModalEvent(ModalEvent::Kind kind, const ModalDialogCall &call, std::u16string detail,
                   INT_PTR result) {
  modalLog.push_back(ModalEvent{kind, call.templateId, call.templateName, call.caption,
                                std::move(detail), result});
}

void TakeDialogStep(HWND dialog, const DialogStep &step) {
  using Kind = DialogStep::Kind;
  switch (step.kind) {
    case Kind::SetText:
      SetDlgItemTextW(dialog, step.controlId,
                      std::basic_string<WCHAR>(step.text.begin(), step.text.end()).c_str());
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

}  // namespace winplat
