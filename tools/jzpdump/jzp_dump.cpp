// Reading a profile file for jzpdump with the module's own reader and item walkers.
#include "abi/wide.h"
#include "jzp_dump.h"

#include "abi/private_blocks.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_tags.h"

namespace jzpdump {
namespace {

const char *const kSectionNames[JZP_SECTION_COUNT] = {"Section 1", "Section 2", "Section 3",
                                                      "Section 4"};

std::string Where(const Profile &profile, int section) {
  return std::string(kSectionNames[section]) + " of profile " +
         std::to_string(profile.info.index + 1);
}

void Stop(Dump &dump, DWORD offset, std::string reason) {
  dump.damaged = true;
  dump.stopOffset = offset;
  dump.stopReason = std::move(reason);
}

void ReadItems(Profile &profile, const ByteReader &section) {
  for (const JzpDwordItem &item : ReadJzpDwordItems(section)) {
    const JzpDwordTag *tag = FindJzpDwordTag(item.dwTag);
    profile.items.push_back({item.dwTag, tag != nullptr ? tag->name : nullptr, item.dwValue,
                             tag != nullptr && tag->kind == JzpFieldKind::Short});
  }
  profile.itemRemainder = static_cast<DWORD>(section.Size() % sizeof(JzpDwordItem));
}

BufferItem DescribeBuffer(const JzpBufferItem &item) {
  const DWORD tagNumber = item.head.dwTag;
  const JzpBufferTag *tag = FindJzpBufferTag(tagNumber);
  BufferItem buffer{tagNumber, tag != nullptr ? tag->name : nullptr, item.head.dwSize, {}};
  ByteReader data(item.data);
  if (tagNumber == PFPD_PLUGIN) {
    buffer.name = "PFPD_PLUGIN";
    PrivateDataBlockHeader header;
    if (data.Read(&header)) {
      buffer.isBlock = header.dwSignature == PRIVATE_DATA_SIGNATURE;
      buffer.blockId = header.wBlockId;
      buffer.blockVersion = header.wVersion;
      buffer.blockSize = header.dwSize;
    }
  } else if (tagNumber == PFDM_FORMNAME) {
    WCHAR c;
    while (data.Read(&c) && c != 0)
      buffer.formName.push_back(c);
  }
  return buffer;
}

bool ReadBuffers(Dump &dump, Profile &profile, const ByteReader &section) {
  JzpBufferItems items(section);
  JzpBufferItem item;
  while (items.Next(&item))
    profile.buffers.push_back(DescribeBuffer(item));
  if (!items.Damaged())
    return true;
  Stop(dump, profile.info.sectionOffset[JZP_SECTION_BUFFERS] + items.Offset(),
       "an item of " + Where(profile, JZP_SECTION_BUFFERS) + " runs past the end of its section (" +
           std::to_string(section.Size() - items.Offset()) + " bytes left in the section)");
  return false;
}

bool ReadValues(Dump &dump, Profile &profile, int k, const ByteReader &section,
                std::vector<RegValue> &values) {
  JzpRegItems items(section);
  JzpRegItem item;
  while (items.Next(&item))
    values.push_back({item.head.szValueName, item.head.dwType, item.head.dwSize});
  if (!items.Damaged())
    return true;
  Stop(dump, profile.info.sectionOffset[k] + items.Offset(),
       "a value of " + Where(profile, k) + " runs past the end of its section (" +
           std::to_string(section.Size() - items.Offset()) + " bytes left in the section)");
  return false;
}

bool ReadProfile(Dump &dump, const JzpFileReader &reader, Profile &profile) {
  ReadItems(profile, reader.Section(profile.info, JZP_SECTION_ITEMS));
  return ReadBuffers(dump, profile, reader.Section(profile.info, JZP_SECTION_BUFFERS)) &&
         ReadValues(dump, profile, JZP_SECTION_REGISTRY,
                    reader.Section(profile.info, JZP_SECTION_REGISTRY), profile.values) &&
         ReadValues(dump, profile, JZP_SECTION_SETUP,
                    reader.Section(profile.info, JZP_SECTION_SETUP), profile.setup);
}

}  // namespace

Dump ReadDump(const JzpByteSource &source) {
  Dump dump;
  dump.fileSize = source.Size();
  JzpFileReader reader(source);
  dump.headRead = reader.ReadHead(&dump.head);
  if (!dump.headRead) {
    Stop(dump, reader.StopOffset(), reader.StopReason());
    return dump;
  }
  if (dump.head.nProfCount < 0) {
    Stop(dump, offsetof(JzpHead, nProfCount),
         "the profile count " + std::to_string(dump.head.nProfCount) + " is negative");
    return dump;
  }
  Profile profile;
  while (reader.NextEntry(&profile.info)) {
    const bool whole = ReadProfile(dump, reader, profile);
    dump.profiles.push_back(std::move(profile));
    profile = Profile();
    if (!whole)
      return dump;
  }
  if (reader.Damaged()) {
    Stop(dump, reader.StopOffset(), reader.StopReason());
    if (profile.info.index >= 0) {
      profile.sectionsRead = false;
      dump.profiles.push_back(std::move(profile));
    }
  }
  return dump;
}

const char *BlockName(WORD blockId) {
  return PrivateBlockName(blockId);
}

std::string Utf8FromUtf16(const WideString &text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf8FromAnsi(const std::string &text, UINT codePage) {
  if (text.empty())
    return text;
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0)
    return text;
  WideString wide(static_cast<size_t>(needed), u'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  return Utf8FromUtf16(wide);
}

}  // namespace jzpdump
