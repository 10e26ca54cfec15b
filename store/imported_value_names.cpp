// The value names a profile file may give a profile.
#include "store/imported_value_names.h"

#include <mbstring.h>
#include <string.h>

#include "abi/storage_names.h"

namespace {

bool SameName(LPCSTR a, LPCSTR b) {
  return _mbsicmp(reinterpret_cast<const unsigned char *>(a),
                  reinterpret_cast<const unsigned char *>(b)) == 0;
}

bool HasRefusedByte(LPCSTR name) {
  for (const unsigned char *p = reinterpret_cast<const unsigned char *>(name); *p != 0; ++p)
    if (*p < 0x20 || *p == 0x7F || strchr("\\/:*?", *p) != nullptr)
      return true;
  return false;
}

}  // namespace

bool IsImportableValueName(LPCSTR valueName) {
  if (valueName == nullptr || valueName[0] == '\0' ||
      strnlen(valueName, kMaxImportedValueName + 1) > kMaxImportedValueName ||
      HasRefusedByte(valueName) || !IsStorableValueName(valueName))
    return false;
  for (LPCSTR own : {PROFILE_COUNT_VALUE, PROFILE_DATA_VALUE, PROFILE_DEVMODE_VALUE,
                     PROFILE_SETUP_VALUE, CLIENT_PROBE_VALUE})
    if (SameName(valueName, own))
      return false;
  return true;
}
