// The page's import command on the printers of the demo machine, on Windows XP and 98: the
// imported settings fitted to the printer and rebuilt onto its own factory default, custom paper
// sizes merged into its table, the cap of 26 profiles, and hostile files that may change
// nothing but the profile list and the new profile's own values and side files.
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "page/command_test_support.h"
#include "profilefile/jzp_import_rules.h"
#include "profilefile/jzp_test_support.h"

namespace prfmod::testing {
namespace {

using jzp_testing::ProfileBytes;

constexpr char16_t kFile[] = u"C:\\import.jzp";

ProfileBytes Profile(const std::string &name, std::vector<BYTE> items = {},
                     std::vector<BYTE> registry = {}) {
  ProfileBytes profile{name, {}};
  profile.sections[JZP_SECTION_ITEMS] = std::move(items);
  profile.sections[JZP_SECTION_REGISTRY] = std::move(registry);
  profile.sections[JZP_SECTION_SETUP] = jzp_testing::RegItem("_Setup", REG_BINARY, {});
  return profile;
}

std::vector<BYTE> Concat(std::initializer_list<std::vector<BYTE>> parts) {
  std::vector<BYTE> all;
  for (const std::vector<BYTE> &part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<BYTE> Dword(DWORD value) {
  return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

CustomPaperSize PaperEntry(const std::vector<BYTE> &table, size_t index) {
  CustomPaperSize entry{};
  std::memcpy(&entry, table.data() + index * sizeof entry, sizeof entry);
  return entry;
}

class PageImportTest : public PageCommandTest {
 protected:
  void Import(const std::vector<BYTE> &file) {
    jzp_testing::WriteBytes(tested_windows::HostPath("C:\\import.jzp"), file);
    operator_.QueueOpenFile(kFile);
    operator_.Queue(IDYES);  // the model question, where the file names another model
    Click(IDC_PROFILE_IMPORT);
  }

  // The factory default an import starts from: the built-in profile's stored settings, else
  // the printer's own default DEVMODE as the spooler hands it out (the registry may hold it in
  // another form: Wine keeps it there as a DEVMODEA).
  std::vector<BYTE> DefaultDevMode(const WideString &printer) {
    if (auto stored = PrinterValue(printer, "JZP_0000_Default DevMode"))
      return *stored;
    const host::PrinterHandle handle = host::PrinterHandle::Open(printer, PRINTER_ACCESS_USE);
    DWORD needed = 0;
    GetPrinterW(handle.get(), 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (needed == 0 || !GetPrinterW(handle.get(), 2, info.data(), needed, &needed))
      return {};
    const DEVMODEW *devMode = reinterpret_cast<const PRINTER_INFO_2W *>(info.data())->pDevMode;
    if (devMode == nullptr)
      return {};
    const BYTE *bytes = reinterpret_cast<const BYTE *>(devMode);
    return std::vector<BYTE>(bytes, bytes + devMode->dmSize + devMode->dmDriverExtra);
  }

  std::vector<BYTE> ImportedDevMode(const WideString &printer, int regNum = 1) {
    return StoredValueOf(printer, regNum, "Default DevMode").value_or(std::vector<BYTE>{});
  }

  std::optional<std::vector<BYTE>> StoredValueOf(const WideString &printer, int regNum,
                                                 const std::string &valueName) {
    const std::string dataName = store_testing::DataName(regNum, valueName);
    if (Ansi() && regNum != 0)
      return SideFile(host::AnsiFromWide(printer, CP_ACP) + "_" + dataName);
    return PrinterValue(printer, dataName);
  }
};

DEVMODEW *Public(std::vector<BYTE> &devMode) {
  return reinterpret_cast<DEVMODEW *>(devMode.data());
}

// Paper size 200 is not offered: Letter in US English; 2400 dpi is above the best resolution
// 1200; copies 3 are carried; tags 1 to 5 leave the printer's sizes and driver version alone.
TEST_P(PageImportTest, SettingsAreTheFactoryDefaultWithTheItemsFittedToThePrinter) {
  OpenPage(host::kColorPrinterName);
  Import(jzp_testing::FileBytes(
      {Profile("Fitted", jzp_testing::DwordItems({{PFDM_SPEC_VERSION, 1},
                                                  {PFDM_DRIVER_VERSION, 0x0101},
                                                  {PFDM_SIZE, 10},
                                                  {PFDM_DRIVER_EXTRA, 10},
                                                  {PFDM_FIELDS, 0},
                                                  {PFDM_PAPERSIZE, 200},
                                                  {PFDM_COPIES, 3},
                                                  {PFDM_PRINTQUALITY, 2400},
                                                  {PFDM_YRESOLUTION, 2400}}))},
      1));

  std::vector<BYTE> expected = DefaultDevMode(host::kColorPrinterName);
  ASSERT_GT(expected.size(), sizeof(DEVMODEW));
  Public(expected)->dmPaperSize = 1;
  Public(expected)->dmCopies = 3;
  Public(expected)->dmPrintQuality = 1200;
  Public(expected)->dmYResolution = 1200;
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName), expected);
}

TEST_P(PageImportTest, OtherLanguagesTakeA4AndRestrictedModelsStopBelow1200) {
  OpenSession(host::kColorPrinterName);
  session_->SetLanguageId(0x0407);
  session_->model().info.bRestriction = 1;
  ShowPage();
  Import(jzp_testing::FileBytes({Profile("Fitted", jzp_testing::DwordItems({
                                                       {PFDM_PAPERSIZE, 200},
                                                       {PFDM_PRINTQUALITY, 1200},
                                                       {PFDM_YRESOLUTION, 600},
                                                   }))},
                                1));

  std::vector<BYTE> expected = DefaultDevMode(host::kColorPrinterName);
  ASSERT_GT(expected.size(), sizeof(DEVMODEW));
  Public(expected)->dmPaperSize = 9;
  Public(expected)->dmPrintQuality = 600;
  Public(expected)->dmYResolution = 600;
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName), expected);
}

TEST_P(PageImportTest, ZeroAndCustomPaperSizesStayAndNegativeQualityCodesStay) {
  OpenSession(host::kColorPrinterName);
  SetPrinterValue(host::kColorPrinterName, "VtCPSCount", Dword(0), REG_DWORD);
  ShowPage();
  Import(jzp_testing::FileBytes(
      {Profile("Zero",
               jzp_testing::DwordItems({{PFDM_PAPERSIZE, 0}, {PFDM_PRINTQUALITY, DWORD(-3)}})),
       Profile("Custom", jzp_testing::DwordItems({{PFDM_PAPERSIZE, 300}}))},
      2));

  std::vector<BYTE> zero = DefaultDevMode(host::kColorPrinterName);
  ASSERT_GT(zero.size(), sizeof(DEVMODEW));
  std::vector<BYTE> custom = zero;
  Public(zero)->dmPaperSize = 0;
  Public(zero)->dmPrintQuality = -3;
  Public(custom)->dmPaperSize = 300;
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName, 1), zero);
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName, 2), custom)
      << "a printer without a custom table keeps the file's custom size";
}

