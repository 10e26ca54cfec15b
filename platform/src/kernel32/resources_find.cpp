// FindResource and friends over the .res image embedded in each module's file. A module's
// resources are read once and kept for the life of the process, so HRSRC and resource data
// pointers stay valid.
#include "resources_find.h"

#include <winbase.h>
#include <winuser.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "version/version_elf.h"
#include "winplat/image_sections.h"
#include "winplat/modules.h"

using namespace winplat::resources;

namespace {

struct Entry {
  Resource resource;
  const BYTE *data;
};

struct ModuleResources {
  DWORD error = ERROR_SUCCESS;  // why the module has none
  std::vector<char> bytes;
  std::vector<Entry> entries;
};

std::mutex &CacheLock() {
  static std::mutex mutex;
  return mutex;
}

std::set<const Entry *> &KnownEntries() {
  static std::set<const Entry *> entries;
  return entries;
}

std::unique_ptr<ModuleResources> ReadModule(const std::string &path) {
  auto module = std::make_unique<ModuleResources>();
  if (path.empty() || winplat::version::ReadElfSection(path, WINPLAT_RESOURCE_SECTION,
                                                       module->bytes) != ERROR_SUCCESS) {
    module->error = ERROR_RESOURCE_DATA_NOT_FOUND;
    return module;
  }
  std::vector<Resource> parsed;
  if (!ParseRes(module->bytes, parsed)) {
    module->error = ERROR_INVALID_DATA;
    return module;
  }
  for (const Resource &resource : parsed) {
    const auto *data = reinterpret_cast<const BYTE *>(module->bytes.data()) + resource.offset;
    module->entries.push_back(Entry{resource, data});
  }
  for (const Entry &entry : module->entries)
    KnownEntries().insert(&entry);
  return module;
}

const ModuleResources &ResourcesOf(HMODULE module) {
  static std::map<std::string, std::unique_ptr<ModuleResources>> cache;
  const std::string path = winplat::ModuleHostPath(module);
  auto &slot = cache[path];
  if (!slot)
    slot = ReadModule(path);
  return *slot;
}

const Entry *FindEntry(HMODULE module, const ResourceId &type, const ResourceId &name) {
  std::lock_guard lock(CacheLock());
  const ModuleResources &resources = ResourcesOf(module);
  if (resources.error != ERROR_SUCCESS) {
    SetLastError(resources.error);
    return nullptr;
  }
  bool typeSeen = false;
  for (const Entry &entry : resources.entries) {
    if (!(entry.resource.type == type))
      continue;
    typeSeen = true;
    if (entry.resource.name == name)
      return &entry;
  }
  SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
  return nullptr;
}

const Entry *KnownEntry(HRSRC handle) {
  std::lock_guard lock(CacheLock());
  const auto *entry = reinterpret_cast<const Entry *>(handle);
  if (!KnownEntries().count(entry)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return entry;
}

std::u16string Widen(LPCSTR text) {
  std::u16string wide;
  for (; *text; ++text)
    wide.push_back(char16_t(static_cast<unsigned char>(*text)));
  return wide;
}

// Resource names are ASCII in practice; other bytes are taken as Latin-1.
ResourceId IdFromNarrow(LPCSTR argument) {
  if (IS_INTRESOURCE(argument))
    return IdFromArgument(reinterpret_cast<const char16_t *>(argument));
  return IdFromArgument(Widen(argument).c_str());
}

}  // namespace

namespace winplat::resources {

bool Locate(HMODULE module, const ResourceId &type, const ResourceId &name, Found &found) {
  const Entry *entry = FindEntry(module, type, name);
  if (!entry)
    return false;
  found = Found{entry->data, entry->resource.size};
  return true;
}

}  // namespace winplat::resources

extern "C" {

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(
      const_cast<Entry *>(FindEntry(hModule, IdFromNarrow(lpType), IdFromNarrow(lpName))));
}

HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(
      const_cast<Entry *>(FindEntry(hModule, IdFromArgument(lpType), IdFromArgument(lpName))));
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo) {
  const Entry *entry = KnownEntry(hResInfo);
  return entry ? const_cast<BYTE *>(entry->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
  return hResData;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo) {
  const Entry *entry = KnownEntry(hResInfo);
  return entry ? DWORD(entry->resource.size) : 0;
}

BOOL WINAPI FreeResource(HGLOBAL) {
  return FALSE;
}

}  // extern "C"
