// GDI: raster operations against their truth tables, colour and monochrome conversion, DIB row
// order and layout, object selection rules, target DC clipping, text placement and PNG output.
#include <gtest/gtest.h>
#include <png.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "../../platform/src/gdi32/gdi_surface.h"
#include "winplat/render.h"

namespace {

struct Dc {
  HDC hdc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = nullptr;
  explicit Dc(HBITMAP bitmap) { original = SelectObject(hdc, bitmap); }
  ~Dc() {
    SelectObject(hdc, original);
    DeleteDC(hdc);
  }
};

HBITMAP Colour(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
}

// The ink of `color` inside a bitmap: its bounding box, empty when there is none.
RECT InkBounds(HDC hdc, int width, int height, COLORREF color) {
  RECT box{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (GetPixel(hdc, x, y) != color)
        continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

struct RopCase {
  const char *name;
  DWORD rop;
  std::function<bool(bool p, bool s, bool d)> result;
};

TEST(GdiRaster, EveryRopFollowsItsTruthTableOnMonochromeBits) {
  const RopCase cases[] = {
      {"SRCCOPY", SRCCOPY, [](bool, bool s, bool) { return s; }},
      {"SRCAND", SRCAND, [](bool, bool s, bool d) { return s && d; }},
      {"SRCPAINT", SRCPAINT, [](bool, bool s, bool d) { return s || d; }},
      {"SRCINVERT", SRCINVERT, [](bool, bool s, bool d) { return s != d; }},
      {"NOTSRCCOPY", NOTSRCCOPY, [](bool, bool s, bool) { return !s; }},
      {"SRCERASE", SRCERASE, [](bool, bool s, bool d) { return s && !d; }},
      {"MERGEPAINT", MERGEPAINT, [](bool, bool s, bool d) { return !s || d; }},
      {"DSTINVERT", DSTINVERT, [](bool, bool, bool d) { return !d; }},
      {"BLACKNESS", BLACKNESS, [](bool, bool, bool) { return false; }},
      {"WHITENESS", WHITENESS, [](bool, bool, bool) { return true; }},
      {"PATCOPY", PATCOPY, [](bool p, bool, bool) { return p; }},
      {"PATINVERT", PATINVERT, [](bool p, bool, bool d) { return p != d; }},
      {"MERGECOPY", MERGECOPY, [](bool p, bool s, bool) { return p && s; }},
  };
  HBITMAP source = CreateBitmap(1, 1, 1, 1, nullptr), target = CreateBitmap(1, 1, 1, 1, nullptr);
  {
    Dc src(source), dst(target);
    for (const RopCase &c : cases) {
      for (int bits = 0; bits < 8; ++bits) {
        const bool p = bits & 4, s = bits & 2, d = bits & 1;
        SetPixel(src.hdc, 0, 0, s ? RGB(255, 255, 255) : 0);
        SetPixel(dst.hdc, 0, 0, d ? RGB(255, 255, 255) : 0);
        SelectObject(dst.hdc, GetStockObject(p ? WHITE_BRUSH : BLACK_BRUSH));
        ASSERT_TRUE(BitBlt(dst.hdc, 0, 0, 1, 1, src.hdc, 0, 0, c.rop));
        EXPECT_EQ(GetPixel(dst.hdc, 0, 0) == RGB(255, 255, 255), c.result(p, s, d))
            << c.name << " P=" << p << " S=" << s << " D=" << d;
      }
    }
  }
  DeleteObject(source);
  DeleteObject(target);
}

TEST(GdiRaster, ColourRopsWorkOnEachBitOfEachChannel) {
  HBITMAP source = Colour(1, 1), target = Colour(1, 1);
  {
    Dc src(source), dst(target);
    SetPixel(src.hdc, 0, 0, RGB(0xF0, 0x0F, 0x55));
    SetPixel(dst.hdc, 0, 0, RGB(0xCC, 0xCC, 0xCC));
    BitBlt(dst.hdc, 0, 0, 1, 1, src.hdc, 0, 0, SRCINVERT);
    EXPECT_EQ(GetPixel(dst.hdc, 0, 0), RGB(0x3C, 0xC3, 0x99));
    BitBlt(dst.hdc, 0, 0, 1, 1, src.hdc, 0, 0, SRCAND);
    EXPECT_EQ(GetPixel(dst.hdc, 0, 0), RGB(0x30, 0x03, 0x11));
  }
  DeleteObject(source);
  DeleteObject(target);
}

TEST(GdiRaster, ColourToMonochromeWhitensTheSourceBackgroundColourOnly) {
  HBITMAP source = Colour(4, 1), mono = CreateBitmap(4, 1, 1, 1, nullptr);
  {
    Dc src(source), dst(mono);
    const COLORREF background = RGB(10, 20, 30);
    const COLORREF pixels[] = {background, RGB(255, 255, 255), RGB(10, 20, 31), background};
    for (int x = 0; x < 4; ++x)
      SetPixel(src.hdc, x, 0, pixels[x]);
    SetBkColor(src.hdc, background);
    BitBlt(dst.hdc, 0, 0, 4, 1, src.hdc, 0, 0, SRCCOPY);
    const COLORREF expected[] = {RGB(255, 255, 255), 0, 0, RGB(255, 255, 255)};
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(GetPixel(dst.hdc, x, 0), expected[x]) << x;
  }
  DeleteObject(source);
  DeleteObject(mono);
}

TEST(GdiRaster, MonochromeToColourUsesTheDestinationTextAndBackgroundColours) {
  const BYTE row[2] = {0x40, 0};  // bits 0 1 0 0 ..., one word-aligned row
  HBITMAP mono = CreateBitmap(3, 1, 1, 1, row), target = Colour(3, 1);
  {
    Dc src(mono), dst(target);
    SetTextColor(dst.hdc, RGB(200, 0, 0));
    SetBkColor(dst.hdc, RGB(0, 150, 0));
    BitBlt(dst.hdc, 0, 0, 3, 1, src.hdc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dst.hdc, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(dst.hdc, 1, 0), RGB(0, 150, 0));
    EXPECT_EQ(GetPixel(dst.hdc, 2, 0), RGB(200, 0, 0));
  }
  DeleteObject(mono);
  DeleteObject(target);
}

TEST(GdiRaster, BlitIsClippedToBothBitmaps) {
  HBITMAP source = Colour(2, 2), target = Colour(4, 4);
  {
    Dc src(source), dst(target);
    PatBlt(src.hdc, 0, 0, 2, 2, WHITENESS);
    BitBlt(dst.hdc, 1, 1, 4, 4, src.hdc, 0, 0, SRCCOPY);
    int white = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        white += GetPixel(dst.hdc, x, y) == RGB(255, 255, 255);
    EXPECT_EQ(white, 4);
    EXPECT_EQ(GetPixel(dst.hdc, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dst.hdc, 3, 3), RGB(0, 0, 0));
  }
  DeleteObject(source);
  DeleteObject(target);
}

TEST(GdiBitmap, DibRowsFollowTheSignOfTheHeight) {
  for (const bool topDown : {true, false}) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, topDown ? -2 : 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    {
      Dc dc(bitmap);
      SetPixel(dc.hdc, 1, 0, RGB(1, 2, 3));  // top row
    }
    const BYTE *top = static_cast<BYTE *>(bits) + (topDown ? 0 : 12);  // rows of 9 bytes pad to 12
    EXPECT_EQ(top[3], 3);
    EXPECT_EQ(top[4], 2);
    EXPECT_EQ(top[5], 1);

    // GetDIBits writes line 0 at the bottom for a positive height, at the top for a negative.
    for (const LONG height : {2L, -2L}) {
      BITMAPINFO out{};
      out.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      std::vector<DWORD> pixels(6, 0xFFFFFFFF);
      EXPECT_EQ(GetDIBits(nullptr, bitmap, 0, 2, pixels.data(), &out, DIB_RGB_COLORS), 2);
      const size_t topRow = height < 0 ? 0 : 3;
      EXPECT_EQ(pixels[topRow + 1], 0x010203u) << topDown << height;
      EXPECT_EQ(pixels[(3 - topRow) + 1], 0u) << topDown << height;
      // SetDIBits reads them back the same way.
      pixels[(3 - topRow)] = 0x00ABCDEF;
      EXPECT_EQ(SetDIBits(nullptr, bitmap, 0, 2, pixels.data(), &out, DIB_RGB_COLORS), 2);
      Dc dc(bitmap);
      EXPECT_EQ(GetPixel(dc.hdc, 0, 1), RGB(0xAB, 0xCD, 0xEF));
    }
    DeleteObject(bitmap);
  }
}

TEST(GdiBitmap, WidthBytesAreWordAlignedForDdbsAndDwordAlignedForDibSections) {
  struct Case {
    int width, bits;
    bool dib;
    LONG widthBytes;
  } cases[] = {{9, 1, false, 2},  {17, 1, false, 4}, {16, 1, false, 2}, {3, 32, false, 12},
               {3, 24, true, 12}, {5, 24, true, 16}, {1, 24, true, 4},  {3, 32, true, 12}};
  for (const Case &c : cases) {
    HBITMAP bitmap;
    if (c.dib) {
      BITMAPINFO info{};
      info.bmiHeader = {
          sizeof(BITMAPINFOHEADER), c.width, 2, 1, WORD(c.bits), BI_RGB, 0, 0, 0, 0, 0};
      bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    } else {
      bitmap = CreateBitmap(c.width, 2, 1, c.bits, nullptr);
    }
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidthBytes, c.widthBytes) << c.width << "x" << c.bits << " dib " << c.dib;
    EXPECT_EQ(info.bmBitsPixel, c.bits);
    EXPECT_EQ(info.bmBits != nullptr, c.dib);
    DeleteObject(bitmap);
  }
}

TEST(GdiObjects, MemoryDcStartsWithAOnePixelMonochromeBitmapAndKeepsSelectedObjects) {
  HDC hdc = CreateCompatibleDC(nullptr);
  HBITMAP first = CreateBitmap(2, 2, 1, 32, nullptr), second = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ initial = SelectObject(hdc, first);
  BITMAP info{};
  ASSERT_EQ(GetObjectA(initial, sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(info.bmHeight, 1);
  EXPECT_EQ(info.bmBitsPixel, 1);

  EXPECT_FALSE(DeleteObject(first));  // selected: kept
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(other, first), nullptr);  // one DC at a time
  EXPECT_EQ(SelectObject(hdc, second), first);
  EXPECT_TRUE(DeleteObject(first));
  EXPECT_EQ(GetObjectType(first), 0u);

  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(SelectObject(hdc, brush), GetStockObject(WHITE_BRUSH));
  EXPECT_FALSE(DeleteObject(brush));
  SelectObject(hdc, GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));  // stock: stays usable
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), DWORD(OBJ_BRUSH));

  SelectObject(hdc, initial);
  DeleteDC(other);
  DeleteDC(hdc);
  EXPECT_TRUE(DeleteObject(second));
}

