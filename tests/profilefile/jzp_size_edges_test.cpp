// Each size limit of the profile-file reader at its edge: what fits exactly is read, what runs
// one byte past its section or the file is not, and nothing is written past a field. Every
// buffer is exactly as long as the size the reader is given, so a read past it is a fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_test_support.h"

namespace jzp_testing {
namespace {

using Bytes = std::vector<BYTE>;

// DWORDs as little-endian bytes.
Bytes Le(std::initializer_list<DWORD> values) {
  Bytes bytes;
  for (DWORD value : values)
    for (int i = 0; i < 4; ++i)
      bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
  return bytes;
}

Bytes Cat(Bytes head, const Bytes &tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

DevModeBytes Apply(const Bytes &section1, const Bytes &section2) {
  DevModeBytes target = DevModeBytes::ColorDefault();
  EXPECT_TRUE(ApplyJzpSections(target.bytes.data(), target.size(), section1.data(),
                               static_cast<DWORD>(section1.size()), section2.data(),
                               static_cast<DWORD>(section2.size())));
  return target;
}

// Section 1 is read as whole 8-byte items: 8k bytes give k items, and so do 8k + 7.
TEST(JzpSizeEdgesTest, Section1ReadsWholeItemsOnly) {
  const DevModeBytes reference = DevModeBytes::ColorDefault();
  const Bytes twoItems = Le({11, 5, 14, 2});                        // dmCopies 5, dmColor 2
  const Bytes partialThird = Cat(twoItems, {6, 0, 0, 0, 2, 0, 0});  // 7 bytes of dmOrientation 2

  for (const Bytes &section : {twoItems, partialThird}) {
    SCOPED_TRACE(section.size());
    DevModeBytes expected = reference;
    expected.dm()->dmCopies = 5;
    expected.dm()->dmColor = 2;
    EXPECT_EQ(Apply(section, {}).bytes, expected.bytes);
  }
  const Bytes oneAndSeven(twoItems.begin(), twoItems.end() - 1);
  DevModeBytes expected = reference;
  expected.dm()->dmCopies = 5;
  EXPECT_EQ(Apply(oneAndSeven, {}).bytes, expected.bytes);
}

// A Section 2 item whose data ends exactly at the section's end is read; one byte more runs
// past it and ends the section, as does a head that does not fit.
TEST(JzpSizeEdgesTest, Section2ItemsFitTheirSectionExactly) {
  const Bytes first = Cat(Le({72, 2}), {2, 0});  // PFPD_COLORMODE 2
  const Bytes last = Cat(Le({69, 2}), {3, 0});   // PFPD_PAGEORDER 3
  struct Case {
    const char *what;
    Bytes section;
    std::vector<DWORD> tags;
    bool damaged;
    DWORD offset;  // where the walk stopped
  } cases[] = {
      {"last item fills the section", Cat(first, last), {72, 69}, false, 20},
      {"last item one byte past", Cat(first, Cat(Le({69, 3}), {3, 0})), {72}, true, 10},
      {"head of 7 bytes", Cat(first, {69, 0, 0, 0, 2, 0, 0}), {72}, true, 10},
      {"empty item at the end", Cat(first, Le({69, 0})), {72, 69}, false, 18},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    JzpBufferItems items(c.section.data(), static_cast<DWORD>(c.section.size()));
    std::vector<DWORD> tags;
    JzpBufferItem item;
    while (items.Next(&item))
      tags.push_back(item.head.dwTag);
    EXPECT_EQ(tags, c.tags);
    EXPECT_EQ(items.Damaged(), c.damaged);
    EXPECT_EQ(items.Offset(), c.offset);
  }

  DevModeBytes expected = DevModeBytes::ColorDefault();
  expected.main()->wColorMode = 2;
  EXPECT_EQ(Apply({}, cases[1].section).bytes, expected.bytes);
  expected.main()->wPageOrder = 3;
  EXPECT_EQ(Apply({}, cases[0].section).bytes, expected.bytes);
}

// Section 3 records: a 268-byte head and its data ending exactly at the section's end are read;
// one byte of data more, or a head one byte short, ends the section.
TEST(JzpSizeEdgesTest, Section3RecordsFitTheirSectionExactly) {
  const Bytes value = RegItem("VtCPSData", REG_BINARY, Bytes(12, 0x5A));
  Bytes longer = value;
  longer[264] = 13;  // size one past the section's end
  struct Case {
    const char *what;
    Bytes section;
    int read;
    bool damaged;
  } cases[] = {
      {"record fills the section", value, 1, false},
      {"data one byte past", longer, 0, true},
      {"head one byte short", Bytes(value.begin(), value.begin() + 267), 0, true},
      {"two records", Cat(value, value), 2, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    JzpRegItems items(c.section.data(), static_cast<DWORD>(c.section.size()));
    JzpRegItem item;
    int read = 0;
    while (items.Next(&item)) {
      EXPECT_STREQ(item.head.szValueName, "VtCPSData");
      EXPECT_EQ(item.head.dwSize, 12u);
      EXPECT_EQ(item.data[11], 0x5A);
      ++read;
    }
    EXPECT_EQ(read, c.read);
    EXPECT_EQ(items.Damaged(), c.damaged);
  }
}

// A file of one profile whose sections have the given sizes, cut or padded to `size` bytes.
Bytes OneProfileFile(std::initializer_list<DWORD> sections, size_t size) {
  Bytes head(144, 0);
  head[0] = 'J', head[1] = 'Z', head[2] = 'P';
  head[12] = 1;  // nProfCount
  Bytes entry(700, 0);
  entry[0] = 'A';
  size_t at = 556;
  for (DWORD section : sections)
    for (int i = 0; i < 4; ++i)
      entry[at++] = static_cast<BYTE>(section >> (8 * i));
  Bytes file = Cat(head, entry);
  file.resize(size, 0x11);
  return file;
}

// Entries and sections against the file's size: ending exactly at the end of the file is whole,
// one byte short is not, and the reader says where the missing structure begins.
TEST(JzpSizeEdgesTest, EntriesAndSectionsEndAtTheEndOfTheFileOrBefore) {
  struct Case {
    const char *what;
    Bytes file;
    bool entryRead;
    DWORD stop;  // where the reading stopped, for a damaged file
  } cases[] = {
      {"header alone", OneProfileFile({}, 144), false, 144},
      {"entry ends at the end of the file", OneProfileFile({0, 0, 0, 0}, 844), true, 0},
      {"entry one byte short", OneProfileFile({0, 0, 0, 0}, 843), false, 144},
      {"sections end at the end of the file", OneProfileFile({8, 16, 268, 268}, 1404), true, 0},
      {"last section one byte short", OneProfileFile({8, 16, 268, 268}, 1403), false, 1136},
      {"first section one byte short", OneProfileFile({561, 0, 0, 0}, 1404), false, 844},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    JzpMemorySource source(c.file.data(), static_cast<DWORD>(c.file.size()));
    JzpFileReader reader(source);
    JzpHead head;
    ASSERT_TRUE(reader.ReadHead(&head));
    JzpEntryInfo info;
    EXPECT_EQ(reader.NextEntry(&info), c.entryRead);
    EXPECT_FALSE(reader.NextEntry(&info));
    EXPECT_EQ(reader.Damaged(), !c.entryRead);
    if (!c.entryRead) {
      EXPECT_EQ(reader.StopOffset(), c.stop) << reader.StopReason();
    }
  }

  // A header of 143 bytes is not a header.
  const Bytes cut = OneProfileFile({}, 143);
  JzpMemorySource source(cut.data(), 143);
  JzpFileReader reader(source);
  JzpHead head;
  EXPECT_FALSE(reader.ReadHead(&head));
  EXPECT_EQ(reader.StopOffset(), 0u);
}

// Items whose size differs from their field's: the form name takes at most its 64 bytes and
// ends with a zero character inside them; a private range of another size is not applied, and
// no neighbour of either field changes.
TEST(JzpSizeEdgesTest, ItemsNeverWritePastTheirField) {
  const DevModeBytes reference = DevModeBytes::ColorDefault();
  const auto name = [](DWORD size, BYTE fill) {
    Bytes data(size, fill);
    data[size - 2] = data[size - 1] = 0;
    return Cat(Le({19, size}), data);
  };

  DevModeBytes fits = reference;
  for (int i = 0; i < 31; ++i)
    fits.dm()->dmFormName[i] = 0x4141;
  fits.dm()->dmFormName[31] = 0;
  EXPECT_EQ(Apply({}, name(64, 0x41)).bytes, fits.bytes);
  // 64 bytes without a terminator keep their first 31 characters.
  EXPECT_EQ(Apply({}, Cat(Le({19, 64}), Bytes(64, 0x41))).bytes, fits.bytes);

  struct Case {
    const char *what;
    Bytes item;
  } refused[] = {
      {"form name of 66 bytes", name(66, 0x42)},
      {"page order of 3 bytes", Cat(Le({69, 3}), {7, 7, 7})},
      {"page order of 1 byte", Cat(Le({69, 1}), {7})},
      {"gutter of 5 bytes", Cat(Le({109, 5}), {7, 7, 7, 7, 7})},
  };
  for (const Case &c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Apply({}, c.item).bytes, reference.bytes);
  }
}

}  // namespace
}  // namespace jzp_testing
