// libFuzzer target for the profile-file reader and the decoder: any bytes as a file. Every
// profile the reader hands out is decoded onto a DEVMODE in a buffer of its exact size, and its
// registry values are walked. The decoded settings, encoded again and decoded once more, must
// give the same DEVMODE.
#include <stddef.h>
#include <stdint.h>

#include <cstdlib>
#include <vector>

#include "fuzz_devmode.h"
#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_encode.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_reader.h"

namespace {

const std::vector<BYTE> &Reference() {
  static const std::vector<BYTE> reference = jzp_fuzz::ReferenceDevMode();
  return reference;
}

std::vector<BYTE> Decode(const std::vector<BYTE> &section1, const std::vector<BYTE> &section2) {
  std::vector<BYTE> target = Reference();
  if (!ApplyJzpSections(target.data(), static_cast<DWORD>(target.size()), section1.data(),
                        static_cast<DWORD>(section1.size()), section2.data(),
                        static_cast<DWORD>(section2.size())))
    abort();
  return target;
}

std::vector<BYTE> Encode(decltype(&EncodeJzpDwordItems) encoder, const std::vector<BYTE> &devMode) {
  const std::vector<BYTE> &reference = Reference();
  const DWORD size = static_cast<DWORD>(devMode.size());
  const DWORD referenceSize = static_cast<DWORD>(reference.size());
  std::vector<BYTE> section(
      encoder(devMode.data(), size, reference.data(), referenceSize, nullptr, 0));
  encoder(devMode.data(), size, reference.data(), referenceSize, section.data(),
          static_cast<DWORD>(section.size()));
  return section;
}

void WalkValues(const ByteReader &section) {
  JzpRegItems items(section);
  JzpRegItem item;
  volatile BYTE sink = 0;
  while (items.Next(&item))
    if (item.head.dwSize != 0)
      sink = sink ^ item.data[item.head.dwSize - 1];
}

std::vector<BYTE> Bytes(const ByteReader &section) {
  return {section.Bytes().begin(), section.Bytes().end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size > 0xFFFFFFFFu)
    return 0;
  JzpMemorySource source(data, static_cast<DWORD>(size));
  JzpFileReader reader(source);
  JzpHead head;
  if (!reader.ReadHead(&head))
    return 0;
  JzpEntryInfo info;
  while (reader.NextEntry(&info)) {
    // NextEntry checked that every section lies inside the file.
    for (int k = 0; k < JZP_SECTION_COUNT; ++k)
      if (reader.Section(info, k).Size() != info.entry.adwSectionSize[k])
        abort();
    const std::vector<BYTE> decoded = Decode(Bytes(reader.Section(info, JZP_SECTION_ITEMS)),
                                             Bytes(reader.Section(info, JZP_SECTION_BUFFERS)));
    const std::vector<BYTE> again =
        Decode(Encode(&EncodeJzpDwordItems, decoded), Encode(&EncodeJzpBufferItems, decoded));
    if (again != decoded)
      abort();
    WalkValues(reader.Section(info, JZP_SECTION_REGISTRY));
    WalkValues(reader.Section(info, JZP_SECTION_SETUP));
  }
  return 0;
}
