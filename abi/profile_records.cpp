// Reading the stored profile list and value indexes.
#include "abi/profile_records.h"

#include <algorithm>

#include "abi/byte_reader.h"

namespace {

template <typename Record>
std::vector<Record> ReadWholeRecords(std::span<const BYTE> data, size_t count, const char *what) {
  ByteReader reader(data, "the value");
  std::vector<Record> records;
  reader.ReadArray(std::min(count, reader.Remaining() / sizeof(Record)), &records, what);
  return records;
}

}  // namespace

std::vector<ProfileHeader> ReadProfileHeaders(std::span<const BYTE> data, size_t count) {
  return ReadWholeRecords<ProfileHeader>(data, count, "the profile headers");
}

std::vector<ProfileValueEntry> ReadProfileValueIndex(std::span<const BYTE> index) {
  return ReadWholeRecords<ProfileValueEntry>(index, index.size(), "the index entries");
}
