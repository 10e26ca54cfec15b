// Icons: an icon is a 32-bit colour image and a monochrome AND mask, drawn as Windows does,
// destination AND mask, then XOR colour.
#include "resources_icons.h"

#include <winbase.h>
#include <winuser.h>

#include <cstdlib>
#include <cstring>

#include "gdi32/gdi_paint.h"
#include "kernel32/resources_find.h"
#include "resources_dib.h"

using namespace winplat::gdi;
using namespace winplat::resources;

namespace {

class Icon : public GdiObject {
 public:
  DWORD Type() const override { return 0; }  // not a GDI object: DeleteObject refuses it
  int width = 0, height = 0;
  std::vector<COLORREF> color;
  std::vector<bool> mask;  // true: keep the destination
};

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colorCount, reserved;
  WORD planes, bitCount;
  DWORD bytesInRes;
  WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupEntry) == 14, "GRPICONDIRENTRY layout");

ResourceId Ordinal(WORD value) {
  ResourceId id;
  id.ordinal = value;
  return id;
}

// The RT_ICON id of the group's entry nearest the size.
bool ChooseImage(const Found &group, int cx, int cy, WORD &id) {
  WORD header[3];
  if (group.size < sizeof header)
    return false;
  std::memcpy(header, group.data, sizeof header);
  const size_t count = header[2];
  if (count == 0 || count > (group.size - sizeof header) / sizeof(GroupEntry))
    return false;
  int best = -1;
  for (size_t i = 0; i < count; ++i) {
    GroupEntry entry;
    std::memcpy(&entry, group.data + sizeof header + i * sizeof entry, sizeof entry);
    const int width = entry.width ? entry.width : 256, height = entry.height ? entry.height : 256;
    const int distance = cx == 0 && cy == 0 ? int(i) : std::abs(width - cx) + std::abs(height - cy);
    if (best < 0 || distance < best) {
      best = distance;
      id = entry.id;
    }
  }
  return true;
}

std::shared_ptr<Icon> DecodeIcon(const Found &image) {
  DecodedDib colour;
  BITMAPINFOHEADER header;
  if (image.size < sizeof header)
    return nullptr;
  std::memcpy(&header, image.data, sizeof header);
  const int height = (header.biHeight < 0 ? -header.biHeight : header.biHeight) / 2;
  if (height < 1 || !DecodeDib(image.data, image.size, height, colour))
    return nullptr;
  auto icon = std::make_shared<Icon>();
  icon->width = colour.width;
  icon->height = height;
  icon->color = colour.pixels;
  const size_t maskStride = (size_t(colour.width) + 31) / 32 * 4;
  if (colour.bitsEnd > image.size || maskStride * height > image.size - colour.bitsEnd)
    return nullptr;
  const BYTE *mask = image.data + colour.bitsEnd;
  icon->mask.resize(icon->color.size());
  for (int y = 0; y < height; ++y) {
    const BYTE *row = mask + maskStride * (height - 1 - y);
    for (int x = 0; x < colour.width; ++x)
      icon->mask[size_t(y) * colour.width + x] = (row[x / 8] >> (7 - x % 8)) & 1;
  }
  return icon;
}

}  // namespace

namespace winplat::resources {

HICON LoadIconImage(HMODULE module, const ResourceId &name, int cx, int cy) {
  Found group, image;
  WORD id = 0;
  if (!Locate(module, Ordinal(14), name, group))
    return nullptr;
  if (!ChooseImage(group, cx, cy, id) || !Locate(module, Ordinal(3), Ordinal(id), image)) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  auto icon = DecodeIcon(image);
  if (!icon) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  return static_cast<HICON>(Register(icon));
}

}  // namespace winplat::resources

extern "C" {

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  return static_cast<HICON>(LoadImageA(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
  return static_cast<HICON>(LoadImageW(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
  if (!LookupAs<Icon>(hIcon)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return Unregister(hIcon) ? TRUE : FALSE;
}

BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT,
                       HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
  std::lock_guard lock(Lock());
  auto dc = LookupAs<Dc>(hdc);
  auto icon = LookupAs<Icon>(hIcon);
  if (!dc || !icon || hbrFlickerFreeDraw || !(diFlags & DI_NORMAL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const bool defaultSize = diFlags & DI_DEFAULTSIZE;
  const int width = cxWidth ? cxWidth : (defaultSize ? 32 : icon->width);
  const int height = cyWidth ? cyWidth : (defaultSize ? 32 : icon->height);
  const RECT area = ToBitmapRect(*dc, RECT{xLeft, yTop, xLeft + width, yTop + height});
  Bitmap &target = *dc->state.bitmap;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const int ix = (x - dc->origin.x - xLeft) * icon->width / width;
      const int iy = (y - dc->origin.y - yTop) * icon->height / height;
      const size_t index = size_t(iy) * icon->width + ix;
      COLORREF pixel = target.Get(x, y);
      if (diFlags & DI_MASK)
        pixel = icon->mask[index] ? pixel : 0;
      if (diFlags & DI_IMAGE)
        pixel = (diFlags & DI_MASK) ? pixel ^ icon->color[index] : icon->color[index];
      target.Set(x, y, pixel);
    }
  }
  return TRUE;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
  return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

}  // extern "C"
