// Every text and every ANSI/wide choice of the settings-information dialog in one place: the
// dialog's language and code page, host strings made into node texts (CopyString), the colons
// of labels, and the Win32 calls that take or give text, made through the A or the W entry point
// by the host's platform. Node texts are ANSI in the chosen code page; on the wide platform they
// are converted back to wide where they leave the dialog.
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

  bool IsAnsiPlatform() const { return m_bAnsi; }
  // The model's override language when its override byte is set, else the host's.
  WORD Language() const;
  // Chooses the code page of the dialog's texts; until then it is 0, the system's code page.
  void ChooseCodePage();
  UINT GetCodePage() const { return m_uCodePage; }

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
  // A name the system keeps in its own code page (a form, a font, a user) as node text.
  std::string SystemNameText(const std::string &name) {
    return NameText(TextPolicy::ForSystemNames(m_bAnsi).ToWide(name.c_str()));
  }

  // Appends the language's colon (host string 2709) unless the label already ends in ":" or in
  // the language's colon.
  void EnsureColon(std::string &label);
  // Removes a trailing ":" or a trailing language colon.
  void StripInfoColon(std::string &label);
  WideString ToWide(const std::string &text) const;

  // The Win32 doors of the dialog, A or W by the platform.
  HTREEITEM AddInfoItem(HWND tree, HTREEITEM parent, const std::string &text);
  void ExpandItem(HWND tree, HTREEITEM item) const;
  void SetText(HWND window, const std::string &text) const;
  std::string ControlText(HWND dialog, int controlId) const;
  LRESULT SendControl(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam) const;
  INT_PTR RunDialog(HINSTANCE instance, int templateId, HWND parent, DLGPROC procedure) const;

 private:
  WCHAR LanguageColon() const;
  // The conversions of a code page, by the dialog's platform.
  TextPolicy Converter(UINT codePage) const { return TextPolicy::ForPage(m_bAnsi, codePage); }
  // Drops the mnemonics of a converted text, character by character in the code page.
  void DropMnemonics(std::string &text) const;

  UIManager *m_pManager;
  ModelInfoRecord *m_pModel;
  bool m_bAnsi;
  bool m_bModernPlatform;
  UINT m_uCodePage;
  // The insert records, prepared once: at the end of the root, text only.
  TVINSERTSTRUCTA m_InsertA;
  TVINSERTSTRUCTW m_InsertW;
};

// Appends one blank and the value to the text.
void JoinLabelValue(std::string &text, const std::string &value);
