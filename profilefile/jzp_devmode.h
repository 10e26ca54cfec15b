// A complete wide DEVMODE seen by the profile-file encoder and decoder: the two places its
// tagged fields live in, the public part and the main private block, with every field access
// checked against its place. The encoder reads through a JzpSourceDevMode, the decoder writes
// through a JzpTargetDevMode.
#pragma once

#include <windows.h>

#include <stddef.h>

#include <concepts>
#include <optional>
#include <span>

#include "abi/devmode_view.h"
#include "profilefile/jzp_tags.h"

template <typename View, typename Bytes>
class JzpDevMode {
 public:
  // Usable when the bytes hold the complete DEVMODE its size fields declare, with a public part
  // that reaches dmFields. A DEVMODE without a main private block has public fields only: its
  // private fields are neither written nor applied.
  explicit JzpDevMode(Bytes bytes) : m_View(bytes) {
    m_bValid = m_View.IsComplete() && m_View.PublicSize() >= offsetof(DEVMODEW, dmFields);
    if (!m_bValid)
      return;
    m_Main = m_View.FindBlock(PRIVATE_DATA_ID_MAIN);
    m_PublicPart = m_View.PublicPart();
    if (m_Main)
      m_MainPart = m_View.BlockPart(*m_Main);
  }

  bool IsValid() const { return m_bValid; }
  const View &DevMode() const { return m_View; }
  View &DevMode() { return m_View; }
  const std::optional<PrivateBlock> &MainBlock() const { return m_Main; }

  // The field's bytes; false when the field does not lie wholly inside its place.
  bool Field(JzpFieldPlace place, DWORD offset, DWORD width, ByteReader *field) const {
    return Place(place).ViewAt(offset, width, field);
  }
  bool Field(JzpFieldPlace place, DWORD offset, DWORD width,
             ByteWriter *field) const requires std::same_as<View, DevModeEditor> {
    if (place == JzpFieldPlace::Public)
      return m_View.PublicWriter().ViewAt(offset, width, field);
    return m_Main && m_View.BlockWriter(*m_Main).ViewAt(offset, width, field);
  }

 private:
  // An empty view stands for a missing main block.
  const ByteReader &Place(JzpFieldPlace place) const {
    return place == JzpFieldPlace::Public ? m_PublicPart : m_MainPart;
  }

  View m_View;
  bool m_bValid = false;
  std::optional<PrivateBlock> m_Main;
  ByteReader m_PublicPart;
  ByteReader m_MainPart;
};

using JzpSourceDevMode = JzpDevMode<DevModeView, std::span<const BYTE>>;
using JzpTargetDevMode = JzpDevMode<DevModeEditor, std::span<BYTE>>;
