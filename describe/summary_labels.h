// The texts of the settings summary: host strings loaded by number and shaped into labels by
// the page's language, direction and code page, and the clean-up of mnemonics and colons.
#pragma once

#include <windows.h>

#include <string>

#include "abi/host_interfaces.h"
#include "store/text_policy.h"

// How a label is given its colon.
enum class LabelStyle {
  N,  // as loaded
  L,  // the language's colon (right-to-left: ":" in front)
  A,  // a plain ":" (right-to-left: ":" in front)
  K,  // the language's colon whatever the direction
  P,  // a plain ":" whatever the direction
  I,  // style L, indented by two blanks
};

class SummaryLabels {
 public:
  // `language` is the page's 16-bit language code; only its low byte counts. The text policy is
  // the page's.
  SummaryLabels(UIManager *manager, WORD language, bool rightToLeft, const TextPolicy &text);

  BYTE GetLanguage() const { return m_bLanguage; }
  bool IsRightToLeft() const { return m_bRightToLeft; }
  const TextPolicy &Policy() const { return m_Text; }

  // The host string in its wide form; empty when the host has none.
  WideString Load(UINT id) const;
  // The host string in the page's code page.
  std::string Text(UINT id) const;
  // The host string shaped as a label of the style, in the page's code page.
  std::string Label(UINT id, LabelStyle style) const;
  std::string Shape(WideString label, LabelStyle style) const;
  // "[ text ]" of the host string without its trailing colon.
  std::string Heading(UINT id) const;

  // Appends the language's colon (IDS_LANGUAGE_COLON) unless the label ends in ":" or in that
  // colon already.
  void AppendLabelColon(WideString &label) const;
  // Removes a trailing ":" or a trailing language colon.
  void StripLabelColon(std::string &label) const;
  // Removes the keyboard mnemonic in place: "(&X)" for the languages that write it so, else
  // the first "&". Works character by character in the page's code page.
  void StripMnemonic(char *text) const;

 private:
  WCHAR LanguageColon() const;

  UIManager *m_pManager;
  BYTE m_bLanguage;
  bool m_bRightToLeft;
  TextPolicy m_Text;
};
