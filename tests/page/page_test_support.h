// What the page tests share: a UIManager and DriverContext whose answers a test sets, an owner
// that hands them out, and a page window built from an in-memory template with the page's
// buttons and lists.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <commctrl.h>

#include "abi/wide.h"
#include "module/control_set_profil.h"
#include "module/fake_ui_manager.h"
#include "page/current_page.h"
#include "abi/resource_ids.h"
#include "page/profile_page.h"
#include "store/profile_list.h"
#include "support/tested_windows.h"

namespace prfmod::testing {

class PageUIManager : public FakeUIManager {
 public:
  PageUIManager() {
    std::memset(&model, 0, sizeof model);
    std::memset(&caps, 0, sizeof caps);
    devMode = &devModeRecord;
    driverSettings = settingsRecord;
    modelInfo = &model;
    printer = reinterpret_cast<HANDLE>(0x10);
  }

  WORD language = 0x0409;
  bool canChange = true;
  bool clientMode = false;
  int reloads = 0;
  std::map<std::string, std::vector<BYTE>> printerValues;
  ModelInfoRecord model;
  ModelCapabilitiesRecord caps;
  std::map<UINT, WideString> strings;
  WideString printerName = WSTR("JZ Color 5300");
  BYTE printerNameBuffer[260] = {};
  DEVMODEW devModeRecord{};

  WORD GetLanguage() override { return language; }
  ModelCapabilitiesRecord *GetModelCapabilities() override { return &caps; }
  LPCWSTR GetPrinterNameW() override { return printerName.c_str(); }
  int LoadResString(UINT id, LPWSTR buffer, int cchBuffer, DWORD, DWORD, DWORD) override {
    auto found = strings.find(id);
    WideString text = found != strings.end() ? found->second : WSTR("");
    text = text.substr(0, static_cast<size_t>(cchBuffer - 1));
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return static_cast<int>(text.size());
  }
  bool CanChangeSettings() override { return canChange; }
  bool IsClientMode() override { return clientMode; }
  void ReloadDevMode(int) override { ++reloads; }
  bool ReadPrinterValue(LPCSTR name, void *buffer, DWORD *size) override {
    auto found = printerValues.find(name);
    if (found == printerValues.end() || size == nullptr)
      return false;
    if (buffer != nullptr) {
      if (*size < found->second.size())
        return false;
      std::memcpy(buffer, found->second.data(), found->second.size());
    }
    *size = static_cast<DWORD>(found->second.size());
    return true;
  }
  bool WritePrinterValue(LPCSTR name, DWORD, const void *data, DWORD size) override {
    const BYTE *bytes = static_cast<const BYTE *>(data);
    printerValues[name].assign(bytes, bytes + size);
    return true;
  }
  BYTE *GetPrinterNameBuffer(LPCSTR text) override {
    std::memset(printerNameBuffer, 0, sizeof printerNameBuffer);
    std::strncpy(reinterpret_cast<char *>(printerNameBuffer), text, 259);
    return printerNameBuffer;
  }

 private:
  BYTE settingsRecord[2048] = {};
};

class PageDriverContext final : public DriverContext {
 public:
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }
  int platform = HOST_PLATFORM_NT5;
  void RefreshSettings() override {}
  HWND GetNotifyWindow() override { return nullptr; }
  int GetPlatform() override { return platform; }
  bool IsAdministrator() override { return true; }
  int QueryDriver(int, void *, int) override { return 0; }
};

// The built-in profile and `users` user profiles ("Profile 01"...) stored as the printer's
// profile list. The built-in one is stored as "Factory Default", another name than the display
// name the tests give string 1940, so that the page must rename it.
inline void StoreUserProfiles(PageUIManager &manager, int users) {
  ProfileList list(nullptr, TextPolicy::ForPage(false, CP_ACP), &manager, nullptr, nullptr);
  ProfileHeader header{};
  std::strcpy(header.strProfileName, "Factory Default");
  list.Insert(&header);
  for (int i = 1; i <= users; ++i) {
    header = ProfileHeader{};
    std::snprintf(header.strProfileName, sizeof header.strProfileName, "Profile %02d", i);
    header.nProfRegNum = i;
    header.nProfileIcon = static_cast<DWORD>(i % 45);
    list.Insert(&header);
  }
  ASSERT_TRUE(list.Save());
}

