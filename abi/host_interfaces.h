// The objects that cross the boundary between the driver's user-interface core (the host) and
// this module. Each is a class of virtual operations whose slot order is part of the contract:
// an operation is found by its position, so every slot is declared, including those the other
// side never calls. Slot numbers are given in the comments.
//
// The host is built with Microsoft's compiler, and its layout is the contract:
// - Slot 0 is one entry, the deleting destructor: it destroys the object and, when bit 0 of its
//   flags is set, frees the object's memory. A C++ virtual destructor cannot stand there: g++
//   (for Windows as for Linux) gives it two entries and would move every later slot. So slot 0 is
//   declared as an operation, and the classes' own destructors are protected and not virtual;
//   objects are destroyed through slot 0 (DestroyBoundaryObject, BoundaryObjectDeleter).
// - Member functions use the thiscall convention on 32-bit Windows, which g++ for Windows uses
//   for member functions by default, as Microsoft's compiler does.
// - No operation takes or returns a class by value.
#pragma once

#include <windows.h>

#include <memory>

// Flag of the deleting destructor: free the object's memory after destroying it.
constexpr UINT BOUNDARY_DELETE_MEMORY = 1;

// Slot 0 for a final class: destroys the object, frees it when the flags ask, and returns it as
// Microsoft's deleting destructors do.
template <class Object>
void *DestroyBoundaryObject(Object *object, UINT flags) {
  if (flags & BOUNDARY_DELETE_MEMORY)
    delete object;
  else
    object->~Object();
  return object;
}

// Owns a boundary object and destroys it through slot 0, as the other side does.
struct BoundaryObjectDeleter {
  template <class Interface>
  void operator()(Interface *object) const {
    object->DeletingDestructor(BOUNDARY_DELETE_MEMORY);
  }
};
template <class Interface>
using BoundaryPtr = std::unique_ptr<Interface, BoundaryObjectDeleter>;

struct ModelInfoRecord;
struct ModelCapabilitiesRecord;
class CControlSet;
class CPage;

