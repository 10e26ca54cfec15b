// The profile file a store has open: a Win32 file handle closed when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

class JzpFileHandle {
 public:
  JzpFileHandle() = default;
  JzpFileHandle(const JzpFileHandle &) = delete;
  JzpFileHandle &operator=(const JzpFileHandle &) = delete;
  ~JzpFileHandle() { Close(); }

  HANDLE get() const { return m_hFile; }
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE && m_hFile != nullptr; }
  void Reset(HANDLE file) {
    Close();
    m_hFile = file;
  }
  void Close() {
    if (IsOpen())
      CloseHandle(std::exchange(m_hFile, INVALID_HANDLE_VALUE));
  }

 private:
  HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
