// The process's handle table: every kind of kernel object gets its HANDLE here, so that
// CloseHandle works on all of them and a stale or foreign handle is always recognised.
#include <winbase.h>

#include <mutex>
#include <unordered_map>

#include "handle_table.h"

namespace winplat {
namespace {

class HandleTable {
 public:
  HANDLE Add(std::shared_ptr<HandleObject> object) {
    std::lock_guard<std::mutex> lock(mutex_);
    // Multiples of four, as Windows hands out, counting up so that a closed handle stays invalid.
    nextValue_ += 4;
    const HANDLE handle = reinterpret_cast<HANDLE>(nextValue_);
    objects_.emplace(handle, std::move(object));
    return handle;
  }

  std::shared_ptr<HandleObject> Find(HANDLE handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : found->second;
  }

  // The removed object is handed back so that it is destroyed after the lock is released.
  std::shared_ptr<HandleObject> Remove(HANDLE handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = objects_.find(handle);
    if (found == objects_.end())
      return nullptr;
    std::shared_ptr<HandleObject> object = std::move(found->second);
    objects_.erase(found);
    return object;
  }

 private:
  std::mutex mutex_;
  UINT_PTR nextValue_ = 0;
  std::unordered_map<HANDLE, std::shared_ptr<HandleObject>> objects_;
};

HandleTable &Table() {
  static HandleTable *table = new HandleTable;
  return *table;
}

}  // namespace

HANDLE RegisterHandle(std::shared_ptr<HandleObject> object) {
  return Table().Add(std::move(object));
}

std::shared_ptr<HandleObject> LookupHandle(HANDLE handle) {
  return Table().Find(handle);
}

bool UnregisterHandle(HANDLE handle) {
  return Table().Remove(handle) != nullptr;
}

}  // namespace winplat

extern "C" BOOL WINAPI CloseHandle(HANDLE hObject) {
  const std::shared_ptr<winplat::HandleObject> object = winplat::LookupHandle(hObject);
  if (object == nullptr || !object->ClosedByCloseHandle() || !winplat::UnregisterHandle(hObject)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
