// Tests of dialogs: DLGTEMPLATE and DLGTEMPLATEEX read alike, damaged templates refused,
// controls placed in dialog units of the dialog font, the keyboard interface, dialog procedure
// results, item functions, and modal dialogs run by a scripted operator.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "../../platform/src/user32/dialog_template.h"
#include "winplat/operator.h"

namespace {

constexpr int kEditId = 1001;
constexpr int kLabelId = 100;

struct ItemSpec {
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  WORD classOrdinal;
  std::u16string title;
};

const ItemSpec kItems[] = {
    {WS_VISIBLE | SS_LEFT, 7, 7, 60, 8, kLabelId, 0x0082, u"Name:"},
    {WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 20, 146, 14, kEditId, 0x0081, u""},
    {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 46, 60, 50, 14, IDOK, 0x0080, u"OK"},
    {WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 103, 60, 50, 14, IDCANCEL, 0x0080, u"Cancel"},
};
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

// Writes a template in either format from the same description.
class TemplateWriter {
 public:
  void Word(WORD value) { Append(&value, sizeof(value)); }
  void Dword(DWORD value) { Append(&value, sizeof(value)); }
  void Text(std::u16string_view text) {
    for (char16_t c : text)
      Word(c);
    Word(0);
  }
  void Align() {
    while (bytes_.size() % 4 != 0)
      bytes_.push_back(0);
  }
  const std::vector<BYTE> &bytes() const { return bytes_; }

 private:
  void Append(const void *data, size_t size) {
    const auto *first = static_cast<const BYTE *>(data);
    bytes_.insert(bytes_.end(), first, first + size);
  }
  std::vector<BYTE> bytes_;
};

std::vector<BYTE> BuildTemplate(bool extended) {
  TemplateWriter writer;
  if (extended) {
    writer.Word(1);
    writer.Word(0xFFFF);
    writer.Dword(0);  // help ID
    writer.Dword(0);  // extended style
    writer.Dword(kDialogStyle);
  } else {
    writer.Dword(kDialogStyle);
    writer.Dword(0);
  }
  writer.Word(static_cast<WORD>(std::size(kItems)));
  for (short value : {short{10}, short{10}, short{160}, short{80}})
    writer.Word(static_cast<WORD>(value));
  writer.Word(0);  // no menu
  writer.Word(0);  // the dialog class
  writer.Text(u"Settings");
  writer.Word(8);
  if (extended) {
    writer.Word(FW_NORMAL);
    writer.Word(0);  // italic, charset
  }
  writer.Text(u"MS Shell Dlg");
  for (const ItemSpec &item : kItems) {
    writer.Align();
    if (extended) {
      writer.Dword(0);
      writer.Dword(0);
      writer.Dword(item.style);
    } else {
      writer.Dword(item.style);
      writer.Dword(0);
    }
    for (short value : {item.x, item.y, item.cx, item.cy})
      writer.Word(static_cast<WORD>(value));
    if (extended)
      writer.Dword(item.id);
    else
      writer.Word(item.id);
    writer.Word(0xFFFF);
    writer.Word(item.classOrdinal);
    writer.Text(item.title);
    writer.Word(0);
  }
  return writer.bytes();
}

struct Spy {
  LPARAM initParam = 0;
  std::u16string textAtOk;
  int okCount = 0;
};
Spy spy;

INT_PTR CALLBACK SpyProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      spy.initParam = lParam;
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char16_t text[64];
        GetDlgItemTextW(dialog, kEditId, text, 64);
        spy.textAtOk = text;
        ++spy.okCount;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_NOTIFY:
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 42);
      return TRUE;
    default:
      return FALSE;
  }
}

const DLGTEMPLATE *AsTemplate(const std::vector<BYTE> &bytes) {
  return reinterpret_cast<const DLGTEMPLATE *>(bytes.data());
}

class Dialogs : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    spy = Spy();
    bytes_ = BuildTemplate(GetParam());
    winplat::ClearModalDialogLog();
    winplat::SetOperator(&operator_);
  }
  void TearDown() override { winplat::SetOperator(nullptr); }

  INT_PTR RunModal(std::vector<winplat::DialogStep> steps) {
    operator_.QueueDialog(0, std::move(steps));
    return DialogBoxIndirectParamW(nullptr, AsTemplate(bytes_), nullptr, SpyProc, 5);
  }
  static std::vector<winplat::ModalEvent::Kind> Kinds() {
    std::vector<winplat::ModalEvent::Kind> kinds;
    for (const winplat::ModalEvent &event : winplat::ModalDialogLog())
      kinds.push_back(event.kind);
    return kinds;
  }

  std::vector<BYTE> bytes_;
  winplat::ScriptedOperator operator_;
};