// A printer whose best resolution is 300 dpi, as the mono model's.
TEST_P(PageImportTest, SixHundredDpiOnAThreeHundredDpiPrinterBecomesThreeHundred) {
  OpenSession(host::kColorPrinterName);
  std::vector<FeatureEntry> &resolutions = session_->model().resolutions;
  std::erase_if(resolutions, [](const FeatureEntry &entry) { return entry.wCode > 300; });
  ASSERT_FALSE(resolutions.empty());
  ShowPage();
  Import(jzp_testing::FileBytes(
      {Profile("Fine",
               jzp_testing::DwordItems({{PFDM_PRINTQUALITY, 600}, {PFDM_YRESOLUTION, 600}}))},
      1));

  std::vector<BYTE> expected = DefaultDevMode(host::kColorPrinterName);
  ASSERT_GT(expected.size(), sizeof(DEVMODEW));
  Public(expected)->dmPrintQuality = 300;
  Public(expected)->dmYResolution = 300;
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName), expected);
}

TEST_P(PageImportTest, CustomSizeOfTheSameNameAndDimensionsReusesThePrintersEntry) {
  OpenPage(host::kColorPrinterName);
  const std::vector<BYTE> printer = *PrinterValue(host::kColorPrinterName, "VtCPSData");
  ASSERT_GE(printer.size(), 2 * sizeof(CustomPaperSize));
  std::vector<BYTE> imported(printer.begin() + sizeof(CustomPaperSize),
                             printer.begin() + 2 * sizeof(CustomPaperSize));
  Import(jzp_testing::FileBytes(
      {Profile("Reuse", jzp_testing::DwordItems({{PFDM_PAPERSIZE, 296}}),
               Concat({jzp_testing::RegItem("VtCPSData", REG_BINARY, imported),
                       jzp_testing::RegItem("VtCPSCount", REG_BINARY, Dword(1))}))},
      1));

  std::vector<BYTE> devMode = ImportedDevMode(host::kColorPrinterName);
  ASSERT_GT(devMode.size(), sizeof(DEVMODEW));
  EXPECT_EQ(Public(devMode)->dmPaperSize, 297);
  EXPECT_EQ(StoredValueOf(host::kColorPrinterName, 1, "VtCPSData"), printer);
  EXPECT_EQ(StoredValueOf(host::kColorPrinterName, 1, "VtCPSCount"),
            Dword(static_cast<DWORD>(printer.size() / sizeof(CustomPaperSize))))
      << "the merged count stands even when the file's count record comes later";
}

