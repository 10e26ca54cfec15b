// The reader of foreign bytes at its edges: every read one byte short, exact and one byte
// over; the offset and the reason of a refused read, in sub-views too; the count check of an
// array that would overflow when multiplied; and records whose text fields end inside them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "abi/byte_reader.h"
#include "abi/byte_writer.h"
#include "abi/profile_records.h"

namespace {

#pragma pack(push, 1)
struct SixBytes {
  WORD wFirst;
  DWORD dwSecond;
};
#pragma pack(pop)

std::vector<BYTE> Counting(size_t size) {
  std::vector<BYTE> bytes(size);
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<BYTE>(i + 1);
  return bytes;
}

// Each way of reading six bytes, on seven bytes from offset 2: the first read of six fits with
// one to spare, then five, six and seven bytes remain for it.
TEST(ByteReaderTest, ReadsFitUpToTheLastByte) {
  struct Case {
    const char *what;
    bool (*read)(ByteReader &reader);
  } const reads[] = {
      {"Read",
       [](ByteReader &r) {
         SixBytes record;
         return r.Read(&record);
       }},
      {"ReadBytes",
       [](ByteReader &r) {
         std::span<const BYTE> b;
         return r.ReadBytes(6, &b);
       }},
      {"ReadView",
       [](ByteReader &r) {
         ByteReader v;
         return r.ReadView(6, &v);
       }},
      {"Skip", [](ByteReader &r) { return r.Skip(6); }},
  };
  for (const Case &c : reads) {
    for (size_t size : {5, 6, 7}) {
      SCOPED_TRACE(std::string(c.what) + " of 6 with " + std::to_string(size) + " left");
      const std::vector<BYTE> bytes = Counting(2 + size);
      ByteReader reader(bytes);
      ASSERT_TRUE(reader.Skip(2));
      EXPECT_EQ(c.read(reader), size >= 6);
      EXPECT_EQ(reader.Offset(), size >= 6 ? 8u : 2u);
      EXPECT_EQ(reader.Remaining(), size >= 6 ? size - 6 : size);
      EXPECT_EQ(reader.Failed(), size < 6);
    }
  }
}

TEST(ByteReaderTest, RecordsAreCopiedLittleEndian) {
  const std::vector<BYTE> bytes = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xAA};
  ByteReader reader(bytes);
  SixBytes record;
  ASSERT_TRUE(reader.Read(&record));
  // The packed fields are copied out before they are compared, not bound as references.
  const WORD first = record.wFirst;
  const DWORD second = record.dwSecond;
  EXPECT_EQ(first, 0x1234);
  EXPECT_EQ(second, 0x12345678u);
  std::span<const BYTE> rest;
  ASSERT_TRUE(reader.ReadBytes(1, &rest));
  EXPECT_EQ(rest[0], 0xAA);
  EXPECT_TRUE(reader.AtEnd());
}

// A refused read says where it began, what needed how much, and how much was left; after it
// every read is refused and the first reason stays.
TEST(ByteReaderTest, ARefusedReadKeepsItsOffsetAndReason) {
  const std::vector<BYTE> bytes = Counting(19);
  ByteReader reader(bytes, "the file");
  SixBytes record;
  ASSERT_TRUE(reader.Skip(8));
  ASSERT_TRUE(reader.Read(&record, "the first record"));
  EXPECT_FALSE(reader.Read(&record, "the second record"));
  EXPECT_EQ(reader.Error().offset, 14u);
  EXPECT_EQ(reader.Error().reason, "the second record needs 6 bytes, the file has 5 left");
  std::span<const BYTE> one;
  EXPECT_FALSE(reader.ReadBytes(1, &one));
  EXPECT_EQ(reader.Error().reason, "the second record needs 6 bytes, the file has 5 left");
  EXPECT_EQ(reader.Offset(), 14u);

  ByteReader sized(bytes, "the file");
  ASSERT_TRUE(sized.Skip(4));
  EXPECT_FALSE(sized.Skip(592, "Section 2"));
  EXPECT_EQ(sized.Error().offset, 4u);
  EXPECT_EQ(sized.Error().reason, "Section 2 is 592 bytes long, the file has 15 left");

  ByteReader content(bytes);
  ASSERT_TRUE(content.Skip(3));
  EXPECT_FALSE(content.Fail("the file does not begin with \"JZP\""));
  EXPECT_EQ(content.Error().offset, 3u);
  EXPECT_FALSE(content.Skip(0));
}

