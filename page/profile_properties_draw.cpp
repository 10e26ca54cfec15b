// Drawing the colour box and the icon list of the profile-properties dialog.
#include "page/profile_properties_draw.h"

#include "abi/resource_ids.h"

namespace {

constexpr COLORREF kItemBackground = 0xFFFFFF;
constexpr COLORREF kSelectedBackground = 0xC0C0C0;
constexpr int kSwatchLeft = 5;
constexpr int kSwatchRight = 50;
constexpr int kNameLeft = 60;

void FillWith(HDC dc, const RECT &rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void DrawSwatch(HDC dc, const RECT &item, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ previous = SelectObject(dc, brush);
  Rectangle(dc, item.left + kSwatchLeft, item.top + 1, item.left + kSwatchRight, item.bottom - 1);
  SelectObject(dc, previous);
  DeleteObject(brush);
}

}  // namespace

void DrawColorItem(const DRAWITEMSTRUCT &item, const DualText &name, const TextPolicy &text) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillWith(item.hDC, item.rcItem, selected ? kSelectedBackground : kItemBackground);
  DrawSwatch(item.hDC, item.rcItem, static_cast<COLORREF>(item.itemData));
  RECT nameRect = item.rcItem;
  nameRect.left += kNameLeft;
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  text.DrawTextInRect(item.hDC, name, &nameRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SetBkMode(item.hDC, oldMode);
}

void DrawIconItem(HINSTANCE resources, const DRAWITEMSTRUCT &item) {
  HBITMAP bitmap = LoadBitmapA(
      resources, MAKEINTRESOURCEA(IDB_PROFILE_ICON_FIRST + static_cast<int>(item.itemID)));
  if (bitmap == nullptr)
    return;
  BITMAP info;
  HDC memory = CreateCompatibleDC(item.hDC);
  if (memory != nullptr && GetObjectA(bitmap, sizeof info, &info) == sizeof info) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, info.bmWidth, info.bmHeight, memory, 0, 0,
           SRCCOPY);
    SelectObject(memory, previous);
  }
  if (memory != nullptr)
    DeleteDC(memory);
  DeleteObject(bitmap);
}

SIZE IconBitmapSize(HINSTANCE resources) {
  SIZE size = {0, 0};
  HBITMAP bitmap = LoadBitmapA(resources, MAKEINTRESOURCEA(IDB_PROFILE_ICON_FIRST));
  if (bitmap == nullptr)
    return size;
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) == sizeof info)
    size = {info.bmWidth, info.bmHeight};
  DeleteObject(bitmap);
  return size;
}
