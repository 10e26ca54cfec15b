// Reading DLGTEMPLATE and DLGTEMPLATEEX: header, menu, class, title, font, then each item on a
// DWORD boundary.
#include "dialog_template.h"

#include <cstring>

namespace {

using winplat::dialog::DialogTemplate;
using winplat::dialog::ItemTemplate;
using winplat::dialog::NameOrOrdinal;

constexpr WORD kExtendedSignature = 0xFFFF;

// Reads little-endian fields from a byte range; any read past the end marks it failed.
class Reader {
 public:
  Reader(const BYTE *data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }

  template <typename T>
  T Read() {
    T value{};
    if (!ok_ || size_ - offset_ < sizeof(T)) {
      ok_ = false;
      return value;
    }
    std::memcpy(&value, data_ + offset_, sizeof(T));
    offset_ += sizeof(T);
    return value;
  }

  std::u16string ReadString() {
    std::u16string text;
    for (WCHAR c = Read<WCHAR>(); ok_ && c != 0; c = Read<WCHAR>())
      text.push_back(c);
    return text;
  }

  NameOrOrdinal ReadNameOrOrdinal() {
    NameOrOrdinal value;
    const WORD first = Read<WORD>();
    if (first == 0xFFFF) {
      value.ordinal = Read<WORD>();
    } else if (first != 0) {
      value.name.push_back(static_cast<char16_t>(first));
      value.name += ReadString();
    }
    return value;
  }

  std::vector<BYTE> ReadBytes(size_t count) {
    if (!ok_ || size_ - offset_ < count) {
      ok_ = false;
      return {};
    }
    std::vector<BYTE> bytes(data_ + offset_, data_ + offset_ + count);
    offset_ += count;
    return bytes;
  }

  void AlignToDword() {
    const size_t aligned = (offset_ + 3) & ~size_t{3};
    if (aligned > size_)
      ok_ = false;
    else
      offset_ = aligned;
  }

 private:
  const BYTE *data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

void ReadHeader(Reader &reader, DialogTemplate &dialog, WORD &count) {
  if (dialog.extended) {
    reader.Read<WORD>();  // dlgVer
    reader.Read<WORD>();  // signature
    dialog.helpId = reader.Read<DWORD>();
    dialog.exStyle = reader.Read<DWORD>();
    dialog.style = reader.Read<DWORD>();
  } else {
    dialog.style = reader.Read<DWORD>();
    dialog.exStyle = reader.Read<DWORD>();
  }
  count = reader.Read<WORD>();
  dialog.x = reader.Read<short>();
  dialog.y = reader.Read<short>();
  dialog.cx = reader.Read<short>();
  dialog.cy = reader.Read<short>();
  dialog.menu = reader.ReadNameOrOrdinal();
  dialog.windowClass = reader.ReadNameOrOrdinal();
  dialog.title = reader.ReadString();
  if ((dialog.style & DS_SETFONT) == 0)
    return;
  dialog.hasFont = true;
  dialog.pointSize = reader.Read<WORD>();
  if (dialog.extended) {
    dialog.weight = reader.Read<WORD>();
    dialog.italic = reader.Read<BYTE>();
    dialog.charset = reader.Read<BYTE>();
  }
  dialog.face = reader.ReadString();
}

ItemTemplate ReadItem(Reader &reader, bool extended) {
  ItemTemplate item;
  reader.AlignToDword();
  if (extended) {
    item.helpId = reader.Read<DWORD>();
    item.exStyle = reader.Read<DWORD>();
    item.style = reader.Read<DWORD>();
  } else {
    item.style = reader.Read<DWORD>();
    item.exStyle = reader.Read<DWORD>();
  }
  item.x = reader.Read<short>();
  item.y = reader.Read<short>();
  item.cx = reader.Read<short>();
  item.cy = reader.Read<short>();
  item.id = extended ? reader.Read<DWORD>() : reader.Read<WORD>();
  item.windowClass = reader.ReadNameOrOrdinal();
  item.title = reader.ReadNameOrOrdinal();
  const WORD extra = reader.Read<WORD>();
  item.creationData = reader.ReadBytes(extra);
  return item;
}

}  // namespace

namespace winplat::dialog {

std::optional<DialogTemplate> ParseTemplate(const void *data, size_t size) {
  if (data == nullptr)
    return std::nullopt;
  Reader reader(static_cast<const BYTE *>(data), size);
  DialogTemplate dialog;
  {
    Reader probe(static_cast<const BYTE *>(data), size);
    const WORD version = probe.Read<WORD>();
    const WORD signature = probe.Read<WORD>();
    dialog.extended = probe.ok() && version == 1 && signature == kExtendedSignature;
  }
  WORD count = 0;
  ReadHeader(reader, dialog, count);
  for (WORD i = 0; i < count && reader.ok(); ++i)
    dialog.items.push_back(ReadItem(reader, dialog.extended));
  if (!reader.ok())
    return std::nullopt;
  return dialog;
}

std::u16string PredefinedClassName(WORD ordinal) {
  switch (ordinal) {
    case 0x0080:
      return u"Button";
    case 0x0081:
      return u"Edit";
    case 0x0082:
      return u"Static";
    case 0x0083:
      return u"ListBox";
    case 0x0084:
      return u"ScrollBar";
    case 0x0085:
      return u"ComboBox";
    default:
      return {};
  }
}

}  // namespace winplat::dialog
