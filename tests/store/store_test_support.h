// What the store tests share: the demo machine on either platform, a control set and a page
// over a printer session, and direct access to the printer's data and the side files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "support/demo_machine.h"
#include "support/tested_windows.h"
#include "host/system_version.h"
#include "host/printer_session.h"
#include "host/text_convert.h"
#include "host/win32_handles.h"
#include "store/page_context.h"
#include "store/profile_list.h"
#include "store/vtprofjzp.h"

namespace store_testing {

// A control set that only hands out the host objects.
class FakeControlSet final : public CControlSet {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  explicit FakeControlSet(UIManager *manager) : manager_(manager) {}
  void SetHostValue(DWORD) override {}
  DWORD GetHostValue() override { return 0; }
  int GetPageCount(DWORD) override { return 0; }
  void SetDriverContext(DriverContext *) override {}
  CPage *GetPage(int, DWORD) override { return nullptr; }
  DriverContext *GetDriverContext() override { return nullptr; }
  void SetUIManager(UIManager *manager) override { manager_ = manager; }
  UIManager *GetUIManager() override { return manager_; }
  void CheckPrivateData(UIManager *) override {}
  void VerifyPrivateData(DWORD) override {}
  void Unnamed11(DWORD) override {}
  void DevModeChanged(UIManager *) override {}
  void PrivateDataChanged(DWORD) override {}
  void InvalidateDevMode() override {}
  void Unnamed15() override {}
  void Unnamed16(DWORD) override {}
  void Unnamed17(DWORD, DWORD, DWORD) override {}
  void Unnamed18() override {}

 private:
  UIManager *manager_;
};

// The session's UIManager with another text for one string and a client-mode answer of the
// test's choosing; everything else is the session's.
class OverridingUIManager final : public UIManager {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  explicit OverridingUIManager(UIManager *inner) : inner_(inner) {}
  UINT stringId = 0;
  WideString text;
  std::optional<bool> clientMode;
  // The calls that change the printer's values, in order: "NotifyChange(reason)" and
  // "WritePrinterValue(name, type, size)".
  std::vector<std::string> calls;

  bool CanChangeSettings() override { return inner_->CanChangeSettings(); }
  LPCSTR GetHelpFileName(int r) override { return inner_->GetHelpFileName(r); }
  LPCSTR GetHelpDirectory(int r) override { return inner_->GetHelpDirectory(r); }
  HANDLE GetPrinterHandle() override { return inner_->GetPrinterHandle(); }
  LPCWSTR GetPrinterNameW() override { return inner_->GetPrinterNameW(); }
  DEVMODEW *GetCurrentDevMode() override { return inner_->GetCurrentDevMode(); }
  void *GetPrivateData(WORD id, DWORD r) override { return inner_->GetPrivateData(id, r); }
  void *GetFeatureItem(int list, WORD i) override { return inner_->GetFeatureItem(list, i); }
  int GetFeatureCount(int list) override { return inner_->GetFeatureCount(list); }
  void RemovePrivateData(WORD id, DWORD r) override { inner_->RemovePrivateData(id, r); }
  void NotifyChange(DWORD r) override {
    calls.push_back("NotifyChange(" + std::to_string(r) + ")");
    inner_->NotifyChange(r);
  }
  bool ReadPrinterValue(LPCSTR name, void *buffer, DWORD *size) override {
    return inner_->ReadPrinterValue(name, buffer, size);
  }
  bool WritePrinterValue(LPCSTR name, DWORD type, const void *data, DWORD size) override {
    calls.push_back("WritePrinterValue(" + std::string(name) + ", " + std::to_string(type) + ", " +
                    std::to_string(size) + ")");
    return inner_->WritePrinterValue(name, type, data, size);
  }
  bool IsClientMode() override { return clientMode ? *clientMode : inner_->IsClientMode(); }
  void ReloadDevMode(int r) override { inner_->ReloadDevMode(r); }
  void SetCurrentDevMode(const DEVMODEW *d) override { inner_->SetCurrentDevMode(d); }
  bool GetFeatureSetEntry(LPCSTR n, BYTE *e) override { return inner_->GetFeatureSetEntry(n, e); }
  ModelInfoRecord *GetModelInfo() override { return inner_->GetModelInfo(); }
  void FinishInfoDialog() override { inner_->FinishInfoDialog(); }
  BYTE *GetDriverSettings() override { return inner_->GetDriverSettings(); }
  ModelCapabilitiesRecord *GetModelCapabilities() override {
    return inner_->GetModelCapabilities();
  }
  WORD GetLanguage() override { return inner_->GetLanguage(); }
  int LoadResString(UINT id, LPWSTR buffer, int cch, DWORD a, DWORD b, DWORD c) override {
    if (id != stringId || stringId == 0)
      return inner_->LoadResString(id, buffer, cch, a, b, c);
    host::CopyToField(buffer, static_cast<size_t>(cch), text);
    return static_cast<int>(text.size());
  }
  BYTE *GetPrinterNameBuffer(LPCSTR t) override { return inner_->GetPrinterNameBuffer(t); }
  HINSTANCE GetResourceInstance() override { return inner_->GetResourceInstance(); }

