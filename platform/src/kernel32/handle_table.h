// The table behind HANDLE values of kernel objects (files, searches): what CloseHandle closes.
#pragma once

#include <windef.h>

#include <memory>

namespace winplat {

// An object behind a HANDLE. Other kinds of kernel objects derive from it and register
// themselves; CloseHandle removes the handle, and the object is destroyed once the last call
// still using it has returned.
class HandleObject {
 public:
  virtual ~HandleObject() = default;
  // Search handles answer false: only FindClose closes them.
  virtual bool ClosedByCloseHandle() const { return true; }
};

// A new handle for the object: never NULL or INVALID_HANDLE_VALUE, never reused.
HANDLE RegisterHandle(std::shared_ptr<HandleObject> object);
// The object behind an open handle, or nullptr.
std::shared_ptr<HandleObject> LookupHandle(HANDLE handle);
template <class Object>
std::shared_ptr<Object> LookupHandleAs(HANDLE handle) {
  return std::dynamic_pointer_cast<Object>(LookupHandle(handle));
}
// Removes an open handle from the table; false when it was not open.
bool UnregisterHandle(HANDLE handle);

}  // namespace winplat
