// Conversions through iconv. Decoding converts a whole text and resumes after each undecodable
// sequence; encoding converts one character at a time so that each character that the code page
// lacks (or that would not survive a round trip) can be replaced on its own. Text of ASCII
// characters only, in a code page that keeps them as they are, is copied unit for byte, and
// well-formed UTF-8 is decoded here, both without iconv.
#include "codepage_convert.h"

#include <errno.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <type_traits>

#include "codepage_iconv.h"

namespace winplat::codepage {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr size_t kIconvFailed = static_cast<size_t>(-1);

// Length of the maximal invalid subsequence at the start of UTF-8 text (at least one byte).
size_t InvalidUtf8Length(std::string_view text) {
  const BYTE first = static_cast<BYTE>(text[0]);
  if (first < 0xC2 || first > 0xF4)
    return 1;
  const size_t continuations = first < 0xE0 ? 1 : first < 0xF0 ? 2 : 3;
  BYTE low = 0x80, high = 0xBF;
  if (first == 0xE0)
    low = 0xA0;
  if (first == 0xED)
    high = 0x9F;
  if (first == 0xF0)
    low = 0x90;
  if (first == 0xF4)
    high = 0x8F;
  size_t length = 1;
  while (length <= continuations && length < text.size()) {
    const BYTE next = static_cast<BYTE>(text[length]);
    if (next < low || next > high)
      break;
    low = 0x80;
    high = 0xBF;
    ++length;
  }
  return length;
}

size_t InvalidLength(const CodePage &page, std::string_view text) {
  return page.IsUtf8() ? InvalidUtf8Length(text) : page.CharLength(text);
}

[[noreturn]] void ThrowIconvFailure(const CodePage &page) {
  throw std::runtime_error("iconv cannot convert code page " + std::to_string(page.number) + ": " +
                           std::strerror(errno));
}

bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

// The code point at text[index] and the number of UTF-16 units it takes; an unpaired
// surrogate is returned as it is.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view text, size_t index) {
  const char32_t unit = text[index];
  if (unit >= 0xD800 && unit <= 0xDBFF && index + 1 < text.size()) {
    const char32_t next = text[index + 1];
    if (next >= 0xDC00 && next <= 0xDFFF) {
      return {0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), 2};
    }
  }
  return {unit, 1};
}

bool EncodeOne(const IconvLease &encoder, char32_t codePoint, std::string &bytes) {
  char input[sizeof(char32_t)];
  std::memcpy(input, &codePoint, sizeof input);
  char output[16];
  char *in = input, *out = output;
  size_t inLeft = sizeof input, outLeft = sizeof output;
  if (iconv(encoder.get(), &in, &inLeft, &out, &outLeft) == kIconvFailed ||
      iconv(encoder.get(), nullptr, nullptr, &out, &outLeft) == kIconvFailed) {
    encoder.Reset();
    return false;
  }
  bytes.assign(output, out);
  return true;
}

bool DecodesTo(const IconvLease &decoder, const std::string &bytes, char32_t codePoint) {
  char32_t decoded[2] = {};
  char *in = const_cast<char *>(bytes.data());
  char *out = reinterpret_cast<char *>(decoded);
  size_t inLeft = bytes.size(), outLeft = sizeof decoded;
  const bool converted = iconv(decoder.get(), &in, &inLeft, &out, &outLeft) != kIconvFailed &&
                         iconv(decoder.get(), nullptr, nullptr, &out, &outLeft) != kIconvFailed;
  decoder.Reset();
  return converted && outLeft == sizeof(char32_t) && decoded[0] == codePoint;
}

void AppendDefault(Encoded &result, std::string_view defaultChar, size_t units) {
  for (size_t i = 0; i < units; ++i)
    result.bytes += defaultChar;
  result.usedDefaultChar = true;
}

const CodePage &Utf8() {
  return *Find(65001);
}

std::optional<std::u16string> DecodeWithIconv(const CodePage &page, std::string_view text,
                                              bool strict) {
  IconvLease decoder(WideIconvName(), page.iconvNames);
  if (!decoder)
    ThrowIconvFailure(page);
  // No code page here yields more than one UTF-16 unit per byte, replacements included.
  std::u16string result(text.size(), u'\0');
  char *in = const_cast<char *>(text.data());
  char *out = reinterpret_cast<char *>(result.data());
  size_t inLeft = text.size(), outLeft = result.size() * sizeof(char16_t);
  while (iconv(decoder.get(), &in, &inLeft, &out, &outLeft) == kIconvFailed) {
    if (errno != EILSEQ && errno != EINVAL)
      ThrowIconvFailure(page);
    if (strict)
      return std::nullopt;
    decoder.Reset();
    const size_t skipped = InvalidLength(page, std::string_view(in, inLeft));
    in += skipped;
    inLeft -= skipped;
    std::memcpy(out, &kReplacement, sizeof kReplacement);
    out += sizeof kReplacement;
    outLeft -= sizeof kReplacement;
  }
  if (iconv(decoder.get(), nullptr, nullptr, &out, &outLeft) == kIconvFailed) {
    ThrowIconvFailure(page);
  }
  result.resize(result.size() - outLeft / sizeof(char16_t));
  return result;
}

