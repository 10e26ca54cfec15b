// Registration through RunJZModuleCmd and InstallModule of the loaded PRFMOD32.dll: the entry
// number searched for, the entry written, removal and the status record, against the reference
// host's registration store and against registries that misbehave.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "host/module_library.h"
#include "host/module_registry.h"
#include "host/printer_model.h"
#include "host/text_convert.h"
#include "module/registration.h"

namespace prfmod::testing {
namespace {

ModuleRegistryEntry ModuleEntry(DWORD id, DWORD flags = MODULE_ENTRY_ENABLED) {
  ModuleRegistryEntry entry{};
  entry.dwSize = sizeof entry;
  entry.dwModuleId = id;
  entry.dwFlags = flags;
  return entry;
}

std::string EntryName(int number) {
  return "FeatureSet" + std::to_string(number);
}

class RegistrationTest : public host::testing::DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    std::string error;
    library_ = host::ModuleLibrary::Load(host::kModuleFileName, &error);
    ASSERT_TRUE(library_) << error;
    registry_ = host::MakeModuleRegistry(store_, true);
  }
  int Run(int command, ModuleStatusRecord *record = nullptr, ModuleRegistry *registry = nullptr) {
    return library_->runJZModuleCmd(command, registry ? registry : registry_.get(), 0, record);
  }
  void Put(int number, const ModuleRegistryEntry &entry) {
    ASSERT_TRUE(store_.Write(EntryName(number).c_str(), entry));
  }
  std::optional<ModuleRegistryEntry> Entry(int number) {
    ModuleRegistryEntry entry;
    if (!store_.Read(EntryName(number).c_str(), &entry))
      return std::nullopt;
    return entry;
  }
  // The numbers up to 20 whose entry carries the module's identifier.
  std::vector<int> OwnNumbers() {
    std::vector<int> numbers;
    for (int n = 1; n <= 20; ++n)
      if (auto entry = Entry(n); entry && entry->dwModuleId == MODULE_ID_PROFILE)
        numbers.push_back(n);
    return numbers;
  }
  ULONGLONG FileVersion() { return host::ReadFileVersion(library_->path().c_str()); }

  host::RegistrationStore store_{host::ColorLaserModel().driverName};
  std::unique_ptr<host::ModuleLibrary> library_;
  BoundaryPtr<ModuleRegistry> registry_;
};

TEST_F(RegistrationTest, InstallationTakesTheFirstFreeNumberFromTwoAndKeepsIt) {
  Put(4, ModuleEntry(1400));  // the demo machine holds three other modules under 1 to 3
  ASSERT_EQ(Run(MODULE_CMD_INSTALL), MODULE_RESULT_OK);
  ASSERT_EQ(library_->installModule(registry_.get(), 0), MODULE_RESULT_OK);
  EXPECT_EQ(OwnNumbers(), std::vector<int>{5});
  EXPECT_FALSE(Entry(6));

  ModuleRegistryEntry expected = ModuleEntry(1232, 0x300);
  std::strcpy(expected.szUiModule, "PRFMOD32.dll");
  std::strcpy(expected.szUiClass, "CProfil");
  std::strcpy(expected.szControlSetModule, "PRFMOD32.dll");
  std::strcpy(expected.szControlSetClass, "CControlSetProfil");
  ASSERT_NE(FileVersion(), 0u);
  expected.dwFileVersionLS = static_cast<DWORD>(FileVersion());
  expected.dwFileVersionMS = static_cast<DWORD>(FileVersion() >> 32);
  expected.wPrivateDataId = 40000;
  const std::optional<ModuleRegistryEntry> written = Entry(5);
  ASSERT_TRUE(written);
  EXPECT_EQ(std::memcmp(&*written, &expected, sizeof expected), 0);
}