// An owner with a manager and a driver context, and a page of its own.
struct PageFixture {
  PageFixture() : owner(nullptr) {
    tested_windows::SleepInstantly();
    owner.SetDriverContext(&context);
    owner.SetUIManager(&manager);
    page.SetOwner(&owner);
  }
  PageUIManager manager;
  PageDriverContext context;
  CControlSetProfil owner;
  ProfilePage page;
};

// A page window like the page's templates: the six command buttons, the settings-information
// button, the profile list, the summary list, the description, OK and Cancel and the other named
// controls, run by the page's dialog procedure.
inline HWND CreateTestPageWindow(ProfilePage *page) {
  std::vector<BYTE> bytes;
  auto word = [&bytes](WORD value) {
    bytes.push_back(static_cast<BYTE>(value & 0xFF));
    bytes.push_back(static_cast<BYTE>(value >> 8));
  };
  auto dword = [&word](DWORD value) {
    word(static_cast<WORD>(value & 0xFFFF));
    word(static_cast<WORD>(value >> 16));
  };
  auto text = [&word](const WideString &value) {
    for (WCHAR c : value)
      word(c);
    word(0);
  };
  struct Item {
    WORD id;
    WORD classOrdinal;  // 0: the list view class
    DWORD style;
    short x, y, cx, cy;
  };
  constexpr DWORD kList = LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER;
  const Item items[] = {
      {IDC_PROFILE_ADD, 0x0080, 0, 170, 10, 60, 14},
      {IDC_PROFILE_EDIT, 0x0080, 0, 170, 28, 60, 14},
      {IDC_PROFILE_DELETE, 0x0080, 0, 170, 46, 60, 14},
      {IDC_PROFILE_APPLY, 0x0080, 0, 170, 64, 60, 14},
      {IDC_PROFILE_IMPORT, 0x0080, 0, 170, 82, 60, 14},
      {IDC_PROFILE_EXPORT, 0x0080, 0, 170, 100, 60, 14},
      {IDC_SETTINGS_INFO, 0x0080, 0, 170, 118, 60, 14},
      {IDC_DECORATION, 0x0082, 0, 10, 140, 60, 40},
      {IDC_PROFILE_LIST_TITLE, 0x0082, 0, 10, 2, 150, 8},
      {IDC_PROFILE_LIST, 0, kList, 10, 10, 150, 60},
      {IDC_PROFILE_DESCRIPTION, 0x0082, 0, 10, 72, 150, 16},
      {IDC_SETTINGS_SUMMARY, 0, kList, 10, 90, 150, 48},
      {IDC_BUTTON_SEPARATOR, 0x0082, 0, 80, 140, 40, 8},
      {IDC_DESCRIPTION_LABEL, 0x0082, 0, 80, 150, 40, 8},
      {IDOK, 0x0080, 0, 130, 160, 40, 14},
      {IDCANCEL, 0x0080, 0, 180, 160, 40, 14},
  };
  dword(WS_POPUP | WS_VISIBLE | DS_SETFONT);
  dword(0);
  word(static_cast<WORD>(std::size(items)));
  word(0);
  word(0);
  word(240);
  word(190);
  word(0);  // menu
  word(0);  // class
  word(0);  // title
  word(8);
  text(WSTR("MS Shell Dlg"));
  for (const Item &item : items) {
    while (bytes.size() % 4 != 0)
      bytes.push_back(0);
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | item.style);
    dword(0);
    word(static_cast<WORD>(item.x));
    word(static_cast<WORD>(item.y));
    word(static_cast<WORD>(item.cx));
    word(static_cast<WORD>(item.cy));
    word(item.id);
    if (item.classOrdinal != 0) {
      word(0xFFFF);
      word(item.classOrdinal);
    } else {
      text(WSTR("SysListView32"));
    }
    word(0);  // title
    word(0);  // creation data
  }
  SetCurrentPage(page);
  return CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                    nullptr, ProfilePage::DialogProc, 0);
}

// Takes every message of `window` from the queue, dispatching it; returns the WM_COMMAND IDs
// among them.
inline std::vector<int> PumpCommands(HWND window) {
  std::vector<int> commands;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.hwnd == window && message.message == WM_COMMAND)
      commands.push_back(LOWORD(message.wParam));
    else
      DispatchMessageW(&message);
  }
  return commands;
}

}  // namespace prfmod::testing
