// Tests of the list box and the combo box: multi-column geometry, selection notifications,
// owner drawing, item data and ANSI texts; and dialog templates that name these controls.
#include <cstring>

#include "list_controls_parent.h"
#include "winplat/render.h"

namespace {

constexpr int kListId = 1042;
constexpr int kComboId = 181;

class Lists : public ::testing::Test {
 protected:
  void SetUp() override { listtest::CreateParent(parent_); }
  void TearDown() override {
    DestroyWindow(parent_.window);
    listtest::current = nullptr;
  }
  int Selections() const {
    return static_cast<int>(std::count(parent_.commands.begin(), parent_.commands.end(),
                                       std::pair{kListId, static_cast<int>(LBN_SELCHANGE)}));
  }

  listtest::Parent parent_;
};

TEST_F(Lists, MultiColumnItemsFillColumnsTopToBottom) {
  parent_.measuredHeight = 20;
  const HWND list =
      listtest::CreateChild(parent_, u"ListBox", LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN | LBS_NOTIFY,
                            kListId, RECT{0, 0, 200, 65});
  ASSERT_EQ(parent_.measures.size(), 1u);
  EXPECT_EQ(parent_.measures[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
  EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 20);
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(client.bottom, 60);  // whole items only
  const HWND tall =
      listtest::CreateChild(parent_, u"ListBox", LBS_NOINTEGRALHEIGHT, 9, RECT{0, 0, 50, 65});
  GetClientRect(tall, &client);
  EXPECT_EQ(client.bottom, 65);
  SendMessageW(list, LB_SETCOLUMNWIDTH, 40, 0);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, 1000 + i), i);  // item data, not text
  // Three 20-pixel rows fit in 65 pixels.
  const struct {
    int item;
    RECT rect;
  } cases[] = {
      {0, {0, 0, 40, 20}}, {2, {0, 40, 40, 60}}, {3, {40, 0, 80, 20}}, {7, {80, 20, 120, 40}}};
  for (const auto &c : cases) {
    RECT rect{};
    EXPECT_EQ(SendMessageW(list, LB_GETITEMRECT, c.item, reinterpret_cast<LPARAM>(&rect)), LB_OKAY);
    EXPECT_EQ(rect.left, c.rect.left) << c.item;
    EXPECT_EQ(rect.top, c.rect.top) << c.item;
    EXPECT_EQ(rect.right, c.rect.right) << c.item;
    EXPECT_EQ(rect.bottom, c.rect.bottom) << c.item;
  }
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 5, 0), 1005);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), 1006), 6);
  // Keys move within a column and across columns, and tell the parent; messages do not.
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  EXPECT_EQ(Selections(), 0);
  SetFocus(list);
  listtest::Press(VK_RIGHT);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 4);
  listtest::Press(VK_DOWN);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 5);
  EXPECT_EQ(Selections(), 2);
  // A click selects the item under it; a click where no item is changes nothing.
  SendMessageW(list, WM_LBUTTONDOWN, 0, MAKELPARAM(85, 45));
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 5);
  SendMessageW(list, WM_LBUTTONDOWN, 0, MAKELPARAM(85, 25));
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 7);
  EXPECT_EQ(Selections(), 3);
}

TEST_F(Lists, OwnerDrawnItemsGetTheirStateAndRectangle) {
  parent_.measuredHeight = 16;
  const HWND list = listtest::CreateChild(parent_, u"ListBox", LBS_OWNERDRAWFIXED, kListId,
                                          RECT{20, 20, 120, 100});
  for (int i = 0; i < 3; ++i)
    SendMessageW(list, LB_ADDSTRING, 0, 70 + i);
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  SetFocus(list);
  parent_.draws.clear();
  const HBITMAP bitmap = winplat::RenderWindow(parent_.window);
  ASSERT_EQ(parent_.draws.size(), 3u);
  for (UINT i = 0; i < 3; ++i) {
    const DRAWITEMSTRUCT &draw = parent_.draws[i];
    EXPECT_EQ(draw.CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(draw.CtlID, static_cast<UINT>(kListId));
    EXPECT_EQ(draw.itemID, i);
    EXPECT_EQ(draw.itemData, 70 + i);
    EXPECT_EQ(draw.itemState, i == 2 ? static_cast<UINT>(ODS_SELECTED | ODS_FOCUS) : 0u);
    EXPECT_EQ(draw.rcItem.top, static_cast<LONG>(16 * i));
    EXPECT_EQ(draw.rcItem.right, 100);
  }
  EXPECT_EQ(listtest::PixelOf(bitmap, 20 + 50, 20 + 8), RGB(0, 255, 0));
  EXPECT_EQ(listtest::PixelOf(bitmap, 20 + 50, 20 + 40), RGB(255, 0, 0));
  DeleteObject(bitmap);
  // Deleting an owner-drawn item, the selected one, leaves no selection.
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 2, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(Lists, AnsiCallersTextsAreConverted) {
  const HWND list =
      listtest::CreateChild(parent_, u"ListBox", LBS_SORT, kListId, RECT{0, 0, 100, 100});
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("pear")), 0);
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Apple")), 0);
  EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"banana")), 1);
  EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 2, 0), 4);
  char ansi[8] = {};
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(ansi)), 6);
  EXPECT_STREQ(ansi, "banana");
  EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>("APPLE")),
            0);
  EXPECT_EQ(
      SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("PE")),
      2);
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(ansi)), LB_ERR);
}

