// Bounded reading of the dialog's records.
#include "describe/settings_info_sources.h"

#include <algorithm>

#include "abi/devmode_view.h"
#include "abi/host_records.h"
#include "abi/private_blocks.h"

namespace {

bool Bit(const InfoBytes &record, size_t offset, int bit) {
  const std::optional<DWORD> word = record.Get<DWORD>(offset);
  return word && (*word >> bit & 1) != 0;
}

}  // namespace

std::string InfoBytes::Text(size_t offset, size_t size) const {
  ByteReader field;
  if (!m_Bytes.ViewAt(offset, size, &field))
    return std::string();
  const std::span<const BYTE> bytes = field.Bytes();
  const auto end = std::find(bytes.begin(), bytes.end(), BYTE{0});
  return std::string(bytes.begin(), end);
}

WideString InfoBytes::WideText(size_t offset, size_t chars) const {
  WideString text;
  ByteReader field;
  if (!m_Bytes.ViewAt(offset, m_Bytes.Size() - std::min(offset, m_Bytes.Size()), &field))
    return text;
  WCHAR c;
  while (text.size() < chars && field.Read(&c) && c != 0)
    text.push_back(c);
  return text;
}

InfoBytes PrivateBlockBytes(const void *block) {
  return InfoBytes(HeldPrivateBlockBytes(block));
}

InfoBytes DevModeBytes(const DEVMODEW *devMode) {
  return InfoBytes(DevModeView(CompleteDevModeBytes(devMode)).PublicPart().Bytes());
}

bool InfoSources::CapsBit(size_t offset, int bit) const {
  return Bit(caps, offset, bit);
}

bool InfoSources::ModelBit(size_t offset, int bit) const {
  return Bit(model, offset, bit);
}

bool InfoSources::IsColorDevice() const {
  return CapsBit(offsetof(ModelCapabilitiesRecord, dwDevice), 0);
}

WORD InfoSources::PdlId() const {
  return main.Get<WORD>(offsetof(pdMain, wPdlId)).value_or(0);
}
