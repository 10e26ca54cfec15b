// UTF-8 conversion for .reg files and the last .reg error message.
#include "regfile_text.h"

#include <winreg.h>

#include <mutex>

#include "winplat/registry.h"
#include "winplat/utf8.h"

namespace winplat::registry {
namespace {

std::mutex errorMutex;
std::string lastError;

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  return utf8::FromUtf16(text, utf8::LoneSurrogates::Keep);
}

std::optional<std::u16string> FromUtf8(std::string_view text) {
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
