// Tests of the operating system version, the clock, and global and local memory blocks.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>

#include "winplat/config.h"
#include "winplat/operator.h"

namespace {

using winplat::WindowsVersion;

class SystemVersion : public ::testing::Test {
 protected:
  void TearDown() override { winplat::SetWindowsVersion(WindowsVersion::WinXP); }
};

struct Release {
  WindowsVersion version;
  DWORD major;
  DWORD minor;
  DWORD build;
  DWORD platform;
  const char *servicePack;
  bool ansi;
};

constexpr Release kReleases[] = {
    {WindowsVersion::Win95, 4, 0, 950, VER_PLATFORM_WIN32_WINDOWS, "", true},
    {WindowsVersion::Win98, 4, 10, 1998, VER_PLATFORM_WIN32_WINDOWS, "", true},
    {WindowsVersion::WinMe, 4, 90, 3000, VER_PLATFORM_WIN32_WINDOWS, "", true},
    {WindowsVersion::NT4, 4, 0, 1381, VER_PLATFORM_WIN32_NT, "Service Pack 6", false},
    {WindowsVersion::Win2000, 5, 0, 2195, VER_PLATFORM_WIN32_NT, "Service Pack 4", false},
    {WindowsVersion::WinXP, 5, 1, 2600, VER_PLATFORM_WIN32_NT, "Service Pack 2", false},
    {WindowsVersion::Server2003, 5, 2, 3790, VER_PLATFORM_WIN32_NT, "Service Pack 1", false},
};

TEST_F(SystemVersion, EachReleaseReportsItsNumbersThroughEveryFunction) {
  for (const Release &release : kReleases) {
    SCOPED_TRACE(release.build);
    winplat::SetWindowsVersion(release.version);
    EXPECT_EQ(winplat::GetWindowsVersion(), release.version);
    EXPECT_EQ(winplat::IsAnsiPlatform(), release.ansi);

    OSVERSIONINFOA ansi{};
    ansi.dwOSVersionInfoSize = sizeof ansi;
    ASSERT_TRUE(GetVersionExA(&ansi));
    EXPECT_EQ(ansi.dwMajorVersion, release.major);
    EXPECT_EQ(ansi.dwMinorVersion, release.minor);
    EXPECT_EQ(ansi.dwPlatformId, release.platform);
    EXPECT_EQ(LOWORD(ansi.dwBuildNumber), release.build);
    // Windows 95, 98 and Me repeat major.minor in the high word of the build number.
    const WORD buildHigh = release.ansi ? MAKEWORD(release.minor, release.major) : 0;
    EXPECT_EQ(HIWORD(ansi.dwBuildNumber), buildHigh);
    EXPECT_STREQ(ansi.szCSDVersion, release.servicePack);

    OSVERSIONINFOW wide{};
    wide.dwOSVersionInfoSize = sizeof wide;
    ASSERT_TRUE(GetVersionExW(&wide));
    EXPECT_EQ(wide.dwBuildNumber, ansi.dwBuildNumber);
    EXPECT_EQ(winplat::Utf8FromUtf16(wide.szCSDVersion), release.servicePack);

    const DWORD version = GetVersion();
    EXPECT_EQ(LOBYTE(LOWORD(version)), release.major);
    EXPECT_EQ(HIBYTE(LOWORD(version)), release.minor);
    EXPECT_EQ((version & 0x80000000) != 0, release.ansi);
    EXPECT_EQ(HIWORD(version) & 0x3FFF, release.build);
  }
}

TEST_F(SystemVersion, ExStructureCarriesServicePackAndProductType) {
  struct Case {
    WindowsVersion version;
    WORD servicePack;
    BYTE productType;
  };
  const Case cases[] = {{WindowsVersion::NT4, 6, VER_NT_WORKSTATION},
                        {WindowsVersion::WinXP, 2, VER_NT_WORKSTATION},
                        {WindowsVersion::Server2003, 1, VER_NT_SERVER}};
  for (const Case &c : cases) {
    winplat::SetWindowsVersion(c.version);
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(reinterpret_cast<LPOSVERSIONINFOW>(&info)));
    EXPECT_EQ(info.wServicePackMajor, c.servicePack);
    EXPECT_EQ(info.wProductType, c.productType);
  }
}

