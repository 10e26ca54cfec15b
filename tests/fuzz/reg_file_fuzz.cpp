// libFuzzer target for the .reg loader: any bytes as the contents of a registry file, merged
// into an empty hive. A text the loader takes is written out again; that text loads into an
// empty hive as well and is written out byte for byte the same.
#include <stddef.h>
#include <stdint.h>

#include <cstdlib>
#include <string>

#include <winplat/registry.h>

namespace {

void Check(bool holds) {
  if (!holds)
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  winplat::ResetRegistry();
  if (!winplat::ImportRegistryText(std::string(reinterpret_cast<const char *>(data), size)))
    return 0;
  const std::string written = winplat::ExportRegistryText();
  winplat::ResetRegistry();
  Check(winplat::ImportRegistryText(written));
  Check(winplat::ExportRegistryText() == written);
  return 0;
}