 private:
  UIManager *inner_;
};

// The page over a printer session: the manager given, the session's DriverContext and current
// settings, and no restoration.
class FakePage : public ProfilePageContext {
 public:
  FakePage(host::PrinterSession &session, UIManager *manager)
      : session_(session),
        manager_(manager),
        controlSet_(manager),
        text_(TextPolicy::ForPage(host::IsAnsiPlatform(), CP_ACP)),
        list_(&controlSet_, text_, manager, manager->GetDriverSettings(),
              manager->GetCurrentDevMode()),
        nameA_(host::AnsiFromWide(session.printerName(), CP_ACP)) {}

  bool clientMode = false;
  HANDLE printer = nullptr;  // the page's handle; none by default

  UIManager *GetUIManager() const override { return manager_; }
  DriverContext *GetDriverContext() const override { return session_.driverContext(); }
  WORD GetLanguage() const override { return manager_->GetLanguage(); }
  bool IsRightToLeft() const override { return false; }
  const TextPolicy &Text() const override { return text_; }
  const pdMain *GetDriverSettings() const override {
    return reinterpret_cast<const pdMain *>(session_.mainBlock());
  }
  const ModelInfoRecord *GetModelInfo() const override { return manager_->GetModelInfo(); }
  const ModelCapabilitiesRecord *GetModelCapabilities() const override {
    return manager_->GetModelCapabilities();
  }
  void RestoreDevMode(DEVMODEW *, int, bool) override {}
  HANDLE GetPrinterHandle() const override { return printer; }
  CControlSet *GetControlSet() const override { return const_cast<FakeControlSet *>(&controlSet_); }
  ProfileList *GetProfileList() const override { return const_cast<ProfileList *>(&list_); }
  bool IsClientMode() const override { return clientMode; }
  const DEVMODEW *GetCurrentDevMode() const override { return session_.devMode(); }
  // The page's identity: its printer name in the platform's form, its handle and control set.
  PrinterIdentity &GetPrinterIdentity() const override {
    if (identity_ == nullptr)
      identity_ = host::IsAnsiPlatform()
                      ? std::make_unique<PrinterIdentity>(nameA_.c_str(), printer, GetControlSet())
                      : std::make_unique<PrinterIdentity>(session_.printerName().c_str(), printer,
                                                          GetControlSet());
    return *identity_;
  }

  ProfileList &list() { return list_; }
  CControlSet *controlSet() { return &controlSet_; }

 private:
  host::PrinterSession &session_;
  UIManager *manager_;
  FakeControlSet controlSet_;
  TextPolicy text_;
  ProfileList list_;
  std::string nameA_;
  mutable std::unique_ptr<PrinterIdentity> identity_;
};

inline ProfileHeader Header(const char *name, LONG regNum, const char *info = "") {
  ProfileHeader header;
  std::memset(&header, 0, sizeof header);
  std::strncpy(header.strProfileName, name, sizeof header.strProfileName - 1);
  std::strncpy(header.strProfileInfo, info, sizeof header.strProfileInfo - 1);
  header.nProfRegNum = regNum;
  return header;
}

// "JZP_%04d_<value name>": where a profile keeps one of its values.
inline std::string DataName(int regNum, const std::string &valueName) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "JZP_%04d_", regNum);
  return prefix + valueName;
}

inline std::vector<BYTE> Bytes(std::initializer_list<int> values) {
  std::vector<BYTE> bytes;
  for (int v : values)
    bytes.push_back(static_cast<BYTE>(v));
  return bytes;
}

inline std::vector<BYTE> Pattern(size_t size, BYTE seed) {
  std::vector<BYTE> bytes(size);
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<BYTE>(seed + i * 7);
  return bytes;
}

// Adds a local printer of the colour model under the name.
inline void AddColorLaserPrinter(const WideString &name) {
  std::vector<BYTE> devMode = host::ColorLaserModel().DefaultDevMode();
  PRINTER_INFO_2W info{};
  info.pPrinterName = const_cast<LPWSTR>(name.c_str());
  info.pPortName = const_cast<LPWSTR>(WSTR("LPT1:"));
  info.pDriverName = const_cast<LPWSTR>(host::ColorLaserModel().driverName.c_str());
  info.pPrintProcessor = const_cast<LPWSTR>(WSTR("WinPrint"));
  info.pDatatype = const_cast<LPWSTR>(WSTR("RAW"));
  info.pDevMode = reinterpret_cast<DEVMODEW *>(devMode.data());
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
  ASSERT_NE(added, nullptr);
  ClosePrinter(added);
}

