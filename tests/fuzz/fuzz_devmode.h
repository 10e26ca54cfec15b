// The DEVMODE the fuzz target decodes onto and the seed files are encoded against: a public
// part, the driver's main block and two plug-in blocks, built here so that the fuzz build needs
// no printer model.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

#include "abi/private_blocks.h"

namespace jzp_fuzz {

inline void AppendBlock(std::vector<BYTE> &devMode, WORD id, DWORD size, BYTE fill) {
  const size_t at = devMode.size();
  devMode.resize(at + size, fill);
  const PrivateDataBlockHeader header = {PRIVATE_DATA_SIGNATURE, id, 0, 0x0100, 0, size};
  std::memcpy(devMode.data() + at, &header, sizeof header);
}

inline std::vector<BYTE> ReferenceDevMode() {
  DEVMODEW publicPart{};
  std::memcpy(publicPart.dmDeviceName, u"Fuzz", 10);
  publicPart.dmSpecVersion = DM_SPECVERSION;
  publicPart.dmDriverVersion = 0x0340;
  publicPart.dmSize = sizeof(DEVMODEW);
  publicPart.dmDriverExtra = sizeof(pdMain) + 96 + 16;
  publicPart.dmOrientation = DMORIENT_PORTRAIT;
  publicPart.dmPaperSize = DMPAPER_A4;
  publicPart.dmCopies = 1;
  std::memcpy(publicPart.dmFormName, u"A4", 6);
  std::vector<BYTE> devMode(sizeof publicPart);
  std::memcpy(devMode.data(), &publicPart, sizeof publicPart);
  AppendBlock(devMode, PRIVATE_DATA_ID_MAIN, sizeof(pdMain), 0);
  AppendBlock(devMode, PRIVATE_DATA_ID_WATERMARK, 96, 0x11);
  AppendBlock(devMode, PRIVATE_DATA_ID_PROFIL, 16, 0);
  return devMode;
}

}  // namespace jzp_fuzz
