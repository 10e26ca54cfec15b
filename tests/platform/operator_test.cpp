// Tests of message boxes, the scripted and console operators, and the UTF-8/UTF-16 helpers.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>

#include "winplat/config.h"
#include "winplat/operator.h"

namespace {

class OperatorMessageBox : public ::testing::Test {
 protected:
  void SetUp() override { winplat::ClearMessageBoxLog(); }
  void TearDown() override { winplat::SetOperator(nullptr); }
};

HWND FakeOwner() {
  return reinterpret_cast<HWND>(0x1234);
}

TEST_F(OperatorMessageBox, ScriptedAnswersAreReturnedAndLogged) {
  winplat::ScriptedOperator script{IDNO, IDRETRY};
  winplat::SetOperator(&script);
  const UINT question = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL;
  EXPECT_EQ(MessageBoxW(FakeOwner(), u"Overwrite the profile?", u"Profiles", question), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, "Printer offline", "Print", MB_RETRYCANCEL | MB_ICONWARNING),
            IDRETRY);
  EXPECT_EQ(script.Pending(), 0u);
  EXPECT_FALSE(script.RanOut());

  const auto &log = winplat::MessageBoxLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].owner, FakeOwner());
  EXPECT_EQ(log[0].text, u"Overwrite the profile?");
  EXPECT_EQ(log[0].caption, u"Profiles");
  EXPECT_EQ(log[0].style, question);
  EXPECT_EQ(log[0].answer, IDNO);
  EXPECT_EQ(log[1].text, u"Printer offline");
  EXPECT_EQ(log[1].answer, IDRETRY);
  winplat::ClearMessageBoxLog();
  EXPECT_TRUE(winplat::MessageBoxLog().empty());
}