// Each size either is accepted or fails with ERROR_INSUFFICIENT_BUFFER leaving the rest untouched.
TEST_F(SystemVersion, SizeFieldMustNameAStructureTheSystemKnows) {
  struct Case {
    WindowsVersion version;
    DWORD size;
    bool wide;
    bool accepted;
  };
  const Case cases[] = {
      {WindowsVersion::WinXP, 0, false, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOA) - 1, false, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOA), false, true},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOA) + 1, false, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOEXA), false, true},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOEXA) + 1, false, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOW), false, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOA), true, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOW) - 1, true, false},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOW), true, true},
      {WindowsVersion::WinXP, sizeof(OSVERSIONINFOEXW), true, true},
      {WindowsVersion::Win98, sizeof(OSVERSIONINFOA), false, true},
      {WindowsVersion::Win98, sizeof(OSVERSIONINFOEXA), false, false},
      {WindowsVersion::WinMe, sizeof(OSVERSIONINFOEXW), true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.size << (c.wide ? " W" : " A"));
    winplat::SetWindowsVersion(c.version);
    OSVERSIONINFOEXW buffer;
    std::memset(&buffer, 0xAB, sizeof buffer);
    buffer.dwOSVersionInfoSize = c.size;
    SetLastError(ERROR_SUCCESS);
    const BOOL ok = c.wide ? GetVersionExW(reinterpret_cast<LPOSVERSIONINFOW>(&buffer))
                           : GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&buffer));
    EXPECT_EQ(ok != FALSE, c.accepted);
    if (!c.accepted) {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
      EXPECT_EQ(buffer.dwMajorVersion, 0xABABABABu);
    }
  }
}

TEST(SystemClock, InstantSleepOnlyAdvancesTheCountersAndTheTickCount) {
  winplat::SetInstantSleep(true);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();
  const DWORD ticksBefore = GetTickCount();
  const auto started = std::chrono::steady_clock::now();
  Sleep(60000);
  Sleep(1500);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(winplat::SleptMilliseconds() - sleptBefore, 61500u);
  const DWORD ticksElapsed = GetTickCount() - ticksBefore;
  EXPECT_GE(ticksElapsed, 61500u);
  EXPECT_LT(ticksElapsed, 61500u + 10000u);
}

TEST(SystemClock, RealSleepWaitsAndLeavesTheCounterAlone) {
  winplat::SetInstantSleep(false);
  const ULONGLONG sleptBefore = winplat::SleptMilliseconds();
  const DWORD ticksBefore = GetTickCount();
  const auto started = std::chrono::steady_clock::now();
  Sleep(30);
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(30));
  EXPECT_GE(GetTickCount() - ticksBefore, 29u);
  EXPECT_EQ(winplat::SleptMilliseconds(), sleptBefore);
  winplat::SetInstantSleep(true);
}

// --- Memory blocks ---

TEST(SystemMemory, FixedBlockIsItsOwnHandle) {
  HGLOBAL block = GlobalAlloc(GPTR, 64);
  ASSERT_NE(block, nullptr);
  auto *bytes = static_cast<BYTE *>(GlobalLock(block));
  EXPECT_EQ(static_cast<void *>(bytes), block);
  for (int i = 0; i < 64; ++i)
    EXPECT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(GlobalSize(block), 64u);
  EXPECT_EQ(GlobalHandle(bytes), block);
  EXPECT_TRUE(GlobalUnlock(block));
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(SystemMemory, MoveableBlockCountsItsLocks) {
  HGLOBAL block = GlobalAlloc(GHND, 32);
  ASSERT_NE(block, nullptr);
  void *first = GlobalLock(block);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, static_cast<void *>(block));
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_EQ(GlobalHandle(first), block);
  EXPECT_TRUE(GlobalUnlock(block));  // one lock left
  SetLastError(ERROR_INVALID_DATA);
  EXPECT_FALSE(GlobalUnlock(block));  // now unlocked
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(SystemMemory, ReAllocKeepsContentsAndZeroesTheGrowth) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  std::memset(GlobalLock(block), 0x5A, 16);
  GlobalUnlock(block);
  ASSERT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), block);
  EXPECT_EQ(GlobalSize(block), 4096u);
  const auto *bytes = static_cast<const BYTE *>(GlobalLock(block));
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(bytes[i], 0x5A) << i;
  for (int i = 16; i < 4096; ++i)
    ASSERT_EQ(bytes[i], 0) << i;
  GlobalUnlock(block);
  GlobalFree(block);
}