TEST_P(PageImportTest, CustomSizeWhoseNameIsTakenIsAddedWithSuffix) {
  OpenPage(host::kColorPrinterName);
  const std::vector<BYTE> printer = *PrinterValue(host::kColorPrinterName, "VtCPSData");
  ASSERT_GE(printer.size(), sizeof(CustomPaperSize));
  CustomPaperSize clash = PaperEntry(printer, 0);
  clash.dwWidth += 1;
  std::vector<BYTE> imported(sizeof clash);
  std::memcpy(imported.data(), &clash, sizeof clash);
  Import(jzp_testing::FileBytes({Profile("Clash", jzp_testing::DwordItems({{PFDM_PAPERSIZE, 296}}),
                                         jzp_testing::RegItem("VtCPSData", REG_BINARY, imported))},
                                1));

  const std::vector<BYTE> table =
      StoredValueOf(host::kColorPrinterName, 1, "VtCPSData").value_or(std::vector<BYTE>{});
  ASSERT_EQ(table.size(), printer.size() + sizeof(CustomPaperSize));
  std::vector<BYTE> devMode = ImportedDevMode(host::kColorPrinterName);
  ASSERT_GT(devMode.size(), sizeof(DEVMODEW));
  const CustomPaperSize added = PaperEntry(table, Public(devMode)->dmPaperSize - 296);
  EXPECT_EQ(std::string(added.szName), std::string(PaperEntry(printer, 0).szName) + "_0");
  EXPECT_EQ(added.dwWidth, clash.dwWidth);
  EXPECT_EQ(StoredValueOf(host::kColorPrinterName, 1, "VtCPSCount"),
            Dword(static_cast<DWORD>(table.size() / sizeof(CustomPaperSize))));
}

// 24 rows before the import: two of the file's four profiles are added, then the notice.
TEST_P(PageImportTest, ImportStopsAtTwentySixProfilesWithOneNotice) {
  std::vector<std::string> users;
  for (int i = 0; i < 23; ++i)
    users.push_back("User " + std::to_string(10 + i));
  StoreProfiles(host::kColorPrinterName, users);
  OpenPage(host::kColorPrinterName);
  Import(jzp_testing::FileBytes(
      {Profile("New 1"), Profile("New 2"), Profile("New 3"), Profile("New 4")}, 4));

  EXPECT_EQ(StoredHeaders(host::kColorPrinterName).size(), 26u);
  EXPECT_EQ(Rows().size(), 26u);
  size_t notices = 0;
  for (const winplat::MessageBoxCall &call : winplat::MessageBoxLog())
    notices += call.text.find(u"up to 25 profiles") != std::u16string::npos;
  EXPECT_EQ(notices, 1u);
}

