// The summary list view filled from a row store: one item per row, each asking its parent for
// its texts, which come from the row the item points at.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "describe/summary_list.h"

namespace {

LRESULT CALLBACK PageProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFYFORMAT)
    return NFR_ANSI;
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR *>(lParam)->code == LVN_GETDISPINFOA) {
    auto *info = reinterpret_cast<NMLVDISPINFOA *>(lParam);
    info->item.pszText = const_cast<LPSTR>(SummaryRowText(info->item.lParam, info->item.iSubItem));
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

class SummaryListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = PageProc;
    wc.lpszClassName = "SummaryListTestPage";
    RegisterClassA(&wc);
    page_ = CreateWindowExA(0, "SummaryListTestPage", "", 0, 0, 0, 300, 200, nullptr, nullptr,
                            nullptr, nullptr);
    ASSERT_NE(page_, nullptr);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 300, 200, page_,
                            reinterpret_cast<HMENU>(1074), nullptr, nullptr);
    ASSERT_NE(list_, nullptr);
    for (int column = 0; column < 2; ++column) {
      LVCOLUMNA info;
      std::memset(&info, 0, sizeof info);
      info.mask = LVCF_WIDTH;
      info.cx = 150;
      SendMessageA(list_, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    }
  }
  void TearDown() override { DestroyWindow(page_); }

  std::string Text(int index, int column) {
    char buffer[260] = {};
    LVITEMA item;
    std::memset(&item, 0, sizeof item);
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list_, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
  }

  LPARAM Param(int index) {
    LVITEMA item;
    std::memset(&item, 0, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = index;
    SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
  }

  HWND page_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(SummaryListTest, EachRowBecomesAnItemThatShowsItsTexts) {
  SummaryRowStore rows;
  rows.Add("[ Basic Settings ]", "", TextPolicy::ForPage(false, 1252));
  rows.Add("Paper Size", "Letter", TextPolicy::ForPage(false, 1252));
  ASSERT_EQ(FillSummaryList(list_, rows), 2);

  EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(Param(1), reinterpret_cast<LPARAM>(rows.GetRow(1)));
  EXPECT_EQ(Text(0, 0), "[ Basic Settings ]");
  EXPECT_EQ(Text(1, 0), "Paper Size");
  EXPECT_EQ(Text(1, 1), "Letter");
  EXPECT_EQ(SummaryRowText(Param(1), 2), nullptr);
  EXPECT_EQ(SummaryRowText(0, 0), nullptr);

  // A new build replaces the items; the store starts again at row 0.
  rows.Reset();
  rows.Add("Copies", "3", TextPolicy::ForPage(false, 1252));
  ASSERT_EQ(FillSummaryList(list_, rows), 1);
  EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(Text(0, 1), "3");
}

}  // namespace
