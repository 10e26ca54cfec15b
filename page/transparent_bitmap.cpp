// Building and drawing a transparent bitmap.
#include "page/transparent_bitmap.h"

#include <string.h>

namespace {

// A 24-bit top-down DIB section of the size.
HBITMAP CreateColorSection(LONG width, LONG height) {
  BITMAPINFO info;
  memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void *bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

TransparentBitmap::TransparentBitmap() : m_hColor(nullptr), m_hMask(nullptr) {
  memset(&m_Info, 0, sizeof m_Info);
}

TransparentBitmap::~TransparentBitmap() {
  Release();
}

bool TransparentBitmap::Load(HINSTANCE module, int id) {
  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (loaded == nullptr)
    return false;
  bool created = Create(loaded);
  DeleteObject(loaded);
  return created;
}

bool TransparentBitmap::Create(HBITMAP source) {
  Release();
  if (source == nullptr || GetObjectA(source, sizeof m_Info, &m_Info) != sizeof m_Info)
    return false;
  const LONG width = m_Info.bmWidth;
  const LONG height = m_Info.bmHeight < 0 ? -m_Info.bmHeight : m_Info.bmHeight;
  m_hMask = CreateBitmap(width, height, 1, 1, nullptr);
  HBITMAP work = CreateBitmap(width, height, 1, 1, nullptr);
  m_hColor = CreateColorSection(width, height);
  HDC sourceDc = CreateCompatibleDC(nullptr);
  HDC colorDc = CreateCompatibleDC(nullptr);
  HDC maskDc = CreateCompatibleDC(nullptr);
  bool built = m_hMask != nullptr && work != nullptr && m_hColor != nullptr &&
               sourceDc != nullptr && colorDc != nullptr && maskDc != nullptr;
  if (built) {
    HGDIOBJ oldSource = SelectObject(sourceDc, source);
    HGDIOBJ oldColor = SelectObject(colorDc, m_hColor);
    HGDIOBJ oldMask = SelectObject(maskDc, m_hMask);
    BitBlt(colorDc, 0, 0, width, height, sourceDc, 0, 0, SRCCOPY);
    // Colour to monochrome: pixels of the background colour become white, the others black.
    SetBkColor(colorDc, GetPixel(colorDc, 0, 0));
    BitBlt(maskDc, 0, 0, width, height, colorDc, 0, 0, SRCCOPY);
    SelectObject(maskDc, work);
    BitBlt(maskDc, 0, 0, width, height, colorDc, 0, 0, NOTSRCCOPY);
    // Monochrome to colour: 0 bits take the text colour, 1 bits the background colour, so the
    // inverted mask blacks out the transparent pixels and keeps the others.
    SetBkColor(colorDc, RGB(255, 255, 255));
    SetTextColor(colorDc, RGB(0, 0, 0));
    BitBlt(colorDc, 0, 0, width, height, maskDc, 0, 0, SRCAND);
    SelectObject(maskDc, oldMask);
    SelectObject(colorDc, oldColor);
    SelectObject(sourceDc, oldSource);
  }
  if (sourceDc != nullptr)
    DeleteDC(sourceDc);
  if (colorDc != nullptr)
    DeleteDC(colorDc);
  if (maskDc != nullptr)
    DeleteDC(maskDc);
  if (work != nullptr)
    DeleteObject(work);
  if (!built)
    Release();
  return built;
}

void TransparentBitmap::Draw(HDC dc, int x, int y) const {
  if (m_hColor == nullptr || m_hMask == nullptr)
    return;
  const LONG height = m_Info.bmHeight < 0 ? -m_Info.bmHeight : m_Info.bmHeight;
  // The mask's white bits must keep the destination and its black bits clear it.
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBackground = SetBkColor(dc, RGB(255, 255, 255));
  HDC memoryDc = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memoryDc, m_hMask);
  BitBlt(dc, x, y, m_Info.bmWidth, height, memoryDc, 0, 0, SRCAND);
  SelectObject(memoryDc, m_hColor);
  BitBlt(dc, x, y, m_Info.bmWidth, height, memoryDc, 0, 0, SRCPAINT);
  SelectObject(memoryDc, old);
  DeleteDC(memoryDc);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBackground);
}

void TransparentBitmap::Release() {
  if (m_hColor != nullptr)
    DeleteObject(m_hColor);
  if (m_hMask != nullptr)
    DeleteObject(m_hMask);
  m_hColor = nullptr;
  m_hMask = nullptr;
  memset(&m_Info, 0, sizeof m_Info);
}
