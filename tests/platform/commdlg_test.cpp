// Tests of the file and colour choosers answered by the scripted and console operators: the
// default extension, the buffers, refusals that ask again, cancel and unanswered choosers, and
// the custom colours.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "winplat/operator.h"

namespace {

using winplat::ChooserEvent;
using Kind = winplat::ChooserEvent::Kind;

const char kFilter[] = "Profiles (*.jzp)\0*.jzp\0All files (*.*)\0*.*\0";

class Choosers : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("commdlg_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "existing.jzp") << "x";
    winplat::SetOperator(&script_);
    winplat::ClearChooserLog();
    winplat::ClearMessageBoxLog();
  }
  void TearDown() override {
    winplat::SetOperator(nullptr);
    std::filesystem::remove_all(folder_);
  }
  std::string Path(const char *name) const { return (folder_ / name).string(); }
  std::u16string WidePath(const char *name) const { return winplat::Utf16FromUtf8(Path(name)); }

  OPENFILENAMEA Request(DWORD flags) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file_;
    ofn.nMaxFile = sizeof(file_);
    ofn.lpstrFileTitle = title_;
    ofn.nMaxFileTitle = sizeof(title_);
    ofn.lpstrTitle = "Export";
    ofn.lpstrDefExt = "jzp";
    ofn.Flags = flags;
    file_[0] = title_[0] = '\0';
    return ofn;
  }
  std::vector<Kind> Kinds() const {
    std::vector<Kind> kinds;
    for (const ChooserEvent &event : winplat::ChooserLog())
      kinds.push_back(event.kind);
    return kinds;
  }

  std::filesystem::path folder_;
  winplat::ScriptedOperator script_;
  char file_[260] = {};
  char title_[260] = {};
};

TEST_F(Choosers, DefaultExtensionIsAddedToANameWithoutOne) {
  const struct {
    const char *typed;
    const char *expected;
    bool different;
  } cases[] = {
      {"office", "office.jzp", false},
      {"office.JZP", "office.JZP", false},
      {"office.txt", "office.txt", true},
      {"v1.2/office", "v1.2/office.jzp", false},  // a dot in the folder is not an extension
  };
  std::filesystem::create_directories(folder_ / "v1.2");
  for (const auto &c : cases) {
    script_.QueueSaveFile(WidePath(c.typed));
    OPENFILENAMEA ofn = Request(OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN | OFN_LONGNAMES);
    ASSERT_TRUE(GetSaveFileNameA(&ofn)) << c.typed;
    EXPECT_EQ(std::string(file_), Path(c.expected));
    const std::string name = std::filesystem::path(Path(c.expected)).filename().string();
    EXPECT_EQ(std::string(title_), name);
    EXPECT_EQ(std::string(file_ + ofn.nFileOffset), name);
    EXPECT_EQ(std::string(file_ + ofn.nFileExtension), name.substr(name.rfind('.') + 1));
    EXPECT_EQ((ofn.Flags & OFN_EXTENSIONDIFFERENT) != 0, c.different) << c.typed;
  }
  // A relative name is taken in the initial directory.
  script_.QueueOpenFile(u"existing");
  OPENFILENAMEA ofn = Request(OFN_FILEMUSTEXIST);
  const std::string folder = folder_.string();
  ofn.lpstrInitialDir = folder.c_str();
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(std::string(file_), folder + "/existing.jzp");
}

TEST_F(Choosers, TooSmallBufferFailsWithTheSizeNeeded) {
  script_.QueueSaveFile(WidePath("a-rather-long-profile-name"));
  OPENFILENAMEA ofn = Request(0);
  ofn.nMaxFile = 12;
  EXPECT_FALSE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  WORD needed = 0;
  std::memcpy(&needed, file_, sizeof(needed));
  EXPECT_EQ(needed, Path("a-rather-long-profile-name.jzp").size() + 1);
  // Exactly large enough succeeds, and clears the error.
  script_.QueueSaveFile(WidePath("a-rather-long-profile-name"));
  ofn = Request(0);
  ofn.nMaxFile = needed;
  EXPECT_TRUE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(Choosers, CancelAndUnansweredReturnFalseWithoutError) {
  script_.QueueCancel(winplat::Chooser::OpenFile);
  OPENFILENAMEA ofn = Request(OFN_FILEMUSTEXIST);
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_FALSE(GetOpenFileNameA(&ofn));  // nothing queued
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(Kinds(),
            (std::vector<Kind>{Kind::Shown, Kind::Cancelled, Kind::Shown, Kind::Unanswered}));
  EXPECT_EQ(winplat::ChooserLog()[0].title, u"Export");
  // A wrong structure size fails before anything is shown.
  ofn.lStructSize = 12;
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
  EXPECT_EQ(winplat::ChooserLog().size(), 4u);
}

TEST_F(Choosers, RefusedAnswersAskAgain) {
  // Opening: a missing file is refused when it must exist.
  script_.QueueOpenFile(WidePath("missing.jzp"));
  script_.QueueOpenFile(WidePath("existing.jzp"));
  OPENFILENAMEA ofn = Request(OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
  EXPECT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(std::string(file_), Path("existing.jzp"));
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Refused, Kind::Chosen}));
  // Saving over an existing file asks; No asks for another name, Yes takes it.
  winplat::ClearChooserLog();
  script_.QueueSaveFile(WidePath("existing"));
  script_.QueueSaveFile(WidePath("existing"));
  script_.Queue(IDNO);
  script_.Queue(IDYES);
  ofn = Request(OFN_OVERWRITEPROMPT);
  EXPECT_TRUE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Refused, Kind::Chosen}));
  ASSERT_EQ(winplat::MessageBoxLog().size(), 2u);
  EXPECT_EQ(winplat::MessageBoxLog()[0].caption, u"Export");
  EXPECT_EQ(winplat::MessageBoxLog()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
  // A folder that does not exist is refused with OFN_PATHMUSTEXIST.
  winplat::ClearChooserLog();
  script_.QueueSaveFile(WidePath("nowhere/new"));
  ofn = Request(OFN_PATHMUSTEXIST);
  EXPECT_FALSE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Shown, Kind::Refused, Kind::Unanswered}));
  EXPECT_EQ(script_.PendingChoosers(), 0u);
}

