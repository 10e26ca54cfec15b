// Tests of the list view: item states and their notifications, callback texts in both text
// formats, finding items, keys and clicks, label editing, deletion, owner drawing and images.
#include "list_controls_parent.h"
#include "winplat/render.h"

namespace {

using listtest::Notice;

constexpr int kListId = 1149;

class ListView : public ::testing::Test {
 protected:
  void SetUp() override { listtest::CreateParent(parent_); }
  void TearDown() override {
    DestroyWindow(parent_.window);
    listtest::current = nullptr;
  }

  HWND MakeList(DWORD style = 0) {
    list_ = listtest::CreateChild(parent_, WC_LISTVIEWW, LVS_REPORT | style, kListId,
                                  RECT{10, 10, 260, 210});
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 120;
    column.pszText = const_cast<LPWSTR>(u"Name");
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = const_cast<LPWSTR>(u"Value");
    SendMessageW(list_, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    return list_;
  }
  int Insert(int index, const char16_t *text, LPARAM param) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<LPWSTR>(text);
    item.lParam = param;
    return static_cast<int>(
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }
  void SetState(int index, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  }
  std::u16string TextAt(int index, int subItem = 0) {
    char16_t buffer[64] = {};
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  std::vector<Notice> Changes() const {
    std::vector<Notice> changes;
    for (const Notice &notice : parent_.notices) {
      if (notice.code == LVN_ITEMCHANGED)
        changes.push_back(notice);
    }
    return changes;
  }
  LPARAM RowPoint(int index) {
    RECT row{};
    SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&row));
    return MAKELPARAM(row.left + 5, row.top + 2);
  }

  listtest::Parent parent_;
  HWND list_ = nullptr;
};

TEST_F(ListView, StateChangesNotifyOldAndNewStateAndKeepOneFocus) {
  MakeList();
  Insert(0, u"a", 100);
  Insert(1, u"b", 101);
  Insert(2, u"c", 102);
  parent_.notices.clear();
  SetState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  const std::vector<Notice> changes = Changes();
  ASSERT_EQ(changes.size(), 3u);
  // Item 0 selected and focused; then item 0 loses the focus (not the selection) to item 2.
  const struct {
    int item;
    UINT oldState, newState;
    LPARAM param;
  } expected[] = {{0, 0, LVIS_SELECTED | LVIS_FOCUSED, 100},
                  {0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED, 100},
                  {2, 0, LVIS_SELECTED | LVIS_FOCUSED, 102}};
  for (size_t i = 0; i < changes.size(); ++i) {
    EXPECT_EQ(changes[i].item, expected[i].item) << i;
    EXPECT_EQ(changes[i].changed, static_cast<UINT>(LVIF_STATE)) << i;
    EXPECT_EQ(changes[i].oldState, expected[i].oldState) << i;
    EXPECT_EQ(changes[i].newState, expected[i].newState) << i;
    EXPECT_EQ(changes[i].param, expected[i].param) << i;
  }
  EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), 2);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, 0, LVNI_SELECTED), 2);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, 2, LVNI_SELECTED), -1);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, 0, LVNI_ALL), 1);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED | LVNI_FOCUSED), 2);
  // Setting a state an item already has changes nothing and tells nothing.
  parent_.notices.clear();
  SetState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_TRUE(Changes().empty());
  // -1 clears the selection of every item.
  SetState(-1, 0, LVIS_SELECTED);
  EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  EXPECT_EQ(Changes().size(), 2u);
}