TEST_P(Dialogs, TemplateIsReadWithEveryItem) {
  const auto parsed = winplat::dialog::ParseTemplate(bytes_.data(), bytes_.size());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->extended, GetParam());
  EXPECT_EQ(parsed->style, kDialogStyle);
  EXPECT_EQ(parsed->title, u"Settings");
  EXPECT_EQ(parsed->pointSize, 8);
  EXPECT_EQ(parsed->face, u"MS Shell Dlg");
  ASSERT_EQ(parsed->items.size(), std::size(kItems));
  for (size_t i = 0; i < std::size(kItems); ++i) {
    const auto &item = parsed->items[i];
    EXPECT_EQ(item.style, kItems[i].style);
    EXPECT_EQ(item.id, kItems[i].id);
    EXPECT_EQ(item.cx, kItems[i].cx);
    EXPECT_EQ(item.windowClass.ordinal, kItems[i].classOrdinal);
    EXPECT_EQ(item.title.name, kItems[i].title);
  }
}

TEST_P(Dialogs, EveryTruncatedTemplateFails) {
  for (size_t size = 0; size < bytes_.size(); ++size) {
    // The last item's title ends the template; only the padding of aligned items is optional.
    EXPECT_FALSE(winplat::dialog::ParseTemplate(bytes_.data(), size).has_value())
        << "size " << size << " of " << bytes_.size();
  }
}

TEST_P(Dialogs, ControlsArePlacedInDialogUnitsOfTheDialogFont) {
  const HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(bytes_), nullptr, SpyProc, 9);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(spy.initParam, 9);

  // The documented rule, measured here directly through GDI.
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font =
      CreateFontW(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"MS Shell Dlg");
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  SIZE extent{};
  GetTextMetricsW(dc, &metrics);
  GetTextExtentPoint32W(dc, u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &extent);
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  const int baseX = static_cast<int>((extent.cx / 26 + 1) / 2);
  const int baseY = static_cast<int>(metrics.tmHeight);
  ASSERT_GT(baseX, 0);

  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, MulDiv(160, baseX, 4));
  EXPECT_EQ(client.bottom, MulDiv(80, baseY, 8));
  for (const ItemSpec &item : kItems) {
    const HWND control = GetDlgItem(dialog, item.id);
    ASSERT_NE(control, nullptr);
    RECT expected{item.x, item.y, item.x + item.cx, item.y + item.cy};
    ASSERT_TRUE(MapDialogRect(dialog, &expected));
    EXPECT_EQ(expected.left, MulDiv(item.x, baseX, 4));
    RECT actual;
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right - actual.left, MulDiv(item.cx, baseX, 4));
    EXPECT_EQ(actual.bottom - actual.top, MulDiv(item.cy, baseY, 8));
    EXPECT_NE(SendMessageW(control, WM_GETFONT, 0, 0), 0);
  }
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kEditId));  // WM_INITDIALOG returned TRUE
  DestroyWindow(dialog);
}

TEST_P(Dialogs, DialogProcedureResultsAndDefaultProcessing) {
  const HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(bytes_), nullptr, SpyProc, 0);
  ASSERT_NE(dialog, nullptr);
  NMHDR header{GetDlgItem(dialog, kEditId), kEditId, 0xFFFFFFF0u};
  EXPECT_EQ(SendMessageW(dialog, WM_NOTIFY, kEditId, reinterpret_cast<LPARAM>(&header)), 42);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDCANCEL, WM_GETDLGCODE, 0, 0),
            DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDOK, WM_GETDLGCODE, 0, 0),
            DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(GetDlgItem(dialog, 4242), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND));
  DestroyWindow(dialog);
}

// A dialog given the focus hands it on to the control focused after WM_INITDIALOG (the edit,
// the first tab stop), whatever had it since; while that control cannot take it, to the first
// tab stop that can.
TEST_P(Dialogs, FocusGivenToTheDialogGoesOnToItsSavedControl) {
  const HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(bytes_), nullptr, SpyProc, 0);
  ASSERT_NE(dialog, nullptr);
  const HWND edit = GetDlgItem(dialog, kEditId);
  ASSERT_EQ(GetFocus(), edit);
  SetFocus(GetDlgItem(dialog, IDCANCEL));
  SetFocus(dialog);
  EXPECT_EQ(GetFocus(), edit);
  EnableWindow(edit, FALSE);
  SetFocus(dialog);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
  DestroyWindow(dialog);
}

TEST_P(Dialogs, ScriptSetsTextAndClicksOk) {
  const INT_PTR result =
      RunModal({winplat::DialogStep::SetText(kEditId, u"Draft"), winplat::DialogStep::Click(IDOK)});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(spy.initParam, 5);
  EXPECT_EQ(spy.textAtOk, u"Draft");
  using Kind = winplat::ModalEvent::Kind;
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Step, Kind::Step, Kind::Ended}));
  EXPECT_EQ(winplat::ModalDialogLog().front().caption, u"Settings");
  EXPECT_EQ(winplat::ModalDialogLog()[1].detail, u"SetText 1001 \"Draft\"");
  EXPECT_EQ(winplat::ModalDialogLog().back().result, IDOK);
  EXPECT_EQ(operator_.PendingDialogs(), 0u);
}

