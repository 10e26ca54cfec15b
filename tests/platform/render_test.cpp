// Tests of painting a window tree into a bitmap: the pixels of a simple dialog (frame, caption,
// button frames, a static's text, an edit's background) and the PNG file.
#include <gtest/gtest.h>

#include <windows.h>

#include "winplat/render.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kEditId = 11;
constexpr int kLabelId = 12;

// Reads pixels of a rendered bitmap through a memory DC.
class Pixels {
 public:
  explicit Pixels(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    previous_ = SelectObject(dc_, bitmap);
  }
  ~Pixels() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  COLORREF At(LONG x, LONG y) const { return GetPixel(dc_, x, y); }
  int Count(const RECT &area, COLORREF color) const {
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
      for (LONG x = area.left; x < area.right; ++x)
        count += At(x, y) == color ? 1 : 0;
    }
    return count;
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ = CreateWindowExW(0, u"#32770", u"Options", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100,
                              100, 240, 120, nullptr, nullptr, nullptr, nullptr);
    label_ = Child(u"Static", u"Label text", SS_LEFT, kLabelId, 10, 10, 120, 16);
    edit_ = Child(u"Edit", u"", WS_BORDER, kEditId, 10, 30, 120, 20);
    ok_ = Child(u"Button", u"OK", BS_DEFPUSHBUTTON, IDOK, 10, 60, 70, 24);
    cancel_ = Child(u"Button", u"Cancel", BS_PUSHBUTTON, IDCANCEL, 100, 60, 70, 24);
  }
  void TearDown() override { DestroyWindow(dialog_); }

  HWND Child(const char16_t *className, const char16_t *text, DWORD style, int id, int x, int y,
             int cx, int cy) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, dialog_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  // A control's rectangle in the coordinates of the rendered bitmap.
  RECT InBitmap(HWND control) const {
    RECT rect;
    RECT frame;
    GetWindowRect(control, &rect);
    GetWindowRect(dialog_, &frame);
    return RECT{rect.left - frame.left, rect.top - frame.top, rect.right - frame.left,
                rect.bottom - frame.top};
  }

  HWND dialog_ = nullptr;
  HWND label_ = nullptr;
  HWND edit_ = nullptr;
  HWND ok_ = nullptr;
  HWND cancel_ = nullptr;
};

TEST_F(Render, DialogShowsFrameCaptionButtonsTextAndEdit) {
  HBITMAP bitmap = winplat::RenderWindow(dialog_);
  ASSERT_NE(bitmap, nullptr);
  {
    const Pixels pixels(bitmap);
    EXPECT_EQ(pixels.At(200, 10), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(pixels.At(239, 119), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixels.At(220, 100), GetSysColor(COLOR_BTNFACE));

    const RECT ok = InBitmap(ok_);
    EXPECT_EQ(pixels.At(ok.left, ok.top), GetSysColor(COLOR_WINDOWFRAME));  // default: black
    EXPECT_EQ(pixels.At(ok.left + 1, ok.top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    const RECT cancel = InBitmap(cancel_);
    EXPECT_EQ(pixels.At(cancel.left, cancel.top), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixels.At(cancel.right - 1, cancel.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixels.At(cancel.right - 2, cancel.bottom - 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_GT(
        pixels.Count(RECT{cancel.left + 4, cancel.top + 4, cancel.right - 4, cancel.bottom - 4},
                     GetSysColor(COLOR_BTNTEXT)),
        10);

    const RECT label = InBitmap(label_);
    EXPECT_GT(pixels.Count(label, GetSysColor(COLOR_WINDOWTEXT)), 20);
    EXPECT_EQ(pixels.At(label.right - 1, label.top), GetSysColor(COLOR_BTNFACE));

    const RECT edit = InBitmap(edit_);
    EXPECT_EQ(pixels.At(edit.left, edit.top), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixels.At(edit.left + 5, edit.top + 5), GetSysColor(COLOR_WINDOW));
  }
  DeleteObject(bitmap);
}

TEST_F(Render, EtchedStaticsDrawShadowAndHighlightLines) {
  HWND line = Child(u"Static", u"", SS_ETCHEDHORZ, 13, 10, 90, 100, 2);
  HWND bar = Child(u"Static", u"", SS_ETCHEDVERT, 14, 200, 10, 2, 60);
  HBITMAP bitmap = winplat::RenderWindow(dialog_);
  ASSERT_NE(bitmap, nullptr);
  {
    const Pixels pixels(bitmap);
    const RECT horizontal = InBitmap(line);
    EXPECT_EQ(pixels.At(horizontal.left + 50, horizontal.top), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixels.At(horizontal.left + 50, horizontal.top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    const RECT vertical = InBitmap(bar);
    EXPECT_EQ(pixels.At(vertical.left, vertical.top + 30), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixels.At(vertical.left + 1, vertical.top + 30), GetSysColor(COLOR_BTNHIGHLIGHT));
  }
  DeleteObject(bitmap);
}

TEST_F(Render, HiddenChildrenAreNotPainted) {
  ShowWindow(label_, SW_HIDE);
  HBITMAP bitmap = winplat::RenderWindow(dialog_);
  ASSERT_NE(bitmap, nullptr);
  {
    const Pixels pixels(bitmap);
    const RECT label = InBitmap(label_);
    EXPECT_EQ(pixels.Count(label, GetSysColor(COLOR_BTNFACE)),
              (label.right - label.left) * (label.bottom - label.top));
  }
  DeleteObject(bitmap);
  ShowWindow(dialog_, SW_HIDE);
  EXPECT_EQ(winplat::RenderWindow(dialog_), nullptr);
}

TEST_F(Render, PngFileIsWritten) {
  const std::string path = ::testing::TempDir() + "render_test_dialog.png";
  std::remove(path.c_str());
  ASSERT_TRUE(winplat::RenderWindowPng(dialog_, path));
  FILE *file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  EXPECT_EQ(signature[1], 'P');
  EXPECT_EQ(signature[2], 'N');
  EXPECT_EQ(signature[3], 'G');
  std::remove(path.c_str());
}

}  // namespace
