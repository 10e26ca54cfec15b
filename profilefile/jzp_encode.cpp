// The Section 1 and Section 2 encoders.
#include "profilefile/jzp_encode.h"

#include <string.h>

#include "abi/private_blocks.h"
#include "profilefile/jzp_devmode.h"
#include "profilefile/jzp_items.h"

namespace {

using ConstDevMode = JzpDevMode<const BYTE>;
constexpr size_t kFormNameChars = sizeof(DEVMODEW::dmFormName) / sizeof(WCHAR);

// Appends items while they fit; counts every item whether it fits or not.
class ItemWriter {
 public:
  ItemWriter(BYTE *out, DWORD size) : m_pOut(out), m_dwCapacity(out != nullptr ? size : 0) {}

  void AddDword(DWORD tag, DWORD value) {
    Add(AddDWORD(tag, value, nullptr), [&](BYTE *at) { AddDWORD(tag, value, at); });
  }
  void AddBytes(DWORD tag, const BYTE *data, DWORD size) {
    Add(AddBuffer(tag, data, size, nullptr), [&](BYTE *at) { AddBuffer(tag, data, size, at); });
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
size_t FormNameLength(const DEVMODEW *devMode) {
  size_t length = 0;
  while (length < kFormNameChars && devMode->dmFormName[length] != 0)
    ++length;
  return length;
}

void EncodeFormName(const ConstDevMode &profile, const ConstDevMode &reference,
                    ItemWriter &writer) {
  const size_t length = FormNameLength(profile.DevMode());
  const size_t referenceLength = FormNameLength(reference.DevMode());
  if (length == referenceLength &&
      memcmp(profile.DevMode()->dmFormName, reference.DevMode()->dmFormName,
             length * sizeof(WCHAR)) == 0)
    return;
  // A name that fills the field without a terminator is written cut to 31 characters, so that
  // every stored form name ends with its zero character within the 64 bytes.
  WCHAR name[kFormNameChars] = {};
  const size_t kept = length < kFormNameChars ? length : kFormNameChars - 1;
  memcpy(name, profile.DevMode()->dmFormName, kept * sizeof(WCHAR));
  writer.AddBytes(PFDM_FORMNAME, reinterpret_cast<const BYTE *>(name),
                  static_cast<DWORD>((kept + 1) * sizeof(WCHAR)));
}

// Every plug-in block behind the profile's main block, whether or not it differs.
void EncodePlugInBlocks(const ConstDevMode &profile, ItemWriter &writer) {
  if (!profile.HasMainBlock())
    return;
  const auto *main = reinterpret_cast<const PrivateDataBlockHeader *>(profile.MainBlock());
  for (const PrivateDataBlockHeader *block = NextPlugInBlock(profile.DevMode(), main);
       block != nullptr; block = NextPlugInBlock(profile.DevMode(), block))
    writer.AddBytes(PFPD_PLUGIN, reinterpret_cast<const BYTE *>(block), block->dwSize);
}

}  // namespace

DWORD ReadJzpField(const JzpDwordTag &tag, const BYTE *field) {
  WORD word;
  DWORD dword;
  switch (tag.kind) {
    case JzpFieldKind::Word:
      memcpy(&word, field, sizeof word);
      return word;
    case JzpFieldKind::Short:
      memcpy(&word, field, sizeof word);
      return static_cast<DWORD>(static_cast<LONG>(static_cast<SHORT>(word)));
    case JzpFieldKind::ByteFlag:
      return *field;
    case JzpFieldKind::Dword:
    case JzpFieldKind::LowBits4:
    case JzpFieldKind::Bit27:
      break;
  }
  memcpy(&dword, field, sizeof dword);
  if (tag.kind == JzpFieldKind::LowBits4)
    return dword & 0xF;
  if (tag.kind == JzpFieldKind::Bit27)
    return (dword & PDMAIN_OPT_EMF_SPOOLING) != 0 ? 1 : 0;
  return dword;
}

DWORD EncodeJzpDwordItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                          DWORD referenceSize, BYTE *out, DWORD outSize) {
  const ConstDevMode from(profile, profileSize), base(reference, referenceSize);
  ItemWriter writer(out, outSize);
  if (!from.IsValid() || !base.IsValid())
    return 0;
  for (const JzpDwordTag &tag : JzpDwordTags()) {
    const DWORD width = JzpFieldWidth(tag.kind);
    const BYTE *field = from.Field(tag.place, tag.offset, width);
    const BYTE *baseField = base.Field(tag.place, tag.offset, width);
    if (field == nullptr || baseField == nullptr)
      continue;
    const DWORD value = ReadJzpField(tag, field);
    if (value != ReadJzpField(tag, baseField))
      writer.AddDword(tag.tag, value);
  }
  return writer.Needed();
}

DWORD EncodeJzpBufferItems(const BYTE *profile, DWORD profileSize, const BYTE *reference,
                           DWORD referenceSize, BYTE *out, DWORD outSize) {
  const ConstDevMode from(profile, profileSize), base(reference, referenceSize);
  ItemWriter writer(out, outSize);
  if (!from.IsValid() || !base.IsValid())
    return 0;
  for (const JzpBufferTag &tag : JzpBufferTags()) {
    if (tag.tag == PFDM_FORMNAME) {
      if (from.Field(tag.place, tag.offset, tag.size) &&
          base.Field(tag.place, tag.offset, tag.size))
        EncodeFormName(from, base, writer);
      continue;
    }
    const BYTE *field = from.Field(tag.place, tag.offset, tag.size);
    const BYTE *baseField = base.Field(tag.place, tag.offset, tag.size);
    if (field != nullptr && baseField != nullptr && memcmp(field, baseField, tag.size) != 0)
      writer.AddBytes(tag.tag, field, tag.size);
  }
  EncodePlugInBlocks(from, writer);
  return writer.Needed();
}
