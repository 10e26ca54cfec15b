// The Section 1 and Section 2 encoders.
#include "profilefile/jzp_encode.h"

#include <string.h>

#include <algorithm>
#include <span>

#include "abi/private_blocks.h"
#include "profilefile/jzp_devmode.h"
#include "profilefile/jzp_items.h"

namespace {

constexpr size_t kFormNameChars = sizeof(DEVMODEW::dmFormName) / sizeof(WCHAR);

// Appends items while they fit; counts every item whether it fits or not.
class ItemWriter {
 public:
  ItemWriter(BYTE *out, DWORD size) : m_pOut(out), m_dwCapacity(out != nullptr ? size : 0) {}

  void AddDword(DWORD tag, DWORD value) {
    Add(AddDWORD(tag, value, nullptr), [&](BYTE *at) { AddDWORD(tag, value, at); });
  }
  void AddBytes(DWORD tag, std::span<const BYTE> bytes) {
    const DWORD size = static_cast<DWORD>(bytes.size());
    Add(AddBuffer(tag, bytes.data(), size, nullptr),
        [&](BYTE *at) { AddBuffer(tag, bytes.data(), size, at); });
  }
  DWORD Needed() const { return m_dwNeeded; }

 private:
  template <typename Write>
  void Add(DWORD itemSize, Write write) {
    if (m_pOut != nullptr && m_dwNeeded <= m_dwCapacity && itemSize <= m_dwCapacity - m_dwNeeded)
      write(m_pOut + m_dwNeeded);
    m_dwNeeded += itemSize;
  }

  BYTE *m_pOut;
  DWORD m_dwCapacity;
  DWORD m_dwNeeded = 0;
};

// The form name's characters up to its terminator, at most the field's 32.
size_t FormNameLength(const DEVMODEW &devMode) {
  size_t length = 0;
  while (length < kFormNameChars && devMode.dmFormName[length] != 0)
    ++length;
  return length;
}

void EncodeFormName(const JzpSourceDevMode &profile, const JzpSourceDevMode &reference,
                    ItemWriter &writer) {
  const DEVMODEW fields = profile.DevMode().PublicFields();
  const DEVMODEW referenceFields = reference.DevMode().PublicFields();
  const size_t length = FormNameLength(fields);
  if (length == FormNameLength(referenceFields) &&
      memcmp(fields.dmFormName, referenceFields.dmFormName, length * sizeof(WCHAR)) == 0)
    return;
  // A name that fills the field without a terminator is written cut to 31 characters, so that
  // every stored form name ends with its zero character within the 64 bytes.
  WCHAR name[kFormNameChars] = {};
  const size_t kept = length < kFormNameChars ? length : kFormNameChars - 1;
  memcpy(name, fields.dmFormName, kept * sizeof(WCHAR));
  writer.AddBytes(PFDM_FORMNAME, BytesOf(name).first((kept + 1) * sizeof(WCHAR)));
}

// A caller's buffer; empty for null.
std::span<const BYTE> Bytes(const BYTE *data, DWORD size) {
  return data != nullptr ? std::span<const BYTE>(data, size) : std::span<const BYTE>();
}

// Every plug-in block behind the profile's main block, whether or not it differs.
void EncodePlugInBlocks(const JzpSourceDevMode &profile, ItemWriter &writer) {
  if (!profile.MainBlock())
    return;
  for (const PrivateBlock &block : profile.DevMode().BlocksBehind(*profile.MainBlock()))
    writer.AddBytes(PFPD_PLUGIN, profile.DevMode().BlockPart(block).Bytes());
}

}  // namespace

DWORD ReadJzpField(const JzpDwordTag &tag, ByteReader field) {
  WORD word = 0;
  BYTE byte = 0;
  DWORD dword = 0;
  switch (tag.kind) {
    case JzpFieldKind::Word:
      field.Read(&word);
      return word;
    case JzpFieldKind::Short:
      field.Read(&word);
      return static_cast<DWORD>(static_cast<LONG>(static_cast<SHORT>(word)));
    case JzpFieldKind::ByteFlag:
      field.Read(&byte);
      return byte;
    case JzpFieldKind::Dword:
    case JzpFieldKind::LowBits4:
    case JzpFieldKind::Bit27:
      break;
  }
  field.Read(&dword);
  if (tag.kind == JzpFieldKind::LowBits4)
    return dword & 0xF;
  if (tag.kind == JzpFieldKind::Bit27)
    return (dword & PDMAIN_OPT_EMF_SPOOLING) != 0 ? 1 : 0;
  return dword;
}

DWORD EncodeJzpDwordItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                          DWORD referenceSize, BYTE *out, DWORD outSize) {
  const JzpSourceDevMode from(Bytes(profile, profileSize)), base(Bytes(reference, referenceSize));
  ItemWriter writer(out, outSize);
  if (!from.IsValid() || !base.IsValid())
    return 0;
  for (const JzpDwordTag &tag : JzpDwordTags()) {
    const DWORD width = JzpFieldWidth(tag.kind);
    ByteReader field, baseField;
    if (!from.Field(tag.place, tag.offset, width, &field) ||
        !base.Field(tag.place, tag.offset, width, &baseField))
      continue;
    const DWORD value = ReadJzpField(tag, field);
    if (value != ReadJzpField(tag, baseField))
      writer.AddDword(tag.tag, value);
  }
  return writer.Needed();
}

DWORD EncodeJzpBufferItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                           DWORD referenceSize, BYTE *out, DWORD outSize) {
  const JzpSourceDevMode from(Bytes(profile, profileSize)), base(Bytes(reference, referenceSize));
  ItemWriter writer(out, outSize);
  if (!from.IsValid() || !base.IsValid())
    return 0;
  for (const JzpBufferTag &tag : JzpBufferTags()) {
    ByteReader field, baseField;
    if (!from.Field(tag.place, tag.offset, tag.size, &field) ||
        !base.Field(tag.place, tag.offset, tag.size, &baseField))
      continue;
    if (tag.tag == PFDM_FORMNAME) {
      EncodeFormName(from, base, writer);
      continue;
    }
    const std::span<const BYTE> bytes = field.Bytes(), baseBytes = baseField.Bytes();
    if (!std::equal(bytes.begin(), bytes.end(), baseBytes.begin(), baseBytes.end()))
      writer.AddBytes(tag.tag, bytes);
  }
  EncodePlugInBlocks(from, writer);
  return writer.Needed();
}
