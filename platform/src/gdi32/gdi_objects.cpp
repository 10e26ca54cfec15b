// The GDI handle table, bitmap pixel access and the stock objects.
#include "gdi_objects.h"

#include <algorithm>
#include <map>

namespace winplat::gdi {

namespace {

struct Table {
  std::map<HGDIOBJ, std::shared_ptr<GdiObject>> objects;
  std::map<const GdiObject *, HGDIOBJ> handles;
  uintptr_t next = 0x10000;
};

Table &TheTable() {
  static Table table;
  return table;
}

int StrideOf(int width, int bitsPerPixel, bool dibSection) {
  const int rowBits = width * bitsPerPixel;
  const int align = dibSection ? 32 : 16;
  return (rowBits + align - 1) / align * (align / 8);
}

LOGFONTW DefaultLogFont(LONG height, LONG weight) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  const char16_t name[] = u"MS Shell Dlg";
  std::copy(std::begin(name), std::end(name), font.lfFaceName);
  return font;
}

std::shared_ptr<GdiObject> MakeStock(int index) {
  switch (index) {
    case WHITE_BRUSH:
      return std::make_shared<Brush>(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
      return std::make_shared<Brush>(RGB(192, 192, 192));
    case GRAY_BRUSH:
      return std::make_shared<Brush>(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
      return std::make_shared<Brush>(RGB(64, 64, 64));
    case BLACK_BRUSH:
      return std::make_shared<Brush>(RGB(0, 0, 0));
    case NULL_BRUSH:
      return std::make_shared<Brush>(std::nullopt);
    case WHITE_PEN:
      return std::make_shared<Pen>(RGB(255, 255, 255), 1);
    case BLACK_PEN:
      return std::make_shared<Pen>(RGB(0, 0, 0), 1);
    case NULL_PEN:
      return std::make_shared<Pen>(std::nullopt, 1);
    case SYSTEM_FONT:
      return std::make_shared<Font>(DefaultLogFont(16, FW_BOLD));
    case DEFAULT_GUI_FONT:
      return std::make_shared<Font>(DefaultLogFont(-11, FW_NORMAL));
    default:
      return nullptr;
  }
}

}  // namespace

bool IsLight(COLORREF color) {
  return GetRValue(color) * 30 + GetGValue(color) * 59 + GetBValue(color) * 11 >= 128 * 100;
}

std::recursive_mutex &Lock() {
  static std::recursive_mutex mutex;
  return mutex;
}

Bitmap::Bitmap(int w, int h, int bpp, bool dib, bool down)
    : width(w),
      height(h),
      bitsPerPixel(bpp),
      stride(StrideOf(w, bpp, dib)),
      dibSection(dib),
      topDown(down),
      bits(size_t(stride) * h) {}

RECT Dc::DrawableArea() const {
  RECT area{0, 0, state.bitmap->width, state.bitmap->height};
  if (clip) {
    area.left = std::max(area.left, clip->left);
    area.top = std::max(area.top, clip->top);
    area.right = std::min(area.right, clip->right);
    area.bottom = std::min(area.bottom, clip->bottom);
  }
  return area;
}

HGDIOBJ Register(std::shared_ptr<GdiObject> object) {
  std::lock_guard lock(Lock());
  Table &table = TheTable();
  HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(table.next);
  table.next += 4;
  table.handles[object.get()] = handle;
  table.objects[handle] = std::move(object);
  return handle;
}

std::shared_ptr<GdiObject> Lookup(HGDIOBJ handle) {
  std::lock_guard lock(Lock());
  const auto found = TheTable().objects.find(handle);
  return found == TheTable().objects.end() ? nullptr : found->second;
}

bool Unregister(HGDIOBJ handle) {
  std::lock_guard lock(Lock());
  Table &table = TheTable();
  const auto found = table.objects.find(handle);
  if (found == table.objects.end())
    return false;
  table.handles.erase(found->second.get());
  table.objects.erase(found);
  return true;
}

HGDIOBJ HandleOf(const GdiObject *object) {
  std::lock_guard lock(Lock());
  const auto found = TheTable().handles.find(object);
  return found == TheTable().handles.end() ? nullptr : found->second;
}

std::shared_ptr<GdiObject> StockObject(int index) {
  std::lock_guard lock(Lock());
  static std::map<int, std::shared_ptr<GdiObject>> stock;
  auto &slot = stock[index];
  if (!slot) {
    slot = MakeStock(index);
    if (!slot)
      return nullptr;
    slot->stock = true;
    Register(slot);
  }
  return slot;
}

std::shared_ptr<Bitmap> DefaultBitmap() {
  std::lock_guard lock(Lock());
  static std::shared_ptr<Bitmap> bitmap;
  if (!bitmap) {
    bitmap = std::make_shared<Bitmap>(1, 1, 1, false, true);
    bitmap->stock = true;
    Register(bitmap);
  }
  return bitmap;
}

}  // namespace winplat::gdi
