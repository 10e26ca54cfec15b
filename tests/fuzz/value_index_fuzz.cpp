// libFuzzer target for the reading of a profile's value index: any bytes as a "JZP_%04d" value.
// Every whole entry is read, with its name ended inside its field and its type and size as
// stored; a trailing fragment is left alone.
#include <stddef.h>
#include <stdint.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "abi/profile_records.h"

namespace {

void Check(bool holds) {
  if (!holds)
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::vector<ProfileValueEntry> entries = ReadProfileValueIndex({data, size});
  Check(entries.size() == size / sizeof(ProfileValueEntry));
  for (size_t i = 0; i < entries.size(); ++i) {
    const ProfileValueEntry &entry = entries[i];
    const uint8_t *stored = data + i * sizeof(ProfileValueEntry);
    const size_t length = strnlen(entry.szValueName, sizeof entry.szValueName);
    Check(length < sizeof entry.szValueName);
    Check(memcmp(entry.szValueName, stored, length) == 0);
    Check(memcmp(&entry.dwType, stored + offsetof(ProfileValueEntry, dwType), 8) == 0);
  }
  return 0;
}
