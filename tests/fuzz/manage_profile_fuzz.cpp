// libFuzzer target for the reading path of an import: any bytes as a profile file, read by
// ManageProfile as the page's import reads it. Every profile it lists is found and loaded, its
// registry values walked with each value's buffer no larger than the section behind its head,
// its custom paper size merged into a printer's table and its settings fitted and rebuilt onto
// the reference DEVMODE in a buffer of its exact size.
#include <stddef.h>
#include <stdint.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_devmode.h"
#include "profilefile/manage_profile.h"

namespace {

// The file each input is written to, in memory where the machine has a memory file system: the
// import reads through the platform's file calls, and no input waits for a disk.
const std::string &FilePath() {
  static const std::string path =
      std::string(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") +
      "/manage_profile_fuzz." + std::to_string(getpid()) + ".jzp";
  return path;
}

std::vector<CustomPaperSize> PrinterTable() {
  std::vector<CustomPaperSize> table(2);
  memcpy(table[0].szName, "Card", 5);
  table[0].dwWidth = 1000;
  memcpy(table[1].szName, "Label", 6);
  table[1].dwWidth = 400;
  return table;
}

void ReadProfile(ManageProfile &reader, const char *name, const JzpImportTarget &target) {
  JzpProfileEntry entry;
  if (!reader.FindProfileEntry(name, &entry) || !reader.LoadProfile(entry))
    return;
  size_t walked = 0;
  JzpRegItemHeader head;
  for (reader.StartProfileRegistry(); reader.IsProfileRegistry();) {
    if (!reader.LoadProfileRegHeader(&head))
      break;
    if (head.dwSize > reader.GetSectionSize(JZP_SECTION_REGISTRY))
      abort();
    std::vector<BYTE> data(head.dwSize);
    if (reader.LoadProfileRegBody(data.data(), head.dwSize) != head.dwSize)
      abort();
    walked += sizeof head + data.size();
    if (walked > reader.GetSectionSize(JZP_SECTION_REGISTRY))
      abort();
    if (const auto merge = reader.VerifyProfileCPSData(PrinterTable(), data))
      if (merge->index >= merge->table.size())
        abort();
  }
  std::vector<BYTE> devMode(reader.GetDefaultDevMode().size());
  if (!reader.LoadProfileDevMode(target, devMode.data(), static_cast<DWORD>(devMode.size())))
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  {
    std::ofstream file(FilePath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  }
  ManageProfile reader(jzp_fuzz::ReferenceDevMode(), JzpHead{});
  if (reader.OpenProfile(FilePath().c_str(), JZP_MODE_READ) != 0)
    return 0;
  const JzpImportTarget target = {{1, 5, 9}, {300, 600}, 0x0409, 0};
  const int count = reader.GetProfileDataFromJZP(nullptr, nullptr, 0);
  if (count < 0 || static_cast<size_t>(count) > size / sizeof(JzpProfileEntry))
    abort();
  std::unique_ptr<char[][32]> names(new char[count][32]());
  reader.GetProfileDataFromJZP(names.get(), nullptr, static_cast<DWORD>(count));
  for (int i = 0; i < count; ++i)
    ReadProfile(reader, names[i], target);
  reader.CloseProfile();
  return 0;
}
