// Writes the seed corpus of the fuzz target into the folder given: profile files whose
// profiles are varied settings encoded against the fuzz target's reference DEVMODE.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_devmode.h"
#include "profilefile/jzp_encode.h"
#include "abi/storage_names.h"
#include "profilefile/jzp_format.h"

namespace {

using Change = std::function<void(DEVMODEW *, pdMain *)>;

std::vector<BYTE> Section(decltype(&EncodeJzpDwordItems) encoder, const std::vector<BYTE> &devMode,
                          const std::vector<BYTE> &reference) {
  const DWORD size = static_cast<DWORD>(devMode.size());
  const DWORD referenceSize = static_cast<DWORD>(reference.size());
  std::vector<BYTE> bytes(
      encoder(devMode.data(), size, reference.data(), referenceSize, nullptr, 0));
  encoder(devMode.data(), size, reference.data(), referenceSize, bytes.data(),
          static_cast<DWORD>(bytes.size()));
  return bytes;
}

std::vector<BYTE> RegItem(const char *name, std::vector<BYTE> data) {
  JzpRegItemHeader header{};
  std::strncpy(header.szValueName, name, sizeof header.szValueName - 1);
  header.dwType = REG_BINARY;
  header.dwSize = static_cast<DWORD>(data.size());
  std::vector<BYTE> bytes(sizeof header);
  std::memcpy(bytes.data(), &header, sizeof header);
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

template <typename Record>
void Append(std::vector<BYTE> &file, const Record &record) {
  const BYTE *bytes = reinterpret_cast<const BYTE *>(&record);
  file.insert(file.end(), bytes, bytes + sizeof record);
}

std::vector<BYTE> FileOf(const std::vector<Change> &changes) {
  const std::vector<BYTE> reference = jzp_fuzz::ReferenceDevMode();
  JzpHead head{};
  std::memcpy(head.szMagic, JZP_MAGIC, sizeof JZP_MAGIC);
  head.wDriverVersion = 0x0340;
  head.nProfCount = static_cast<SHORT>(changes.size());
  std::strcpy(head.szModel, "Fuzz");
  std::vector<BYTE> file;
  Append(file, head);
  int number = 0;
  for (const Change &change : changes) {
    std::vector<BYTE> devMode = reference;
    auto *dm = reinterpret_cast<DEVMODEW *>(devMode.data());
    change(dm, reinterpret_cast<pdMain *>(devMode.data() + dm->dmSize));
    std::vector<BYTE> sections[JZP_SECTION_COUNT] = {
        Section(&EncodeJzpDwordItems, devMode, reference),
        Section(&EncodeJzpBufferItems, devMode, reference),
        number % 2 ? RegItem("VtCPSData", std::vector<BYTE>(48, 7)) : std::vector<BYTE>(),
        RegItem(PROFILE_SETUP_VALUE, std::vector<BYTE>(number, 1))};
    JzpProfileEntry entry{};
    std::snprintf(entry.szProfileName, sizeof entry.szProfileName, "Profile %d", ++number);
    for (int k = 0; k < JZP_SECTION_COUNT; ++k)
      entry.adwSectionSize[k] = static_cast<DWORD>(sections[k].size());
    Append(file, entry);
    for (const std::vector<BYTE> &section : sections)
      file.insert(file.end(), section.begin(), section.end());
  }
  return file;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: jzp_seeds FOLDER\n");
    return 2;
  }
  const std::vector<std::vector<Change>> files = {
      {},
      {[](DEVMODEW *, pdMain *) {}},
      {[](DEVMODEW *dm, pdMain *main) {
         dm->dmOrientation = DMORIENT_LANDSCAPE;
         dm->dmCopies = 3;
         main->sBrightness = -20;
         main->dwOptions |= PDMAIN_OPT_EMF_SPOOLING;
       },
       [](DEVMODEW *dm, pdMain *main) {
         std::memcpy(dm->dmFormName, u"Legal", 12);
         main->dwGutterPosition = 0x31;
         main->abStapling[3] = 9;
         main->bNoCopy = 1;
       }},
      {[](DEVMODEW *dm, pdMain *main) {
        dm->dmPaperSize = 300;
        dm->dmPrintQuality = -3;
        main->wOutBinIdx = 4;
        main->dImageShiftX = 0.25;
        reinterpret_cast<BYTE *>(main)[sizeof(pdMain) + 20] = 0x22;  // the watermark block
      }},
  };
  std::filesystem::create_directories(argv[1]);
  for (size_t i = 0; i < files.size(); ++i) {
    const std::vector<BYTE> bytes = FileOf(files[i]);
    std::ofstream out(std::filesystem::path(argv[1]) / ("seed" + std::to_string(i) + ".jzp"),
                      std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}
