// A complete wide DEVMODE seen by the profile-file encoder and decoder: its public part and
// its main private block, with every field access checked against both.
#pragma once

#include <windows.h>

#include <stddef.h>

#include "abi/plugin_walk.h"
#include "profilefile/jzp_tags.h"

template <typename Byte>
class JzpDevMode {
 public:
  // `size` is what the buffer holds; the DEVMODE is usable when its dmSize and dmDriverExtra
  // describe no more than that. A DEVMODE without a main private block has public fields only:
  // its private fields are neither written nor applied.
  JzpDevMode(Byte *data, size_t size) {
    if (data == nullptr || size < offsetof(DEVMODEW, dmFields))
      return;
    const auto *devMode = reinterpret_cast<const DEVMODEW *>(data);
    if (devMode->dmSize < offsetof(DEVMODEW, dmFields) ||
        size_t{devMode->dmSize} + devMode->dmDriverExtra > size)
      return;
    m_pData = data;
    m_dwPublicSize = devMode->dmSize;
    const PrivateDataBlockHeader *main = GetPlugInAddr(devMode, PRIVATE_DATA_ID_MAIN);
    if (main != nullptr) {
      m_pMain =
          data + (reinterpret_cast<const BYTE *>(main) - reinterpret_cast<const BYTE *>(data));
      m_dwMainSize = main->dwSize;
    }
  }

  bool IsValid() const { return m_pData != nullptr; }
  bool HasMainBlock() const { return m_pMain != nullptr; }
  Byte *Data() const { return m_pData; }
  const DEVMODEW *DevMode() const { return reinterpret_cast<const DEVMODEW *>(m_pData); }
  Byte *MainBlock() const { return m_pMain; }

  // The field's first byte, or null when the field does not lie wholly inside the public part
  // or the main private block.
  Byte *Field(JzpFieldPlace place, DWORD offset, DWORD width) const {
    Byte *base = place == JzpFieldPlace::Public ? m_pData : m_pMain;
    const DWORD limit = place == JzpFieldPlace::Public ? m_dwPublicSize : m_dwMainSize;
    if (base == nullptr || offset > limit || width > limit - offset)
      return nullptr;
    return base + offset;
  }

 private:
  Byte *m_pData = nullptr;
  DWORD m_dwPublicSize = 0;
  Byte *m_pMain = nullptr;
  DWORD m_dwMainSize = 0;
};