TEST_F(Lists, ComboBoxMeasuresFieldAndItemsAndNotifiesUserChoicesOnly) {
  parent_.measuredHeight = 18;
  const HWND combo = listtest::CreateChild(parent_, u"ComboBox",
                                           CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                           kComboId, RECT{10, 10, 160, 200});
  ASSERT_EQ(parent_.measures.size(), 2u);
  EXPECT_EQ(parent_.measures[0].itemID, static_cast<UINT>(-1));  // the selection field
  EXPECT_EQ(parent_.measures[1].itemID, 0u);                     // the list's items
  RECT rect{};
  GetWindowRect(combo, &rect);
  EXPECT_EQ(rect.bottom - rect.top, 18 + 6);
  EXPECT_EQ(SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 14), 0);
  GetWindowRect(combo, &rect);
  EXPECT_EQ(rect.bottom - rect.top, 14 + 6);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 18);
  for (const char *name : {"White", "Black", "Red"}) {
    const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), 0x100 + index);
  }
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 7, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), -1);
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SetFocus(combo);
  parent_.commands.clear();
  listtest::Press(VK_DOWN);
  listtest::Press(VK_DOWN);  // already on the last item: nothing changes
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(std::count(parent_.commands.begin(), parent_.commands.end(),
                       std::pair{kComboId, static_cast<int>(CBN_SELCHANGE)}),
            1);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 2, 0), 0x102);
  char text[8] = {};
  EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 3);
  EXPECT_STREQ(text, "Red");
  // The selection field is drawn by the owner, marked as such.
  parent_.draws.clear();
  DeleteObject(winplat::RenderWindow(parent_.window));
  ASSERT_EQ(parent_.draws.size(), 1u);
  EXPECT_EQ(parent_.draws[0].itemID, 2u);
  EXPECT_EQ(parent_.draws[0].itemData, 0x102u);
  EXPECT_EQ(parent_.draws[0].itemState,
            static_cast<UINT>(ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS));
  EXPECT_EQ(parent_.draws[0].rcItem.bottom - parent_.draws[0].rcItem.top, 14);
}

// An in-memory dialog template (DLGTEMPLATE, no font) with the controls given by class.
class TemplateWriter {
 public:
  explicit TemplateWriter(WORD count) {
    Dword(WS_POPUP | WS_VISIBLE);
    Dword(0);
    Word(count);
    for (int i = 0; i < 4; ++i)
      Word(i < 2 ? 0 : 200);
    Word(0);  // menu
    Word(0);  // class
    Word(0);  // title
  }
  void Item(DWORD style, WORD id, WORD atom, std::u16string_view className) {
    while (bytes_.size() % 4 != 0)
      bytes_.push_back(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    for (const short value : {short{4}, short{4}, short{80}, short{60}})
      Word(static_cast<WORD>(value));
    Word(id);
    if (atom != 0) {
      Word(0xFFFF);
      Word(atom);
    } else {
      for (const char16_t c : className)
        Word(c);
      Word(0);
    }
    Word(0);  // title
    Word(0);  // no creation data
  }
  const DLGTEMPLATE *get() const { return reinterpret_cast<const DLGTEMPLATE *>(bytes_.data()); }

 private:
  void Word(WORD value) { Append(&value, sizeof(value)); }
  void Dword(DWORD value) { Append(&value, sizeof(value)); }
  void Append(const void *data, size_t size) {
    const auto *first = static_cast<const BYTE *>(data);
    bytes_.insert(bytes_.end(), first, first + size);
  }
  std::vector<BYTE> bytes_;
};

std::vector<UINT> dialogMessages;

INT_PTR CALLBACK RecordingDialog(HWND, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_MEASUREITEM || msg == WM_INITDIALOG)
    dialogMessages.push_back(msg);
  return msg == WM_MEASUREITEM ? TRUE : FALSE;
}

TEST(ListTemplates, TemplatesCreateTheControlsByAtomOrName) {
  TemplateWriter writer(4);
  writer.Item(LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN, 1, 0x0083, u"");
  writer.Item(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 2, 0x0085, u"");
  writer.Item(LVS_REPORT | LVS_OWNERDRAWFIXED, 3, 0, u"SysListView32");
  writer.Item(TVS_HASBUTTONS, 4, 0, u"SysTreeView32");
  dialogMessages.clear();
  const HWND dialog =
      CreateDialogIndirectParamW(nullptr, writer.get(), nullptr, RecordingDialog, 0);
  ASSERT_NE(dialog, nullptr);
  // One measure for the list box, two for the combo box, one for the list view; then the
  // dialog initialises.
  const std::vector<UINT> expected{WM_MEASUREITEM, WM_MEASUREITEM, WM_MEASUREITEM, WM_MEASUREITEM,
                                   WM_INITDIALOG};
  EXPECT_EQ(dialogMessages, expected);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 1, LB_ADDSTRING, 0, 5), 0);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 2, CB_ADDSTRING, 0, 5), 0);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 3, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 4, TVM_GETCOUNT, 0, 0), 0);
  // A dialog created through a wide function asks for wide notifications.
  EXPECT_EQ(SendMessageW(dialog, WM_NOTIFYFORMAT, 0, NF_QUERY), NFR_UNICODE);
  DestroyWindow(dialog);
}

}  // namespace