TEST_F(ListView, SingleSelectionListDeselectsThePreviousItem) {
  MakeList(LVS_SINGLESEL);
  Insert(0, u"a", 0);
  Insert(1, u"b", 0);
  SetState(0, LVIS_SELECTED, LVIS_SELECTED);
  SetState(1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(SendMessageW(list_, LVM_GETITEMSTATE, 0, LVIS_SELECTED), 0);
  EXPECT_EQ(SendMessageW(list_, LVM_GETITEMSTATE, 1, LVIS_SELECTED), LVIS_SELECTED);
}

TEST_F(ListView, CallbackTextIsAskedInTheParentsFormat) {
  for (const bool ansi : {false, true}) {
    parent_.notifyFormat = ansi ? NFR_ANSI : NFR_UNICODE;
    MakeList();
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = LPSTR_TEXTCALLBACKA;
    SendMessageW(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    SendMessageW(list_, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    parent_.notices.clear();
    EXPECT_EQ(TextAt(0, 0), ansi ? u"ab0.0" : u"cb0.0");
    EXPECT_EQ(TextAt(0, 1), ansi ? u"ab0.1" : u"cb0.1");
    const std::vector<UINT> asked(2, ansi ? LVN_GETDISPINFOA : LVN_GETDISPINFOW);
    EXPECT_EQ(parent_.Codes(), asked);
    // Through the ANSI message the text comes back converted, cut to the buffer.
    char buffer[4] = {};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item)), 3);
    EXPECT_STREQ(buffer, ansi ? "ab0" : "cb0");
    DestroyWindow(list_);
  }
}

LRESULT CALLBACK AnsiParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR *>(lParam)->code == LVN_GETDISPINFOA) {
    auto *info = reinterpret_cast<NMLVDISPINFOA *>(lParam);
    info->item.pszText = const_cast<LPSTR>("from an ANSI window");
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(ListViewParents, AnAnsiWindowGetsAnsiNotificationsByDefault) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = AnsiParentProc;
  windowClass.lpszClassName = "ListViewAnsiParent";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  const HWND parent = CreateWindowExA(0, "ListViewAnsiParent", "", WS_POPUP, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
  const HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 100, 100,
                                    parent, nullptr, nullptr, nullptr);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.pszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  char16_t buffer[32] = {};
  LVITEMW read{};
  read.pszText = buffer;
  read.cchTextMax = 32;
  SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&read));
  EXPECT_EQ(std::u16string(buffer), u"from an ANSI window");  // pointed to, not copied
  DestroyWindow(parent);
}

TEST_F(ListView, FindItemComparesWholeTextsIgnoringCase) {
  MakeList();
  Insert(0, u"Office", 7);
  Insert(1, u"Draft", 8);
  Insert(2, u"OFFICE copy", 9);
  const struct {
    UINT flags;
    const char *text;
    int start;
    int expected;
  } cases[] = {
      {LVFI_STRING, "office", -1, 0},
      {LVFI_STRING, "DRAFT", -1, 1},
      {LVFI_STRING, "Off", -1, -1},  // a prefix is not a match without LVFI_PARTIAL
      {LVFI_PARTIAL | LVFI_STRING, "off", -1, 0},
      {LVFI_PARTIAL | LVFI_STRING, "off", 0, 2},  // the search starts after `start`
      {LVFI_STRING, "office", 0, -1},
      {LVFI_STRING | LVFI_WRAP, "office", 0, 0},
  };
  for (const auto &c : cases) {
    LVFINDINFOA find{};
    find.flags = c.flags;
    find.psz = c.text;
    EXPECT_EQ(SendMessageW(list_, LVM_FINDITEMA, static_cast<WPARAM>(c.start),
                           reinterpret_cast<LPARAM>(&find)),
              c.expected)
        << c.text << " from " << c.start;
  }
  LVFINDINFOW byParam{};
  byParam.flags = LVFI_PARAM;
  byParam.lParam = 9;
  EXPECT_EQ(SendMessageW(list_, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(&byParam)),
            2);
}

