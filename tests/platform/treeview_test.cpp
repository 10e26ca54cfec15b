// Tests of the tree view: insertion order, reading the tree back, selection and expansion
// notifications, deletion, keys, and the painted +/- buttons.
#include "list_controls_parent.h"
#include "winplat/render.h"

namespace {

constexpr int kTreeId = 1894;

class TreeView : public ::testing::Test {
 protected:
  void SetUp() override {
    listtest::CreateParent(parent_);
    tree_ = listtest::CreateChild(parent_, WC_TREEVIEWW, TVS_HASBUTTONS | TVS_LINESATROOT, kTreeId,
                                  RECT{0, 0, 300, 200});
  }
  void TearDown() override {
    DestroyWindow(parent_.window);
    listtest::current = nullptr;
  }
  HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const char *text, LPARAM param = 0) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<LPSTR>(text);
    insert.item.cchTextMax = 10;
    insert.item.lParam = param;
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  HTREEITEM Next(HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }
  std::u16string Text(HTREEITEM item) {
    char16_t buffer[32] = {};
    TVITEMW read{};
    read.mask = TVIF_TEXT;
    read.hItem = item;
    read.pszText = buffer;
    read.cchTextMax = 32;
    return SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read)) ? buffer : u"?";
  }
  // The texts of a node's children, in order.
  std::vector<std::u16string> Children(HTREEITEM parent) {
    std::vector<std::u16string> texts;
    for (HTREEITEM child = Next(parent, TVGN_CHILD); child != nullptr;
         child = Next(child, TVGN_NEXT))
      texts.push_back(Text(child));
    return texts;
  }

  listtest::Parent parent_;
  HWND tree_ = nullptr;
};

TEST_F(TreeView, InsertPositionsAndReadingBack) {
  const HTREEITEM page = Insert(TVI_ROOT, TVI_LAST, "Paper");
  Insert(TVI_ROOT, TVI_LAST, "Layout");
  Insert(TVI_ROOT, TVI_FIRST, "Model");
  Insert(page, TVI_SORT, "size");
  Insert(page, TVI_SORT, "Bin");
  const HTREEITEM source = Insert(page, TVI_SORT, "Source");
  Insert(page, source, "after Source");
  EXPECT_EQ(Children(TVI_ROOT), (std::vector<std::u16string>{u"Model", u"Paper", u"Layout"}));
  EXPECT_EQ(Children(page),
            (std::vector<std::u16string>{u"Bin", u"size", u"Source", u"after Source"}));
  EXPECT_EQ(Next(source, TVGN_PARENT), page);
  EXPECT_EQ(Next(page, TVGN_PARENT), nullptr);
  EXPECT_EQ(Next(source, TVGN_PREVIOUS), Next(Next(page, TVGN_CHILD), TVGN_NEXT));
  EXPECT_EQ(Text(Next(nullptr, TVGN_ROOT)), u"Model");
  EXPECT_EQ(SendMessageW(tree_, TVM_GETCOUNT, 0, 0), 7);
  // ANSI read of the same node, cut to the buffer.
  char small[4] = {};
  TVITEMA read{};
  read.mask = TVIF_TEXT | TVIF_CHILDREN;
  read.hItem = page;
  read.pszText = small;
  read.cchTextMax = sizeof(small);
  EXPECT_TRUE(SendMessageW(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read)));
  EXPECT_STREQ(small, "Pap");
  EXPECT_EQ(read.cChildren, 1);
  // A parent that is not a node of this tree fails.
  TVINSERTSTRUCTW bad{};
  bad.hParent = reinterpret_cast<HTREEITEM>(0x1234);
  bad.hInsertAfter = TVI_LAST;
  EXPECT_EQ(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&bad)), 0);
}

TEST_F(TreeView, SelectionAndExpansionNotifyTheParent) {
  const HTREEITEM page = Insert(TVI_ROOT, TVI_LAST, "Paper", 1);
  const HTREEITEM leaf = Insert(page, TVI_LAST, "A4", 2);
  parent_.notices.clear();
  EXPECT_TRUE(SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(page)));
  EXPECT_FALSE(SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(page)));
  EXPECT_FALSE(SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(leaf)));
  EXPECT_TRUE(SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(leaf)));
  EXPECT_EQ(Next(nullptr, TVGN_CARET), leaf);
  const std::vector<UINT> codes{TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDEDW, TVN_SELCHANGINGW,
                                TVN_SELCHANGEDW};
  EXPECT_EQ(parent_.Codes(), codes);
  EXPECT_EQ(parent_.notices[1].param, 1);  // the expanded node
  EXPECT_EQ(parent_.notices[1].changed, static_cast<UINT>(TVE_EXPAND));
  EXPECT_EQ(parent_.notices[3].param, 2);  // the new selection
  TVITEMW state{};
  state.mask = TVIF_STATE;
  state.hItem = page;
  state.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
  SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(state.state, static_cast<UINT>(TVIS_EXPANDED));
  // Keys: Up selects the parent; Left collapses it; Down then stays on the only shown node.
  SetFocus(tree_);
  listtest::Press(VK_UP);
  EXPECT_EQ(Next(nullptr, TVGN_CARET), page);
  listtest::Press(VK_LEFT);
  EXPECT_EQ(Next(page, TVGN_NEXTVISIBLE), nullptr);
  listtest::Press(VK_DOWN);
  EXPECT_EQ(Next(nullptr, TVGN_CARET), page);
  // Deleting a node deletes its children first, each told to the parent; the caret goes too.
  parent_.notices.clear();
  EXPECT_TRUE(SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(page)));
  EXPECT_EQ(parent_.Codes(), (std::vector<UINT>{TVN_DELETEITEMW, TVN_DELETEITEMW}));
  EXPECT_EQ(parent_.notices[0].param, 2);
  EXPECT_EQ(SendMessageW(tree_, TVM_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Next(nullptr, TVGN_CARET), nullptr);
}

TEST_F(TreeView, NodesAreIndentedWithButtons) {
  const HTREEITEM page = Insert(TVI_ROOT, TVI_LAST, "Paper");
  Insert(page, TVI_LAST, "A4");
  Insert(TVI_ROOT, TVI_LAST, "Layout");
  // The dark pixels in the button column of the first rows.
  const auto buttonPixels = [&] {
    const HBITMAP bitmap = winplat::RenderWindow(parent_.window);
    int dark = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 19; ++x)
        dark += listtest::PixelOf(bitmap, x, y) == GetSysColor(COLOR_WINDOWTEXT) ? 1 : 0;
    }
    DeleteObject(bitmap);
    return dark;
  };
  // Collapsed: a '+' (two strokes) before "Paper"; expanded: a '-' (one stroke).
  const int plus = buttonPixels();
  SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(page));
  const int minus = buttonPixels();
  EXPECT_EQ(plus, 5 + 5 - 1);
  EXPECT_EQ(minus, 5);
}

}  // namespace
