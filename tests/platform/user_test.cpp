// Tests of USER32 windows: message flows of creation, destruction, subclassing, the queue,
// focus, keyboard and hotkeys; window data; ANSI/wide text; geometry; MulDiv.
#include <gtest/gtest.h>

#include <windows.h>

#include "winplat/config.h"
#include "winplat/operator.h"
#include "winplat/user_logs.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Record {
  std::string window;
  UINT message;
  WPARAM wParam;
  bool operator==(const Record &other) const = default;
};

std::vector<Record> journal;
std::map<HWND, std::string> names;
std::string lastAnsiText;

std::ostream &operator<<(std::ostream &out, const Record &record) {
  return out << record.window << ":0x" << std::hex << record.message << "(" << record.wParam << ")"
             << std::dec;
}

bool Recorded(UINT msg) {
  switch (msg) {
    case WM_NCCREATE:
    case WM_CREATE:
    case WM_SIZE:
    case WM_MOVE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SHOWWINDOW:
    case WM_SETTEXT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_HOTKEY:
    case WM_USER:
    case WM_USER + 1:
      return true;
    default:
      return false;
  }
}

std::string NameOf(HWND hwnd) {
  const auto found = names.find(hwnd);
  return found != names.end() ? found->second : "?";
}

WPARAM Shown(UINT msg, WPARAM wParam) {
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
    const auto found = names.find(reinterpret_cast<HWND>(wParam));
    return found != names.end() ? found->second[0] : wParam;
  }
  return msg == WM_NCCREATE || msg == WM_CREATE || msg == WM_SIZE || msg == WM_SETTEXT ? 0 : wParam;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
    names[hwnd] = create->lpszName != nullptr ? winplat::Utf8FromUtf16(create->lpszName) : "";
  }
  if (Recorded(msg))
    journal.push_back({NameOf(hwnd), msg, Shown(msg, wParam)});
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK AnsiProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SETTEXT && lParam != 0)
    lastAnsiText = reinterpret_cast<LPCSTR>(lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FailingCreateProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  RecordingProc(hwnd, msg, wParam, lParam);
  return msg == WM_CREATE ? -1 : DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Destroys its first child itself while it is being destroyed.
LRESULT CALLBACK DestroyingChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY)
    DestroyWindow(GetWindow(hwnd, GW_CHILD));
  return RecordingProc(hwnd, msg, wParam, lParam);
}

WNDPROC subclassedProc = nullptr;
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Recorded(msg))
    journal.push_back({"sub", msg, Shown(msg, wParam)});
  if (msg == WM_USER + 1)
    return 77;
  return CallWindowProcW(subclassedProc, hwnd, msg, wParam, lParam);
}

void RegisterOnce(const char16_t *name, WNDPROC proc, int extra = 0) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = proc;
  windowClass.lpszClassName = name;
  windowClass.cbWndExtra = extra;
  RegisterClassW(&windowClass);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class UserWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterOnce(u"UserTestRecorder", RecordingProc, 16);
    Pump();
    journal.clear();
  }
  void TearDown() override {
    for (HWND window : created_)
      DestroyWindow(window);
    Pump();
  }
  HWND Make(const char16_t *name, DWORD style, HWND parent, int id = 0, int x = 0, int y = 0) {
    const HWND window =
        CreateWindowExW(0, u"UserTestRecorder", name, style, x, y, 200, 100, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (parent == nullptr)
      created_.push_back(window);
    return window;
  }

 private:
  std::vector<HWND> created_;
};