TEST_F(ListView, KeysReachTheParentAndMoveTheSelectionWhileTheListHasTheFocus) {
  MakeList();
  for (int i = 0; i < 3; ++i)
    Insert(i, u"row", i);
  SetState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetFocus(list_);
  parent_.notices.clear();
  listtest::Press(VK_DELETE);
  listtest::Press(VK_DOWN);
  ASSERT_GE(parent_.notices.size(), 2u);
  EXPECT_EQ(parent_.notices[0].code, LVN_KEYDOWN);
  EXPECT_EQ(parent_.notices[0].key, VK_DELETE);
  const std::vector<UINT> codes = parent_.Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), LVN_KEYDOWN), 2);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 1);
  EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), 1);
  EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  // Without the focus the keys go elsewhere.
  SetFocus(parent_.window);
  parent_.notices.clear();
  listtest::Press(VK_DELETE);
  EXPECT_TRUE(parent_.notices.empty());
}

TEST_F(ListView, ClicksSelectTheRowAndNotifyWithItsIndex) {
  MakeList();
  Insert(0, u"a", 50);
  Insert(1, u"b", 51);
  parent_.notices.clear();
  SendMessageW(list_, WM_LBUTTONDOWN, 0, RowPoint(1));
  SendMessageW(list_, WM_LBUTTONDBLCLK, 0, RowPoint(1));
  SendMessageW(list_, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 190));  // below the rows
  std::vector<Notice> clicks;
  for (const Notice &notice : parent_.notices) {
    if (notice.code == NM_CLICK || notice.code == NM_DBLCLK)
      clicks.push_back(notice);
  }
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[0].code, NM_CLICK);
  EXPECT_EQ(clicks[0].item, 1);
  EXPECT_EQ(clicks[0].param, 51);
  EXPECT_EQ(clicks[1].code, NM_DBLCLK);
  EXPECT_EQ(clicks[1].item, 1);
  EXPECT_EQ(clicks[2].item, -1);
  EXPECT_EQ(GetFocus(), list_);
  EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0), 0);  // empty space deselects
}

TEST_F(ListView, LabelEditAsksTheParentBeforeAndAfter) {
  MakeList(LVS_EDITLABELS);
  Insert(0, u"Old", 0);
  parent_.refuseLabelEdit = TRUE;
  EXPECT_EQ(SendMessageW(list_, LVM_EDITLABELW, 0, 0), 0);
  parent_.refuseLabelEdit = FALSE;
  const struct {
    BOOL keep;
    BYTE key;
    std::u16string label;
    std::u16string reported;
  } cases[] = {
      {FALSE, VK_RETURN, u"Old", u"New"},    // the parent refuses the new text
      {TRUE, VK_ESCAPE, u"Old", u"<null>"},  // cancelled: no text to keep
      {TRUE, VK_RETURN, u"New", u"New"},
  };
  for (const auto &c : cases) {
    parent_.keepLabel = c.keep;
    const auto editor = reinterpret_cast<HWND>(SendMessageW(list_, LVM_EDITLABELW, 0, 0));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETEDITCONTROL, 0, 0)), editor);
    EXPECT_EQ(GetFocus(), editor);
    SetWindowTextW(editor, u"New");
    parent_.notices.clear();
    listtest::Press(c.key);
    ASSERT_FALSE(parent_.notices.empty());
    EXPECT_EQ(parent_.notices.back().code, LVN_ENDLABELEDITW);
    EXPECT_EQ(parent_.notices.back().text, c.reported);
    EXPECT_EQ(TextAt(0), c.label);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(GetFocus(), list_);
  }
}