// The host's view of the printer being set up: settings, feature lists, strings, printer data.
class UIManager {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;                                  // 0
  virtual void Unused1() {}                                                          // 1
  virtual bool CanChangeSettings() = 0;                                              // 2
  virtual LPCSTR GetHelpFileName(int reserved) = 0;                                  // 3
  virtual LPCSTR GetHelpDirectory(int reserved) = 0;                                 // 4
  virtual void Unused5() {}                                                          // 5
  virtual void Unused6() {}                                                          // 6
  virtual HANDLE GetPrinterHandle() = 0;                                             // 7
  virtual void Unused8() {}                                                          // 8
  virtual LPCWSTR GetPrinterNameW() = 0;                                             // 9
  virtual void Unused10() {}                                                         // 10
  virtual DEVMODEW *GetCurrentDevMode() = 0;                                         // 11
  virtual void Unused12() {}                                                         // 12
  virtual void Unused13() {}                                                         // 13
  virtual void Unused14() {}                                                         // 14
  virtual void *GetPrivateData(WORD blockId, DWORD reserved) = 0;                    // 15
  virtual void Unused16() {}                                                         // 16
  virtual void *GetFeatureItem(int list, WORD index) = 0;                            // 17
  virtual int GetFeatureCount(int list) = 0;                                         // 18
  virtual void RemovePrivateData(WORD blockId, DWORD reserved) = 0;                  // 19
  virtual void Unused20() {}                                                         // 20
  virtual void Unused21() {}                                                         // 21
  virtual void Unused22() {}                                                         // 22
  virtual void Unused23() {}                                                         // 23
  virtual void Unused24() {}                                                         // 24
  virtual void Unused25() {}                                                         // 25
  virtual void NotifyChange(DWORD reserved) = 0;                                     // 26
  virtual void Unused27() {}                                                         // 27
  virtual void Unused28() {}                                                         // 28
  virtual void Unused29() {}                                                         // 29
  virtual void Unused30() {}                                                         // 30
  virtual void Unused31() {}                                                         // 31
  virtual bool ReadPrinterValue(LPCSTR name, void *buffer, DWORD *size) = 0;         // 32
  virtual bool WritePrinterValue(LPCSTR name, DWORD type, const void *data,          //
                                 DWORD size) = 0;                                    // 33
  virtual void Unused34() {}                                                         // 34
  virtual void Unused35() {}                                                         // 35
  virtual void Unused36() {}                                                         // 36
  virtual void Unused37() {}                                                         // 37
  virtual void Unused38() {}                                                         // 38
  virtual void Unused39() {}                                                         // 39
  virtual void Unused40() {}                                                         // 40
  virtual void Unused41() {}                                                         // 41
  virtual void Unused42() {}                                                         // 42
  virtual void Unused43() {}                                                         // 43
  virtual void Unused44() {}                                                         // 44
  virtual void Unused45() {}                                                         // 45
  virtual void Unused46() {}                                                         // 46
  virtual void Unused47() {}                                                         // 47
  virtual void Unused48() {}                                                         // 48
  virtual bool IsClientMode() = 0;                                                   // 49
  virtual void ReloadDevMode(int reserved) = 0;                                      // 50
  virtual void Unused51() {}                                                         // 51
  virtual void Unused52() {}                                                         // 52
  virtual void Unused53() {}                                                         // 53
  virtual void SetCurrentDevMode(const DEVMODEW *devMode) = 0;                       // 54
  virtual bool GetFeatureSetEntry(LPCSTR name, BYTE *entry) = 0;                     // 55
  virtual void Unused56() {}                                                         // 56
  virtual void Unused57() {}                                                         // 57
  virtual void Unused58() {}                                                         // 58
  virtual void Unused59() {}                                                         // 59
  virtual ModelInfoRecord *GetModelInfo() = 0;                                       // 60
  virtual void FinishInfoDialog() = 0;                                               // 61
  virtual void Unused62() {}                                                         // 62
  virtual void Unused63() {}                                                         // 63
  virtual void Unused64() {}                                                         // 64
  virtual void Unused65() {}                                                         // 65
  virtual BYTE *GetDriverSettings() = 0;                                             // 66
  virtual ModelCapabilitiesRecord *GetModelCapabilities() = 0;                       // 67
  virtual void Unused68() {}                                                         // 68
  virtual void Unused69() {}                                                         // 69
  virtual void Unused70() {}                                                         // 70
  virtual void Unused71() {}                                                         // 71
  virtual void Unused72() {}                                                         // 72
  virtual void Unused73() {}                                                         // 73
  virtual void Unused74() {}                                                         // 74
  virtual void Unused75() {}                                                         // 75
  virtual void Unused76() {}                                                         // 76
  virtual void Unused77() {}                                                         // 77
  virtual void Unused78() {}                                                         // 78
  virtual void Unused79() {}                                                         // 79
  virtual void Unused80() {}                                                         // 80
  virtual void Unused81() {}                                                         // 81
  virtual WORD GetLanguage() = 0;                                                    // 82
  virtual int LoadResString(UINT id, LPWSTR buffer, int cchBuffer, DWORD reserved1,  //
                            DWORD reserved2, DWORD reserved3) = 0;                   // 83
  virtual void Unused84() {}                                                         // 84
  virtual void Unused85() {}                                                         // 85
  virtual void Unused86() {}                                                         // 86
  virtual void Unused87() {}                                                         // 87
  virtual void Unused88() {}                                                         // 88
  virtual void Unused89() {}                                                         // 89
  virtual void Unused90() {}                                                         // 90
  virtual void Unused91() {}                                                         // 91
  virtual void Unused92() {}                                                         // 92
  virtual BYTE *GetPrinterNameBuffer(LPCSTR text) = 0;                               // 93
  virtual void Unused94() {}                                                         // 94
  virtual void Unused95() {}                                                         // 95
  virtual void Unused96() {}                                                         // 96
  virtual void Unused97() {}                                                         // 97
  virtual void Unused98() {}                                                         // 98
  virtual void Unused99() {}                                                         // 99
  virtual void Unused100() {}                                                        // 100
  virtual void Unused101() {}                                                        // 101
  virtual HINSTANCE GetResourceInstance() = 0;                                       // 102

 protected:
  ~UIManager() = default;
};

