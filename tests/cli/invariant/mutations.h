// Profile files for the import invariant: hostile files made by hand from a valid one, and
// random mutations of valid files from a fixed seed, so that every run tries the same bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace invariant {

struct TestFile {
  std::string name;  // what was done to it
  std::vector<BYTE> bytes;
};

// `valid` must hold a profile with a value in Section 3.
std::vector<TestFile> HostileFiles(const std::vector<BYTE> &valid);

std::vector<TestFile> MutatedFiles(const std::vector<std::vector<BYTE>> &valid, int count,
                                   std::uint32_t seed);

}  // namespace invariant
