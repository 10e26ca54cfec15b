// How the host reaches the module: loading it, its registration store and page hosting.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/demo_machine.h"
#include "apply/private_data.h"
#include "host/module_library.h"
#include "host/module_registry.h"
#include "host/printer_model.h"
#include "host/property_sheet.h"
#include "host/text_convert.h"

namespace host::testing {
namespace {

using ModuleHostTest = DemoMachineTest;

TEST_F(ModuleHostTest, RegistryEntriesAreStoredReadAndDeletedByName) {
  RegistrationStore store(ColorLaserModel().driverName);
  auto registry = MakeModuleRegistry(store, true);
  ModuleRegistryEntry entry{};
  entry.dwSize = sizeof entry;
  entry.dwModuleId = 1232;
  std::strcpy(entry.szUiModule, "PRFMOD32.dll");
  ASSERT_TRUE(registry->SetModuleRegistryEntry("FeatureSet4", reinterpret_cast<BYTE *>(&entry)));

  BYTE read[160] = {};
  ASSERT_TRUE(registry->GetModuleRegistryEntry("FeatureSet4", read));
  EXPECT_EQ(std::memcmp(read, &entry, sizeof entry), 0);
  EXPECT_FALSE(registry->GetModuleRegistryEntry("FeatureSet5", read));

  registry->DeleteModuleRegistryEntry("FeatureSet", 4);
  EXPECT_FALSE(registry->GetModuleRegistryEntry("FeatureSet4", read));
  EXPECT_TRUE(registry->CanInstallModule());
  EXPECT_FALSE(MakeModuleRegistry(store, false)->CanInstallModule());

  WCHAR wide[MAX_PATH];
  registry->AnsiToWide(wide, "C:\\Caf\xe9", 0);
  EXPECT_EQ(std::u16string(wide), u"C:\\Café");
}

TEST_F(ModuleHostTest, ModuleLoadsBesideTheHostWithItsVersion) {
  std::string error;
  auto library = ModuleLibrary::Load(kModuleFileName, &error);
  ASSERT_TRUE(library) << error;
  EXPECT_NE(library->dllMain, nullptr);
  std::u16string path = library->path();
  EXPECT_TRUE(path.ends_with(u"\\PRFMOD32.dll")) << Utf8FromUtf16(path);
  EXPECT_EQ(GetProcAddress(library->handle(), "g_hModuleInstance"), nullptr);
  EXPECT_NE(ReadFileVersion(path.c_str()), 0u);
  EXPECT_EQ(ReadFileVersion(u"C:\\WINDOWS\\no such file.dll"), 0u);
  EXPECT_FALSE(ModuleLibrary::Load(u"NOSUCH32.dll", &error));
  EXPECT_NE(error.find("NOSUCH32.dll"), std::string::npos);
}

// A control set that records what the host asks of it.
class RecordingControlSet : public CControlSet {
 public:
  std::vector<std::string> *calls;
  CPage *page;
  explicit RecordingControlSet(std::vector<std::string> *log, CPage *offered) : calls(log), page(offered) {}
  ~RecordingControlSet() override { calls->push_back("delete"); }
  void SetHostValue(DWORD) override {}
  DWORD GetHostValue() override { return 0; }
  int GetPageCount(DWORD mask) override {
    calls->push_back("GetPageCount " + std::to_string(mask));
    return 2;
  }
  void SetDriverContext(DriverContext *) override { calls->push_back("SetDriverContext"); }
  CPage *GetPage(int index, DWORD) override {
    calls->push_back("GetPage " + std::to_string(index));
    return index == 0 ? page : nullptr;
  }
  DriverContext *GetDriverContext() override { return nullptr; }
  void SetUIManager(UIManager *) override { calls->push_back("SetUIManager"); }
  UIManager *GetUIManager() override { return nullptr; }
  void CheckPrivateData(UIManager *) override { calls->push_back("CheckPrivateData"); }
  void VerifyPrivateData(DWORD) override {}
  void Unnamed11(DWORD) override {}
  void DevModeChanged(UIManager *) override {}
  void PrivateDataChanged(DWORD) override {}
  void InvalidateDevMode() override { calls->push_back("InvalidateDevMode"); }
  void Unnamed15() override {}
  void Unnamed16(DWORD) override {}
  void Unnamed17(DWORD, DWORD, DWORD) override {}
  void Unnamed18() override {}
};

TEST_F(ModuleHostTest, PropertySheetHandsTheControlSetItsHostObjectsThenCollectsPages) {
  std::string error;
  auto session = PrinterSession::Open(kColorPrinterName, {}, &error);
  ASSERT_TRUE(session) << error;
  std::vector<std::string> calls;
  CPage *fakePage = reinterpret_cast<CPage *>(&calls);  // only compared, never called
  {
    PropertySheet sheet(*session, new RecordingControlSet(&calls, fakePage));
    EXPECT_EQ(sheet.pages(), std::vector<CPage *>{fakePage});
    session->uiManager()->RemovePrivateData(PRIVATE_DATA_ID_PROFIL, 0);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"SetDriverContext", "SetUIManager", "CheckPrivateData",
                                             "GetPageCount 3", "GetPage 0", "GetPage 1",
                                             "InvalidateDevMode", "delete"}));
  EXPECT_EQ(session->controlSet(), nullptr);
}

}  // namespace
}  // namespace host::testing
