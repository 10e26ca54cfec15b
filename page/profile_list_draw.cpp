// Drawing the profile list and the page's decoration.
#include "page/profile_list_draw.h"

#include <string.h>

#include <vector>

#include "abi/resource_ids.h"
#include "page/transparent_bitmap.h"
#include "store/profile_list.h"

namespace {

constexpr COLORREF kSelectedBackground = 0xDDDDDD;
constexpr DWORD kNoDecoration = 1u << 27;
constexpr int kRightIconWidth = 32;

struct RowColors {
  COLORREF text;
  COLORREF background;
};

RowColors ColorsFor(const ProfileListLook &look, const DRAWITEMSTRUCT *item) {
  if (look.bListDisabled)
    return {GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_INACTIVEBORDER)};
  return {GetSysColor(COLOR_WINDOWTEXT),
          (item->itemState & ODS_SELECTED) != 0 ? kSelectedBackground : GetSysColor(COLOR_WINDOW)};
}

// The row's text in both forms.
DualText ReadRowText(const ProfileListLook &look, const DRAWITEMSTRUCT *item) {
  return look.text.ListItemText(item->hwndItem, static_cast<int>(item->itemID));
}

// The profile the row shows, found by its text; null when none.
const ProfileHeader *RowProfile(const ProfileListLook &look, const DualText &text) {
  if (look.pList == nullptr)
    return nullptr;
  ProfileNode *node = look.pList->Find(text.text.c_str());
  return node != nullptr ? &node->header : nullptr;
}

int IconBitmapId(const ProfileHeader *profile) {
  if (profile == nullptr || profile->nProfileIcon >= static_cast<DWORD>(PROFILE_ICON_COUNT))
    return IDB_PROFILE_ICON_FIRST;
  return IDB_PROFILE_ICON_FIRST + static_cast<int>(profile->nProfileIcon);
}

RECT Shrunk(const RECT &rect) {
  RECT shrunk = rect;
  shrunk.top += 1;
  shrunk.bottom -= 1;
  return shrunk;
}

// The icon keeps its own colours in this style; only its white background is transparent.
void DrawLeftToRight(const ProfileListLook &look, const DRAWITEMSTRUCT *item) {
  HDC dc = item->hDC;
  const RowColors colors = ColorsFor(look, item);
  const DualText text = ReadRowText(look, item);
  const RECT shrunk = Shrunk(item->rcItem);
  const int textHeight = look.text.TextHeight(dc);
  COLORREF oldText = SetTextColor(dc, colors.text);
  COLORREF oldBackground = SetBkColor(dc, colors.background);
  const int x = (shrunk.bottom - shrunk.top) + 12;
  const int y = (shrunk.top + shrunk.bottom - textHeight) / 2;
  look.text.DrawOpaqueText(dc, x, y, shrunk, text);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBackground);

  TransparentBitmap icon;
  if (icon.Load(look.hResources, IconBitmapId(RowProfile(look, text))))
    icon.Draw(dc, item->rcItem.left + 2, item->rcItem.top + 2);
}

void DrawRightToLeft(const ProfileListLook &look, const DRAWITEMSTRUCT *item) {
  HDC dc = item->hDC;
  const RowColors colors = ColorsFor(look, item);
  const DualText text = ReadRowText(look, item);
  const RECT shrunk = Shrunk(item->rcItem);
  COLORREF oldText = SetTextColor(dc, colors.text);
  COLORREF oldBackground = SetBkColor(dc, colors.background);
  UINT oldAlign = SetTextAlign(dc, TA_RTLREADING);
  int oldMode = SetBkMode(dc, OPAQUE);
  ExtTextOutA(dc, shrunk.left + 2, shrunk.top, ETO_OPAQUE, &shrunk, " ", 1, nullptr);
  RECT textRect = item->rcItem;
  textRect.right -= kRightIconWidth;
  look.text.DrawTextInRect(dc, text, &textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBackground);
  SetTextAlign(dc, oldAlign);
  SetBkMode(dc, oldMode);

  const ProfileHeader *profile = RowProfile(look, text);
  HBITMAP bitmap = LoadBitmapA(look.hResources, MAKEINTRESOURCEA(IconBitmapId(profile)));
  if (bitmap == nullptr)
    return;
  HDC scratch = CreateCompatibleDC(dc);
  if (profile != nullptr)
    RecolourIcon(scratch, bitmap, profile->rgbIconColor);
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) == sizeof info) {
    HGDIOBJ old = SelectObject(scratch, bitmap);
    BitBlt(dc, item->rcItem.right - kRightIconWidth, item->rcItem.top, info.bmWidth, info.bmHeight,
           scratch, 0, 0, SRCAND);
    SelectObject(scratch, old);
  }
  DeleteDC(scratch);
  DeleteObject(bitmap);
}