TEST(GdiObjects, RestoreDcBringsBackSelectedObjectsAndColours) {
  HBITMAP bitmap = Colour(2, 2);
  Dc dc(bitmap);
  const int level = SaveDC(dc.hdc);
  SetTextColor(dc.hdc, RGB(9, 9, 9));
  HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
  SelectObject(dc.hdc, brush);
  ASSERT_TRUE(RestoreDC(dc.hdc, level));
  EXPECT_EQ(GetTextColor(dc.hdc), RGB(0, 0, 0));
  EXPECT_TRUE(DeleteObject(brush));  // no longer selected
  EXPECT_FALSE(RestoreDC(dc.hdc, level));
}

TEST(GdiSurface, TargetDcMovesTheOriginAndClips) {
  HBITMAP surface = winplat::gdi::CreateSurface(10, 10);
  HDC hdc = winplat::gdi::CreateTargetDC(surface, POINT{2, 3}, RECT{2, 3, 6, 7});
  RECT all{-50, -50, 50, 50};
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(hdc, &all, white);
  EXPECT_EQ(SelectObject(hdc, CreateBitmap(1, 1, 1, 1, nullptr)), nullptr);  // not a memory DC
  DeleteDC(hdc);
  Dc check(surface);
  EXPECT_EQ(InkBounds(check.hdc, 10, 10, RGB(255, 255, 255)).left, 2);
  const RECT box = InkBounds(check.hdc, 10, 10, RGB(255, 255, 255));
  EXPECT_EQ(box.top, 3);
  EXPECT_EQ(box.right, 6);
  EXPECT_EQ(box.bottom, 7);
}

