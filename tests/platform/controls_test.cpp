// Tests of the edit and button controls: the text limit, typing, selection, notifications to
// the parent, check boxes and radio groups.
#include <gtest/gtest.h>

#include <windows.h>

#include "winplat/operator.h"
#include "winplat/user_logs.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// (control ID, notification code) in the order the parent received them.
std::vector<std::pair<int, int>> notifications;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND)
    notifications.emplace_back(LOWORD(wParam), HIWORD(wParam));
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.lpszClassName = u"ControlsTestParent";
    RegisterClassW(&windowClass);
    parent_ = CreateWindowExW(0, u"ControlsTestParent", u"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
    notifications.clear();
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND Control(const char16_t *className, DWORD style, int id, const char16_t *text = u"") {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20,
                           parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
  }
  static void Type(HWND edit, std::u16string_view text) {
    for (char16_t c : text)
      SendMessageW(edit, WM_CHAR, c, 0);
  }
  static std::u16string TextOf(HWND window) {
    char16_t buffer[256];
    GetWindowTextW(window, buffer, 256);
    return buffer;
  }

  HWND parent_ = nullptr;
};

TEST_F(Controls, EditLimitBindsTypingButNotSetText) {
  const HWND edit = Control(u"Edit", ES_AUTOHSCROLL, 10);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
  SendMessageW(edit, EM_LIMITTEXT, 5, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
  struct Case {
    std::u16string typed;
    std::u16string expected;
    bool maxText;
  };
  const Case cases[] = {
      {u"abcd", u"abcd", false},    // one short of the limit
      {u"abcde", u"abcde", false},  // exactly the limit
      {u"abcdef", u"abcde", true},  // one past: refused, EN_MAXTEXT
  };
  for (const Case &c : cases) {
    SetWindowTextW(edit, u"");
    notifications.clear();
    Type(edit, c.typed);
    EXPECT_EQ(TextOf(edit), c.expected);
    const bool sawMaxText = std::find(notifications.begin(), notifications.end(),
                                      std::pair{10, EN_MAXTEXT}) != notifications.end();
    EXPECT_EQ(sawMaxText, c.maxText) << winplat::Utf8FromUtf16(c.typed);
  }
  SetWindowTextW(edit, u"0123456789");
  EXPECT_EQ(TextOf(edit), u"0123456789");
  SendMessageW(edit, EM_SETSEL, 10, 10);
  Type(edit, u"x");
  EXPECT_EQ(TextOf(edit), u"0123456789");
  SendMessageW(edit, EM_SETSEL, 0, 10);
  Type(edit, u"x");  // replacing the selection makes room
  EXPECT_EQ(TextOf(edit), u"x");
}

TEST_F(Controls, EditLimitZeroMeansTheMaximumOfItsKind) {
  const HWND single = Control(u"Edit", 0, 1);
  const HWND multi = Control(u"Edit", ES_MULTILINE, 2);
  SendMessageW(single, EM_LIMITTEXT, 0, 0);
  SendMessageW(multi, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(single, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(multi, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
}

TEST_F(Controls, EditNotifiesChangesButNotSetTextOfAMultiLineEdit) {
  const HWND single = Control(u"Edit", 0, 1);
  const HWND multi = Control(u"Edit", ES_MULTILINE, 2);
  notifications.clear();
  SetWindowTextW(single, u"a");
  SetWindowTextW(multi, u"b");
  Type(multi, u"c\r");
  const std::vector<std::pair<int, int>> expected = {
      {1, EN_UPDATE}, {1, EN_CHANGE}, {2, EN_UPDATE},
      {2, EN_CHANGE}, {2, EN_UPDATE}, {2, EN_CHANGE},
  };
  EXPECT_EQ(notifications, expected);
  EXPECT_EQ(TextOf(multi), u"c\r\nb");  // the caret was at the start after WM_SETTEXT
}

TEST_F(Controls, EditTypingReplacesTheSelectionAndBackspaceDeletes) {
  const HWND edit = Control(u"Edit", ES_UPPERCASE, 1, u"abcd");
  SendMessageW(edit, EM_SETSEL, 1, 3);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 3u);
  Type(edit, u"x");
  EXPECT_EQ(TextOf(edit), u"aXd");
  Type(edit, u"\b\b");
  EXPECT_EQ(TextOf(edit), u"d");
  Type(edit, u"\b");  // nothing before the caret
  EXPECT_EQ(TextOf(edit), u"d");
}

TEST_F(Controls, NumberEditRefusesLettersWithABeep) {
  const HWND edit = Control(u"Edit", ES_NUMBER, 1);
  winplat::ClearUserLogs();
  Type(edit, u"1a2");
  EXPECT_EQ(TextOf(edit), u"12");
  EXPECT_EQ(winplat::BeepLog().size(), 1u);
}

TEST_F(Controls, AnsiReplaceSelectionIsConverted) {
  const HWND edit = Control(u"Edit", 0, 1, u"ab");
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(TextOf(edit), u"aXYb");
}

TEST_F(Controls, CheckBoxesToggleAndNotify) {
  const HWND autoBox = Control(u"Button", BS_AUTOCHECKBOX, 1);
  const HWND plainBox = Control(u"Button", BS_CHECKBOX, 2);
  const HWND push = Control(u"Button", BS_PUSHBUTTON, 3);
  SendMessageW(autoBox, BM_CLICK, 0, 0);
  SendMessageW(plainBox, BM_CLICK, 0, 0);
  SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(autoBox, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(plainBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(autoBox, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(autoBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EnableWindow(push, FALSE);
  SendMessageW(push, BM_CLICK, 0, 0);  // a disabled button does not click
  const std::vector<std::pair<int, int>> expected = {
      {1, BN_CLICKED}, {2, BN_CLICKED}, {1, BN_CLICKED}};
  EXPECT_EQ(notifications, expected);
}

TEST_F(Controls, AutoRadioButtonsUncheckTheirGroupOnly) {
  const HWND a = Control(u"Button", BS_AUTORADIOBUTTON | WS_GROUP, 1);
  const HWND b = Control(u"Button", BS_AUTORADIOBUTTON, 2);
  const HWND c = Control(u"Button", BS_AUTORADIOBUTTON, 3);
  const HWND other = Control(u"Button", BS_AUTORADIOBUTTON | WS_GROUP, 4);
  SendMessageW(a, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(other, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(c, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(other, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Controls, DialogCodesTellTheDialogManagerWhatEachControlWants) {
  struct Case {
    const char16_t *className;
    DWORD style;
    LRESULT code;
  };
  const Case cases[] = {
      {u"Button", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {u"Button", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {u"Button", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {u"Button", BS_GROUPBOX, DLGC_STATIC},
      {u"Static", SS_CENTER, DLGC_STATIC},
      {u"Edit", 0, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS},
      {u"Edit", ES_MULTILINE, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS},
  };
  for (const Case &c : cases) {
    const HWND control = Control(c.className, c.style, 1);
    EXPECT_EQ(SendMessageW(control, WM_GETDLGCODE, 0, 0), c.code)
        << winplat::Utf8FromUtf16(c.className) << " style " << c.style;
  }
}

}  // namespace
