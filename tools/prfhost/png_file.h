// A picture written as a PNG file without an image library: 8-bit RGB rows, filter 0, kept in
// stored (uncompressed) deflate blocks, so the encoder needs nothing but the CRC and the Adler
// checksum. Used where the platform's own PNG writer is not there (on Windows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace prfhost {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width × height × (red, green, blue), rows top to bottom
};

// The bytes of the PNG file of `picture`; empty when its size and pixels do not match.
std::vector<std::uint8_t> EncodePng(const RgbPicture &picture);

// Writes them to `path`; false when the picture is malformed or the file cannot be written.
bool WritePngFile(const RgbPicture &picture, const std::string &path);

}  // namespace prfhost