// The host's driver and platform: refresh, notification window, platform code, driver queries.
class DriverContext {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;               // 0
  virtual void Unused1() {}                                       // 1
  virtual void Unused2() {}                                       // 2
  virtual void RefreshSettings() = 0;                             // 3
  virtual void Unused4() {}                                       // 4
  virtual void Unused5() {}                                       // 5
  virtual void Unused6() {}                                       // 6
  virtual void Unused7() {}                                       // 7
  virtual void Unused8() {}                                       // 8
  virtual void Unused9() {}                                       // 9
  virtual void Unused10() {}                                      // 10
  virtual void Unused11() {}                                      // 11
  virtual HWND GetNotifyWindow() = 0;                             // 12
  virtual void Unused13() {}                                      // 13
  virtual void Unused14() {}                                      // 14
  virtual int GetPlatform() = 0;                                  // 15
  virtual void Unused16() {}                                      // 16
  virtual bool IsAdministrator() = 0;                             // 17
  virtual void Unused18() {}                                      // 18
  virtual void Unused19() {}                                      // 19
  virtual int QueryDriver(int what, void *buffer, int mode) = 0;  // 20

 protected:
  ~DriverContext() = default;
};

// Platform codes that GetPlatform reports.
enum : int {
  HOST_PLATFORM_NT4 = 1,
  HOST_PLATFORM_NT5 = 2,
  HOST_PLATFORM_ANSI = 3,
};

// QueryDriver requests: a plug-in block's defaults (what = block identifier, mode 1) and the
// mapping of an output-bin identifier (what 5, buffer = DWORD identifier in/out, mode 1001).
enum : int {
  QUERY_PLUGIN_DEFAULTS = 1,
  QUERY_OUTPUT_BIN = 5,
  QUERY_OUTPUT_BIN_MAP = 1001,
};

// The object the host passes to a UI module's SetHost.
class UIClassHost {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;  // 0
  virtual void Unused1() {}                          // 1
  virtual void Unused2() {}                          // 2
  virtual void Unused3() {}                          // 3
  virtual void Unused4() {}                          // 4
  virtual void Unused5() {}                          // 5
  virtual void Unused6() {}                          // 6
  virtual void Unused7() {}                          // 7
  virtual void Unused8() {}                          // 8
  virtual void Unused9() {}                          // 9
  virtual void Unused10() {}                         // 10
  virtual void Unused11() {}                         // 11
  virtual void Unused12() {}                         // 12
  virtual void Unused13() {}                         // 13
  virtual void Unused14() {}                         // 14
  virtual void Unused15() {}                         // 15
  virtual void Unused16() {}                         // 16
  virtual UIManager *GetUIManager() = 0;             // 17

 protected:
  ~UIClassHost() = default;
};

// The host's store of module registrations ("FeatureSet%d" entries of 160 bytes).
class ModuleRegistry {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;                              // 0
  virtual void Unused1() {}                                                      // 1
  virtual void Unused2() {}                                                      // 2
  virtual void Unused3() {}                                                      // 3
  virtual void Unused4() {}                                                      // 4
  virtual ULONGLONG GetModuleFileVersion(LPCWSTR path) = 0;                      // 5
  virtual bool IsAnsiPlatform() = 0;                                             // 6
  virtual bool GetModuleRegistryEntry(LPCSTR valueName, BYTE *entry) = 0;        // 7
  virtual bool SetModuleRegistryEntry(LPCSTR valueName, const BYTE *entry) = 0;  // 8
  virtual bool DeleteModuleRegistryEntry(LPCSTR baseName, int number) = 0;       // 9
  virtual void Unused10() {}                                                     // 10
  virtual void Unused11() {}                                                     // 11
  virtual void Unused12() {}                                                     // 12
  virtual void Unused13() {}                                                     // 13
  virtual bool CanInstallModule() = 0;                                           // 14
  virtual void Unused15() {}                                                     // 15
  virtual void Unused16() {}                                                     // 16
  virtual void Unused17() {}                                                     // 17
  virtual void AnsiToWide(LPWSTR wide, LPCSTR ansi, int reserved) = 0;           // 18

 protected:
  ~ModuleRegistry() = default;
};

