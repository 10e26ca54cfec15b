// Reading and writing the current settings field by field.
#include <gtest/gtest.h>

#include "support/demo_machine.h"
#include "host/settings_fields.h"

namespace host::testing {
namespace {

class SettingsFieldsTest : public DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    std::string error;
    color_ = PrinterSession::Open(kColorPrinterName, {}, &error);
    mono_ = PrinterSession::Open(kMonoPrinterName, {}, &error);
    ASSERT_TRUE(color_ && mono_) << error;
  }
  std::unique_ptr<PrinterSession> color_, mono_;
};

TEST_F(SettingsFieldsTest, ValuesWrittenByNumberOrNameReadBack) {
  struct Case {
    const char *field;
    const char *value;
    const char *shown;
  } cases[] = {
      {"dmPaperSize", "A4", "9 (A4)"},
      {"dmPaperSize", "0x5", "5 (Legal)"},
      {"DMORIENTATION", "landscape", "2 (landscape)"},
      {"dmDefaultSource", "tray2", "2 (Tray2)"},
      {"PFPD_OUTBINIDX", "Rear", "1 (Rear)"},
      {"Scale.wScaleSizeIdx", "12", "12 (Env10)"},
      {"pdMain.sBrightness", "-20", "-20"},
      {"PFPD_CONTRAST", "32767", "32767"},
      {"pdMain.dwOptions", "0x08100000", "0x08100000"},
      {"pdMain.dImageShiftX", "0.25", "0.25"},
      {"pdMain.szCustomName", "Photo", "\"Photo\""},
      {"dmFormName", "Legal", "\"Legal\""},
      {"watermark.szName", "DRAFT", "\"DRAFT\""},
      {"poster.dwLayout", "0x00020002", "0x00020002"},
  };
  for (const Case &c : cases) {
    const SettingField *field = FindSettingField(c.field);
    ASSERT_TRUE(field) << c.field;
    std::string error;
    ASSERT_TRUE(SetSetting(*color_, *field, c.value, &error)) << c.field << ": " << error;
    EXPECT_EQ(FormatSetting(*color_, *field), c.shown) << c.field;
  }
  EXPECT_EQ(color_->devMode()->dmPaperSize, DMPAPER_LEGAL);
}

TEST_F(SettingsFieldsTest, WrongValuesChangeNothing) {
  const std::string tooLong(32, 'x');
  struct Case {
    const char *field;
    const char *value;
    const char *reason;
  } cases[] = {
      {"dmPaperSize", "Banner", "A4"},  // names the printer's paper sizes
      {"dmCopies", "40000", "16-bit signed"},
      {"pdMain.sBrightness", "-32769", "16-bit signed"},
      {"pdMain.bNoCopy", "256", "8-bit unsigned"},
      {"pdMain.wResIdx", "-1", "16-bit unsigned"},
      {"dmScale", "12abc", "not a value"},
      {"dmSize", "100", "cannot be set"},
      {"dmDeviceName", "X", "cannot be set"},
      {"pdMain.dImageShiftY", "inf", "not a number"},
      {"dmFormName", "A form name that is far too long to fit", "at most 31"},
      {"pdMain.szOutputName", tooLong.c_str(), "at most 31"},
      {"pdMain.szCustomName", "日本", "code page 1252"},
  };
  const std::vector<BYTE> before = color_->devModeBytes();
  for (const Case &c : cases) {
    const SettingField *field = FindSettingField(c.field);
    ASSERT_TRUE(field) << c.field;
    std::string error;
    EXPECT_FALSE(SetSetting(*color_, *field, c.value, &error)) << c.field << "=" << c.value;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.field << ": " << error;
    EXPECT_EQ(color_->devModeBytes(), before) << c.field;
  }
}

TEST_F(SettingsFieldsTest, FieldsOfBlocksAModelLacksAreAbsent) {
  const SettingField *poster = FindSettingField("poster.dwLayout");
  ASSERT_TRUE(poster);
  EXPECT_EQ(FormatSetting(*mono_, *poster), "");
  std::string error;
  EXPECT_FALSE(SetSetting(*mono_, *poster, "0x00020002", &error));
  EXPECT_NE(error.find("no poster.dwLayout"), std::string::npos);
  EXPECT_EQ(FindSettingField("pdMain.noSuchField"), nullptr);
}

}  // namespace
}  // namespace host::testing
