// PNG encoding with stored deflate blocks: a zlib stream of at most 65,535 bytes per block,
// each chunk closed by the CRC-32 of its type and data.
#include "png_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string_view>

namespace prfhost {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBigEndian(Bytes &out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

const std::array<std::uint32_t, 256> &CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  return table;
}

std::uint32_t Crc32(const std::uint8_t *data, size_t size) {
  const auto &table = CrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i)
    c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes &data) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

void PutChunk(Bytes &out, std::string_view type, const Bytes &data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// The rows, each behind its filter byte 0, as a zlib stream of stored blocks.
Bytes StoredZlib(const RgbPicture &picture) {
  const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
  Bytes raw;
  raw.reserve((rowBytes + 1) * static_cast<size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y) {
    raw.push_back(0);
    const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
    raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }
  Bytes out = {0x78, 0x01};  // deflate, 32 KB window, no dictionary, fastest
  constexpr size_t kBlockMax = 65535;
  size_t offset = 0;
  do {
    const size_t length = std::min(kBlockMax, raw.size() - offset);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
    out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
               raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

struct FileCloser {
  void operator()(FILE *file) const { std::fclose(file); }
};

}  // namespace

Bytes EncodePng(const RgbPicture &picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() !=
          static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 3)
    return {};
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBigEndian(header, static_cast<std::uint32_t>(picture.width));
  PutBigEndian(header, static_cast<std::uint32_t>(picture.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter 0, no interlace
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", StoredZlib(picture));
  PutChunk(out, "IEND", {});
  return out;
}

bool WritePngFile(const RgbPicture &picture, const std::string &path) {
  const Bytes bytes = EncodePng(picture);
  if (bytes.empty())
    return false;
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace prfhost
