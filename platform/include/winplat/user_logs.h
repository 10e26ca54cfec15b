// What WinHelp and MessageBeep leave behind, for the host and tests to read.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <windef.h>

namespace winplat {

struct HelpCall {
  HWND window;
  std::string helpFile;
  UINT command;
  ULONG_PTR data;
  // HELP_CONTEXTMENU and HELP_WM_HELP pass a table of control and help identifiers in `data`,
  // ended by a zero pair: its pairs, copied at the call.
  std::vector<std::pair<DWORD, DWORD>> helpIds;
};

const std::vector<HelpCall> &HelpLog();
const std::vector<UINT> &BeepLog();  // MessageBeep's uType values in order
void ClearUserLogs();

}  // namespace winplat
