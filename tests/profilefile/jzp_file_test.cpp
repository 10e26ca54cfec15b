// Profile files written and read by the profile store on the demo machine: export, append,
// header-only files, lookups by name, and ManageProfile rebuilding the stored settings.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#if !defined(_WIN32)
#include <winplat/config.h>
#endif

#include "host/text_convert.h"
#include "profilefile/jzp_test_support.h"
#include "profilefile/manage_profile.h"
#include "store/store_test_support.h"

namespace jzp_testing {
namespace {

using store_testing::Header;
using store_testing::Pattern;
using tested_windows::WindowsVersion;

class JzpFileTest : public store_testing::StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    path_ = (folder_ / "profiles.jzp").string();
    office_ = DevModeBytes::ColorDefault();
    office_.dm()->dmDuplex = DMDUP_VERTICAL;
    office_.dm()->dmOrientation = DMORIENT_LANDSCAPE;
    office_.main()->wOutBinIdx = 2;
    office_.main()->abStapling[0] = 1;
    office_.block(PRIVATE_DATA_ID_WATERMARK)[24] = 9;
    StoreHeaders(host::kColorPrinterName,
                 {Header("Factory Default", 0), Header("Office", 1, "Duplex and stapled"),
                  Header("Plain", 2)},
                 3);
    auto store = Store(host::kColorPrinterName);
    store->SaveProfileRegValue("Office", 1, "Default DevMode", office_.bytes.data(), office_.size(),
                               REG_BINARY);
    store->SaveProfileRegValue("Office", 1, "VtCPSData", Pattern(96, 1).data(), 96, REG_BINARY);
    store->SaveProfileRegValue("Office", 1, "_Setup", Pattern(20, 2).data(), 20, REG_BINARY);
    const DevModeBytes plain = DevModeBytes::ColorDefault();
    store->SaveProfileRegValue("Plain", 2, "Default DevMode", plain.bytes.data(), plain.size(),
                               REG_BINARY);
  }

  bool Open(VTPROFJZP &store, DWORD mode) {
    if (Ansi())
      return store.OpenJzpFile(path_.c_str(), mode);
    return store.OpenJzpFile(host::Utf16FromUtf8(path_).c_str(), mode);
  }

  void Export(std::initializer_list<const char *> names) {
    auto store = Store(host::kColorPrinterName);
    ASSERT_TRUE(Open(*store, JZP_MODE_EXPORT));
    std::vector<std::array<char, 32>> slots;
    for (const char *name : names) {
      slots.emplace_back();
      std::strncpy(slots.back().data(), name, 31);
    }
    EXPECT_EQ(store->ExportProfilesToJZP(reinterpret_cast<const char(*)[32]>(slots.data()),
                                         static_cast<DWORD>(slots.size())),
              0);
    store->CloseJzpFile();
  }

  JzpHead Head() {
    JzpHead head{};
    const std::vector<BYTE> bytes = ReadBytes(path_);
    EXPECT_GE(bytes.size(), sizeof head);
    std::memcpy(&head, bytes.data(), std::min(bytes.size(), sizeof head));
    return head;
  }

  std::string path_;
  DevModeBytes office_;
};

