// UTF-8 conversion for .reg files and the last .reg error message.
#include "regfile_text.h"

#include <winreg.h>

#include <algorithm>
#include <mutex>
#include <type_traits>

#include "winplat/registry.h"
#include "winplat/utf8.h"

namespace winplat::registry {
namespace {

std::mutex errorMutex;
std::string lastError;

// ASCII text, which most names and strings of a hive are, converts unit for byte.
template <typename Text>
bool IsAscii(const Text &text) {
  return std::all_of(text.begin(), text.end(), [](auto unit) {
    return static_cast<std::make_unsigned_t<decltype(unit)>>(unit) < 0x80;
  });
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  if (IsAscii(text))
    return std::string(text.begin(), text.end());
  return utf8::FromUtf16(text, utf8::LoneSurrogates::Keep);
}

std::optional<std::u16string> FromUtf8(std::string_view text) {
  if (IsAscii(text))
    return std::u16string(text.begin(), text.end());
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = utf8::Decode(text, pos, true);
    if (c == utf8::kInvalid)
      return std::nullopt;
    utf8::AppendUtf16(out, c);
  }
  return out;
}

void SetRegistryFileError(std::string message) {
  std::lock_guard lock(errorMutex);
  lastError = std::move(message);
}

}  // namespace winplat::registry

std::string winplat::LastRegistryFileError() {
  std::lock_guard lock(winplat::registry::errorMutex);
  return winplat::registry::lastError;
}
