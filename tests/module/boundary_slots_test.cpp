// The objects the host and the module call each other through, called here as the other side
// calls them: through the raw vtable, by the slot numbers of the contract (tests/support/
// boundary_slots.h), never through the interface header. Each call's effect is checked, and each
// test ends by checking that every slot of its interface was reached.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <set>
#include <string>

#include <commctrl.h>
#include <winplat/registry.h>

#include "abi/wide.h"
#include "host/module_registry.h"
#include "host/printer_session.h"
#include "host/registration_store.h"
#include "module/control_set_profil.h"
#include "module/cprofil.h"
#include "module/fake_ui_manager.h"
#include "abi/host_records.h"
#include "module/module_state.h"
#include "page/profile_page.h"
#include "store/profile_list.h"
#include "support/boundary_slots.h"
#include "support/demo_machine.h"

namespace prfmod::testing {
namespace {

constexpr WORD kProfileBlock = 40000;
constexpr ProfilePrivateData kValidBlock = {0x56745064, kProfileBlock, 0, 256, 0, 16};

class BoundarySlotsTest : public host::testing::DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    InitCommonControls();
    std::string error;
    session_ = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    ASSERT_TRUE(session_) << error;
  }
  void TearDown() override {
    session_.reset();
    DemoMachineTest::TearDown();
  }

  // Slot 0 with flags 0 destroys without freeing: the storage can take the object again.
  template <class Object>
  void DestroyInPlace(const char *interfaceName, Object *object) {
    EXPECT_EQ((slots_.Call<void *>(object, interfaceName, "deleting destructor", 0u)), object);
  }

  std::unique_ptr<host::PrinterSession> session_;
  SlotCaller slots_;
};

TEST_F(BoundarySlotsTest, ControlSetAnswersTheHostAtEachSlot) {
  CControlSetProfil *controlSet = new CControlSetProfil(session_->resourceInstance());
  void *object = controlSet;
  const char *set = "CControlSet";

  slots_.Call<void>(object, set, "SetHostValue", DWORD{0x1234ABCD});
  EXPECT_EQ((slots_.Call<DWORD>(object, set, "GetHostValue")), 0x1234ABCDu);
  EXPECT_EQ((slots_.Call<int>(object, set, "GetPageCount", DWORD{2})), 1);
  EXPECT_EQ((slots_.Call<int>(object, set, "GetPageCount", DWORD{1})), 0);
  EXPECT_EQ((slots_.Call<int>(object, set, "GetPageCount", DWORD{0})), -1);
  slots_.Call<void>(object, set, "SetDriverContext", session_->driverContext());
  EXPECT_EQ((slots_.Call<DriverContext *>(object, set, "GetDriverContext")),
            session_->driverContext());
  void *page = slots_.Call<CPage *>(object, set, "GetPage", 0, DWORD{3});
  EXPECT_EQ(page, static_cast<CPage *>(controlSet->GetProfilePage()));
  EXPECT_EQ((slots_.Call<CPage *>(object, set, "GetPage", 1, DWORD{3})), nullptr);
  slots_.Call<void>(object, set, "SetUIManager", session_->uiManager());
  EXPECT_EQ((slots_.Call<UIManager *>(object, set, "GetUIManager")), session_->uiManager());
  EXPECT_EQ((slots_.Call<CControlSet *>(page, "CPage", "GetOwner")), object);

  // The block of the demo settings is valid: checking keeps it, invalidating fetches it again,
  // a changed DEVMODE copies it.
  const BYTE *block = session_->privateBlock(kProfileBlock);
  ASSERT_NE(block, nullptr);
  slots_.Call<void>(object, set, "CheckPrivateData", session_->uiManager());
  EXPECT_EQ(static_cast<const void *>(controlSet->GetCurrentBlock()), block);
  slots_.Call<void>(object, set, "InvalidateDevMode");
  EXPECT_EQ(static_cast<const void *>(controlSet->GetCurrentBlock()), block);
  slots_.Call<void>(object, set, "DevModeChanged", session_->uiManager());
  EXPECT_EQ(std::memcmp(&controlSet->GetOwnCopy(), &kValidBlock, sizeof kValidBlock), 0);

  // The operations that do nothing leave the state and the host alone.
  const int removals = session_->events().removePrivateData;
  slots_.Call<void>(object, set, "VerifyPrivateData", DWORD{7});
  slots_.Call<void>(object, set, "slot 11", DWORD{7});
  slots_.Call<void>(object, set, "PrivateDataChanged", DWORD{7});
  slots_.Call<void>(object, set, "slot 15");
  slots_.Call<void>(object, set, "slot 16", DWORD{7});
  slots_.Call<void>(object, set, "slot 17", DWORD{1}, DWORD{2}, DWORD{3});
  slots_.Call<void>(object, set, "slot 18");
  EXPECT_EQ((slots_.Call<DWORD>(object, set, "GetHostValue")), 0x1234ABCDu);
  EXPECT_EQ(static_cast<const void *>(controlSet->GetCurrentBlock()), block);
  EXPECT_EQ(session_->events().removePrivateData, removals);

  EXPECT_EQ((slots_.Call<void *>(object, set, "deleting destructor", BOUNDARY_DELETE_MEMORY)),
            object);
  EXPECT_EQ(slots_.Missed(set), std::set<int>{});
}

