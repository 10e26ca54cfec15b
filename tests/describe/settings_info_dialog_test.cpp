// The settings-information dialog as the Profile page's information button opens it on the demo
// printers: its pages and their order, the groups told in full (paper, image shift, virtual
// mailboxes, watermark font names), its language, help, hot keys and how it ends.
#include <cstring>
#include <fstream>

#include <winplat/user_logs.h>

#include "abi/wide.h"
#include "abi/driver_data.h"
#include "abi/private_blocks.h"
#include "abi/registration_records.h"
#include "describe/settings_info_test_support.h"
#include "host/registration_store.h"

namespace info_testing {
namespace {

using Strings = std::vector<std::string>;

constexpr char kHelpDirectory[] = "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\HELP\\";

const InfoNode &Child(const InfoNodes &nodes, const std::string &text) {
  const InfoNode *node = Find(nodes, text);
  if (node == nullptr) {
    ADD_FAILURE() << "no node \"" << text << "\"";
    static const InfoNode kNone;
    return kNone;
  }
  return *node;
}

// Opened from the Profile page (number 11) there is no device-options page and no page node is
// expanded; the pages follow in the order 1, 2, 3, 5, 4, 8, 9, 19.
TEST_F(SettingsInfoTest, EnglishTreeOfTheColourPrinter) {
  Open();
  const InfoRun run = ShowInformation();
  ASSERT_TRUE(run.shown);
  EXPECT_EQ(run.templateId, 1033);
  EXPECT_EQ(run.caption, "Settings Information");
  EXPECT_EQ(run.okText, "OK");
  EXPECT_EQ(Texts(run.tree),
            (Strings{"Paper", "Layout", "Quality", "Output", "Color", "Prologue/Epilogue: No",
                     "Watermark: No", "Driver Build: Release"}));
  for (const InfoNode &page : run.tree)
    EXPECT_FALSE(page.expanded) << page.text;
  const InfoNodes &paper = Child(run.tree, "Paper").children;
  ASSERT_FALSE(paper.empty());
  EXPECT_EQ(paper[0].text, "Paper Size Letter -> Print Size Letter [100%]");
  EXPECT_EQ(run.result, IDOK);
}

TEST_F(SettingsInfoTest, JapaneseTreeOfTheColourPrinter) {
  Open(host::kColorPrinterName, host::UiLanguage::Japanese);
  const InfoRun run = ShowInformation();
  ASSERT_TRUE(run.shown);
  EXPECT_EQ(run.templateId, 1029);
  EXPECT_EQ(run.caption, "設定情報");
  EXPECT_EQ(Texts(run.tree), (Strings{"用紙", "レイアウト", "品質", "出力", "カラー",
                                      "プロローグ/エピローグ： いいえ", "ウォーターマーク： いいえ",
                                      "ドライバーのビルド： 製品版"}));
  EXPECT_EQ(Child(run.tree, "用紙").children.at(0).text,
            "用紙サイズ レター -> 出力サイズ レター [100%]");
}

// The monochrome model has no colour page, no prologue/epilogue block, and its settings are
// locked by the administrator, which hides the watermark page.
TEST_F(SettingsInfoTest, MonochromeLockedModelShowsNeitherColourNorWatermarkPage) {
  Open(host::kMonoPrinterName);
  const InfoRun run = ShowInformation();
  EXPECT_EQ(Texts(run.tree),
            (Strings{"Paper", "Layout", "Quality", "Output", "Driver Build: Release"}));
}

TEST_F(SettingsInfoTest, OpenedFromAnotherPageShowsDeviceOptionsAndExpandsThatPage) {
  Open();
  InfoRun run;
  InfoOperator operate(run, {}, IDOK);
  winplat::SetOperator(&operate);
  page_->ShowSettingsInformation(page_->GetPageWindow(), 5);
  winplat::SetOperator(nullptr);
  ASSERT_TRUE(run.shown);
  EXPECT_EQ(Texts(run.tree),
            (Strings{"Paper", "Layout", "Quality", "Output", "Color", "Prologue/Epilogue: No",
                     "Watermark: No", "Device Options", "Driver Build: Release"}));
  for (const InfoNode &page : run.tree)
    EXPECT_EQ(page.expanded, page.text == "Output") << page.text;
  EXPECT_EQ(
      Texts(Child(run.tree, "Device Options").children),
      (Strings{"Input Options: Envelope Feeder", "Output Options: Finisher", "Printer Memory: 3"}));
}

// Japanese, Korean, Chinese and Hebrew interfaces never take the model's override language: the
// dialog clears the override byte when it chooses its code page, and its texts stay Japanese.
TEST_F(SettingsInfoTest, JapaneseInterfaceClearsTheOverrideByte) {
  Open(host::kColorPrinterName, host::UiLanguage::Japanese);
  ModelInfoRecord &model = session_->model().info;
  model.bLanguageOverride = 1;
  model.wOverrideLanguage = 0x0409;
  const InfoRun run = ShowInformation();
  EXPECT_EQ(model.bLanguageOverride, 0);
  EXPECT_EQ(Texts(run.tree).front(), "用紙");
}

TEST_F(SettingsInfoTest, OverrideLanguageChoosesTheTemplateOfAnEnglishInterface) {
  Open();
  ModelInfoRecord &model = session_->model().info;
  model.bLanguageOverride = 1;
  model.wOverrideLanguage = 0x0411;
  const InfoRun run = ShowInformation();
  EXPECT_EQ(run.templateId, 1029);
  EXPECT_EQ(model.bLanguageOverride, 1);
  EXPECT_EQ(Texts(run.tree).front(), "Paper");
}

TEST_F(SettingsInfoTest, OlderAnsiPlatformTakesItsOwnTemplateAndTheSameTexts) {
  winplat::SetWindowsVersion(winplat::WindowsVersion::Win98);
  Open();
  const InfoRun run = ShowInformation();
  ASSERT_TRUE(run.shown);
  EXPECT_EQ(run.templateId, 1026);
  EXPECT_EQ(Texts(run.tree).back(), "Driver Build: Release");
  EXPECT_EQ(Child(run.tree, "Paper").children.at(0).text,
            "Paper Size Letter -> Print Size Letter [100%]");
}

// The image shift is stored in inches relative to 0.2 inch: a shift of 0 shows 0.20 in inches
// and 5.0 in millimetres.
TEST_F(SettingsInfoTest, ImageShiftInTheModelsUnitAndOrientation) {
  struct Case {
    const WCHAR *printer;
    short orientation;
    double shiftX, shiftY;
    DWORD options;
    Strings expected;
  } cases[] = {
      {host::kColorPrinterName,
       DMORIENT_PORTRAIT,
       0.0,
       0.0,
       0,
       {"Horizontal Shift: 0.20 in", "Vertical Shift: 0.20 in", "Clip to Printable Area: Enabled"}},
      {host::kMonoPrinterName,
       DMORIENT_PORTRAIT,
       0.0,
       0.0,
       0,
       {"Horizontal Shift: 5.0 mm", "Vertical Shift: 5.0 mm", "Clip to Printable Area: Enabled"}},
      {host::kMonoPrinterName,
       DMORIENT_PORTRAIT,
       0.5,
       -0.1,
       PDMAIN_OPT_NO_IMAGE_SHIFT_EDGE,
       {"Horizontal Shift: 17.7 mm", "Vertical Shift: 2.5 mm", "Clip to Printable Area: Disabled"}},
      {host::kColorPrinterName,
       DMORIENT_LANDSCAPE,
       0.25,
       0.0,
       0,
       {"Horizontal Shift (Landscape): 0.45 in", "Vertical Shift (Landscape): 0.20 in",
        "Clip to Printable Area: Enabled"}},
  };
  for (const Case &c : cases) {
    Open(c.printer);
    session_->devMode()->dmOrientation = c.orientation;
    Main().dImageShiftX = c.shiftX;
    Main().dImageShiftY = c.shiftY;
    Main().dwOptions |= c.options;
    const InfoRun run = ShowInformation();
    const InfoNode &shift = Child(Child(run.tree, "Layout").children, "Print Position Adjustment");
    EXPECT_EQ(Texts(shift.children), c.expected);
    EXPECT_TRUE(shift.expanded);
  }
}

TEST_F(SettingsInfoTest, BookletLeavesTheImageShiftOut) {
  Open();
  Main().wBookletOptions = 0x1;
  const InfoRun run = ShowInformation();
  EXPECT_EQ(Find(Child(run.tree, "Layout").children, "Print Position Adjustment"), nullptr);
}

// The print size: "Same as Paper Size" when it was not found; the stored zoom behind a listed
// output size; otherwise the zoom computed from the sizes, a custom size from thousandths of an
// inch (8.5 x 11 in = 2159 x 2794) against A4 (2100 x 2970): 102.8% across, 94.07% down.
TEST_F(SettingsInfoTest, PrintSizeByWhatTheSettingsHold) {
  struct Case {
    const char *name;
    short paper;
    WORD outputIndex;
    WORD zoom;
    DWORD flags;
    std::string expected;
  } cases[] = {
      {"not found", DMPAPER_A4, 6, 100, PDMAIN_SIZE_NOT_FOUND,
       "Paper Size A4 -> Print Size Same as Paper Size"},
      {"listed", DMPAPER_A4, 0, 94, 0, "Paper Size A4 -> Print Size Letter [94%]"},
      {"custom output", DMPAPER_A4, 200, 100, 0, "Paper Size A4 -> Print Size Custom [94%]"},
      {"custom paper", 256, 0, 100, 0, "Paper Size Custom -> Print Size Letter [100%]"},
  };
  for (const Case &c : cases) {
    Open();
    session_->devMode()->dmPaperSize = c.paper;
    Main().wScaleSizeIdx = c.outputIndex;
    Main().wScaleZoom = c.zoom;
    Main().dwScaleFlags = c.flags;
    const InfoRun run = ShowInformation();
    EXPECT_EQ(Child(run.tree, "Paper").children.at(0).text, c.expected) << c.name;
  }
}

// A feature's details are nodes under its own node, shown and expanded only while it is on;
// codes name their list entries (manual feed 4, transparency 2); signed values keep their sign;
// an enumerated value outside its table leaves its node out.
TEST_F(SettingsInfoTest, DetailsFollowTheirFeatureAndValuesTheirForm) {
  Open();
  const InfoRun off = ShowInformation();
  const InfoNode &coverOff = Child(Child(off.tree, "Paper").children, "Front Cover: Off");
  EXPECT_TRUE(coverOff.children.empty());
  EXPECT_FALSE(coverOff.expanded);

  Open();
  Main().dwFrontCover = 0x3;
  const WORD cover[] = {DMBIN_MANUAL, DMMEDIA_TRANSPARENCY};
  std::memcpy(Main().abFrontCover, cover, sizeof cover);
  Main().sBrightness = -10;
  Main().wColorReproduction = 4;
  const InfoRun on = ShowInformation();
  const InfoNode &coverOn = Child(Child(on.tree, "Paper").children, "Front Cover: On");
  EXPECT_TRUE(coverOn.expanded);
  EXPECT_EQ(
      Texts(coverOn.children),
      (Strings{"Front Cover Source: Multipurpose Tray", "Front Cover Media Type: Transparency",
               "Print on Front Cover: On", "Print on Both Sides of Front Cover: Off"}));
  const InfoNode &adjustment = Child(Child(on.tree, "Quality").children, "Image Adjustment");
  EXPECT_EQ(Texts(adjustment.children), (Strings{"Brightness: -10", "Contrast: 0"}));
  for (const InfoNode &node : Child(on.tree, "Color").children)
    EXPECT_NE(node.text.rfind("Color Reproduction", 0), 0u) << node.text;
}

const InfoNode &Mailboxes(const InfoRun &run) {
  return Child(Child(run.tree, "Output").children, "Virtual Mailbox");
}

Strings MailboxLines(const InfoRun &run) {
  Strings lines;
  for (const InfoNode &node : Mailboxes(run).children)
    if (node.text.rfind("Mailbox:", 0) == 0 || node.text.rfind("The mailbox list", 0) == 0)
      lines.push_back(node.text);
  return lines;
}

// The settings select mailboxes 0 and 2; the third record lies in "VtVMBData2".
TEST_F(SettingsInfoTest, SelectedVirtualMailboxesByNameAndOwner) {
  Open();
  const InfoRun run = ShowInformation();
  EXPECT_TRUE(Mailboxes(run).expanded);
  EXPECT_EQ(MailboxLines(run),
            (Strings{"Mailbox:Accounting, Owner:j.smith", "Mailbox:Sales, Owner:m.garcia"}));
}

// The settings were made at {0x01DB3A00, 0x4C2B0000}. A mailbox list changed later, or locked,
// shows only the notice.
TEST_F(SettingsInfoTest, ChangedOrLockedMailboxListShowsOnlyTheNotice) {
  const std::string notice =
      "The mailbox list has changed since these settings were made. Check the mailbox settings "
      "on the Output page.";
  const std::string accounting = "Mailbox:Accounting, Owner:j.smith";
  const std::string sales = "Mailbox:Sales, Owner:m.garcia";
  struct Case {
    DWORD time[2];
    DWORD options;
    Strings expected;
  } cases[] = {
      {{0x01DB3A00, 0x4C2B0001}, 0, {notice}},
      {{0x01DB3A01, 0x00000000}, 0, {notice}},
      {{0x01DB3A00, 0x4C2B0000}, 0, {accounting, sales}},
      {{0x01DB39FF, 0xFFFFFFFF}, 0, {accounting, sales}},
      {{0x01DB3A00, 0x4C2A0000}, PDMAIN_OPT_MAILBOX_LOCKED, {notice}},
  };
  for (const Case &c : cases) {
    Open();
    SetPrinterValue(VMB_TIME_VALUE, c.time, sizeof c.time);
    Main().dwOptions |= c.options;
    EXPECT_EQ(MailboxLines(ShowInformation()), c.expected) << std::hex << c.time[0] << c.time[1];
  }
}

TEST_F(SettingsInfoTest, MailboxValuesLargerThanTheirCountListNothing) {
  Open();
  const DWORD count = 1;
  SetPrinterValue(VMB_COUNT_VALUE, &count, sizeof count);
  const InfoRun run = ShowInformation();
  EXPECT_TRUE(MailboxLines(run).empty());
}

// The watermark "CONFIDENTIAL" of the settings, with its record's font. Only "ARIAL" exactly
// becomes "Arial" outside the far-eastern languages; Japanese names "MS PGothic" its own way.
TEST_F(SettingsInfoTest, WatermarkFontNames) {
  struct Case {
    host::UiLanguage language;
    const WCHAR *face;
    std::string expected;
  } cases[] = {
      {host::UiLanguage::English, WSTR("ARIAL"), "Font: Arial"},
      {host::UiLanguage::English, WSTR("Arial"), "Font: Arial"},
      {host::UiLanguage::English, WSTR("arial"), "Font: arial"},
      {host::UiLanguage::English, WSTR("MS PGothic"), "Font: MS PGothic"},
      {host::UiLanguage::Japanese, WSTR("MS PGothic"), "フォント： ＭＳ Ｐゴシック"},
      {host::UiLanguage::Japanese, WSTR("ARIAL"), "フォント： ARIAL"},
  };
  for (const Case &c : cases) {
    Open(host::kColorPrinterName, c.language);
    WatermarkRecord record{};
    host::CopyToField(record.szName, 32, WSTR("CONFIDENTIAL"));
    host::CopyToField(record.szFont, 32, c.face);
    record.wSize = 72;
    record.sX = 50;
    record.sY = 50;
    SetPrinterValue(WATERMARK_DATA_VALUE, &record, sizeof record);
    reinterpret_cast<WatermarkBlock *>(session_->privateBlock(PRIVATE_DATA_ID_WATERMARK))
        ->dwEnabled = 1;
    const InfoRun run = ShowInformation();
    const InfoNode &page = run.tree.at(6);
    ASSERT_FALSE(page.children.empty());
    const InfoNode &watermark = page.children.front();
    ASSERT_FALSE(watermark.children.empty());
    const InfoNodes &text = watermark.children.back().children;
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text[1].text, c.expected);
  }
}

TEST_F(SettingsInfoTest, PrologueEpilogueNeedsItsEnabledModuleAndAnotherLanguageThanPclXl) {
  struct Case {
    const char *name;
    DWORD flags;
    WORD pdl;
    bool shown;
  } cases[] = {
      {"registered", MODULE_ENTRY_ENABLED | MODULE_ENTRY_HAS_PAGES, 1, true},
      {"disabled", MODULE_ENTRY_HAS_PAGES, 1, false},
      {"PCL XL", MODULE_ENTRY_ENABLED | MODULE_ENTRY_HAS_PAGES, 4, false},
  };
  for (const Case &c : cases) {
    host::RegistrationStore store(host::ColorLaserModel().driverName);
    ModuleRegistryEntry entry;
    ASSERT_TRUE(store.Read("FeatureSet2", &entry));
    entry.dwFlags = c.flags;
    store.Write("FeatureSet2", entry);
    Open();
    Main().wPdlId = c.pdl;
    reinterpret_cast<PrologEpilogBlock *>(session_->privateBlock(PRIVATE_DATA_ID_PROLOGEPILOG))
        ->dwEnabled = 1;
    const InfoRun run = ShowInformation();
    const InfoNode *page = Find(run.tree, "Prologue/Epilogue: Yes");
    ASSERT_EQ(page != nullptr, c.shown) << c.name;
    if (page != nullptr) {
      EXPECT_EQ(Texts(page->children),
                (Strings{"Name: Job banner", "Pages: All Pages",
                         "Prologue: C:\\JZPS\\BANNER.PS -> Epilogue: C:\\JZPS\\TRAILER.PS"}));
    }
  }
}

TEST_F(SettingsInfoTest, PreReleaseBuildFromTheVersionFile) {
  {
    std::ofstream ini(folder_ / "drive_c/WINDOWS/system32/spool/DRIVERS/W32X86/3/HELP/DrvVer.ini");
    ini << "[Version Number]\r\nIsPreRelease=1\r\n";
  }
  Open();
  EXPECT_EQ(Texts(ShowInformation().tree).back(), "Driver Build: Pre-release");
}

// Help for the tree from the driver's help file that matches the host's (English
// "JZUIHLP_EN.HLP", Japanese "JZUIHLP_JP.HLP"), on models that offer help.
TEST_F(SettingsInfoTest, ContextHelpFromTheDriversHelpFile) {
  struct Case {
    host::UiLanguage language;
    bool help;
    const char *file;
  } cases[] = {
      {host::UiLanguage::English, true, "DRVHLPEN.HLP"},
      {host::UiLanguage::Japanese, true, "DRVHLPJP.HLP"},
      {host::UiLanguage::English, false, nullptr},
  };
  for (const Case &c : cases) {
    Open(host::kColorPrinterName, c.language);
    if (!c.help)
      session_->model().capabilities.dwLayout &= ~1u;
    winplat::ClearUserLogs();
    HWND treeWindow = nullptr;
    ShowInformation([&](HWND dialog) {
      treeWindow = GetDlgItem(dialog, 1894);
      SendMessageW(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(treeWindow), 0);
      HELPINFO info{};
      info.cbSize = sizeof info;
      info.iContextType = HELPINFO_WINDOW;
      info.iCtrlId = 1894;
      info.hItemHandle = treeWindow;
      SendMessageW(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    });
    const std::vector<winplat::HelpCall> &calls = winplat::HelpLog();
    if (!c.help) {
      EXPECT_TRUE(calls.empty());
      continue;
    }
    ASSERT_EQ(calls.size(), 2u);
    for (const winplat::HelpCall &call : calls) {
      EXPECT_EQ(call.window, treeWindow);
      EXPECT_EQ(call.helpFile, std::string(kHelpDirectory) + c.file);
      EXPECT_EQ(call.command, static_cast<UINT>(HELP_CONTEXTMENU));
      EXPECT_EQ(call.helpIds, (std::vector<std::pair<DWORD, DWORD>>{{1894, 309}}));
    }
  }
}

// While the dialog runs the page's Alt+letter keys are free; afterwards they are the page's
// again. The host hears that the dialog has been set up; Cancel ends it with 2.
TEST_F(SettingsInfoTest, HotKeysAreOffWhileTheDialogRuns) {
  Open();
  page_->Activate();
  bool freeWhileOpen = false;
  const InfoRun run = ShowInformation(
      [&](HWND) {
        freeWhileOpen = RegisterHotKey(nullptr, 0x7777, MOD_ALT, 'N') != FALSE;
        UnregisterHotKey(nullptr, 0x7777);
      },
      IDCANCEL);
  EXPECT_TRUE(freeWhileOpen);
  EXPECT_FALSE(RegisterHotKey(nullptr, 0x7777, MOD_ALT, 'N'));
  EXPECT_EQ(run.result, IDCANCEL);
  EXPECT_EQ(session_->events().finishInfoDialog, 1);
  page_->Deactivate();
}

TEST_F(SettingsInfoTest, ModelWithoutSettingsInformationOpensNothing) {
  Open();
  session_->model().capabilities.dwUserInterface &= ~(1u << 7);
  EXPECT_FALSE(ShowInformation().shown);
}

}  // namespace
}  // namespace info_testing
