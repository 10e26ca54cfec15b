// Pixels of the owner-drawn profile list: transparent icons, the recolouring ranges, row
// colours, the right-to-left placement with its focus rectangle, and the decoration.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <vector>

#include "abi/wide.h"
#include "host/resource_module.h"
#include "page/page_test_support.h"
#include "page/profile_list_draw.h"
#include "page/transparent_bitmap.h"
#include "store/profile_list.h"

namespace prfmod::testing {
namespace {

constexpr int kRowWidth = 300;
constexpr int kRowHeight = 34;
constexpr COLORREF kCanvas = RGB(0, 200, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit bitmap from COLORREFs, row by row from the top.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF> &colors) {
  std::vector<DWORD> bits;
  for (COLORREF c : colors)
    bits.push_back(DWORD(GetBValue(c)) | DWORD(GetGValue(c)) << 8 | DWORD(GetRValue(c)) << 16);
  return CreateBitmap(width, height, 1, 32, bits.data());
}

// A memory DC over a fresh canvas of one colour.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF color) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = MakeBitmap(width, height, std::vector<COLORREF>(size_t(width) * height, color));
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST(TransparentBitmapTest, TopLeftColourIsTransparentEverywhere) {
  const COLORREF blue = RGB(0, 0, 255), black = RGB(0, 0, 0), dark = RGB(10, 20, 30);
  HBITMAP source = MakeBitmap(4, 2, {kWhite, kWhite, black, blue, dark, kWhite, blue, kWhite});
  TransparentBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(source));
  DeleteObject(source);
  EXPECT_EQ(bitmap.Info().bmWidth, 4);
  Canvas canvas(6, 4, kCanvas);
  bitmap.Draw(canvas.dc(), 1, 1);
  const COLORREF expected[2][4] = {{kCanvas, kCanvas, black, blue}, {dark, kCanvas, blue, kCanvas}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(canvas.At(x + 1, y + 1), expected[y][x]) << x << "," << y;
  EXPECT_EQ(canvas.At(0, 0), kCanvas);
  EXPECT_EQ(canvas.At(5, 3), kCanvas);
  bitmap.Release();
  EXPECT_FALSE(bitmap.Load(host::ResourceModule().instance(), 111)) << "no bitmap 111";
  EXPECT_EQ(bitmap.ColorBitmap(), nullptr);
  EXPECT_EQ(bitmap.MaskBitmap(), nullptr);
}

TEST(RecolourTest, OnlyTheIconBlueRangesTakeTheProfileColour) {
  struct Case {
    COLORREF pixel;
    bool recoloured;
  } cases[] = {
      {RGB(60, 60, 200), true},  {RGB(0, 0, 255), true},    {RGB(60, 60, 180), false},
      {RGB(57, 57, 189), true},  {RGB(75, 75, 207), true},  {RGB(56, 60, 200), false},
      {RGB(60, 56, 200), false}, {RGB(60, 76, 200), false}, {RGB(60, 60, 208), false},
      {RGB(75, 75, 241), true},  {RGB(76, 0, 255), false},  {RGB(0, 0, 240), false},
      {kWhite, false},           {RGB(0, 0, 0), false},
  };
  std::vector<COLORREF> pixels;
  for (const Case &c : cases)
    pixels.push_back(c.pixel);
  HBITMAP bitmap = MakeBitmap(static_cast<int>(pixels.size()), 1, pixels);
  const COLORREF profileColor = RGB(255, 128, 0);
  HDC scratch = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(RecolourIcon(scratch, bitmap, profileColor));
  SelectObject(scratch, bitmap);
  for (size_t i = 0; i < pixels.size(); ++i)
    EXPECT_EQ(GetPixel(scratch, static_cast<int>(i), 0),
              cases[i].recoloured ? profileColor : cases[i].pixel)
        << std::hex << cases[i].pixel;
  DeleteDC(scratch);
  DeleteObject(bitmap);
}

class ProfileRowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(resources_.instance(), nullptr);
    list_ = std::make_unique<ProfileList>(nullptr, TextPolicy::ForPage(false, 1252), &manager_,
                                          nullptr, nullptr);
    ProfileHeader office{};
    std::strcpy(office.strProfileName, "Office");
    office.nProfileIcon = 0;
    office.rgbIconColor = RGB(255, 0, 0);
    office.nProfRegNum = 1;
    list_->Insert(&office);
    listView_ = CreateWindowExW(0, WC_LISTVIEWW, WSTR(""), WS_POPUP | LVS_REPORT, 0, 0, kRowWidth,
                                200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(listView_, nullptr);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<LPWSTR>(WSTR("Office"));
    SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iItem = 1;
    item.pszText = const_cast<LPWSTR>(WSTR("Unknown"));
    SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    // Where bitmap 112 has pixels of the recoloured blue, and one that stays as it is.
    HBITMAP icon = LoadBitmapW(resources_.instance(), MAKEINTRESOURCEW(112));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, icon);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        if (b >= 189 && b < 208 && g > 56 && g < 76 && r >= 57 && r < 76) {
          blue_ = {x, y};
          blueColor_ = c;
        }
      }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(icon);
    ASSERT_GE(blue_.x, 0);
  }
  void TearDown() override { DestroyWindow(listView_); }

  ProfileListLook Look(bool rightToLeft, bool disabled = false) const {
    return {resources_.instance(), rightToLeft, disabled, TextPolicy::ForPage(false, 1252),
            list_.get()};
  }
  DRAWITEMSTRUCT Item(HDC dc, UINT row, UINT action, UINT state) const {
    DRAWITEMSTRUCT item{};
    item.CtlID = IDC_PROFILE_LIST;
    item.itemID = row;
    item.itemAction = action;
    item.itemState = state;
    item.hwndItem = listView_;
    item.hDC = dc;
    item.rcItem = {0, 0, kRowWidth, kRowHeight};
    return item;
  }

  host::ResourceModule resources_;
  PageUIManager manager_;
  std::unique_ptr<ProfileList> list_;
  HWND listView_ = nullptr;
  POINT blue_ = {-1, -1};
  COLORREF blueColor_ = 0;
};

