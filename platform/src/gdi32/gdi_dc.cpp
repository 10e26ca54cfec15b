// Device contexts: creation, selection of objects, saved states and text attributes.
#include <winbase.h>

#include <cstring>

#include "gdi_objects.h"
#include "gdi_surface.h"

using namespace winplat::gdi;

namespace {

std::shared_ptr<Dc> NewDc(std::shared_ptr<Bitmap> bitmap) {
  auto dc = std::make_shared<Dc>();
  Reselect(dc->state.bitmap, std::move(bitmap));
  Reselect(dc->state.brush, std::static_pointer_cast<Brush>(StockObject(WHITE_BRUSH)));
  Reselect(dc->state.pen, std::static_pointer_cast<Pen>(StockObject(BLACK_PEN)));
  Reselect(dc->state.font, std::static_pointer_cast<Font>(StockObject(SYSTEM_FONT)));
  return dc;
}

// Drops the selection counts of a DC's current state.
void ReleaseState(DcState &state) {
  Reselect(state.bitmap, {});
  Reselect(state.brush, {});
  Reselect(state.pen, {});
  Reselect(state.font, {});
}

std::shared_ptr<Dc> DcOf(HDC hdc) {
  auto dc = LookupAs<Dc>(hdc);
  if (!dc)
    SetLastError(ERROR_INVALID_HANDLE);
  return dc;
}

template <class Object>
HGDIOBJ Swap(std::shared_ptr<Object> &slot, std::shared_ptr<Object> next) {
  HGDIOBJ previous = HandleOf(slot.get());
  Reselect(slot, std::move(next));
  return previous;
}

HGDIOBJ SelectBitmap(Dc &dc, std::shared_ptr<Bitmap> bitmap) {
  if (!dc.memory || (bitmap->selections > 0 && bitmap != dc.state.bitmap))
    return nullptr;
  return Swap(dc.state.bitmap, std::move(bitmap));
}

template <class Field>
Field Exchange(HDC hdc, Field DcState::*field, Field value, Field failure) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  if (!dc)
    return failure;
  Field previous = dc->state.*field;
  dc->state.*field = value;
  return previous;
}

template <class Field>
Field Read(HDC hdc, Field DcState::*field, Field failure) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  return dc ? dc->state.*field : failure;
}

}  // namespace

namespace winplat::gdi {

HDC CreateTargetDC(HBITMAP surface, POINT origin, const RECT &clip) {
  std::lock_guard lock(Lock());
  auto bitmap = LookupAs<Bitmap>(surface);
  if (!bitmap)
    return nullptr;
  auto dc = NewDc(bitmap);
  dc->memory = false;
  dc->origin = origin;
  dc->clip = clip;
  return static_cast<HDC>(Register(dc));
}

HDC CreateScreenDC() {
  std::lock_guard lock(Lock());
  static HBITMAP screen = CreateSurface(1024, 768);
  return CreateTargetDC(screen, POINT{0, 0}, RECT{0, 0, 1024, 768});
}

}  // namespace winplat::gdi

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC) {
  std::lock_guard lock(Lock());
  return static_cast<HDC>(Register(NewDc(DefaultBitmap())));
}

BOOL WINAPI DeleteDC(HDC hdc) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  if (!dc)
    return FALSE;
  ReleaseState(dc->state);
  Unregister(hdc);
  return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  if (!dc)
    return 0;
  dc->saved.push_back(dc->state);
  return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  if (!dc)
    return FALSE;
  const int count = static_cast<int>(dc->saved.size());
  const int level = nSavedDC < 0 ? count + 1 + nSavedDC : nSavedDC;
  if (level < 1 || level > count)
    return FALSE;
  DcState restored = dc->saved[level - 1];
  dc->saved.resize(level - 1);
  Reselect(dc->state.bitmap, restored.bitmap);
  Reselect(dc->state.brush, restored.brush);
  Reselect(dc->state.pen, restored.pen);
  Reselect(dc->state.font, restored.font);
  dc->state = restored;
  return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  auto dc = DcOf(hdc);
  if (!dc)
    return 0;
  switch (index) {
    case HORZRES:
      return 1024;
    case VERTRES:
      return 768;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    default:
      return 0;
  }
}

HGDIOBJ WINAPI GetStockObject(int i) {
  auto object = StockObject(i);
  return object ? HandleOf(object.get()) : nullptr;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  std::lock_guard lock(Lock());
  auto dc = DcOf(hdc);
  auto object = Lookup(h);
  if (!dc || !object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (auto bitmap = std::dynamic_pointer_cast<Bitmap>(object))
    return SelectBitmap(*dc, bitmap);
  if (auto brush = std::dynamic_pointer_cast<Brush>(object))
    return Swap(dc->state.brush, brush);
  if (auto pen = std::dynamic_pointer_cast<Pen>(object))
    return Swap(dc->state.pen, pen);
  if (auto font = std::dynamic_pointer_cast<Font>(object))
    return Swap(dc->state.font, font);
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  std::lock_guard lock(Lock());
  auto object = Lookup(ho);
  if (!object || object->Type() == 0 || object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC)
    return FALSE;
  if (object->stock)
    return TRUE;
  if (object->selections > 0)
    return FALSE;
  return Unregister(ho) ? TRUE : FALSE;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  auto object = Lookup(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return object->Type();
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return Read(hdc, &DcState::textColor, CLR_INVALID);
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::bkColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return Read(hdc, &DcState::bkColor, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  if (mode != OPAQUE && mode != TRANSPARENT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(hdc, &DcState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) {
  return Read(hdc, &DcState::bkMode, 0);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  return Exchange(hdc, &DcState::textAlign, align, UINT(GDI_ERROR));
}
UINT WINAPI GetTextAlign(HDC hdc) {
  return Read(hdc, &DcState::textAlign, UINT(GDI_ERROR));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(Register(std::make_shared<Brush>(color & 0xFFFFFF)));
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  if (iStyle != PS_SOLID && iStyle != PS_NULL) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::optional<COLORREF> drawn;
  if (iStyle == PS_SOLID)
    drawn = color & 0xFFFFFF;
  return static_cast<HPEN>(Register(std::make_shared<Pen>(drawn, cWidth < 1 ? 1 : cWidth)));
}

}  // extern "C"
