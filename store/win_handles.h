// Owners of the Win32 handles the store opens: printers, registry keys, files and global memory
// blocks. Each closes or frees what it holds when it goes out of scope.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <utility>

// A printer handle; closed at the end only when this owner opened it.
class ScopedPrinter {
 public:
  ScopedPrinter() = default;
  ScopedPrinter(HANDLE handle, bool owned) : m_hPrinter(handle), m_bOwned(owned) {}
  ScopedPrinter(ScopedPrinter &&other) noexcept
      : m_hPrinter(std::exchange(other.m_hPrinter, nullptr)),
        m_bOwned(std::exchange(other.m_bOwned, false)) {}
  ScopedPrinter &operator=(ScopedPrinter &&other) noexcept {
    std::swap(m_hPrinter, other.m_hPrinter);
    std::swap(m_bOwned, other.m_bOwned);
    return *this;
  }
  ~ScopedPrinter() {
    if (m_bOwned)
      ClosePrinter(m_hPrinter);
  }

  HANDLE get() const { return m_hPrinter; }
  explicit operator bool() const { return m_hPrinter != nullptr; }

 private:
  HANDLE m_hPrinter = nullptr;
  bool m_bOwned = false;
};

class ScopedRegKey {
 public:
  ScopedRegKey() = default;
  explicit ScopedRegKey(HKEY key) : m_hKey(key) {}
  ScopedRegKey(ScopedRegKey &&other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}
  ScopedRegKey &operator=(ScopedRegKey &&other) noexcept {
    std::swap(m_hKey, other.m_hKey);
    return *this;
  }
  ~ScopedRegKey() {
    if (m_hKey != nullptr)
      RegCloseKey(m_hKey);
  }

  HKEY get() const { return m_hKey; }
  explicit operator bool() const { return m_hKey != nullptr; }

 private:
  HKEY m_hKey = nullptr;
};

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : m_hFile(handle) {}
  ScopedFile(const ScopedFile &) = delete;
  ScopedFile &operator=(const ScopedFile &) = delete;
  ~ScopedFile() {
    if (IsOpen())
      CloseHandle(m_hFile);
  }

  HANDLE get() const { return m_hFile; }
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE && m_hFile != nullptr; }

 private:
  HANDLE m_hFile;
};

// A movable global memory block, locked for its whole life.
class ScopedGlobalBlock {
 public:
  ScopedGlobalBlock(UINT flags, SIZE_T size)
      : m_hMemory(GlobalAlloc(flags, size)),
        m_pData(m_hMemory != nullptr ? static_cast<BYTE *>(GlobalLock(m_hMemory)) : nullptr) {}
  ScopedGlobalBlock(const ScopedGlobalBlock &) = delete;
  ScopedGlobalBlock &operator=(const ScopedGlobalBlock &) = delete;
  ~ScopedGlobalBlock() {
    if (m_pData != nullptr)
      GlobalUnlock(m_hMemory);
    if (m_hMemory != nullptr)
      GlobalFree(m_hMemory);
  }

  BYTE *data() const { return m_pData; }

 private:
  HGLOBAL m_hMemory;
  BYTE *m_pData;
};
