// The dialog templates of the host's resource module: each creates with the controls the module
// relies on, inside the dialog, without overlaps and with room for the host's captions; the
// right-to-left templates reflect the left-to-right ones.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "abi/wide.h"
#include "host/resource_module.h"
#include "host/string_table.h"

namespace host::testing {
namespace {

struct Control {
  int id;
  const WCHAR *windowClass;
  DWORD styleMask, styleValue;  // style bits checked, and their values
  UINT caption;                 // the host string the module sets, or 0
  bool visible = true;
  bool aligned = false;  // text or rows that follow the reading direction
};

constexpr DWORD kType = BS_TYPEMASK, kPush = BS_PUSHBUTTON, kGroup = BS_GROUPBOX,
                kList = LVS_TYPEMASK | LVS_OWNERDRAWFIXED | LVS_SINGLESEL,
                kTree = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                kIcons = LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN,
                kColors = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
// clang-format off
const std::vector<Control> kPage = {
    {1010, WSTR("Static"), 0, 0, 1921, true, true},
    {1149, WSTR("SysListView32"), kList, LVS_REPORT | LVS_OWNERDRAWFIXED, 0, true, true},
    {106, WSTR("Button"), kType, kPush, 1922}, {107, WSTR("Button"), kType, kPush, 1925},
    {108, WSTR("Button"), kType, kPush, 1923}, {109, WSTR("Button"), kType, kPush, 1926},
    {110, WSTR("Button"), kType, kPush, 919},  {111, WSTR("Button"), kType, kPush, 1927},
    {1022, WSTR("Static"), 0, 0, 0}, {1025, WSTR("Static"), 0, 0, 0},
    {1057, WSTR("Static"), 0, 0, 1949, true, true}, {1037, WSTR("Static"), 0, 0, 0, true, true},
    {1074, WSTR("SysListView32"), kList, LVS_REPORT | LVS_SINGLESEL, 0, true, true},
    {1066, WSTR("Static"), 0, 0, 0, false}, {1895, WSTR("Button"), kType, BS_DEFPUSHBUTTON, 2708},
    {IDOK, WSTR("Button"), kType, kPush, 915, false}, {IDCANCEL, WSTR("Button"), kType, kPush, 916, false}};
const std::vector<Control> kProperties = {
    {1041, WSTR("Button"), kType, kGroup, 1933}, {1058, WSTR("Button"), kType, kGroup, 1939},
    {1039, WSTR("Static"), 0, 0, 1931}, {1040, WSTR("Static"), 0, 0, 1932},
    {1043, WSTR("Static"), 0, 0, 1939}, {1059, WSTR("Static"), 0, 0, 1928},
    {1038, WSTR("Edit"), ES_MULTILINE, 0, 0}, {1037, WSTR("Edit"), ES_MULTILINE, ES_MULTILINE, 0},
    {1042, WSTR("ListBox"), kIcons, kIcons, 0}, {181, WSTR("ComboBox"), kColors, kColors, 0},
    {IDOK, WSTR("Button"), kType, BS_DEFPUSHBUTTON, 915}, {IDCANCEL, WSTR("Button"), kType, kPush, 916}};
const std::vector<Control> kInfo = {
    {1894, WSTR("SysTreeView32"), kTree, kTree, 0}, {IDOK, WSTR("Button"), kType, BS_DEFPUSHBUTTON, 915}};
// clang-format on

struct Template {
  int id;
  const std::vector<Control> *controls;
  SIZE size;  // dialog units
  UiLanguage captions = UiLanguage::English;
};

constexpr SIZE kPageSize{155, 150}, kInfoSize{240, 210};
// clang-format off
const Template kTemplates[] = {
    {4287, &kPage, kPageSize}, {507, &kPage, kPageSize}, {106, &kPage, kPageSize},
    {502, &kPage, kPageSize, UiLanguage::Japanese}, {503, &kPage, kPageSize},
    {504, &kPage, kPageSize}, {505, &kPage, kPageSize}, {108, &kProperties, {220, 182}},
    {1026, &kInfo, kInfoSize}, {1028, &kInfo, kInfoSize},
    {1029, &kInfo, kInfoSize, UiLanguage::Japanese}, {1030, &kInfo, kInfoSize},
    {1031, &kInfo, kInfoSize}, {1032, &kInfo, kInfoSize}, {1033, &kInfo, kInfoSize}};
// clang-format on

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// A dialog created modeless from the resource module; rectangles in its client coordinates.
class Dialog {
 public:
  Dialog(HINSTANCE instance, int id)
      : hwnd_(CreateDialogParamW(instance, MAKEINTRESOURCEW(id), nullptr, QuietProc, 0)) {}
  ~Dialog() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  DWORD Style(int id, int which = GWL_STYLE) const {
    return static_cast<DWORD>(GetWindowLongPtrW(Item(id), which));
  }
  RECT RectOf(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
  }

