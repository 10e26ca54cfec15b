// Making hostile and mutated profile files.
#include "mutations.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <iterator>
#include <random>

#include "profilefile/jzp_format.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_tags.h"

namespace invariant {
namespace {

// Where the first profile's parts lie in a valid file.
struct Layout {
  DWORD entry = 0;
  DWORD section[JZP_SECTION_COUNT] = {};
  DWORD sectionSize[JZP_SECTION_COUNT] = {};
};

Layout FirstProfile(const std::vector<BYTE> &file) {
  const JzpMemorySource source(file.data(), static_cast<DWORD>(file.size()));
  JzpFileReader reader(source);
  JzpHead head;
  JzpEntryInfo info;
  Layout layout;
  if (!reader.ReadHead(&head) || !reader.NextEntry(&info))
    return layout;
  layout.entry = info.entryOffset;
  for (int k = 0; k < JZP_SECTION_COUNT; ++k) {
    layout.section[k] = info.sectionOffset[k];
    layout.sectionSize[k] = info.entry.adwSectionSize[k];
  }
  return layout;
}

void PutDword(std::vector<BYTE> &file, size_t offset, DWORD value) {
  if (offset + sizeof value <= file.size())
    std::memcpy(file.data() + offset, &value, sizeof value);
}

// The name of Section 3's first value, ended inside its 260-byte field.
void PutValueName(std::vector<BYTE> &file, const Layout &layout, const std::string &name) {
  const size_t at = layout.section[JZP_SECTION_REGISTRY];
  const size_t length = std::min(name.size(), sizeof(JzpRegItemHeader::szValueName) - 1);
  if (at + sizeof(JzpRegItemHeader::szValueName) > file.size())
    return;
  std::memset(file.data() + at, 0, sizeof(JzpRegItemHeader::szValueName));
  std::memcpy(file.data() + at, name.data(), length);
}

// The paper size item of Section 1, or its first item made one.
void PutPaperSize(std::vector<BYTE> &file, const Layout &layout, DWORD paper) {
  const size_t start = layout.section[JZP_SECTION_ITEMS];
  size_t at = start;
  for (size_t item = start;
       item + sizeof(JzpDwordItem) <= start + layout.sectionSize[JZP_SECTION_ITEMS];
       item += sizeof(JzpDwordItem)) {
    DWORD tag;
    std::memcpy(&tag, file.data() + item, sizeof tag);
    if (tag == PFDM_PAPERSIZE)
      at = item;
  }
  PutDword(file, at, PFDM_PAPERSIZE);
  PutDword(file, at + 4, paper);
}

const std::vector<std::string> &HostileNames() {
  static const std::vector<std::string> names = {"..\\..\\..\\evil",
                                                 "a\\b",
                                                 "C:evil",
                                                 "a/b",
                                                 std::string(259, 'x'),
                                                 "JzProfileCount",
                                                 "JzProfileData",
                                                 "JZP_0000",
                                                 "JZP_0000_Default DevMode",
                                                 "Default DevMode",
                                                 "",
                                                 std::string("bad\x01name"),
                                                 "..",
                                                 "JZP_0001",
                                                 "jzprofiledata",
                                                 "\\\\server\\share\\x"};
  return names;
}

}  // namespace

std::vector<TestFile> HostileFiles(const std::vector<BYTE> &valid) {
  const Layout layout = FirstProfile(valid);
  std::vector<TestFile> files;
  auto add = [&](const std::string &name, const std::function<void(std::vector<BYTE> &)> &change) {
    std::vector<BYTE> bytes = valid;
    change(bytes);
    files.push_back({name, std::move(bytes)});
  };
  for (const std::string &value : HostileNames())
    add("value named \"" + value + "\"",
        [&](std::vector<BYTE> &f) { PutValueName(f, layout, value); });
  const size_t registry = layout.section[JZP_SECTION_REGISTRY];
  const size_t sizes = layout.entry + offsetof(JzpProfileEntry, adwSectionSize);
  add("a value's size past the end", [&](std::vector<BYTE> &f) {
    PutDword(f, registry + offsetof(JzpRegItemHeader, dwSize), 0xFFFFFFF0);
  });
  add("a value's size one past its section", [&](std::vector<BYTE> &f) {
    PutDword(f, registry + offsetof(JzpRegItemHeader, dwSize),
             layout.sectionSize[JZP_SECTION_REGISTRY] - sizeof(JzpRegItemHeader) + 1);
  });
  add("profile count 32767", [&](std::vector<BYTE> &f) { PutDword(f, 12, 0x7FFF); });
  add("negative profile count", [&](std::vector<BYTE> &f) { PutDword(f, 12, 0x8000); });
  add("Section 1 of 4 GB", [&](std::vector<BYTE> &f) { PutDword(f, sizes, 0xFFFFFFF8); });
  add("Section 2 of 4 GB", [&](std::vector<BYTE> &f) { PutDword(f, sizes + 4, 0xFFFFFFFF); });
  add("Section 3 of 4 GB", [&](std::vector<BYTE> &f) { PutDword(f, sizes + 8, 0xFFFFFFFF); });
  add("sections whose sum overflows", [&](std::vector<BYTE> &f) {
    PutDword(f, sizes, 0x80000000);
    PutDword(f, sizes + 4, 0x80000000);
  });
  add("a Section 2 item of 4 GB", [&](std::vector<BYTE> &f) {
    PutDword(f, layout.section[JZP_SECTION_BUFFERS] + 4, 0xFFFFFFFF);
  });
  add("custom size index far past the table",
      [&](std::vector<BYTE> &f) { PutPaperSize(f, layout, 296 + 5000); });
  add("custom size index at DWORD's end",
      [&](std::vector<BYTE> &f) { PutPaperSize(f, layout, 0xFFFFFFFF); });
  add("cut inside Section 3", [&](std::vector<BYTE> &f) { f.resize(registry + 100); });
  add("header only", [&](std::vector<BYTE> &f) { f.resize(sizeof(JzpHead)); });
  return files;
}

std::vector<TestFile> MutatedFiles(const std::vector<std::vector<BYTE>> &valid, int count,
                                   std::uint32_t seed) {
  std::mt19937 random(seed);
  auto below = [&random](size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random);
  };
  static const DWORD kInteresting[] = {
      0,          1,   0x7F, 0xFF, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000,
      0xFFFFFFFF, 296, 297,  300,  700,    268,    1200,   0xFFFFFFF8, 144};
  std::vector<TestFile> files;
  for (int i = 0; i < count; ++i) {
    const std::vector<BYTE> &source = valid[static_cast<size_t>(i) % valid.size()];
    const Layout layout = FirstProfile(source);
    std::vector<BYTE> bytes = source;
    std::string what;
    const int changes = 1 + static_cast<int>(below(4));
    for (int c = 0; c < changes && !bytes.empty(); ++c) {
      switch (below(6)) {
        case 0: {
          const size_t at = below(bytes.size());
          bytes[at] ^= static_cast<BYTE>(1 + below(255));
          what += " flip@" + std::to_string(at);
          break;
        }
        case 1: {
          const size_t at = below(bytes.size()) & ~size_t{3};
          PutDword(bytes, at, kInteresting[below(std::size(kInteresting))]);
          what += " dword@" + std::to_string(at);
          break;
        }
        case 2: {
          const size_t at = layout.entry + offsetof(JzpProfileEntry, adwSectionSize) + 4 * below(4);
          PutDword(bytes, at, kInteresting[below(std::size(kInteresting))]);
          what += " section-size@" + std::to_string(at);
          break;
        }
        case 3: {
          const size_t at = layout.section[JZP_SECTION_REGISTRY] + 260 + 4 * below(2);
          PutDword(bytes, at, kInteresting[below(std::size(kInteresting))]);
          what += " value-head@" + std::to_string(at);
          break;
        }
        case 4: {
          const std::string &name = HostileNames()[below(HostileNames().size())];
          PutValueName(bytes, layout, name);
          what += " value-name";
          break;
        }
        default: {
          bytes.resize(below(bytes.size()));
          what += " cut@" + std::to_string(bytes.size());
          break;
        }
      }
    }
    files.push_back({"mutation " + std::to_string(i) + ":" + what, std::move(bytes)});
  }
  return files;
}

}  // namespace invariant