inline const char *PlatformName(
    const ::testing::TestParamInfo<tested_windows::WindowsVersion> &info) {
  return info.param == tested_windows::WindowsVersion::Win98 ? "Win98" : "WinXP";
}

// The demo machine on the platform of the test's parameter.
class StoreTest : public host::testing::DemoMachineTest,
                  public ::testing::WithParamInterface<tested_windows::WindowsVersion> {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    tested_windows::Use(GetParam());
  }

  bool Ansi() const { return GetParam() == tested_windows::WindowsVersion::Win98; }

  std::unique_ptr<host::PrinterSession> Open(const WideString &printer) {
    std::string error;
    auto session = host::PrinterSession::Open(printer, {}, &error);
    EXPECT_TRUE(session) << error;
    return session;
  }

  // A store as the platform's code builds it: the ANSI name on the ANSI platform.
  std::unique_ptr<VTPROFJZP> Store(const WideString &printer, HANDLE handle = nullptr,
                                   CControlSet *controlSet = nullptr) {
    if (Ansi())
      return std::make_unique<VTPROFJZP>(nullptr, host::AnsiFromWide(printer, CP_ACP).c_str(),
                                         handle, controlSet);
    return std::make_unique<VTPROFJZP>(nullptr, printer.c_str(), handle, controlSet);
  }

  // An identity as a page reads it, and a store of that page.
  std::unique_ptr<PrinterIdentity> Identity(const WideString &printer) {
    if (Ansi())
      return std::make_unique<PrinterIdentity>(host::AnsiFromWide(printer, CP_ACP).c_str(), nullptr,
                                               nullptr);
    return std::make_unique<PrinterIdentity>(printer.c_str(), nullptr, nullptr);
  }
  std::unique_ptr<VTPROFJZP> Store(PrinterIdentity &identity) {
    return std::make_unique<VTPROFJZP>(nullptr, identity, nullptr);
  }

  // The driver no longer tells its DEVMODE size: the printer's own default DEVMODE is gone.
  void SilenceDriver(const WideString &printer) {
    host::RegKey key =
        host::RegKey::Open(HKEY_LOCAL_MACHINE, host::PrinterKeyPath(printer), KEY_SET_VALUE);
    ASSERT_EQ(RegDeleteValueW(key.get(), WSTR("Default DevMode")), ERROR_SUCCESS);
  }

  host::RegKey PrinterDataKey(const WideString &printer, REGSAM access) {
    return host::RegKey::Open(HKEY_LOCAL_MACHINE,
                              host::PrinterKeyPath(printer) + WSTR("\\PrinterDriverData"), access);
  }

  std::optional<std::vector<BYTE>> PrinterValue(const WideString &printer,
                                                const std::string &name) {
    host::RegKey key = PrinterDataKey(printer, KEY_QUERY_VALUE);
    WideString wide = host::Utf16FromUtf8(name);
    DWORD type = 0, size = 0;
    if (!key ||
        RegQueryValueExW(key.get(), wide.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    std::vector<BYTE> data(size);
    RegQueryValueExW(key.get(), wide.c_str(), nullptr, &type, data.data(), &size);
    return data;
  }

  void SetPrinterValue(const WideString &printer, const std::string &name,
                       const std::vector<BYTE> &data, DWORD type = REG_BINARY) {
    host::RegKey key = PrinterDataKey(printer, KEY_SET_VALUE);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExW(key.get(), host::Utf16FromUtf8(name).c_str(), 0, type, data.data(),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }

  void SetPrinterKeyValue(const WideString &printer, const WideString &name,
                          const WideString &text) {
    host::RegKey key =
        host::RegKey::Open(HKEY_LOCAL_MACHINE, host::PrinterKeyPath(printer), KEY_SET_VALUE);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE *>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR))),
              ERROR_SUCCESS);
  }

  void StoreHeaders(const WideString &printer, const std::vector<ProfileHeader> &headers,
                    DWORD count) {
    SetPrinterValue(printer, "JzProfileCount",
                    Bytes({int(count & 0xFF), int(count >> 8 & 0xFF), int(count >> 16 & 0xFF),
                           int(count >> 24)}),
                    REG_DWORD);
    const BYTE *bytes = reinterpret_cast<const BYTE *>(headers.data());
    SetPrinterValue(printer, "JzProfileData",
                    std::vector<BYTE>(bytes, bytes + headers.size() * sizeof(ProfileHeader)));
  }

  // A side file in the driver directory of the ANSI platform; nothing when it does not exist.
  std::optional<std::vector<BYTE>> SideFile(const std::string &name) {
    std::ifstream file(tested_windows::HostPath("C:\\WINDOWS\\SYSTEM\\" + name), std::ios::binary);
    if (!file)
      return std::nullopt;
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
  }

  void AddColorPrinter(const WideString &name) { AddColorLaserPrinter(name); }
};

}  // namespace store_testing