TEST_F(BoundarySlotsTest, ControlSetRemovesAnInvalidBlockAtCheckPrivateData) {
  ProfilePrivateData damaged = kValidBlock;
  damaged.dwSize = 20;
  FakeUIManager manager;
  manager.privateData = &damaged;
  alignas(CControlSetProfil) unsigned char storage[sizeof(CControlSetProfil)];
  void *object = new (storage) CControlSetProfil(nullptr);
  slots_.Call<void>(object, "CControlSet", "CheckPrivateData", static_cast<UIManager *>(&manager));
  EXPECT_EQ(manager.calls.back(), "RemovePrivateData 40000");
  DestroyInPlace("CControlSet", static_cast<CControlSetProfil *>(object));
}

TEST_F(BoundarySlotsTest, PageAnswersTheHostAtEachSlot) {
  CControlSetProfil owner(session_->resourceInstance());
  owner.SetDriverContext(session_->driverContext());
  owner.SetUIManager(session_->uiManager());
  void *page = owner.GetPage(0, 3);
  const char *cpage = "CPage";

  EXPECT_EQ((slots_.Call<int>(page, cpage, "slot 1")), 2);
  EXPECT_EQ((slots_.Call<int>(page, cpage, "GetDialogId")), 2500);
  EXPECT_EQ((slots_.Call<int>(page, cpage, "slot 3")), 11);
  EXPECT_EQ((slots_.Call<int>(page, cpage, "slot 4")), 0);
  EXPECT_EQ(WideString(slots_.Call<LPCWSTR>(page, cpage, "GetTitle")), WSTR("Profile"));
  SIZE design{};
  EXPECT_EQ((slots_.Call<SIZE *>(page, cpage, "GetDesignSize", &design)), &design);
  EXPECT_EQ(design.cx, 155);
  EXPECT_EQ(design.cy, 150);

  // Slot 8 keeps its pair apart from slot 9's, which slots 10 and 11 give back.
  slots_.Call<void>(page, cpage, "slot 9", DWORD{91}, DWORD{92});
  slots_.Call<void>(page, cpage, "slot 8", DWORD{81}, DWORD{82});
  EXPECT_EQ((slots_.Call<DWORD>(page, cpage, "slot 10")), 91u);
  EXPECT_EQ((slots_.Call<DWORD>(page, cpage, "slot 11")), 92u);

  int loaded = 0;
  EXPECT_NE((slots_.Call<HICON>(page, cpage, "GetIcon", &loaded)), nullptr);
  EXPECT_EQ(loaded, 1);
  EXPECT_FALSE((slots_.Call<bool>(page, cpage, "slot 13", DWORD{1})));
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "slot 14", DWORD{1})));
  EXPECT_FALSE((slots_.Call<bool>(page, cpage, "slot 15", DWORD{1})));
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "slot 18")));
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "slot 19")));
  slots_.Call<void>(page, cpage, "SetOwner", static_cast<CControlSet *>(nullptr));
  EXPECT_EQ((slots_.Call<CControlSet *>(page, cpage, "GetOwner")), nullptr);
  slots_.Call<void>(page, cpage, "SetOwner", static_cast<CControlSet *>(&owner));
  slots_.Call<void>(page, cpage, "slot 22", session_->uiManager());
  slots_.Call<void>(page, cpage, "slot 23", DWORD{1});
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "slot 24")));
  slots_.Call<void>(page, cpage, "slot 25", BYTE{0x5A});
  EXPECT_EQ((slots_.Call<BYTE>(page, cpage, "slot 26")), 0x5A);
  EXPECT_EQ((slots_.Call<int>(page, cpage, "slot 27", DWORD{1}, DWORD{2}, DWORD{3})), -1);
  EXPECT_EQ((slots_.Call<int>(page, cpage, "slot 28", DWORD{1}, DWORD{2}, DWORD{3})), -1);
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "slot 29")));

  WCHAR wide[MAX_PATH] = {};
  char text[MAX_PATH] = {};
  EXPECT_FALSE((slots_.Call<bool>(page, cpage, "LoadPageString", UINT{1940},
                                  static_cast<LPWSTR>(nullptr), text)));
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "LoadPageString", UINT{1940}, wide, text)));
  EXPECT_STREQ(text, "Factory Default");

  // The window, then the hotkeys it holds while active: Alt+A is the page's until Deactivate.
  SIZE size{};
  EXPECT_EQ((slots_.Call<SIZE *>(page, cpage, "CreatePageWindow", &size)), &size);
  HWND window = static_cast<ProfilePage *>(owner.GetPage(0, 3))->GetPageWindow();
  ASSERT_NE(window, nullptr);
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(size.cx, rect.right - rect.left);
  EXPECT_EQ(size.cy, rect.bottom - rect.top);
  slots_.Call<void>(page, cpage, "Activate");
  EXPECT_FALSE(RegisterHotKey(nullptr, 0xC065, MOD_ALT, 'A'));
  EXPECT_TRUE((slots_.Call<bool>(page, cpage, "Deactivate")));
  EXPECT_TRUE(RegisterHotKey(nullptr, 0xC065, MOD_ALT, 'A'));
  UnregisterHotKey(nullptr, 0xC065);
  DestroyWindow(window);

  // Slot 0 last, on a page of its own, in place.
  alignas(ProfilePage) unsigned char storage[sizeof(ProfilePage)];
  DestroyInPlace(cpage, new (storage) ProfilePage());
  EXPECT_EQ(slots_.Missed(cpage), std::set<int>{});
}

