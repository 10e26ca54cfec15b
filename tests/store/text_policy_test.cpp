// The text policy's conversions into a caller's buffer: the buffer's size is the limit, the
// text is cut at a whole character and always terminated, and not a byte lands behind it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <winplat/config.h>

#include "abi/wide.h"
#include "store/text_policy.h"

namespace {

// "日本" in code page 932: two double-byte characters.
const char kNihon[] = "\x93\xFA\x96\x7B";
constexpr char kGuard = '#';

TEST(TextPolicyTest, TextIntoABufferKeepsWholeCharactersWithinItsSize) {
  const TextPolicy japanese = TextPolicy::ForPage(false, 932);
  struct Case {
    size_t capacity;
    const char *expected;
  } cases[] = {
      {6, kNihon}, {5, kNihon}, {4, "\x93\xFA"}, {3, "\x93\xFA"}, {2, ""}, {1, ""},
  };
  for (const Case &c : cases) {
    char buffer[8];
    std::memset(buffer, kGuard, sizeof buffer);
    EXPECT_STREQ(japanese.ToText(buffer, c.capacity, WSTR("\u65E5\u672C")), c.expected)
        << c.capacity;
    for (size_t i = c.capacity; i < sizeof buffer; ++i)
      EXPECT_EQ(buffer[i], kGuard) << c.capacity << " byte " << i;
  }
}

TEST(TextPolicyTest, WideIntoABufferKeepsWithinItsSize) {
  const TextPolicy japanese = TextPolicy::ForPage(false, 932);
  struct Case {
    size_t capacity;
    WideString expected;
  } cases[] = {
      {4, WSTR("\u65E5\u672C")}, {3, WSTR("\u65E5\u672C")}, {2, WSTR("\u65E5")}, {1, WSTR("")}};
  for (const Case &c : cases) {
    WCHAR buffer[6];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(WideString(japanese.ToWide(buffer, c.capacity, kNihon)), c.expected) << c.capacity;
    for (size_t i = c.capacity; i < std::size(buffer); ++i)
      EXPECT_EQ(buffer[i], u'#') << c.capacity << " character " << i;
  }
}

// A lead byte at the end of a text has no trail byte: it counts as a character of its own.
TEST(TextPolicyTest, CopiesCountALoneLeadByteAsOneCharacter) {
  const TextPolicy japanese = TextPolicy::ForPage(false, 932);
  char buffer[4];
  EXPECT_STREQ(japanese.CopyWholeChars(buffer, sizeof buffer, "ab\x93"), "ab\x93");
  EXPECT_STREQ(japanese.CopyWholeChars(buffer, sizeof buffer, "a\x93\xFA"), "a\x93\xFA");
  EXPECT_STREQ(japanese.CopyWholeChars(buffer, sizeof buffer, "ab\x93\xFA"), "ab");
  EXPECT_STREQ(japanese.CopyWholeChars(buffer, sizeof buffer, nullptr), "");
}

// The ANSI platform's printer names are plain ANSI: the host's wide name gives its low bytes.
// The wide platform converts it with the code page.
TEST(TextPolicyTest, HostPrinterNamesKeepTheirLowBytesOnlyOnTheAnsiPlatform) {
  const WCHAR name[] = WSTR("Caf\u00E9 \u0141\u65E5");
  const DualText ansi = TextPolicy::ForPage(true, 1252).FromHostPrinterName(name);
  EXPECT_EQ(ansi.text, "Caf\xE9 \x41\xE5");
  EXPECT_EQ(ansi.wide, name);
  const DualText wide = TextPolicy::ForPage(false, 1252).FromHostPrinterName(name);
  EXPECT_EQ(wide.text, "Caf\xE9 ??");
  EXPECT_EQ(wide.wide, name);
}

}  // namespace