TEST_F(ProfileRowTest, RowBackgroundBySelectionAndDisabledList) {
  struct Case {
    UINT state;
    bool disabled;
    COLORREF background;
  } cases[] = {
      {ODS_SELECTED, false, 0xDDDDDD},
      {0, false, GetSysColor(COLOR_WINDOW)},
      {ODS_SELECTED, true, GetSysColor(COLOR_INACTIVEBORDER)},
      {0, true, GetSysColor(COLOR_INACTIVEBORDER)},
  };
  for (bool rightToLeft : {false, true})
    for (const Case &c : cases) {
      Canvas canvas(kRowWidth, kRowHeight, kCanvas);
      DRAWITEMSTRUCT item = Item(canvas.dc(), 0, ODA_DRAWENTIRE, c.state);
      ASSERT_TRUE(DrawProfileItem(Look(rightToLeft, c.disabled), IDC_PROFILE_LIST, &item));
      EXPECT_EQ(canvas.At(200, kRowHeight / 2), c.background) << rightToLeft << c.state;
      // The row is filled one pixel in from its top and bottom.
      EXPECT_EQ(canvas.At(200, 0), kCanvas);
      EXPECT_EQ(canvas.At(200, kRowHeight - 1), kCanvas);
      EXPECT_EQ(canvas.At(200, 1), c.background);
    }
}

