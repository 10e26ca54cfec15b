// Applying Section 1 and Section 2 items onto a DEVMODE.
#include "profilefile/jzp_decode.h"

#include <string.h>

#include "abi/private_blocks.h"
#include "profilefile/jzp_devmode.h"
#include "profilefile/jzp_encode.h"
#include "profilefile/jzp_items.h"

namespace {

using MutableDevMode = JzpDevMode<BYTE>;

DWORD LoadDword(const BYTE *field) {
  DWORD value;
  memcpy(&value, field, sizeof value);
  return value;
}

void StoreDword(BYTE *field, DWORD value) {
  memcpy(field, &value, sizeof value);
}

void ApplyDwordItem(const MutableDevMode &target, const JzpDwordItem &item) {
  const JzpDwordTag *tag = FindJzpDwordTag(item.dwTag);
  if (tag == nullptr || !tag->readBack)
    return;
  BYTE *field = target.Field(tag->place, tag->offset, JzpFieldWidth(tag->kind));
  if (field == nullptr)
    return;
  const DWORD value = item.dwValue;
  const WORD low = static_cast<WORD>(value);
  switch (tag->kind) {
    case JzpFieldKind::Word:
    case JzpFieldKind::Short:
      memcpy(field, &low, sizeof low);
      break;
    case JzpFieldKind::ByteFlag:
      *field = value != 0 ? 1 : 0;
      break;
    case JzpFieldKind::Dword:
      StoreDword(field, value);
      break;
    case JzpFieldKind::LowBits4:
      StoreDword(field, (LoadDword(field) & ~DWORD{0xF}) | (value & 0xF));
      break;
    case JzpFieldKind::Bit27: {
      const DWORD bits = LoadDword(field) & ~DWORD{PDMAIN_OPT_EMF_SPOOLING};
      StoreDword(field, value != 0 ? bits | PDMAIN_OPT_EMF_SPOOLING : bits);
      break;
    }
  }
}

// The form name: an even size of at most the field's 64 bytes. The name is taken up to its
// first zero character and the rest of the field is zeroed, so that the name ends inside the
// field whatever the file holds.
void ApplyFormName(const MutableDevMode &target, const JzpBufferTag &tag,
                   const JzpBufferItem &item) {
  BYTE *field = target.Field(tag.place, tag.offset, tag.size);
  if (field == nullptr || item.size == 0 || item.size > tag.size || item.size % sizeof(WCHAR))
    return;
  memset(field, 0, tag.size);
  for (DWORD at = 0; at + sizeof(WCHAR) < tag.size && at < item.size; at += sizeof(WCHAR)) {
    if (item.data[at] == 0 && item.data[at + 1] == 0)
      break;
    memcpy(field + at, item.data + at, sizeof(WCHAR));
  }
}

// A stored plug-in block replaces every block of the target behind its main block that has the
// same identifier and the same size. A block whose size field does not say the item's size is
// damaged and is dropped, as is a block that matches none of the target's.
void ApplyPlugInBlock(const MutableDevMode &target, const JzpBufferItem &item) {
  PrivateDataBlockHeader stored;
  if (!target.HasMainBlock() || item.size < sizeof stored)
    return;
  memcpy(&stored, item.data, sizeof stored);
  if (stored.dwSignature != PRIVATE_DATA_SIGNATURE || stored.dwSize != item.size)
    return;
  auto *devMode = reinterpret_cast<DEVMODEW *>(target.Data());
  auto *main = reinterpret_cast<PrivateDataBlockHeader *>(target.MainBlock());
  for (PrivateDataBlockHeader *block = NextPlugInBlock(devMode, main); block != nullptr;
       block = NextPlugInBlock(devMode, block)) {
    if (block->wBlockId == stored.wBlockId && block->dwSize == stored.dwSize)
      memcpy(block, item.data, item.size);
  }
}

// A private range or the form name whose stored size differs from the field's is skipped whole:
// a foreign or damaged item is not partly applied.
void ApplyBufferItem(const MutableDevMode &target, const JzpBufferItem &item) {
  if (item.tag == PFPD_PLUGIN) {
    ApplyPlugInBlock(target, item);
    return;
  }
  const JzpBufferTag *tag = FindJzpBufferTag(item.tag);
  if (tag == nullptr)
    return;
  if (tag->tag == PFDM_FORMNAME) {
    ApplyFormName(target, *tag, item);
    return;
  }
  BYTE *field = target.Field(tag->place, tag->offset, tag->size);
  if (field != nullptr && item.size == tag->size)
    memcpy(field, item.data, item.size);
}

}  // namespace

bool ApplyJzpSections(BYTE *target, DWORD targetSize, const BYTE *section1, DWORD section1Size,
                      const BYTE *section2, DWORD section2Size) {
  const MutableDevMode devMode(target, targetSize);
  if (!devMode.IsValid())
    return false;
  if (section1 != nullptr) {
    const DWORD count = JzpDwordItemCount(section1Size);
    for (DWORD i = 0; i < count; ++i)
      ApplyDwordItem(devMode, JzpDwordItemAt(section1, i));
  }
  if (section2 != nullptr) {
    JzpBufferItems items(section2, section2Size);
    JzpBufferItem item;
    while (items.Next(&item))
      ApplyBufferItem(devMode, item);
  }
  return true;
}