// A property page as the host hosts it.
class CPage {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;                   // 0
  virtual int Unnamed1() = 0;                                         // 1
  virtual int GetDialogId() = 0;                                      // 2
  virtual int Unnamed3() = 0;                                         // 3
  virtual int Unnamed4() = 0;                                         // 4
  virtual LPCWSTR GetTitle() = 0;                                     // 5
  virtual SIZE *CreatePageWindow(SIZE *size) = 0;                     // 6
  virtual SIZE *GetDesignSize(SIZE *size) = 0;                        // 7
  virtual void SetHostValues8(DWORD first, DWORD second) = 0;         // 8
  virtual void SetHostValues9(DWORD first, DWORD second) = 0;         // 9
  virtual DWORD GetHostValue9First() = 0;                             // 10
  virtual DWORD GetHostValue9Second() = 0;                            // 11
  virtual HICON GetIcon(int *loaded) = 0;                             // 12
  virtual bool Unnamed13(DWORD value) = 0;                            // 13
  virtual bool Unnamed14(DWORD value) = 0;                            // 14
  virtual bool Unnamed15(DWORD value) = 0;                            // 15
  virtual void Activate() = 0;                                        // 16
  virtual bool Deactivate() = 0;                                      // 17
  virtual bool Unnamed18() = 0;                                       // 18
  virtual bool Unnamed19() = 0;                                       // 19
  virtual void SetOwner(CControlSet *owner) = 0;                      // 20
  virtual CControlSet *GetOwner() = 0;                                // 21
  virtual void UIManagerChanged(UIManager *manager) = 0;              // 22
  virtual void Unnamed23(DWORD value) = 0;                            // 23
  virtual bool Unnamed24() = 0;                                       // 24
  virtual void SetHostByte(BYTE value) = 0;                           // 25
  virtual BYTE GetHostByte() = 0;                                     // 26
  virtual int Unnamed27(DWORD first, DWORD second, DWORD third) = 0;  // 27
  virtual int Unnamed28(DWORD first, DWORD second, DWORD third) = 0;  // 28
  virtual bool Unnamed29() = 0;                                       // 29

 protected:
  ~CPage() = default;
};

// The module's control set: owns its pages and its private-data block.
class CControlSet {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;                    // 0
  virtual void SetHostValue(DWORD value) = 0;                          // 1
  virtual DWORD GetHostValue() = 0;                                    // 2
  virtual int GetPageCount(DWORD mask) = 0;                            // 3
  virtual void SetDriverContext(DriverContext *context) = 0;           // 4
  virtual CPage *GetPage(int index, DWORD mask) = 0;                   // 5
  virtual DriverContext *GetDriverContext() = 0;                       // 6
  virtual void SetUIManager(UIManager *manager) = 0;                   // 7
  virtual UIManager *GetUIManager() = 0;                               // 8
  virtual void CheckPrivateData(UIManager *manager) = 0;               // 9
  virtual void VerifyPrivateData(DWORD value) = 0;                     // 10
  virtual void Unnamed11(DWORD value) = 0;                             // 11
  virtual void DevModeChanged(UIManager *manager) = 0;                 // 12
  virtual void PrivateDataChanged(DWORD value) = 0;                    // 13
  virtual void InvalidateDevMode() = 0;                                // 14
  virtual void Unnamed15() = 0;                                        // 15
  virtual void Unnamed16(DWORD value) = 0;                             // 16
  virtual void Unnamed17(DWORD first, DWORD second, DWORD third) = 0;  // 17
  virtual void Unnamed18() = 0;                                        // 18

 protected:
  ~CControlSet() = default;
};

// Page kinds the host asks a control set for.
enum : DWORD {
  PAGE_KIND_DOCUMENT = 0x1,
  PAGE_KIND_PRINTER = 0x2,
};

// A UI module as the host sees it.
class CUIModule {
 public:
  virtual void *DeletingDestructor(UINT flags) = 0;  // 0
  virtual void SetHost(UIClassHost *host) = 0;       // 1
  virtual void Unnamed2() = 0;                       // 2
  virtual void SetHostValue(DWORD value) = 0;        // 3
  virtual DWORD GetHostValue() = 0;                  // 4
  virtual int Unnamed5() = 0;                        // 5
  virtual bool SupportsType(DWORD kind) = 0;         // 6

 protected:
  ~CUIModule() = default;
};

// The module's exported entry points, as the host calls them.
typedef void *(WINAPI *GetClassProc)(LPCSTR className, int interfaceVersion);
typedef int(WINAPI *InstallModuleProc)(ModuleRegistry *registry, DWORD reserved);
typedef int(WINAPI *RunProfileProc)(HWND parent, CControlSet *owner, DWORD reserved);
typedef BOOL(WINAPI *DllMainProc)(HINSTANCE instance, DWORD reason, LPVOID reserved);
typedef int (*RunJZModuleCmdProc)(int command, ModuleRegistry *registry, DWORD reserved, ...);

// The interface version the host speaks and the module accepts.
constexpr int HOST_INTERFACE_VERSION = 14;