TEST_F(UserWindows, CreationAndDestructionFollowWindowsOrder) {
  const HWND parent = Make(u"P", WS_OVERLAPPED, nullptr);
  const HWND child = Make(u"C", WS_CHILD | WS_VISIBLE, parent, 5);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetParent(child), parent);
  EXPECT_EQ(GetDlgCtrlID(child), 5);
  DestroyWindow(parent);
  const std::vector<Record> expected = {
      {"P", WM_NCCREATE, 0},  {"P", WM_CREATE, 0},   {"P", WM_SIZE, 0},
      {"P", WM_MOVE, 0},      {"C", WM_NCCREATE, 0}, {"C", WM_CREATE, 0},
      {"C", WM_SIZE, 0},      {"C", WM_MOVE, 0},     {"C", WM_SHOWWINDOW, TRUE},
      {"P", WM_DESTROY, 0},   {"C", WM_DESTROY, 0},  {"C", WM_NCDESTROY, 0},
      {"P", WM_NCDESTROY, 0},
  };
  EXPECT_EQ(journal, expected);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(UserWindows, CreateReturningMinusOneDestroysTheWindow) {
  RegisterOnce(u"UserTestFailing", FailingCreateProc);
  const HWND window = CreateWindowExW(0, u"UserTestFailing", u"F", 0, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
  EXPECT_EQ(window, nullptr);
  const std::vector<Record> expected = {
      {"F", WM_NCCREATE, 0}, {"F", WM_CREATE, 0}, {"F", WM_DESTROY, 0}, {"F", WM_NCDESTROY, 0}};
  EXPECT_EQ(journal, expected);
}

TEST_F(UserWindows, ChildDestroyedByItsParentDuringDestructionIsDestroyedOnce) {
  RegisterOnce(u"UserTestDestroyingChild", DestroyingChildProc);
  const HWND parent = CreateWindowExW(0, u"UserTestDestroyingChild", u"P", 0, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
  const HWND first = Make(u"1", WS_CHILD, parent, 1);
  Make(u"2", WS_CHILD, parent, 2);
  ASSERT_EQ(GetWindow(parent, GW_CHILD), first);
  journal.clear();
  DestroyWindow(parent);
  const std::vector<Record> expected = {
      {"1", WM_DESTROY, 0}, {"1", WM_NCDESTROY, 0}, {"P", WM_DESTROY, 0},
      {"2", WM_DESTROY, 0}, {"2", WM_NCDESTROY, 0}, {"P", WM_NCDESTROY, 0},
  };
  EXPECT_EQ(journal, expected);
}

TEST_F(UserWindows, ChildWithoutParentAndUnknownClassFail) {
  EXPECT_EQ(Make(u"X", WS_CHILD, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
  EXPECT_EQ(
      CreateWindowExW(0, u"NoSuchClass32", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
      nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(UserWindows, SubclassingSeesMessagesFirstAndChainsWithCallWindowProc) {
  const HWND window = Make(u"W", 0, nullptr);
  journal.clear();
  subclassedProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  EXPECT_EQ(subclassedProc, RecordingProc);
  EXPECT_TRUE(SetWindowTextW(window, u"new"));
  EXPECT_EQ(SendMessageW(window, WM_USER + 1, 3, 0), 77);
  const std::vector<Record> expected = {
      {"sub", WM_SETTEXT, 0}, {"W", WM_SETTEXT, 0}, {"sub", WM_USER + 1, 3}};
  EXPECT_EQ(journal, expected);
  char16_t text[8];
  EXPECT_EQ(GetWindowTextW(window, text, 8), 3);
  EXPECT_EQ(std::u16string(text), u"new");
}

TEST_F(UserWindows, SentMessagesRunAtOncePostedOnesWhenPumped) {
  const HWND window = Make(u"W", 0, nullptr);
  journal.clear();
  PostMessageW(window, WM_USER, 1, 0);
  SendMessageW(window, WM_USER, 2, 0);
  PostMessageW(window, WM_USER, 3, 0);
  EXPECT_EQ(journal, (std::vector<Record>{{"W", WM_USER, 2}}));
  Pump();
  const std::vector<Record> expected = {{"W", WM_USER, 2}, {"W", WM_USER, 1}, {"W", WM_USER, 3}};
  EXPECT_EQ(journal, expected);
}

TEST_F(UserWindows, GetMessageEndsOnQuitAndOnAnEmptyQueue) {
  MSG msg;
  PostQuitMessage(4);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 4u);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
}

TEST_F(UserWindows, FocusMovesWithKillAndSetFocus) {
  const HWND parent = Make(u"P", WS_VISIBLE, nullptr);
  const HWND a = Make(u"a", WS_CHILD | WS_VISIBLE, parent, 1);
  const HWND b = Make(u"b", WS_CHILD | WS_VISIBLE, parent, 2);
  journal.clear();
  SetFocus(a);
  EXPECT_EQ(SetFocus(b), a);
  EnableWindow(b, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(b), nullptr);  // a disabled window cannot take the focus
  const std::vector<Record> expected = {
      {"a", WM_SETFOCUS, 0},  {"a", WM_KILLFOCUS, 'b'}, {"b", WM_SETFOCUS, 'a'},
      {"b", WM_KILLFOCUS, 0}, {"b", WM_ENABLE, FALSE},
  };
  EXPECT_EQ(journal, expected);
}

TEST_F(UserWindows, KeysGoToTheFocusWindowAndTranslateToCharacters) {
  const HWND parent = Make(u"P", WS_VISIBLE, nullptr);
  const HWND edit = Make(u"e", WS_CHILD | WS_VISIBLE, parent, 1);
  SetFocus(edit);
  journal.clear();
  keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event('K', 0, 0, 0);
  keybd_event('K', 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  keybd_event('7', 0, 0, 0);
  keybd_event('7', 0, KEYEVENTF_KEYUP, 0);
  Pump();
  const std::vector<Record> expected = {
      {"e", WM_KEYDOWN, VK_SHIFT}, {"e", WM_KEYDOWN, 'K'},    {"e", WM_CHAR, 'K'},
      {"e", WM_KEYUP, 'K'},        {"e", WM_KEYUP, VK_SHIFT}, {"e", WM_KEYDOWN, '7'},
      {"e", WM_CHAR, '7'},         {"e", WM_KEYUP, '7'},
  };
  EXPECT_EQ(journal, expected);
}

TEST_F(UserWindows, AltLetterHotKeyPostsWmHotKeyInsteadOfTheKey) {
  const HWND window = Make(u"h", WS_VISIBLE, nullptr);
  SetFocus(window);
  ASSERT_TRUE(RegisterHotKey(window, 7, MOD_ALT, 'P'));
  EXPECT_FALSE(RegisterHotKey(window, 8, MOD_ALT | MOD_NOREPEAT, 'P'));  // the same keystroke
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
  // The same window and id with another keystroke: both hot keys are kept.
  ASSERT_TRUE(RegisterHotKey(window, 7, MOD_CONTROL, 'Q'));
  EXPECT_FALSE(RegisterHotKey(window, 9, MOD_ALT, 'P'));
  journal.clear();
  keybd_event(VK_MENU, 0, 0, 0);
  keybd_event('P', 0, 0, 0);
  MSG hotKey{};
  while (PeekMessageW(&hotKey, nullptr, WM_HOTKEY, WM_HOTKEY, PM_NOREMOVE) == FALSE)
    FAIL() << "no WM_HOTKEY";
  EXPECT_EQ(hotKey.lParam, MAKELONG(MOD_ALT, 'P'));
  keybd_event('P', 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  keybd_event('P', 0, 0, 0);  // without Alt: an ordinary key
  keybd_event('P', 0, KEYEVENTF_KEYUP, 0);
  Pump();
  const std::vector<Record> expected = {
      {"h", WM_SYSKEYDOWN, VK_MENU}, {"h", WM_HOTKEY, 7},    {"h", WM_SYSKEYUP, 'P'},
      {"h", WM_SYSKEYUP, VK_MENU},   {"h", WM_KEYDOWN, 'P'}, {"h", WM_CHAR, 'p'},
      {"h", WM_KEYUP, 'P'},
  };
  EXPECT_EQ(journal, expected);
  EXPECT_TRUE(UnregisterHotKey(window, 7));
  EXPECT_FALSE(UnregisterHotKey(window, 7));
  EXPECT_TRUE(RegisterHotKey(window, 8, MOD_CONTROL, 'Q')) << "both went with the id";
  UnregisterHotKey(window, 8);
}

TEST_F(UserWindows, OnServer2003AHotKeyOfTheSameWindowAndIdReplacesTheEarlierOne) {
  winplat::SetWindowsVersion(winplat::WindowsVersion::Server2003);
  const HWND window = Make(u"h", WS_VISIBLE, nullptr);
  EXPECT_TRUE(RegisterHotKey(window, 7, MOD_ALT, 'P'));
  EXPECT_TRUE(RegisterHotKey(window, 7, MOD_CONTROL, 'Q'));
  EXPECT_TRUE(RegisterHotKey(window, 8, MOD_ALT, 'P')) << "Alt+P went with the replaced one";
  EXPECT_FALSE(RegisterHotKey(window, 9, MOD_CONTROL, 'Q'));
  UnregisterHotKey(window, 7);
  UnregisterHotKey(window, 8);
  winplat::SetWindowsVersion(winplat::WindowsVersion::WinXP);
}

TEST_F(UserWindows, WindowDataIndexesAndExtraBytesAreBoundsChecked) {
  const HWND window = Make(u"d", 0, nullptr);
  struct Case {
    int index;
    bool pointerOk;
    bool longOk;
  };
  const Case cases[] = {{0, true, true},
                        {8, true, true},
                        {9, false, true},
                        {12, false, true},
                        {13, false, false},
                        {16, false, false},
                        {GWLP_USERDATA, true, true},
                        {GWLP_WNDPROC, true, false},
                        {GWLP_HINSTANCE, true, false}};
  for (const Case &c : cases) {
    SetLastError(0);
    SetWindowLongPtrW(window, c.index, 0x1234);
    EXPECT_EQ(GetLastError() == 0, c.pointerOk) << "index " << c.index;
    if (c.index == GWLP_WNDPROC)
      SetWindowLongPtrW(window, c.index, reinterpret_cast<LONG_PTR>(RecordingProc));
    SetLastError(0);
    GetWindowLongW(window, c.index);
    EXPECT_EQ(GetLastError() == 0, c.longOk) << "index " << c.index;
  }
  SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP | WS_BORDER);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
            static_cast<DWORD>(WS_POPUP | WS_BORDER));
}

TEST_F(UserWindows, TextIsConvertedBetweenAnsiAndWideWindows) {
  WNDCLASSA ansiClass{};
  ansiClass.lpfnWndProc = AnsiProc;
  ansiClass.lpszClassName = "UserTestAnsi";
  RegisterClassA(&ansiClass);
  const HWND ansi = CreateWindowExA(0, "UserTestAnsi", "start", 0, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  const HWND wide = Make(u"wide", 0, nullptr);
  ASSERT_NE(ansi, nullptr);

  EXPECT_TRUE(SetWindowTextW(ansi, u"from wide"));
  EXPECT_EQ(lastAnsiText, "from wide");
  char16_t wideBuffer[32];
  EXPECT_EQ(GetWindowTextW(ansi, wideBuffer, 32), 9);
  EXPECT_EQ(std::u16string(wideBuffer), u"from wide");
  EXPECT_EQ(GetWindowTextW(ansi, wideBuffer, 5), 4);  // cut to the buffer, terminated
  EXPECT_EQ(std::u16string(wideBuffer), u"from");

  EXPECT_TRUE(SetWindowTextA(wide, "from ansi"));
  char ansiBuffer[32];
  EXPECT_EQ(GetWindowTextA(wide, ansiBuffer, 32), 9);
  EXPECT_EQ(std::string(ansiBuffer), "from ansi");
  EXPECT_EQ(GetWindowTextLengthA(wide), 9);
  EXPECT_EQ(GetWindowTextA(wide, ansiBuffer, 1), 0);
  EXPECT_EQ(ansiBuffer[0], '\0');
  DestroyWindow(ansi);
}

TEST_F(UserWindows, RectanglesAndPointMappingFollowTheFrames) {
  const HWND top = Make(u"t", WS_POPUP | WS_CAPTION, nullptr, 0, 100, 50);
  const HWND child = Make(u"c", WS_CHILD | WS_BORDER, top, 1, 10, 20);
  RECT rect;
  GetClientRect(top, &rect);
  EXPECT_EQ(rect.right, 200 - 2 * 3);
  EXPECT_EQ(rect.bottom, 100 - 2 * 3 - 19);
  GetWindowRect(child, &rect);
  EXPECT_EQ(rect.left, 100 + 3 + 10);
  EXPECT_EQ(rect.top, 50 + 3 + 19 + 20);
  POINT point{0, 0};
  ClientToScreen(child, &point);
  EXPECT_EQ(point.x, 100 + 3 + 10 + 1);
  EXPECT_EQ(point.y, 50 + 3 + 19 + 20 + 1);
  POINT points[2] = {{0, 0}, {5, 5}};
  MapWindowPoints(child, top, points, 2);
  EXPECT_EQ(points[1].x, 5 + 10 + 1);
  EXPECT_EQ(points[1].y, 5 + 20 + 1);
  journal.clear();
  MoveWindow(child, 10, 20, 50, 40, TRUE);
  EXPECT_EQ(journal, (std::vector<Record>{{"c", WM_SIZE, 0}}));
}

TEST(UserMulDiv, RoundsHalfAwayFromZeroAndFailsOnOverflow) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {5, 1, 2, 3},  {-5, 1, 2, -3},         {4, 1, 3, 1},    {8, 96, 72, 11},
      {1, 1, 0, -1}, {0x40000000, 4, 1, -1}, {7, -3, 2, -11}, {0x7FFFFFFF, 2, 2, 0x7FFFFFFF}};
  for (const Case &c : cases)
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << "*" << c.numerator << "/" << c.denominator;
}

TEST(UserLogs, WinHelpAndBeepsAreRecorded) {
  winplat::ClearUserLogs();
  EXPECT_TRUE(WinHelpA(nullptr, "PRF.HLP", HELP_CONTEXT, 42));
  EXPECT_TRUE(MessageBeep(MB_ICONHAND));
  ASSERT_EQ(winplat::HelpLog().size(), 1u);
  EXPECT_EQ(winplat::HelpLog()[0].helpFile, "PRF.HLP");
  EXPECT_EQ(winplat::HelpLog()[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(winplat::HelpLog()[0].data, 42u);
  EXPECT_EQ(winplat::BeepLog(), std::vector<UINT>{MB_ICONHAND});
}

// The identifier table of a context-menu help call lives on the caller's stack: the record keeps
// its pairs up to the zero pair.
TEST(UserLogs, ContextHelpKeepsItsIdentifierTable) {
  winplat::ClearUserLogs();
  {
    const DWORD ids[] = {1894, 309, 1, 77, 0, 0, 5, 6};
    EXPECT_TRUE(WinHelpA(nullptr, "X.HLP", HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(ids)));
  }
  ASSERT_EQ(winplat::HelpLog().size(), 1u);
  using Pairs = std::vector<std::pair<DWORD, DWORD>>;
  EXPECT_EQ(winplat::HelpLog()[0].helpIds, (Pairs{{1894, 309}, {1, 77}}));
}

}  // namespace
