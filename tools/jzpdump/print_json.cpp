// jzpdump's JSON output: the same as the text output, as one object.
#include <stdio.h>

#include "abi/private_blocks.h"
#include "jzp_dump.h"

namespace jzpdump {
namespace {

std::string Quoted(const std::string &utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Name(const char *name) {
  return name != nullptr ? Quoted(name) : "null";
}

class JsonList {
 public:
  explicit JsonList(FILE *out) : m_pOut(out) {}
  void Next() {
    if (!m_bFirst)
      fputc(',', m_pOut);
    m_bFirst = false;
  }

 private:
  FILE *m_pOut;
  bool m_bFirst = true;
};

void PrintValues(const char *key, const std::vector<RegValue> &values, UINT codePage, FILE *out) {
  fprintf(out, ",\"%s\":[", key);
  JsonList list(out);
  for (const RegValue &value : values) {
    list.Next();
    fprintf(out, "{\"name\":%s,\"type\":%lu,\"size\":%lu}",
            Quoted(Utf8FromAnsi(value.name, codePage)).c_str(),
            static_cast<unsigned long>(value.type), static_cast<unsigned long>(value.size));
  }
  fputs("]", out);
}

void PrintBuffer(const BufferItem &item, FILE *out) {
  fprintf(out, "{\"tag\":%lu,\"name\":%s,\"size\":%lu", static_cast<unsigned long>(item.tag),
          Name(item.name).c_str(), static_cast<unsigned long>(item.size));
  if (item.tag == PFDM_FORMNAME)
    fprintf(out, ",\"formName\":%s", Quoted(Utf8FromUtf16(item.formName)).c_str());
  if (item.isBlock)
    fprintf(out, ",\"blockId\":%u,\"blockName\":%s,\"blockVersion\":%u,\"blockSize\":%lu",
            item.blockId, Name(PrivateBlockName(item.blockId)).c_str(), item.blockVersion,
            static_cast<unsigned long>(item.blockSize));
  fputs("}", out);
}

void PrintProfile(const Profile &profile, UINT codePage, FILE *out) {
  const JzpProfileEntry &entry = profile.info.entry;
  fprintf(out, "{\"offset\":%lu,\"name\":%s,\"description\":%s,\"icon\":%lu,\"iconColor\":%lu",
          static_cast<unsigned long>(profile.info.entryOffset),
          Quoted(Utf8FromAnsi(entry.szProfileName, codePage)).c_str(),
          Quoted(Utf8FromAnsi(entry.szProfileInfo, codePage)).c_str(),
          static_cast<unsigned long>(entry.nProfileIcon),
          static_cast<unsigned long>(entry.rgbIconColor));
  fprintf(out, ",\"model\":%s,\"sectionSizes\":[%lu,%lu,%lu,%lu]",
          Quoted(Utf8FromAnsi(entry.szModel, codePage)).c_str(),
          static_cast<unsigned long>(entry.adwSectionSize[0]),
          static_cast<unsigned long>(entry.adwSectionSize[1]),
          static_cast<unsigned long>(entry.adwSectionSize[2]),
          static_cast<unsigned long>(entry.adwSectionSize[3]));
  if (!profile.sectionsRead) {
    fputs(",\"sectionsRead\":false}", out);
    return;
  }
  fputs(",\"items\":[", out);
  JsonList items(out);
  for (const DwordItem &item : profile.items) {
    items.Next();
    fprintf(out, "{\"tag\":%lu,\"name\":%s,\"value\":%lu}", static_cast<unsigned long>(item.tag),
            Name(item.name).c_str(), static_cast<unsigned long>(item.value));
  }
  fputs("],\"buffers\":[", out);
  JsonList buffers(out);
  for (const BufferItem &item : profile.buffers) {
    buffers.Next();
    PrintBuffer(item, out);
  }
  fputs("]", out);
  PrintValues("values", profile.values, codePage, out);
  PrintValues("setup", profile.setup, codePage, out);
  fputs("}", out);
}

}  // namespace

void PrintJson(const Dump &dump, UINT codePage, FILE *out) {
  fprintf(out, "{\"fileSize\":%lu", static_cast<unsigned long>(dump.fileSize));
  if (dump.headRead)
    fprintf(out, ",\"driverVersion\":%u,\"language\":%u,\"model\":%s,\"profileCount\":%d",
            dump.head.wDriverVersion, dump.head.wLanguage,
            Quoted(Utf8FromAnsi(dump.head.szModel, codePage)).c_str(), dump.head.nProfCount);
  fputs(",\"profiles\":[", out);
  JsonList profiles(out);
  for (const Profile &profile : dump.profiles) {
    profiles.Next();
    PrintProfile(profile, codePage, out);
  }
  fputs("]", out);
  if (dump.damaged)
    fprintf(out, ",\"error\":{\"offset\":%lu,\"reason\":%s}",
            static_cast<unsigned long>(dump.stopOffset), Quoted(dump.stopReason).c_str());
  fputs("}\n", out);
}

}  // namespace jzpdump