TEST_F(BoundarySlotsTest, UiModuleAnswersTheHostAtEachSlot) {
  CUIModule *module = new CProfil();
  void *object = module;
  const char *ui = "CUIModule";
  EXPECT_TRUE((slots_.Call<bool>(object, ui, "SupportsType", DWORD{4})));
  EXPECT_FALSE((slots_.Call<bool>(object, ui, "SupportsType", DWORD{3})));
  slots_.Call<void>(object, ui, "SetHostValue", DWORD{77});
  EXPECT_EQ((slots_.Call<DWORD>(object, ui, "GetHostValue")), 77u);
  EXPECT_EQ((slots_.Call<int>(object, ui, "slot 5")), 0);
  slots_.Call<void>(object, ui, "slot 2");
  slots_.Call<void>(object, ui, "SetHost", session_->uiClassHost());
  ProfileList *list = static_cast<CProfil *>(module)->GetProfileList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetUIManager(), session_->uiManager());
  EXPECT_EQ((slots_.Call<DWORD>(object, ui, "GetHostValue")), 77u);
  EXPECT_EQ((slots_.Call<void *>(object, ui, "deleting destructor", BOUNDARY_DELETE_MEMORY)),
            object);
  EXPECT_EQ(slots_.Missed(ui), std::set<int>{});
}

