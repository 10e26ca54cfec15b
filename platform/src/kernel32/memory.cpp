// GlobalAlloc and LocalAlloc blocks. A fixed block's handle is its address. A moveable block's
// handle is a value that is never an address (block addresses are 16-byte aligned, handles are 4
// past a multiple of 16) and its data may move while it is unlocked.
#include <winbase.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

namespace {

struct Block {
  std::unique_ptr<std::byte[]> data;  // null while a moveable block is discarded
  SIZE_T size = 0;
  SIZE_T capacity = 0;
  bool moveable = false;
  UINT lockCount = 0;
};

constexpr UINT kMaxLockCount = 0xff;  // GMEM_LOCKCOUNT: the count saturates there

std::unique_ptr<std::byte[]> NewData(SIZE_T bytes, bool zero) {
  return std::unique_ptr<std::byte[]>(zero ? new (std::nothrow) std::byte[bytes]()
                                           : new (std::nothrow) std::byte[bytes]);
}

class Heap {
 public:
  HGLOBAL Allocate(SIZE_T bytes, bool moveable, bool zero) {
    Block block;
    block.moveable = moveable;
    if (!moveable || bytes > 0) {
      block.data = NewData(bytes, zero);
      if (!block.data)
        return OutOfMemory();
      block.size = block.capacity = bytes;
    }
    std::lock_guard<std::mutex> guard(mutex_);
    const HGLOBAL handle = moveable ? NextMoveableHandle() : block.data.get();
    blocks_.emplace(handle, std::move(block));
    return handle;
  }

  HGLOBAL Reallocate(HGLOBAL handle, SIZE_T bytes, bool allowMove, bool zero) {
    std::lock_guard<std::mutex> guard(mutex_);
    Block *block = Find(handle);
    if (block == nullptr)
      return InvalidHandle();
    if (block->data && bytes <= block->capacity) {
      if (zero && bytes > block->size)
        std::memset(&block->data[block->size], 0, bytes - block->size);
      block->size = bytes;
      return handle;
    }
    if (!allowMove && !(block->moveable && block->lockCount == 0))
      return OutOfMemory();
    auto data = NewData(bytes, zero);
    if (!data)
      return OutOfMemory();
    if (block->data)
      std::memcpy(data.get(), block->data.get(), std::min(bytes, block->size));
    block->data = std::move(data);
    block->size = block->capacity = bytes;
    if (block->moveable)
      return handle;
    Block moved = std::move(*block);
    blocks_.erase(handle);
    const HGLOBAL address = moved.data.get();
    blocks_.emplace(address, std::move(moved));
    return address;
  }

  LPVOID Lock(HGLOBAL handle) {
    std::lock_guard<std::mutex> guard(mutex_);
    Block *block = Find(handle);
    if (block == nullptr)
      return InvalidHandle();
    if (!block->data) {
      SetLastError(ERROR_DISCARDED);
      return nullptr;
    }
    if (block->moveable && block->lockCount < kMaxLockCount)
      ++block->lockCount;
    return block->data.get();
  }

  // TRUE while the block stays locked. A fixed block has no lock count and always gives TRUE.
  BOOL Unlock(HGLOBAL handle) {
    std::lock_guard<std::mutex> guard(mutex_);
    Block *block = Find(handle);
    if (block == nullptr) {
      InvalidHandle();
      return FALSE;
    }
    if (!block->moveable)
      return TRUE;
    if (block->lockCount == 0) {
      SetLastError(ERROR_NOT_LOCKED);
      return FALSE;
    }
    if (--block->lockCount > 0)
      return TRUE;
    SetLastError(NO_ERROR);
    return FALSE;
  }

  SIZE_T Size(HGLOBAL handle) {
    std::lock_guard<std::mutex> guard(mutex_);
    const Block *block = Find(handle);
    if (block == nullptr) {
      InvalidHandle();
      return 0;
    }
    return block->size;
  }

  HGLOBAL HandleOf(LPCVOID address) {
    std::lock_guard<std::mutex> guard(mutex_);
    for (const auto &[handle, block] : blocks_) {
      if (block.data && block.data.get() == address)
        return handle;
    }
    return InvalidHandle();
  }

  // NULL when freed, else the handle back, as GlobalFree returns. A locked block is freed too.
  HGLOBAL Free(HGLOBAL handle) {
    if (handle == nullptr)
      return nullptr;
    std::lock_guard<std::mutex> guard(mutex_);
    if (blocks_.erase(handle) == 0) {
      SetLastError(ERROR_INVALID_HANDLE);
      return handle;
    }
    return nullptr;
  }

 private:
  static std::nullptr_t OutOfMemory() {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }

  static std::nullptr_t InvalidHandle() {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }

  Block *Find(HGLOBAL handle) {
    const auto found = blocks_.find(handle);
    return found == blocks_.end() ? nullptr : &found->second;
  }

  HGLOBAL NextMoveableHandle() {
    const uintptr_t value = nextMoveable_;
    nextMoveable_ += 16;
    return reinterpret_cast<HGLOBAL>(value);
  }

  std::mutex mutex_;
  std::unordered_map<HGLOBAL, Block> blocks_;
  uintptr_t nextMoveable_ = 0x00140004;
};

// Never destroyed, so that a block freed while the process exits still finds the heap.
Heap &TheHeap() {
  static Heap *const heap = new Heap();
  return *heap;
}

bool ValidFlags(UINT flags, UINT valid) {
  if ((flags & ~valid) == 0)
    return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

}  // namespace

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  if (!ValidFlags(uFlags, GMEM_VALID_FLAGS))
    return nullptr;
  return TheHeap().Allocate(dwBytes, uFlags & GMEM_MOVEABLE, uFlags & GMEM_ZEROINIT);
}

extern "C" HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
  // GMEM_MODIFY, which changes a block's kind instead of its size, is outside the valid flags.
  if (!ValidFlags(uFlags, GMEM_VALID_FLAGS))
    return nullptr;
  return TheHeap().Reallocate(hMem, dwBytes, uFlags & GMEM_MOVEABLE, uFlags & GMEM_ZEROINIT);
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  return TheHeap().Lock(hMem);
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  return TheHeap().Unlock(hMem);
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  return TheHeap().Size(hMem);
}

extern "C" HGLOBAL WINAPI GlobalHandle(LPCVOID pMem) {
  return TheHeap().HandleOf(pMem);
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  return TheHeap().Free(hMem);
}

extern "C" HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) {
  if (!ValidFlags(uFlags, LMEM_VALID_FLAGS))
    return nullptr;
  return TheHeap().Allocate(uBytes, uFlags & LMEM_MOVEABLE, uFlags & LMEM_ZEROINIT);
}

extern "C" HLOCAL WINAPI LocalReAlloc(HLOCAL hMem, SIZE_T uBytes, UINT uFlags) {
  if (!ValidFlags(uFlags, LMEM_VALID_FLAGS))
    return nullptr;
  return TheHeap().Reallocate(hMem, uBytes, uFlags & LMEM_MOVEABLE, uFlags & LMEM_ZEROINIT);
}

extern "C" LPVOID WINAPI LocalLock(HLOCAL hMem) {
  return TheHeap().Lock(hMem);
}

extern "C" BOOL WINAPI LocalUnlock(HLOCAL hMem) {
  return TheHeap().Unlock(hMem);
}

extern "C" SIZE_T WINAPI LocalSize(HLOCAL hMem) {
  return TheHeap().Size(hMem);
}

extern "C" HLOCAL WINAPI LocalFree(HLOCAL hMem) {
  return TheHeap().Free(hMem);
}