// A block may move only when it is moveable and unlocked, or when the caller allows it.
TEST(SystemMemory, ReAllocMovesOnlyWhatMayMove) {
  struct Case {
    const char *name;
    UINT allocFlags;
    bool locked;
    SIZE_T newSize;
    UINT reallocFlags;
    bool succeeds;
  };
  const Case cases[] = {
      {"fixed grows in place", GMEM_FIXED, false, 4096, 0, false},
      {"fixed grows when allowed", GMEM_FIXED, false, 4096, GMEM_MOVEABLE, true},
      {"fixed shrinks", GMEM_FIXED, false, 8, 0, true},
      {"locked moveable grows in place", GMEM_MOVEABLE, true, 4096, 0, false},
      {"locked moveable grows when allowed", GMEM_MOVEABLE, true, 4096, GMEM_MOVEABLE, true},
      {"unlocked moveable grows", GMEM_MOVEABLE, false, 4096, 0, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    HGLOBAL block = GlobalAlloc(c.allocFlags, 64);
    std::memcpy(GlobalLock(block), "profile", 8);
    if (!c.locked)
      GlobalUnlock(block);
    SetLastError(ERROR_SUCCESS);
    HGLOBAL resized = GlobalReAlloc(block, c.newSize, c.reallocFlags);
    ASSERT_EQ(resized != nullptr, c.succeeds);
    if (!c.succeeds) {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
      EXPECT_EQ(GlobalSize(block), 64u);
      GlobalFree(block);
      continue;
    }
    if (c.allocFlags == GMEM_MOVEABLE) {
      EXPECT_EQ(resized, block);
    }
    EXPECT_EQ(GlobalSize(resized), c.newSize);
    EXPECT_STREQ(static_cast<const char *>(GlobalLock(resized)), "profile");
    EXPECT_EQ(GlobalFree(resized), nullptr);
  }
}

TEST(SystemMemory, ZeroByteMoveableBlockIsDiscardedUntilResized) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISCARDED));
  EXPECT_EQ(GlobalSize(block), 0u);
  ASSERT_EQ(GlobalReAlloc(block, 10, GMEM_MOVEABLE), block);
  EXPECT_NE(GlobalLock(block), nullptr);
  GlobalFree(block);
}

TEST(SystemMemory, UnknownHandlesFailWithInvalidHandle) {
  int onStack = 0;
  HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 8);
  GlobalFree(freed);
  for (HGLOBAL bogus : {static_cast<HGLOBAL>(&onStack), freed}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalLock(bogus), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GlobalUnlock(bogus));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalSize(bogus), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalReAlloc(bogus, 16, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalFree(bogus), bogus);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(LocalFree(bogus), bogus);
  }
  EXPECT_EQ(GlobalHandle(&onStack), nullptr);
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

TEST(SystemMemory, FlagsOutsideTheValidSetAreRefused) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 8);
  struct Case {
    const char *name;
    std::function<HGLOBAL()> call;
  };
  const Case cases[] = {
      {"GlobalAlloc GMEM_MODIFY", [] { return GlobalAlloc(GMEM_MODIFY, 8); }},
      {"GlobalAlloc bit 0", [] { return GlobalAlloc(0x1, 8); }},
      {"GlobalReAlloc GMEM_MODIFY",
       [block] { return GlobalReAlloc(block, 8, GMEM_MODIFY | GMEM_MOVEABLE); }},
      {"LocalAlloc GMEM_NOT_BANKED", [] { return LocalAlloc(GMEM_NOT_BANKED, 8); }},
      {"LocalReAlloc LMEM_MODIFY", [block] { return LocalReAlloc(block, 8, LMEM_MODIFY); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(c.call(), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  EXPECT_EQ(GlobalSize(block), 8u);
  GlobalFree(block);
}

TEST(SystemMemory, LocalBlocksShareTheGlobalRules) {
  HLOCAL fixed = LocalAlloc(LPTR, 24);
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(LocalLock(fixed), fixed);
  EXPECT_EQ(static_cast<const BYTE *>(fixed)[23], 0);
  EXPECT_EQ(LocalSize(fixed), 24u);
  EXPECT_EQ(GlobalSize(fixed), 24u);
  EXPECT_EQ(LocalFree(fixed), nullptr);

  HLOCAL moveable = LocalAlloc(LHND, 4);
  void *data = LocalLock(moveable);
  ASSERT_NE(data, nullptr);
  EXPECT_NE(data, static_cast<void *>(moveable));
  EXPECT_FALSE(LocalUnlock(moveable));
  ASSERT_EQ(LocalReAlloc(moveable, 400, LMEM_ZEROINIT), moveable);
  EXPECT_EQ(LocalSize(moveable), 400u);
  EXPECT_EQ(LocalFree(moveable), nullptr);
}

}  // namespace
