// Writes the seed corpora of the fuzz targets, one folder each under the folder given: profile
// files whose profiles are varied settings encoded against the reference DEVMODE, stored profile
// lists and value indexes, DEVMODEs with sound and damaged chains, and registry files.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_devmode.h"
#include "profilefile/jzp_encode.h"
#include "abi/profile_records.h"
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

using Seed = std::vector<BYTE>;

std::vector<Seed> JzpSeeds() {
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
  std::vector<Seed> seeds;
  for (const std::vector<Change> &changes : files)
    seeds.push_back(FileOf(changes));
  return seeds;
}

ProfileHeader Header(const char *name, const char *info, DWORD icon, LONG regNum) {
  ProfileHeader header{};
  std::strncpy(header.strProfileName, name, sizeof header.strProfileName - 1);
  std::strncpy(header.strProfileInfo, info, sizeof header.strProfileInfo - 1);
  header.nProfileIcon = icon;
  header.rgbIconColor = 0x0080FF;
  header.nProfRegNum = regNum;
  return header;
}

std::vector<Seed> ProfileListSeeds() {
  ProfileHeader unterminated;
  std::memset(&unterminated, 'A', sizeof unterminated);
  Seed one, three;
  Append(one, Header("Factory Default", "The factory settings.", 0, 0));
  three = one;
  Append(three, Header("Office", "Duplex and stapled", 7, 1));
  Append(three, unterminated);
  Seed fragment = three;
  fragment.resize(fragment.size() + 100, 0x11);
  return {one, three, fragment};
}

ProfileValueEntry Entry(const char *name, DWORD size) {
  ProfileValueEntry entry{};
  std::strncpy(entry.szValueName, name, sizeof entry.szValueName - 1);
  entry.dwType = REG_BINARY;
  entry.dwSize = size;
  return entry;
}

std::vector<Seed> ValueIndexSeeds() {
  ProfileValueEntry unterminated;
  std::memset(&unterminated, 'A', sizeof unterminated);
  Seed one, three;
  Append(one, Entry(PROFILE_DEVMODE_VALUE, 1676));
  three = one;
  Append(three, Entry("VtCPSData", 96));
  Append(three, unterminated);
  Seed fragment = three;
  fragment.resize(fragment.size() + 200, 0x22);
  return {one, three, fragment};
}

// The reference DEVMODE, and copies with a damaged signature, a block of size 0, a private part
// cut short, and a public part of 96 bytes.
std::vector<Seed> DevModeSeeds() {
  const Seed reference = jzp_fuzz::ReferenceDevMode();
  const size_t watermark = sizeof(DEVMODEW) + sizeof(pdMain);
  Seed badSignature = reference, sizeZero = reference, cut = reference;
  badSignature[watermark] ^= 1;
  std::memset(sizeZero.data() + watermark + offsetof(PrivateDataBlockHeader, dwSize), 0, 4);
  cut.resize(cut.size() - 10);
  Seed shortPublic(reference.begin() + sizeof(DEVMODEW) - 96, reference.end());
  std::copy(reference.begin(), reference.begin() + 96, shortPublic.begin());
  shortPublic[offsetof(DEVMODEW, dmSize)] = 96;
  return {reference, badSignature, sizeZero, cut, shortPublic};
}

// A printer's key as the host keeps it: every value type, a hex value wrapped over lines, a
// deleted key and value; the same text with CRLF line ends, and as UTF-16 with its BOM.
std::vector<Seed> RegSeeds() {
  const std::string text =
      "Windows Registry Editor Version 5.00\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\JZ "
      "Color 5300]\n"
      "\"Name\"=\"JZ Color 5300\"\n"
      "\"Attributes\"=dword:00000040\n"
      "\"Default DevMode\"=hex:4a,00,5a,00,20,00,43,00,6f,00,6c,00,6f,00,72,00,20,00,35,\\\n"
      "  00,33,00,30,00,30,00,00,00\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\JZ "
      "Color 5300\\PrinterDriverData]\n"
      "@=\"Default text\"\n"
      "\"Quote \\\"x\\\" \\\\ name\"=\"say \\\"hi\\\"\"\n"
      "\"Expand\"=hex(2):25,00,53,00,52,00,25,00,00,00\n"
      "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
      "\"Big\"=hex(b):08,07,06,05,04,03,02,01\n"
      "\"None\"=hex(0):\n"
      "\"Gone\"=-\n"
      "\n"
      "[-HKEY_CURRENT_USER\\Software\\Old]\n"
      "\n";
  std::string crlf, utf16 = "\xFF\xFE";
  for (const char c : text) {
    if (c == '\n')
      crlf += '\r';
    crlf += c;
    utf16 += c;
    utf16 += '\0';
  }
  return {Seed(text.begin(), text.end()), Seed(crlf.begin(), crlf.end()),
          Seed(utf16.begin(), utf16.end())};
}

void WriteCorpus(const std::filesystem::path &folder, const std::vector<Seed> &seeds) {
  std::filesystem::create_directories(folder);
  for (size_t i = 0; i < seeds.size(); ++i) {
    std::ofstream out(folder / ("seed" + std::to_string(i)), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(seeds[i].data()),
              static_cast<std::streamsize>(seeds[i].size()));
  }
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  WriteCorpus(folder / "jzp_fuzz", JzpSeeds());
  WriteCorpus(folder / "manage_profile_fuzz", JzpSeeds());
  WriteCorpus(folder / "profile_list_fuzz", ProfileListSeeds());
  WriteCorpus(folder / "value_index_fuzz", ValueIndexSeeds());
  WriteCorpus(folder / "devmode_fuzz", DevModeSeeds());
  WriteCorpus(folder / "reg_file_fuzz", RegSeeds());
  return 0;
}