TEST_F(ProfileRowTest, LeftToRightShowsTheIconInItsOwnColoursAtTheLeft) {
  Canvas canvas(kRowWidth, kRowHeight, kCanvas);
  DRAWITEMSTRUCT item = Item(canvas.dc(), 0, ODA_DRAWENTIRE, 0);
  ASSERT_TRUE(DrawProfileItem(Look(false), IDC_PROFILE_LIST, &item));
  EXPECT_EQ(canvas.At(2 + blue_.x, 2 + blue_.y), blueColor_);
  EXPECT_EQ(canvas.At(2, 2), GetSysColor(COLOR_WINDOW)) << "white icon corner is transparent";
  int textPixels = 0;
  for (int x = 44; x < 120; ++x)
    for (int y = 1; y < kRowHeight - 1; ++y)
      textPixels += canvas.At(x, y) == GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_GT(textPixels, 0);
  for (int x = kRowWidth - 32; x < kRowWidth; ++x)
    EXPECT_EQ(canvas.At(x, kRowHeight / 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(ProfileRowTest, RightToLeftRecoloursTheIconAtTheRightAndRightAlignsTheName) {
  Canvas canvas(kRowWidth, kRowHeight, kCanvas);
  DRAWITEMSTRUCT item = Item(canvas.dc(), 0, ODA_DRAWENTIRE, 0);
  ASSERT_TRUE(DrawProfileItem(Look(true), IDC_PROFILE_LIST, &item));
  EXPECT_EQ(canvas.At(kRowWidth - 32 + blue_.x, blue_.y), RGB(255, 0, 0));
  int leftText = 0, rightText = 0;
  for (int y = 1; y < kRowHeight - 1; ++y) {
    for (int x = 0; x < 100; ++x)
      leftText += canvas.At(x, y) == GetSysColor(COLOR_WINDOWTEXT);
    for (int x = 180; x < kRowWidth - 32; ++x)
      rightText += canvas.At(x, y) == GetSysColor(COLOR_WINDOWTEXT);
  }
  EXPECT_EQ(leftText, 0);
  EXPECT_GT(rightText, 0);

  // A row whose text names no profile shows icon 0 in its own colours.
  Canvas unknown(kRowWidth, kRowHeight, kCanvas);
  item = Item(unknown.dc(), 1, ODA_DRAWENTIRE, 0);
  ASSERT_TRUE(DrawProfileItem(Look(true), IDC_PROFILE_LIST, &item));
  EXPECT_EQ(unknown.At(kRowWidth - 32 + blue_.x, blue_.y), blueColor_);
}

TEST_F(ProfileRowTest, FocusRectangleOnlyRightToLeftAndOnlyRealItemsOfTheList) {
  for (bool rightToLeft : {false, true}) {
    Canvas canvas(kRowWidth, kRowHeight, kCanvas);
    DRAWITEMSTRUCT item = Item(canvas.dc(), 0, ODA_FOCUS, ODS_FOCUS);
    EXPECT_TRUE(DrawProfileItem(Look(rightToLeft), IDC_PROFILE_LIST, &item));
    int changed = 0;
    for (int x = 0; x < kRowWidth; ++x)
      changed += canvas.At(x, 0) != kCanvas;
    EXPECT_EQ(changed > 0, rightToLeft);
    for (int y = 1; y < kRowHeight - 1; ++y)
      EXPECT_EQ(canvas.At(150, y), kCanvas);
  }
  Canvas canvas(kRowWidth, kRowHeight, kCanvas);
  DRAWITEMSTRUCT item = Item(canvas.dc(), UINT(-1), ODA_DRAWENTIRE, 0);
  EXPECT_FALSE(DrawProfileItem(Look(false), IDC_PROFILE_LIST, &item));
  item = Item(canvas.dc(), 0, ODA_DRAWENTIRE, 0);
  EXPECT_FALSE(DrawProfileItem(Look(false), IDC_SETTINGS_SUMMARY, &item));
  EXPECT_EQ(canvas.At(150, kRowHeight / 2), kCanvas);
}

TEST_F(ProfileRowTest, RowHeightAndImageListComeFromTheIconBitmaps) {
  MEASUREITEMSTRUCT measure{};
  MeasureProfileItem(resources_.instance(), &measure);
  EXPECT_EQ(measure.itemHeight, 32u);
  HIMAGELIST images = CreateProfileImageList(resources_.instance(), listView_);
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(images), 45);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(listView_, LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
            images);
}

TEST(DecorationTest, CentredOverItsControlUnlessTheModelDeclines) {
  host::ResourceModule resources;
  PageFixture fixture;
  HWND window = CreateTestPageWindow(&fixture.page);
  ASSERT_NE(window, nullptr);
  RECT client;
  GetClientRect(window, &client);
  HWND frame = GetDlgItem(window, IDC_DECORATION);
  RECT area;
  GetWindowRect(frame, &area);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&area), 2);
  for (bool declined : {false, true}) {
    ModelCapabilitiesRecord caps{};
    caps.dwDevice = declined ? 1u << 27 : 0;
    Canvas canvas(client.right, client.bottom, kCanvas);
    PaintDecoration(resources.instance(), window, canvas.dc(), &caps);
    int inside = 0, outside = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) {
        if (canvas.At(x, y) == kCanvas)
          continue;
        const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        (in ? inside : outside) += 1;
      }
    EXPECT_EQ(inside > 0, !declined);
    EXPECT_EQ(outside, 0);
  }
}

}  // namespace
}  // namespace prfmod::testing
