// Texts, conversions and the A/W doors of the settings-information dialog.
#include "describe/settings_info_text.h"

#include "abi/languages.h"
#include "abi/resource_ids.h"
#include "describe/settings_info_language.h"

namespace {

constexpr int kResourceTextChars = 260;
// Texts read back from controls.
constexpr int kControlTextChars = 260;
constexpr char COLON = ':';

// Lithuanian: converted with the Western code page, after which the dialog uses the Baltic one.
constexpr BYTE kConvertedAsWestern = LANG_BYTE_LITHUANIAN;
constexpr UINT kWesternCodePage = 1252;
constexpr UINT kBalticCodePage = 1257;

}  // namespace

InfoText::InfoText(UIManager *manager, ModelInfoRecord *model, bool ansiPlatform,
                   bool modernPlatform)
    : m_pManager(manager),
      m_pModel(model),
      m_bModernPlatform(modernPlatform),
      m_Text(TextPolicy::ForSettingsInfo(ansiPlatform, 0)) {}

WORD InfoText::Language() const {
  return InfoLanguage(m_pManager->GetLanguage(), m_pModel);
}

void InfoText::ChooseCodePage() {
  const WORD language = InfoCodePageLanguage(m_pManager->GetLanguage(), m_pModel);
  m_Text = TextPolicy::ForSettingsInfo(m_Text.IsAnsi(),
                                       InfoCodePage(language, m_bModernPlatform, GetACP()));
}

WideString InfoText::Load(UINT id) const {
  WCHAR buffer[kResourceTextChars];
  buffer[0] = 0;
  m_pManager->LoadResString(id, buffer, kResourceTextChars, 0, 0, 0);
  buffer[kResourceTextChars - 1] = 0;
  return WideString(buffer);
}

std::string InfoText::CopyString(const WideString &source, bool convert) {
  if (!convert && m_Text.CodePage() == 0) {
    std::string narrowed;
    for (WCHAR c : source)
      if (c != '&')
        narrowed.push_back(static_cast<char>(c & 0xFF));
    return narrowed;
  }
  const bool western = m_bModernPlatform && LanguageByte(Language()) == kConvertedAsWestern;
  std::string text;
  if (western) {
    text = TextPolicy::ForSettingsInfo(m_Text.IsAnsi(), kWesternCodePage).ToText(source.c_str());
    m_Text = TextPolicy::ForSettingsInfo(m_Text.IsAnsi(), kBalticCodePage);
  } else {
    text = m_Text.ToText(source.c_str());
  }
  DropMnemonics(text);
  return text;
}

void InfoText::DropMnemonics(std::string &text) const {
  const bool keepBrackets = LanguageByte(Language()) == LANG_BYTE_JAPANESE;
  std::string kept;
  for (size_t at = 0; at < text.size();) {
    if (!keepBrackets && text.compare(at, 2, "(&") == 0 && at + 2 < text.size()) {
      const size_t mnemonic = m_Text.CharBytes(text.c_str() + at + 2);
      if (at + 2 + mnemonic < text.size() && text[at + 2 + mnemonic] == ')') {
        at += 3 + mnemonic;
        continue;
      }
    }
    const size_t length = m_Text.CharBytes(text.c_str() + at);
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
  label = m_Text.ToText(wide.c_str());
}

WideString InfoText::ToWide(const std::string &text) const {
  return m_Text.ToWide(text.c_str());
}

std::string InfoText::SystemNameText(const std::string &name) {
  return NameText(TextPolicy::ForSystemNames(m_Text.IsAnsi()).ToWide(name.c_str()));
}

HTREEITEM InfoText::AddInfoItem(HWND tree, HTREEITEM parent, const std::string &text) const {
  return m_Text.InsertTreeItem(tree, parent, m_Text.FromText(text.c_str()));
}

void InfoText::ExpandItem(HWND tree, HTREEITEM item) const {
  m_Text.Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void InfoText::SetText(HWND window, const std::string &text) const {
  m_Text.SetText(window, m_Text.FromText(text.c_str()));
}

std::string InfoText::ControlText(HWND dialog, int controlId) const {
  return m_Text.ItemText(dialog, controlId, kControlTextChars - 1).text;
}

LRESULT InfoText::SendControl(HWND dialog, int controlId, UINT message, WPARAM wParam,
                              LPARAM lParam) const {
  return m_Text.SendItem(dialog, controlId, message, wParam, lParam);
}

INT_PTR InfoText::RunDialog(HINSTANCE instance, int templateId, HWND parent,
                            DLGPROC procedure) const {
  return m_Text.RunModal(instance, templateId, parent, procedure);
}

void JoinLabelValue(std::string &text, const std::string &value) {
  text += ' ';
  text += value;
}