TEST_F(Choosers, WideChooserReadsTheFilterAndTakesTheChosenFilter) {
  std::vector<winplat::FileFilter> seen;
  struct Spy : winplat::ScriptedOperator {
    std::vector<winplat::FileFilter> *filters = nullptr;
    std::optional<winplat::FileChoice> AnswerFileChooser(
        const winplat::FileChooserCall &call) override {
      *filters = call.filters;
      return ScriptedOperator::AnswerFileChooser(call);
    }
  } spy;
  spy.filters = &seen;
  spy.QueueOpenFile(WidePath("existing.jzp"), 2);
  winplat::SetOperator(&spy);
  char16_t file[MAX_PATH] = u"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  ofn.lpstrFilter = u"Profiles\0*.jzp\0All\0*.*\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ASSERT_TRUE(GetOpenFileNameW(&ofn));
  EXPECT_EQ(std::u16string(file), WidePath("existing.jzp"));
  EXPECT_EQ(ofn.nFilterIndex, 2u);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].description, u"Profiles");
  EXPECT_EQ(seen[1].pattern, u"*.*");
}

TEST_F(Choosers, ColorChooserUpdatesCustomColoursEvenWhenCancelled) {
  COLORREF custom[16];
  for (int i = 0; i < 16; ++i)
    custom[i] = RGB(i, i, i);
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof(cc);
  cc.rgbResult = RGB(1, 2, 3);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
  struct Spy : winplat::ScriptedOperator {
    COLORREF initial = 0;
    std::optional<winplat::ColorChoice> AnswerColorChooser(
        const winplat::ColorChooserCall &call) override {
      initial = call.initial;
      return ScriptedOperator::AnswerColorChooser(call);
    }
  } spy;
  spy.QueueColor(RGB(200, 100, 50), {{0, RGB(9, 9, 9)}, {15, RGB(7, 7, 7)}, {16, RGB(1, 1, 1)}});
  winplat::SetOperator(&spy);
  EXPECT_TRUE(ChooseColorA(&cc));
  EXPECT_EQ(spy.initial, RGB(1, 2, 3));
  EXPECT_EQ(cc.rgbResult, RGB(200, 100, 50));
  EXPECT_EQ(custom[0], RGB(9, 9, 9));
  EXPECT_EQ(custom[1], RGB(1, 1, 1));
  EXPECT_EQ(custom[15], RGB(7, 7, 7));
  EXPECT_EQ(winplat::ChooserLog().back().detail, u"#C86432");
  // Cancelled: the result stays, the custom colours changed are kept.
  struct Canceller : winplat::Operator {
    winplat::ColorChoice answer;
    int AnswerMessageBox(const winplat::MessageBoxCall &) override { return IDOK; }
    std::optional<winplat::ColorChoice> AnswerColorChooser(
        const winplat::ColorChooserCall &) override {
      return answer;
    }
  } canceller;
  canceller.answer.customChanges = {{3, RGB(33, 33, 33)}};
  winplat::SetOperator(&canceller);
  cc.Flags = 0;  // without CC_RGBINIT the chooser starts on black
  EXPECT_FALSE(ChooseColorA(&cc));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(cc.rgbResult, RGB(200, 100, 50));
  EXPECT_EQ(custom[3], RGB(33, 33, 33));
}

TEST_F(Choosers, ConsoleOperatorAsksForPathsAndColours) {
  std::istringstream in("office\n\nzz\n00ff80\n");
  std::ostringstream out;
  winplat::ConsoleOperator console(in, out);
  winplat::FileChooserCall file;
  file.title = u"Export";
  file.filters = {{u"Profiles (*.jzp)", u"*.jzp"}};
  file.filterIndex = 1;
  const auto chosen = console.AnswerFileChooser(file);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_TRUE(chosen->chosen);
  EXPECT_EQ(chosen->path, u"office");
  const auto cancelled = console.AnswerFileChooser(file);
  ASSERT_TRUE(cancelled.has_value());
  EXPECT_FALSE(cancelled->chosen);
  const auto color = console.AnswerColorChooser(winplat::ColorChooserCall{});
  ASSERT_TRUE(color.has_value());
  EXPECT_EQ(color->color, RGB(0x00, 0xFF, 0x80));
  EXPECT_NE(out.str().find("* Profiles (*.jzp)"), std::string::npos);
  EXPECT_NE(out.str().find("Please answer six hexadecimal digits"), std::string::npos);
}

}  // namespace