TEST_F(ListView, DeletionTellsTheParentOfEachItem) {
  MakeList();
  Insert(0, u"a", 10);
  Insert(1, u"b", 11);
  Insert(2, u"c", 12);
  parent_.notices.clear();
  EXPECT_EQ(SendMessageW(list_, LVM_DELETEITEM, 1, 0), TRUE);
  EXPECT_EQ(SendMessageW(list_, LVM_DELETEITEM, 5, 0), FALSE);
  EXPECT_EQ(TextAt(1), u"c");
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  const std::vector<UINT> codes{LVN_DELETEITEM, LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM};
  EXPECT_EQ(parent_.Codes(), codes);
  EXPECT_EQ(parent_.notices[0].param, 11);
  EXPECT_EQ(parent_.notices[3].param, 12);
  EXPECT_EQ(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListView, OwnerDrawnRowsAreMeasuredAndDrawnByTheParent) {
  parent_.measuredHeight = 20;
  MakeList(LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER);
  ASSERT_FALSE(parent_.measures.empty());
  EXPECT_EQ(parent_.measures[0].CtlType, static_cast<UINT>(ODT_LISTVIEW));
  EXPECT_EQ(parent_.measures[0].CtlID, static_cast<UINT>(kListId));
  for (int i = 0; i < 3; ++i)
    Insert(i, u"row", 40 + i);
  SetState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetFocus(list_);
  parent_.draws.clear();
  const HBITMAP bitmap = winplat::RenderWindow(parent_.window);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_EQ(parent_.draws.size(), 3u);
  for (UINT i = 0; i < 3; ++i) {
    const DRAWITEMSTRUCT &draw = parent_.draws[i];
    EXPECT_EQ(draw.CtlType, static_cast<UINT>(ODT_LISTVIEW));
    EXPECT_EQ(draw.itemID, i);
    EXPECT_EQ(draw.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(draw.itemState, i == 1 ? static_cast<UINT>(ODS_SELECTED | ODS_FOCUS) : 0u);
    EXPECT_EQ(draw.itemData, 40 + i);
    EXPECT_EQ(draw.rcItem.top, static_cast<LONG>(20 * i));
    EXPECT_EQ(draw.rcItem.bottom - draw.rcItem.top, 20);
    EXPECT_EQ(draw.rcItem.right, 240);  // both columns
  }
  // The rows land where rcItem says, inside the list's client area at (10, 10).
  EXPECT_EQ(listtest::PixelOf(bitmap, 10 + 50, 10 + 5), RGB(0, 255, 0));
  EXPECT_EQ(listtest::PixelOf(bitmap, 10 + 50, 10 + 25), RGB(255, 0, 0));
  EXPECT_EQ(listtest::PixelOf(bitmap, 10 + 0, 10 + 25), RGB(0, 0, 255));
  EXPECT_EQ(listtest::PixelOf(bitmap, 10 + 50, 10 + 45), RGB(0, 255, 0));
  EXPECT_EQ(listtest::PixelOf(bitmap, 10 + 50, 10 + 65), GetSysColor(COLOR_WINDOW));
  DeleteObject(bitmap);
}

// A 2-image strip: image 0 solid red, image 1 magenta with a black centre pixel.
HBITMAP Strip(int size) {
  const HDC screen = GetDC(nullptr);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * size, size);
  ReleaseDC(nullptr, screen);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < 2 * size; ++x)
      SetPixel(dc, x, y, x < size ? RGB(255, 0, 0) : RGB(255, 0, 255));
  }
  SetPixel(dc, size + size / 2, size / 2, RGB(0, 0, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);
  return bitmap;
}

