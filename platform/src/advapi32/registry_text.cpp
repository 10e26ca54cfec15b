// ANSI <-> UTF-16 conversions through CP_ACP for the ANSI registry and spooler functions.
#include "registry_text.h"

#include <winnls.h>
#include <winreg.h>

namespace winplat::registry {

std::u16string AnsiToWide(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<size_t>(count), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), count);
  return wide;
}

std::string WideToAnsi(std::u16string_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int count = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), count, nullptr, nullptr);
  return ansi;
}

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::vector<BYTE> WideDataToAnsi(const std::vector<BYTE> &wide) {
  std::u16string text;
  for (size_t i = 0; i + 1 < wide.size(); i += 2) {
    text.push_back(static_cast<char16_t>(wide[i] | (wide[i + 1] << 8)));
  }
  const std::string ansi = WideToAnsi(text);
  return std::vector<BYTE>(ansi.begin(), ansi.end());
}

std::vector<BYTE> AnsiDataToWide(const BYTE *ansi, DWORD size) {
  const std::u16string text =
      AnsiToWide(std::string_view(reinterpret_cast<const char *>(ansi), size));
  std::vector<BYTE> wide;
  for (const char16_t unit : text) {
    wide.push_back(static_cast<BYTE>(unit & 0xFF));
    wide.push_back(static_cast<BYTE>(unit >> 8));
  }
  return wide;
}

}  // namespace winplat::registry
