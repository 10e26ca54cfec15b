// What WinHelp and MessageBeep leave behind, for the host and tests to read.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace winplat {

struct HelpCall {
  HWND window;
  std::string helpFile;
  UINT command;
  ULONG_PTR data;
};

const std::vector<HelpCall> &HelpLog();
const std::vector<UINT> &BeepLog();  // MessageBeep's uType values in order
void ClearUserLogs();

}  // namespace winplat