// A sub-view counts its reasons in its own bytes and its offsets from the start of the outer
// view; its refusal does not fail the reader it was cut from.
TEST(ByteReaderTest, SubViewsReportOffsetsInTheOuterView) {
  const std::vector<BYTE> bytes = Counting(20);
  ByteReader file(bytes, "the file");
  ByteReader section;
  ASSERT_TRUE(file.Skip(4));
  ASSERT_TRUE(file.ReadView(10, &section, "Section 1", "the section"));
  EXPECT_EQ(file.Offset(), 14u);
  EXPECT_EQ(section.Size(), 10u);

  SixBytes record;
  ASSERT_TRUE(section.Skip(3));
  ASSERT_TRUE(section.Read(&record));
  EXPECT_EQ(record.wFirst, 0x0908);  // bytes 8 and 9 of the file: 4 + 3 in
  EXPECT_FALSE(section.Read(&record, "the item"));
  EXPECT_EQ(section.Error().offset, 13u);
  EXPECT_EQ(section.Error().reason, "the item needs 6 bytes, the section has 1 left");
  EXPECT_FALSE(file.Failed());

  ByteReader tail;
  EXPECT_TRUE(file.ViewAt(15, 5, &tail));
  EXPECT_FALSE(file.ViewAt(15, 6, &tail));
  EXPECT_TRUE(file.ViewAt(20, 0, &tail));
  EXPECT_FALSE(file.ViewAt(21, 0, &tail));
  EXPECT_EQ(file.Offset(), 14u);
  EXPECT_FALSE(file.Failed());
}

// The count is checked against what remains before it is multiplied: a count whose product
// with the record size wraps around to a few bytes is refused, and nothing is allocated.
TEST(ByteReaderTest, ArrayCountsAreCheckedBeforeTheyAreMultiplied) {
  const std::vector<BYTE> bytes = Counting(12);
  struct Case {
    size_t size;
    size_t count;
    bool fits;
  } const cases[] = {
      {12, 2, true},
      {11, 2, false},
      {12, 3, false},
      {12, SIZE_MAX / sizeof(SixBytes) + 1, false},  // times 6 wraps around to 2
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " records in " + std::to_string(c.size) + " bytes");
    ByteReader reader(bytes.data(), c.size);
    std::vector<SixBytes> records;
    EXPECT_EQ(reader.ReadArray(c.count, &records, "the records"), c.fits);
    EXPECT_EQ(records.size(), c.fits ? c.count : 0u);
    EXPECT_EQ(reader.Offset(), c.fits ? 12u : 0u);
  }
  ByteReader reader(bytes);
  std::vector<SixBytes> records;
  reader.ReadArray(3, &records, "the records");
  EXPECT_EQ(reader.Error().reason, "the records needs 3 records of 6 bytes, the data has 12 left");
}

// A record with text fields comes out with each field ending inside it, whatever the bytes say.
TEST(ByteReaderTest, TextFieldsOfRecordsEndInsideTheirFields) {
  std::vector<BYTE> bytes(2 * sizeof(ProfileValueEntry), 'A');
  ByteReader reader(bytes);
  ProfileValueEntry entry;
  ASSERT_TRUE(reader.Read(&entry));
  EXPECT_EQ(std::string(entry.szValueName), std::string(259, 'A'));
  std::vector<ProfileValueEntry> entries;
  ASSERT_TRUE(reader.ReadArray(1, &entries));
  EXPECT_EQ(entries[0].szValueName[259], '\0');
  EXPECT_EQ(entries[0].dwType, 0x41414141u);
}

TEST(ByteWriterTest, WritesFitUpToTheLastByteOrNotAtAll) {
  for (size_t size : {5, 6, 7}) {
    SCOPED_TRACE(size);
    std::vector<BYTE> bytes(2 + size, 0);
    ByteWriter writer(bytes);
    const SixBytes record = {0x1234, 0x89ABCDEF};
    EXPECT_EQ(writer.WriteAt(2, record), size >= 6);
    std::vector<BYTE> expected(2 + size, 0);
    if (size >= 6)
      expected = {0, 0, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89};
    expected.resize(2 + size, 0);
    EXPECT_EQ(bytes, expected);
  }
  std::vector<BYTE> bytes(8, 0);
  ByteWriter part;
  EXPECT_TRUE(ByteWriter(bytes).ViewAt(6, 2, &part));
  EXPECT_FALSE(part.WriteAt(1, DWORD{1}));
  EXPECT_TRUE(part.WriteAt(1, BYTE{7}));
  EXPECT_EQ(bytes[7], 7);
  EXPECT_FALSE(ByteWriter(bytes).ViewAt(6, 3, &part));
}

}  // namespace
