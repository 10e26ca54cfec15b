// libFuzzer target for the reading of a stored profile list: any bytes as the "JzProfileData"
// value, read with a stored count below, at and above the number of whole headers in it. Every
// header comes out with its text fields ended inside them and its numbers as stored.
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
  const std::span<const BYTE> value(data, size);
  const size_t whole = size / sizeof(ProfileHeader);
  for (size_t count : {whole > 0 ? whole - 1 : 0, whole, whole + 1}) {
    const std::vector<ProfileHeader> headers = ReadProfileHeaders(value, count);
    Check(headers.size() == (count < whole ? count : whole));
    for (size_t i = 0; i < headers.size(); ++i) {
      const ProfileHeader &header = headers[i];
      const uint8_t *stored = data + i * sizeof(ProfileHeader);
      Check(strnlen(header.strProfileName, sizeof header.strProfileName) <
            sizeof header.strProfileName);
      Check(strnlen(header.strProfileInfo, sizeof header.strProfileInfo) <
            sizeof header.strProfileInfo);
      Check(memcmp(&header.nProfileIcon, stored + offsetof(ProfileHeader, nProfileIcon), 12) == 0);
    }
  }
  return 0;
}
