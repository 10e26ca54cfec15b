// A cache of iconv descriptors. A descriptor converts one text at a time, so each conversion
// leases one for its duration; descriptors are opened on demand and kept for reuse.
#pragma once

#include <iconv.h>

#include <string>

namespace winplat::codepage {

class IconvLease {
 public:
  // Tries the source names in order; the lease is empty when iconv knows none of them.
  IconvLease(const char *toName, const char *const fromNames[2]);
  IconvLease(const char *const toNames[2], const char *fromName);
  ~IconvLease();
  IconvLease(const IconvLease &) = delete;
  IconvLease &operator=(const IconvLease &) = delete;

  explicit operator bool() const { return descriptor_ != kNone; }
  iconv_t get() const { return descriptor_; }
  // Forgets the shift state and any partial character after a failed conversion.
  void Reset() const;

 private:
  static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
  void Acquire(const std::string &to, const std::string &from);

  std::string key_;
  iconv_t descriptor_ = kNone;
};

// The UTF-16 and UTF-32 encodings in this machine's byte order.
const char *WideIconvName();
const char *Utf32IconvName();

}  // namespace winplat::codepage
