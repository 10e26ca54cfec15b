// The iconv descriptor cache. Descriptors are handed out one caller at a time, which keeps
// conversions thread-safe; idle descriptors wait in a pool per pair of encodings.
#include "codepage_iconv.h"

#include <bit>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace winplat::codepage {
namespace {

class DescriptorPool {
 public:
  iconv_t Take(const std::string &key, const std::string &to, const std::string &from) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      std::vector<iconv_t> &idle = idle_[key];
      if (!idle.empty()) {
        iconv_t descriptor = idle.back();
        idle.pop_back();
        return descriptor;
      }
    }
    return iconv_open(to.c_str(), from.c_str());
  }

  void Give(const std::string &key, iconv_t descriptor) {
    std::lock_guard<std::mutex> lock(mutex_);
    idle_[key].push_back(descriptor);
  }

 private:
  std::mutex mutex_;
  std::unordered_map<std::string, std::vector<iconv_t>> idle_;
};

// Never destroyed: conversions may still run while other static objects are torn down.
DescriptorPool &Pool() {
  static DescriptorPool *pool = new DescriptorPool;
  return *pool;
}

}  // namespace

IconvLease::IconvLease(const char *toName, const char *const fromNames[2]) {
  for (int i = 0; i < 2 && descriptor_ == kNone && *fromNames[i] != '\0'; ++i) {
    Acquire(toName, fromNames[i]);
  }
}

IconvLease::IconvLease(const char *const toNames[2], const char *fromName) {
  for (int i = 0; i < 2 && descriptor_ == kNone && *toNames[i] != '\0'; ++i) {
    Acquire(toNames[i], fromName);
  }
}

IconvLease::~IconvLease() {
  if (descriptor_ == kNone)
    return;
  Reset();
  Pool().Give(key_, descriptor_);
}

void IconvLease::Acquire(const std::string &to, const std::string &from) {
  key_ = to + '\n' + from;
  descriptor_ = Pool().Take(key_, to, from);
}

void IconvLease::Reset() const {
  iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
}

const char *WideIconvName() {
  return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

const char *Utf32IconvName() {
  return std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
}

}  // namespace winplat::codepage
