// Conversion between the code pages and UTF-16, with the replacement rules of
// MultiByteToWideChar and WideCharToMultiByte, and the UTF-8 conversions the platform uses for
// paths and other internal text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codepage_table.h"

namespace winplat::codepage {

// Undecodable sequences become U+FFFD, or end the conversion (nullopt) when strict.
std::optional<std::u16string> Decode(const CodePage &page, std::string_view text, bool strict);

struct EncodeOptions {
  // Written once per UTF-16 unit that the code page cannot represent (not used for UTF-8).
  std::string_view defaultChar = "?";
  // Refuse conversions that do not decode back to the same character.
  bool noBestFit = false;
  // UTF-8 only: an unpaired surrogate ends the conversion instead of becoming U+FFFD.
  bool strict = false;
};

struct Encoded {
  std::string bytes;
  bool usedDefaultChar = false;
};

std::optional<Encoded> Encode(const CodePage &page, std::u16string_view text,
                              const EncodeOptions &options);

// Lenient conversions (U+FFFD and '?' replacements) for internal text, which is UTF-8.
std::string Utf8FromWide(std::u16string_view text);
std::u16string WideFromUtf8(std::string_view text);
std::string Utf8FromAnsi(std::string_view text);
std::string AnsiFromUtf8(std::string_view text);
std::u16string WideFromAnsi(std::string_view text);
std::string AnsiFromWide(std::u16string_view text);

}  // namespace winplat::codepage
