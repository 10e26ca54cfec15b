// Every text of the settings-information dialog: the dialog's language and code page, host
// strings made into node texts (CopyString), the colons of labels, and the dialog's Win32 calls
// that take or give text, made through its text policy. Node texts are ANSI in the chosen code
// page; on the wide platform the policy converts them back to wide where they leave the dialog.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "abi/host_interfaces.h"
#include "abi/host_records.h"
#include "store/text_policy.h"

class InfoText {
 public:
  // `model` may be null; its override byte is cleared when the code page is chosen for a
  // language that never takes the override.
  InfoText(UIManager *manager, ModelInfoRecord *model, bool ansiPlatform, bool modernPlatform);

  bool IsAnsiPlatform() const { return m_Text.IsAnsi(); }
  // The model's override language when its override byte is set, else the host's.
  WORD Language() const;
  // Chooses the code page of the dialog's texts; until then it is 0, the system's code page.
  void ChooseCodePage();
  UINT GetCodePage() const { return m_Text.CodePage(); }

  // A host string in its wide form, at most 259 characters; empty when the host has none.
  WideString Load(UINT id) const;
  // The wide text in the dialog's code page, without its mnemonics. With `convert` clear and the
  // code page still 0, each character is narrowed to its low byte and every "&" dropped;
  // otherwise it is converted with the code page, and "(&X)" is removed (kept as "(X)" in
  // Japanese) and every other "&" dropped.
  std::string CopyString(const WideString &source, bool convert);
  // A host string as node text: CopyString without the conversion flag.
  std::string HostText(UINT id) { return CopyString(Load(id), false); }
  // A name read from the settings or the printer's data: CopyString with the conversion flag.
  std::string NameText(const WideString &name) { return CopyString(name, true); }
  // A name the settings keep as ANSI text in the system's code page, as node text.
  std::string SystemNameText(const std::string &name);

  // Appends the language's colon (IDS_LANGUAGE_COLON) unless the label already ends in ":" or in
  // the language's colon.
  void EnsureColon(std::string &label);
  // Removes a trailing ":" or a trailing language colon.
  void StripInfoColon(std::string &label);
  WideString ToWide(const std::string &text) const;

  // The Win32 calls of the dialog, A or W by the platform.
  HTREEITEM AddInfoItem(HWND tree, HTREEITEM parent, const std::string &text) const;
  void ExpandItem(HWND tree, HTREEITEM item) const;
  void SetText(HWND window, const std::string &text) const;
  std::string ControlText(HWND dialog, int controlId) const;
  LRESULT SendControl(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam) const;
  INT_PTR RunDialog(HINSTANCE instance, int templateId, HWND parent, DLGPROC procedure) const;

 private:
  WCHAR LanguageColon() const;
  // Drops the mnemonics of a converted text, character by character in the code page.
  void DropMnemonics(std::string &text) const;

  UIManager *m_pManager;
  ModelInfoRecord *m_pModel;
  bool m_bModernPlatform;
  TextPolicy m_Text;  // the platform and the dialog's code page
};

// Appends one blank and the value to the text.
void JoinLabelValue(std::string &text, const std::string &value);