// The module calls the host's objects by the same numbers.
TEST_F(BoundarySlotsTest, HostObjectsAnswerTheModuleAtEachSlot) {
  void *manager = session_->uiManager();
  const char *ui = "UIManager";
  EXPECT_TRUE((slots_.Call<bool>(manager, ui, "CanChangeSettings")));
  EXPECT_STREQ((slots_.Call<LPCSTR>(manager, ui, "GetHelpFileName", 0)), "JZUIHLP_EN.HLP");
  EXPECT_STREQ((slots_.Call<LPCSTR>(manager, ui, "GetHelpDirectory", 0)),
               "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\HELP\\");
  EXPECT_EQ((slots_.Call<HANDLE>(manager, ui, "GetPrinterHandle")), session_->printerHandle());
  EXPECT_EQ(WideString(slots_.Call<LPCWSTR>(manager, ui, "GetPrinterNameW")),
            WSTR("JZ Color 5300"));
  EXPECT_EQ((slots_.Call<DEVMODEW *>(manager, ui, "GetCurrentDevMode")), session_->devMode());
  EXPECT_EQ((slots_.Call<void *>(manager, ui, "GetPrivateData", WORD{kProfileBlock}, DWORD{0})),
            session_->privateBlock(kProfileBlock));
  EXPECT_EQ((slots_.Call<int>(manager, ui, "GetFeatureCount", 3)), 23);
  EXPECT_NE((slots_.Call<void *>(manager, ui, "GetFeatureItem", 3, WORD{22})), nullptr);
  EXPECT_EQ((slots_.Call<void *>(manager, ui, "GetFeatureItem", 3, WORD{23})), nullptr);
  EXPECT_EQ((slots_.Call<WORD>(manager, ui, "GetLanguage")), 0x0409);
  WCHAR wide[MAX_PATH] = {};
  EXPECT_EQ((slots_.Call<int>(manager, ui, "LoadResString", UINT{1940}, wide, MAX_PATH, DWORD{0},
                              DWORD{0}, DWORD{0})),
            15);
  EXPECT_EQ(WideString(wide), WSTR("Factory Default"));
  EXPECT_FALSE((slots_.Call<bool>(manager, ui, "IsClientMode")));
  EXPECT_EQ((slots_.Call<void *>(manager, ui, "GetModelInfo")), &session_->model().info);
  EXPECT_EQ((slots_.Call<void *>(manager, ui, "GetModelCapabilities")),
            &session_->model().capabilities);
  EXPECT_EQ((slots_.Call<BYTE *>(manager, ui, "GetDriverSettings")), session_->mainBlock());
  EXPECT_NE((slots_.Call<HINSTANCE>(manager, ui, "GetResourceInstance")), nullptr);
  BYTE *nameBuffer = slots_.Call<BYTE *>(manager, ui, "GetPrinterNameBuffer", "Office");
  EXPECT_STREQ(reinterpret_cast<const char *>(nameBuffer), "Office");

  const DWORD written = 0x01020304;
  slots_.Call<bool>(manager, ui, "WritePrinterValue", "SlotProbe", DWORD{REG_DWORD}, &written,
                    DWORD{4});
  DWORD read = 0, size = sizeof read;
  EXPECT_TRUE((slots_.Call<bool>(manager, ui, "ReadPrinterValue", "SlotProbe", &read, &size)));
  EXPECT_EQ(read, written);

  host::SessionEvents &events = session_->events();
  slots_.Call<void>(manager, ui, "NotifyChange", DWORD{0});
  slots_.Call<void>(manager, ui, "FinishInfoDialog");
  slots_.Call<void>(manager, ui, "ReloadDevMode", 1);
  std::vector<BYTE> settings = session_->devModeBytes();
  slots_.Call<void>(manager, ui, "SetCurrentDevMode",
                    reinterpret_cast<const DEVMODEW *>(settings.data()));
  slots_.Call<void>(manager, ui, "RemovePrivateData", WORD{kProfileBlock}, DWORD{0});
  EXPECT_EQ(events.notifyChange, 1);
  EXPECT_EQ(events.finishInfoDialog, 1);
  EXPECT_EQ(events.reloadDevMode, 1);
  EXPECT_EQ(events.setCurrentDevMode, 1);
  EXPECT_EQ(events.removePrivateData, 1);
  EXPECT_EQ(session_->privateBlock(kProfileBlock), nullptr);
  BYTE entry[160] = {};
  EXPECT_FALSE((slots_.Call<bool>(manager, ui, "GetFeatureSetEntry", "FeatureSet99", entry)));
  EXPECT_EQ(slots_.Missed(ui), std::set<int>{});

  void *context = session_->driverContext();
  const char *dc = "DriverContext";
  slots_.Call<void>(context, dc, "RefreshSettings");
  EXPECT_EQ(events.refreshSettings, 1);
  EXPECT_EQ((slots_.Call<HWND>(context, dc, "GetNotifyWindow")), nullptr);
  EXPECT_EQ((slots_.Call<int>(context, dc, "GetPlatform")), 2);
  EXPECT_TRUE((slots_.Call<bool>(context, dc, "IsAdministrator")));
  const int blockSize = slots_.Call<int>(context, dc, "QueryDriver", 20000, nullptr, 1);
  EXPECT_GT(blockSize, 16);
  EXPECT_EQ(slots_.Missed(dc), std::set<int>{});

  EXPECT_EQ((slots_.Call<UIManager *>(session_->uiClassHost(), "UIClassHost", "GetUIManager")),
            session_->uiManager());
}