// With nothing scripted the box's default button is pressed: the one MB_DEFBUTTONn names, or
// the first when the box has no such button.
TEST_F(OperatorMessageBox, EmptyScriptPressesTheDefaultButton) {
  struct Case {
    UINT style;
    int expected;
  };
  const Case cases[] = {
      {MB_OK, IDOK},
      {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON4, IDABORT},
      {MB_YESNOCANCEL, IDYES},
      {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
      {MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONHAND, IDCANCEL},
      {MB_YESNO | MB_DEFBUTTON3, IDYES},
      {MB_RETRYCANCEL | MB_DEFBUTTON2 | MB_SYSTEMMODAL, IDCANCEL},
      {MB_CANCELTRYCONTINUE | MB_DEFBUTTON2, IDTRYAGAIN},
  };
  winplat::ScriptedOperator script;
  winplat::SetOperator(&script);
  for (const Case &c : cases) {
    EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", c.style), c.expected) << c.style;
  }
  EXPECT_TRUE(script.RanOut());
  EXPECT_EQ(winplat::MessageBoxLog().size(), std::size(cases));

  winplat::SetOperator(nullptr);  // the default operator is an empty script too
  EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST_F(OperatorMessageBox, AnswerThatIsNotAButtonFailsTheBox) {
  winplat::ScriptedOperator script{IDYES, IDCLOSE, 0};
  winplat::SetOperator(&script);
  for (const UINT style : {UINT{MB_OKCANCEL}, UINT{MB_YESNO}, UINT{MB_OK}}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", style), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  ASSERT_EQ(winplat::MessageBoxLog().size(), 3u);
  EXPECT_EQ(winplat::MessageBoxLog()[0].answer, 0);
}

TEST_F(OperatorMessageBox, UnknownButtonTypeFailsWithoutAskingTheOperator) {
  winplat::ScriptedOperator script{IDOK};
  winplat::SetOperator(&script);
  for (const UINT type : {7u, 15u}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", type), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MSGBOX_STYLE));
  }
  EXPECT_EQ(script.Pending(), 1u);
  EXPECT_TRUE(winplat::MessageBoxLog().empty());
}

TEST_F(OperatorMessageBox, MissingTextsAndAnsiTextAreConverted) {
  const UINT previousCodePage = GetACP();
  winplat::SetAnsiCodePage(1252);
  EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
  EXPECT_EQ(MessageBoxA(nullptr, "Caf\xE9 \x80", "R\xE9glages", MB_OK), IDOK);
  EXPECT_EQ(MessageBoxW(nullptr, nullptr, nullptr, MB_OK), IDOK);
  winplat::SetAnsiCodePage(previousCodePage);

  const auto &log = winplat::MessageBoxLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].text, u"");
  EXPECT_EQ(log[0].caption, u"Error");
  EXPECT_EQ(log[1].text, u"Caf\u00E9 \u20AC");
  EXPECT_EQ(log[1].caption, u"R\u00E9glages");
  EXPECT_EQ(log[2].caption, u"Error");
}

struct ConsoleCase {
  const char *input;
  UINT style;
  int expected;
};

TEST(OperatorConsole, RepliesChooseByLetterOrWordInAnyCase) {
  const ConsoleCase cases[] = {
      {"y\n", MB_YESNOCANCEL, IDYES},
      {"NO\n", MB_YESNOCANCEL, IDNO},
      {"  Cancel \r\n", MB_YESNOCANCEL, IDCANCEL},
      {"\n", MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},    // Enter presses the default button
      {"", MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},  // so does the end of the input
      {"maybe\nn\n", MB_YESNO, IDNO},                  // asks again
      {"perhaps\n", MB_YESNO | MB_DEFBUTTON2, IDNO},   // asks again, then the input ends
      {"o\n", MB_CANCELTRYCONTINUE, IDCONTINUE},
      {"c\n", MB_CANCELTRYCONTINUE, IDCANCEL},
      {"Try again\n", MB_CANCELTRYCONTINUE, IDTRYAGAIN},
      {"i\n", MB_ABORTRETRYIGNORE, IDIGNORE},
      {"ok\n", MB_OKCANCEL | MB_DEFBUTTON2, IDOK},
      {"yes\n", MB_OKCANCEL, IDOK},  // not a button here; then the input ends
  };
  for (const ConsoleCase &c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    winplat::ConsoleOperator console(in, out);
    winplat::MessageBoxCall call;
    call.style = c.style;
    EXPECT_EQ(console.AnswerMessageBox(call), c.expected) << '"' << c.input << '"';
  }
}

TEST(OperatorConsole, PrintsCaptionTextIconAndButtons) {
  std::istringstream in("what\ny\n");
  std::ostringstream out;
  winplat::ConsoleOperator console(in, out);
  winplat::SetOperator(&console);
  EXPECT_EQ(MessageBoxW(nullptr, u"Delete \u201CDraft\u201D?\r\nThis cannot be undone.",
                        u"Profiles", MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3),
            IDYES);
  winplat::SetOperator(nullptr);
  const std::string prompt = "[Y]es [N]o [C]ancel (Enter: Cancel)? ";
  EXPECT_EQ(out.str(),
            "\n=== Profiles ===\n"
            "[Warning] Delete \u201CDraft\u201D?\nThis cannot be undone.\n" +
                prompt + "Please answer [Y]es [N]o [C]ancel.\n" + prompt);
}

TEST(OperatorConsole, EachIconKindIsNamed) {
  struct Case {
    UINT icon;
    const char *shown;
  };
  const Case cases[] = {{MB_ICONERROR, "[Error] "},
                        {MB_ICONQUESTION, "[Question] "},
                        {MB_ICONEXCLAMATION, "[Warning] "},
                        {MB_ICONINFORMATION, "[Information] "},
                        {0, "\n=== c ===\nt\n"}};
  for (const Case &c : cases) {
    std::istringstream in;
    std::ostringstream out;
    winplat::ConsoleOperator console(in, out);
    winplat::MessageBoxCall call;
    call.text = u"t";
    call.caption = u"c";
    call.style = MB_OK | c.icon;
    EXPECT_EQ(console.AnswerMessageBox(call), IDOK);
    EXPECT_NE(out.str().find(c.shown), std::string::npos) << out.str();
  }
}

TEST(OperatorText, Utf8AndUtf16RoundTrip) {
  const std::u16string samples[] = {u"",
                                    u"ASCII",
                                    u"Gr\u00FC\u00DFe",
                                    u"\u65E5\u672C\u8A9E",
                                    u"\U0001F5A8 printer",
                                    u"\uFFFD\uFFFF"};
  for (const std::u16string &sample : samples) {
    EXPECT_EQ(winplat::Utf16FromUtf8(winplat::Utf8FromUtf16(sample)), sample);
  }
  EXPECT_EQ(winplat::Utf8FromUtf16(u"\U0001F5A8"), "\xF0\x9F\x96\xA8");
}

TEST(OperatorText, InvalidSequencesBecomeReplacementCharacters) {
  struct Utf8Case {
    const char *bytes;
    std::u16string expected;
  };
  const Utf8Case utf8Cases[] = {
      {"a\x80z", u"a\uFFFDz"},          // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},    // overlong lead byte
      {"\xE0\x80\xAF", u"\uFFFD"},      // overlong three-byte form
      {"\xE2\x82", u"\uFFFD"},          // truncated at the end
      {"\xE2\x82z", u"\uFFFDz"},        // truncated before a new character
      {"\xED\xA0\x80", u"\uFFFD"},      // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},  // beyond U+10FFFF
      {"\xF5", u"\uFFFD"},              // never a lead byte
  };
  for (const Utf8Case &c : utf8Cases) {
    EXPECT_EQ(winplat::Utf16FromUtf8(c.bytes), c.expected) << c.bytes;
  }
  const std::u16string loneHigh{u'a', char16_t(0xD83D), u'b'};
  const std::u16string loneLow{char16_t(0xDE00)};
  EXPECT_EQ(winplat::Utf8FromUtf16(loneHigh),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(winplat::Utf8FromUtf16(loneLow), "\xEF\xBF\xBD");
}

}  // namespace
