// How the host reaches the module: loading it, its registration store and page hosting.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "abi/private_blocks.h"
#include "host/module_library.h"
#include "host/module_registry.h"
#include "host/printer_model.h"
#include "host/property_sheet.h"
#include "host/text_convert.h"
#include "support/boundary_slots.h"

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
  EXPECT_EQ(WideString(wide), WSTR("C:\\Café"));
}

TEST_F(ModuleHostTest, ModuleLoadsBesideTheHostWithItsVersion) {
  std::string error;
  auto library = ModuleLibrary::Load(kModuleFileName, &error);
  ASSERT_TRUE(library) << error;
  EXPECT_NE(library->dllMain, nullptr);
  WideString path = library->path();
  EXPECT_TRUE(path.ends_with(WideString(WSTR("\\")) + kModuleFileName)) << Utf8FromUtf16(path);
  EXPECT_EQ(GetProcAddress(library->handle(), "g_hModuleInstance"), nullptr);
  EXPECT_NE(ReadFileVersion(path.c_str()), 0u);
  EXPECT_EQ(ReadFileVersion(WSTR("C:\\WINDOWS\\no such file.dll")), 0u);
  EXPECT_FALSE(ModuleLibrary::Load(WSTR("NOSUCH32.dll"), &error));
  EXPECT_NE(error.find("NOSUCH32.dll"), std::string::npos);
}

// A control set made by hand: a vtable of the contract's 19 slots, each entry recording the
// call, so that the host is seen calling by slot number and not through the interface header.
struct RawControlSet {
  void **vtable;
  std::vector<std::string> *calls;
  CPage *page;
};

RawControlSet *Self(void *object) {
  return static_cast<RawControlSet *>(object);
}

// A vtable as a compiler lays one out: the offset to the top of the object and its type (which
// the undefined-behaviour sanitizer reads before a call) stand in front of slot 0.
struct RawVtable {
  std::ptrdiff_t offsetToTop;
  const std::type_info *type;
  std::array<void *, 19> slots;
};

template <int Slot>
void BOUNDARY_SLOT_CALL UnexpectedSlot(void *object) {
  Self(object)->calls->push_back("slot " + std::to_string(Slot));
}

template <std::size_t... Slots>
std::array<void *, sizeof...(Slots)> UnexpectedSlots(std::index_sequence<Slots...>) {
  return {reinterpret_cast<void *>(&UnexpectedSlot<static_cast<int>(Slots)>)...};
}

void *BOUNDARY_SLOT_CALL DestroySlot(void *object, UINT flags) {
  Self(object)->calls->push_back("deleting destructor " + std::to_string(flags));
  return object;
}
void BOUNDARY_SLOT_CALL SetDriverContextSlot(void *object, DriverContext *) {
  Self(object)->calls->push_back("SetDriverContext");
}
void BOUNDARY_SLOT_CALL SetUIManagerSlot(void *object, UIManager *) {
  Self(object)->calls->push_back("SetUIManager");
}
void BOUNDARY_SLOT_CALL CheckPrivateDataSlot(void *object, UIManager *) {
  Self(object)->calls->push_back("CheckPrivateData");
}
int BOUNDARY_SLOT_CALL GetPageCountSlot(void *object, DWORD mask) {
  Self(object)->calls->push_back("GetPageCount " + std::to_string(mask));
  return 2;
}
CPage *BOUNDARY_SLOT_CALL GetPageSlot(void *object, int index, DWORD) {
  Self(object)->calls->push_back("GetPage " + std::to_string(index));
  return index == 0 ? Self(object)->page : nullptr;
}
void BOUNDARY_SLOT_CALL InvalidateDevModeSlot(void *object) {
  Self(object)->calls->push_back("InvalidateDevMode");
}

TEST_F(ModuleHostTest, PropertySheetCallsTheControlSetByItsSlotNumbers) {
  using prfmod::testing::SlotOf;
  std::string error;
  auto session = PrinterSession::Open(kColorPrinterName, {}, &error);
  ASSERT_TRUE(session) << error;
  RawVtable raw{0, &typeid(CControlSet), UnexpectedSlots(std::make_index_sequence<19>())};
  std::array<void *, 19> &vtable = raw.slots;
  vtable[SlotOf("CControlSet", "deleting destructor")] = reinterpret_cast<void *>(&DestroySlot);
  vtable[SlotOf("CControlSet", "SetDriverContext")] =
      reinterpret_cast<void *>(&SetDriverContextSlot);
  vtable[SlotOf("CControlSet", "SetUIManager")] = reinterpret_cast<void *>(&SetUIManagerSlot);
  vtable[SlotOf("CControlSet", "CheckPrivateData")] =
      reinterpret_cast<void *>(&CheckPrivateDataSlot);
  vtable[SlotOf("CControlSet", "GetPageCount")] = reinterpret_cast<void *>(&GetPageCountSlot);
  vtable[SlotOf("CControlSet", "GetPage")] = reinterpret_cast<void *>(&GetPageSlot);
  vtable[SlotOf("CControlSet", "InvalidateDevMode")] =
      reinterpret_cast<void *>(&InvalidateDevModeSlot);
  std::vector<std::string> calls;
  CPage *fakePage = reinterpret_cast<CPage *>(&calls);  // only compared, never called
  RawControlSet controlSet{vtable.data(), &calls, fakePage};
  {
    PropertySheet sheet(*session, reinterpret_cast<CControlSet *>(&controlSet));
    EXPECT_EQ(sheet.pages(), std::vector<CPage *>{fakePage});
    session->uiManager()->RemovePrivateData(PRIVATE_DATA_ID_PROFIL, 0);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"SetDriverContext", "SetUIManager", "CheckPrivateData",
                                             "GetPageCount 3", "GetPage 0", "GetPage 1",
                                             "InvalidateDevMode", "deleting destructor 1"}));
  EXPECT_EQ(session->controlSet(), nullptr);
}

}  // namespace
}  // namespace host::testing
