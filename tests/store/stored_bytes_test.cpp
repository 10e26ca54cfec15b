// Known answers for every record the module stores: the profile list, a profile's value index,
// a stored DEVMODE, the icon chooser's custom colours and a profile file written by the export.
// Each record is stored by the module's own code, read back through the spooler or from the
// file, and compared in full with bytes written out here offset by offset over a zero
// background. The records hold no pointers and no padding, so these bytes are the same on
// 32-bit and 64-bit Windows and on the platform layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "apply/convert_settings.h"
#include "host/demo_state.h"
#include "host/printer_session.h"
#include "host/text_convert.h"
#include "host/win32_handles.h"
#include "page/profile_colors.h"
#include "profilefile/jzp_format.h"
#include "store/page_context.h"
#include "store/page_store.h"
#include "store/profile_list.h"
#include "store/vtprofjzp.h"
#include "support/demo_machine.h"

namespace {

using Bytes = std::vector<BYTE>;

// ---- Expected bytes, put together by hand.

// One little-endian field: `width` bytes of `value` at `offset`.
struct Field {
  size_t offset;
  DWORD value;
  size_t width;
};

void PutFields(Bytes &bytes, size_t base, std::initializer_list<Field> fields) {
  for (const Field &field : fields)
    for (size_t i = 0; i < field.width; ++i)
      bytes[base + field.offset + i] = static_cast<BYTE>(field.value >> (8 * i));
}

void PutText(Bytes &bytes, size_t at, const std::string &text) {
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// ASCII text as wide characters, two bytes each, low byte first.
void PutWideText(Bytes &bytes, size_t at, const std::string &text) {
  for (size_t i = 0; i < text.size(); ++i)
    bytes[at + 2 * i] = static_cast<BYTE>(text[i]);
}

// A private-data block header: "VtPd" reads d, P, t, V in memory; the identifier and the
// version are each followed by a reserved zero WORD; then the block's whole size.
void PutBlockHeader(Bytes &bytes, size_t at, WORD id, WORD version, DWORD size) {
  PutText(bytes, at, "dPtV");
  PutFields(bytes, at, {{4, id, 2}, {8, version, 2}, {12, size, 4}});
}

Bytes Dwords(std::initializer_list<DWORD> values) {
  Bytes bytes(4 * values.size(), 0);
  size_t at = 0;
  for (DWORD value : values) {
    PutFields(bytes, at, {{0, value, 4}});
    at += 4;
  }
  return bytes;
}

void Append(Bytes &to, const Bytes &bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

Bytes Slice(const Bytes &bytes, size_t from, size_t to) {
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
               bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

// Equal bytes, or where they differ: the sizes and up to eight 16-byte rows, both sides in hex.
::testing::AssertionResult SameBytes(const Bytes &expected, const Bytes &actual) {
  if (expected == actual)
    return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << "expected " << expected.size() << " bytes, got " << actual.size() << "\n";
  const auto hexRow = [](const Bytes &bytes, size_t row) {
    std::string text;
    for (size_t i = row; i < row + 16; ++i) {
      char cell[4] = "   ";
      if (i < bytes.size())
        std::snprintf(cell, sizeof cell, "%02X ", bytes[i]);
      text += cell;
    }
    return text;
  };
  int rows = 0;
  for (size_t row = 0; row < std::max(expected.size(), actual.size()) && rows < 8; row += 16) {
    if (Slice(expected, std::min(row, expected.size()), std::min(row + 16, expected.size())) ==
        Slice(actual, std::min(row, actual.size()), std::min(row + 16, actual.size())))
      continue;
    char offset[24];
    std::snprintf(offset, sizeof offset, "%06lX", static_cast<unsigned long>(row));
    failure << offset << " expected " << hexRow(expected, row) << "\n"
            << offset << " actual   " << hexRow(actual, row) << "\n";
    ++rows;
  }
  return failure;
}

// ---- The demo colour printer's factory settings as the profile page stores them.

// Where each part of the complete DEVMODE starts: the public part, the main block, then the
// plug-in blocks in the model's chain order, and the end.
constexpr size_t kMainAt = 220;
constexpr size_t kPlugInStarts[] = {1244, 1308, 1428, 1444, 1492, 1596};
constexpr size_t kWatermarkAt = 1308;
constexpr size_t kDevModeSize = 1676;

// The values are those of the demo colour model, JZ Color 5300 PS (host/demo_models.cpp); the
// offsets are those of the Windows DEVMODEW, of the driver's main block and of its plug-ins'
// blocks. Everything not listed is zero.
Bytes StoredFactorySettings() {
  Bytes d(kDevModeSize, 0);
  // Public part, 220 bytes.
  PutWideText(d, 0, "JZ Color 5300 PS");  // dmDeviceName
  PutFields(d, 0,
            {{64, 0x0401, 2},      // dmSpecVersion
             {66, 0x0340, 2},      // dmDriverVersion: the model's driver version
             {68, 220, 2},         // dmSize
             {70, 1456, 2},        // dmDriverExtra: 1024 main + 432 of plug-in blocks
             {72, 0x0781FF1F, 4},  // dmFields: orientation to collate, form name, ICM
                                   // method and intent, media and dither type
             {76, 1, 2},           // dmOrientation: portrait
             {78, 1, 2},           // dmPaperSize: Letter
             {80, 2794, 2},        // dmPaperLength, tenths of a millimetre
             {82, 2159, 2},        // dmPaperWidth
             {84, 100, 2},         // dmScale
             {86, 1, 2},           // dmCopies
             {88, 7, 2},           // dmDefaultSource: automatic
             {90, 600, 2},         // dmPrintQuality, dpi
             {92, 2, 2},           // dmColor: colour
             {94, 1, 2},           // dmDuplex: simplex
             {96, 600, 2},         // dmYResolution
             {98, 2, 2},           // dmTTOption: download
             {100, 1, 2},          // dmCollate
             {188, 2, 4},          // dmICMMethod: system
             {192, 2, 4},          // dmICMIntent: contrast
             {196, 1, 4},          // dmMediaType: standard
             {200, 3, 4}});        // dmDitherType: fine
  PutWideText(d, 102, "Letter");   // dmFormName
  // Main block, 1024 bytes.
  PutBlockHeader(d, kMainAt, 1, 0x0300, 1024);
  PutFields(d, kMainAt,
            {{16, 0x08000000, 4},  // option flags: EMF spooling (bit 27)
             {64, 1, 2},           // duplex options: the duplex value applies
             {66, 1, 2},           // duplex value: simplex
             {272, 8500, 4},       // custom document size, thousandths of an inch
             {276, 11000, 4},
             {320, 8500, 4},  // custom output size
             {324, 11000, 4},
             {376, 1001, 2},  // print size: Letter (identifier 1) + 1000, converted for storage
             {384, 100, 2},   // zoom, percent
             {386, 100, 2},   // manual scaling, percent
             {404, 1001, 2},  // output bin: Top (identifier 1) + 1000, converted for storage
             {406, 1, 2},     // resolution index: 600 dpi
             {444, 5, 4},     // virtual mailboxes selected: the first and the third
             {484, 1, 2},     // halftone
             {532, 600, 4},   // print quality resolution
             {536, 600, 4},   // custom quality resolution
             {540, 1, 4},     // print quality type
             {544, 1, 4},     // custom quality PDL: PostScript
             {612, 1, 4},     // colour adjustment: standard
             {656, 1, 2},     // line width minimum, tenths
             {658, 20, 2},    // line width maximum
             {676, 1, 2},     // PDL: PostScript
             {840, 0x01DB3A00, 4},  // time stamp of the settings
             {844, 0x4C2B0000, 4}});
  PutText(d, kMainAt + 288, "Custom");  // custom document size name
  PutText(d, kMainAt + 336, "Custom");  // custom output size name
  // Colour balance at 616: red, green and blue gamma 2.2, luminance 80.0, then the sRGB points.
  const WORD balance[] = {22, 22, 22, 800, 640, 330, 300, 600, 150, 60, 313, 329};
  for (size_t i = 0; i < std::size(balance); ++i)
    PutFields(d, kMainAt + 616, {{2 * i, balance[i], 2}});
  // Prologue/epilogue block, 64 bytes: off.
  PutBlockHeader(d, 1244, 10000, 0x0100, 64);
  // Watermark block, 120 bytes: "CONFIDENTIAL" at 45 degrees, 72 points, silver; not enabled.
  PutBlockHeader(d, kWatermarkAt, 20000, 0x0200, 120);
  PutWideText(d, kWatermarkAt + 24, "CONFIDENTIAL");
  PutFields(d, kWatermarkAt, {{88, 45, 2}, {90, 72, 2}, {92, 0x00C0C0C0, 4}});
  // This module's block: its 16-byte header, version 256.
  PutBlockHeader(d, 1428, 40000, 256, 16);
  // Poster block, 48 bytes: an overlap of 100, one page across and one down.
  PutBlockHeader(d, 1444, 50000, 0x0100, 48);
  PutFields(d, 1444, {{20, 100, 4}, {28, 0x00010001, 4}});
  // Security watermark block, 104 bytes: "COPY PROHIBITED", pattern 2.
  PutBlockHeader(d, 1492, 60000, 0x0100, 104);
  PutWideText(d, 1492 + 24, "COPY PROHIBITED");
  PutFields(d, 1492, {{88, 2, 4}});
  // Overlay block, 80 bytes: off.
  PutBlockHeader(d, 1596, 30000, 0x0100, 80);
  return d;
}

// 556 bytes: name at 0, description at 32, icon at 544, colour at 548, registry number at 552.
Bytes HeaderRecord(const std::string &name, const std::string &info, DWORD icon, DWORD color,
                   LONG regNum) {
  Bytes bytes(556, 0);
  PutText(bytes, 0, name);
  PutText(bytes, 32, info);
  PutFields(bytes, 0, {{544, icon, 4}, {548, color, 4}, {552, static_cast<DWORD>(regNum), 4}});
  return bytes;
}

// 268 bytes: value name at 0, registry type at 260, size at 264. Index entries and the value
// records of a profile file share it.
Bytes ValueRecord(const std::string &name, DWORD type, DWORD size) {
  Bytes bytes(268, 0);
  PutText(bytes, 0, name);
  PutFields(bytes, 0, {{260, type, 4}, {264, size, 4}});
  return bytes;
}

// ---- The module's side.

// What the profile page lends the settings conversion and its stores: the session's host
// objects and the printer's identity. The conversion reads only the UIManager's lists.
class SessionPage final : public ProfilePageContext {
 public:
  explicit SessionPage(host::PrinterSession &session)
      : session_(session),
        text_(TextPolicy::ForPage(false, CP_ACP)),
        identity_(session.printerName().c_str(), nullptr, nullptr) {}

  UIManager *GetUIManager() const override { return session_.uiManager(); }
  DriverContext *GetDriverContext() const override { return session_.driverContext(); }
  CControlSet *GetControlSet() const override { return nullptr; }
  WORD GetLanguage() const override { return session_.languageId(); }
  bool IsRightToLeft() const override { return false; }
  const TextPolicy &Text() const override { return text_; }
  HANDLE GetPrinterHandle() const override { return nullptr; }
  PrinterIdentity &GetPrinterIdentity() const override { return identity_; }
  bool IsClientMode() const override { return false; }
  ProfileList *GetProfileList() const override { return nullptr; }
  const DEVMODEW *GetCurrentDevMode() const override { return session_.devMode(); }
  const pdMain *GetDriverSettings() const override { return nullptr; }
  const ModelInfoRecord *GetModelInfo() const override { return nullptr; }
  const ModelCapabilitiesRecord *GetModelCapabilities() const override { return nullptr; }
  void RestoreDevMode(DEVMODEW *, int, bool) override {}

 private:
  host::PrinterSession &session_;
  TextPolicy text_;
  mutable PrinterIdentity identity_;
};

struct PrinterValue {
  DWORD type = 0;
  Bytes data;
};

class StoredBytesTest : public host::testing::DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    std::string error;
    session_ = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    ASSERT_TRUE(session_) << error;
    page_ = std::make_unique<SessionPage>(*session_);
  }

  std::unique_ptr<VTPROFJZP> Store() { return MakePageStore(*page_); }

  // The list as the page stores it: the headers inserted one by one, then saved.
  void StoreList(std::vector<ProfileHeader> headers) {
    ProfileList list(nullptr, page_->Text(), session_->uiManager(), nullptr, nullptr);
    for (ProfileHeader &header : headers)
      ASSERT_NE(list.Insert(&header), nullptr);
    ASSERT_TRUE(list.Save());
  }

  // Settings as the page stores them: converted, then the profile's "Default DevMode".
  void StoreSettings(const char *profileName, int regNum, Bytes settings) {
    ASSERT_TRUE(ConvertDevMode(*page_, settings.data(), settings.size()));
    Store()->SaveProfileRegValue(profileName, regNum, "Default DevMode", settings.data(),
                                 static_cast<DWORD>(settings.size()), REG_BINARY);
  }

  // The value as the spooler gives it back.
  PrinterValue ReadPrinterData(const std::string &name) {
    host::PrinterHandle printer = host::PrinterHandle::Open(host::kColorPrinterName, 0);
    EXPECT_TRUE(printer);
    WideString wide = host::Utf16FromUtf8(name);
    PrinterValue value;
    DWORD needed = 0;
    GetPrinterDataW(printer.get(), wide.data(), &value.type, nullptr, 0, &needed);
    value.data.resize(needed);
    EXPECT_EQ(GetPrinterDataW(printer.get(), wide.data(), &value.type, value.data.data(), needed,
                              &needed),
              static_cast<DWORD>(ERROR_SUCCESS))
        << name;
    return value;
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<SessionPage> page_;
};

ProfileHeader Header(const std::string &name, const std::string &info, DWORD icon, DWORD color,
                     LONG regNum) {
  ProfileHeader header{};
  name.copy(header.strProfileName, sizeof header.strProfileName - 1);
  info.copy(header.strProfileInfo, sizeof header.strProfileInfo - 1);
  header.nProfileIcon = icon;
  header.rgbIconColor = color;
  header.nProfRegNum = regNum;
  return header;
}

// The count as a REG_DWORD, the headers in case-insensitive name order as one REG_BINARY, each
// text as long as its field allows.
TEST_F(StoredBytesTest, ProfileListIsItsCountAndItsHeadersBackToBack) {
  const std::string longName = "abcdefghijklmnopqrstuvwxyzABCDE";  // 31 characters
  const std::string longInfo(511, 'i');
  StoreList({Header("Office", "Letters", 44, 0x00C08040, 12),
             Header("Factory Default", "The printer driver's factory default settings.", 0, 0, 0),
             Header(longName, longInfo, 1, 0x00FFFFFF, 3)});

  const PrinterValue count = ReadPrinterData("JzProfileCount");
  EXPECT_EQ(count.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_TRUE(SameBytes({3, 0, 0, 0}, count.data));

  Bytes expected = HeaderRecord(longName, longInfo, 1, 0x00FFFFFF, 3);
  Append(expected, HeaderRecord("Factory Default", "The printer driver's factory default settings.",
                                0, 0, 0));
  Append(expected, HeaderRecord("Office", "Letters", 44, 0x00C08040, 12));
  const PrinterValue data = ReadPrinterData("JzProfileData");
  EXPECT_EQ(data.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(SameBytes(expected, data.data));
}

// One 268-byte entry per value in the order first saved; saving again changes only the size.
// Each data value keeps the type it was saved with.
TEST_F(StoredBytesTest, ValueIndexHasAnEntryPerValueWithItsTypeAndLatestSize) {
  const Bytes setup = {0x53, 0x01, 0x02, 0x03, 0x00, 0x02, 0x00, 0x01};
  const Bytes count = {2, 0, 0, 0};
  auto store = Store();
  store->SaveProfileRegValue("Office", 12, "Default DevMode", Bytes(100, 0xAA).data(), 100,
                             REG_BINARY);
  store->SaveProfileRegValue("Office", 12, "VtCPSCount", count.data(), 4, REG_DWORD);
  store->SaveProfileRegValue("Office", 12, "_Setup", setup.data(), 8, REG_BINARY);
  store->SaveProfileRegValue("Office", 12, "Default DevMode", Bytes(120, 0xBB).data(), 120,
                             REG_BINARY);

  Bytes expected = ValueRecord("Default DevMode", 3, 120);
  Append(expected, ValueRecord("VtCPSCount", 4, 4));
  Append(expected, ValueRecord("_Setup", 3, 8));
  const PrinterValue index = ReadPrinterData("JZP_0012");
  EXPECT_EQ(index.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(SameBytes(expected, index.data));

  const PrinterValue devMode = ReadPrinterData("JZP_0012_Default DevMode");
  EXPECT_EQ(devMode.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(SameBytes(Bytes(120, 0xBB), devMode.data));
  const PrinterValue stored = ReadPrinterData("JZP_0012_VtCPSCount");
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_TRUE(SameBytes(count, stored.data));
  EXPECT_TRUE(SameBytes(setup, ReadPrinterData("JZP_0012__Setup").data));
}

// The current settings as a new profile's "Default DevMode": the public part and the whole
// private chain as they are, only the print size and the output bin converted.
TEST_F(StoredBytesTest, StoredSettingsAreTheWholeDevModeWithConvertedIndices) {
  StoreSettings("Office", 1, session_->devModeBytes());
  const PrinterValue stored = ReadPrinterData("JZP_0001_Default DevMode");
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(SameBytes(StoredFactorySettings(), stored.data));
}

// Sixteen COLORREFs, 0x00BBGGRR each, low byte first: 64 bytes of REG_BINARY. Such a value
// gives back the same colours.
TEST_F(StoredBytesTest, CustomColorsAreSixteenColorrefs) {
  CustomColors colors;
  Bytes expected;
  for (DWORD i = 0; i < 16; ++i) {
    colors[i] = 0x00A0B0C0 + i;  // blue A0, green B0, red C0 + i
    Append(expected, {static_cast<BYTE>(0xC0 + i), 0xB0, 0xA0, 0x00});
  }
  WriteCustomColors(page_->Text(), session_->printerHandle(), colors);
  const PrinterValue stored = ReadPrinterData("ProfileCustomColor");
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_TRUE(SameBytes(expected, stored.data));

  CustomColors back = ReadCustomColors(page_->Text(), session_->printerHandle());
  EXPECT_EQ(back, colors);
}

// A profile exported on its own: the 144-byte header, the 700-byte entry, the changed settings
// as DWORD items and byte ranges, every plug-in block whole, the other values and "_Setup".
TEST_F(StoredBytesTest, ExportedFileIsHeaderEntryAndFourSections) {
  StoreList({Header("Factory Default", "", 0, 0, 0),
             Header("Office", "Duplex and stapled", 5, 0x000000FF, 1)});
  const Bytes factory = session_->devModeBytes();
  StoreSettings("Factory Default", 0, factory);
  Bytes office = factory;
  PutFields(office, 0, {{86, 3, 2}});                     // dmCopies
  PutFields(office, kMainAt, {{20, 1, 1}, {156, 1, 1}});  // no-copy; first stapling byte
  PutFields(office, kWatermarkAt, {{20, 1, 4}});          // watermark enabled
  StoreSettings("Office", 1, office);
  const Bytes cpsCount = {2, 0, 0, 0};
  const Bytes setup = {0x53, 0x01, 0x02, 0x03, 0x00, 0x02, 0x00, 0x01};
  auto store = Store();
  store->SaveProfileRegValue("Office", 1, "VtCPSCount", cpsCount.data(), 4, REG_DWORD);
  store->SaveProfileRegValue("Office", 1, "_Setup", setup.data(), 8, REG_BINARY);
  const std::filesystem::path path = folder_ / "office.jzp";
  store->GetProfileDataFromModel(nullptr, nullptr, 0);
  ASSERT_TRUE(store->OpenJzpFile(host::Utf16FromUtf8(path.string()).c_str(), JZP_MODE_EXPORT));
  const char names[1][32] = {"Office"};
  EXPECT_EQ(store->ExportProfilesToJZP(names, 1), 0);
  store->CloseJzpFile();
  store.reset();

  // Section 1: dmCopies (tag 11) and the no-copy byte (tag 32), in tag order.
  const Bytes section1 = Dwords({11, 3, 32, 1});
  // Section 2: the stapling range (tag 51, main block bytes 156 to 239), then each plug-in
  // block whole (tag 201), the watermark block as enabled.
  Bytes stapling(84, 0);
  stapling[0] = 1;
  Bytes section2 = Dwords({51, 84});
  Append(section2, stapling);
  Bytes blocks = StoredFactorySettings();
  PutFields(blocks, kWatermarkAt, {{20, 1, 4}});
  for (size_t i = 0; i < std::size(kPlugInStarts); ++i) {
    const size_t end = i + 1 < std::size(kPlugInStarts) ? kPlugInStarts[i + 1] : kDevModeSize;
    Append(section2, Dwords({201, static_cast<DWORD>(end - kPlugInStarts[i])}));
    Append(section2, Slice(blocks, kPlugInStarts[i], end));
  }
  ASSERT_EQ(section2.size(), 572u);
  // Section 3: the other values; Section 4: "_Setup".
  Bytes section3 = ValueRecord("VtCPSCount", 4, 4);
  Append(section3, cpsCount);
  Bytes section4 = ValueRecord("_Setup", 3, 8);
  Append(section4, setup);

  Bytes expected(144 + 700, 0);
  PutText(expected, 0, "JZP");
  // The writer's language: the low byte of the user's language (a Chinese user's would be
  // 0xC0 or 0xC1 instead; the demo machines are not Chinese).
  const DWORD language = GetUserDefaultLangID() & 0xFF;
  PutFields(expected, 0, {{8, 0x0340, 2}, {10, language, 2}, {12, 1, 2}});
  PutText(expected, 16, "JZ Color 5300 PS");
  PutText(expected, 144, "Office");
  PutFields(expected, 144, {{32, 5, 4}, {36, 0x000000FF, 4}});
  PutText(expected, 144 + 40, "Duplex and stapled");
  PutFields(expected, 144, {{556, 16, 4}, {560, 572, 4}, {564, 272, 4}, {568, 276, 4}});
  PutText(expected, 144 + 572, "JZ Color 5300 PS");
  for (const Bytes &section : {section1, section2, section3, section4})
    Append(expected, section);

  std::ifstream file(path, std::ios::binary);
  const Bytes written{std::istreambuf_iterator<char>(file), {}};
  EXPECT_TRUE(SameBytes(expected, written));
}

}  // namespace