TEST(GdiShapes, RectangleOutlinesWithThePenAndExcludesRightAndBottom) {
  HBITMAP bitmap = Colour(8, 8);
  Dc dc(bitmap);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc.hdc, pen);
  SelectObject(dc.hdc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc.hdc, 1, 1, 5, 4);
  EXPECT_EQ(GetPixel(dc.hdc, 1, 1), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc.hdc, 4, 3), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc.hdc, 2, 2), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc.hdc, 5, 3), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc.hdc, 4, 4), RGB(0, 0, 0));
  SelectObject(dc.hdc, oldPen);
  DeleteObject(pen);
}

TEST(GdiShapes, FocusRectangleIsDottedAndUndoneByDrawingItAgain) {
  HBITMAP bitmap = Colour(6, 6);
  Dc dc(bitmap);
  RECT rect{0, 0, 6, 6};
  DrawFocusRect(dc.hdc, &rect);
  EXPECT_EQ(GetPixel(dc.hdc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc.hdc, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc.hdc, 2, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc.hdc, 2, 2), RGB(0, 0, 0));  // inside is left alone
  DrawFocusRect(dc.hdc, &rect);
  EXPECT_EQ(InkBounds(dc.hdc, 6, 6, RGB(255, 255, 255)).right, 0);
}

