// The help exports of JZRES32.dll: each call is recorded for the host and answered with TRUE.
#include <array>

#include "host/resmodule/help_calls.h"

namespace {

std::array<host::HelpCall, host::kHelpCallCapacity> calls;
int callCount = 0;

BOOL Record(host::HelpKind kind, HWND windowOrItem, int dialogResourceId) {
  if (callCount < host::kHelpCallCapacity)
    calls[callCount++] = {kind, windowOrItem, dialogResourceId};
  return TRUE;
}

}  // namespace

#if defined(_WIN32)
#define JZRES_EXPORT extern "C" __declspec(dllexport)
#else
#define JZRES_EXPORT extern "C" [[gnu::visibility("default")]]
#endif

JZRES_EXPORT BOOL WINAPI CallSmallHelp(HWND windowOrItem, int dialogResourceId, void *) {
  return Record(host::HelpKind::Small, windowOrItem, dialogResourceId);
}

JZRES_EXPORT BOOL WINAPI CallBigHelp(HWND windowOrItem, int dialogResourceId, void *) {
  return Record(host::HelpKind::Big, windowOrItem, dialogResourceId);
}

JZRES_EXPORT const host::HelpCall *HostHelpCalls(int *count) {
  if (count)
    *count = callCount;
  return calls.data();
}
