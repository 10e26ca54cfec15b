// Moving a renamed printer's profile files.
#include "page/profile_file_rename.h"

#include <shlwapi.h>

#include "abi/storage_names.h"

namespace {

// "<system directory>\<name><suffix>" with the file-name rule applied; false when it does not
// fit a path.
bool SystemPath(LPCSTR systemDirectory, LPCSTR name, LPCSTR suffix, char *path) {
  if (lstrlenA(systemDirectory) + lstrlenA(name) + lstrlenA(suffix) + 2 > MAX_PATH)
    return false;
  wsprintfA(path, "%s\\%s%s", systemDirectory, name, suffix);
  ReplaceInvalidChar4Filename(path);
  return true;
}

}  // namespace

void MoveProfileFiles(LPCSTR oldName, LPCSTR newName) {
  char systemDirectory[MAX_PATH];
  UINT length = GetSystemDirectoryA(systemDirectory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return;
  char pattern[MAX_PATH];
  if (!SystemPath(systemDirectory, oldName, "_JZP_*", pattern))
    return;
  char treatedOldName[MAX_PATH];
  lstrcpynA(treatedOldName, oldName, MAX_PATH);
  ReplaceInvalidChar4Filename(treatedOldName);

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern, &found);
  if (search == INVALID_HANDLE_VALUE)
    return;
  do {
    LPCSTR at = StrStrIA(found.cFileName, treatedOldName);
    if (at == nullptr)
      continue;
    LPCSTR suffix = at + lstrlenA(treatedOldName);
    char oldPath[MAX_PATH];
    char newPath[MAX_PATH];
    if (SystemPath(systemDirectory, oldName, suffix, oldPath) &&
        SystemPath(systemDirectory, newName, suffix, newPath))
      MoveFileA(oldPath, newPath);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}