TEST_F(RegistrationTest, AnOwnEntryUnderNumberOneIsSeenByRemovalOnly) {
  Put(1, ModuleEntry(MODULE_ID_PROFILE));
  ModuleStatusRecord record{};
  EXPECT_EQ(Run(MODULE_CMD_STATUS, &record), MODULE_RESULT_OK);
  EXPECT_EQ(record.dwStatus, MODULE_STATUS_NOT_REGISTERED);
  EXPECT_EQ(Run(MODULE_CMD_INSTALL), MODULE_RESULT_OK);
  EXPECT_EQ(OwnNumbers(), (std::vector<int>{1, 4}));

  EXPECT_EQ(Run(MODULE_CMD_REMOVE), MODULE_RESULT_OK);
  EXPECT_EQ(OwnNumbers(), std::vector<int>{4});
  EXPECT_EQ(Entry(2)->dwModuleId, 1100u) << "other modules stay registered";
  // Number 1 is free now, and the removal's search ends at the first free number.
  EXPECT_EQ(Run(MODULE_CMD_REMOVE), MODULE_RESULT_NOT_REGISTERED);
}

TEST_F(RegistrationTest, StatusRecordReportsTheFileAndTheRegistration) {
  struct Case {
    DWORD flags;  // of the entry under number 4; 0: no entry
    DWORD status;
  } cases[] = {{0x300, MODULE_STATUS_ENABLED},
               {0x100, MODULE_STATUS_ENABLED},
               {0x200, MODULE_STATUS_DISABLED},
               {0, MODULE_STATUS_NOT_REGISTERED}};
  for (const Case &c : cases) {
    if (c.flags == 0) {
      ASSERT_EQ(Run(MODULE_CMD_REMOVE), MODULE_RESULT_OK);
    } else {
      ModuleRegistryEntry registered = ModuleEntry(MODULE_ID_PROFILE, c.flags);
      registered.dwFileVersionLS = 0x50 + c.flags;  // told apart from the file's version
      registered.dwFileVersionMS = 7;
      Put(4, registered);
    }
    ModuleStatusRecord record;
    std::memset(&record, 0xCC, sizeof record);

    ASSERT_EQ(Run(MODULE_CMD_STATUS, &record), MODULE_RESULT_OK) << c.flags;

    const WideString path = library_->path();
    EXPECT_EQ(WideString(record.wszModulePath), path) << c.flags;
    EXPECT_EQ(record.wszModulePath[path.size() + 1], 0xCCCC) << "past the path is the caller's";
    EXPECT_EQ(record.bQueried, 1);
    EXPECT_EQ(record.reserved540, 0xCCCCCCCCu) << "reserved fields are the caller's";
    EXPECT_EQ(record.dwFileVersionLS, static_cast<DWORD>(FileVersion()));
    EXPECT_EQ(record.dwFileVersionMS, static_cast<DWORD>(FileVersion() >> 32));
    EXPECT_EQ(record.dwStatus, c.status) << c.flags;
    EXPECT_EQ(record.dwRegisteredVersionLS, c.flags ? 0x50 + c.flags : 0) << c.flags;
    EXPECT_EQ(record.dwRegisteredVersionMS, c.flags ? 7u : 0u) << c.flags;
  }
  EXPECT_EQ(Run(MODULE_CMD_STATUS), MODULE_RESULT_NO_RECORD);
}

TEST_F(RegistrationTest, RefusalsAndUnknownCommandsChangeNothing) {
  const BoundaryPtr<ModuleRegistry> refusing = host::MakeModuleRegistry(store_, false);
  EXPECT_EQ(Run(MODULE_CMD_INSTALL, nullptr, refusing.get()), MODULE_RESULT_REFUSED);
  EXPECT_EQ(library_->installModule(nullptr, 0), MODULE_RESULT_REFUSED);
  for (int command : {603, 0, 600, 605, -1})
    EXPECT_EQ(Run(command), MODULE_RESULT_UNKNOWN_COMMAND) << command;
  EXPECT_EQ(OwnNumbers(), std::vector<int>{});
  EXPECT_EQ(library_->runJZModuleCmd(MODULE_CMD_REMOVE, nullptr, 0), MODULE_RESULT_NOT_REGISTERED);
}

