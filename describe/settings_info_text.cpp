// Texts, conversions and the A/W doors of the settings-information dialog.
#include "describe/settings_info_text.h"

#include <string.h>

#include "abi/languages.h"
#include "abi/resource_ids.h"
#include "describe/settings_info_language.h"

namespace {

constexpr int kResourceTextChars = 260;
// Buffers for texts read back from controls.
constexpr int kControlTextChars = 260;
// The insert records' text length; insertion does not read it.
constexpr int kInsertTextLength = 10;
constexpr char COLON = ':';

// Lithuanian: converted with the Western code page, after which the dialog uses the Baltic one.
constexpr BYTE kConvertedAsWestern = LANG_BYTE_LITHUANIAN;
constexpr UINT kWesternCodePage = 1252;
constexpr UINT kBalticCodePage = 1257;

size_t CharBytes(const std::string &text, size_t at, UINT codePage) {
  if (at + 1 < text.size() && IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])))
    return 2;
  return 1;
}

}  // namespace

InfoText::InfoText(UIManager *manager, ModelInfoRecord *model, bool ansiPlatform,
                   bool modernPlatform)
    : m_pManager(manager),
      m_pModel(model),
      m_bAnsi(ansiPlatform),
      m_bModernPlatform(modernPlatform),
      m_uCodePage(0) {
  memset(&m_InsertA, 0, sizeof m_InsertA);
  m_InsertA.hParent = TVI_ROOT;
  m_InsertA.hInsertAfter = TVI_LAST;
  m_InsertA.item.mask = TVIF_TEXT;
  m_InsertA.item.cchTextMax = kInsertTextLength;
  memset(&m_InsertW, 0, sizeof m_InsertW);
  m_InsertW.hParent = TVI_ROOT;
  m_InsertW.hInsertAfter = TVI_LAST;
  m_InsertW.item.mask = TVIF_TEXT;
  m_InsertW.item.cchTextMax = kInsertTextLength;
}

WORD InfoText::Language() const {
  return InfoLanguage(m_pManager->GetLanguage(), m_pModel);
}

void InfoText::ChooseCodePage() {
  const WORD language = InfoCodePageLanguage(m_pManager->GetLanguage(), m_pModel);
  m_uCodePage = InfoCodePage(language, m_bModernPlatform, GetACP());
}

WideString InfoText::Load(UINT id) const {
  WCHAR buffer[kResourceTextChars];
  buffer[0] = 0;
  m_pManager->LoadResString(id, buffer, kResourceTextChars, 0, 0, 0);
  buffer[kResourceTextChars - 1] = 0;
  return WideString(buffer);
}

std::string InfoText::CopyString(const WideString &source, bool convert) {
  if (!convert && m_uCodePage == 0) {
    std::string narrowed;
    for (WCHAR c : source)
      if (c != '&')
        narrowed.push_back(static_cast<char>(c & 0xFF));
    return narrowed;
  }
  UINT codePage = m_uCodePage;
  const bool western = m_bModernPlatform && LanguageByte(Language()) == kConvertedAsWestern;
  if (western)
    codePage = kWesternCodePage;
  std::string text = Converter(codePage).ToText(source.c_str());
  if (western)
    m_uCodePage = kBalticCodePage;
  DropMnemonics(text);
  return text;
}

void InfoText::DropMnemonics(std::string &text) const {
  const bool keepBrackets = LanguageByte(Language()) == LANG_BYTE_JAPANESE;
  std::string kept;
  for (size_t at = 0; at < text.size();) {
    if (!keepBrackets && text.compare(at, 2, "(&") == 0 && at + 2 < text.size()) {
      const size_t mnemonic = CharBytes(text, at + 2, m_uCodePage);
      if (at + 2 + mnemonic < text.size() && text[at + 2 + mnemonic] == ')') {
        at += 3 + mnemonic;
        continue;
      }
    }
    const size_t length = CharBytes(text, at, m_uCodePage);
    if (length == 1 && text[at] == '&') {
      ++at;
      continue;
    }
    kept.append(text, at, length);
    at += length;
  }
  text = kept;
}

WCHAR InfoText::LanguageColon() const {
  const WideString colon = Load(IDS_LANGUAGE_COLON);
  return colon.empty() ? WCHAR{0} : colon.front();
}

void InfoText::EnsureColon(std::string &label) {
  if (!label.empty() && label.back() == COLON)
    return;
  const WideString wide = ToWide(label);
  const WCHAR colon = LanguageColon();
  if (!wide.empty() && colon != 0 && wide.back() == colon)
    return;
  label += HostText(IDS_LANGUAGE_COLON);
}

void InfoText::StripInfoColon(std::string &label) {
  if (label.empty())
    return;
  if (label.back() == COLON) {
    label.pop_back();
    return;
  }
  WideString wide = ToWide(label);
  const WCHAR colon = LanguageColon();
  if (wide.empty() || colon == 0 || wide.back() != colon)
    return;
  wide.pop_back();
  label = Converter(m_uCodePage).ToText(wide.c_str());
}

WideString InfoText::ToWide(const std::string &text) const {
  return Converter(m_uCodePage).ToWide(text.c_str());
}

HTREEITEM InfoText::AddInfoItem(HWND tree, HTREEITEM parent, const std::string &text) {
  if (m_bAnsi) {
    m_InsertA.hParent = parent;
    m_InsertA.item.pszText = const_cast<LPSTR>(text.c_str());
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&m_InsertA)));
  }
  WideString wide = ToWide(text);
  m_InsertW.hParent = parent;
  m_InsertW.item.pszText = wide.data();
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&m_InsertW)));
}

void InfoText::ExpandItem(HWND tree, HTREEITEM item) const {
  if (m_bAnsi)
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  else
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void InfoText::SetText(HWND window, const std::string &text) const {
  if (m_bAnsi)
    SetWindowTextA(window, text.c_str());
  else
    SetWindowTextW(window, ToWide(text).c_str());
}

std::string InfoText::ControlText(HWND dialog, int controlId) const {
  if (m_bAnsi) {
    char text[kControlTextChars] = {};
    GetDlgItemTextA(dialog, controlId, text, kControlTextChars);
    return text;
  }
  WCHAR text[kControlTextChars] = {};
  GetDlgItemTextW(dialog, controlId, text, kControlTextChars);
  return Converter(m_uCodePage).ToText(text);
}

LRESULT InfoText::SendControl(HWND dialog, int controlId, UINT message, WPARAM wParam,
                              LPARAM lParam) const {
  if (m_bAnsi)
    return SendDlgItemMessageA(dialog, controlId, message, wParam, lParam);
  return SendDlgItemMessageW(dialog, controlId, message, wParam, lParam);
}

INT_PTR InfoText::RunDialog(HINSTANCE instance, int templateId, HWND parent,
                            DLGPROC procedure) const {
  if (m_bAnsi)
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), parent, procedure, 0);
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), parent, procedure, 0);
}

void JoinLabelValue(std::string &text, const std::string &value) {
  text += ' ';
  text += value;
}
