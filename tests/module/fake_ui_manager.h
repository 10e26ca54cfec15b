// A UIManager that hands out what a test gives it and records what the module asks, for the
// cases the reference host never produces (damaged blocks, missing records).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "abi/host_interfaces.h"

namespace prfmod::testing {

class FakeUIManager : public UIManager {
 public:
  virtual ~FakeUIManager() = default;
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  void *privateData = nullptr;
  DEVMODEW *devMode = nullptr;
  BYTE *driverSettings = nullptr;
  ModelInfoRecord *modelInfo = nullptr;
  HANDLE printer = nullptr;
  HINSTANCE resourceInstance = nullptr;
  std::function<void()> onRemovePrivateData;  // runs inside RemovePrivateData
  std::vector<std::string> calls;

  bool CanChangeSettings() override { return true; }
  LPCSTR GetHelpFileName(int) override { return ""; }
  LPCSTR GetHelpDirectory(int) override { return ""; }
  HANDLE GetPrinterHandle() override { return Record("GetPrinterHandle", printer); }
  LPCWSTR GetPrinterNameW() override { return nullptr; }
  DEVMODEW *GetCurrentDevMode() override { return Record("GetCurrentDevMode", devMode); }
  void *GetPrivateData(WORD blockId, DWORD) override {
    return Record("GetPrivateData " + std::to_string(blockId), privateData);
  }
  void *GetFeatureItem(int, WORD) override { return nullptr; }
  int GetFeatureCount(int) override { return 0; }
  void RemovePrivateData(WORD blockId, DWORD) override {
    calls.push_back("RemovePrivateData " + std::to_string(blockId));
    if (onRemovePrivateData)
      onRemovePrivateData();
    privateData = nullptr;
  }
  void NotifyChange(DWORD) override {}
  bool ReadPrinterValue(LPCSTR, void *, DWORD *) override { return false; }
  bool WritePrinterValue(LPCSTR, DWORD, const void *, DWORD) override { return false; }
  bool IsClientMode() override { return false; }
  void ReloadDevMode(int) override {}
  void SetCurrentDevMode(const DEVMODEW *) override {}
  bool GetFeatureSetEntry(LPCSTR, BYTE *) override { return false; }
  ModelInfoRecord *GetModelInfo() override { return Record("GetModelInfo", modelInfo); }
  void FinishInfoDialog() override {}
  BYTE *GetDriverSettings() override { return Record("GetDriverSettings", driverSettings); }
  ModelCapabilitiesRecord *GetModelCapabilities() override { return nullptr; }
  WORD GetLanguage() override { return 0x09; }
  int LoadResString(UINT, LPWSTR, int, DWORD, DWORD, DWORD) override { return 0; }
  BYTE *GetPrinterNameBuffer(LPCSTR) override { return nullptr; }
  HINSTANCE GetResourceInstance() override {
    return Record("GetResourceInstance", resourceInstance);
  }

 private:
  template <typename T>
  T Record(const std::string &call, T result) {
    calls.push_back(call);
    return result;
  }
};

}  // namespace prfmod::testing
