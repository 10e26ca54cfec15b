// jzpdump's text output.
#include <stdio.h>

#include "abi/private_blocks.h"
#include "jzp_dump.h"

namespace jzpdump {
namespace {

const char *const kSectionNames[JZP_SECTION_COUNT] = {"Section 1", "Section 2", "Section 3",
                                                      "Section 4"};

std::string TagName(const char *name, DWORD tag) {
  return (name != nullptr ? std::string(name) : std::string("unknown tag")) + " (" +
         std::to_string(tag) + ")";
}

void PrintBuffer(const BufferItem &item, FILE *out) {
  fprintf(out, "    %-32s %6lu bytes", TagName(item.name, item.tag).c_str(),
          static_cast<unsigned long>(item.size));
  if (item.tag == PFDM_FORMNAME)
    fprintf(out, "  \"%s\"", Utf8FromUtf16(item.formName).c_str());
  if (item.isBlock) {
    const char *block = PrivateBlockName(item.blockId);
    fprintf(out, "  block %u%s%s%s, version 0x%04X", item.blockId, block ? " (" : "",
            block ? block : "", block ? ")" : "", item.blockVersion);
    if (item.blockSize != item.size)
      fprintf(out, ", size field %lu", static_cast<unsigned long>(item.blockSize));
  } else if (item.tag == PFPD_PLUGIN) {
    fprintf(out, "  (no block header)");
  }
  fputc('\n', out);
}

void PrintValues(const std::vector<RegValue> &values, UINT codePage, FILE *out) {
  for (const RegValue &value : values)
    fprintf(out, "    %-32s type %lu, %lu bytes\n", Utf8FromAnsi(value.name, codePage).c_str(),
            static_cast<unsigned long>(value.type), static_cast<unsigned long>(value.size));
}

void PrintProfile(const Profile &profile, UINT codePage, FILE *out) {
  const JzpProfileEntry &entry = profile.info.entry;
  fprintf(out, "\nProfile %d at byte %lu: %s\n", profile.info.index + 1,
          static_cast<unsigned long>(profile.info.entryOffset),
          Utf8FromAnsi(entry.szProfileName, codePage).c_str());
  fprintf(out, "  Description:  %s\n", Utf8FromAnsi(entry.szProfileInfo, codePage).c_str());
  fprintf(out, "  Icon:         %lu\n", static_cast<unsigned long>(entry.nProfileIcon));
  const DWORD rgb = entry.rgbIconColor;
  fprintf(out, "  Icon colour:  #%02X%02X%02X\n", static_cast<unsigned>(rgb & 0xFF),
          static_cast<unsigned>(rgb >> 8 & 0xFF), static_cast<unsigned>(rgb >> 16 & 0xFF));
  fprintf(out, "  Model:        %s\n", Utf8FromAnsi(entry.szModel, codePage).c_str());
  for (int k = 0; k < JZP_SECTION_COUNT; ++k) {
    fprintf(out, "  %s:    %lu bytes", kSectionNames[k],
            static_cast<unsigned long>(entry.adwSectionSize[k]));
    if (profile.sectionsRead)
      fprintf(out, " at byte %lu", static_cast<unsigned long>(profile.info.sectionOffset[k]));
    fputc('\n', out);
  }

  if (!profile.sectionsRead) {
    fprintf(out, "  (its sections are not read: they run past the end of the file)\n");
    return;
  }
  fprintf(out, "  Section 1 items: %zu\n", profile.items.size());
  for (const DwordItem &item : profile.items)
    fprintf(out, "    %-32s %s (0x%08lX)\n", TagName(item.name, item.tag).c_str(),
            item.isSigned ? std::to_string(static_cast<LONG>(item.value)).c_str()
                          : std::to_string(item.value).c_str(),
            static_cast<unsigned long>(item.value));
  if (profile.itemRemainder != 0)
    fprintf(out, "    (%lu bytes behind the last item are ignored)\n",
            static_cast<unsigned long>(profile.itemRemainder));
  fprintf(out, "  Section 2 items: %zu\n", profile.buffers.size());
  for (const BufferItem &item : profile.buffers)
    PrintBuffer(item, out);
  fprintf(out, "  Section 3 values: %zu\n", profile.values.size());
  PrintValues(profile.values, codePage, out);
  fprintf(out, "  Section 4:\n");
  PrintValues(profile.setup, codePage, out);
}

}  // namespace

void PrintText(const Dump &dump, UINT codePage, FILE *out) {
  fprintf(out, "File size:       %lu bytes\n", static_cast<unsigned long>(dump.fileSize));
  if (dump.headRead) {
    fprintf(out, "Driver version:  0x%04X\n", dump.head.wDriverVersion);
    fprintf(out, "Language:        0x%02X\n", dump.head.wLanguage);
    fprintf(out, "Model:           %s\n", Utf8FromAnsi(dump.head.szModel, codePage).c_str());
    fprintf(out, "Profiles:        %d\n", dump.head.nProfCount);
  }
  for (const Profile &profile : dump.profiles)
    PrintProfile(profile, codePage, out);
}

}  // namespace jzpdump