TEST(ImageLists, MaskBitmapsDecideWhichPixelsAreDrawn) {
  const HBITMAP strip = Strip(4);
  // The mask: white (transparent) on the left half of each image, black on the right.
  const HDC screen = GetDC(nullptr);
  const HBITMAP mask = CreateCompatibleBitmap(screen, 8, 4);
  const HBITMAP canvas = CreateCompatibleBitmap(screen, 32, 4);
  ReleaseDC(nullptr, screen);
  const HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, mask);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x)
      SetPixel(dc, x, y, x % 4 < 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
  }
  SelectObject(dc, previous);
  const HIMAGELIST masked = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 1);
  const HIMAGELIST opaque = ImageList_Create(4, 4, ILC_COLOR24, 2, 1);
  EXPECT_EQ(ImageList_Add(masked, strip, mask), 0);
  EXPECT_EQ(ImageList_Add(opaque, strip, mask), 0);  // without ILC_MASK the mask is ignored
  EXPECT_EQ(ImageList_Add(masked, strip, nullptr), 2);
  EXPECT_EQ(ImageList_GetImageCount(masked), 4);
  previous = SelectObject(dc, canvas);
  const RECT all{0, 0, 32, 4};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_TRUE(ImageList_Draw(masked, 0, dc, 0, 0, ILD_NORMAL));
  EXPECT_TRUE(ImageList_Draw(opaque, 0, dc, 8, 0, ILD_NORMAL));
  EXPECT_TRUE(ImageList_Draw(masked, 2, dc, 16, 0, ILD_NORMAL));
  EXPECT_TRUE(ImageList_Draw(masked, 0, dc, 24, 0, ILD_MASK));
  EXPECT_FALSE(ImageList_Draw(masked, 4, dc, 0, 0, ILD_NORMAL));
  const struct {
    int x;
    COLORREF color;
  } expected[] = {
      {0, RGB(255, 255, 255)},  {3, RGB(255, 0, 0)},   // masked: left half transparent
      {8, RGB(255, 0, 0)},      {11, RGB(255, 0, 0)},  // no ILC_MASK: all drawn
      {16, RGB(255, 0, 0)},                            // no mask bitmap: all drawn
      {24, RGB(255, 255, 255)}, {27, RGB(0, 0, 0)},    // the mask itself
  };
  for (const auto &e : expected)
    EXPECT_EQ(GetPixel(dc, e.x, 1), e.color) << e.x;
  SelectObject(dc, previous);
  DeleteDC(dc);
  for (const HGDIOBJ object :
       {static_cast<HGDIOBJ>(canvas), static_cast<HGDIOBJ>(mask), static_cast<HGDIOBJ>(strip)})
    DeleteObject(object);
  EXPECT_TRUE(ImageList_Destroy(masked));
  EXPECT_FALSE(ImageList_Destroy(masked));
  EXPECT_TRUE(ImageList_Destroy(opaque));
}

TEST_F(ListView, SelectedRowAndSmallImagesArePainted) {
  MakeList(LVS_SHOWSELALWAYS);
  const HIMAGELIST images = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1);
  const HBITMAP strip = Strip(8);
  EXPECT_EQ(ImageList_AddMasked(images, strip, RGB(255, 0, 255)), 0);
  EXPECT_EQ(ImageList_GetImageCount(images), 2);
  DeleteObject(strip);
  SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.pszText = const_cast<LPWSTR>(u"first");
  item.iImage = 0;
  SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  item.iItem = 1;
  item.iImage = 1;
  SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  SetState(1, LVIS_SELECTED, LVIS_SELECTED);
  SetFocus(list_);
  RECT rows[2];
  for (int i = 0; i < 2; ++i)
    SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&rows[i]));
  const HBITMAP bitmap = winplat::RenderWindow(parent_.window);
  const auto at = [&](int row, int x, int dy) {
    const int top = rows[row].top + (rows[row].bottom - rows[row].top - 8) / 2;
    return listtest::PixelOf(bitmap, 10 + x, 10 + top + dy);
  };
  EXPECT_EQ(at(0, 2 + 3, 3), RGB(255, 0, 0));                // image 0
  EXPECT_EQ(at(0, 110, 0), GetSysColor(COLOR_WINDOW));       // an unselected row
  EXPECT_EQ(at(1, 2 + 4, 4), RGB(0, 0, 0));                  // image 1's opaque pixel
  EXPECT_EQ(at(1, 2 + 1, 1), GetSysColor(COLOR_HIGHLIGHT));  // its masked pixels
  EXPECT_EQ(at(1, 110, 0), GetSysColor(COLOR_HIGHLIGHT));    // the selected row
  EXPECT_EQ(at(1, 200, 0), GetSysColor(COLOR_WINDOW));       // column 2: no full-row select
  DeleteObject(bitmap);
  // The list destroys its image list with itself.
  DestroyWindow(list_);
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
}

}  // namespace
