// Applying Section 1 and Section 2 items onto a DEVMODE.
#include "profilefile/jzp_decode.h"

#include <iterator>

#include "abi/private_blocks.h"
#include "profilefile/jzp_devmode.h"
#include "profilefile/jzp_items.h"

namespace {

DWORD LoadDword(const ByteWriter &field) {
  DWORD value = 0;
  field.Reader().Read(&value);
  return value;
}

void ApplyDwordItem(const JzpTargetDevMode &target, const JzpDwordItem &item) {
  const JzpDwordTag *tag = FindJzpDwordTag(item.dwTag);
  ByteWriter field;
  if (tag == nullptr || !tag->readBack ||
      !target.Field(tag->place, tag->offset, JzpFieldWidth(tag->kind), &field))
    return;
  const DWORD value = item.dwValue;
  switch (tag->kind) {
    case JzpFieldKind::Word:
    case JzpFieldKind::Short:
      field.WriteAt(0, static_cast<WORD>(value));
      break;
    case JzpFieldKind::ByteFlag:
      field.WriteAt(0, static_cast<BYTE>(value != 0 ? 1 : 0));
      break;
    case JzpFieldKind::Dword:
      field.WriteAt(0, value);
      break;
    case JzpFieldKind::LowBits4:
      field.WriteAt(0, (LoadDword(field) & ~DWORD{0xF}) | (value & 0xF));
      break;
    case JzpFieldKind::Bit27: {
      const DWORD bits = LoadDword(field) & ~DWORD{PDMAIN_OPT_EMF_SPOOLING};
      field.WriteAt(0, value != 0 ? bits | PDMAIN_OPT_EMF_SPOOLING : bits);
      break;
    }
  }
}

// The form name: an even size of at most the field's 64 bytes. The name is taken up to its
// first zero character, at most 31 characters, and the rest of the field is zeroed, so that the
// name ends inside the field whatever the file holds.
void ApplyFormName(const JzpTargetDevMode &target, const JzpBufferTag &tag,
                   const JzpBufferItem &item) {
  WCHAR name[sizeof(DEVMODEW::dmFormName) / sizeof(WCHAR)] = {};
  ByteWriter field;
  const size_t size = item.data.size();
  if (!target.Field(tag.place, tag.offset, sizeof name, &field) || size == 0 ||
      size > sizeof name || size % sizeof(WCHAR) != 0)
    return;
  ByteReader stored(item.data);
  for (size_t i = 0; i + 1 < std::size(name) && stored.Read(&name[i]) && name[i] != 0; ++i) {
  }
  field.WriteAt(0, name);
}

// A stored plug-in block replaces every block of the target behind its main block that has the
// same identifier and the same size. A block whose size field does not say the item's size is
// damaged and is dropped, as is a block that matches none of the target's.
void ApplyPlugInBlock(JzpTargetDevMode &target, const JzpBufferItem &item) {
  PrivateDataBlockHeader stored;
  if (!target.MainBlock() || !ByteReader(item.data).Read(&stored) ||
      stored.dwSignature != PRIVATE_DATA_SIGNATURE || stored.dwSize != item.data.size())
    return;
  for (const PrivateBlock &block : target.DevMode().BlocksBehind(*target.MainBlock())) {
    if (block.header.wBlockId == stored.wBlockId && block.header.dwSize == stored.dwSize)
      target.DevMode().OverwriteBlock(block, item.data);
  }
}

// A private range or the form name whose stored size differs from the field's is skipped whole:
// a foreign or damaged item is not partly applied.
void ApplyBufferItem(JzpTargetDevMode &target, const JzpBufferItem &item) {
  if (item.head.dwTag == PFPD_PLUGIN) {
    ApplyPlugInBlock(target, item);
    return;
  }
  const JzpBufferTag *tag = FindJzpBufferTag(item.head.dwTag);
  if (tag == nullptr)
    return;
  if (tag->tag == PFDM_FORMNAME) {
    ApplyFormName(target, *tag, item);
    return;
  }
  ByteWriter field;
  if (item.data.size() == tag->size && target.Field(tag->place, tag->offset, tag->size, &field))
    field.WriteAt(0, item.data);
}

}  // namespace

bool ApplyJzpSections(BYTE *target, DWORD targetSize, const BYTE *section1, DWORD section1Size,
                      const BYTE *section2, DWORD section2Size) {
  if (target == nullptr)
    return false;
  JzpTargetDevMode devMode(std::span<BYTE>(target, targetSize));
  if (!devMode.IsValid())
    return false;
  if (section1 != nullptr)
    for (const JzpDwordItem &item : ReadJzpDwordItems(ByteReader(section1, section1Size)))
      ApplyDwordItem(devMode, item);
  if (section2 != nullptr) {
    JzpBufferItems items(section2, section2Size);
    JzpBufferItem item;
    while (items.Next(&item))
      ApplyBufferItem(devMode, item);
  }
  return true;
}