TEST_P(JzpFileTest, ExportedProfilesReadBackWithTheirSectionsAndSettings) {
  if (tested_windows::IsWine())
    GTEST_SKIP() << "Wine's GetPrinter hands the printer's DEVMODE back with the bytes behind "
                    "dmDeviceName's terminator filled by its DEVMODEA conversion";
  Export({"Office", "Missing", "Plain"});
  const JzpHead head = Head();
  EXPECT_EQ(head.nProfCount, 2);
  EXPECT_EQ(head.wDriverVersion, 0x0340);
  EXPECT_STREQ(head.szModel, "JZ Color 5300 PS");

  auto store = Store(host::kColorPrinterName);
  ASSERT_TRUE(Open(*store, JZP_MODE_READ));
  EXPECT_EQ(head.wLanguage, store->GetLanguageCode());
  char names[2][32], descriptions[2][512];
  ASSERT_EQ(store->GetProfileDataFromJZP(names, descriptions, 2), 2);
  EXPECT_STREQ(names[0], "Office");
  EXPECT_STREQ(names[1], "Plain");
  EXPECT_STREQ(descriptions[0], "Duplex and stapled");

  // The default profile's settings give an empty Section 1, no values give an empty Section 3,
  // and a missing "_Setup" a Section 4 of one empty record.
  JzpProfileEntry plain;
  ASSERT_TRUE(store->FindProfileEntry("PLAIN", &plain));
  EXPECT_EQ(plain.adwSectionSize[JZP_SECTION_ITEMS], 0u);
  EXPECT_GT(plain.adwSectionSize[JZP_SECTION_BUFFERS], 0u);
  EXPECT_EQ(plain.adwSectionSize[JZP_SECTION_REGISTRY], 0u);
  EXPECT_EQ(plain.adwSectionSize[JZP_SECTION_SETUP], 268u);
  EXPECT_STREQ(plain.szModel, "JZ Color 5300 PS");

  JzpProfileEntry office;
  ASSERT_TRUE(store->FindProfileEntry("office", &office));
  EXPECT_EQ(office.adwSectionSize[JZP_SECTION_REGISTRY], 268u + 96);
  EXPECT_EQ(office.adwSectionSize[JZP_SECTION_SETUP], 268u + 20);
  ASSERT_TRUE(store->SeekProfileSection("Office", JZP_SECTION_REGISTRY));
  JzpRegItemHeader value;
  ASSERT_EQ(store->ReadProfileData(reinterpret_cast<BYTE *>(&value), sizeof value), 268u);
  EXPECT_STREQ(value.szValueName, "VtCPSData");
  EXPECT_EQ(value.dwType, DWORD{REG_BINARY});
  std::vector<BYTE> data(value.dwSize);
  EXPECT_EQ(store->ReadProfileData(data.data(), value.dwSize), 96u);
  EXPECT_EQ(data, Pattern(96, 1));
  ASSERT_TRUE(store->SeekProfileSection("Office", JZP_SECTION_SETUP));
  store->ReadProfileData(reinterpret_cast<BYTE *>(&value), sizeof value);
  EXPECT_STREQ(value.szValueName, "_Setup");
  EXPECT_EQ(value.dwSize, 20u);
  store->CloseJzpFile();

  VTPROFJZP reading(nullptr, host::kColorPrinterName, nullptr, nullptr);
  ManageProfile reader(
      std::vector<BYTE>(reading.GetDefaultDevModeBuffer(),
                        reading.GetDefaultDevModeBuffer() + reading.GetDefaultDevModeBufferSize()),
      reading.NewJzpHead());
  ASSERT_EQ(reader.OpenProfile(host::Utf16FromUtf8(path_).c_str(), JZP_MODE_READ), 0);
  ASSERT_TRUE(reader.FindProfileEntry("Office", &office));
  ASSERT_TRUE(reader.LoadProfile(office));
  EXPECT_EQ(reader.GetItemCount(), office.adwSectionSize[JZP_SECTION_ITEMS] / 8);
  std::vector<BYTE> rebuilt(office_.size());
  ASSERT_TRUE(reader.CopyProfileToDevModeW(rebuilt.data(), office_.size(),
                                           reader.GetSection1().data(), office.adwSectionSize[0],
                                           reader.GetSection2().data(), office.adwSectionSize[1]));
  EXPECT_EQ(rebuilt, office_.bytes);
  // A target smaller than the printer's default DEVMODE is refused untouched.
  std::vector<BYTE> small(office_.size() - 1, 0x77);
  EXPECT_FALSE(
      reader.CopyProfileToDevModeW(small.data(), office_.size() - 1, nullptr, 0, nullptr, 0));
  EXPECT_EQ(small, std::vector<BYTE>(office_.size() - 1, 0x77));
  reader.CloseProfile();
}

// Linux only: the platform layer plays the user's locale, which a Windows system has one of.
#if !defined(_WIN32)
// The header's driver version, language and model as the file holds them (offsets 8, 10, 16).
struct HeadFields {
  WORD driverVersion, language;
  std::string model;
  bool operator==(const HeadFields &) const = default;
  friend void PrintTo(const HeadFields &head, std::ostream *out) {
    *out << std::hex << "version 0x" << head.driverVersion << ", language 0x" << head.language
         << ", model \"" << head.model << '"';
  }
};

HeadFields HeadBytes(const std::vector<BYTE> &file) {
  EXPECT_GE(file.size(), 144u);
  if (file.size() < 144)
    return {};
  const char *model = reinterpret_cast<const char *>(file.data() + 16);
  return {static_cast<WORD>(file[8] | file[9] << 8), static_cast<WORD>(file[10] | file[11] << 8),
          std::string(model, strnlen(model, 128))};
}

