// The operator's driver on Windows: a CBT hook on the thread sees each top-level dialog
// activated and sets a timer on it, which the dialog's own modal loop fires when its queue is
// empty, until the dialog is shown. From there the dialog goes to the operator: a message box, a
// file or colour chooser, or any other modal dialog, which is logged as the platform logs its
// own; a modeless dialog is left to the program that made it. A dialog no operator answers is
// cancelled; one still open when its queue has run dry after the operator's steps is ended with -1.
// The system does not tell the hook what DialogBox returns: the Ended event's result is 0.
#include <map>
#include <set>

#include "operator_driver.h"
#include "winplat/operator_events.h"

namespace winplat::windows {
namespace {

constexpr UINT_PTR kOperateTimer = 0x4F50;
constexpr UINT_PTR kRanDryTimer = 0x4F51;

thread_local HHOOK cbtHook = nullptr;
// Dialogs handed to the operator, until they are destroyed; the modal ones with their calls.
thread_local std::set<HWND> seenDialogs;
thread_local std::map<HWND, ModalDialogCall> modalDialogs;

bool IsDialogWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpW(name, L"#32770") == 0 &&
         (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & WS_CHILD) == 0;
}

void CALLBACK EndIfRanDry(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  const auto found = modalDialogs.find(dialog);
  if (found == modalDialogs.end() || !StillOpen(dialog))
    return;
  LogModalEvent(ModalEvent::Kind::RanDry, found->second, u"", 0);
  EndDialog(dialog, -1);
}

void OperateModalDialog(HWND dialog) {
  ModalDialogCall call;
  call.dialog = dialog;
  call.templateId = MatchDialogTemplate(dialog);
  call.caption = WindowText(dialog);
  modalDialogs[dialog] = call;
  LogModalEvent(ModalEvent::Kind::Shown, call, u"", 0);
  if (!CurrentOperator().OperateDialog(call)) {
    LogModalEvent(ModalEvent::Kind::Unanswered, call, u"", 0);
    EndDialog(dialog, IDCANCEL);
    return;
  }
  if (StillOpen(dialog))
    SetTimer(dialog, kRanDryTimer, 0, EndIfRanDry);
}

// DialogBox disables the dialog's owner for as long as its loop runs; a modeless dialog leaves
// its owner, if it has one, enabled. A dialog without an owner is taken for modeless: the
// module's modal dialogs all have one.
bool IsModal(HWND dialog) {
  const HWND owner = GetWindow(dialog, GW_OWNER);
  return owner != nullptr && !IsWindowEnabled(owner);
}

// A dialog may be activated before its loop shows it: the timer then waits for it to be shown.
// Message boxes and the choosers are answered whatever their owner.
void CALLBACK Operate(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowVisible(dialog))
    return;
  KillTimer(dialog, timer);
  if (!AnswerIfMessageBox(dialog) && !AnswerIfFileChooser(dialog) &&
      !AnswerIfColorChooser(dialog) && IsModal(dialog))
    OperateModalDialog(dialog);
}

void OnDestroy(HWND window) {
  seenDialogs.erase(window);
  const auto found = modalDialogs.find(window);
  if (found == modalDialogs.end())
    return;
  LogModalEvent(ModalEvent::Kind::Ended, found->second, u"", 0);
  modalDialogs.erase(found);
}

LRESULT CALLBACK OnCbtEvent(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && IsDialogWindow(window) && seenDialogs.insert(window).second)
    SetTimer(window, kOperateTimer, 0, Operate);
  else if (code == HCBT_DESTROYWND)
    OnDestroy(window);
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// Handles queued messages until none is left or the dialog has ended.
void Pump(HWND dialog) {
  MSG msg;
  while (StillOpen(dialog) && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace
}  // namespace winplat::windows

namespace winplat {

// The hook stays on the thread once set: without an installed operator the default one answers.
void SetOperator(Operator *op) {
  StoreOperator(op);
  if (windows::cbtHook == nullptr)
    windows::cbtHook =
        SetWindowsHookExW(WH_CBT, windows::OnCbtEvent, nullptr, GetCurrentThreadId());
}

void PerformDialogStep(const ModalDialogCall &call, const DialogStep &step) {
  LogModalEvent(ModalEvent::Kind::Step, call, DescribeDialogStep(step), 0);
  TakeDialogStep(call.dialog, step);
  windows::Pump(call.dialog);
}

}  // namespace winplat
