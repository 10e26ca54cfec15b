// The text policy's code pages, conversions and host strings.
#include "store/text_policy.h"

#include <string.h>

#include <vector>

namespace {

// System code pages that the dialogs name explicitly; on any other system they use CP_ACP.
UINT DialogCodePage() {
  const UINT system = GetACP();
  switch (system) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1250:
    case 1251:
    case 1256:
      return system;
    default:
      return CP_ACP;
  }
}

}  // namespace

DualText operator+(DualText head, const DualText &tail) {
  head.text += tail.text;
  head.wide += tail.wide;
  return head;
}

TextPolicy TextPolicy::ForPage(bool ansiPlatform, UINT pageCodePage) {
  return TextPolicy(ansiPlatform, pageCodePage);
}

TextPolicy TextPolicy::ForDialogs(bool ansiPlatform) {
  return TextPolicy(ansiPlatform, DialogCodePage());
}

TextPolicy TextPolicy::ForSystemNames(bool ansiPlatform) {
  return TextPolicy(ansiPlatform, CP_ACP);
}

WideString TextPolicy::ToWide(LPCSTR text) const {
  if (text == nullptr || *text == '\0')
    return WideString();
  const int needed = MultiByteToWideChar(m_uCodePage, 0, text, -1, nullptr, 0);
  if (needed <= 0)
    return WideString();
  WideString wide(static_cast<size_t>(needed), WCHAR{0});
  if (MultiByteToWideChar(m_uCodePage, 0, text, -1, wide.data(), needed) != needed)
    return WideString();
  wide.resize(static_cast<size_t>(needed) - 1);
  return wide;
}

std::string TextPolicy::ToText(LPCWSTR wide) const {
  if (wide == nullptr || *wide == 0)
    return std::string();
  const int needed = WideCharToMultiByte(m_uCodePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0)
    return std::string();
  std::string text(static_cast<size_t>(needed), '\0');
  if (WideCharToMultiByte(m_uCodePage, 0, wide, -1, text.data(), needed, nullptr, nullptr) !=
      needed)
    return std::string();
  text.resize(static_cast<size_t>(needed) - 1);
  return text;
}

LPWSTR TextPolicy::ToWide(LPWSTR buffer, size_t capacity, LPCSTR text) const {
  if (buffer == nullptr || capacity == 0)
    return buffer;
  const WideString wide = ToWide(text);
  const size_t kept = wide.size() < capacity - 1 ? wide.size() : capacity - 1;
  memcpy(buffer, wide.data(), kept * sizeof(WCHAR));
  buffer[kept] = 0;
  return buffer;
}

LPSTR TextPolicy::ToText(LPSTR buffer, size_t capacity, LPCWSTR wide) const {
  return CopyWholeChars(buffer, capacity, ToText(wide).c_str());
}

DualText TextPolicy::FromText(LPCSTR text) const {
  return {text != nullptr ? text : "", ToWide(text)};
}

DualText TextPolicy::FromWide(LPCWSTR wide) const {
  return {ToText(wide), wide != nullptr ? WideString(wide) : WideString()};
}

DualText TextPolicy::FromHostPrinterName(LPCWSTR name) const {
  if (!m_bAnsi || name == nullptr)
    return FromWide(name);
  DualText both{std::string(), WideString(name)};
  for (WCHAR c : both.wide)
    both.text.push_back(static_cast<char>(c & 0xFF));
  return both;
}

DualText TextPolicy::LoadHostString(UIManager *manager, UINT id, int chars) const {
  std::vector<WCHAR> wide(static_cast<size_t>(chars), WCHAR{0});
  if (manager != nullptr)
    manager->LoadResString(id, wide.data(), chars, 0, 0, 0);
  wide.back() = 0;
  return FromWide(wide.data());
}

size_t TextPolicy::CharBytes(LPCSTR text) const {
  if (text[0] == '\0')
    return 0;
  if (IsDBCSLeadByteEx(m_uCodePage, static_cast<BYTE>(text[0])) && text[1] != '\0')
    return 2;
  return 1;
}

size_t TextPolicy::WholeCharsPrefix(LPCSTR text, size_t maxBytes) const {
  size_t kept = 0;
  for (size_t width = CharBytes(text); width != 0 && kept + width <= maxBytes;
       width = CharBytes(text + kept))
    kept += width;
  return kept;
}

LPSTR TextPolicy::CopyWholeChars(LPSTR buffer, size_t capacity, LPCSTR text) const {
  if (buffer == nullptr || capacity == 0)
    return buffer;
  const size_t kept = text != nullptr ? WholeCharsPrefix(text, capacity - 1) : 0;
  if (kept != 0)
    memmove(buffer, text, kept);
  buffer[kept] = '\0';
  return buffer;
}
