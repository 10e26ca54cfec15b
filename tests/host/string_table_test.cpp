// The host's string tables: the parser, and the built-in English and Japanese tables.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "abi/wide.h"
#include "host/string_table.h"
#include "host/text_convert.h"

namespace host {
namespace {

TEST(StringTableTest, ParsesEntriesWithEscapes) {
  std::string error;
  auto table = StringTable::Parse(
      "// comment\nSTRINGTABLE\nBEGIN\n    11, \"Profile\"\r\n  2121,\t\"A \\\"%s\\\"\\n\\\\ "
      "\\t\"\n"
      "END\n",
      &error);
  ASSERT_TRUE(table) << error;
  EXPECT_EQ(*table->Find(11), WSTR("Profile"));
  EXPECT_EQ(*table->Find(2121), WSTR("A \"%s\"\n\\ \t"));
  EXPECT_EQ(table->Find(12), nullptr);
}

TEST(StringTableTest, RejectsMalformedTablesWithTheLine) {
  struct Case {
    const char *text;
    const char *error;
  } cases[] = {
      {"STRINGTABLE\nBEGIN\n1, \"a\"\n1, \"b\"\nEND\n", "line 4: string 1 defined twice"},
      {"STRINGTABLE\nBEGIN\n1, \"a\\q\"\nEND\n", "line 3"},
      {"STRINGTABLE\nBEGIN\n1, \"a\" x\nEND\n", "line 3"},
      {"STRINGTABLE\nBEGIN\n1 \"a\"\nEND\n", "line 3"},
      {"STRINGTABLE\nBEGIN\n70000, \"a\"\nEND\n", "line 3"},
      {"STRINGTABLE\nBEGIN\n-1, \"a\"\nEND\n", "line 3"},
      {"STRINGTABLE\nBEGIN\n1, \"a\"\n", "missing"},
      {"BEGIN\n1, \"a\"\nEND\n", "line 1"},
      {"STRINGTABLE\nBEGIN\nEND\nextra\n", "line 4"},
  };
  for (const Case &c : cases) {
    std::string error;
    EXPECT_FALSE(StringTable::Parse(c.text, &error)) << c.text;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.text << " gave " << error;
  }
}

TEST(StringTableTest, BuiltInTablesHoldEveryStringTheModuleUsesInBothLanguages) {
  const StringTable &english = StringTable::ForLanguage(UiLanguage::English);
  const StringTable &japanese = StringTable::ForLanguage(UiLanguage::Japanese);
  std::ifstream required(PRF_SOURCE_DIR "/host/resources/required_ids.txt");
  ASSERT_TRUE(required);
  int count = 0;
  for (UINT id; required >> id; ++count) {
    EXPECT_TRUE(english.Find(id)) << id;
    EXPECT_TRUE(japanese.Find(id)) << id;
  }
  EXPECT_GT(count, 300);
  std::set<UINT> englishIds, japaneseIds;
  for (const auto &[id, text] : english.entries())
    englishIds.insert(id);
  for (const auto &[id, text] : japanese.entries())
    japaneseIds.insert(id);
  EXPECT_EQ(englishIds, japaneseIds);
}

TEST(StringTableTest, JapaneseTextSurvivesCodePage932) {
  for (const auto &[id, text] : StringTable::ForLanguage(UiLanguage::Japanese).entries()) {
    std::string ansi = AnsiFromWide(text, 932);
    EXPECT_EQ(WideFromAnsi(ansi, 932), text) << id;
  }
}

}  // namespace
}  // namespace host
