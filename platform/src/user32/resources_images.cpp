// LoadBitmap and LoadImage: RT_BITMAP resources as bitmaps, RT_GROUP_ICON resources as icons.
#include <winbase.h>
#include <winuser.h>

#include "kernel32/resources_find.h"
#include "resources_dib.h"
#include "resources_icons.h"

using namespace winplat::resources;

namespace {

constexpr UINT kKnownFlags =
    LR_DEFAULTCOLOR | LR_LOADTRANSPARENT | LR_DEFAULTSIZE | LR_CREATEDIBSECTION | LR_SHARED;

ResourceId Ordinal(WORD value) {
  ResourceId id;
  id.ordinal = value;
  return id;
}

ResourceId IdFromNarrow(LPCSTR name) {
  if (IS_INTRESOURCE(name))
    return IdFromArgument(reinterpret_cast<const char16_t *>(name));
  std::u16string wide;
  for (; *name; ++name)
    wide.push_back(char16_t(static_cast<unsigned char>(*name)));
  return IdFromArgument(wide.c_str());
}

HBITMAP LoadBitmapImage(HINSTANCE module, const ResourceId &name, int cx, int cy, UINT flags) {
  Found found;
  if (!Locate(module, Ordinal(2), name, found))
    return nullptr;
  DecodedDib dib;
  if (!DecodeDib(found.data, found.size, 0, dib)) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  const int width = cx > 0 ? cx : dib.width, height = cy > 0 ? cy : dib.height;
  const bool dibSection = flags & LR_CREATEDIBSECTION;
  return MakeBitmap(dib, width, height, dibSection, dib.bitsPerPixel == 24 ? 24 : 32, dib.topDown);
}

HANDLE LoadImageById(HINSTANCE module, const ResourceId &name, UINT type, int cx, int cy,
                     UINT flags) {
  if ((flags & ~kKnownFlags) || cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (type == IMAGE_BITMAP)
    return LoadBitmapImage(module, name, cx, cy, flags);
  if (type == IMAGE_ICON) {
    if (flags & LR_DEFAULTSIZE) {
      cx = cx ? cx : 32;
      cy = cy ? cy : 32;
    }
    return LoadIconImage(module, name, cx, cy);
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

}  // namespace

extern "C" {

HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
  return LoadBitmapImage(hInstance, IdFromNarrow(lpBitmapName), 0, 0, 0);
}

HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) {
  return LoadBitmapImage(hInstance, IdFromArgument(lpBitmapName), 0, 0, 0);
}

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  return LoadImageById(hInst, IdFromNarrow(name), type, cx, cy, fuLoad);
}

HANDLE WINAPI LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  return LoadImageById(hInst, IdFromArgument(name), type, cx, cy, fuLoad);
}

}  // extern "C"
