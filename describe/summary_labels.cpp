// Labels and texts of the settings summary.
#include "describe/summary_labels.h"

#include "abi/resource_ids.h"

#include <string.h>

namespace {

constexpr int RESOURCE_TEXT_CHARS = 260;
constexpr WCHAR COLON = static_cast<WCHAR>(':');

// Arabic, Korean, Thai, Farsi and the two Chinese write a mnemonic as "(&X)" behind the text.
bool UsesBracketMnemonic(BYTE language) {
  switch (language) {
    case 1:
    case 18:
    case 30:
    case 41:
    case 192:
    case 193:
      return true;
    default:
      return false;
  }
}

// Offset of the first occurrence of `pattern` that starts on a character boundary, or -1.
long FindOnBoundary(const char *text, const char *pattern, const TextPolicy &policy) {
  const size_t length = strlen(pattern);
  for (size_t at = 0; text[at] != '\0'; at += policy.CharBytes(text + at))
    if (strncmp(text + at, pattern, length) == 0)
      return static_cast<long>(at);
  return -1;
}

// Removes `count` characters (fewer when the text ends first) starting at byte `at`.
void RemoveChars(char *text, size_t at, int count, const TextPolicy &policy) {
  size_t end = at;
  for (int i = 0; i < count; ++i)
    end += policy.CharBytes(text + end);
  memmove(text + at, text + end, strlen(text + end) + 1);
}

}  // namespace

SummaryLabels::SummaryLabels(UIManager *manager, WORD language, bool rightToLeft,
                             const TextPolicy &text)
    : m_pManager(manager),
      m_bLanguage(LOBYTE(language)),
      m_bRightToLeft(rightToLeft),
      m_Text(text) {}

WideString SummaryLabels::Load(UINT id) const {
  return m_Text.LoadHostString(m_pManager, id, RESOURCE_TEXT_CHARS).wide;
}

std::string SummaryLabels::Text(UINT id) const {
  return m_Text.LoadHostString(m_pManager, id, RESOURCE_TEXT_CHARS).text;
}

std::string SummaryLabels::Label(UINT id, LabelStyle style) const {
  return Shape(Load(id), style);
}

std::string SummaryLabels::Shape(WideString label, LabelStyle style) const {
  const bool endsInColon = !label.empty() && label.back() == COLON;
  switch (style) {
    case LabelStyle::N:
      break;
    case LabelStyle::L:
    case LabelStyle::A:
      if (m_bRightToLeft) {
        if (label.empty() || label.front() != COLON)
          label.insert(label.begin(), COLON);
      } else if (style == LabelStyle::L) {
        AppendLabelColon(label);
      } else if (!endsInColon) {
        label.push_back(COLON);
      }
      break;
    case LabelStyle::K:
      AppendLabelColon(label);
      break;
    case LabelStyle::P:
      if (!endsInColon)
        label.push_back(COLON);
      break;
    case LabelStyle::I: {
      std::string shaped = Shape(label, LabelStyle::L);
      return "  " + shaped;
    }
  }
  return m_Text.ToText(label.c_str());
}

std::string SummaryLabels::Heading(UINT id) const {
  std::string text = Text(id);
  StripLabelColon(text);
  return "[ " + text + " ]";
}

WCHAR SummaryLabels::LanguageColon() const {
  const WideString colon = Load(IDS_LANGUAGE_COLON);
  return colon.empty() ? WCHAR{0} : colon.front();
}

void SummaryLabels::AppendLabelColon(WideString &label) const {
  if (!label.empty() && (label.back() == COLON || label.back() == LanguageColon()))
    return;
  label += Load(IDS_LANGUAGE_COLON);
}

void SummaryLabels::StripLabelColon(std::string &label) const {
  if (label.empty())
    return;
  if (label.back() == ':') {
    label.pop_back();
    return;
  }
  WideString wide = m_Text.ToWide(label.c_str());
  const WCHAR colon = LanguageColon();
  if (wide.empty() || colon == 0 || wide.back() != colon)
    return;
  wide.pop_back();
  label = m_Text.ToText(wide.c_str());
}

void SummaryLabels::StripMnemonic(char *text) const {
  if (text == nullptr)
    return;
  if (UsesBracketMnemonic(m_bLanguage)) {
    const long at = FindOnBoundary(text, "(&", m_Text);
    if (at >= 0)
      RemoveChars(text, static_cast<size_t>(at), 4, m_Text);
    return;
  }
  const long at = FindOnBoundary(text, "&", m_Text);
  if (at >= 0)
    RemoveChars(text, static_cast<size_t>(at), 1, m_Text);
}
