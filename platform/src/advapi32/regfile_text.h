// What the .reg reader and writer share: the header line, UTF-8 <-> UTF-16 conversion of names
// and strings, and the message kept for LastRegistryFileError().
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace winplat::registry {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";

// UTF-16 to UTF-8. An unpaired surrogate is written as its own three-byte sequence so that any
// name survives a round trip.
std::string ToUtf8(std::u16string_view text);
// UTF-8 (with three-byte surrogates accepted back) to UTF-16; nothing for malformed input.
std::optional<std::u16string> FromUtf8(std::string_view text);

void SetRegistryFileError(std::string message);

}  // namespace winplat::registry
