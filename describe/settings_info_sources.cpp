// Bounded reading of the dialog's records.
#include "describe/settings_info_sources.h"

#include <string.h>

#include "abi/host_records.h"
#include "abi/private_blocks.h"

namespace {

bool Bit(const InfoBytes &record, size_t offset, int bit) {
  const std::optional<DWORD> word = record.Get<DWORD>(offset);
  return word && (*word >> bit & 1) != 0;
}

}  // namespace

std::string InfoBytes::Text(size_t offset, size_t size) const {
  if (!Holds(offset, size))
    return std::string();
  const char *start = reinterpret_cast<const char *>(m_pData + offset);
  const void *end = memchr(start, '\0', size);
  return std::string(start, end != nullptr ? static_cast<const char *>(end) - start : size);
}

WideString InfoBytes::WideText(size_t offset, size_t chars) const {
  WideString text;
  for (size_t i = 0; i < chars; ++i) {
    const std::optional<WCHAR> c = Get<WCHAR>(offset + i * sizeof(WCHAR));
    if (!c || *c == 0)
      break;
    text.push_back(*c);
  }
  return text;
}

InfoBytes PrivateBlockBytes(const void *block) {
  if (block == nullptr)
    return InfoBytes();
  PrivateDataBlockHeader header;
  memcpy(&header, block, sizeof header);
  if (header.dwSignature != PRIVATE_DATA_SIGNATURE || header.dwSize < sizeof header)
    return InfoBytes();
  return InfoBytes(block, header.dwSize);
}

InfoBytes DevModeBytes(const DEVMODEW *devMode) {
  if (devMode == nullptr)
    return InfoBytes();
  return InfoBytes(devMode, devMode->dmSize);
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