bool IsRecolouredPixel(const RGBQUAD &pixel) {
  const int b = pixel.rgbBlue, g = pixel.rgbGreen, r = pixel.rgbRed;
  const bool profileBlue = b >= 189 && b < 208 && g > 56 && g < 76 && r >= 57 && r < 76;
  const bool pureBlue = b > 240 && g < 76 && r < 76;
  return profileBlue || pureBlue;
}

}  // namespace

void MeasureProfileItem(HINSTANCE resources, MEASUREITEMSTRUCT *measure) {
  HBITMAP bitmap = LoadBitmapA(resources, MAKEINTRESOURCEA(IDB_PROFILE_ICON_FIRST));
  if (bitmap == nullptr)
    return;
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) == sizeof info)
    measure->itemHeight = static_cast<UINT>(info.bmHeight);
  DeleteObject(bitmap);
}

HIMAGELIST CreateProfileImageList(HINSTANCE resources, HWND listView) {
  const int size = GetSystemMetrics(SM_CXICON);
  HIMAGELIST images = ImageList_Create(size, size, ILC_MASK, 1, 1);
  if (images == nullptr)
    return nullptr;
  for (int i = 0; i < PROFILE_ICON_COUNT; ++i) {
    HBITMAP bitmap = LoadBitmapA(resources, MAKEINTRESOURCEA(IDB_PROFILE_ICON_FIRST + i));
    if (bitmap == nullptr)
      continue;
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  SendMessageA(listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  return images;
}

bool DrawProfileItem(const ProfileListLook &look, UINT controlId, const DRAWITEMSTRUCT *item) {
  if (item == nullptr || controlId != IDC_PROFILE_LIST || item->itemID == static_cast<UINT>(-1))
    return false;
  if (look.bRightToLeft && item->itemAction == ODA_FOCUS) {
    DrawFocusRect(item->hDC, &item->rcItem);
    return true;
  }
  if (item->itemAction != ODA_DRAWENTIRE && item->itemAction != ODA_SELECT)
    return true;
  if (look.bRightToLeft)
    DrawRightToLeft(look, item);
  else
    DrawLeftToRight(look, item);
  return true;
}

bool RecolourIcon(HDC scratch, HBITMAP bitmap, COLORREF color) {
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) != sizeof info || info.bmWidth <= 0 ||
      info.bmHeight == 0)
    return false;
  const LONG width = info.bmWidth;
  const LONG height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO request;
  memset(&request, 0, sizeof request);
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = height;  // bottom-up
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (GetDIBits(scratch, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request,
                DIB_RGB_COLORS) != height)
    return false;
  for (RGBQUAD &pixel : pixels) {
    if (!IsRecolouredPixel(pixel))
      continue;
    pixel.rgbBlue = GetBValue(color);
    pixel.rgbGreen = GetGValue(color);
    pixel.rgbRed = GetRValue(color);
  }
  return SetDIBits(scratch, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request,
                   DIB_RGB_COLORS) == height;
}

void PaintDecoration(HINSTANCE resources, HWND dialog, HDC dc,
                     const ModelCapabilitiesRecord *capabilities) {
  if (capabilities != nullptr && (capabilities->dwDevice & kNoDecoration) != 0)
    return;
  HWND control = GetDlgItem(dialog, IDC_DECORATION);
  if (control == nullptr)
    return;
  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&area), 2);
  TransparentBitmap picture;
  if (!picture.Load(resources, IDB_DECORATION))
    return;
  const LONG width = picture.Info().bmWidth;
  const LONG height =
      picture.Info().bmHeight < 0 ? -picture.Info().bmHeight : picture.Info().bmHeight;
  LONG dx = (area.right - area.left - width) / 2;
  LONG dy = (area.bottom - area.top - height) / 2;
  const int x = area.left + (dx < 1 ? 1 : dx);
  const int y = area.top + (dy < 1 ? 1 : dy);
  // Composed off screen over a copy of what the dialog shows, then copied back at once.
  HDC offscreen = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(offscreen, canvas);
  BitBlt(offscreen, 0, 0, width, height, dc, x, y, SRCCOPY);
  picture.Draw(offscreen, 0, 0);
  BitBlt(dc, x, y, width, height, offscreen, 0, 0, SRCCOPY);
  SelectObject(offscreen, old);
  DeleteObject(canvas);
  DeleteDC(offscreen);
}