// A profile exported and imported again, replacing itself, stores the same settings.
TEST_P(PageImportTest, ExportThenImportGivesTheSameStoredSettings) {
  if (tested_windows::IsWine())
    GTEST_SKIP() << "Wine's GetPrinter hands the printer's DEVMODE back with the bytes behind the "
                    "terminators of dmDeviceName and dmFormName filled by its DEVMODEA "
                    "conversion, and the import starts from that DEVMODE";
  OpenPage(host::kColorPrinterName);
  std::vector<BYTE> settings = session_->devModeBytes();
  Public(settings)->dmCopies = 3;
  Public(settings)->dmOrientation = DMORIENT_LANDSCAPE;
  ASSERT_TRUE(session_->SetDevMode(settings.data(), settings.size()));
  operator_.QueueDialog(IDD_PROFILE_PROPERTIES,
                        {winplat::DialogStep::SetText(IDC_PROPERTIES_NAME, u"Office"),
                         winplat::DialogStep::Click(IDOK)});
  Click(IDC_PROFILE_ADD);
  const std::vector<BYTE> before = ImportedDevMode(host::kColorPrinterName);
  ASSERT_GT(before.size(), sizeof(DEVMODEW));
  operator_.QueueSaveFile(kFile);
  Click(IDC_PROFILE_EXPORT);

  operator_.QueueOpenFile(kFile);
  operator_.Queue(IDYES);
  operator_.Queue(IDYES);
  Click(IDC_PROFILE_IMPORT);
  EXPECT_EQ(ImportedDevMode(host::kColorPrinterName), before);
}

// What an import may change: the profile list and the new profile's values (printer data, and
// side files on Windows 98). Everything else must be as before, byte for byte.
class HostileImportTest : public PageImportTest {
 protected:
  // The files an import could write: off Windows the platform layer's whole drive C:. On
  // Windows, whose drive C: holds the system and changes on its own, the folder of the imported
  // file and the spooler's folders, where the drivers keep their files.
  std::map<std::string, std::vector<BYTE>> Files() {
    std::map<std::string, std::vector<BYTE>> files;
    const std::filesystem::path root = tested_windows::HostPath("C:\\");
    const auto keep = [&](const std::filesystem::directory_entry &entry) {
      if (entry.is_regular_file())
        files[entry.path().lexically_relative(root).string()] =
            jzp_testing::ReadBytes(entry.path());
    };
#if defined(_WIN32)
    for (const auto &entry : std::filesystem::directory_iterator(root))
      keep(entry);
    WCHAR spooler[MAX_PATH] = {};
    EXPECT_NE(GetSystemDirectoryW(spooler, MAX_PATH), 0u);
    for (const auto &entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(spooler) / "spool"))
      keep(entry);
#else
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root))
      keep(entry);
#endif
    return files;
  }

  void ExpectOnlyTheNewProfileChanges(const std::vector<BYTE> &file) {
    StoreProfiles(host::kColorPrinterName, {});
    jzp_testing::WriteBytes(tested_windows::HostPath("C:\\import.jzp"), file);
    OpenPage(host::kColorPrinterName);
    const auto count = PrinterValue(host::kColorPrinterName, "JzProfileCount");
    const auto list = PrinterValue(host::kColorPrinterName, "JzProfileData");
    const std::string registry = tested_windows::RegistryText();
    const auto files = Files();
    operator_.QueueOpenFile(kFile);
    operator_.Queue(IDYES);
    Click(IDC_PROFILE_IMPORT);

    // Undo what the import may do; what remains must be what was there.
    std::vector<std::string> sideFiles;
    for (const auto &[name, bytes] : Files())
      if (!files.count(name))
        sideFiles.push_back(name);
    for (const ProfileValueInfo &value : Store(host::kColorPrinterName)->EnumProfileRegValue("", 1))
      if (!Ansi())
        RegDeleteValueW(PrinterDataKey(host::kColorPrinterName, KEY_SET_VALUE).get(),
                        host::Utf16FromUtf8(store_testing::DataName(1, value.name)).c_str());
    RegDeleteValueW(PrinterDataKey(host::kColorPrinterName, KEY_SET_VALUE).get(), WSTR("JZP_0001"));
    SetPrinterValue(host::kColorPrinterName, "JzProfileCount", *count, REG_DWORD);
    SetPrinterValue(host::kColorPrinterName, "JzProfileData", *list);
    EXPECT_EQ(tested_windows::RegistryText(), registry);
    const std::string prefix = "WINDOWS/SYSTEM/JZ Color 5300_JZP_0001_";
    for (const std::string &name : sideFiles)
      EXPECT_TRUE(Ansi() && name.rfind(prefix, 0) == 0) << name;
    auto after = Files();
    for (const std::string &name : sideFiles)
      after.erase(name);
    EXPECT_EQ(after, files);
  }
};

