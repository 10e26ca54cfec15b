// What the profile-file tests share: a model's factory-default DEVMODE with typed access to its
// fields, and profile files put together byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "abi/devmode_view.h"
#include "abi/private_blocks.h"
#include "host/printer_model.h"
#include "profilefile/jzp_format.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_tags.h"

namespace jzp_testing {

// A complete DEVMODE in its own buffer.
struct DevModeBytes {
  std::vector<BYTE> bytes;

  static DevModeBytes ColorDefault() { return {host::ColorLaserModel().DefaultDevMode()}; }
  DEVMODEW *dm() { return reinterpret_cast<DEVMODEW *>(bytes.data()); }
  pdMain *main() { return reinterpret_cast<pdMain *>(GetPlugInAddr(dm(), PRIVATE_DATA_ID_MAIN)); }
  BYTE *block(WORD id) { return reinterpret_cast<BYTE *>(GetPlugInAddr(dm(), id)); }
  DWORD size() const { return static_cast<DWORD>(bytes.size()); }
};

inline std::vector<BYTE> DwordItems(std::initializer_list<JzpDwordItem> items) {
  std::vector<BYTE> bytes;
  for (const JzpDwordItem &item : items) {
    bytes.resize(bytes.size() + 8);
    AddDWORD(item.dwTag, item.dwValue, bytes.data() + bytes.size() - 8);
  }
  return bytes;
}

inline void AppendBuffer(std::vector<BYTE> &section, DWORD tag, const void *data, DWORD size) {
  const size_t at = section.size();
  section.resize(at + 8 + size);
  AddBuffer(tag, static_cast<const BYTE *>(data), size, section.data() + at);
}

inline std::vector<BYTE> RegItem(const char *name, DWORD type, const std::vector<BYTE> &data) {
  JzpRegItemHeader header{};
  std::strncpy(header.szValueName, name, sizeof header.szValueName - 1);
  header.dwType = type;
  header.dwSize = static_cast<DWORD>(data.size());
  std::vector<BYTE> bytes(sizeof header);
  std::memcpy(bytes.data(), &header, sizeof header);
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

struct ProfileBytes {
  std::string name;
  std::vector<BYTE> sections[JZP_SECTION_COUNT];
};

// A file with a header of the given count and the profiles' entries and sections.
inline std::vector<BYTE> FileBytes(const std::vector<ProfileBytes> &profiles, SHORT count,
                                   WORD driverVersion = 0x0340) {
  JzpHead head{};
  std::memcpy(head.szMagic, JZP_MAGIC, 4);
  head.wDriverVersion = driverVersion;
  head.wLanguage = 9;
  head.nProfCount = count;
  std::strcpy(head.szModel, "JZ Color 5300 PS");
  std::vector<BYTE> file(sizeof head);
  std::memcpy(file.data(), &head, sizeof head);
  for (const ProfileBytes &profile : profiles) {
    JzpProfileEntry entry{};
    std::strncpy(entry.szProfileName, profile.name.c_str(), sizeof entry.szProfileName - 1);
    std::strcpy(entry.szProfileInfo, ("about " + profile.name).c_str());
    for (int k = 0; k < JZP_SECTION_COUNT; ++k)
      entry.adwSectionSize[k] = static_cast<DWORD>(profile.sections[k].size());
    const size_t at = file.size();
    file.resize(at + sizeof entry);
    std::memcpy(file.data() + at, &entry, sizeof entry);
    for (const std::vector<BYTE> &section : profile.sections)
      file.insert(file.end(), section.begin(), section.end());
  }
  return file;
}

inline void WriteBytes(const std::filesystem::path &path, const std::vector<BYTE> &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<BYTE> ReadBytes(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace jzp_testing
