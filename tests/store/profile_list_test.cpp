// The page's profile list: sorted storage through the host, renaming of user profiles that
// carry the default profile's name, free registry numbers and damaged stored lists.
#include <gtest/gtest.h>

#include <cstring>

#include "abi/wide.h"
#include "store/store_test_support.h"

namespace store_testing {
namespace {

using tested_windows::WindowsVersion;

class ProfileListTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    session_ = Open(host::kColorPrinterName);
    manager_ = std::make_unique<OverridingUIManager>(session_->uiManager());
    page_ = std::make_unique<FakePage>(*session_, manager_.get());
  }

  ProfileList &List() { return page_->list(); }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (ProfileNode *node = List().First(); node != nullptr; node = node->pNext)
      names.push_back(node->header.strProfileName);
    return names;
  }

  std::vector<std::string> StoredNames() {
    std::vector<std::string> names;
    std::optional<std::vector<BYTE>> data = PrinterValue(host::kColorPrinterName, "JzProfileData");
    if (!data)
      return names;
    for (size_t at = 0; at + sizeof(ProfileHeader) <= data->size(); at += sizeof(ProfileHeader))
      names.push_back(reinterpret_cast<const char *>(data->data() + at));
    return names;
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<OverridingUIManager> manager_;
  std::unique_ptr<FakePage> page_;
};

// One stored header as its 556 bytes: name at 0, description at 32, icon at 544, colour at 548,
// registry number at 552; every other byte zero.
std::vector<BYTE> StoredHeader(const std::string &name, const std::string &info, DWORD icon,
                               DWORD color, LONG regNum) {
  std::vector<BYTE> bytes(556, 0);
  std::memcpy(bytes.data(), name.data(), name.size());
  std::memcpy(bytes.data() + 32, info.data(), info.size());
  std::memcpy(bytes.data() + 544, &icon, 4);
  std::memcpy(bytes.data() + 548, &color, 4);
  std::memcpy(bytes.data() + 552, &regNum, 4);
  return bytes;
}

TEST_P(ProfileListTest, SaveNotifiesThenWritesTheCountThenTheHeadersInCaseInsensitiveOrder) {
  for (const char *name : {"beta", "Factory Default", "gamma", "Alpha", "delta", "Delta 2"}) {
    ProfileHeader header =
        Header(name, std::strcmp(name, "Factory Default") == 0 ? 0 : List().GetAvailableRegNum());
    ASSERT_NE(List().Insert(&header), nullptr);
  }
  manager_->calls.clear();
  ASSERT_TRUE(List().Save());

  EXPECT_EQ(manager_->calls, (std::vector<std::string>{
                                 "NotifyChange(0)", "WritePrinterValue(JzProfileCount, 4, 4)",
                                 "WritePrinterValue(JzProfileData, 3, 3336)",  // 6 x 556
                             }));
  const std::vector<std::string> sorted = {"Alpha",           "beta", "delta", "Delta 2",
                                           "Factory Default", "gamma"};
  EXPECT_EQ(Names(), sorted);
  EXPECT_EQ(StoredNames(), sorted);
  EXPECT_EQ(*PrinterValue(host::kColorPrinterName, "JzProfileCount"), Bytes({6, 0, 0, 0}));
  EXPECT_EQ(List().ReadCount(), 6u);
}

TEST_P(ProfileListTest, NodesAndStoredHeadersHoldZerosBehindTheEndOfEveryText) {
  manager_->stringId = IDS_DEFAULT_PROFILE_NAME;
  manager_->text = WSTR("Standard");
  ProfileHeader builtIn = Header("Factory Default", 0, "Driver defaults");
  // Headers as a caller may fill them: the bytes behind the texts hold what the buffer held.
  ProfileHeader renamed = Header("Standard", 1, "Mine");
  ProfileHeader office = Header("Office", 2, "Letters");
  for (ProfileHeader *header : {&renamed, &office}) {
    const size_t name = std::strlen(header->strProfileName) + 1;
    const size_t info = std::strlen(header->strProfileInfo) + 1;
    std::memset(header->strProfileName + name, 0xA5, sizeof header->strProfileName - name);
    std::memset(header->strProfileInfo + info, 0x5A, sizeof header->strProfileInfo - info);
  }
  office.nProfileIcon = 7;
  office.rgbIconColor = 0x00336699;
  for (ProfileHeader *header : {&builtIn, &renamed, &office})
    ASSERT_NE(List().Insert(header), nullptr);
  ASSERT_TRUE(List().Save());

  const std::vector<std::vector<BYTE>> headers = {
      StoredHeader("Factory Default", "Driver defaults", 0, 0, 0),
      StoredHeader("Office", "Letters", 7, 0x00336699, 2),
      StoredHeader("Standard (0)", "Mine", 0, 0, 1)};
  std::vector<BYTE> expected;
  const ProfileNode *node = List().First();
  for (const std::vector<BYTE> &header : headers) {
    ASSERT_NE(node, nullptr);
    const BYTE *bytes = reinterpret_cast<const BYTE *>(&node->header);
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + sizeof(ProfileHeader)), header);
    expected.insert(expected.end(), header.begin(), header.end());
    node = node->pNext;
  }
  EXPECT_EQ(*PrinterValue(host::kColorPrinterName, "JzProfileData"), expected);
}

