// The one place where the module chooses between the ANSI and the wide Win32 functions and
// converts a text from one form into the other. A TextPolicy is a platform (ANSI on Windows 95,
// 98 and Me) and a code page; each A/W pair the module calls is written once, here.
//
// Four code pages are in use, and each has its factory:
// - ForPage: the code page the page's language chooses. Every text the user reads goes through
//   it: host strings, profile names and descriptions, list rows, the summary.
// - ForDialogs: the code page of the dialogs built on BaseDlg. It follows the system, not the
//   language: the system's ANSI code page when that is 932, 936, 949, 950, 1250, 1251 or 1256,
//   otherwise CP_ACP.
// - ForSystemNames: CP_ACP, for the names the system keeps: printers, drivers, registry keys and
//   values, and files.
// - ForSettingsInfo: the code page the settings-information dialog chose by its own language
//   rules, which differ from the page's; 0, the system's code page, until it has chosen.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "abi/host_interfaces.h"
#include "store/win_handles.h"

using WideString = std::basic_string<WCHAR>;

// One text in both forms: ANSI in the code page of the policy that made it, and wide.
struct DualText {
  std::string text;
  WideString wide;
};

DualText operator+(DualText head, const DualText &tail);

// What the module reads of a printer's PRINTER_INFO_2, in both forms.
struct PrinterPortAndDriver {
  DualText port;
  DualText driver;
};

// A file chooser of <commdlg.h>: open or save, its filters (description and pattern pairs,
// each ended by a zero, the whole list by a further zero), title, OFN_ flags and the extension a
// name typed without one receives.
struct FileChooserRequest {
  bool save;
  DualText filter;
  DualText title;
  DWORD flags;
  DualText defaultExtension;
};

class TextPolicy {
 public:
  static TextPolicy ForPage(bool ansiPlatform, UINT pageCodePage);
  static TextPolicy ForDialogs(bool ansiPlatform);
  static TextPolicy ForSystemNames(bool ansiPlatform);
  static TextPolicy ForSettingsInfo(bool ansiPlatform, UINT infoCodePage);

  bool IsAnsi() const { return m_bAnsi; }
  UINT CodePage() const { return m_uCodePage; }

  // Conversions. A text that cannot be converted becomes empty.
  WideString ToWide(LPCSTR text) const;
  std::string ToText(LPCWSTR wide) const;
  // Into a caller's buffer of `capacity` wide characters or bytes: as many whole characters as
  // fit beside the terminator, which is always written. Returns the buffer.
  LPWSTR ToWide(LPWSTR buffer, size_t capacity, LPCSTR text) const;
  LPSTR ToText(LPSTR buffer, size_t capacity, LPCWSTR wide) const;
  DualText FromText(LPCSTR text) const;
  DualText FromWide(LPCWSTR wide) const;
  // A printer name as the host gives it: on the ANSI platform, whose printer names are plain
  // ANSI, each character's low byte; otherwise converted.
  DualText FromHostPrinterName(LPCWSTR name) const;
  // Host string `id`, loaded into at most `chars` wide characters with its terminator.
  DualText LoadHostString(UIManager *manager, UINT id, int chars) const;

  // Characters of an ANSI text in the code page: the bytes of the character at `text` (two for
  // a lead byte followed by a trail byte, 0 at the end), and how many leading bytes hold whole
  // characters within `maxBytes`.
  size_t CharBytes(LPCSTR text) const;
  size_t WholeCharsPrefix(LPCSTR text, size_t maxBytes) const;
  // Copies as many whole characters of the text as fit beside the terminator into `capacity`
  // bytes; a null text copies as empty. Returns the buffer.
  LPSTR CopyWholeChars(LPSTR buffer, size_t capacity, LPCSTR text) const;

  // Calls `use` with the platform's form of the text, LPCSTR or LPCWSTR, and returns its result.
  template <typename Use>
  auto WithPlatformForm(const DualText &text, Use &&use) const {
    return m_bAnsi ? use(text.text.c_str()) : use(text.wide.c_str());
  }

  // Windows and dialogs.
  bool SetText(HWND window, const DualText &text) const;
  bool SetItemText(HWND dialog, int controlId, const DualText &text) const;
  // The control's text, at most `maxChars` characters.
  DualText ItemText(HWND dialog, int controlId, int maxChars) const;
  // Adds a string to a combo box that keeps its strings; the new item's index.
  int AddComboString(HWND combo, const DualText &text) const;
  int ShowMessageBox(HWND owner, const DualText &text, const DualText &caption, UINT style) const;
  void PostCommand(HWND window, int controlId) const;
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  LRESULT SendItem(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam) const;
  HWND CreateModeless(HINSTANCE resources, int templateId, HWND parent, DLGPROC procedure) const;
  INT_PTR RunModal(HINSTANCE resources, int templateId, HWND parent, DLGPROC procedure) const;
  // Puts the procedure of the platform's form in place of the window's, keeping the previous
  // one in the window's user data; CallPrevious hands a message on to that one.
  void Subclass(HWND window, WNDPROC ansiProcedure, WNDPROC wideProcedure) const;
  LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  HFONT NewFont(int height, BYTE charSet, const DualText &face) const;

  // Files. The chosen path (MAX_PATH characters at most), nullopt when the chooser is
  // cancelled; filter 1 is shown first.
  std::optional<DualText> ChooseFile(HWND owner, const FileChooserRequest &request) const;
  // True when the file exists and can be opened for reading beside other readers.
  bool FileExists(const DualText &path) const;

  // List views.
  int InsertListItem(HWND list, int row, const DualText &text, int image) const;
  DualText ListItemText(HWND list, int row) const;
  void InsertListColumn(HWND list, int column, int width, const DualText &title) const;

  // Tree views: a text-only item at the end of `parent`'s children.
  HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const DualText &text) const;

  // Drawing.
  int TextHeight(HDC dc) const;
  // The text at (x, y), its background filling `clip`, clipped to it.
  void DrawOpaqueText(HDC dc, int x, int y, const RECT &clip, const DualText &text) const;
  void DrawTextInRect(HDC dc, const DualText &text, RECT *rect, UINT format) const;

  // Printers, with names in this policy's code page. Access 0 asks for no access rights.
  ScopedPrinter OpenPrinterByName(const DualText &name, ACCESS_MASK access) const;
  DWORD QueryPrinterData(HANDLE printer, LPCSTR valueName, DWORD *type, BYTE *buffer,
                         DWORD bufferSize, DWORD *needed) const;
  DWORD WritePrinterData(HANDLE printer, LPCSTR valueName, DWORD type, const BYTE *data,
                         DWORD size) const;
  std::optional<PrinterPortAndDriver> ReadPrinterInfo(HANDLE printer) const;
  // The path of the driver's file for the platform's environment; empty when unknown.
  std::string ReadDriverPath(HANDLE printer) const;
  std::string SystemDirectory() const;

  // The registry.
  ScopedRegKey CreateRegKey(HKEY root, const DualText &path, REGSAM access) const;
  ScopedRegKey OpenRegKey(HKEY root, const DualText &path, REGSAM access) const;
  // Value `index` of the key: its name (at most MAX_PATH characters) and, with a buffer, its
  // data; `size` is in and out as for RegEnumValue.
  LONG EnumRegValue(HKEY key, DWORD index, std::string *name, BYTE *data, DWORD *size) const;

 private:
  TextPolicy(bool ansi, UINT codePage) : m_bAnsi(ansi), m_uCodePage(codePage) {}

  bool m_bAnsi;
  UINT m_uCodePage;
};
