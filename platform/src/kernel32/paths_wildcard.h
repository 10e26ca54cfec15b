// Matching of file names against FindFirstFile patterns, with the DOS rules Windows applies.
#pragma once

#include <string_view>

namespace winplat::paths {

// pattern and name are UTF-8; letters match without regard to case. '*' matches any run of
// characters, '?' one character or nothing at a dot or the end of the name, "*.*" every name,
// a trailing "." names without an extension, and "name.*" also the bare "name".
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace winplat::paths