TEST_P(ProfileListTest, LoadGivesBackWhatSaveStoredWithTheFirstStoredHeaderAsDefault) {
  StoreHeaders(
      host::kColorPrinterName,
      {Header("Factory Default", 0, "defaults"), Header("Zeta", 2, "z"), Header("Office", 1, "o")},
      3);
  ASSERT_TRUE(List().Load());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Factory Default", "Office", "Zeta"}));
  ASSERT_NE(List().DefaultNode(), nullptr);
  EXPECT_STREQ(List().DefaultNode()->header.strProfileInfo, "defaults");

  ASSERT_TRUE(List().Save());
  ProfileList reloaded(nullptr, TextPolicy::ForPage(false, CP_ACP), session_->uiManager(), nullptr,
                       nullptr);
  ASSERT_TRUE(reloaded.Load());
  ProfileNode *a = List().First();
  for (ProfileNode *b = reloaded.First(); a != nullptr && b != nullptr; a = a->pNext, b = b->pNext)
    EXPECT_EQ(std::memcmp(&a->header, &b->header, sizeof(ProfileHeader)), 0);
  EXPECT_EQ(reloaded.Count(), 3);
  EXPECT_EQ(reloaded.DefaultNode(), reloaded.First());
  EXPECT_TRUE(List().Load());  // loading again replaces the nodes
  EXPECT_EQ(List().Count(), 3);
}

TEST_P(ProfileListTest, UserProfileWithTheDefaultNameTakesTheFirstFreeNumberedName) {
  struct Case {
    std::vector<const char *> present;
    const char *name;
    LONG regNum;
    const char *expected;
  } cases[] = {
      {{}, "Factory Default", 4, "Factory Default (0)"},
      {{"Factory Default (0)"}, "Factory Default", 4, "Factory Default (1)"},
      {{"Factory Default (0)", "Factory Default (1)"}, "Factory Default", 4, "Factory Default (2)"},
      {{"Factory Default"}, "Factory Default", 0, "Factory Default"},  // the built-in entry
      {{}, "factory default", 4, "factory default"},                   // case counts
      {{}, "Office", 4, "Office"},
  };
  for (const Case &c : cases) {
    List().Clear();
    for (const char *name : c.present) {
      ProfileHeader present = Header(name, 9);
      List().Insert(&present);
    }
    ProfileHeader header = Header(c.name, c.regNum);
    ProfileNode *node = List().Insert(&header);
    ASSERT_NE(node, nullptr);
    EXPECT_STREQ(node->header.strProfileName, c.expected);
    EXPECT_STREQ(header.strProfileName, c.expected);
  }
}

TEST_P(ProfileListTest, StoredUserProfileWithTheDefaultNameIsRenamedOnLoad) {
  StoreHeaders(host::kColorPrinterName,
               {Header("Factory Default", 0), Header("Factory Default", 3)}, 2);
  ASSERT_TRUE(List().Load());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Factory Default", "Factory Default (0)"}));
  EXPECT_EQ(List().Find("Factory Default (0)")->header.nProfRegNum, 3);
}

TEST_P(ProfileListTest, NumberedNameIsCutToFitWithoutSplittingACharacter) {
  OverridingUIManager manager(session_->uiManager());
  manager.stringId = IDS_DEFAULT_PROFILE_NAME;
  FakeControlSet controlSet(&manager);
  struct Case {
    UINT codePage;
    WideString defaultName;
    size_t keptBytes;  // of the ANSI name, in front of " (0)"
  } cases[] = {
      {1252, WSTR("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"), 27},
      // fifteen double-byte characters: a 27th byte would split the fourteenth
      {932, WideString(15, u'\u3042'), 26},
  };
  for (const Case &c : cases) {
    manager.text = c.defaultName;
    ProfileList list(&controlSet, TextPolicy::ForPage(false, c.codePage), &manager, nullptr,
                     nullptr);
    const std::string ansi = host::AnsiFromWide(c.defaultName, c.codePage);
    ASSERT_EQ(ansi.size(), 30u + (c.codePage == 1252));
    ProfileHeader header = Header(ansi.c_str(), 2);
    ProfileNode *node = list.Insert(&header);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(std::string(node->header.strProfileName), ansi.substr(0, c.keptBytes) + " (0)");
  }
}

