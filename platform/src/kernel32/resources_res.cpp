// Parsing a .res file. Every read is checked against the bytes of the file.
#include "resources_res.h"

#include <cstring>

namespace winplat::resources {

namespace {

class Reader {
 public:
  Reader(const std::vector<char> &bytes, size_t begin, size_t end)
      : bytes_(bytes), pos_(begin), end_(end) {}

  bool Word(WORD &value) { return Read(&value, sizeof value); }
  bool Dword(DWORD &value) { return Read(&value, sizeof value); }
  size_t Position() const { return pos_; }
  void AlignTo4(size_t base) { pos_ = base + (pos_ - base + 3) / 4 * 4; }

  // An ordinal (0xFFFF then the ordinal) or a NUL-terminated UTF-16 name.
  bool Id(ResourceId &id) {
    WORD first;
    if (!Word(first))
      return false;
    if (first == 0xFFFF) {
      id.isOrdinal = true;
      return Word(id.ordinal);
    }
    id.isOrdinal = false;
    for (WORD unit = first; unit != 0;) {
      id.name.push_back(char16_t(unit >= 'a' && unit <= 'z' ? unit - 32 : unit));
      if (!Word(unit))
        return false;
    }
    return true;
  }

 private:
  bool Read(void *out, size_t length) {
    if (pos_ > end_ || length > end_ - pos_)
      return false;
    std::memcpy(out, bytes_.data() + pos_, length);
    pos_ += length;
    return true;
  }

  const std::vector<char> &bytes_;
  size_t pos_, end_;
};

// One record at `start`; `next` receives where the following record begins.
bool ParseRecord(const std::vector<char> &res, size_t start, Resource &resource, size_t &next) {
  Reader fixed(res, start, res.size());
  DWORD dataSize, headerSize;
  if (!fixed.Dword(dataSize) || !fixed.Dword(headerSize) || headerSize < 8 ||
      headerSize > res.size() - start) {
    return false;
  }
  Reader header(res, start + 8, start + headerSize);
  DWORD dataVersion;
  WORD memoryFlags;
  if (!header.Id(resource.type) || !header.Id(resource.name))
    return false;
  header.AlignTo4(start);
  if (!header.Dword(dataVersion) || !header.Word(memoryFlags) || !header.Word(resource.language))
    return false;
  resource.offset = start + headerSize;
  if (dataSize > res.size() - resource.offset)
    return false;
  resource.size = dataSize;
  next = resource.offset + (size_t(dataSize) + 3) / 4 * 4;
  return true;
}

}  // namespace

bool ParseRes(const std::vector<char> &res, std::vector<Resource> &resources) {
  resources.clear();
  size_t pos = 0;
  while (pos < res.size()) {
    Resource resource;
    if (!ParseRecord(res, pos, resource, pos))
      return false;
    const bool emptyLead = resource.type.isOrdinal && resource.type.ordinal == 0;
    if (!emptyLead)
      resources.push_back(resource);
  }
  return true;
}

ResourceId IdFromArgument(const char16_t *argument) {
  ResourceId id;
  if (IS_INTRESOURCE(argument)) {
    id.ordinal = WORD(reinterpret_cast<uintptr_t>(argument));
    return id;
  }
  if (argument[0] == u'#') {
    unsigned value = 0;
    const char16_t *digit = argument + 1;
    for (; *digit >= u'0' && *digit <= u'9' && value <= 0xFFFF; ++digit)
      value = value * 10 + unsigned(*digit - u'0');
    if (*digit == 0 && digit != argument + 1 && value <= 0xFFFF) {
      id.ordinal = WORD(value);
      return id;
    }
  }
  id.isOrdinal = false;
  for (const char16_t *unit = argument; *unit; ++unit)
    id.name.push_back(*unit >= u'a' && *unit <= u'z' ? char16_t(*unit - 32) : *unit);
  return id;
}

}  // namespace winplat::resources