class GdiText : public testing::Test {
 protected:
  void SetUp() override {
    SelectObject(dc_.hdc, font_);
    PatBlt(dc_.hdc, 0, 0, 120, 40, WHITENESS);
  }
  void TearDown() override { SelectObject(dc_.hdc, GetStockObject(SYSTEM_FONT)); }
  ~GdiText() override { DeleteObject(font_); }

  HBITMAP bitmap_ = Colour(120, 40);
  Dc dc_{bitmap_};
  HFONT font_ =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"MS Sans Serif");
};

TEST_F(GdiText, MetricsFollowTheAskedHeight) {
  TEXTMETRICW tm{};
  ASSERT_TRUE(GetTextMetricsW(dc_.hdc, &tm));
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 12);
  EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
  HFONT cell = CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
  SelectObject(dc_.hdc, cell);
  ASSERT_TRUE(GetTextMetricsW(dc_.hdc, &tm));
  EXPECT_EQ(tm.tmHeight, 20);
  SIZE wide{}, narrow{};
  GetTextExtentPoint32A(dc_.hdc, "WWW", 3, &wide);
  GetTextExtentPoint32A(dc_.hdc, "iii", 3, &narrow);
  EXPECT_GT(wide.cx, narrow.cx);
  EXPECT_EQ(wide.cy, 20);
  SelectObject(dc_.hdc, font_);
  DeleteObject(cell);
}

TEST_F(GdiText, OpaqueRectangleIsFilledAndClippedTextStaysInside) {
  SetBkColor(dc_.hdc, RGB(0, 0, 255));
  SetTextColor(dc_.hdc, RGB(255, 0, 0));
  SetBkMode(dc_.hdc, TRANSPARENT);
  RECT rect{10, 5, 30, 25};
  ExtTextOutW(dc_.hdc, 12, 8, ETO_OPAQUE | ETO_CLIPPED, &rect, u"WWWWWW", 6, nullptr);
  const RECT ink = InkBounds(dc_.hdc, 120, 40, RGB(255, 0, 0));
  EXPECT_GE(ink.left, 12);
  EXPECT_LE(ink.right, 30);  // the text goes on past 30 but is clipped
  EXPECT_EQ(ink.right, 30);
  EXPECT_EQ(GetPixel(dc_.hdc, 10, 5), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc_.hdc, 29, 24), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc_.hdc, 30, 24), RGB(255, 255, 255));
}

TEST_F(GdiText, RightAlignedTextEndsAtTheReferencePointInBothReadingOrders) {
  SetTextColor(dc_.hdc, RGB(255, 0, 0));
  SIZE extent{};
  GetTextExtentPoint32W(dc_.hdc, u"Hello", 5, &extent);
  for (const UINT align : {UINT(TA_RIGHT), UINT(TA_RIGHT | TA_RTLREADING)}) {
    PatBlt(dc_.hdc, 0, 0, 120, 40, WHITENESS);
    SetTextAlign(dc_.hdc, align);
    TextOutW(dc_.hdc, 100, 10, u"Hello", 5);
    const RECT ink = InkBounds(dc_.hdc, 120, 40, RGB(255, 0, 0));
    EXPECT_LE(ink.right, 100) << align;
    EXPECT_GE(ink.right, 97) << align;
    EXPECT_GE(ink.left, 100 - extent.cx) << align;
    EXPECT_GE(ink.top, 10) << align;
  }
  SetTextAlign(dc_.hdc, TA_LEFT | TA_TOP);
}

