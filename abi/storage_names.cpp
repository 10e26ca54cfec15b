// Names of a profile's stored values.
#include "abi/storage_names.h"

#include <stdio.h>
#include <string.h>

#include "abi/mbcs_text.h"
#include "abi/profile_records.h"

std::string ProfileIndexName(int regNum) {
  char name[32];
  snprintf(name, sizeof name, "JZP_%04d", regNum);
  return name;
}

std::string ProfileDataName(int regNum, LPCSTR valueName) {
  return ProfileIndexName(regNum) + "_" + (valueName != nullptr ? valueName : "");
}

bool IsStorableValueName(LPCSTR valueName) {
  if (valueName == nullptr)
    return false;
  if (strlen(valueName) >= sizeof(ProfileValueEntry::szValueName))
    return false;
  return !ContainsMbcsText(valueName, "JZP_");
}

void ReplaceInvalidChar4Filename(char *path) {
  if (path == nullptr)
    return;
  for (char *p = path; *p != '\0'; ++p)
    if (strchr("/\"<>|", *p) != nullptr)
      *p = '_';
}

bool ProfileSideFilePath(LPCSTR driverDirectory, LPCSTR printerName, LPCSTR dataName, char *path,
                         size_t size) {
  const int length = snprintf(path, size, "%s\\%s_%s", driverDirectory, printerName, dataName);
  if (length < 0 || static_cast<size_t>(length) >= size)
    return false;
  ReplaceInvalidChar4Filename(path);
  return true;
}