// The user's language as the stores read it when they are built; English again afterwards.
class UserLanguage {
 public:
  explicit UserLanguage(LANGID language) {
    winplat::SetUserDefaultLocale(MAKELCID(language, SORT_DEFAULT));
  }
  ~UserLanguage() {
    winplat::SetUserDefaultLocale(
        MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  }
};

// Appending keeps the header the file was written with, even from a printer of another model
// and a user of another language; replacing writes the new writer's header.
TEST_P(JzpFileTest, AppendKeepsTheHeaderAndReplaceStartsAfresh) {
  Export({"Office"});
  EXPECT_EQ(HeadBytes(ReadBytes(path_)), (HeadFields{0x0340, 0x09, "JZ Color 5300 PS"}));
  const UserLanguage japanese(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
  const DevModeBytes mono{host::MonoLaserModel().DefaultDevMode()};
  StoreHeaders(host::kMonoPrinterName, {Header("Factory Default", 0), Header("Mono", 1)}, 2);
  auto monoStore = Store(host::kMonoPrinterName);
  ASSERT_EQ(monoStore->GetLanguageCode(), 0x11u);
  monoStore->SaveProfileRegValue("Mono", 1, "Default DevMode", mono.bytes.data(), mono.size(),
                                 REG_BINARY);
  ASSERT_TRUE(Open(*monoStore, JZP_MODE_WRITE));
  EXPECT_EQ(monoStore->SaveProfileToJZP("Mono"), 0);
  monoStore->CloseJzpFile();

  std::vector<BYTE> file = ReadBytes(path_);
  EXPECT_EQ(HeadBytes(file), (HeadFields{0x0340, 0x09, "JZ Color 5300 PS"}));
  EXPECT_EQ(file[12] | file[13] << 8, 2);
  auto reader = Store(host::kColorPrinterName);
  ASSERT_TRUE(Open(*reader, JZP_MODE_READ));
  char names[2][32];
  ASSERT_EQ(reader->GetProfileDataFromJZP(names, nullptr, 2), 2);
  EXPECT_STREQ(names[1], "Mono");
  reader->CloseJzpFile();

  // Replacing writes a header of the mono printer and its user, and nothing else.
  ASSERT_TRUE(Open(*monoStore, JZP_MODE_EXPORT));
  monoStore->CloseJzpFile();
  file = ReadBytes(path_);
  EXPECT_EQ(file.size(), sizeof(JzpHead));
  EXPECT_EQ(HeadBytes(file), (HeadFields{0x0210, 0x11, "JZ Mono 2100"}));
  EXPECT_EQ(file[12] | file[13] << 8, 0);
  ASSERT_TRUE(Open(*reader, JZP_MODE_READ));
  EXPECT_EQ(reader->GetProfileDataFromJZP(nullptr, nullptr, 0), 0);
}
#endif

TEST_P(JzpFileTest, NothingIsWrittenForUnknownProfilesOrWithoutADefaultDevMode) {
  Export({"Nobody"});
  EXPECT_EQ(ReadBytes(path_).size(), sizeof(JzpHead));
  EXPECT_EQ(Head().nProfCount, 0);

  VTPROFJZP unnamed(nullptr, static_cast<LPCSTR>(nullptr), nullptr, nullptr);
  ASSERT_TRUE(Open(unnamed, JZP_MODE_WRITE));
  EXPECT_EQ(unnamed.SaveProfileToJZP("Office"), -1);
  unnamed.CloseJzpFile();
  EXPECT_EQ(ReadBytes(path_).size(), sizeof(JzpHead));

  auto store = Store(host::kColorPrinterName);
  EXPECT_EQ(store->GetProfileDataFromJZP(nullptr, nullptr, 0), -1);
  std::filesystem::remove(path_);
  EXPECT_FALSE(Open(*store, JZP_MODE_READ));
}

TEST_P(JzpFileTest, LookupsIgnoreCaseAndTakeTheFirstEntry) {
  ProfileBytes first{"Office", {DwordItems({{PFDM_COPIES, 2}}), {}, {}, RegItem("_Setup", 3, {})}};
  ProfileBytes second{"OFFICE", {DwordItems({{PFDM_COPIES, 3}}), {}, {}, RegItem("_Setup", 3, {})}};
  WriteBytes(path_, FileBytes({first, second}, 2));
  auto store = Store(host::kColorPrinterName);
  ASSERT_TRUE(Open(*store, JZP_MODE_READ));
  for (const char *name : {"office", "OFFICE", "Office"}) {
    std::vector<BYTE> items(8), buffers(1);
    ASSERT_TRUE(store->ReadProfileSections(name, items.data(), 8, buffers.data(), 1)) << name;
    EXPECT_EQ(ReadJzpDwordItems(ByteReader(items))[0].dwValue, 2u) << name;
  }
  std::vector<BYTE> tooSmall(7);
  EXPECT_FALSE(store->ReadProfileSections("Office", tooSmall.data(), 7, nullptr, 0));
  EXPECT_FALSE(store->SeekProfileSection("Office", 4));
  JzpProfileEntry entry;
  EXPECT_FALSE(store->FindProfileEntry("Offic", &entry));
}

INSTANTIATE_TEST_SUITE_P(Platforms, JzpFileTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);

}  // namespace
}  // namespace jzp_testing