// A registry the test controls: entries in memory, answers chosen per test, calls recorded.
class ScriptedRegistry final : public ModuleRegistry {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  std::map<std::string, ModuleRegistryEntry> entries;
  bool ansi = false;
  bool storeFails = false;
  bool everyNumberTaken = false;  // every read answers another module's entry
  std::string ansiPathGiven;
  int writes = 0;

  ULONGLONG GetModuleFileVersion(LPCWSTR path) override {
    return WideString(path).ends_with(WSTR("PRFMOD32.dll")) ? 0x0001000200030004ull : 0;
  }
  bool IsAnsiPlatform() override { return ansi; }
  bool GetModuleRegistryEntry(LPCSTR name, BYTE *entry) override {
    auto found = entries.find(name);
    if (!everyNumberTaken && found == entries.end())
      return false;
    const ModuleRegistryEntry read = everyNumberTaken ? ModuleEntry(99) : found->second;
    std::memcpy(entry, &read, sizeof read);
    return true;
  }
  bool SetModuleRegistryEntry(LPCSTR name, const BYTE *entry) override {
    ++writes;
    if (!storeFails)
      std::memcpy(&entries[name], entry, sizeof(ModuleRegistryEntry));
    return !storeFails;
  }
  bool DeleteModuleRegistryEntry(LPCSTR base, int number) override {
    return entries.erase(base + std::to_string(number)) == 1;
  }
  bool CanInstallModule() override { return true; }
  void AnsiToWide(LPWSTR wide, LPCSTR ansi, int) override {
    ansiPathGiven = ansi;
    const WideString converted = WSTR("C:\\FROM ANSI\\PRFMOD32.dll");
    std::memcpy(wide, converted.c_str(), (converted.size() + 1) * sizeof(WCHAR));
  }
};

TEST_F(RegistrationTest, ThePathComesThroughTheAnsiOrTheWideFunctionAsTheRegistrySays) {
  for (bool ansi : {false, true}) {
    ScriptedRegistry registry;
    registry.ansi = ansi;
    ModuleStatusRecord record{};
    ASSERT_EQ(Run(MODULE_CMD_STATUS, &record, &registry), MODULE_RESULT_OK);
    const WideString expected = ansi ? WSTR("C:\\FROM ANSI\\PRFMOD32.dll") : library_->path();
    EXPECT_EQ(WideString(record.wszModulePath), expected) << ansi;
    EXPECT_EQ(registry.ansiPathGiven, ansi ? host::Utf8FromUtf16(library_->path()) : "");
    EXPECT_EQ(record.dwFileVersionMS, 0x00010002u) << "the version of the path found";
    EXPECT_EQ(record.dwFileVersionLS, 0x00030004u);
  }
}

TEST_F(RegistrationTest, AnEntryThatCannotBeStoredIsReported) {
  ScriptedRegistry failing;
  failing.storeFails = true;
  EXPECT_EQ(Run(MODULE_CMD_INSTALL, nullptr, &failing), MODULE_RESULT_NOT_STORED);
  EXPECT_EQ(failing.writes, 1);

  // A registry that holds another module under every number still ends every search.
  ScriptedRegistry full;
  full.everyNumberTaken = true;
  EXPECT_EQ(Run(MODULE_CMD_INSTALL, nullptr, &full), MODULE_RESULT_NOT_STORED);
  EXPECT_EQ(full.writes, 0);
  EXPECT_EQ(Run(MODULE_CMD_REMOVE, nullptr, &full), MODULE_RESULT_NOT_REGISTERED);
  ModuleStatusRecord record{};
  EXPECT_EQ(Run(MODULE_CMD_STATUS, &record, &full), MODULE_RESULT_OK);
  EXPECT_EQ(record.dwStatus, MODULE_STATUS_NOT_REGISTERED);
}

}  // namespace
}  // namespace prfmod::testing
