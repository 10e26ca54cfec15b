// The record of the help calls JZRES32.dll received, shared by the module and the host that reads
// it through the export HostHelpCalls.
#pragma once

#include <windows.h>

namespace host {

enum class HelpKind : int { Small = 1, Big = 2 };

struct HelpCall {
  HelpKind kind;
  HWND window;  // the window or dialog item handle passed in
  int dialogResourceId;
};

// The record keeps the first kHelpCallCapacity calls; later calls are answered, not recorded.
constexpr int kHelpCallCapacity = 64;

// HostHelpCalls: the recorded calls and how many were made (capped at kHelpCallCapacity).
using HostHelpCallsProc = const HelpCall *(*)(int *count);
// CallSmallHelp and CallBigHelp.
using HelpProc = BOOL(WINAPI *)(HWND windowOrItem, int dialogResourceId, void *owner);

}  // namespace host