std::optional<Encoded> EncodeWithIconv(const CodePage &page, std::u16string_view text,
                                       const EncodeOptions &options) {
  IconvLease encoder(page.iconvNames, Utf32IconvName());
  IconvLease decoder(Utf32IconvName(), page.iconvNames);
  if (!encoder || !decoder)
    ThrowIconvFailure(page);
  Encoded result;
  std::string bytes;
  for (size_t index = 0; index < text.size();) {
    const auto [codePoint, units] = CodePointAt(text, index);
    index += units;
    if (IsSurrogate(codePoint) && page.IsUtf8()) {
      if (options.strict)
        return std::nullopt;
      result.bytes += "\xEF\xBF\xBD";
    } else if (IsSurrogate(codePoint) || !EncodeOne(encoder, codePoint, bytes) ||
               (options.noBestFit && !DecodesTo(decoder, bytes, codePoint))) {
      AppendDefault(result, options.defaultChar, units);
    } else {
      result.bytes += bytes;
    }
  }
  return result;
}

template <typename Text>
bool IsAscii(const Text &text) {
  return std::all_of(text.begin(), text.end(), [](auto unit) {
    return static_cast<std::make_unsigned_t<decltype(unit)>>(unit) < 0x80;
  });
}

// Whether the code page decodes every byte below 0x80 to the same code point and encodes it
// back to that byte; asked of iconv once per code page.
bool KeepsAscii(const CodePage &page) {
  static std::mutex mutex;
  static std::map<UINT, bool> known;
  std::lock_guard lock(mutex);
  const auto found = known.find(page.number);
  if (found != known.end())
    return found->second;
  std::string bytes;
  std::u16string units;
  for (int c = 0; c < 0x80; ++c) {
    bytes += static_cast<char>(c);
    units += static_cast<char16_t>(c);
  }
  const std::optional<std::u16string> decoded = DecodeWithIconv(page, bytes, true);
  const std::optional<Encoded> encoded = EncodeWithIconv(page, units, {"?", true, true});
  const bool keeps = decoded == units && encoded && encoded->bytes == bytes;
  known.emplace(page.number, keeps);
  return keeps;
}

// Well-formed UTF-8 decoded here; nothing at the first ill-formed sequence, which iconv then
// decodes with its replacements.
std::optional<std::u16string> DecodeWellFormedUtf8(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const BYTE first = static_cast<BYTE>(text[i]);
    if (first < 0x80) {
      result += static_cast<char16_t>(first);
      ++i;
      continue;
    }
    const size_t length = first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
    if (InvalidUtf8Length(text.substr(i)) != length)
      return std::nullopt;
    char32_t codePoint = first & (0x7F >> length);
    for (size_t k = 1; k < length; ++k)
      codePoint = (codePoint << 6) | (static_cast<BYTE>(text[i + k]) & 0x3F);
    if (codePoint >= 0x10000) {
      result += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
      result += static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    } else {
      result += static_cast<char16_t>(codePoint);
    }
    i += length;
  }
  return result;
}

}  // namespace

std::optional<std::u16string> Decode(const CodePage &page, std::string_view text, bool strict) {
  if (IsAscii(text) && KeepsAscii(page))
    return std::u16string(text.begin(), text.end());
  if (page.IsUtf8())
    if (std::optional<std::u16string> decoded = DecodeWellFormedUtf8(text))
      return decoded;
  return DecodeWithIconv(page, text, strict);
}

std::optional<Encoded> Encode(const CodePage &page, std::u16string_view text,
                              const EncodeOptions &options) {
  if (IsAscii(text) && KeepsAscii(page))
    return Encoded{std::string(text.begin(), text.end()), false};
  return EncodeWithIconv(page, text, options);
}

std::string Utf8FromWide(std::u16string_view text) {
  return Encode(Utf8(), text, {})->bytes;
}

std::u16string WideFromUtf8(std::string_view text) {
  return *Decode(Utf8(), text, false);
}

std::string Utf8FromAnsi(std::string_view text) {
  return Utf8FromWide(WideFromAnsi(text));
}

std::string AnsiFromUtf8(std::string_view text) {
  return AnsiFromWide(WideFromUtf8(text));
}

std::u16string WideFromAnsi(std::string_view text) {
  return *Decode(Ansi(), text, false);
}

std::string AnsiFromWide(std::u16string_view text) {
  return Encode(Ansi(), text, {})->bytes;
}

}  // namespace winplat::codepage