TEST_F(GdiText, DrawTextPlacesASingleLineRightAndVerticallyCentred) {
  SetTextColor(dc_.hdc, RGB(255, 0, 0));
  SetBkMode(dc_.hdc, TRANSPARENT);
  RECT rect{10, 0, 110, 40};
  TEXTMETRICW tm{};
  GetTextMetricsW(dc_.hdc, &tm);
  const int height = DrawTextW(dc_.hdc, u"Hi", -1, &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(height, (40 - tm.tmHeight) / 2 + tm.tmHeight);  // offset to the text's bottom
  const RECT ink = InkBounds(dc_.hdc, 120, 40, RGB(255, 0, 0));
  EXPECT_LE(ink.right, 110);
  EXPECT_GE(ink.right, 107);
  EXPECT_GE(ink.top, (40 - tm.tmHeight) / 2);
  EXPECT_LE(ink.bottom, (40 + tm.tmHeight) / 2 + 1);
}

TEST_F(GdiText, PrefixIsRemovedAndUnderlinesTheNextCharacter) {
  SetTextColor(dc_.hdc, RGB(255, 0, 0));
  RECT plain{0, 0, 0, 0}, prefixed{0, 0, 0, 0}, literal{0, 0, 0, 0};
  DrawTextW(dc_.hdc, u"File", -1, &plain, DT_CALCRECT | DT_SINGLELINE);
  DrawTextW(dc_.hdc, u"&File", -1, &prefixed, DT_CALCRECT | DT_SINGLELINE);
  DrawTextW(dc_.hdc, u"&File", -1, &literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(prefixed.right, plain.right);
  EXPECT_GT(literal.right, plain.right);
  EXPECT_EQ(InkBounds(dc_.hdc, 120, 40, RGB(255, 0, 0)).right, 0);  // DT_CALCRECT draws nothing

  RECT rect{0, 0, 120, 40};
  DrawTextW(dc_.hdc, u"&File", -1, &rect, DT_SINGLELINE);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc_.hdc, &tm);
  int underline = 0;
  for (int x = 0; x < 120; ++x)
    underline += GetPixel(dc_.hdc, x, tm.tmAscent + 1) == RGB(255, 0, 0);
  SIZE f{};
  GetTextExtentPoint32W(dc_.hdc, u"F", 1, &f);
  EXPECT_EQ(underline, f.cx);
}

TEST_F(GdiText, JapaneseTextIsDrawnWithTheJapaneseFontOrTheFallback) {
  for (const char16_t *face : {u"MS UI Gothic", u"Arial", u"Gulim"}) {
    HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, face);
    SelectObject(dc_.hdc, font);
    PatBlt(dc_.hdc, 0, 0, 120, 40, WHITENESS);
    TextOutW(dc_.hdc, 0, 0, u"\u65e5\u672c", 2);
    const RECT ink = InkBounds(dc_.hdc, 120, 40, RGB(0, 0, 0));
    EXPECT_GT(ink.right - ink.left, 20);
    SelectObject(dc_.hdc, font_);
    DeleteObject(font);
  }
}

TEST(GdiPng, WrittenFileReadsBackAsTheBitmap) {
  HBITMAP bitmap = Colour(5, 3);
  {
    Dc dc(bitmap);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        SetPixel(dc.hdc, x, y, RGB(x * 50, y * 100, 7));
  }
  const std::string path =
      (std::filesystem::temp_directory_path() / ("gdi_test_" + std::to_string(getpid()) + ".png"))
          .string();
  ASSERT_TRUE(winplat::WriteBitmapPng(bitmap, path));
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
  ASSERT_EQ(image.width, 5u);
  ASSERT_EQ(image.height, 3u);
  Dc dc(bitmap);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const png_byte *p = &pixels[(y * 5 + x) * 3];
      EXPECT_EQ(RGB(p[0], p[1], p[2]), GetPixel(dc.hdc, x, y)) << x << "," << y;
    }
  }
  std::remove(path.c_str());
  EXPECT_FALSE(winplat::WriteBitmapPng(nullptr, path));
}

}  // namespace
