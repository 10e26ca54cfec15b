// The slot numbers of the objects that cross the boundary between the host and the module,
// written out here from the contract rather than taken from module/host_interfaces.h, and a
// call through an object's raw vtable by those numbers. A header that moves an operation to
// another slot (a virtual destructor at slot 0 takes two entries under g++) fails the tests that
// call through this table.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace prfmod::testing {

struct BoundarySlot {
  const char *interfaceName;
  int slot;
  const char *operation;
};

// Every slot the contract numbers; the operations without a name are called by their slot.
inline constexpr BoundarySlot kBoundarySlots[] = {
    // The module's control set.
    {"CControlSet", 0, "deleting destructor"},
    {"CControlSet", 1, "SetHostValue"},
    {"CControlSet", 2, "GetHostValue"},
    {"CControlSet", 3, "GetPageCount"},
    {"CControlSet", 4, "SetDriverContext"},
    {"CControlSet", 5, "GetPage"},
    {"CControlSet", 6, "GetDriverContext"},
    {"CControlSet", 7, "SetUIManager"},
    {"CControlSet", 8, "GetUIManager"},
    {"CControlSet", 9, "CheckPrivateData"},
    {"CControlSet", 10, "VerifyPrivateData"},
    {"CControlSet", 11, "slot 11"},
    {"CControlSet", 12, "DevModeChanged"},
    {"CControlSet", 13, "PrivateDataChanged"},
    {"CControlSet", 14, "InvalidateDevMode"},
    {"CControlSet", 15, "slot 15"},
    {"CControlSet", 16, "slot 16"},
    {"CControlSet", 17, "slot 17"},
    {"CControlSet", 18, "slot 18"},
    // The profile page.
    {"CPage", 0, "deleting destructor"},
    {"CPage", 1, "slot 1"},
    {"CPage", 2, "GetDialogId"},
    {"CPage", 3, "slot 3"},
    {"CPage", 4, "slot 4"},
    {"CPage", 5, "GetTitle"},
    {"CPage", 6, "CreatePageWindow"},
    {"CPage", 7, "GetDesignSize"},
    {"CPage", 8, "slot 8"},
    {"CPage", 9, "slot 9"},
    {"CPage", 10, "slot 10"},
    {"CPage", 11, "slot 11"},
    {"CPage", 12, "GetIcon"},
    {"CPage", 13, "slot 13"},
    {"CPage", 14, "slot 14"},
    {"CPage", 15, "slot 15"},
    {"CPage", 16, "Activate"},
    {"CPage", 17, "Deactivate"},
    {"CPage", 18, "slot 18"},
    {"CPage", 19, "slot 19"},
    {"CPage", 20, "SetOwner"},
    {"CPage", 21, "GetOwner"},
    {"CPage", 22, "slot 22"},
    {"CPage", 23, "slot 23"},
    {"CPage", 24, "slot 24"},
    {"CPage", 25, "slot 25"},
    {"CPage", 26, "slot 26"},
    {"CPage", 27, "slot 27"},
    {"CPage", 28, "slot 28"},
    {"CPage", 29, "slot 29"},
    {"CPage", 30, "LoadPageString"},
    // The module's UI class.
    {"CUIModule", 0, "deleting destructor"},
    {"CUIModule", 1, "SetHost"},
    {"CUIModule", 2, "slot 2"},
    {"CUIModule", 3, "SetHostValue"},
    {"CUIModule", 4, "GetHostValue"},
    {"CUIModule", 5, "slot 5"},
    {"CUIModule", 6, "SupportsType"},
    // The host's objects, at the slots the module calls.
    {"UIManager", 2, "CanChangeSettings"},
    {"UIManager", 3, "GetHelpFileName"},
    {"UIManager", 4, "GetHelpDirectory"},
    {"UIManager", 7, "GetPrinterHandle"},
    {"UIManager", 9, "GetPrinterNameW"},
    {"UIManager", 11, "GetCurrentDevMode"},
    {"UIManager", 15, "GetPrivateData"},
    {"UIManager", 17, "GetFeatureItem"},
    {"UIManager", 18, "GetFeatureCount"},
    {"UIManager", 19, "RemovePrivateData"},
    {"UIManager", 26, "NotifyChange"},
    {"UIManager", 32, "ReadPrinterValue"},
    {"UIManager", 33, "WritePrinterValue"},
    {"UIManager", 49, "IsClientMode"},
    {"UIManager", 50, "ReloadDevMode"},
    {"UIManager", 54, "SetCurrentDevMode"},
    {"UIManager", 55, "GetFeatureSetEntry"},
    {"UIManager", 60, "GetModelInfo"},
    {"UIManager", 61, "FinishInfoDialog"},
    {"UIManager", 66, "GetDriverSettings"},
    {"UIManager", 67, "GetModelCapabilities"},
    {"UIManager", 82, "GetLanguage"},
    {"UIManager", 83, "LoadResString"},
    {"UIManager", 93, "GetPrinterNameBuffer"},
    {"UIManager", 102, "GetResourceInstance"},
    {"DriverContext", 3, "RefreshSettings"},
    {"DriverContext", 12, "GetNotifyWindow"},
    {"DriverContext", 15, "GetPlatform"},
    {"DriverContext", 17, "IsAdministrator"},
    {"DriverContext", 20, "QueryDriver"},
    {"UIClassHost", 17, "GetUIManager"},
    {"ModuleRegistry", 5, "GetModuleFileVersion"},
    {"ModuleRegistry", 6, "IsAnsiPlatform"},
    {"ModuleRegistry", 7, "GetModuleRegistryEntry"},
    {"ModuleRegistry", 8, "SetModuleRegistryEntry"},
    {"ModuleRegistry", 9, "DeleteModuleRegistryEntry"},
    {"ModuleRegistry", 14, "CanInstallModule"},
    {"ModuleRegistry", 18, "AnsiToWide"},
};

// The slot of an operation of the table; -1 (and a test failure) when the table lacks it.
inline int SlotOf(std::string_view interfaceName, std::string_view operation) {
  for (const BoundarySlot &entry : kBoundarySlots)
    if (interfaceName == entry.interfaceName && operation == entry.operation)
      return entry.slot;
  ADD_FAILURE() << "no slot " << interfaceName << "::" << operation;
  return -1;
}

// Member functions of the boundary are thiscall on 32-bit Windows; elsewhere `this` is the first
// argument of an ordinary call.
#if defined(_WIN32) && !defined(_WIN64)
#define BOUNDARY_SLOT_CALL __thiscall
#else
#define BOUNDARY_SLOT_CALL
#endif

// Calls the operation through the object's raw vtable at the table's slot, and notes that the
// slot was exercised.
class SlotCaller {
 public:
  template <class Result, class... Args>
  Result Call(void *object, std::string_view interfaceName, std::string_view operation,
              Args... args) {
    const int slot = SlotOf(interfaceName, operation);
    called_.emplace(std::string(interfaceName), slot);
    void **vtable = *reinterpret_cast<void ***>(object);
    using Entry = Result(BOUNDARY_SLOT_CALL *)(void *, Args...);
    return reinterpret_cast<Entry>(vtable[slot])(object, args...);
  }

  // The slots of the table for this interface that no call has reached.
  std::set<int> Missed(std::string_view interfaceName) const {
    std::set<int> missed;
    for (const BoundarySlot &entry : kBoundarySlots)
      if (interfaceName == entry.interfaceName &&
          called_.count({std::string(interfaceName), entry.slot}) == 0)
        missed.insert(entry.slot);
    return missed;
  }

 private:
  std::set<std::pair<std::string, int>> called_;
};

}  // namespace prfmod::testing
