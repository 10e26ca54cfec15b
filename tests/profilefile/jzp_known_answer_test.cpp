// Known answers for the Section 1 and Section 2 codec. For every tag, a DEVMODE that differs from
// the reference in exactly that tag's field must encode to exactly the bytes written out here,
// and those bytes must decode onto exactly that field. The field tables below are this file's
// own, copied by hand from the format's tables, so that a wrong offset, width or signedness in
// the codec's tables shows up, which a round trip through the codec's own tables never does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_encode.h"

namespace {

using Bytes = std::vector<BYTE>;

enum class Place { Public, Private };

// Offsets of the hand-built DEVMODE: a public part of 220 bytes, the main private block behind
// it, and in some tests one plug-in block behind that.
constexpr DWORD kPublicSize = 220;
constexpr DWORD kMainSize = 1024;
constexpr DWORD kFormName = 102;
constexpr DWORD kOptions = 16;  // private DWORD: bit 27 is EMF spooling
constexpr DWORD kGutter = 672;  // private DWORD: the low 4 bits are the gutter position
constexpr DWORD kReferenceOptions = 0x08000001;
constexpr DWORD kReferenceGutter = 0x00120005;

void Put(Bytes &bytes, size_t at, DWORD value, DWORD width) {
  for (DWORD i = 0; i < width; ++i)
    bytes[at + i] = static_cast<BYTE>(value >> (8 * i));
}

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

// A block header: the signature reads d, P, t, V in memory; the identifier and the version are
// each followed by a reserved WORD.
Bytes BlockHeader(WORD id, WORD version, DWORD size) {
  return Cat({'d', 'P', 't', 'V'}, Le({id, version, size}));
}

void PutFormName(Bytes &devMode, const WideString &name) {
  std::fill(devMode.begin() + kFormName, devMode.begin() + kFormName + 64, 0);
  for (size_t i = 0; i < name.size(); ++i)
    Put(devMode, kFormName + 2 * i, name[i], 2);
}

// The factory default the encoder compares with: zero but for the size fields, the form name
// "Letter" and the main block's header, options and gutter.
Bytes Reference() {
  Bytes d(kPublicSize + kMainSize, 0);
  Put(d, 64, 0x0401, 2);  // dmSpecVersion
  Put(d, 66, 0x0340, 2);  // dmDriverVersion
  Put(d, 68, kPublicSize, 2);
  Put(d, 70, kMainSize, 2);
  PutFormName(d, WSTR("Letter"));
  const Bytes main = BlockHeader(1, 0x0300, kMainSize);
  std::copy(main.begin(), main.end(), d.begin() + kPublicSize);
  Put(d, kPublicSize + kOptions, kReferenceOptions, 4);
  Put(d, kPublicSize + kGutter, kReferenceGutter, 4);
  return d;
}

size_t At(Place place, DWORD offset) {
  return place == Place::Public ? offset : kPublicSize + offset;
}

struct Sections {
  Bytes items, buffers;
};

Sections Encode(const Bytes &profile, const Bytes &reference) {
  const auto size = [](const Bytes &b) { return static_cast<DWORD>(b.size()); };
  Sections out;
  out.items.resize(EncodeJzpDwordItems(profile.data(), size(profile), reference.data(),
                                       size(reference), nullptr, 0));
  EncodeJzpDwordItems(profile.data(), size(profile), reference.data(), size(reference),
                      out.items.data(), size(out.items));
  out.buffers.resize(EncodeJzpBufferItems(profile.data(), size(profile), reference.data(),
                                          size(reference), nullptr, 0));
  EncodeJzpBufferItems(profile.data(), size(profile), reference.data(), size(reference),
                       out.buffers.data(), size(out.buffers));
  return out;
}

Bytes Decode(Bytes target, const Bytes &items, const Bytes &buffers) {
  EXPECT_TRUE(ApplyJzpSections(target.data(), static_cast<DWORD>(target.size()), items.data(),
                               static_cast<DWORD>(items.size()), buffers.data(),
                               static_cast<DWORD>(buffers.size())));
  return target;
}

// One field of Section 1: the profile holds `written` in the field's `width` bytes, the item
// must carry `value`, and decoding the item onto the reference must leave `readBack` in the
// field (nothing at all for the size and version fields, which are never applied).
struct DwordField {
  DWORD tag;
  Place place;
  DWORD offset;
  DWORD width;
  DWORD written;
  DWORD value;
  DWORD readBack;
  bool applied;
  DWORD alsoTag = 0;  // the Section 2 range that carries the same DWORD
};

constexpr Place kPub = Place::Public;
constexpr Place kPriv = Place::Private;

const DwordField kDwordFields[] = {
    {1, kPub, 64, 2, 0x0500, 0x00000500, 0, false},
    {2, kPub, 66, 2, 0xFFFF, 0x0000FFFF, 0, false},
    {5, kPub, 72, 4, 0x00FF0000, 0x00FF0000, 0, false},
    {6, kPub, 76, 2, 0xFFFE, 0xFFFFFFFE, 0xFFFE, true},  // dmOrientation -2
    {7, kPub, 78, 2, 0x8001, 0xFFFF8001, 0x8001, true},
    {8, kPub, 80, 2, 0x7FFF, 0x00007FFF, 0x7FFF, true},
    {9, kPub, 82, 2, 0x0123, 0x00000123, 0x0123, true},
    {10, kPub, 84, 2, 0xFFCE, 0xFFFFFFCE, 0xFFCE, true},
    {11, kPub, 86, 2, 0x000C, 0x0000000C, 0x000C, true},
    {12, kPub, 88, 2, 0x0104, 0x00000104, 0x0104, true},
    {13, kPub, 90, 2, 0xFFFD, 0xFFFFFFFD, 0xFFFD, true},
    {14, kPub, 92, 2, 0x0002, 0x00000002, 0x0002, true},
    {15, kPub, 94, 2, 0x0003, 0x00000003, 0x0003, true},
    {16, kPub, 96, 2, 0xFFFC, 0xFFFFFFFC, 0xFFFC, true},
    {17, kPub, 98, 2, 0x0101, 0x00000101, 0x0101, true},
    {18, kPub, 100, 2, 0x8000, 0xFFFF8000, 0x8000, true},
    {20, kPub, 188, 4, 0x89ABCDEF, 0x89ABCDEF, 0x89ABCDEF, true},
    {21, kPub, 192, 4, 0x00000004, 0x00000004, 0x00000004, true},
    {22, kPub, 196, 4, 0x00000102, 0x00000102, 0x00000102, true},
    {23, kPub, 200, 4, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, true},
    {32, kPriv, 20, 1, 0x80, 0x00000080, 1, true},
    {35, kPriv, 62, 2, 0xFFFF, 0x0000FFFF, 0xFFFF, true},
    {63, kPriv, 368, 2, 0x8003, 0x00008003, 0x8003, true},
    {64, kPriv, 370, 2, 0x0004, 0x00000004, 0x0004, true},
    {65, kPriv, 372, 2, 0x0105, 0x00000105, 0x0105, true},
    {68, kPriv, 400, 2, 0x0006, 0x00000006, 0x0006, true},
    {70, kPriv, 404, 2, 0x03EF, 0x000003EF, 0x03EF, true},
    {71, kPriv, 406, 2, 0x0008, 0x00000008, 0x0008, true},
    {85, kPriv, 476, 1, 0x02, 0x00000002, 1, true},
    {86, kPriv, 477, 1, 0xFF, 0x000000FF, 1, true},
    {88, kPriv, 484, 2, 0x8009, 0x00008009, 0x8009, true},
    {89, kPriv, 486, 2, 0xFFF6, 0xFFFFFFF6, 0xFFF6, true},  // PFPD_BRIGHTNESS -10
    {90, kPriv, 488, 2, 0x001E, 0x0000001E, 0x001E, true},
    {92, kPriv, 496, 2, 0xFFFF, 0x0000FFFF, 0xFFFF, true},
    {96, kPriv, 532, 4, 1200, 1200, 1200, true},
    {97, kPriv, 536, 4, 0x80000000, 0x80000000, 0x80000000, true},
    {98, kPriv, 540, 4, 0x00000007, 0x00000007, 0x00000007, true},
    {99, kPriv, 544, 4, 0x12345678, 0x12345678, 0x12345678, true},
    {100, kPriv, 548, 1, 0x01, 0x00000001, 1, true},
    {101, kPriv, 549, 1, 0x10, 0x00000010, 1, true},
    {102, kPriv, 550, 1, 0x03, 0x00000003, 1, true},
    {104, kPriv, 612, 4, 0xDEADBEEF, 0xDEADBEEF, 0xDEADBEEF, true},
    // The gutter position: only the low 4 bits travel, and only they are replaced.
    {106, kPriv, kGutter, 4, 0x0012000A, 0x0000000A, 0x0012000A, true, 109},
    {110, kPriv, 676, 2, 0xFFFF, 0x0000FFFF, 0xFFFF, true},
    {111, kPriv, 678, 2, 0x000B, 0x0000000B, 0x000B, true},
    // EMF spooling: bit 27 travels as 0 or 1, and only it is replaced.
    {115, kPriv, kOptions, 4, 0x00000001, 0x00000000, 0x00000001, true, 31},
};

TEST(JzpKnownAnswerTest, EachSection1FieldGivesItsItemAndDecodesOntoItsField) {
  const Bytes reference = Reference();
  for (const DwordField &f : kDwordFields) {
    SCOPED_TRACE("tag " + std::to_string(f.tag));
    Bytes profile = reference;
    Put(profile, At(f.place, f.offset), f.written, f.width);
    ASSERT_NE(profile, reference);

    const Sections encoded = Encode(profile, reference);
    EXPECT_EQ(encoded.items, Le({f.tag, f.value}));
    EXPECT_EQ(encoded.buffers, f.alsoTag != 0 ? Le({f.alsoTag, 4, f.written}) : Bytes{});

    Bytes expected = reference;
    if (f.applied)
      Put(expected, At(f.place, f.offset), f.readBack, f.width);
    EXPECT_EQ(Decode(reference, Le({f.tag, f.value}), {}), expected);
  }
}

// The size fields: a larger public part or a longer private part is written, never applied.
TEST(JzpKnownAnswerTest, SizeFieldsAreWrittenButNotApplied) {
  const Bytes reference = Reference();
  Bytes widerPublic = reference;
  widerPublic.insert(widerPublic.begin() + kPublicSize, 4, 0);
  Put(widerPublic, 68, kPublicSize + 4, 2);
  Bytes longerPrivate = reference;
  longerPrivate.resize(reference.size() + 8, 0);
  Put(longerPrivate, 70, kMainSize + 8, 2);

  EXPECT_EQ(Encode(widerPublic, reference).items, Le({3, 224}));
  EXPECT_EQ(Encode(longerPrivate, reference).items, Le({4, 1032}));
  EXPECT_EQ(Decode(reference, Le({3, 224, 4, 1032}), {}), reference);
}

// Bits outside those of the gutter position and of EMF spooling give no Section 1 item.
TEST(JzpKnownAnswerTest, BitFieldsCompareOnlyTheirBits) {
  const Bytes reference = Reference();
  Bytes profile = reference;
  Put(profile, kPublicSize + kOptions, 0xFFFFFFFE, 4);  // bit 27 set as in the reference
  Put(profile, kPublicSize + kGutter, 0xFFFFFFF5, 4);   // low 4 bits 5 as in the reference
  const Sections encoded = Encode(profile, reference);
  EXPECT_EQ(encoded.items, Bytes{});
  EXPECT_EQ(encoded.buffers, Le({31, 4, 0xFFFFFFFE, 109, 4, 0xFFFFFFF5}));
}

// One private range of Section 2.
struct BufferRange {
  DWORD tag;
  DWORD offset;
  DWORD size;
};

const BufferRange kBufferRanges[] = {
    {31, 16, 4},   {33, 22, 20},    {34, 42, 20},   {36, 64, 4},    {37, 68, 8},   {38, 76, 12},
    {39, 88, 20},  {40, 108, 8},    {41, 116, 12},  {42, 128, 20},  {43, 148, 8},  {51, 156, 84},
    {52, 240, 12}, {53, 252, 4},    {54, 256, 16},  {61, 272, 48},  {62, 320, 48}, {66, 376, 12},
    {67, 392, 8},  {69, 402, 2},    {72, 408, 2},   {73, 412, 16},  {74, 428, 2},  {81, 430, 2},
    {82, 432, 2},  {83, 436, 8},    {84, 444, 32},  {87, 480, 4},   {91, 492, 4},  {93, 500, 12},
    {94, 512, 12}, {95, 524, 8},    {103, 552, 60}, {105, 616, 32}, {107, 648, 2}, {108, 652, 20},
    {109, 672, 4}, {112, 680, 144}, {113, 824, 8},  {114, 832, 8},
};

// The bytes 0xA0, 0xA1, ... that fill a range.
Bytes Pattern(DWORD size) {
  Bytes bytes(size);
  for (DWORD i = 0; i < size; ++i)
    bytes[i] = static_cast<BYTE>(0xA0 + i);
  return bytes;
}

TEST(JzpKnownAnswerTest, EachSection2RangeGivesItsItemAndDecodesOntoItsRange) {
  const Bytes reference = Reference();
  for (const BufferRange &r : kBufferRanges) {
    SCOPED_TRACE("tag " + std::to_string(r.tag));
    const Bytes data = Pattern(r.size);
    Bytes profile = reference;
    std::copy(data.begin(), data.end(), profile.begin() + kPublicSize + r.offset);

    const Bytes item = Cat(Le({r.tag, r.size}), data);
    const Sections encoded = Encode(profile, reference);
    EXPECT_EQ(encoded.buffers, item);
    // The two ranges that hold a Section 1 field carry it too: 0xA3A2A1A0 has bit 27 clear
    // and 0 in its low 4 bits.
    const Bytes items = r.tag == 31 ? Le({115, 0}) : r.tag == 109 ? Le({106, 0}) : Bytes{};
    EXPECT_EQ(encoded.items, items);

    EXPECT_EQ(Decode(reference, {}, item), profile);
  }
}

// The form name travels with its terminating zero character, 2 × (length + 1) bytes.
TEST(JzpKnownAnswerTest, FormNameGivesItsCharactersAndTheirTerminator) {
  const Bytes reference = Reference();
  Bytes profile = reference;
  PutFormName(profile, WSTR("Legal"));
  const Bytes item = Cat(Le({19, 12}), {'L', 0, 'e', 0, 'g', 0, 'a', 0, 'l', 0, 0, 0});
  const Sections encoded = Encode(profile, reference);
  EXPECT_EQ(encoded.buffers, item);
  EXPECT_EQ(encoded.items, Bytes{});

  const Bytes decoded = Decode(reference, {}, item);
  EXPECT_EQ(Bytes(decoded.begin() + kFormName, decoded.begin() + kFormName + 12),
            Bytes(item.begin() + 8, item.end()));
  Bytes outside = decoded;
  Bytes referenceOutside = reference;
  for (Bytes *bytes : {&outside, &referenceOutside})
    bytes->erase(bytes->begin() + kFormName, bytes->begin() + kFormName + 64);
  EXPECT_EQ(outside, referenceOutside);
}

// A plug-in block travels whole, header included, and replaces the block of the same identifier
// and size.
TEST(JzpKnownAnswerTest, PlugInBlockTravelsWhole) {
  Bytes reference = Reference();
  Put(reference, 70, kMainSize + 24, 2);
  const Bytes header = BlockHeader(20000, 0x0200, 24);
  Bytes profile = reference;
  reference.insert(reference.end(), header.begin(), header.end());
  reference.resize(reference.size() + 8, 0);
  profile.insert(profile.end(), header.begin(), header.end());
  const Bytes data = {1, 2, 3, 4, 5, 6, 7, 8};
  profile.insert(profile.end(), data.begin(), data.end());

  const Bytes item = Cat(Le({201, 24}), {'d', 'P', 't', 'V', 0x20, 0x4E, 0, 0, 0x00, 0x02, 0, 0,
                                         24,  0,   0,   0,   1,    2,    3, 4, 5,    6,    7, 8});
  const Sections encoded = Encode(profile, reference);
  EXPECT_EQ(encoded.buffers, item);
  EXPECT_EQ(encoded.items, Bytes{});
  EXPECT_EQ(Decode(reference, {}, item), profile);
}

}  // namespace