TEST_P(ProfileListTest, AvailableRegistryNumberIsTheLowestUnused) {
  struct Case {
    std::vector<LONG> used;
    int expected;
  } cases[] = {{{}, 1}, {{0}, 1}, {{0, 1, 2, 4}, 3}, {{0, 3, 1, 2}, 4}, {{2}, 1}};
  for (const Case &c : cases) {
    List().Clear();
    int i = 0;
    for (LONG number : c.used) {
      ProfileHeader header = Header(("P" + std::to_string(i++)).c_str(), number);
      List().Insert(&header);
    }
    EXPECT_EQ(List().GetAvailableRegNum(), c.expected) << c.used.size();
  }
}

TEST_P(ProfileListTest, NamesAreFoundAndRemovedOnlyWhenTheyMatchExactly) {
  for (const char *name : {"Factory Default", "Office", "Draft"}) {
    ProfileHeader header = Header(name, List().Count());
    List().Insert(&header);
  }
  EXPECT_EQ(List().IndexOf("Office"), 2);
  EXPECT_EQ(List().IndexOf("office"), -1);
  EXPECT_EQ(List().Find("DRAFT"), nullptr);
  EXPECT_FALSE(List().Remove("office"));
  EXPECT_TRUE(List().Remove("Office"));
  EXPECT_FALSE(List().Remove("Office"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Draft", "Factory Default"}));
  EXPECT_EQ(List().Count(), 2);
}

TEST_P(ProfileListTest, RemovingTheDefaultEntryForgetsIt) {
  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0), Header("Office", 1)}, 2);
  ASSERT_TRUE(List().Load());
  ASSERT_TRUE(List().Remove("Factory Default"));
  EXPECT_EQ(List().DefaultNode(), nullptr);
}

TEST_P(ProfileListTest, MissingOrEmptyStoredListDoesNotLoad) {
  EXPECT_FALSE(List().Load());
  EXPECT_EQ(List().ReadCount(), 0u);

  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0)}, 0);
  EXPECT_FALSE(List().Load());

  StoreHeaders(host::kColorPrinterName, {}, 1);
  EXPECT_FALSE(List().Load());

  SetPrinterValue(host::kColorPrinterName, "JzProfileData", std::vector<BYTE>(555, 'A'));
  EXPECT_FALSE(List().Load());
  EXPECT_EQ(List().Count(), 0);
}

TEST_P(ProfileListTest, StoredCountAndArrayThatDisagreeLoadOnlyWholeCountedHeaders) {
  std::vector<ProfileHeader> headers = {Header("Factory Default", 0), Header("B", 1),
                                        Header("C", 2)};
  std::memset(headers[1].strProfileName, 'B', sizeof headers[1].strProfileName);  // no end
  struct Case {
    DWORD count;
    size_t cut;  // bytes taken off the stored array
    int loaded;
  } cases[] = {{3, 0, 3}, {1, 0, 1}, {0xFFFFFFFF, 0, 3}, {3, 1, 2}, {7, 556 + 100, 1}};
  for (const Case &c : cases) {
    StoreHeaders(host::kColorPrinterName, headers, c.count);
    std::vector<BYTE> data = *PrinterValue(host::kColorPrinterName, "JzProfileData");
    data.resize(data.size() - c.cut);
    SetPrinterValue(host::kColorPrinterName, "JzProfileData", data);
    ASSERT_TRUE(List().Load()) << c.count << " " << c.cut;
    EXPECT_EQ(List().Count(), c.loaded) << c.count << " " << c.cut;
  }
  StoreHeaders(host::kColorPrinterName, headers, 3);
  ASSERT_TRUE(List().Load());
  EXPECT_NE(List().Find(std::string(31, 'B').c_str()), nullptr);
}

TEST_P(ProfileListTest, EmptyListSavesItsCountButReportsFailure) {
  StoreHeaders(host::kColorPrinterName, {Header("Factory Default", 0)}, 1);
  EXPECT_FALSE(List().Save());
  EXPECT_EQ(List().ReadCount(), 0u);
}

TEST_P(ProfileListTest, ListWithoutAManagerNeitherLoadsNorSaves) {
  ProfileList list(nullptr, TextPolicy::ForPage(false, CP_ACP), nullptr, nullptr, nullptr);
  ProfileHeader header = Header("Office", 1);
  ASSERT_NE(list.Insert(&header), nullptr);
  EXPECT_FALSE(list.Save());
  EXPECT_FALSE(list.Load());
  EXPECT_EQ(list.ReadCount(), 0u);
  EXPECT_EQ(list.Insert(nullptr), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Platforms, ProfileListTest, tested_windows::NtAnd98(), PlatformName);

}  // namespace
}  // namespace store_testing
