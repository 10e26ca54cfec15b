// Sleep and GetTickCount. An instant sleep returns at once and only adds its length to a counter;
// GetTickCount adds that counter to the real clock, so code that times a wait sees it elapse.
#include <winbase.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "winplat/config.h"

namespace {

std::atomic<bool> instantSleep{false};
std::atomic<ULONGLONG> sleptMilliseconds{0};

}  // namespace

namespace winplat {

void SetInstantSleep(bool instant) {
  instantSleep = instant;
}

ULONGLONG SleptMilliseconds() {
  return sleptMilliseconds;
}

}  // namespace winplat

extern "C" void WINAPI Sleep(DWORD dwMilliseconds) {
  if (instantSleep) {
    sleptMilliseconds += dwMilliseconds;
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

// Milliseconds since the host booted (its monotonic clock), wrapping after 49.7 days as on Windows.
extern "C" DWORD WINAPI GetTickCount(void) {
  const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
  const auto real = std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count();
  return static_cast<DWORD>(static_cast<ULONGLONG>(real) + sleptMilliseconds);
}