 private:
  HWND hwnd_;
};

bool Intersect(const RECT &a, const RECT &b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const RECT &outer, const RECT &inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

// The width a control draws its caption in: '&' marks the next character and is not drawn.
LONG CaptionWidth(HWND control, const WideString &caption) {
  WideString shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size())
      ++i;  // the marked character, or the '&' of "&&"
    shown.push_back(caption[i]);
  }
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, shown.c_str(), int(shown.size()), &extent);
  DeleteDC(dc);
  return extent.cx;
}

class ResourceModuleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    module_ = new ResourceModule();
  }
  static void TearDownTestSuite() { delete module_; }
  void SetUp() override { ASSERT_NE(module_->instance(), nullptr); }
  // A control is of the class whose window procedure it runs.
  static WNDPROC ProcOf(const WCHAR *windowClass) {
    HWND probe = CreateWindowExW(0, windowClass, WSTR(""), WS_POPUP, 0, 0, 9, 9, nullptr, nullptr,
                                 nullptr, nullptr);
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(probe, GWLP_WNDPROC));
    DestroyWindow(probe);
    return proc;
  }
  static inline ResourceModule *module_ = nullptr;
};

class DialogTemplates : public ResourceModuleTest,
                        public ::testing::WithParamInterface<Template> {};

TEST_P(DialogTemplates, CreateWithTheirControlsInPlace) {
  const Template &wanted = GetParam();
  const Dialog dialog(module_->instance(), wanted.id);
  ASSERT_NE(dialog.hwnd(), nullptr) << "error " << GetLastError();
  RECT design{0, 0, wanted.size.cx, wanted.size.cy}, client{};
  MapDialogRect(dialog.hwnd(), &design);
  GetClientRect(dialog.hwnd(), &client);
  EXPECT_TRUE(Contains(design, client) && Contains(client, design));

  const std::vector<Control> &controls = *wanted.controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control &control = controls[i];
    SCOPED_TRACE(control.id);
    const HWND item = dialog.Item(control.id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(item, GWLP_WNDPROC)),
              ProcOf(control.windowClass));
    EXPECT_EQ(dialog.Style(control.id) & control.styleMask, control.styleValue);
    EXPECT_EQ((dialog.Style(control.id) & WS_VISIBLE) != 0, control.visible);
    const RECT a = dialog.RectOf(control.id);
    EXPECT_TRUE(Contains(client, a));
    if (control.caption != 0) {  // buttons keep 3 pixels a side, group boxes 8
      const WideString *text = StringTable::ForLanguage(wanted.captions).Find(control.caption);
      ASSERT_NE(text, nullptr);
      const LONG margin = control.styleValue == kGroup ? 16 : control.styleMask == kType ? 6 : 0;
      EXPECT_LE(CaptionWidth(item, *text), a.right - a.left - margin);
    }
    // Visible controls overlap only where a group box frames another control.
    for (size_t j = i + 1; j < controls.size() && control.visible; ++j) {
      const RECT b = dialog.RectOf(controls[j].id);
      const bool framed = (control.styleValue == kGroup && Contains(a, b)) ||
                          (controls[j].styleValue == kGroup && Contains(b, a));
      EXPECT_TRUE(!controls[j].visible || framed || !Intersect(a, b))
          << "overlaps " << controls[j].id;
    }
  }
}

// Positions are reflected within the dialog and sizes kept; every control reads right to left,
// texts and lists align right, and only the tree view mirrors its own drawing.
using RightToLeftTemplates = ResourceModuleTest;

TEST_F(RightToLeftTemplates, ReflectTheirLeftToRightPartners) {
  const struct {
    int rtl, ltr;
    const std::vector<Control> &controls;
  } pairs[] = {{106, 4287, kPage}, {1030, 1033, kInfo}};
  for (const auto &pair : pairs) {
    const Dialog rtl(module_->instance(), pair.rtl), ltr(module_->instance(), pair.ltr);
    ASSERT_TRUE(rtl.hwnd() && ltr.hwnd());
    EXPECT_NE(GetWindowLongPtrW(rtl.hwnd(), GWL_EXSTYLE) & WS_EX_RTLREADING, 0);
    RECT client{};
    GetClientRect(rtl.hwnd(), &client);
    for (const Control &control : pair.controls) {
      SCOPED_TRACE(::testing::Message() << pair.rtl << " control " << control.id);
      const RECT mirrored = rtl.RectOf(control.id), original = ltr.RectOf(control.id);
      EXPECT_NEAR(mirrored.left, client.right - original.right, 1);
      EXPECT_NEAR(mirrored.right, client.right - original.left, 1);
      EXPECT_EQ(mirrored.top, original.top);
      EXPECT_EQ(mirrored.bottom, original.bottom);
      const DWORD exStyle = rtl.Style(control.id, GWL_EXSTYLE);
      EXPECT_NE(exStyle & WS_EX_RTLREADING, 0u);
      EXPECT_EQ((exStyle & WS_EX_RIGHT) != 0, control.aligned);
      EXPECT_EQ((exStyle & WS_EX_LAYOUTRTL) != 0, control.id == 1894);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(JZRES32, DialogTemplates, ::testing::ValuesIn(kTemplates),
                         [](const auto &info) { return std::to_string(info.param.id); });

}  // namespace
}  // namespace host::testing
