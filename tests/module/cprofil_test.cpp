// The module's UI class: the kind of UI it supports and the profile list it builds for a host.
#include <gtest/gtest.h>

#include <cstring>

#include "support/demo_machine.h"
#include "host/printer_session.h"
#include "module/cprofil.h"
#include "store/profile_list.h"

namespace {

class HostWithoutManager final : public UIClassHost {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  UIManager *GetUIManager() override { return nullptr; }
};

TEST(CProfilTest, SupportsOnlyUiKindFour) {
  CProfil profil;
  for (DWORD kind : {0u, 1u, 3u, 5u, 0xFFFFFFFFu})
    EXPECT_FALSE(profil.SupportsType(kind)) << kind;
  EXPECT_TRUE(profil.SupportsType(4));
}

TEST(CProfilTest, NullHostBuildsNoList) {
  CProfil profil;
  profil.SetHost(nullptr);
  EXPECT_EQ(profil.GetProfileList(), nullptr);
}

TEST(CProfilTest, HostWithoutManagerStillGetsAListThatCannotLoad) {
  HostWithoutManager host;
  CProfil profil;
  profil.SetHost(&host);
  ProfileList *list = profil.GetProfileList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetUIManager(), nullptr);
  EXPECT_EQ(list->GetDriverSettings(), nullptr);
  EXPECT_EQ(list->GetDevMode(), nullptr);
  EXPECT_FALSE(list->Load());
}

class CProfilSessionTest : public host::testing::DemoMachineTest {};

TEST_F(CProfilSessionTest, ListIsBoundToTheHostsManagerButNotLoaded) {
  std::string error;
  auto session = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
  ASSERT_TRUE(session) << error;
  DWORD count = 1;
  ProfileHeader stored{};
  std::strcpy(stored.strProfileName, "Office");
  ASSERT_TRUE(session->uiManager()->WritePrinterValue("JzProfileCount", REG_DWORD, &count, 4));
  ASSERT_TRUE(
      session->uiManager()->WritePrinterValue("JzProfileData", REG_BINARY, &stored, sizeof stored));

  CUIModule *module = new CProfil();
  module->SetHost(session->uiClassHost());
  ProfileList *list = static_cast<CProfil *>(module)->GetProfileList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetDevMode(), session->devMode());
  EXPECT_EQ(list->GetDriverSettings(), session->mainBlock());
  EXPECT_EQ(list->Count(), 0);
  ASSERT_TRUE(list->Load());
  EXPECT_NE(list->Find("Office"), nullptr);

  module->SetHost(session->uiClassHost());  // a new host gets a new, unloaded list
  EXPECT_EQ(static_cast<CProfil *>(module)->GetProfileList()->Count(), 0);
  module->DeletingDestructor(BOUNDARY_DELETE_MEMORY);  // through slot 0, as the host does
}

}  // namespace
