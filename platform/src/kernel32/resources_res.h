// Parsing a .res file (a sequence of RESOURCEHEADER records) into its resources.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace winplat::resources {

// A resource type or name: an ordinal, or a string kept in upper case.
struct ResourceId {
  bool isOrdinal = true;
  WORD ordinal = 0;
  std::u16string name;

  bool operator==(const ResourceId &other) const = default;
};

struct Resource {
  ResourceId type, name;
  WORD language = 0;
  size_t offset = 0, size = 0;  // the data within the .res bytes
};

// The resources of a .res image, skipping the empty leading record. False when any record is
// cut short, runs past the end, or has a name that is not terminated inside its header.
bool ParseRes(const std::vector<char> &res, std::vector<Resource> &resources);

// The identifier an API argument stands for: a MAKEINTRESOURCE value, "#123", or a name.
ResourceId IdFromArgument(const char16_t *argument);

}  // namespace winplat::resources