std::vector<BYTE> HostileNames() {
  std::vector<BYTE> registry;
  for (const char *name :
       {"..\\..\\..\\evil", "..\\Printers", "a\\b", "C:\\boot.ini", "c:d", "JzProfileCount",
        "JzProfileData", "JZP_0000_Default DevMode", "Default DevMode", "_Setup", "bell\a", ""})
    registry = Concat({registry, jzp_testing::RegItem(name, REG_BINARY, {1, 2, 3})});
  return Concat({registry, jzp_testing::RegItem(std::string(259, 'L').c_str(), REG_SZ, {4}),
                 jzp_testing::RegItem("VtGood", REG_DWORD, {5, 6})});
}

TEST_P(HostileImportTest, ValueNamesThatAreNotPlainNames) {
  ExpectOnlyTheNewProfileChanges(jzp_testing::FileBytes({Profile("Names", {}, HostileNames())}, 1));
}

TEST_P(HostileImportTest, ValueSizePastTheEndOfTheSection) {
  std::vector<BYTE> item = jzp_testing::RegItem("VtHuge", REG_BINARY, {1, 2, 3, 4});
  const DWORD huge = 0xFFFFFFF0u;
  std::memcpy(item.data() + offsetof(JzpRegItemHeader, dwSize), &huge, sizeof huge);
  ExpectOnlyTheNewProfileChanges(jzp_testing::FileBytes({Profile("Huge", {}, item)}, 1));
}

TEST_P(HostileImportTest, CountsAndSectionSizesPastTheFile) {
  std::vector<BYTE> file = jzp_testing::FileBytes({Profile("Whole"), Profile("Cut")}, 0x7FFF);
  const DWORD huge = 0xFFFFFFFFu;
  std::memcpy(file.data() + file.size() - 268 - sizeof(JzpProfileEntry) + 556, &huge, sizeof huge);
  ExpectOnlyTheNewProfileChanges(file);
}

TEST_P(HostileImportTest, CustomSizeIndexFarPastTheTable) {
  CustomPaperSize size{};
  std::memcpy(size.szName, "Far", 4);
  std::vector<BYTE> table(sizeof size);
  std::memcpy(table.data(), &size, sizeof size);
  ExpectOnlyTheNewProfileChanges(jzp_testing::FileBytes(
      {Profile("Far", jzp_testing::DwordItems({{PFDM_PAPERSIZE, 296 + 100000}}),
               jzp_testing::RegItem("VtCPSData", REG_BINARY, table))},
      1));
}

TEST_P(HostileImportTest, BufferItemLongerThanItsSection) {
  ProfileBytes profile = Profile("Long");
  jzp_testing::AppendBuffer(profile.sections[JZP_SECTION_BUFFERS], PFDM_FORMNAME, "A\0", 2);
  const DWORD huge = 0x7FFFFFFFu;
  std::memcpy(profile.sections[JZP_SECTION_BUFFERS].data() + 4, &huge, sizeof huge);
  ExpectOnlyTheNewProfileChanges(jzp_testing::FileBytes({profile}, 1));
}

INSTANTIATE_TEST_SUITE_P(Platforms, PageImportTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);
INSTANTIATE_TEST_SUITE_P(Platforms, HostileImportTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);

}  // namespace
}  // namespace prfmod::testing