TEST_F(BoundarySlotsTest, RegistryAnswersTheModuleAtEachSlot) {
  BoundaryPtr<ModuleRegistry> registry = host::MakeModuleRegistry(session_->registrations(), true);
  void *object = registry.get();
  const char *reg = "ModuleRegistry";
  EXPECT_TRUE((slots_.Call<bool>(object, reg, "CanInstallModule")));
  EXPECT_FALSE((slots_.Call<bool>(object, reg, "IsAnsiPlatform")));
  WCHAR wide[MAX_PATH] = {};
  slots_.Call<void>(object, reg, "AnsiToWide", wide, "PRFMOD32.dll", 0);
  EXPECT_EQ(WideString(wide), WSTR("PRFMOD32.dll"));
  EXPECT_EQ((slots_.Call<ULONGLONG>(object, reg, "GetModuleFileVersion", WSTR("C:\\none.dll"))),
            0u);

  BYTE entry[160] = {};
  entry[0] = 160;
  std::memcpy(entry + 4, "SLOTS.dll", 10);
  EXPECT_TRUE((slots_.Call<bool>(object, reg, "SetModuleRegistryEntry", "FeatureSet7",
                                 static_cast<const BYTE *>(entry))));
  BYTE read[160] = {};
  EXPECT_TRUE((slots_.Call<bool>(object, reg, "GetModuleRegistryEntry", "FeatureSet7", read)));
  EXPECT_EQ(std::memcmp(read, entry, sizeof entry), 0);
  slots_.Call<bool>(object, reg, "DeleteModuleRegistryEntry", "FeatureSet", 7);
  EXPECT_FALSE((slots_.Call<bool>(object, reg, "GetModuleRegistryEntry", "FeatureSet7", read)));
  EXPECT_EQ(slots_.Missed(reg), std::set<int>{});
}

}  // namespace
}  // namespace prfmod::testing