TEST_P(Dialogs, KeysTypeIntoTheFocusAndEnterPressesTheDefaultButton) {
  using winplat::DialogStep;
  EXPECT_EQ(RunModal({DialogStep::Key('H'), DialogStep::Key('I'), DialogStep::Key(VK_RETURN)}),
            IDOK);
  EXPECT_EQ(spy.textAtOk, u"hi");
}

TEST_P(Dialogs, TabMovesTheFocusAndEnterPressesTheFocusedButton) {
  using winplat::DialogStep;
  const INT_PTR result =
      RunModal({DialogStep::Key(VK_TAB), DialogStep::Key(VK_TAB), DialogStep::Key(VK_RETURN)});
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(spy.okCount, 0);
}

TEST_P(Dialogs, EscapeCancels) {
  EXPECT_EQ(RunModal({winplat::DialogStep::Key(VK_ESCAPE)}), IDCANCEL);
}

TEST_P(Dialogs, UnansweredDialogIsCancelledAndLogged) {
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, AsTemplate(bytes_), nullptr, SpyProc, 0), IDCANCEL);
  using Kind = winplat::ModalEvent::Kind;
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Unanswered, Kind::Ended}));
}

TEST_P(Dialogs, DialogLeftOpenByItsScriptEndsWithMinusOne) {
  EXPECT_EQ(RunModal({winplat::DialogStep::SetText(kEditId, u"x")}), -1);
  using Kind = winplat::ModalEvent::Kind;
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Step, Kind::RanDry, Kind::Ended}));
  EXPECT_EQ(winplat::ModalDialogLog().back().result, -1);
}

TEST_P(Dialogs, ModalDialogDisablesItsOwnerWhileItRuns) {
  const HWND owner = CreateWindowExW(0, u"Static", u"owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                     nullptr, nullptr, nullptr, nullptr);
  operator_.QueueDialog(
      0, {winplat::DialogStep::Send(kEditId, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"x")),
          winplat::DialogStep::End(7)});
  struct OwnerWatch : winplat::Operator {
    winplat::Operator *inner;
    HWND owner;
    bool enabledDuring = true;
    int AnswerMessageBox(const winplat::MessageBoxCall &call) override {
      return inner->AnswerMessageBox(call);
    }
    bool OperateDialog(const winplat::ModalDialogCall &call) override {
      enabledDuring = IsWindowEnabled(owner);
      return inner->OperateDialog(call);
    }
  } watch;
  watch.inner = &operator_;
  watch.owner = owner;
  winplat::SetOperator(&watch);
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, AsTemplate(bytes_), owner, SpyProc, 0), 7);
  EXPECT_FALSE(watch.enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, Dialogs, ::testing::Values(false, true),
                         [](const auto &info) {
                           return info.param ? "DLGTEMPLATEEX" : "DLGTEMPLATE";
                         });

TEST(DialogItems, GetDlgItemIntReadsNumbersAsWindowsDoes) {
  const HWND parent = CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
  CreateWindowExW(0, u"Edit", u"", WS_CHILD, 0, 0, 10, 10, parent, reinterpret_cast<HMENU>(3),
                  nullptr, nullptr);
  struct Case {
    const char *text;
    BOOL isSigned;
    BOOL translated;
    UINT value;
  };
  const Case cases[] = {
      {" 42 ", FALSE, TRUE, 42},       {"-5", TRUE, TRUE, static_cast<UINT>(-5)},
      {"-5", FALSE, FALSE, 0},         {"4294967295", FALSE, TRUE, 4294967295u},
      {"4294967296", FALSE, FALSE, 0}, {"2147483647", TRUE, TRUE, 2147483647u},
      {"2147483648", TRUE, FALSE, 0},  {"-2147483648", TRUE, TRUE, 0x80000000u},
      {"", FALSE, FALSE, 0},           {"12a", FALSE, FALSE, 0},
  };
  for (const Case &c : cases) {
    SetDlgItemTextA(parent, 3, c.text);
    BOOL translated = -1;
    EXPECT_EQ(GetDlgItemInt(parent, 3, &translated, c.isSigned), c.value) << c.text;
    EXPECT_EQ(translated, c.translated) << c.text;
  }
  SetDlgItemInt(parent, 3, static_cast<UINT>(-12), TRUE);
  char text[16];
  GetDlgItemTextA(parent, 3, text, 16);
  EXPECT_STREQ(text, "-12");
  CheckDlgButton(parent, 3, BST_CHECKED);  // not a button: nothing to check
  EXPECT_EQ(IsDlgButtonChecked(parent, 3), 0u);
  DestroyWindow(parent);
}

}  // namespace
